#include "screens/career/coach_ranking_window.h"

#include <algorithm>

#include "core/display_names.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/screen_size.h"
#include "platform/window/combo_box.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/career/career_lists.h"
#include "screens/main/main_window.h"
#include "screens/start/country_columns.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/career_texts.h"
#include "season/coach_ranking.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr int kBrazil = 29;
constexpr TColor kHumanText = static_cast<TColor>(0x00004000);
constexpr TColor kHeadingColour = static_cast<TColor>(0x00AED7FF);

const LayoutControl kForm47Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 18},
     .caption = "Ranking de Técnicos",
     .font = kCareerTitleFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "combopais",
     .class_name = "TUiComboBox",
     .bounds = {12, 32, 190, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "gridview1",
     .class_name = "TReportGrid",
     .bounds = {12, 60, 390, 380},
     .properties = {{"TabOrder", "1"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {12, 444, 390, 28},
     .caption = "Obs: No ranking mundial os pontos ganhos no estadual não contam para a "
                "classificação",
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"},
                    {"Visible", "False"},
                    {"WordWrap", "True"},
                    {"Transparent", "True"}}},
    {.name = "label13",
     .class_name = "TMarkupLabel",
     .bounds = {414, 32, 220, 20},
     .font = {"Tahoma", 10, 0, clWhite},
     .properties = {{"Transparent", "True"}}},
    {.name = "label53",
     .class_name = "TMarkupLabel",
     .bounds = {640, 32, 110, 20},
     .font = {"Tahoma", 10, 0, clWhite},
     .properties = {{"Transparent", "True"}}},
    {.name = "infojt", .class_name = "TUiSmoothPanel", .bounds = {414, 60, 342, 250}},
    {.name = "lbcarreira",
     .class_name = "TMarkupLabel",
     .parent = "infojt",
     .bounds = {2, 4, 338, 242},
     .font = {"Tahoma", 8, 0, clBlack},
     .properties = {{"Transparent", "True"}}},
    {.name = "SchemeButton3",
     .class_name = "TSchemeButton",
     .bounds = {414, 314, 40, 22},
     .caption = "<<",
     .properties = {{"TabOrder", "2"}, {"Visible", "False"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {716, 314, 40, 22},
     .caption = ">>",
     .properties = {{"TabOrder", "3"}, {"Visible", "False"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {414, 342, 120, 14},
     .font = {"Tahoma", 8, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {636, 342, 120, 14},
     .caption = "Galeria de troféus",
     .font = {"Tahoma", 8, fsUnderline, 0x00FFCC66},
     .properties = {{"AutoSize", "False"},
                    {"Alignment", "taRightJustify"},
                    {"Cursor", "crHandPoint"},
                    {"Transparent", "True"}}},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {414, 360, 342, 110},
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"}, {"WordWrap", "True"}, {"Transparent", "True"}}},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {732, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "4"}}},
};

const LayoutControl kForm19Controls[] = {
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 18},
     .caption = "Galeria de Troféus",
     .font = kCareerTitleFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 30, 360, 18},
     .font = {"Tahoma", 10, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "grid1",
     .class_name = "TReportGrid",
     .bounds = {12, 54, 376, 320},
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {364, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "1"}}},
};

}  // namespace

const WindowLayout kForm47Layout = {
    .name = "Form47",
    .class_name = "TForm47",
    .client_width = 768,
    .client_height = 476,
    .caption = "Ranking de Técnicos",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kForm47Controls,
    .register_classes = RegisterCareerWindowClasses,
};

const WindowLayout kForm19Layout = {
    .name = "Form19",
    .class_name = "TForm19",
    .client_width = 400,
    .client_height = 386,
    .caption = "Galeria de Troféus",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kForm19Controls,
    .register_classes = RegisterCareerWindowClasses,
};

TForm47::TForm47(int coach) : Form("Form47") {
    BuildWindowLayout(*this, kForm47Layout);
    TileGameBackground(*this);
    // A list this large takes the whole of a screen of 800x600 or less.
    if (ScreenSizeClass() < 2) FillScreen(*this);
    CloseOnEscape(*this);
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { Close(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SchemeButton1Click(); };
    ControlNamed<Control>(*this, "SchemeButton3").on_click = [this] { SchemeButton3Click(); };
    ControlNamed<Label>(*this, "Label4").on_click = [this] { Label4Click(); };
    grid_ = &ControlNamed<TReportGrid>(*this, "gridview1");
    grid_->Columns().Add("id").SetVisible(false);
    const std::tuple<const char*, const char*, int, bool> columns[] = {
        {"colocacao", "", 30, true},
        {"gctecnico", "Técnico", 140, true},
        {"timeatual", "Time atual", 140, true},
        {"Mundial", "M", 20, false},
        {"lib", "L", 20, false},
        {"sul", "S", 20, false},
        {"nacional", "N", 20, false},
        {"copa", "C", 20, false},
        {"estadual", "E", 20, false},
        {"pontos", "Pontos", 56, true}};
    for (const auto& [name, caption, width, visible] : columns) {
        auto& column = grid_->Columns().Add(name);
        column.SetWidth(width);
        column.Header().SetCaption(caption);
        column.SetVisible(visible);
    }
    BandRows(*grid_);
    grid_->on_cell_formating = [this](int, int row, TColor& text, FontStyles& style, TCellState) {
        const std::string id = grid_->GetCellTextByVariant("id", row);
        if (id.empty()) return;
        const int c = std::stoi(id);
        if (c >= 0 && c < static_cast<int>(Game().coaches.size()) && Game().coaches[c].human) {
            text = kHumanText;
            style = fsBold;
        }
    };
    grid_->on_select_cell = [this](int, int) { ShowCoach(-1); };
    Countries().on_change = [this] { combopaisChange(); };

    const GameData& data = Game();
    ControlNamed<Label>(*this, "Label3").SetVisible(data.game_state.state_leagues_on);
    const bool known = coach >= 0 && coach < static_cast<int>(data.coaches.size());
    int country = kBrazil;
    if (known)
        country = CoachCountry(data, coach);
    else if (data.game_state.user_club >= 0 &&
             data.game_state.user_club < static_cast<int>(data.teams.size()))
        country = data.teams[data.game_state.user_club].country;
    FillLeagueCombo(Countries(), country);
    if (Countries().Count() > 1) Countries().AddItem("Internacional");
    const int league = std::max(0, Countries().ItemIndex());
    Fill(league < static_cast<int>(data.league_configs.size()) ? data.league_configs[league].country
                                                               : -1,
         known ? coach : -1);
    MainWindowSelections().career_subject = -1;
}

ComboBox& TForm47::Countries() {
    return ControlNamed<ComboBox>(*this, "combopais");
}

int TForm47::SelectedCoach() {
    const int row = grid_->SelectedRow();
    if (row < 0 || row >= grid_->GetRowCount()) return -1;
    return std::stoi(grid_->GetCellTextByVariant("id", row));
}

void TForm47::combopaisChange() {
    const GameData& data = Game();
    const int item = Countries().ItemIndex();
    const int leagues = static_cast<int>(data.league_configs.size());
    Fill(item >= 0 && item < leagues ? data.league_configs[item].country : -1, -1);
}

void TForm47::Fill(int country, int coach) {
    const GameData& data = Game();
    const auto ranking = CoachRanking(data, country);
    grid_->BeginUpdate();
    grid_->ClearRows();
    int select = 0;
    for (int i = 0; i < static_cast<int>(ranking.size()); ++i) {
        const t_coach_rank& r = ranking[i];
        const t_coach& c = data.coaches[r.coach];
        const int row = grid_->AddRow();
        auto set = [&](const char* column, const std::string& text) {
            grid_->SetCellTextByVariant(column, row, text);
        };
        set("id", std::to_string(r.coach));
        set("colocacao", std::to_string(i + 1));
        set("gctecnico", c.name.str());
        if (c.employed && c.club >= 0 && c.club < static_cast<int>(data.teams.size()))
            set("timeatual", data.teams[c.club].name.str());
        set("Mundial", std::to_string(r.world));
        set("lib", std::to_string(r.continental));
        set("sul", std::to_string(r.second_cup));
        set("nacional", std::to_string(r.league));
        set("copa", std::to_string(r.cup));
        set("estadual", std::to_string(r.state));
        set("pontos", std::to_string(r.points));
        if (r.coach == coach) select = i;
    }
    grid_->EndUpdate();
    if (ranking.empty()) return;
    grid_->SetSelectedRow(select);
    ShowCoach(-1);
}

void TForm47::ShowCoach(int first_row) {
    const int coach = SelectedCoach();
    if (coach < 0) return;
    GameData& data = Game();
    const t_info page = CoachCareerPage(data, coach, first_row);
    career_text_ = page.text;
    ControlNamed<TMarkupLabel>(*this, "lbcarreira").SetHTMLText(career_text_);
    const t_coach& c = data.coaches[coach];
    ControlNamed<TMarkupLabel>(*this, "label13")
        .SetHTMLText("<B><FONT color=\"#D9D900\"><SHAD>" + c.name.str() + "</SHAD></FONT></B>");
    ControlNamed<TMarkupLabel>(*this, "label53")
        .SetHTMLText("<B><FONT color=\"#D9D900\"><SHAD>" + std::to_string(c.ranking_points) +
                     " pontos</SHAD></FONT></B>");
    ControlNamed<Control>(*this, "SchemeButton1").SetVisible(page.next_page > 0);
    ControlNamed<Control>(*this, "SchemeButton3").SetVisible(page.prev_page > 0);
    first_row_ = std::max(0, first_row);
    next_page_ = page.next_page;
    const std::string titles = CoachTitlesText(data, coach);
    ControlNamed<Label>(*this, "Label2").SetCaption(titles.empty() ? "" : "Títulos");
    ControlNamed<Label>(*this, "Label5").SetCaption(titles);
}

void TForm47::SchemeButton1Click() {
    if (next_page_ > 0) ShowCoach(next_page_);
}

void TForm47::SchemeButton3Click() {
    ShowCoach(std::max(0, first_row_ - kCoachCareerPageRows));
}

void TForm47::Label4Click() {
    const int coach = SelectedCoach();
    if (coach < 0) return;
    MainWindowSelections().career_subject = coach;
    ShowCoachTrophyGallery();
}

TForm19::TForm19(int coach) : Form("Form19") {
    BuildWindowLayout(*this, kForm19Layout);
    TileGameBackground(*this);
    CloseOnEscape(*this);
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { Close(); };
    grid_ = &ControlNamed<TReportGrid>(*this, "grid1");
    auto& year = grid_->Columns().Add("gcano");
    year.SetWidth(44);
    year.Header().SetCaption("Ano");
    AddFlagColumn(*grid_, "gcescudo");
    auto& club = grid_->Columns().Add("gcclube");
    club.SetWidth(250);
    club.Header().SetCaption("Clube");
    AddFlagColumn(*grid_, "gcpais");
    auto heading = [this](int row, TCellState state) {
        return !state.Has(csSelected) && row >= 0 && row < grid_->GetRowCount() &&
               grid_->GetCellTextByVariant("gcano", row).empty();
    };
    grid_->on_cell_coloring = [heading](int, int row, TColor& colour, TColor&, TCellState state) {
        if (heading(row, state)) colour = kHeadingColour;
    };
    grid_->on_cell_formating = [heading](int, int row, TColor&, FontStyles& style,
                                         TCellState state) {
        if (heading(row, state)) style = fsBold;
    };
    const GameData& data = Game();
    if (coach < 0 || coach >= static_cast<int>(data.coaches.size())) return;
    ControlNamed<Label>(*this, "Label1").SetCaption(data.coaches[coach].name.str());
    grid_->BeginUpdate();
    for (const t_coach_trophy_row& r : CoachTrophyRows(data, coach)) {
        const int row = grid_->AddRow();
        if (r.season == 0) {
            grid_->SetCellTextByVariant("gcclube", row, CompetitionName(data, r.competition));
            continue;
        }
        grid_->SetCellTextByVariant("gcano", row, std::to_string(2013 + r.season));
        if (r.team < 0 || r.team >= static_cast<int>(data.teams.size())) continue;
        grid_->SetCellTextByVariant("gcclube", row, data.teams[r.team].name.str());
        SetFlagCell(*grid_, "gcpais", row, data.teams[r.team].country);
        Picture crest = CrestThumbnail(r.team, 22);
        if (!crest.empty()) {
            crests_.push_back(std::move(crest));
            grid_->GetCellByVariant("gcescudo", row).ObjectReference = &crests_.back();
        }
    }
    grid_->EndUpdate();
}

void ShowCoachRankingWindow() {
    auto& form = Screen::Get().Create<TForm47>(MainWindowSelections().career_subject);
    form.ShowModal();
    form.Release();
}

void ShowCoachTrophyGallery() {
    auto& form = Screen::Get().Create<TForm19>(MainWindowSelections().career_subject);
    form.ShowModal();
    form.Release();
    MainWindowSelections().career_subject = -1;
}

}  // namespace kv
