#include "screens/career/best_ratings_window.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/lookups.h"
#include "match/match_day_helpers.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/combo_box.h"
#include "platform/window/screen.h"
#include "screens/career/career_lists.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/best_ratings_text.h"
#include "season/scorer_rankings.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr int kBrazil = 29;

struct RolePanel {
    const char* panel;
    const char* title;
    int group;  // -1: everyone
};
constexpr RolePanel kPanels[] = {{"infojt", "GOLEIRO", 0},   {"infojt2", "LATERAL-DIREITO", 1},
                                 {"infojt3", "ZAGUEIRO", 2}, {"infojt4", "LATERAL-ESQUERDO", 5},
                                 {"infojt5", "VOLANTE", 7},  {"infojt6", "MEIA OFENSIVO", 3},
                                 {"infojt7", "ATACANTE", 4}, {"infojt8", "BOLA DE OURO", -1}};

constexpr int kPanelWidth = 382;
constexpr int kPanelHeight = 142;

#define KV_RATING_PANEL(n, x, y)                                                     \
    {.name = "Panel" #n,                                                             \
     .class_name = "TUiSmoothPanel",                                                 \
     .bounds = {x, y, kPanelWidth, kPanelHeight}},                                   \
        {.name = "lbt" #n,                                                           \
         .class_name = "TLabel",                                                     \
         .parent = "Panel" #n,                                                       \
         .bounds = {6, 1, 200, 14},                                                  \
         .font = {"Tahoma", 8, fsBold, clNavy},                                      \
         .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},            \
    {                                                                                \
        .name = n == 1 ? "infojt" : "infojt" #n, .class_name = "TMarkupLabel",       \
        .parent = "Panel" #n, .bounds = {2, 14, kPanelWidth - 4, kPanelHeight - 15}, \
        .font = {"Tahoma", 7, 0, clBlack}, .properties = {                           \
            {"Transparent", "True"}                                                  \
        }                                                                            \
    }

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 5, 200, 18},
     .caption = "Bola de Ouro",
     .font = kCareerTitleFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "combopais",
     .class_name = "TUiComboBox",
     .bounds = {220, 3, 180, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "combo1",
     .class_name = "TUiComboBox",
     .bounds = {408, 3, 140, 21},
     .properties = {{"TabOrder", "1"}}},
    KV_RATING_PANEL(1, 10, 28),
    KV_RATING_PANEL(2, 400, 28),
    KV_RATING_PANEL(3, 10, 170),
    KV_RATING_PANEL(4, 400, 170),
    KV_RATING_PANEL(5, 10, 312),
    KV_RATING_PANEL(6, 400, 312),
    KV_RATING_PANEL(7, 10, 454),
    KV_RATING_PANEL(8, 400, 454),
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {758, 3, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "2"}}},
};
#undef KV_RATING_PANEL

}  // namespace

const WindowLayout kForm83Layout = {
    .name = "Form83",
    .class_name = "TForm83",
    .client_width = 792,
    .client_height = 598,
    .caption = "Bola de Ouro",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterCareerWindowClasses,
};

TForm83::TForm83() : Form("Form83") {
    BuildWindowLayout(*this, kForm83Layout);
    TileGameBackground(*this);
    CloseOnEscape(*this);
    ControlNamed<Control>(*this, "bt3").on_click = [this] { Close(); };
    for (int n = 0; n < 8; ++n) {
        ControlNamed<Control>(*this, "lbt" + std::to_string(n + 1)).SetCaption(kPanels[n].title);
        // Eleven lines to a panel: no extra space between them.
        ControlNamed<TMarkupLabel>(*this, kPanels[n].panel).SetLineSpacing(0);
    }
    Countries().on_change = [this] { combopaisChange(); };
    Divisions().on_change = [this] { combo1Change(); };
    league_ = std::max(0, FillLeagueCombo(Countries(), kBrazil));
    FillDivisions();
    ShowDivision(1);
}

ComboBox& TForm83::Countries() {
    return ControlNamed<ComboBox>(*this, "combopais");
}
ComboBox& TForm83::Divisions() {
    return ControlNamed<ComboBox>(*this, "combo1");
}

std::string TForm83::PanelText(const std::string& panel) {
    const auto lines = ControlNamed<TMarkupLabel>(*this, panel).HTMLLines();
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

// Only the divisions the league has: a division it lacks has no competition to rank.
void TForm83::FillDivisions() {
    Divisions().Clear();
    for (int d = 1; d <= OfferedDivisions(Game(), league_); ++d)
        Divisions().AddItem(std::to_string(d) + "ª divisão");
    Divisions().SetItemIndex(0);
}

void TForm83::combopaisChange() {
    league_ = std::max(0, Countries().ItemIndex());
    FillDivisions();
    ShowDivision(1);
}

void TForm83::combo1Change() {
    ShowDivision(Divisions().ItemIndex() + 1);
}

void TForm83::ShowDivision(int division) {
    const GameData& data = Game();
    const int country = league_ < static_cast<int>(data.league_configs.size())
                            ? data.league_configs[league_].country
                            : -1;
    competition_ =
        country >= 0 ? FindCompetitionId(data, ckNationalLeague, country, division, -1, -1) : 0;
    ShowBestRatings();
}

void TForm83::ShowBestRatings() {
    BusyCursor busy;
    GameData& data = Game();
    // An unknown division ranks nobody rather than the friendlies.
    if (competition_ > 0)
        RankPlayerRatings(competition_, data.game_state.league_round);
    else
        data.ranked_ratings.clear();
    for (const RolePanel& p : kPanels)
        ControlNamed<TMarkupLabel>(*this, p.panel).SetHTMLText(BestRatingsText(data, p.group));
}

void ShowBestRatingsWindow() {
    auto& form = Screen::Get().Create<TForm83>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
