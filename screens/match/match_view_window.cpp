#include "screens/match/match_view_window.h"

#include <vector>

#include "core/markup_escape.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "core/screen_size.h"
#include "core/text_tables.h"
#include "core/types.h"
#include "match/match_tables.h"
#include "match/match_view_texts.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/screen.h"
#include "platform/window/shape.h"
#include "screens/match/match_pictures.h"
#include "screens/start/window_layout.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_panel.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "Panel1",
     .class_name = "TPanel",
     .bounds = {0, 0, 380, 600},
     .properties = {{"BevelOuter", "bvNone"}}},
    {.name = "Image1", .class_name = "TImage", .parent = "Panel1", .bounds = {0, 0, 380, 600}},
    {.name = "sh1",
     .class_name = "TShape",
     .bounds = {388, 4, 200, 60},
     .properties = {{"Visible", "False"}}},
    {.name = "sh2",
     .class_name = "TShape",
     .bounds = {596, 4, 200, 60},
     .properties = {{"Visible", "False"}}},
    {.name = "esc1",
     .class_name = "TImage",
     .bounds = {392, 8, 40, 40},
     .properties = {{"Cursor", "crHandPoint"}}},
    {.name = "esc2",
     .class_name = "TImage",
     .bounds = {752, 8, 40, 40},
     .properties = {{"Cursor", "crHandPoint"}}},
    {.name = "nometime_s1",
     .class_name = "TUiSmoothLabel",
     .bounds = {437, 9, 140, 22},
     .font = {"Tahoma", 12, fsBold, clBlack},
     .properties = {{"Caption.Location", "plCenterLeft"}}},
    {.name = "nometime1",
     .class_name = "TUiSmoothLabel",
     .bounds = {436, 8, 140, 22},
     .font = {"Tahoma", 12, fsBold, clWhite},
     .properties = {{"Caption.Location", "plCenterLeft"}, {"Cursor", "crHandPoint"}}},
    {.name = "nometime_s2",
     .class_name = "TUiSmoothLabel",
     .bounds = {609, 9, 140, 22},
     .font = {"Tahoma", 12, fsBold, clBlack},
     .properties = {{"Caption.Location", "plCenterRight"}}},
    {.name = "nometime2",
     .class_name = "TUiSmoothLabel",
     .bounds = {608, 8, 140, 22},
     .font = {"Tahoma", 12, fsBold, clWhite},
     .properties = {{"Caption.Location", "plCenterRight"}, {"Cursor", "crHandPoint"}}},
    {.name = "p1",
     .class_name = "TMarkupLabel",
     .bounds = {562, 34, 30, 26},
     .font = {"Arial", 16, fsBold, clWhite},
     .properties = kMarkup},
    {.name = "p2",
     .class_name = "TMarkupLabel",
     .bounds = {600, 34, 30, 26},
     .font = {"Arial", 16, fsBold, clWhite},
     .properties = kMarkup},
    {.name = "lb_estadio",
     .class_name = "TMarkupLabel",
     .bounds = {388, 70, 408, 16},
     .properties = kMarkup},
    {.name = "lb_pub",
     .class_name = "TMarkupLabel",
     .bounds = {388, 86, 200, 16},
     .properties = {{"Transparent", "True"}, {"ShowHint", "True"}}},
    {.name = "lb_renda",
     .class_name = "TMarkupLabel",
     .bounds = {596, 86, 200, 16},
     .properties = kMarkup},
    {.name = "teste",
     .class_name = "TUiSmoothPanel",
     .bounds = {388, 108, 408, 232},
     .font = {"Arial", 8, 0, clWhite}},
    {.name = "MarkupLabel1",
     .class_name = "TMarkupLabel",
     .bounds = {388, 346, 100, 16},
     .caption = "<shad><u>Estatísticas</u></shad>",
     .properties = {{"Transparent", "True"}, {"Cursor", "crHandPoint"}}},
    {.name = "labstats",
     .class_name = "TMarkupLabel",
     .bounds = {388, 366, 300, 84},
     .font = {"Arial", 8, 0, clWhite},
     .color = 0x183010,
     .properties = {{"Visible", "False"}}},
    {.name = "info1",
     .class_name = "TMarkupLabel",
     .bounds = {388, 460, 408, 16},
     .font = {"Arial", 9, fsBold, clWhite},
     .properties = kMarkup},
    {.name = "lb_tat1",
     .class_name = "TMarkupLabel",
     .bounds = {388, 482, 140, 16},
     .properties = kMarkup},
    {.name = "lb_tat2",
     .class_name = "TMarkupLabel",
     .bounds = {532, 482, 110, 16},
     .properties = kMarkup},
    {.name = "lb_tat3",
     .class_name = "TMarkupLabel",
     .bounds = {646, 482, 150, 16},
     .properties = kMarkup},
    {.name = "bt_irprojogo",
     .class_name = "TUiGlowButton",
     .bounds = {670, 562, 120, 28},
     .caption = "Fechar >>",
     .font = {"Arial", 8, fsBold, clWindowText},
     .properties = {{"TabOrder", "0"}}},
};

std::string Gold(const std::string& text) {
    return "<SHAD><FONT color=\"#C1C100\">" + text + "</font></shad>";
}

}  // namespace

const WindowLayout kForm52Layout = {
    .name = "Form52",
    .class_name = "TForm52",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, 0, clWhite},
    .color = clBlack,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterMatchWindowClasses,
};

TForm52::TForm52(int archived_match, int side) : Form("Form52"), match_(archived_match) {
    BuildWindowLayout(*this, kForm52Layout);
    key_preview = true;
    form_style = fsStayOnTop;
    on_key_down = [](int& key, ShiftState shift) {
        if (key == VK_F4 && shift == ssAlt) key = 0;
    };
    on_close = [](CloseAction& action) { action = caFree; };
    const GameData& gd = Game();
    const t_archived_match& m = gd.match_archive.at(static_cast<std::size_t>(archived_match));
    auto& pitch = ControlNamed<Image>(*this, "Image1");
    pitch.SetPicture(MatchPicture("campogrande"));
    pitch.stretch = true;
    Control& panel = ControlNamed<Control>(*this, "Panel1");
    const WindowScale scale = WindowScaleForScreen();
    pitch_.Create(panel, panel, scale.numerator, scale.denominator);
    AddEventIcons(icons_);
    auto& events = ControlNamed<TUiSmoothPanel>(*this, "teste");
    ShowAsEventsPanel(events);
    events.SetPictureContainer(&icons_);
    for (int s = 0; s < 2; ++s) {
        const t_team* t = TeamAt(m.team[s]);
        const std::string n = std::to_string(s + 1);
        ShowTeamName(*this, s + 1, m.team[s], clBlack);
        auto& crest = ControlNamed<Image>(*this, "esc" + n);
        crest.stretch = crest.proportional = true;
        const std::string path = t ? BuildCrestPath(m.team[s]) : std::string();
        if (!path.empty()) crest.LoadFromFile(path);
        ControlNamed<TMarkupLabel>(*this, "p" + n)
            .SetHTMLText("<shad>" + std::to_string(m.goals[s]) + "</shad>");
        const int to = s + 1;
        for (const char* prefix : {"nometime", "esc"})
            ControlNamed<Control>(*this, prefix + n).on_click = [this, to] { ShowSide(to); };
        auto& shape = ControlNamed<Shape>(*this, "sh" + n);
        shape.brush.color = 0x204010;
        shape.pen.color = 0x40A040;
    }
    std::vector<t_match_event> listed;
    for (const t_match_event& e : gd.match_event_archive)
        if (e.match == archived_match) listed.push_back(e);
    events.Caption().SetHTMLText(EventListMarkup(listed, m.team[0], 12, 16));
    const t_team* home = TeamAt(m.team[0]);
    ControlNamed<TMarkupLabel>(*this, "lb_estadio")
        .SetHTMLText(Gold(EscapeMarkupText(home ? home->stadium.str() : std::string())));
    // The attendance shows while the day being played is a club competition's other than the
    // club world cup, whatever the match viewed.
    const int kind = gd.game_state.match_kind;
    if (kind < ckWorldCup && kind != ckClubWorldCup) {
        auto& pub = ControlNamed<TMarkupLabel>(*this, "lb_pub");
        pub.SetHTMLText(Gold(FormatThousands(m.attendance) + " pagantes"));
        pub.hint = AttendanceHint(m.sector_attendance);
        ControlNamed<TMarkupLabel>(*this, "lb_renda")
            .SetHTMLText(Gold("$" + FormatThousands(m.gate_income)));
    }
    ControlNamed<TMarkupLabel>(*this, "labstats")
        .SetHTMLText(StatisticsMarkup(ArchivedMatchFigures(m)));
    ControlNamed<Control>(*this, "MarkupLabel1").on_click = [this] {
        ControlNamed<Control>(*this, "labstats").SetVisible(true);
    };
    ControlNamed<Control>(*this, "bt_irprojogo").on_click = [this] { Close(); };
    ShowSide(side == 2 ? 2 : 1);
    DoCreate();
}

void TForm52::ShowSide(int side) {
    if (side == side_ || (side != 1 && side != 2)) return;
    side_ = side;
    for (int s = 1; s <= 2; ++s) {
        const std::string n = std::to_string(s);
        ControlNamed<Control>(*this, "sh" + n).SetVisible(s == side);
        for (const char* prefix : {"nometime", "esc"})
            ControlNamed<Control>(*this, prefix + n).cursor = s == side ? crDefault : crHandPoint;
    }
    ShowEleven(side);
}

void TForm52::ShowEleven(int side) {
    const t_archived_match& m = Game().match_archive.at(static_cast<std::size_t>(match_));
    const int s = side - 1;
    Picture shirt;
    const std::string path = BuildShirtPath(m.team[s]);
    if (path.empty() || !shirt.LoadFromFile(path)) shirt = MatchPicture("camisa1");
    for (int n = 1; n <= PitchLineup::kPlaces; ++n) pitch_.HidePlace(n);
    for (int slot = 1; slot <= 11; ++slot) {
        const int code = m.positions[s][slot - 1];
        if (code < 1) continue;
        pitch_.ShowPlace(slot, m.lineup[s][slot - 1], code,
                         slot == 11 ? MatchPicture("camisa2") : shirt, false);
    }
    const t_team* t = TeamAt(m.team[s]);
    ControlNamed<TMarkupLabel>(*this, "info1")
        .SetHTMLText("<shad><P align=\"center\">Formação inicial:" +
                     EscapeMarkupText(t ? t->name.str() : std::string()) + " " +
                     FormationOfCodes(m.positions[s]) + "</p></shad>");
    const int names[3] = {m.style[s], m.marking[s] + 6, m.route[s] + 3};
    for (int i = 0; i < 3; ++i)
        ControlNamed<TMarkupLabel>(*this, "lb_tat" + std::to_string(i + 1))
            .SetHTMLText(names[i] >= 0 && names[i] < static_cast<int>(tactic_names.size())
                             ? "<shad>" + std::string(tactic_names[names[i]]) + "</shad>"
                             : std::string());
    Invalidate();
}

void ShowMatchView(int archived_match, int side) {
    if (archived_match < 0 || archived_match >= static_cast<int>(Game().match_archive.size()))
        return;
    TForm52& form = Screen::Get().Create<TForm52>(archived_match, side);
    form.ShowModal();
}

}  // namespace kv
