#include "screens/main/round_results_window.h"

#include <algorithm>

#include "core/display_names.h"
#include "core/game_data.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "core/table_index.h"
#include "core/text_tables.h"
#include "game/headless_game.h"
#include "game/round_close.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/combo_box.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "platform/window/scroll_box.h"
#include "screens/main/best_eleven_window.h"
#include "screens/main/competition_window_parts.h"
#include "screens/main/main_window.h"
#include "screens/main/national_board_window.h"
#include "screens/main/tables_window.h"
#include "screens/match/match_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/fixture_list.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

const LayoutFont kWhite = {"Arial", 8, fsBold, clWhite};
const LayoutFont kYellow = {"Arial", 8, fsBold, clYellow};
const std::initializer_list<LayoutProperty> kFixed = {{"AutoSize", "False"},
                                                      {"Transparent", "True"}};
const std::initializer_list<LayoutProperty> kCentred = {
    {"AutoSize", "False"}, {"Transparent", "True"}, {"Alignment", "taCenter"}};
const std::initializer_list<LayoutProperty> kRight = {
    {"AutoSize", "False"}, {"Transparent", "True"}, {"Alignment", "taRightJustify"}};

#define KV_STAT_ROW(home, cap_id, cap_text, away, top)                                      \
    {.name = home,                                                                          \
     .class_name = "TLabel",                                                                \
     .bounds = {400, top, 60, 14},                                                          \
     .font = kWhite,                                                                        \
     .properties = kFixed},                                                                 \
        {.name = cap_id,                                                                    \
         .class_name = "TLabel",                                                            \
         .bounds = {460, top, 270, 14},                                                     \
         .caption = cap_text,                                                               \
         .font = kYellow,                                                                   \
         .properties = kCentred},                                                           \
    {                                                                                       \
        .name = away, .class_name = "TLabel", .bounds = {730, top, 60, 14}, .font = kWhite, \
        .properties = kRight                                                                \
    }

#define KV_TACTIC_ROW(home, away, top)                                                       \
    {.name = home,                                                                           \
     .class_name = "TLabel",                                                                 \
     .bounds = {400, top, 190, 14},                                                          \
     .font = kWhite,                                                                         \
     .properties = kFixed},                                                                  \
    {                                                                                        \
        .name = away, .class_name = "TLabel", .bounds = {600, top, 190, 14}, .font = kWhite, \
        .properties = kRight                                                                 \
    }

const LayoutControl kControls[] = {
    {.name = "lcamp",
     .class_name = "TLabel",
     .bounds = {10, 6, 780, 20},
     .font = {"Arial", 11, fsBold, clYellow},
     .properties = kFixed},
    {.name = "combopais",
     .class_name = "TComboBox",
     .bounds = {10, 30, 200, 21},
     .properties = {{"TabOrder", "1"}, {"Visible", "False"}}},
    {.name = "Combolib",
     .class_name = "TComboBox",
     .bounds = {10, 30, 200, 21},
     .properties = {{"TabOrder", "2"}, {"Visible", "False"}}},
    {.name = "combo1",
     .class_name = "TComboBox",
     .bounds = {10, 30, 200, 21},
     .properties = {{"TabOrder", "3"}, {"Visible", "False"}}},
    {.name = "grid1",
     .class_name = "TReportGrid",
     .bounds = {10, 56, 380, 494},
     .properties = {{"TabOrder", "0"}, {"Options", "goSelectFullRow"}}},
    {.name = "escudo", .class_name = "TImage", .bounds = {400, 32, 40, 40}},
    {.name = "escudo2", .class_name = "TImage", .bounds = {750, 32, 40, 40}},
    {.name = "Label30",
     .class_name = "TLabel",
     .bounds = {444, 34, 122, 16},
     .font = kWhite,
     .properties = kFixed},
    {.name = "Label31",
     .class_name = "TLabel",
     .bounds = {626, 34, 122, 16},
     .font = kWhite,
     .properties = kRight},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {566, 30, 60, 24},
     .font = {"Arial", 14, fsBold, clYellow},
     .properties = kCentred},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {556, 56, 80, 14},
     .font = kWhite,
     .properties = kCentred},
    {.name = "Label70",
     .class_name = "TLabel",
     .bounds = {400, 78, 390, 14},
     .font = kYellow,
     .properties = kCentred},
    {.name = "Label8",
     .class_name = "TLabel",
     .bounds = {400, 94, 190, 14},
     .font = kWhite,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}, {"ShowHint", "True"}}},
    {.name = "Label26",
     .class_name = "TLabel",
     .bounds = {600, 94, 190, 14},
     .font = kWhite,
     .properties = kRight},
    KV_STAT_ROW("Label3", "Label40", "Posse de bola", "Label4", 112),
    KV_STAT_ROW("Label10", "Label41", "Roubadas bola", "Label11", 127),
    KV_STAT_ROW("Label16", "Label42", "Finalizações", "Label17", 142),
    KV_STAT_ROW("Label22", "Label43", "Passes errados", "Label23", 157),
    KV_STAT_ROW("Label24", "Label44", "Faltas cometidas", "Label25", 172),
    KV_TACTIC_ROW("Label12", "Label33", 190),
    KV_TACTIC_ROW("Label13", "Label34", 205),
    KV_TACTIC_ROW("Label32", "Label35", 220),
    {.name = "escalacao1",
     .class_name = "TMarkupLabel",
     .bounds = {400, 238, 194, 204},
     .font = {"Arial", 8, 0, clWhite},
     .properties = {{"Transparent", "True"}}},
    {.name = "escalacao2",
     .class_name = "TMarkupLabel",
     .bounds = {598, 238, 194, 204},
     .font = {"Arial", 8, 0, clWhite},
     .properties = {{"Transparent", "True"}}},
    // Goals and cards take as many lines as the match had: they scroll when they outgrow the
    // space above the buttons. Their width leaves room for the scroll bar.
    {.name = "sbgols",
     .class_name = "TScrollBox",
     .bounds = {400, 444, 392, 112},
     .properties = {{"BorderStyle", "bsNone"}, {"Transparent", "True"}, {"TabOrder", "8"}}},
    {.name = "l_gols",
     .class_name = "TMarkupLabel",
     .parent = "sbgols",
     .bounds = {0, 0, 374, 62},
     .font = {"Arial", 8, 0, clWhite},
     .properties = {{"Transparent", "True"}}},
    {.name = "card1",
     .class_name = "TMarkupLabel",
     .parent = "sbgols",
     .bounds = {0, 62, 185, 48},
     .font = {"Arial", 8, 0, clWhite},
     .properties = {{"Transparent", "True"}}},
    {.name = "card2",
     .class_name = "TMarkupLabel",
     .parent = "sbgols",
     .bounds = {189, 62, 185, 48},
     .font = {"Arial", 8, 0, clWhite},
     .properties = {{"Transparent", "True"}}},
    {.name = "bt2",
     .class_name = "TUiGlowButton",
     .bounds = {10, 562, 110, 28},
     .caption = "Classificação",
     .properties = {{"TabOrder", "4"}}},
    {.name = "Button2",
     .class_name = "TUiGlowButton",
     .bounds = {126, 562, 120, 28},
     .caption = "Time da rodada",
     .properties = {{"TabOrder", "5"}}},
    {.name = "Image4",
     .class_name = "TUiGlowButton",
     .bounds = {252, 562, 80, 28},
     .caption = "Opções",
     .properties = {{"TabOrder", "6"}}},
    {.name = "bt3",
     .class_name = "TUiGlowButton",
     .bounds = {670, 562, 120, 28},
     .caption = "Continuar >>",
     .properties = {{"TabOrder", "7"}}},
};

#undef KV_STAT_ROW
#undef KV_TACTIC_ROW

double DateOfDay(const GameData& data, int day) {
    return day >= 1 && day <= kCalendarDays ? data.calendar[day - 1].date : 0.0;
}

}  // namespace

const WindowLayout kForm67Layout = {
    .name = "Form67",
    .class_name = "TForm67",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x1F5A02,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterCompetitionScreenClasses,
};

std::function<void(NextScreen)>& RoundResultsNextScreen() {
    static std::function<void(NextScreen)> next;
    return next;
}

TForm67::TForm67() : Form("Form67") {
    BuildWindowLayout(*this, kForm67Layout);
    TileGameBackground(*this);
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    kind_ = gs.match_kind;
    crests_ = std::make_unique<CrestImages>(AddComponent<ImageList>("ImageListCrests"));
    crests_->list().width = 20;
    crests_->list().height = 20;
    AddEventIcons(icons_);
    for (const char* name : {"escalacao1", "escalacao2", "l_gols", "card1", "card2"})
        ControlNamed<TMarkupLabel>(*this, name).SetPictureContainer(&icons_);

    grid_ = &ControlNamed<TReportGrid>(*this, "grid1");
    grid_->SetRowSize(22);
    grid_->Columns().Add("id").SetVisible(false);
    for (const char* crest : {"gcescudo1", "gcescudo2"}) {
        auto column = std::make_unique<TGrImageColumn>(crest);
        column->Images = &crests_->list();
        if (std::string_view(crest) == "gcescudo1") {
            grid_->Columns().Add(std::move(column)).SetWidth(26);
            grid_->Columns().Add("casa").SetWidth(130);
            grid_->Columns().Add("placar").SetWidth(44);
            grid_->Columns().Add("fora").SetWidth(130);
        } else {
            grid_->Columns().Add(std::move(column)).SetWidth(26);
        }
    }
    // The home and away clubs share the width the window has over its design.
    grid_->FitSpareTo = {"casa", "fora"};
    grid_->on_select_cell = [this](int, int row) { SelectRow(row); };
    grid_->on_dbl_click = [this] { OpenSelectedMatch(); };
    grid_->on_cell_coloring = [this](int, int row, TColor& color, TColor&, TCellState state) {
        if (row < 0 || row >= static_cast<int>(rows_.size())) return;
        if (rows_[row].match < 0)
            color = 11458559;
        else if (!state.Has(csSelected))
            color = row % 2 ? 0xECFFFF : 0xFFFFFF;
    };
    grid_->on_cell_formating = [this](int, int row, TColor& text, FontStyles& style, TCellState) {
        text = clBlack;
        if (row >= 0 && row < static_cast<int>(rows_.size()) && rows_[row].match < 0)
            style = fsBold;
    };
    ControlNamed<Control>(*this, "Label5").on_click = [this] {
        if (shown_match_ >= 0 && MatchViewOpener()) MatchViewOpener()(shown_match_, 1);
    };

    // The selectors of the day's competition.
    auto& regions = ControlNamed<ComboBox>(*this, "Combolib");
    if (kind_ == ckContinentalCup || kind_ == ckSecondContinentalCup) {
        group_ = crSouthAmerica;
        std::vector<std::string> items;
        if (kind_ == ckContinentalCup) {
            items = {"Taça Libertadores", "Liga dos Campeões", "Liga Africana", "Liga Asiática"};
        } else if (data.south_second_cup_played) {
            items = {"Sul-Americana", "Liga Europa da UEFA"};
        } else {
            items = {"Liga Europa da UEFA"};
            group_ = crEurope;
        }
        regions.SetItems(items);
        regions.SetItemIndex(0);
        regions.SetVisible(items.size() > 1);
        regions.on_change = [this, &regions] {
            group_ = regions.Count() == 1 ? crEurope : regions.ItemIndex() + 1;
            FillResultsGrid();
        };
    }
    auto& leagues = ControlNamed<ComboBox>(*this, "combopais");
    if (kind_ == ckNationalLeague || kind_ == ckNationalCup) {
        leagues.images = &FlagImages(*this);
        std::vector<std::string> items;
        std::vector<int> images;
        const double today = DateOfDay(data, gs.calendar_day);
        for (int c = 0; c < static_cast<int>(data.league_configs.size()); ++c) {
            if (DayResults(data, kind_, c, today).empty()) continue;
            const int country = data.league_configs[c].country;
            leagues_.push_back(c);
            items.emplace_back(country >= 0 && country < kCountryCount ? country_names[country]
                                                                       : std::string_view());
            images.push_back(country >= 0 && country < leagues.images->Count() ? country : -1);
        }
        leagues.SetItems(items, images);
        int first = leagues_.empty() ? -1 : 0;
        for (std::size_t i = 0; i < leagues_.size(); ++i) {
            const t_league_config& config = data.league_configs[leagues_[i]];
            if (!config.has_human_club && !config.show_matches) continue;
            if (kind_ == ckNationalLeague || config.show_matches ||
                (gs.national_cup_round < 3 && FindFixture(data, leagues_[i], 2, 1) > 0)) {
                first = static_cast<int>(i);
                break;
            }
        }
        group_ = first >= 0 ? leagues_[first] : 0;
        leagues.SetItemIndex(first);
        leagues.SetVisible(data.league_configs.size() > 1 && !leagues_.empty());
        leagues.on_change = [this, &leagues] {
            if (leagues.ItemIndex() < 0) return;
            group_ = leagues_[leagues.ItemIndex()];
            FillResultsGrid();
        };
    }
    auto& states = ControlNamed<ComboBox>(*this, "combo1");
    if (kind_ == ckStateChampionship) {
        group_ = FillStateSelector(states, states_);
        states.SetVisible(!states_.empty());
        states.on_change = [this, &states] {
            if (states.ItemIndex() < 0) return;
            group_ = states_[states.ItemIndex()];
            FillResultsGrid();
        };
    }

    const bool no_tables = kind_ == ckFriendly || kind_ == ckNationalCup ||
                           kind_ == ckClubWorldCup || kind_ == ckSuperCup;
    ControlNamed<Control>(*this, "bt2").SetVisible(!no_tables);
    ControlNamed<Control>(*this, "Button2").SetVisible(kind_ == ckNationalLeague);
    ControlNamed<Control>(*this, "bt2").on_click = [this] {
        if (kind_ < ckWorldCup) {
            ShowTablesWindow();
        } else {
            ShowNationalBoard();
        }
    };
    ControlNamed<Control>(*this, "Button2").on_click = [] { ShowBestElevenWindow(0); };
    ControlNamed<Control>(*this, "Image4").on_click = [] {
        if (const auto& options = MainWindowOpener("TForm32")) options();
    };
    ControlNamed<Control>(*this, "bt3").on_click = [this] { Continue(); };
    AnswerWindowKeys(*this, {.enter = [this] { Continue(); }, .before_controls = true});
    FillResultsGrid();
    DoCreate();
}

TForm67::~TForm67() = default;

void TForm67::FillResultsGrid() {
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    int group = 0;
    if (kind_ == ckStateChampionship) group = group_;
    if (kind_ == ckNationalLeague || kind_ == ckNationalCup || kind_ == ckContinentalCup ||
        kind_ == ckSecondContinentalCup)
        group = group_;
    const std::vector<int> matches =
        DayResults(data, kind_, group, DateOfDay(data, gs.calendar_day));
    rows_ = ResultsRows(data, kind_, group, matches);

    std::string heading = data.results_heading;
    const int country =
        InTable(data.league_configs, group_) ? data.league_configs[group_].country : -1;
    if (kind_ == ckNationalLeague)
        heading = country >= 0
                      ? "Campeonato " + NationalityAdjective(country) + data.results_round_text
                      : std::string();
    // The match day's heading names the state it played last; the list may show another.
    if (kind_ == ckStateChampionship && group_ >= 0 && group_ < kStateCount)
        heading = "Campeonato " + std::string(state_names[group_]) + data.results_round_text;
    if (kind_ == ckNationalCup && country >= 0)
        heading = "Copa " + CountryWithArticle(country) + data.results_round_text;
    if (kind_ == ckContinentalCup) {
        static const char* const kCups[] = {"", "Taça Libertadores", "Liga dos Campeões",
                                            "Liga Africana", "Liga Asiática"};
        heading = std::string(kCups[std::clamp(group_, 1, 4)]) + " " + data.results_round_text;
    }
    if (kind_ == ckSecondContinentalCup)
        heading = (group_ == crSouthAmerica ? "Copa Sul-Americana" : "Liga Europa da UEFA") +
                  data.results_round_text;
    ControlNamed<Label>(*this, "lcamp").SetCaption(heading);

    grid_->BeginUpdate();
    grid_->ClearRows();
    for (const ResultsRow& row : rows_) {
        const int r = grid_->AddRow();
        if (row.match < 0) {
            grid_->SetCellTextByVariant("id", r, "-1");
            grid_->SetCellTextByVariant("gcescudo1", r, "-1");
            grid_->SetCellTextByVariant("gcescudo2", r, "-1");
            grid_->SetCellTextByVariant("casa", r, row.heading);
            continue;
        }
        const t_archived_match& m = data.match_archive[row.match];
        grid_->SetCellTextByVariant("id", r, std::to_string(row.match));
        grid_->SetCellTextByVariant("gcescudo1", r, std::to_string(crests_->Of(m.team[0])));
        grid_->SetCellTextByVariant(
            "casa", r,
            InTable(data.teams, m.team[0]) ? data.teams[m.team[0]].name.str() : std::string());
        grid_->SetCellTextByVariant("placar", r,
                                    std::to_string(m.goals[0]) + "x" + std::to_string(m.goals[1]));
        grid_->SetCellTextByVariant(
            "fora", r,
            InTable(data.teams, m.team[1]) ? data.teams[m.team[1]].name.str() : std::string());
        grid_->SetCellTextByVariant("gcescudo2", r, std::to_string(crests_->Of(m.team[1])));
    }
    grid_->EndUpdate();
    // The first match row is selected and shown.
    const int first = !rows_.empty() && rows_[0].match < 0 ? 1 : 0;
    if (first < static_cast<int>(rows_.size())) {
        grid_->SetSelectedRow(first);
        SelectRow(first);
    } else {
        shown_match_ = -1;
    }
}

void TForm67::SelectRow(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size()) && rows_[row].match >= 0)
        ShowMatch(rows_[row].match);
}

void TForm67::OpenSelectedMatch() {
    const int row = grid_->SelectedRow();
    if (row < 0 || row >= static_cast<int>(rows_.size()) || rows_[row].match < 0) return;
    if (const auto& open = MatchViewOpener()) open(rows_[row].match, 1);
}

void TForm67::ShowMatch(int match) {
    const GameData& data = Game();
    if (!InTable(data.match_archive, match)) return;
    shown_match_ = match;
    const t_archived_match& m = data.match_archive[match];
    auto label = [this](std::string_view name) -> Label& {
        return ControlNamed<Label>(*this, name);
    };
    auto name_of = [&data](int team) {
        return InTable(data.teams, team) ? data.teams[team].name.str() : std::string();
    };
    const char* crests[] = {"escudo", "escudo2"};
    for (int s = 0; s < 2; ++s) {
        Image& image = ControlNamed<Image>(*this, crests[s]);
        image.SetPicture(Picture());
        image.stretch = true;
        image.proportional = true;
        std::string path = BuildCrestPath(m.team[s]);
        if (m.kind >= ckWorldCup && m.kind <= ckEuropeanNationsCup) {
            const std::string symbol = BuildNationalSymbolPath(m.team[s]);
            if (!symbol.empty()) path = symbol;
        }
        if (!path.empty()) image.LoadFromFile(path);
    }
    label("Label30").SetCaption(name_of(m.team[0]));
    label("Label31").SetCaption(name_of(m.team[1]));
    label("Label70").SetCaption(m.kind == ckClubWorldCup
                                    ? std::string("Japão")
                                    : (InTable(data.teams, m.team[0])
                                           ? data.teams[m.team[0]].stadium.str()
                                           : std::string()));
    const bool money = m.kind < ckClubWorldCup || m.kind == ckSecondContinentalCup;
    label("Label8").SetVisible(money);
    label("Label26").SetVisible(money);
    label("Label8").SetCaption(FormatDigitGroups(m.attendance) + " pagantes");
    label("Label8").hint = "(G:" + FormatThousands(m.sector_attendance[0]) +
                           " A:" + FormatThousands(m.sector_attendance[1]) +
                           " Cd:" + FormatThousands(m.sector_attendance[2]) +
                           " Cm:" + FormatThousands(m.sector_attendance[3]) + ")";
    label("Label26").SetCaption("$" + FormatThousands(m.gate_income));
    const int p = HomePossessionPercent(m.stats[0][0], m.stats[1][0]);
    label("Label3").SetCaption(std::to_string(p) + "%");
    label("Label4").SetCaption(std::to_string(100 - p) + "%");
    label("Label5").SetCaption(std::to_string(m.goals[0]) + " x " + std::to_string(m.goals[1]));
    label("Label1").SetCaption(m.on_penalties ? "(P:" + std::to_string(m.shootout_goals[0]) + "x" +
                                                    std::to_string(m.shootout_goals[1]) + ")"
                                              : std::string());
    const char* stats[][2] = {{"Label10", "Label11"},
                              {"Label16", "Label17"},
                              {"Label22", "Label23"},
                              {"Label24", "Label25"}};
    for (int k = 0; k < 4; ++k)
        for (int s = 0; s < 2; ++s)
            label(stats[k][s]).SetCaption(std::to_string(m.stats[s][k + 1]));
    auto keep_or_set = [&](const char* name, const std::string& text) {
        if (!text.empty()) label(name).SetCaption(text);
    };
    keep_or_set("Label12", PlayingStyleText(m.style[0]));
    keep_or_set("Label33", PlayingStyleText(m.style[1]));
    keep_or_set("Label13", AttackRouteText(m.route[0]));
    keep_or_set("Label34", AttackRouteText(m.route[1]));
    keep_or_set("Label32", MarkingText(m.marking[0]));
    keep_or_set("Label35", MarkingText(m.marking[1]));
    ControlNamed<TMarkupLabel>(*this, "escalacao1")
        .SetHTMLText(LineupMarkup(data, match, m.team[0]));
    ControlNamed<TMarkupLabel>(*this, "escalacao2")
        .SetHTMLText(LineupMarkup(data, match, m.team[1]));
    auto& goals = ControlNamed<TMarkupLabel>(*this, "l_gols");
    goals.SetHTMLText(GoalsMarkup(data, match));
    goals.SetHeight(goals.FittingHeight());
    for (int s = 0; s < 2; ++s) {
        auto& cards = ControlNamed<TMarkupLabel>(*this, s == 0 ? "card1" : "card2");
        cards.SetHTMLText(CardsMarkup(data, match, m.team[s]));
        cards.SetTop(goals.Top() + goals.Height());
        cards.SetHeight(cards.FittingHeight());
    }
    ControlNamed<ScrollBox>(*this, "sbgols").SetScrollPos(0);
}

void TForm67::Continue() {
    grid_->ClearRows();
    EventHookWindows windows;
    const RoundCloseResult result = CloseRound(Game(), windows);
    SetModalResult(mrOk);
    Close();
    if (const auto& next = RoundResultsNextScreen()) next(result.next);
}

TForm67* ShowRoundResultsWindow() {
    OpenRoundResults(Game());
    auto& form = Screen::Get().Create<TForm67>();
    form.Show();
    return &form;
}

}  // namespace kv
