#include "screens/match/match_lineup_window.h"

#include <span>

#include "core/markup_escape.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "core/screen_size.h"
#include "core/text_tables.h"
#include "match/kit_choice.h"
#include "match/lineup_strength.h"
#include "match/match_day_helpers.h"
#include "match/match_engine.h"
#include "match/match_tables.h"
#include "match/match_view_texts.h"
#include "match/substitutions.h"
#include "platform/window/combo_box.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/screen.h"
#include "screens/match/match_pictures.h"
#include "screens/start/window_layout.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_message_dialog.h"
#include "ui/controls/smooth_panel.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "Image1", .class_name = "TImage", .bounds = {0, 0, 380, 600}},
    {.name = "banco",
     .class_name = "TPanel",
     .bounds = {388, 0, 160, 500},
     .color = 0x183010,
     .properties = {{"BevelOuter", "bvNone"}}},
    {.name = "lb_banco",
     .class_name = "TMarkupLabel",
     .parent = "banco",
     .bounds = {4, 20, 150, 18},
     .caption = "<shad><B>Reservas</B></shad>",
     .properties = kMarkup},
    {.name = "nometime_s1",
     .class_name = "TUiSmoothLabel",
     .bounds = {557, 5, 116, 20},
     .font = {"Tahoma", 10, fsBold, clBlack},
     .properties = {{"Caption.Location", "plCenterLeft"}}},
    {.name = "nometime1",
     .class_name = "TUiSmoothLabel",
     .bounds = {556, 4, 116, 20},
     .font = {"Tahoma", 10, fsBold, clWhite},
     .properties = {{"Caption.Location", "plCenterLeft"}, {"Cursor", "crHandPoint"}}},
    {.name = "nometime_s2",
     .class_name = "TUiSmoothLabel",
     .bounds = {681, 5, 116, 20},
     .font = {"Tahoma", 10, fsBold, clBlack},
     .properties = {{"Caption.Location", "plCenterRight"}}},
    {.name = "nometime2",
     .class_name = "TUiSmoothLabel",
     .bounds = {680, 4, 116, 20},
     .font = {"Tahoma", 10, fsBold, clWhite},
     .properties = {{"Caption.Location", "plCenterRight"}, {"Cursor", "crHandPoint"}}},
    {.name = "lb_tec1",
     .class_name = "TMarkupLabel",
     .bounds = {556, 26, 116, 16},
     .properties = kMarkup},
    {.name = "lb_tec2",
     .class_name = "TMarkupLabel",
     .bounds = {680, 26, 116, 16},
     .properties = kMarkup},
    {.name = "esc1",
     .class_name = "TImage",
     .bounds = {590, 44, 28, 28},
     .properties = {{"Cursor", "crHandPoint"}}},
    {.name = "p1",
     .class_name = "TMarkupLabel",
     .bounds = {636, 46, 30, 24},
     .font = {"Arial", 16, fsBold, clWhite},
     .properties = kMarkup},
    {.name = "p2",
     .class_name = "TMarkupLabel",
     .bounds = {690, 46, 30, 24},
     .font = {"Arial", 16, fsBold, clWhite},
     .properties = kMarkup},
    {.name = "esc2",
     .class_name = "TImage",
     .bounds = {734, 44, 28, 28},
     .properties = {{"Cursor", "crHandPoint"}}},
    {.name = "lb_tempo",
     .class_name = "TMarkupLabel",
     .bounds = {600, 74, 150, 16},
     .font = {"Arial", 9, fsBold, clWhite},
     .properties = kMarkup},
    {.name = "lb_estadio",
     .class_name = "TMarkupLabel",
     .bounds = {556, 92, 240, 16},
     .properties = kMarkup},
    {.name = "lb_pub",
     .class_name = "TMarkupLabel",
     .bounds = {556, 108, 140, 16},
     .properties = {{"Transparent", "True"}, {"ShowHint", "True"}}},
    {.name = "lb_renda",
     .class_name = "TMarkupLabel",
     .bounds = {700, 108, 96, 16},
     .properties = kMarkup},
    {.name = "lb_primeiro",
     .class_name = "TMarkupLabel",
     .bounds = {556, 126, 240, 48},
     .properties = {{"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "teste",
     .class_name = "TUiSmoothPanel",
     .bounds = {556, 176, 240, 236},
     .font = {"Arial", 8, 0, clWhite}},
    {.name = "Image4",
     .class_name = "TMarkupLabel",
     .bounds = {556, 416, 100, 16},
     .caption = "<shad><u>Estatísticas</u></shad>",
     .properties = {{"Transparent", "True"}, {"Cursor", "crHandPoint"}}},
    {.name = "labstats",
     .class_name = "TMarkupLabel",
     .bounds = {556, 434, 240, 84},
     .font = {"Arial", 8, 0, clWhite},
     .color = 0x183010,
     .properties = {{"Visible", "False"}}},
    {.name = "info1",
     .class_name = "TMarkupLabel",
     .bounds = {388, 506, 408, 16},
     .font = {"Arial", 9, fsBold, clWhite},
     .properties = kMarkup},
    {.name = "comboej",
     .class_name = "TUiComboBox",
     .bounds = {388, 528, 132, 21},
     .font = {"Arial", 8, 0, clWindowText},
     .properties = {{"TabOrder", "0"}}},
    {.name = "combomarc",
     .class_name = "TUiComboBox",
     .bounds = {526, 528, 100, 21},
     .font = {"Arial", 8, 0, clWindowText},
     .properties = {{"TabOrder", "1"}}},
    {.name = "combo_cataq",
     .class_name = "TUiComboBox",
     .bounds = {632, 528, 110, 21},
     .font = {"Arial", 8, 0, clWindowText},
     .properties = {{"TabOrder", "2"}}},
    {.name = "lb_tat1",
     .class_name = "TMarkupLabel",
     .bounds = {388, 530, 132, 16},
     .properties = kMarkup},
    {.name = "lb_tat2",
     .class_name = "TMarkupLabel",
     .bounds = {526, 530, 100, 16},
     .properties = kMarkup},
    {.name = "lb_tat3",
     .class_name = "TMarkupLabel",
     .bounds = {632, 530, 110, 16},
     .properties = kMarkup},
    {.name = "bt_irprojogo",
     .class_name = "TUiGlowButton",
     .bounds = {646, 564, 146, 28},
     .caption = "Voltar ao jogo >>",
     .font = {"Arial", 8, fsBold, clWindowText},
     .properties = {{"TabOrder", "3"}}},
};

void SetMarkup(Form& form, std::string_view name, const std::string& text) {
    ControlNamed<TMarkupLabel>(form, name).SetHTMLText(text);
}

// A national team of a tournament shows its national symbol when there is one.
std::string MatchCrestPath(int team) {
    if (IsNationalTeamTournament(Game().game_state.match_kind)) {
        const std::string symbol = BuildNationalSymbolPath(team);
        if (!symbol.empty()) return symbol;
    }
    return BuildCrestPath(team);
}

std::string Gold(const std::string& text) {
    return "<SHAD><FONT color=\"#C1C100\">" + text + "</font></shad>";
}

}  // namespace

const WindowLayout kForm88Layout = {
    .name = "Form88",
    .class_name = "TForm88",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, 0, clWhite},
    .color = 0x204010,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterMatchWindowClasses,
};

TForm88::TForm88(int match, int side) : Form("Form88"), match_(match), side_(side) {
    BuildWindowLayout(*this, kForm88Layout);
    key_preview = true;
    RegisterMatchCursors();
    AddEventIcons(icons_);
    auto& events = ControlNamed<TUiSmoothPanel>(*this, "teste");
    ShowAsEventsPanel(events);
    events.SetPictureContainer(&icons_);
    AddGameMessageDialog(*this, "dialog");
    auto& pitch = ControlNamed<Image>(*this, "Image1");
    pitch.SetPicture(MatchPicture("campogrande"));
    pitch.stretch = true;
    // The eleven are children of the window, over the pitch picture at its top-left corner.
    const WindowScale scale = WindowScaleForScreen();
    pitch_.Create(*this, ControlNamed<Control>(*this, "banco"), scale.numerator, scale.denominator);
    for (int n = 1; n <= PitchLineup::kPlaces; ++n) {
        for (Control* c :
             {static_cast<Control*>(&pitch_.shirt(n)), static_cast<Control*>(&pitch_.label(n))}) {
            c->on_drag_over = [this](Control& source, int, int, bool& accept) {
                accept = HumanShown() && source.ParentForm() == this;
            };
            c->on_drag_drop = [this, c](Control& source, int x, int y) {
                Dropped(source, *c, x, y);
            };
            c->on_start_drag = [this, n] {
                if (n <= 10 && HumanShown())
                    ControlNamed<Control>(*this, "Image1").cursor = kMatchCursor + 1;
            };
        }
    }
    pitch.on_drag_over = [this](Control& source, int, int, bool& accept) {
        accept = HumanShown() && source.ParentForm() == this && source.tag >= 1 && source.tag <= 10;
    };
    pitch.on_drag_drop = [this, &pitch](Control& source, int x, int y) {
        Dropped(source, pitch, x, y);
    };
    auto combo = [this](std::string_view name, std::vector<std::string> items,
                        std::int32_t t_team::*field) {
        auto& box = ControlNamed<ComboBox>(*this, name);
        box.SetItems(std::move(items));
        box.on_change = [this, &box, field] {
            const jogos* m = DayMatchAt(match_);
            if (t_team* team = m ? TeamAt(m->team[side_ - 1]) : nullptr)
                team->*field = box.ItemIndex();
            SetMarkup(*this, "labstats",
                      StatisticsMarkup(LiveMatchFigures(
                          *m, TeamAt(m->team[0]) ? TeamAt(m->team[0])->playing_style : 0,
                          TeamAt(m->team[1]) ? TeamAt(m->team[1])->playing_style : 0)));
        };
    };
    combo("comboej", {"Jogo equilibrado", "Ataque total", "Contra-ataque (retranca)"},
          &t_team::playing_style);
    combo("combomarc", {"Leve", "Pesada", "Muito pesada"}, &t_team::marking);
    combo("combo_cataq", {"Pelo meio", "Pelas laterais"}, &t_team::attack_route);
    for (int side = 1; side <= 2; ++side)
        for (const char* prefix : {"nometime", "esc"})
            ControlNamed<Control>(*this, prefix + std::to_string(side)).on_click = [this, side] {
                ShowTeam(side);
            };
    ControlNamed<Control>(*this, "Image4").on_click = [this] {
        ControlNamed<Control>(*this, "labstats").SetVisible(true);
    };
    ControlNamed<Control>(*this, "bt_irprojogo").on_click = [this] { Close(); };
    on_key_down = [this](int& key, ShiftState shift) {
        if (key == VK_F4 && shift == ssAlt) {
            key = 0;
            return;
        }
        if (key == VK_RETURN || key == VK_SPACE || key == VK_ESCAPE) {
            key = 0;
            Close();
        }
    };
    on_close = [](CloseAction& action) { action = caFree; };
    RefreshTeamTexts();
    ShowTeam(side_);
}

bool TForm88::HumanShown() const {
    const jogos* m = DayMatchAt(match_);
    return m && IsHumanTeam(m->team[side_ - 1]);
}

int TForm88::Strength() const {
    const jogos* m = DayMatchAt(match_);
    return m ? m->strength_slot[side_ - 1] : -1;
}

Picture TForm88::ShirtOf(int side) const {
    const jogos* m = DayMatchAt(match_);
    const std::string path = m ? BuildKitShirtPath(m->team[side - 1], ShownKit(side)) : "";
    Picture p;
    if (!path.empty() && p.LoadFromFile(path)) return p;
    return MatchPicture("camisa1");
}

int TForm88::ShownKit(int side) const {
    const jogos* m = DayMatchAt(match_);
    const t_team* team = m ? TeamAt(m->team[side - 1]) : nullptr;
    if (!team) return 1;
    if (IsHumanTeam(m->team[side - 1])) return team->kit;
    const t_team* home = TeamAt(m->team[0]);
    if (side != 2 || !home) return 1;
    const int away = m->team[1];
    return ComputerAwayKit(home->kit_colour, team->kit_colour, ShirtPictureExists(away, 2),
                           ShirtPictureExists(away, 3));
}

void TForm88::RefreshTeamTexts() {
    const GameData& gd = Game();
    const jogos* m = DayMatchAt(match_);
    if (!m) return;
    for (int s = 0; s < 2; ++s) {
        const t_team* t = TeamAt(m->team[s]);
        const std::string n = std::to_string(s + 1);
        ShowTeamName(*this, s + 1, m->team[s], static_cast<TColor>(0x204010));
        auto& crest = ControlNamed<Image>(*this, "esc" + n);
        crest.stretch = crest.proportional = true;
        const std::string path = MatchCrestPath(m->team[s]);
        if (!path.empty()) crest.LoadFromFile(path);
        const t_coach* coach = t && t->coach >= 0 && t->coach < static_cast<int>(gd.coaches.size())
                                   ? &gd.coaches[t->coach]
                                   : nullptr;
        SetMarkup(*this, s == 0 ? "lb_tec1" : "lb_tec2",
                  coach ? "<SHAD><FONT color=\"#C1C100\">Tec: " +
                              EscapeMarkupText(coach->name.str()) + "</font></shad>"
                        : std::string());
        SetMarkup(*this, s == 0 ? "p1" : "p2", "<shad>" + std::to_string(m->goals[s]) + "</shad>");
    }
    SetMarkup(*this, "lb_estadio", Gold(EscapeMarkupText(m->venue.str())));
    const int kind = gd.game_state.match_kind;
    if (kind < ckWorldCup && kind != ckClubWorldCup) {
        SetMarkup(*this, "lb_pub", Gold(FormatThousands(m->attendance) + " pagantes"));
        ControlNamed<Control>(*this, "lb_pub").hint = AttendanceHint(m->sector_attendance);
    }
    SetMarkup(*this, "lb_renda", Gold("$" + FormatThousands(m->gate_income)));
    const std::string first_leg = FirstLegMarkup(match_);
    SetMarkup(*this, "lb_primeiro", first_leg);
    ControlNamed<Control>(*this, "lb_primeiro").SetVisible(!first_leg.empty());
    const std::string time = gd.half_time        ? "I"
                             : gd.clock_tick > 0 ? std::to_string(TickToMinute(gd.clock_tick)) +
                                                       "' " + (gd.half == 1 ? "1º" : "2º")
                                                 : "0'";
    SetMarkup(*this, "lb_tempo", "<SHAD><P align=\"center\">" + time + "</p></SHAD>");
    const t_team* home = TeamAt(m->team[0]);
    const t_team* away = TeamAt(m->team[1]);
    SetMarkup(*this, "labstats",
              StatisticsMarkup(LiveMatchFigures(*m, home ? home->playing_style : 0,
                                                away ? away->playing_style : 0)));
    ShowEvents();
}

void TForm88::ShowEvents() {
    const GameData& gd = Game();
    const jogos* m = DayMatchAt(match_);
    if (!m) return;
    std::vector<t_match_event> events;
    for (const t_match_event& e : gd.match_events)
        if (e.match == match_ && (e.team == m->team[0] || e.team == m->team[1]))
            events.push_back(e);
    ControlNamed<TUiSmoothPanel>(*this, "teste")
        .Caption()
        .SetHTMLText(EventListMarkup(events, m->team[0], 15, 16));
    SetMarkup(*this, "p1", "<shad>" + std::to_string(m->goals[0]) + "</shad>");
    SetMarkup(*this, "p2", "<shad>" + std::to_string(m->goals[1]) + "</shad>");
}

void TForm88::ShowTeam(int side) {
    const jogos* m = DayMatchAt(match_);
    if (!m || (side != 1 && side != 2)) return;
    side_ = side;
    const t_match_strength* s = StrengthAt(Strength());
    const t_team* team = TeamAt(m->team[side - 1]);
    const Picture shirt = ShirtOf(side);
    for (int n = 1; n <= PitchLineup::kPlaces; ++n) pitch_.HidePlace(n);
    if (s) {
        for (int slot = 1; slot <= 11; ++slot) {
            const int p = s->players[slot - 1];
            if (p > 0 && !IsOnPitch(p)) continue;  // sent off or carried off
            pitch_.ShowPlace(slot, p, s->slot_positions[slot - 1],
                             slot == 11 ? MatchPicture("camisa2") : shirt, true);
        }
        for (int b = 1; b <= 7; ++b)
            if (s->bench[b - 1] > 0)
                pitch_.ShowPlace(11 + b, s->bench[b - 1], 0, MatchPicture("camisa3"), false);
        pitch_.PackBench();
    }
    const bool human = HumanShown();
    for (int n = 1; n <= PitchLineup::kPlaces; ++n) {
        const bool draggable = human && n != 11;
        pitch_.shirt(n).drag_mode = draggable ? dmAutomatic : dmManual;
        pitch_.shirt(n).cursor = draggable ? crHandPoint : crDefault;
        pitch_.shirt(n).drag_cursor = kMatchCursor;
    }
    const char* combos[] = {"comboej", "combomarc", "combo_cataq"};
    const int values[] = {team ? team->playing_style : 0, team ? team->marking : 0,
                          team ? team->attack_route : 0};
    const int names[] = {values[0], values[1] + 6, values[2] + 3};
    for (int i = 0; i < 3; ++i) {
        auto& box = ControlNamed<ComboBox>(*this, combos[i]);
        box.SetVisible(human);
        box.SetItemIndex(values[i]);
        auto& text = ControlNamed<TMarkupLabel>(*this, "lb_tat" + std::to_string(i + 1));
        text.SetVisible(!human);
        if (names[i] >= 0 && names[i] < static_cast<int>(tactic_names.size()))
            text.SetHTMLText("<shad>" + std::string(tactic_names[names[i]]) + "</shad>");
    }
    for (int s2 = 1; s2 <= 2; ++s2)
        for (const char* prefix : {"nometime", "esc"})
            ControlNamed<Control>(*this, prefix + std::to_string(s2)).cursor =
                s2 == side ? crDefault : crHandPoint;
    SetMarkup(*this, "info1",
              "<shad><P align=\"center\">" + EscapeMarkupText(team ? team->name.str() : "") + " " +
                  FormationText(Strength()) + "</p></shad>");
    Invalidate();
}

bool TForm88::Substitute(int slot, int bench_place) {
    const SubstitutionOutcome out =
        MakeSubstitution(match_, side_, slot, bench_place, CoachSubstitutionMinute());
    if (!out.made()) {
        if (out.refusal == SubstitutionRefusal::kNoSubstitutionLeft) {
            auto& dialog = *static_cast<TUiSmoothMessageDialog*>(FindComponent("dialog"));
            dialog.HTMLText().SetText(std::string(SubstitutionRefusalText(out.refusal)));
            dialog.ShowDialog();
        }
        return false;
    }
    ShowTeam(side_);
    ShowEvents();
    if (auto& shown = MatchLineupEventShown()) shown(out.event);
    return true;
}

void TForm88::SwapSlots(int a, int b) {
    t_match_strength* s = StrengthAt(Strength());
    if (!s || a < 1 || a > 11 || b < 1 || b > 11 || a == b) return;
    std::swap(s->players[a - 1], s->players[b - 1]);
    ComputeLineupStrength(Strength());
    ShowTeam(side_);
}

void TForm88::MoveSlot(int slot, int code) {
    t_match_strength* s = StrengthAt(Strength());
    if (!s || slot < 1 || slot > 10 || code < 1 || code > 25) return;
    s->slot_positions[slot - 1] = code;
    ComputeLineupStrength(Strength());
    ShowTeam(side_);
}

void TForm88::Dropped(Control& source, Control& target, int x, int y) {
    ControlNamed<Control>(*this, "Image1").cursor = crDefault;
    if (!HumanShown()) return;
    const int from = source.tag;
    if (&target == &ControlNamed<Control>(*this, "Image1")) {
        if (from >= 1 && from <= 10) MoveSlot(from, pitch_.CodeAt(x, y));
        return;
    }
    const int to = target.tag;
    if (from < 1 || to < 1 || from == to) return;
    if (from <= 11 && to <= 11) return SwapSlots(from, to);
    if (from > 11 && to > 11) return;
    const int slot = from <= 11 ? from : to;
    Substitute(slot, (from <= 11 ? to : from) - 11);
}

std::function<void(int)>& MatchLineupEventShown() {
    static std::function<void(int)> shown;
    return shown;
}

}  // namespace kv
