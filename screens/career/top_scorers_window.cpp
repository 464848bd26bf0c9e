#include "screens/career/top_scorers_window.h"

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
#include "screens/main/main_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

constexpr int kAllTimeShown = 100;
constexpr int kBrazil = 29;
constexpr int kEurope = 3;
constexpr int kAfrica = 1;
constexpr int kAsia = 9;
constexpr int kAllTime = 0;  // the kind of "Melhores de Sempre" in the choices

const LayoutControl kControls[] = {
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {12, 10, 300, 18},
     .caption = "Artilheiros",
     .font = kCareerTitleFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {12, 40, 28, 14},
     .caption = "Ver:",
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "combo1",
     .class_name = "TUiComboBox",
     .bounds = {42, 36, 170, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "combopais",
     .class_name = "TUiComboBox",
     .bounds = {220, 36, 150, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "combo2",
     .class_name = "TUiComboBox",
     .bounds = {378, 36, 150, 21},
     .properties = {{"TabOrder", "2"}, {"Visible", "False"}}},
    {.name = "t1",
     .class_name = "TReportGrid",
     .bounds = {12, 64, 516, 330},
     .properties = {{"TabOrder", "3"}}},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {12, 402, 290, 14},
     .caption = "mostrando apenas os 100 primeiros, para mostrar todos",
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"}, {"Visible", "False"}, {"Transparent", "True"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {304, 402, 70, 14},
     .caption = "clique aqui",
     .font = {"Tahoma", 8, fsUnderline, 0x00FFCC66},
     .properties = {{"AutoSize", "False"},
                    {"Visible", "False"},
                    {"Cursor", "crHandPoint"},
                    {"Transparent", "True"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {512, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "4"}}},
};

}  // namespace

const WindowLayout kForm20Layout = {
    .name = "Form20",
    .class_name = "TForm20",
    .client_width = 540,
    .client_height = 424,
    .caption = "Artilheiros",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterCareerWindowClasses,
};

TForm20::TForm20() : Form("Form20") {
    BuildWindowLayout(*this, kForm20Layout);
    TileGameBackground(*this);
    // A list this large takes the whole of a screen of 800x600 or less.
    if (ScreenSizeClass() < 2) FillScreen(*this);
    CloseOnEscape(*this);
    grid_ = &ControlNamed<TReportGrid>(*this, "t1");
    auto& columns = grid_->Columns();
    columns.Add("ncpos").SetWidth(30);
    columns.Add("gcjogador").SetWidth(150);
    columns.Add("gcclube").SetWidth(150);
    columns.Add("gcgols").SetWidth(50);
    columns.Add("gcjogos").SetWidth(50);
    columns.Add("gcgolst").SetWidth(70);
    columns.Add("gcjogost").SetWidth(70);
    columns.Add("gcid").SetVisible(false);
    columns.Add("gcjogid").SetVisible(false);
    const char* captions[][2] = {{"ncpos", ""},
                                 {"gcjogador", "Jogador"},
                                 {"gcclube", "Clube"},
                                 {"gcgols", "Gols"},
                                 {"gcjogos", "Jogos"},
                                 {"gcgolst", "Total Gols "},
                                 {"gcjogost", "Total Jogos"}};
    for (const auto& [name, caption] : captions)
        columns.ColumnByName(name)->Header().SetCaption(caption);
    ShowAllTimeColumns(false);
    BandRows(*grid_);
    grid_->on_dbl_click = [this] { t1DblClick(); };
    Competitions().on_change = [this] { combo1Select(); };
    States().on_change = [this] { combo2Change(); };
    Countries().on_change = [this] { combopaisChange(); };
    ControlNamed<Label>(*this, "Label1").on_click = [this] { Label1Click(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { Close(); };

    const GameData& data = Game();
    const int user = data.game_state.user_club;
    const bool has_user = user >= 0 && user < static_cast<int>(data.teams.size());
    league_ = FillLeagueCombo(Countries(), has_user ? data.teams[user].country : kBrazil);
    if (league_ < 0) league_ = 0;
    FillCompetitionList();
    if (data.game_state.state_leagues_on) {
        int chosen = -1;
        for (int s = 0; s < kStateCount; ++s) {
            if (!data.state_leagues[s].active) continue;
            States().AddItem(std::string(state_names[s]));
            states_.push_back(s);
        }
        const int wanted[] = {has_user ? data.teams[user].state : -1, 25, 18, 10};
        for (int state : wanted) {
            for (int i = 0; i < static_cast<int>(states_.size()) && chosen < 0; ++i)
                if (states_[i] == state) chosen = i;
            if (chosen >= 0) break;
        }
        States().SetItemIndex(chosen >= 0 ? chosen : (states_.empty() ? -1 : 0));
    }
    ShowSeasonScorers(ckNationalLeague, -1, 1);
}

ComboBox& TForm20::Competitions() {
    return ControlNamed<ComboBox>(*this, "combo1");
}
ComboBox& TForm20::States() {
    return ControlNamed<ComboBox>(*this, "combo2");
}
ComboBox& TForm20::Countries() {
    return ControlNamed<ComboBox>(*this, "combopais");
}

void TForm20::FillCompetitionList() {
    const t_game_state& gs = Game().game_state;
    choices_.clear();
    Competitions().Clear();
    auto add = [this](const std::string& text, Choice choice) {
        Competitions().AddItem(text);
        choices_.push_back(choice);
    };
    // Only the divisions the chosen league really has: a division it lacks has no competition
    // id, and an unknown id would list the friendlies' goals.
    const int divisions = OfferedDivisions(Game(), league_);
    for (int d = 1; d <= divisions; ++d)
        add("Nacional - " + std::to_string(d) + "ª divisão", {ckNationalLeague, -1, d});
    if (gs.national_cup_on) add("Copa", {ckNationalCup, -1, -1});
    if (gs.state_leagues_on) add("Estadual", {ckStateChampionship, -1, 1});
    if (gs.continental_cup_on && (gs.season >= 2 || gs.continental_cup_first_season)) {
        add("Libertadores", {ckContinentalCup, kBrazil, -1});
        add("Liga Campeões", {ckContinentalCup, kEurope, -1});
        add(std::string(continental_cup_names[2]), {ckContinentalCup, kAfrica, -1});
        add(std::string(continental_cup_names[3]), {ckContinentalCup, kAsia, -1});
    }
    if (gs.second_continental_cup_on && gs.season >= 2) {
        add("Sul-Americana", {ckSecondContinentalCup, kBrazil, -1});
        add("Liga Europa", {ckSecondContinentalCup, kEurope, -1});
    }
    add("Melhores de Sempre", {kAllTime, -1, -1});
    Competitions().SetItemIndex(0);
}

void TForm20::ShowAllTimeColumns(bool all_time) {
    auto& columns = grid_->Columns();
    columns.ColumnByName("gcgolst")->SetVisible(all_time);
    columns.ColumnByName("gcjogost")->SetVisible(all_time);
    columns.ColumnByName("gcgols")->SetVisible(!all_time);
    columns.ColumnByName("gcjogos")->SetVisible(!all_time);
    ControlNamed<Label>(*this, "Label4").SetVisible(all_time);
    ControlNamed<Label>(*this, "Label1").SetVisible(all_time);
}

void TForm20::combo1Select() {
    const int index = Competitions().ItemIndex();
    if (index < 0 || index >= static_cast<int>(choices_.size())) return;
    const Choice choice = choices_[index];
    States().SetVisible(choice.kind == ckStateChampionship);
    ShowAllTimeColumns(choice.kind == kAllTime);
    if (choice.kind == kAllTime) {
        Countries().Hide();
        ShowAllTimeScorers(false);
    } else if (choice.kind == ckStateChampionship) {
        combo2Change();
    } else {
        ShowSeasonScorers(choice.kind, choice.selector, choice.division);
    }
}

void TForm20::combo2Change() {
    const int index = States().ItemIndex();
    const int state = index >= 0 && index < static_cast<int>(states_.size()) ? states_[index] : -1;
    ShowSeasonScorers(ckStateChampionship, state, 1);
}

void TForm20::combopaisChange() {
    league_ = std::max(0, Countries().ItemIndex());
    const int index = Competitions().ItemIndex();
    const bool national =
        index >= 0 && index < static_cast<int>(choices_.size()) &&
        (choices_[index].kind == ckNationalLeague || choices_[index].kind == ckNationalCup);
    if (national) {
        // A division the new league lacks falls back to its first.
        const Choice c = choices_[index];
        const int division = c.kind == ckNationalLeague
                                 ? std::min(c.division, OfferedDivisions(Game(), league_))
                                 : c.division;
        ShowSeasonScorers(c.kind, -1, division);
    }
    FillCompetitionList();
}

void TForm20::ShowSeasonScorers(int kind, int selector, int division) {
    const GameData& data = Game();
    int competition = 0;
    if (kind == ckStateChampionship) {
        competition = selector >= 0 ? FindCompetitionId(data, kind, 0, 0, selector, division) : 0;
    } else if (kind == ckNationalLeague || kind == ckNationalCup) {
        const int country = league_ < static_cast<int>(data.league_configs.size())
                                ? data.league_configs[league_].country
                                : -1;
        competition = country >= 0 ? FindCompetitionId(data, kind, country, division, -1, -1) : 0;
    } else {
        competition = FindCompetitionId(data, kind, selector, -1, -1, -1);
    }
    BusyCursor busy;
    Countries().SetVisible((kind == ckNationalLeague || kind == ckNationalCup) &&
                           data.league_configs.size() > 1);
    shown_competition_ = competition;
    Fill(SeasonScorers(data, competition), false, true);
}

void TForm20::ShowAllTimeScorers(bool all) {
    BusyCursor busy;
    ShowAllTimeColumns(true);
    shown_competition_ = 0;
    Fill(AllTimeScorers(Game()), true, all);
    ControlNamed<Label>(*this, "Label4").SetVisible(!all);
    ControlNamed<Label>(*this, "Label1").SetVisible(!all);
}

void TForm20::Fill(const std::vector<t_scorer_entry>& entries, bool all_time, bool all) {
    const GameData& data = Game();
    grid_->BeginUpdate();
    grid_->ClearRows();
    const int shown = all ? static_cast<int>(entries.size())
                          : std::min(kAllTimeShown, static_cast<int>(entries.size()));
    for (int i = 0; i < shown; ++i) {
        const t_scorer_entry& e = entries[i];
        const int row = grid_->AddRow();
        const bool has_club = e.club >= 0 && e.club < static_cast<int>(data.teams.size());
        grid_->SetCellTextByVariant("ncpos", row, std::to_string(i + 1));
        grid_->SetCellTextByVariant("gcjogador", row, data.players[e.player].name.str());
        grid_->SetCellTextByVariant(
            "gcclube", row,
            has_club ? data.teams[e.club].name.str() : std::string(all_time ? "Aposentado" : ""));
        grid_->SetCellTextByVariant(all_time ? "gcgolst" : "gcgols", row, std::to_string(e.goals));
        grid_->SetCellTextByVariant(all_time ? "gcjogost" : "gcjogos", row,
                                    std::to_string(e.games));
        grid_->SetCellTextByVariant("gcid", row, std::to_string(e.player));
        grid_->SetCellTextByVariant("gcjogid", row, std::to_string(e.player));
    }
    grid_->EndUpdate();
}

void TForm20::Label1Click() {
    ShowAllTimeScorers(true);
}

void TForm20::t1DblClick() {
    if (grid_->GetRowCount() == 0 || grid_->SelectedRow() < 0) return;
    const int player = std::stoi(grid_->GetCellTextByVariant("gcjogid", grid_->SelectedRow()));
    MainWindowSelections().career_subject_kind = 1;
    MainWindowSelections().career_subject = player;
    if (const auto& open = MainWindowOpener("TForm16")) open();
}

void ShowTopScorersWindow() {
    auto& form = CreateWhileBusy<TForm20>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
