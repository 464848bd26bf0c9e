#include "screens/career/club_ranking_window.h"

#include <string>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/screen_size.h"
#include "core/text_tables.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/combo_box.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/career/career_lists.h"
#include "screens/start/country_columns.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/club_rankings.h"
#include "ui/controls/scheme_button.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

constexpr int kBrazil = 29;

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 18},
     .caption = "Ranking de clubes",
     .font = kCareerTitleFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "bt1",
     .class_name = "TSchemeButton",
     .bounds = {12, 34, 170, 24},
     .caption = "Ranking por Colocação",
     .properties = {{"TabOrder", "0"}}},
    {.name = "bt2",
     .class_name = "TSchemeButton",
     .bounds = {188, 34, 190, 24},
     .caption = "Ranking por pontos corridos",
     .properties = {{"TabOrder", "1"}}},
    {.name = "bt4",
     .class_name = "TSchemeButton",
     .bounds = {384, 34, 170, 24},
     .caption = "Ranking por reputação",
     .properties = {{"TabOrder", "2"}}},
    {.name = "combopais",
     .class_name = "TUiComboBox",
     .bounds = {566, 36, 190, 21},
     .properties = {{"TabOrder", "3"}}},
    {.name = "listr1",
     .class_name = "TReportGrid",
     .bounds = {12, 66, 744, 390},
     .properties = {{"TabOrder", "4"}}},
    {.name = "listr2",
     .class_name = "TReportGrid",
     .bounds = {12, 66, 744, 390},
     .properties = {{"TabOrder", "5"}, {"Visible", "False"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {12, 462, 200, 14},
     .caption = "Legenda: (PG/GP/GC)",
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"}, {"Visible", "False"}, {"Transparent", "True"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {732, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "6"}}},
};

// The columns of both grids, by their name without the grid's digit.
struct Column {
    const char* name;
    const char* caption;
    int width;
};
constexpr Column kColumns[] = {{"gccolocacao", "", 30},
                               {"gcid", "", 0},
                               {"gcescudo", "", 28},
                               {"gcclube", "Clube", 150},
                               {"gcnacional", "Nacional", 75},
                               {"gcestadual", "Estadual", 70},
                               {"gccopa", "Copa", 70},
                               {"gclibertadores", "Libertadores", 90},
                               {"gcsulamericana", "Sul-Americana", 90},
                               {"gcmundial", "Mundial", 60},
                               {"gctotal", "Total", 60}};

std::string Col(const char* name, int suffix) {
    return std::string(name) + std::to_string(suffix);
}

// The columns of competition kinds 1..6 in kind order.
constexpr const char* kKindColumns[] = {"gcnacional",     "gccopa",    "gcestadual",
                                        "gclibertadores", "gcmundial", "gcsulamericana"};

}  // namespace

const WindowLayout kForm71Layout = {
    .name = "Form71",
    .class_name = "TForm71",
    .client_width = 768,
    .client_height = 484,
    .caption = "Ranking de clubes",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterCareerWindowClasses,
};

TForm71::TForm71() : Form("Form71") {
    BuildWindowLayout(*this, kForm71Layout);
    TileGameBackground(*this);
    // A list this large takes the whole of a screen of 800x600 or less.
    if (ScreenSizeClass() < 2) FillScreen(*this);
    CloseOnEscape(*this);
    ControlNamed<Control>(*this, "bt3").on_click = [this] { Close(); };
    // The button of the ranking shown does nothing.
    const std::pair<const char*, int> buttons[] = {{"bt1", 1}, {"bt2", 2}, {"bt4", 3}};
    for (const auto& [name, ranking] : buttons)
        ControlNamed<Control>(*this, name).on_click = [this, ranking] {
            if (ranking != ranking_) ShowRanking(ranking);
        };
    Countries().on_change = [this] { combopaisChange(); };
    listr1_ = &ControlNamed<TReportGrid>(*this, "listr1");
    listr2_ = &ControlNamed<TReportGrid>(*this, "listr2");
    for (int suffix : {1, 2}) {
        TReportGrid& grid = suffix == 1 ? *listr1_ : *listr2_;
        for (const Column& c : kColumns) {
            const std::string name = Col(c.name, suffix);
            auto& column = std::string_view(c.name) == "gcescudo" ? AddFlagColumn(grid, name)
                                                                  : grid.Columns().Add(name);
            if (c.width == 0) {
                column.SetVisible(false);
                continue;
            }
            column.SetWidth(c.width);
            column.Header().SetCaption(c.caption);
        }
        BandRows(grid);
    }
    listr2_->Columns().ColumnByName("gctotal2")->Header().SetCaption("Total pts");

    const GameData& data = Game();
    FillLeagueCombo(Countries(), kBrazil);
    if (Countries().Count() > 1) Countries().AddItem("Internacional");
    FillPlacements(false);
    FillPoints();
    const t_game_state& gs = data.game_state;
    for (int suffix : {1, 2}) {
        TReportGrid& grid = suffix == 1 ? *listr1_ : *listr2_;
        if (!gs.national_cup_on)
            grid.Columns().ColumnByName(Col("gccopa", suffix))->SetVisible(false);
        if (!gs.state_leagues_on)
            grid.Columns().ColumnByName(Col("gcestadual", suffix))->SetVisible(false);
    }
    ShowRanking(1);
}

ComboBox& TForm71::Countries() {
    return ControlNamed<ComboBox>(*this, "combopais");
}

int TForm71::ChosenLeague() {
    const int item = Countries().ItemIndex();
    const int leagues = static_cast<int>(Game().league_configs.size());
    if (leagues < 2) return 0;
    return item >= 0 && item < leagues ? item : -1;
}

int TForm71::CrestOf(int team) {
    Picture crest = CrestThumbnail(team, 22);
    if (crest.empty()) return -1;
    crests_.push_back(std::move(crest));
    return static_cast<int>(crests_.size()) - 1;
}

void TForm71::ApplyContinentHeaders(TReportGrid& grid, int suffix) {
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    auto column = [&](const char* name) { return grid.Columns().ColumnByName(Col(name, suffix)); };
    const int league = ChosenLeague();
    if (league < 0) {
        column("gclibertadores")->Header().SetCaption("Libert./Liga C.");
        column("gcsulamericana")->Header().SetCaption("Sul-Amer./UEFA");
        column("gcestadual")->SetVisible(false);
        return;
    }
    const int country = league < static_cast<int>(data.league_configs.size())
                            ? data.league_configs[league].country
                            : kBrazil;
    const TContinent continent = ContinentOfCountry(country);
    switch (continent) {
        case ctEurope:
            column("gclibertadores")->Header().SetCaption("Liga Campeões");
            column("gcsulamericana")->Header().SetCaption("Copa UEFA");
            break;
        case ctSouthAmerica:
            column("gclibertadores")->Header().SetCaption("Libertadores");
            column("gcsulamericana")->Header().SetCaption("Sul-Americana");
            break;
        case ctAfrica:
            column("gclibertadores")->Header().SetCaption("Liga Africana");
            break;
        case ctAsia:
            column("gclibertadores")->Header().SetCaption("Liga Asiática");
            break;
        default:
            break;
    }
    const bool cups = gs.continental_cup_on && continent <= ctAsia;
    column("gclibertadores")->SetVisible(cups);
    column("gcmundial")->SetVisible(cups);
    column("gcsulamericana")
        ->SetVisible(cups && gs.second_continental_cup_on &&
                     (continent == ctEurope || continent == ctSouthAmerica));
    column("gcestadual")->SetVisible(country == kBrazil && gs.state_leagues_on);
}

void TForm71::FillPlacements(bool reputation) {
    const GameData& data = Game();
    const int league = ChosenLeague();
    const bool international = league < 0;
    TReportGrid& grid = *listr1_;
    auto column = [&](const char* name) { return grid.Columns().ColumnByName(Col(name, 1)); };
    grid.BeginUpdate();
    grid.ClearRows();
    ApplyContinentHeaders(grid, 1);
    column("gcnacional")->Header().SetCaption(reputation ? "Reputação" : "Nacional");
    for (const char* name :
         {"gcestadual", "gccopa", "gclibertadores", "gcsulamericana", "gcmundial", "gctotal"})
        column(name)->SetVisible(!reputation);
    if (international) column("gcestadual")->SetVisible(false);
    const std::vector<int> clubs = RankedClubs(data, league);
    const auto ranking =
        reputation ? ReputationRanking(data, clubs) : PlacementRanking(data, clubs, international);
    for (int i = 0; i < static_cast<int>(ranking.size()); ++i) {
        const int team = ranking[i].team;
        const t_team& t = data.teams[team];
        const int row = grid.AddRow();
        grid.SetCellTextByVariant("gccolocacao1", row, std::to_string(i + 1));
        grid.SetCellTextByVariant("gcid1", row, std::to_string(team));
        grid.SetCellTextByVariant("gcclube1", row, t.name.str());
        for (int kind = 1; kind <= 6; ++kind)
            grid.SetCellTextByVariant(Col(kKindColumns[kind - 1], 1), row,
                                      std::to_string(t.ranking_points[kind - 1]) + " pts");
        if (reputation) {
            grid.SetCellTextByVariant(
                "gcnacional1", row,
                std::string(t.reputation >= 0 && t.reputation < 6 ? reputation_names[t.reputation]
                                                                  : ""));
            grid.SetCellTextByVariant("gctotal1", row, std::to_string(t.reputation));
        } else {
            grid.SetCellTextByVariant("gctotal1", row, std::to_string(ranking[i].value));
        }
        if (const int crest = CrestOf(team); crest >= 0)
            grid.GetCellByVariant("gcescudo1", row).ObjectReference = &crests_[crest];
    }
    grid.EndUpdate();
}

void TForm71::FillPoints() {
    const GameData& data = Game();
    const int league = ChosenLeague();
    TReportGrid& grid = *listr2_;
    grid.BeginUpdate();
    ApplyContinentHeaders(grid, 2);
    grid.ClearRows();
    const auto ranking = PointsRanking(data, RankedClubs(data, league), league < 0);
    for (int i = 0; i < static_cast<int>(ranking.size()); ++i) {
        const int team = ranking[i].team;
        const t_team& t = data.teams[team];
        const int row = grid.AddRow();
        grid.SetCellTextByVariant("gccolocacao2", row, std::to_string(i + 1));
        grid.SetCellTextByVariant("gcid2", row, std::to_string(team));
        grid.SetCellTextByVariant("gcclube2", row, t.name.str());
        for (int kind = 1; kind <= 6; ++kind) {
            const t_alltime_tally& r = t.alltime_record[kind - 1];
            grid.SetCellTextByVariant(Col(kKindColumns[kind - 1], 2), row,
                                      "(" + std::to_string(r.points) + "/" +
                                          std::to_string(r.goals_for) + "/" +
                                          std::to_string(r.goals_against) + ")");
        }
        grid.SetCellTextByVariant("gctotal2", row, std::to_string(ranking[i].value));
        if (const int crest = CrestOf(team); crest >= 0)
            grid.GetCellByVariant("gcescudo2", row).ObjectReference = &crests_[crest];
    }
    grid.EndUpdate();
    points_built_for_ = Countries().ItemIndex();
}

void TForm71::ShowRanking(int ranking) {
    BusyCursor busy;
    if (ranking != 2)
        FillPlacements(ranking == 3);
    else if (points_built_for_ != Countries().ItemIndex())
        FillPoints();
    ranking_ = ranking;
    listr1_->SetVisible(ranking != 2);
    listr2_->SetVisible(ranking == 2);
    ControlNamed<Label>(*this, "Label2").SetVisible(ranking == 2);
    Countries().SetVisible(Game().league_configs.size() > 1);
    const std::pair<const char*, int> buttons[] = {{"bt1", 1}, {"bt2", 2}, {"bt4", 3}};
    for (const auto& [name, which] : buttons)
        ControlNamed<TSchemeButton>(*this, name)
            .SetColorScheme(which == ranking ? csGrass : csNeoSilver);
}

void TForm71::combopaisChange() {
    ShowRanking(ranking_);
}

void ShowClubRankingWindow() {
    auto& form = CreateWhileBusy<TForm71>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
