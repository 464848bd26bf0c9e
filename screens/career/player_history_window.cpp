#include "screens/career/player_history_window.h"

#include <string>

#include "core/dates.h"
#include "core/game_data.h"
#include "core/text_tables.h"
#include "platform/window/screen.h"
#include "screens/career/career_lists.h"
#include "screens/main/main_window.h"
#include "screens/match/match_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/career_texts.h"
#include "season/player_match_ratings.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "MarkupLabel1",
     .class_name = "TMarkupLabel",
     .bounds = {12, 8, 620, 22},
     .font = {"Tahoma", 11, fsBold, clYellow},
     .properties = {{"Transparent", "True"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 36, 300, 14},
     .caption = "Histórico da Carreira",
     .font = {"Tahoma", 8, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "infojt", .class_name = "TUiSmoothPanel", .bounds = {12, 54, 330, 350}},
    {.name = "lbcarreira",
     .class_name = "TMarkupLabel",
     .parent = "infojt",
     .bounds = {2, 4, 326, 342},
     .font = {"Tahoma", 8, 0, clBlack},
     .properties = {{"Transparent", "True"}}},
    {.name = "SchemeButton3",
     .class_name = "TSchemeButton",
     .bounds = {12, 410, 40, 22},
     .caption = "<<",
     .properties = {{"TabOrder", "1"}, {"Visible", "False"}}},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {302, 410, 40, 22},
     .caption = ">>",
     .properties = {{"TabOrder", "2"}, {"Visible", "False"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {354, 36, 314, 14},
     .caption = "Jogos na temporada atual",
     .font = {"Tahoma", 8, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "gridview1",
     .class_name = "TReportGrid",
     .bounds = {354, 54, 314, 350},
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {644, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "3"}}},
};

}  // namespace

const WindowLayout kForm16Layout = {
    .name = "Form16",
    .class_name = "TForm16",
    .client_width = 680,
    .client_height = 440,
    .caption = "Histórico do Jogador",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterCareerWindowClasses,
};

std::function<void(int)>& PlayerHistoryMatchView() {
    static std::function<void(int)> view;
    return view;
}

TForm16::TForm16(int player) : Form("Form16"), player_(player) {
    BuildWindowLayout(*this, kForm16Layout);
    TileGameBackground(*this);
    CloseOnEscape(*this);
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { Close(); };
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { SchemeButton2Click(); };
    ControlNamed<Control>(*this, "SchemeButton3").on_click = [this] { SchemeButton3Click(); };
    grid_ = &ControlNamed<TReportGrid>(*this, "gridview1");
    grid_->Columns().Add("gcid").SetVisible(false);
    const std::tuple<const char*, const char*, int> columns[] = {
        {"gcdata", "Data", 70}, {"gcjogo", "Jogo", 200}, {"gcnota", "Nota", 40}};
    for (const auto& [name, caption, width] : columns) {
        auto& column = grid_->Columns().Add(name);
        column.SetWidth(width);
        column.Header().SetCaption(caption);
    }
    BandRows(*grid_);
    AddEventIcons(icons_);
    ControlNamed<TMarkupLabel>(*this, "lbcarreira").SetPictureContainer(&icons_);
    grid_->on_dbl_click = [this] { gridview1DblClick(); };

    GameData& data = Game();
    if (player_ < 1 || player_ >= static_cast<int>(data.players.size())) return;
    const t_player& p = data.players[player_];
    const std::string letter =
        p.position >= 0 && p.position < 5 ? std::string(position_letters[p.position]) : "";
    ControlNamed<TMarkupLabel>(*this, "MarkupLabel1")
        .SetHTMLText("<P align=\"center\"><SHAD>" + letter + " - " + p.name.str() + "</SHAD></P>");
    ShowCareerPage(0);
    FillRatings();
}

void TForm16::ShowCareerPage(int first_row) {
    const t_info page = PlayerCareerPage(Game(), player_, first_row);
    career_text_ = page.text;
    ControlNamed<TMarkupLabel>(*this, "lbcarreira").SetHTMLText(career_text_);
    ControlNamed<Control>(*this, "SchemeButton2").SetVisible(page.next_page > 0);
    ControlNamed<Control>(*this, "SchemeButton3").SetVisible(page.prev_page > 0);
    first_row_ = std::max(0, first_row);
    next_page_ = page.next_page;
}

void TForm16::SchemeButton2Click() {
    if (next_page_ > 0) ShowCareerPage(next_page_);
}

// Back by the rows a page shows, so that "<<" undoes ">>" exactly.
void TForm16::SchemeButton3Click() {
    ShowCareerPage(std::max(0, first_row_ - kPlayerCareerPageRows));
}

void TForm16::FillRatings() {
    const GameData& data = Game();
    grid_->BeginUpdate();
    for (const t_rated_match& r : PlayerSeasonRatings(data, player_)) {
        const t_archived_match& m = data.match_archive[r.archived_match];
        auto team = [&](int side) {
            const int t = m.team[side];
            return t >= 0 && t < static_cast<int>(data.teams.size()) ? data.teams[t].name.str()
                                                                     : std::string();
        };
        const int row = grid_->AddRow();
        grid_->SetCellTextByVariant("gcid", row, std::to_string(r.archived_match));
        grid_->SetCellTextByVariant("gcdata", row, FormatDate(m.date));
        grid_->SetCellTextByVariant("gcjogo", row,
                                    team(0) + " " + std::to_string(m.goals[0]) + " x " +
                                        std::to_string(m.goals[1]) + " " + team(1));
        grid_->SetCellTextByVariant("gcnota", row, RatingText(r.rating));
    }
    grid_->EndUpdate();
}

void TForm16::gridview1DblClick() {
    if (grid_->GetRowCount() == 0 || grid_->SelectedRow() < 0) return;
    const int match = std::stoi(grid_->GetCellTextByVariant("gcid", grid_->SelectedRow()));
    if (const auto& view = PlayerHistoryMatchView()) view(match);
}

void ShowPlayerHistoryWindow() {
    auto& form = Screen::Get().Create<TForm16>(MainWindowSelections().career_subject);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
