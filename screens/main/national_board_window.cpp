#include "screens/main/national_board_window.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "game/competition_screens.h"
#include "game/national_board.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/main/competition_window_parts.h"
#include "screens/start/game_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

constexpr TColor kBlue = static_cast<TColor>(0x00FF8000);  // red 0, green 128, blue 255
constexpr TColor kGreenRow = static_cast<TColor>(0x00C0DCC0);
constexpr int kTableTop = 102;
constexpr int kTableStep = 19;
constexpr int kMatchTop = 196;
constexpr int kMatchStep = 22;
constexpr int kSlotWidth = 180;
constexpr int kSlotHeight = 46;
constexpr int kFinalSlots = 16;

const std::initializer_list<LayoutProperty> kText = {{"AutoSize", "False"},
                                                     {"Transparent", "True"}};
constexpr LayoutFont kTitleFont = {"Arial", 10, fsBold, clYellow};

LayoutControl Selector(std::string_view name, int n) {
    static const char* const kLetters[] = {" A ", " B ", " C ", " D ", " E ", " F ", " G ", " H "};
    static const std::initializer_list<LayoutProperty> kTags[] = {
        {{"AutoSize", "False"}, {"Transparent", "True"}, {"Tag", "1"}},
        {{"AutoSize", "False"}, {"Transparent", "True"}, {"Tag", "2"}},
        {{"AutoSize", "False"}, {"Transparent", "True"}, {"Tag", "3"}},
        {{"AutoSize", "False"}, {"Transparent", "True"}, {"Tag", "4"}},
        {{"AutoSize", "False"}, {"Transparent", "True"}, {"Tag", "5"}},
        {{"AutoSize", "False"}, {"Transparent", "True"}, {"Tag", "6"}},
        {{"AutoSize", "False"}, {"Transparent", "True"}, {"Tag", "7"}},
        {{"AutoSize", "False"}, {"Transparent", "True"}, {"Tag", "8"}}};
    return {.name = name,
            .class_name = "TLabel",
            .bounds = {150 + 28 * n, 48, 26, 18},
            .caption = kLetters[n],
            .font = {"Arial", 10, fsUnderline, clWhite},
            .properties = kTags[n]};
}

const LayoutControl kControls[] = {
    {.name = "Image1",
     .class_name = "TImage",
     .bounds = {380, 8, 40, 40},
     .properties = {{"Visible", "False"}, {"Stretch", "True"}}},
    {.name = "Label6",
     .class_name = "TLabel",
     .bounds = {12, 10, 200, 24},
     .caption = "1ª Fase",
     .font = {"Arial", 14, fsBold, clYellow},
     .properties = kText},
    {.name = "Label7",
     .class_name = "TLabel",
     .bounds = {90, 49, 56, 18},
     .caption = "Grupo:",
     .font = {"Arial", 10, fsBold, clWhite},
     .properties = kText},
    Selector("gr1", 0),
    Selector("gr2", 1),
    Selector("gr3", 2),
    Selector("gr4", 3),
    Selector("gr5", 4),
    Selector("gr6", 5),
    Selector("gr7", 6),
    Selector("gr8", 7),
    {.name = "labdivisaoe4",
     .class_name = "TLabel",
     .bounds = {15, kTableTop - 18, 160, 16},
     .caption = "Grupo A",
     .font = {"Arial", 9, fsBold, clWhite},
     .properties = kText},
    {.name = "lbo1",
     .class_name = "TLabel",
     .bounds = {430, 8, 180, 18},
     .caption = "Oitavas de Final",
     .font = kTitleFont,
     .properties = kText},
    {.name = "lbo2",
     .class_name = "TLabel",
     .bounds = {614, 8, 180, 18},
     .caption = "Quartas de Final",
     .font = kTitleFont,
     .properties = kText},
    {.name = "lbo3",
     .class_name = "TLabel",
     .bounds = {12, 342, 180, 18},
     .caption = "Semi Final",
     .font = kTitleFont,
     .properties = kText},
    {.name = "lbo4",
     .class_name = "TLabel",
     .bounds = {214, 342, 180, 18},
     .caption = "Final",
     .font = kTitleFont,
     .properties = kText},
    {.name = "lbo5",
     .class_name = "TLabel",
     .bounds = {214, 430, 180, 18},
     .caption = "Decisão 3º lugar",
     .font = kTitleFont,
     .properties = kText},
    {.name = "bt3",
     .class_name = "TUiGlowButton",
     .bounds = {680, 560, 110, 28},
     .caption = "Fechar",
     .properties = {{"TabOrder", "0"}}},
};

// Where knock-out slot s (1-based) is drawn: the round of 16 down the middle column, the
// quarter-finals in the right one, the semi-finals, the final and the third place below the
// group.
Point SlotPlace(int s) {
    if (s <= 8) return {430, 28 + (s - 1) * 50};
    if (s <= 12) return {614, 53 + (s - 9) * 100};
    if (s <= 14) return {12, 362 + (s - 13) * 50};
    return {214, s == 15 ? 362 : 450};
}

// What the slots say before their teams are known.
struct SlotTexts {
    const char* first;
    const char* second;
};
constexpr SlotTexts kWorldCupSlots[kFinalSlots] = {
    {"1º grupo A ", " 2º grupo B"},
    {"1º grupo C ", " 2º grupo D"},
    {"1º grupo B ", " 2º grupo A"},
    {"1º grupo D ", " 2º grupo C"},
    {"1º grupo E ", " 2º grupo F"},
    {"1º grupo G ", " 2º grupo H"},
    {"1º grupo F ", " 2º grupo E"},
    {"1º grupo H ", " 2º grupo G"},
    {"vencedor jogo 1 ", " vencedor jogo 2"},
    {"vencedor jogo 5 ", " vencedor jogo 6  "},
    {"vencedor jogo 3 ", " vencedor jogo 4 "},
    {"vencedor jogo 7 ", " vencedor jogo 8 "},
    {"vencedor jogo 9 ", " vencedor jogo 10 "},
    {"vencedor jogo 11 ", " vencedor jogo 12 "},
    {"vencedor jogo 13 ", " vencedor jogo 14 "},
    {"perdedor jogo 13 ", " perdedor jogo 14 "},
};

struct Box {
    int x, y, width, height;
};

std::string Slot(const char* prefix, int s, int side = 0) {
    return prefix + std::to_string(s) + (side > 0 ? std::to_string(side) : "");
}

void ShowFlag(Image& flag, int team) {
    const GameData& data = Game();
    const int country = InTable(data.teams, team) ? data.teams[team].country : -1;
    if (country >= 0 && country < static_cast<int>(flag_pictures().size()))
        flag.SetPicture(flag_pictures()[country]);
    else
        flag.SetPicture(Picture());
}

std::string TeamName(int team) {
    const GameData& data = Game();
    return InTable(data.teams, team) ? data.teams[team].name.str() : std::string();
}

}  // namespace

const WindowLayout kForm78Layout = {
    .name = "Form78",
    .class_name = "TForm78",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x00203A0E),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterCompetitionScreenClasses,
};

TForm78::TForm78() : Form("Form78") {
    BuildWindowLayout(*this, kForm78Layout);
    TileGameBackground(*this);
    CloseOnEscape(*this, true);
    ControlNamed<Control>(*this, "bt3").on_click = [this] { Close(); };
    const GameData& data = Game();
    const int kind = data.game_state.match_kind;
    const bool world_cup = kind == ckWorldCup;
    if (!world_cup) ControlNamed<Control>(*this, "Image1").Show();
    for (int g = std::max(TournamentGroupCount(kind), 1) + 1; g <= 8; ++g)
        ControlNamed<Control>(*this, Slot("gr", g)).Hide();
    for (int g = 1; g <= 8; ++g) {
        Control& selector = ControlNamed<Control>(*this, Slot("gr", g));
        selector.on_click = [this, g] { ShowGroup(g); };
    }

    auto label = [this](const std::string& name, Box r, Font font, Alignment align) -> Label& {
        auto& l = Add<Label>(name);
        l.SetAutoSize(false);
        l.transparent = true;
        l.SetFont(font);
        l.SetAlignment(align);
        l.SetBounds(r.x, r.y, r.width, r.height);
        return l;
    };
    auto flag = [this](const std::string& name, Box r) -> Image& {
        auto& image = Add<Image>(name);
        image.stretch = true;
        image.center = true;
        image.SetBounds(r.x, r.y, r.width, r.height);
        return image;
    };
    const Font plain{"Arial", 8, fsBold, clWhite};
    const Font small{"Arial", 7, 0, static_cast<TColor>(0x00C0FFC0)};
    auto score_label = [this](Label& score) -> Label& {
        score.on_click = [this, &score] { ScoreClick(score); };
        return score;
    };

    // The slots, match lines and group table are made in design pixels below and scaled with the
    // window's titles once placed.
    const std::size_t made_by_table = Children().size();
    BuildGroupTable();
    // The group's six matches.
    for (int k = 1; k <= 6; ++k) {
        const int y = kMatchTop + (k - 1) * kMatchStep;
        label(Slot("j", k) + "t1", {12, y, 116, 16}, plain, taRightJustify);
        flag(Slot("e", 2 * k - 1), {130, y, 18, 14});
        score_label(label(Slot("p", k), {150, y, 36, 16}, plain, taCenter));
        flag(Slot("e", 2 * k), {188, y, 18, 14});
        label(Slot("j", k) + "t2", {208, y, 116, 16}, plain, taLeftJustify);
        label(Slot("est", k), {326, y + 1, 96, 14}, small, taLeftJustify);
    }
    // The knock-out slots.
    for (int s = 1; s <= kFinalSlots; ++s) {
        const Point at = SlotPlace(s);
        label(Slot("num", s), {at.x, at.y, 18, 14}, {"Arial", 8, fsBold, clYellow}, taLeftJustify)
            .SetCaption(std::to_string(s));
        flag(Slot("eo", s, 1), {at.x + 20, at.y + 1, 16, 12});
        label(Slot("lo", s, 1), {at.x + 38, at.y, 108, 14}, plain, taLeftJustify)
            .SetCaption(kWorldCupSlots[s - 1].first);
        flag(Slot("eo", s, 2), {at.x + 20, at.y + 16, 16, 12});
        label(Slot("lo", s, 2), {at.x + 38, at.y + 15, 108, 14}, plain, taLeftJustify)
            .SetCaption(kWorldCupSlots[s - 1].second);
        score_label(label(Slot("po", s), {at.x + 146, at.y + 7, 34, 16}, plain, taCenter))
            .SetCaption("x");
        label(Slot("esto", s), {at.x + 20, at.y + 30, kSlotWidth - 20, 13}, small, taLeftJustify);
    }
    if (!world_cup) {
        // The nations cups start at the quarter-finals: the round of 16 is hidden and the
        // quarter-finals take its column, numbered from 1.
        static const char* const kFirst[] = {
            "1º Grupo A ", "1º Grupo C ", "1º Grupo B ",
            kind == ckAmericasNationsCup ? "1º melhor 3º col. " : "1º Grupo D "};
        const char* const second[] = {
            "2º Grupo B ", kind == ckAmericasNationsCup ? "2º melhor 3º col. " : "2º Grupo D ",
            "2º Grupo A ", "2º Grupo C "};
        for (int s = 1; s <= 8; ++s)
            for (Control* c : SlotControls(s)) c->Hide();
        ControlNamed<Control>(*this, "lbo1").Hide();
        ControlNamed<Control>(*this, "lbo2").SetLeft(ScaledToScreen(430));
        for (int s = 9; s <= 12; ++s) {
            ControlNamed<Label>(*this, Slot("lo", s, 1)).SetCaption(kFirst[s - 9]);
            ControlNamed<Label>(*this, Slot("lo", s, 2)).SetCaption(second[s - 9]);
            for (Control* c : SlotControls(s)) c->SetLeft(c->Left() - 184);
        }
        constexpr const char* kLater[] = {
            "Vencedor jogo 1 ", "Vencedor jogo 2 ", "Vencedor jogo 3 ", "Vencedor jogo 4 ",
            "Vencedor jogo 5 ", "Vencedor jogo 6 ", "Perdedor jogo 5 ", "Perdedor jogo 6 "};
        for (int s = 13; s <= 16; ++s) {
            ControlNamed<Label>(*this, Slot("lo", s, 1)).SetCaption(kLater[2 * (s - 13)]);
            ControlNamed<Label>(*this, Slot("lo", s, 2)).SetCaption(kLater[2 * (s - 13) + 1]);
        }
        for (int s = 9; s <= 16; ++s)
            ControlNamed<Label>(*this, Slot("num", s)).SetCaption(std::to_string(s - 8));
    }
    for (std::size_t c = made_by_table; c < Children().size(); ++c) ScaleToScreen(*Children()[c]);
    FillKnockout();
    ShowGroup(NationalBoardFirstGroup(data));
    DoCreate();
}

std::vector<Control*> TForm78::SlotControls(int s) {
    return {&ControlNamed<Control>(*this, Slot("num", s)),
            &ControlNamed<Control>(*this, Slot("eo", s, 1)),
            &ControlNamed<Control>(*this, Slot("eo", s, 2)),
            &ControlNamed<Control>(*this, Slot("lo", s, 1)),
            &ControlNamed<Control>(*this, Slot("lo", s, 2)),
            &ControlNamed<Control>(*this, Slot("po", s)),
            &ControlNamed<Control>(*this, Slot("esto", s))};
}

void TForm78::BuildGroupTable() {
    static const char* const kHeaders[] = {"PG", "J", "V", "E", "D", "GP", "GC", "SG"};
    static const char* const kHints[] = {"Pontos ganhos", "Jogos",    "Vitórias",    "Empates",
                                         "Derrotas",      "Gols pró", "Gols contra", "Saldo gols"};
    const Font white{"Arial", 8, 0, clWhite};
    const Font dark{"Arial", 8, 0, clBlack};
    auto column_left = [](int c) { return 190 + 21 * std::min(c, 5) + 26 * std::max(0, c - 5); };
    auto column_width = [](int c) { return c < 5 ? 20 : 25; };
    for (int c = 0; c < 8; ++c) {
        auto& header = Add<Label>("lablib4" + std::to_string(c + 1));
        header.SetAutoSize(false);
        header.SetFont(white);
        header.SetColor(kBlue);
        header.SetAlignment(taCenter);
        header.hint = kHints[c];
        header.show_hint = true;
        header.SetCaption(kHeaders[c]);
        header.SetBounds(column_left(c), kTableTop - 19, column_width(c), 18);
    }
    for (int r = 1; r <= 4; ++r) {
        const int top = kTableTop + (r - 1) * kTableStep;
        const TColor band = r <= 2 ? kGreenRow : clWhite;
        auto& position = Add<Label>("cla4" + std::to_string(r));
        position.SetAutoSize(false);
        position.SetFont(white);
        position.SetColor(kBlue);
        position.SetAlignment(taCenter);
        position.SetCaption("--");
        position.SetBounds(15, top, 20, 18);
        auto& flag = Add<Image>("esc4" + std::to_string(r));
        flag.stretch = true;
        flag.center = true;
        flag.SetBounds(36, top, 16, 18);
        auto& name = Add<Label>("labnomee4" + std::to_string(r));
        name.SetAutoSize(false);
        name.SetFont({"Arial", 8, fsBold, clBlack});
        name.SetColor(band);
        name.show_hint = true;
        name.SetBounds(53, top, 136, 18);
        for (int c = 0; c < 8; ++c) {
            auto& number = Add<Label>("labresult4" + std::to_string(c + 1) + std::to_string(r));
            number.SetAutoSize(false);
            number.SetFont(dark);
            number.SetColor(band);
            number.SetAlignment(taCenter);
            number.SetCaption("0");
            number.SetBounds(column_left(c), top, column_width(c), 18);
        }
    }
}

void TForm78::ShowGroup(int group) {
    const GameData& data = Game();
    const int kind = data.game_state.match_kind;
    group_ = group < 1 || group > std::max(1, TournamentGroupCount(kind)) ? 1 : group;
    for (int g = 1; g <= 8; ++g) {
        auto& selector = ControlNamed<Label>(*this, Slot("gr", g));
        Font font = selector.font();
        font.style = g == group_ ? fsBold : fsUnderline;
        selector.SetFont(font);
        selector.cursor = g == group_ ? crDefault : crHandPoint;
    }
    const std::string letter = ControlNamed<Label>(*this, Slot("gr", group_)).Caption();
    ControlNamed<Label>(*this, "labdivisaoe4").SetCaption("Grupo " + letter);

    const std::vector<TableRow> rows = NationalGroupRows(data, group_);
    const std::vector<std::string> positions = ShownPositions(rows);
    for (int r = 1; r <= 4; ++r) {
        const bool shown = r <= static_cast<int>(rows.size());
        const TableRow row = shown ? rows[r - 1] : TableRow{-1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        ControlNamed<Label>(*this, "cla4" + std::to_string(r))
            .SetCaption(shown ? positions[r - 1] : "--");
        ShowFlag(ControlNamed<Image>(*this, "esc4" + std::to_string(r)), row.team);
        ControlNamed<Label>(*this, "labnomee4" + std::to_string(r))
            .SetCaption(shown ? " " + TeamName(row.team) : "");
        const int numbers[] = {row.points, row.played,    row.wins,          row.draws,
                               row.losses, row.goals_for, row.goals_against, row.goal_difference};
        for (int c = 0; c < 8; ++c)
            ControlNamed<Label>(*this, "labresult4" + std::to_string(c + 1) + std::to_string(r))
                .SetCaption(std::to_string(numbers[c]));
    }
    const auto matches = NationalGroupMatches(data, group_);
    for (int k = 1; k <= 6; ++k) {
        const BoardMatch& m = matches[k - 1];
        ControlNamed<Label>(*this, Slot("j", k) + "t1").SetCaption(TeamName(m.home) + " ");
        ControlNamed<Label>(*this, Slot("j", k) + "t2").SetCaption(" " + TeamName(m.away));
        ShowFlag(ControlNamed<Image>(*this, Slot("e", 2 * k - 1)), m.home);
        ShowFlag(ControlNamed<Image>(*this, Slot("e", 2 * k)), m.away);
        ControlNamed<Label>(*this, Slot("est", k)).SetCaption(m.venue);
        auto& score = ControlNamed<Label>(*this, Slot("p", k));
        score.SetCaption(m.score);
        score.tag = m.archived;
        Font font = score.font();
        font.style = m.archived >= 0 ? fsBold | fsUnderline : fsBold;
        score.SetFont(font);
        score.cursor = m.archived >= 0 ? crHandPoint : crDefault;
    }
}

void TForm78::FillKnockout() {
    const auto slots = NationalKnockoutSlots(Game());
    const int round = Game().game_state.tournament_round;
    const bool world_cup = Game().game_state.match_kind == ckWorldCup;
    for (int s = 1; s <= kFinalSlots; ++s) {
        const BoardMatch& m = slots[s - 1];
        ControlNamed<Label>(*this, Slot("esto", s)).SetCaption(m.venue);
        // The phase of the slot, as the tournament counts its rounds.
        const int phase = s <= 8 ? 4 : s <= 12 ? 5 : s <= 14 ? 6 : 7;
        if (round < (world_cup ? phase : phase - 1)) continue;
        // A team not known yet shows an empty place, whatever the phase.
        ControlNamed<Label>(*this, Slot("lo", s, 1))
            .SetCaption(m.home >= 0 ? TeamName(m.home) + " " : "");
        ControlNamed<Label>(*this, Slot("lo", s, 2))
            .SetCaption(m.away >= 0 ? " " + TeamName(m.away) : "");
        ShowFlag(ControlNamed<Image>(*this, Slot("eo", s, 1)), m.home);
        ShowFlag(ControlNamed<Image>(*this, Slot("eo", s, 2)), m.away);
        auto& score = ControlNamed<Label>(*this, Slot("po", s));
        score.SetCaption(m.score);
        score.tag = m.archived;
        if (m.archived >= 0) {
            Font font = score.font();
            font.style = fsBold | fsUnderline;
            score.SetFont(font);
            score.cursor = crHandPoint;
        }
    }
}

void TForm78::ScoreClick(Control& score) {
    if (score.Caption() == "x" || score.tag < 0) return;
    if (auto& open = MatchViewOpener()) open(score.tag, 1);
}

void ShowNationalBoard() {
    TForm78& form = Screen::Get().Create<TForm78>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
