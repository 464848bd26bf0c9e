#include "screens/career/club_fixtures_window.h"

#include <string>

#include "core/game_data.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "platform/window/combo_box.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/career/career_lists.h"
#include "screens/main/main_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/fixture_list.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

constexpr TColor kHomeText = static_cast<TColor>(0x00800000);
constexpr TColor kAwayText = static_cast<TColor>(0x000000B9);

const LayoutControl kControls[] = {
    {.name = "escudo",
     .class_name = "TImage",
     .bounds = {12, 6, 44, 44},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {64, 10, 400, 20},
     .font = {"Tahoma", 11, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {64, 34, 60, 14},
     .caption = "Mostrar:",
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "combo1",
     .class_name = "TUiComboBox",
     .bounds = {124, 31, 170, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {304, 34, 300, 14},
     .caption = "(duplo clique pra ver info de partidas já jogadas)",
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "list1",
     .class_name = "TReportGrid",
     .bounds = {12, 58, 756, 380},
     .properties = {{"TabOrder", "1"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {744, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "2"}}},
};

}  // namespace

const WindowLayout kForm18Layout = {
    .name = "Form18",
    .class_name = "TForm18",
    .client_width = 780,
    .client_height = 450,
    .caption = "Jogos do time",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterCareerWindowClasses,
};

std::function<void(int)>& ClubFixturesMatchView() {
    static std::function<void(int)> view;
    return view;
}

TForm18::TForm18(int club) : Form("Form18"), club_(club) {
    BuildWindowLayout(*this, kForm18Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.escape = [this] { Close(); },
                             .enter = [this] { Close(); },
                             .swallow_alt_f4 = false,
                             .before_controls = true});
    ControlNamed<Control>(*this, "bt3").on_click = [this] { Close(); };
    grid_ = &ControlNamed<TReportGrid>(*this, "list1");
    const std::tuple<const char*, const char*, int> columns[] = {
        {"gcdata", "Data", 104},      {"gcforacasa", "", 20},
        {"gctime1", "", 140},         {"gcx", "", 36},
        {"gctime2", "", 140},         {"gcnomecamp", "Campeonato", 140},
        {"gcpublico", "Público", 66}, {"gcrenda", "Renda", 86}};
    for (const auto& [name, caption, width] : columns) {
        auto& column = grid_->Columns().Add(name);
        column.SetWidth(width);
        column.Header().SetCaption(caption);
    }
    grid_->Columns().ColumnByName("gcdata")->SetAlignment(taRightJustify);
    grid_->Columns().ColumnByName("gctime1")->SetAlignment(taRightJustify);
    grid_->Columns().ColumnByName("gcforacasa")->SetAlignment(taCenter);
    grid_->Columns().ColumnByName("gcx")->SetAlignment(taCenter);
    grid_->Columns().Add("gcid").SetVisible(false);
    BandRows(*grid_);
    grid_->on_cell_formating = [this](int col, int row, TColor& text, FontStyles&, TCellState) {
        if (!grid_->Columns().IsValidIndex(col) ||
            grid_->Columns().GetItem(col).Name() != "gcforacasa")
            return;
        text = grid_->GetCellTextByVariant("gcforacasa", row) == "C" ? kHomeText : kAwayText;
    };
    grid_->on_dbl_click = [this] { list1DblClick(); };
    Filter().on_change = [this] { combo1Change(); };

    const GameData& data = Game();
    if (club_ < 0 || club_ >= static_cast<int>(data.teams.size())) return;
    ControlNamed<Label>(*this, "Label1").SetCaption(data.teams[club_].name.str());
    if (const std::string crest = BuildCrestPath(club_); !crest.empty())
        ControlNamed<Image>(*this, "escudo").LoadFromFile(crest);
    List(-1);
    filters_ = ClubFixtureFilters(data, club_);
    for (const t_fixture_filter& f : filters_) Filter().AddItem(f.text);
    Filter().SetItemIndex(0);
}

ComboBox& TForm18::Filter() {
    return ControlNamed<ComboBox>(*this, "combo1");
}

void TForm18::combo1Change() {
    const int index = Filter().ItemIndex();
    if (index >= 0 && index < static_cast<int>(filters_.size())) List(filters_[index].kind);
}

void TForm18::List(int kind) {
    const GameData& data = Game();
    auto name = [&](int team) {
        return team >= 0 && team < static_cast<int>(data.teams.size()) ? data.teams[team].name.str()
                                                                       : std::string();
    };
    grid_->BeginUpdate();
    grid_->ClearRows();
    for (int f : ClubFixtures(data, club_, kind)) {
        const t_fixture& fx = data.fixtures[f];
        const int row = grid_->AddRow();
        grid_->SetCellTextByVariant("gcdata", row, FixtureDateText(fx.date));
        grid_->SetCellTextByVariant("gcforacasa", row, fx.home == club_ ? "C" : "F");
        grid_->SetCellTextByVariant("gctime1", row, name(fx.home));
        grid_->SetCellTextByVariant("gctime2", row, name(fx.away));
        grid_->SetCellTextByVariant("gcnomecamp", row,
                                    ClubFixtureCompetition(data, club_, fx.kind));
        if (fx.played) {
            grid_->SetCellTextByVariant(
                "gcx", row, std::to_string(fx.home_goals) + "x" + std::to_string(fx.away_goals));
            grid_->SetCellTextByVariant("gcpublico", row, FormatDigitGroups(fx.attendance));
            grid_->SetCellTextByVariant("gcrenda", row, "$ " + FormatMoneyInWords(fx.gate_income));
            grid_->SetCellTextByVariant("gcid", row, std::to_string(f));
        } else {
            grid_->SetCellTextByVariant("gcx", row, "x");
            grid_->SetCellTextByVariant("gcid", row, "-1");
        }
    }
    grid_->EndUpdate();
}

void TForm18::list1DblClick() {
    if (grid_->GetRowCount() == 0 || grid_->SelectedRow() < 0) return;
    const int fixture = std::stoi(grid_->GetCellTextByVariant("gcid", grid_->SelectedRow()));
    if (fixture < 0) return;
    const int archived = ArchivedMatchOfFixture(Game(), fixture);
    if (archived < 0) return;
    if (const auto& view = ClubFixturesMatchView()) view(archived);
}

void ShowClubFixturesWindow() {
    auto& form = Screen::Get().Create<TForm18>(MainWindowSelections().fixtures_team);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
