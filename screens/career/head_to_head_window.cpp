#include "screens/career/head_to_head_window.h"

#include <algorithm>
#include <string>

#include "core/game_data.h"
#include "platform/window/combo_box.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/career/career_lists.h"
#include "screens/main/main_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/head_to_head_list.h"
#include "season/player_stats.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kPlainLabel = {{"AutoSize", "False"},
                                                           {"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "Label7",
     .class_name = "TLabel",
     .bounds = {12, 8, 400, 18},
     .caption = "Histórico de confrontos",
     .font = kCareerTitleFont,
     .properties = kPlainLabel},
    {.name = "c1",
     .class_name = "TUiComboBox",
     .bounds = {12, 36, 220, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {236, 39, 16, 14},
     .caption = "x",
     .font = {"Tahoma", 9, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}, {"Transparent", "True"}}},
    {.name = "c2",
     .class_name = "TUiComboBox",
     .bounds = {256, 36, 220, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {488, 35, 140, 24},
     .caption = "Mostrar confrontos",
     .properties = {{"TabOrder", "2"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 68, 240, 16},
     .font = {"Tahoma", 9, fsBold, clYellow},
     .properties = kPlainLabel},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {12, 86, 240, 14},
     .font = kCareerTextFont,
     .properties = kPlainLabel},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {256, 76, 128, 16},
     .font = {"Tahoma", 9, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {388, 68, 240, 16},
     .font = {"Tahoma", 9, fsBold, clYellow},
     .properties = {{"AutoSize", "False"},
                    {"Alignment", "taRightJustify"},
                    {"Transparent", "True"}}},
    {.name = "Label6",
     .class_name = "TLabel",
     .bounds = {388, 86, 240, 14},
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"},
                    {"Alignment", "taRightJustify"},
                    {"Transparent", "True"}}},
    {.name = "Gridview1",
     .class_name = "TReportGrid",
     .bounds = {12, 106, 616, 300},
     .properties = {{"TabOrder", "3"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {604, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "4"}}},
};

}  // namespace

const WindowLayout kForm15Layout = {
    .name = "Form15",
    .class_name = "TForm15",
    .client_width = 640,
    .client_height = 418,
    .caption = "Histórico de confrontos",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterCareerWindowClasses,
};

TForm15::TForm15(int team_a, int team_b) : Form("Form15") {
    BuildWindowLayout(*this, kForm15Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.escape = [this] { Close(); },
                             .enter = [this] { bt3Click(); },
                             .swallow_alt_f4 = false,
                             .before_controls = true});
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { Close(); };
    ControlNamed<Control>(*this, "bt3").on_click = [this] { bt3Click(); };
    grid_ = &ControlNamed<TReportGrid>(*this, "Gridview1");
    const std::tuple<const char*, const char*, int> columns[] = {
        {"gcano", "Ano", 40}, {"gcestadio", "Local", 140}, {"gct1", "", 130},
        {"gcp", "", 40},      {"gct2", "", 130},           {"gccamp", "Competição", 120}};
    for (const auto& [name, caption, width] : columns) {
        auto& column = grid_->Columns().Add(name);
        column.SetWidth(width);
        column.Header().SetCaption(caption);
    }
    BandRows(*grid_);

    const GameData& data = Game();
    order_ = TeamsByName(data);
    std::vector<std::string> names;
    for (int team : order_) names.push_back(data.teams[team].name.str());
    for (int side : {0, 1}) {
        List(side).SetItems(names);
        List(side).drop_down_count = 20;
    }
    const int teams[] = {team_a, team_b};
    for (int side : {0, 1}) {
        const auto at = std::find(order_.begin(), order_.end(), teams[side]);
        if (teams[side] >= 0 && at != order_.end())
            List(side).SetItemIndex(static_cast<int>(at - order_.begin()));
    }
    if (team_a >= 0 && team_b >= 0 && team_a < static_cast<int>(data.teams.size()) &&
        team_b < static_cast<int>(data.teams.size())) {
        ControlNamed<Label>(*this, "Label1").SetCaption(data.teams[team_a].name.str());
        ControlNamed<Label>(*this, "Label2").SetCaption(data.teams[team_b].name.str());
        ShowMeetings(team_a, team_b);
    }
}

ComboBox& TForm15::List(int side) {
    return ControlNamed<ComboBox>(*this, side == 0 ? "c1" : "c2");
}

void TForm15::ChooseTeam(int side, int team) {
    const auto at = std::find(order_.begin(), order_.end(), team);
    if (at != order_.end()) List(side).SetItemIndex(static_cast<int>(at - order_.begin()));
}

void TForm15::bt3Click() {
    const int first = List(0).ItemIndex(), second = List(1).ItemIndex();
    if (first < 0 || second < 0 || first == second) return;
    const GameData& data = Game();
    const int a = order_[first], b = order_[second];
    ControlNamed<Label>(*this, "Label1").SetCaption(data.teams[a].name.str());
    ControlNamed<Label>(*this, "Label2").SetCaption(data.teams[b].name.str());
    ControlNamed<Label>(*this, "Label5").SetCaption("");
    ControlNamed<Label>(*this, "Label6").SetCaption("");
    ShowMeetings(a, b);
}

void TForm15::ShowMeetings(int a, int b) {
    const GameData& data = Game();
    auto name = [&](int team) {
        return team >= 0 && team < static_cast<int>(data.teams.size()) ? data.teams[team].name.str()
                                                                       : std::string();
    };
    const std::vector<int> meetings = HeadToHeadMeetings(data, a, b);
    grid_->BeginUpdate();
    grid_->ClearRows();
    for (int index : meetings) {
        const t_result_entry& r = data.result_history[index];
        const int row = grid_->AddRow();
        grid_->SetCellTextByVariant("gcano", row, std::to_string(2013 + r.season));
        grid_->SetCellTextByVariant("gcestadio", row,
                                    r.home >= 0 && r.home < static_cast<int>(data.teams.size())
                                        ? data.teams[r.home].stadium.str()
                                        : std::string());
        grid_->SetCellTextByVariant("gct1", row, name(r.home));
        grid_->SetCellTextByVariant(
            "gcp", row, std::to_string(r.home_goals) + "x" + std::to_string(r.away_goals));
        grid_->SetCellTextByVariant("gct2", row, name(r.away));
        grid_->SetCellTextByVariant("gccamp", row,
                                    MeetingCompetitionName(r.kind, data.teams[a].country));
    }
    grid_->EndUpdate();
    const int count = static_cast<int>(meetings.size());
    ControlNamed<Label>(*this, "Label4")
        .SetCaption(std::to_string(count) + (count == 1 ? " jogo" : " jogos"));
    if (count == 0) {
        ControlNamed<Label>(*this, "Label5").SetCaption("");
        ControlNamed<Label>(*this, "Label6").SetCaption("");
        return;
    }
    const t_head_to_head h = HeadToHead(data, a, b);
    ControlNamed<Label>(*this, "Label5")
        .SetCaption(HeadToHeadSideLine(h.wins, h.losses, h.goals_for, h.goals_against));
    ControlNamed<Label>(*this, "Label6")
        .SetCaption(HeadToHeadSideLine(h.losses, h.wins, h.goals_against, h.goals_for));
}

void ShowHeadToHeadWindow() {
    const auto& clubs = MainWindowSelections().head_to_head_clubs;
    auto& form = Screen::Get().Create<TForm15>(clubs[0], clubs[1]);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
