#include "screens/main/fixtures_window.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money_text.h"
#include "core/table_index.h"
#include "core/text_tables.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/combo_box.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/main/competition_window_parts.h"
#include "screens/main/second_phase_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/fixture_list.h"
#include "ui/controls/scheme_button.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

const LayoutFont kButtonFont = {"Arial", 8, fsBold, clWhite};

#define KV_COMPETITION(id, text, left, order)                                                     \
    {                                                                                             \
        .name = id, .class_name = "TSchemeButton", .bounds = {left, 34, 78, 24}, .caption = text, \
        .font = kButtonFont, .properties = {                                                      \
            {"TabOrder", order}                                                                   \
        }                                                                                         \
    }

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 6, 300, 22},
     .caption = "Tabela de jogos",
     .font = {"Arial", 13, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {530, 4, 25, 22},
     .caption = "X",
     .font = kButtonFont,
     .properties = {{"TabOrder", "0"}}},
    KV_COMPETITION("btnac", "Nacional", 10, "1"),
    KV_COMPETITION("btestadual", "Estadual", 86, "2"),
    KV_COMPETITION("btlib", "Libertadores", 162, "3"),
    KV_COMPETITION("bteuro", "L.Campeões", 238, "4"),
    KV_COMPETITION("btafr", "L. Africana", 314, "5"),
    KV_COMPETITION("btasi", "L. Asiática", 390, "6"),
    KV_COMPETITION("btuefa", "Copa UEFA", 466, "7"),
    {.name = "combopais",
     .class_name = "TComboBox",
     .bounds = {10, 64, 160, 21},
     .properties = {{"TabOrder", "8"}}},
    {.name = "combo1",
     .class_name = "TComboBox",
     .bounds = {10, 64, 160, 21},
     .properties = {{"TabOrder", "9"}, {"Visible", "False"}}},
    {.name = "c1",
     .class_name = "TComboBox",
     .bounds = {176, 64, 160, 21},
     .properties = {{"TabOrder", "10"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {340, 64, 24, 21},
     .caption = "<",
     .font = kButtonFont,
     .properties = {{"TabOrder", "11"}}},
    {.name = "SchemeButton3",
     .class_name = "TSchemeButton",
     .bounds = {366, 64, 24, 21},
     .caption = ">",
     .font = kButtonFont,
     .properties = {{"TabOrder", "12"}}},
    {.name = "bt1",
     .class_name = "TSchemeButton",
     .bounds = {420, 64, 130, 21},
     .caption = "Tabela 2ª fase",
     .font = kButtonFont,
     .properties = {{"TabOrder", "13"}, {"Visible", "False"}}},
    {.name = "t1",
     .class_name = "TReportGrid",
     .bounds = {10, 92, 540, 430},
     .properties = {{"TabOrder", "14"}, {"Options", "goHeader, goSelectFullRow"}}},
    {.name = "lbrodada",
     .class_name = "TLabel",
     .bounds = {10, 528, 400, 18},
     .font = {"Arial", 9, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
};

#undef KV_COMPETITION

const char* const kButtons[] = {"btnac", "btestadual", "btlib", "bteuro",
                                "btafr", "btasi",      "btuefa"};

}  // namespace

const WindowLayout kForm63Layout = {
    .name = "Form63",
    .class_name = "TForm63",
    .client_width = 560,
    .client_height = 552,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x1F5A02,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterCompetitionScreenClasses,
};

TForm63::TForm63() : Form("Form63") {
    BuildWindowLayout(*this, kForm63Layout);
    TileGameBackground(*this);
    CloseOnEscape(*this);
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    crests_ = std::make_unique<CrestImages>(AddComponent<ImageList>("ImageListCrests"));
    crests_->list().width = 20;
    crests_->list().height = 20;
    grid_ = &ControlNamed<TReportGrid>(*this, "t1");
    grid_->SetRowSize(22);
    grid_->Columns().Add("id").SetVisible(false);
    auto crest_column = [this](const char* name) {
        auto column = std::make_unique<TGrImageColumn>(name);
        column->Images = &crests_->list();
        grid_->Columns().Add(std::move(column)).SetWidth(30);
    };
    crest_column("gcescudo1");
    grid_->Columns().Add("casa").SetWidth(120);
    grid_->Columns().Add("placar").SetWidth(40);
    grid_->Columns().Add("fora").SetWidth(120);
    crest_column("gcescudo2");
    grid_->Columns().Add("publico").Header().SetCaption("Público");
    grid_->GetColumnByName("publico")->SetWidth(80);
    grid_->Columns().Add("renda").Header().SetCaption("Renda");
    grid_->GetColumnByName("renda")->SetWidth(80);
    grid_->Columns().Add("vazio").SetWidth(20);
    grid_->Columns().Add("jogo").SetVisible(false);
    grid_->on_dbl_click = [this] { OpenSelectedMatch(); };
    grid_->on_cell_coloring = [this](int, int row, TColor& color, TColor&, TCellState state) {
        if (row >= 0 && row < static_cast<int>(rows_.size()) && rows_[row].fixture < 0 &&
            !state.Has(csSelected))
            color = 0xAED7FF;
    };

    // The competitions of this game, edge to edge.
    const bool first_cup =
        gs.continental_cup_on && (gs.season > 1 || gs.continental_cup_first_season);
    const bool shown[] = {true,
                          gs.state_leagues_on != 0,
                          first_cup,
                          first_cup,
                          first_cup,
                          first_cup,
                          first_cup && gs.second_continental_cup_on && gs.season > 1};
    int left = 10;
    for (int b = 0; b < 7; ++b) {
        Control& button = ControlNamed<Control>(*this, kButtons[b]);
        button.SetVisible(shown[b]);
        if (!shown[b]) continue;
        button.SetBounds(left, button.Top(), button.Width(), button.Height());
        left += button.Width() - 2;
        const std::string name = kButtons[b];
        button.on_click = [this, name] { Choose(name); };
    }
    auto& leagues = ControlNamed<ComboBox>(*this, "combopais");
    leagues.images = &FlagImages(*this);
    owner_ = std::max(0, FillLeagueSelector(leagues, kHomeCountry));
    leagues.on_change = [this, &leagues] {
        owner_ = std::max(0, leagues.ItemIndex());
        Choose("btnac");
    };
    auto& states = ControlNamed<ComboBox>(*this, "combo1");
    state_ = FillStateSelector(states, states_);
    states.on_change = [this, &states] {
        if (states.ItemIndex() < 0) return;
        state_ = states_[states.ItemIndex()];
        ControlNamed<ComboBox>(*this, "c1").SetItemIndex(0);
        ListRoundFixtures(ckStateChampionship, 1, 1);
    };
    auto& rounds = ControlNamed<ComboBox>(*this, "c1");
    rounds.drop_down_count = 20;
    rounds.on_change = [this, &rounds] { ListEntry(rounds.ItemIndex()); };
    ControlNamed<Control>(*this, "bt3").on_click = [this] {
        if (entry() > 0) ListEntry(entry() - 1);
    };
    ControlNamed<Control>(*this, "SchemeButton3").on_click = [this] {
        if (entry() + 1 < ControlNamed<ComboBox>(*this, "c1").Count()) ListEntry(entry() + 1);
    };
    ControlNamed<Control>(*this, "bt1").on_click = [this] { ShowSecondPhaseWindow(kind_); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] {
        SetModalResult(mrCancel);
        Close();
    };
    Choose(gs.match_kind == ckStateChampionship && gs.state_leagues_on ? "btestadual" : "btnac");
    DoCreate();
}

TForm63::~TForm63() = default;

int TForm63::entry() {
    return ControlNamed<ComboBox>(*this, "c1").ItemIndex();
}

void TForm63::Choose(const std::string& button) {
    const t_game_state& gs = Game().game_state;
    for (const char* name : kButtons) {
        const bool grass = name == button;
        const bool neo = button != "btnac" && button != "btestadual" && button != "btlib";
        ControlNamed<TSchemeButton>(*this, name)
            .SetColorScheme(grass ? (neo ? csNeoGrass : csGrass) : csNeoSilver);
    }
    ControlNamed<Control>(*this, "combopais")
        .SetVisible(button == "btnac" && Game().league_configs.size() >= 2);
    ControlNamed<Control>(*this, "combo1").SetVisible(button == "btestadual");
    ControlNamed<Control>(*this, "bt1").SetVisible(false);
    int first = 0;
    if (button == "btnac") {
        kind_ = ckNationalLeague;
        per_half_ = gs.league_format == kDivisionsOf10 ? 9 : 19;
        first = RoundEntryIndex(per_half_, gs.league_round, gs.league_turn);
    } else if (button == "btestadual") {
        kind_ = ckStateChampionship;
        per_half_ = 5;
        first = gs.state_league_round > 5
                    ? 9
                    : RoundEntryIndex(5, gs.state_league_round, gs.state_league_phase);
    } else {
        kind_ = button == "btuefa" ? ckSecondContinentalCup : ckContinentalCup;
        owner_ = button == "btlib"   ? crSouthAmerica
                 : button == "btafr" ? crAfrica
                 : button == "btasi" ? crAsia
                                     : crEurope;
        per_half_ = 3;
        const int round =
            kind_ == ckContinentalCup ? gs.continental_cup_round : gs.second_cup_round;
        const int phase =
            kind_ == ckContinentalCup ? gs.continental_cup_phase : gs.second_cup_phase;
        first = round > 3 ? 5 : RoundEntryIndex(3, round, phase);
        ControlNamed<Control>(*this, "bt1").SetVisible(round > 3);
    }
    if (kind_ == ckNationalLeague)
        owner_ = std::max(0, ControlNamed<ComboBox>(*this, "combopais").ItemIndex());
    std::vector<std::string> items;
    for (const RoundEntry& e : RoundEntries(per_half_)) items.push_back(RoundEntryText(e));
    ControlNamed<ComboBox>(*this, "c1").SetItems(items);
    ListEntry(first);
}

void TForm63::ListEntry(int entry) {
    const std::vector<RoundEntry> entries = RoundEntries(per_half_);
    if (entry < 0 || entry >= static_cast<int>(entries.size())) return;
    ControlNamed<ComboBox>(*this, "c1").SetItemIndex(entry);
    ListRoundFixtures(kind_, entries[entry].round, entries[entry].half);
}

void TForm63::ListRoundFixtures(int kind, int round, int half) {
    const GameData& data = Game();
    ControlNamed<Label>(*this, "lbrodada")
        .SetCaption(std::to_string(round) + "ª rodada - " + std::to_string(half) + "º turno");
    const int owner = kind == ckStateChampionship ? state_ : owner_;
    rows_ = RoundFixtureRows(data, owner, kind, round, half);
    grid_->BeginUpdate();
    grid_->ClearRows();
    auto name_of = [&data](int team) {
        return InTable(data.teams, team) ? data.teams[team].name.str() : std::string();
    };
    for (const FixtureRow& row : rows_) {
        const int r = grid_->AddRow();
        if (row.fixture < 0) {
            grid_->SetCellTextByVariant("fora", r, row.title);
            grid_->SetCellTextByVariant("jogo", r, "-2");
            grid_->SetCellTextByVariant("gcescudo1", r, "-1");
            grid_->SetCellTextByVariant("gcescudo2", r, "-1");
            continue;
        }
        const t_fixture& f = data.fixtures[row.fixture];
        grid_->SetCellTextByVariant("id", r, std::to_string(f.home));
        grid_->SetCellTextByVariant("gcescudo1", r, std::to_string(crests_->Of(f.home)));
        grid_->SetCellTextByVariant("casa", r, name_of(f.home));
        grid_->SetCellTextByVariant(
            "placar", r,
            f.played ? std::to_string(f.home_goals) + " x " + std::to_string(f.away_goals)
                     : std::string("x"));
        grid_->SetCellTextByVariant("fora", r, name_of(f.away));
        grid_->SetCellTextByVariant("gcescudo2", r, std::to_string(crests_->Of(f.away)));
        if (f.played) {
            grid_->SetCellTextByVariant("publico", r, FormatDigitGroups(f.attendance));
            grid_->SetCellTextByVariant("renda", r, FormatMoneyInWords(f.gate_income));
        }
        grid_->SetCellTextByVariant("jogo", r, f.played ? std::to_string(row.fixture) : "-1");
    }
    grid_->EndUpdate();
}

void TForm63::OpenSelectedMatch() {
    const int row = grid_->SelectedRow();
    if (row < 0 || row >= static_cast<int>(rows_.size()) || rows_[row].fixture < 0) return;
    const GameData& data = Game();
    if (!data.fixtures[rows_[row].fixture].played) return;
    const int match = ArchivedMatchOfFixture(data, rows_[row].fixture);
    if (match >= 0 && MatchViewOpener()) MatchViewOpener()(match, 1);
}

void ShowFixturesWindow() {
    auto& form = CreateWhileBusy<TForm63>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
