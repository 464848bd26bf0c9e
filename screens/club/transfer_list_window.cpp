#include "screens/club/transfer_list_window.h"

#include <string>
#include <vector>

#include "core/game_data.h"
#include "platform/window/label.h"
#include "platform/window/layout_builder.h"
#include "platform/window/screen.h"
#include "screens/club/club_money_window_parts.h"
#include "ui/controls/ui_combo_box.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    ClubLabel("Label5", 16, 12, 330, "Jogadores - todos", kClubHeadingFont),
    {.name = "combopais",
     .class_name = "TUiComboBox",
     .bounds = {350, 8, 180, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Gridview1",
     .class_name = "TReportGrid",
     .bounds = {8, 38, 556, 412},
     .properties = {{"Options", "goHeader, goSelectFullRow"},
                    {"RowSize", "18"},
                    {"TabOrder", "1"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {540, 8, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "2"}}},
};

struct Column {
    const char* name;
    const char* header;
    int width;
};
constexpr Column kColumns[] = {{"id", "", 0},
                               {"gcano", "Data", 70},
                               {"Gcjogador", "Jogador", 120},
                               {"gcorigem", "Clube de Origem", 115},
                               {"gcdestino", "Clube de Destino", 115},
                               {"gcvalor", "Valor", 100}};

}  // namespace

const WindowLayout kForm58Layout =
    ClubWindowLayout("Form58", "TForm58", 572, 458, "Transferências", kControls);

TForm58::TForm58(TransferListMode mode, int club) : Form("Form58"), mode_(mode), club_(club) {
    BuildClubWindow(*this, kForm58Layout, "bt3");
    auto& grid = ControlNamed<TReportGrid>(*this, "Gridview1");
    for (const Column& c : kColumns) {
        TGrCustomColumn& column = grid.Columns().Add(c.name, ckString);
        column.Header().SetCaption(c.header);
        column.SetWidth(c.width);
        column.SetVisible(c.width > 0);
    }
    BandReportRows(grid);
    const GameData& data = Game();
    std::vector<std::string> clubs{"Todos"};
    for (int t = 0; t < data.game_state.league_club_count && InTable(data.teams, t); ++t)
        clubs.push_back(data.teams[static_cast<std::size_t>(t)].name.str());
    auto& filter = ControlNamed<TUiComboBox>(*this, "combopais");
    filter.SetItems(std::move(clubs));
    filter.on_change = [this] { combopaisChange(); };
    Fill();
    DoCreate();
}

void TForm58::combopaisChange() {
    const int item = ControlNamed<TUiComboBox>(*this, "combopais").ItemIndex();
    if (item <= 0) {
        mode_ = TransferListMode::kAllTransfers;
    } else {
        mode_ = TransferListMode::kClubTransfers;
        club_ = item - 1;
    }
    Fill();
}

void TForm58::Fill() {
    const GameData& data = Game();
    auto& grid = ControlNamed<TReportGrid>(*this, "Gridview1");
    grid.ClearRows();
    const bool coaches = mode_ == TransferListMode::kCoachAppointments;
    auto& filter = ControlNamed<TUiComboBox>(*this, "combopais");
    filter.SetVisible(!coaches);
    // A club outside the league (shown from its team view) has no item: nothing is selected.
    const bool listed = club_ >= 0 && club_ < data.game_state.league_club_count;
    if (mode_ == TransferListMode::kClubTransfers)
        filter.SetItemIndex(listed ? club_ + 1 : -1);
    else
        filter.SetItemIndex(0);
    auto column = [&grid](const char* name) { return grid.Columns().ColumnByName(name); };
    column("Gcjogador")->Header().SetCaption(coaches ? "Técnico" : "Jogador");
    column("Gcjogador")->SetWidth(coaches ? 160 : 120);
    column("gcdestino")
        ->Header()
        .SetCaption(coaches ? "Clube em que foi admitido" : "Clube de Destino");
    column("gcdestino")->SetWidth(coaches ? 200 : 115);
    column("gcorigem")->SetVisible(!coaches);
    column("gcvalor")->SetVisible(!coaches);
    ControlNamed<Label>(*this, "Label5").SetCaption(TransferListTitle(data, mode_, club_));
    for (const TransferListRow& r : TransferListRows(data, mode_, club_)) {
        const int row = grid.AddRow();
        grid.SetCellTextByVariant("gcano", row, r.date);
        grid.SetCellTextByVariant("Gcjogador", row, r.name);
        grid.SetCellTextByVariant("gcorigem", row, r.from);
        grid.SetCellTextByVariant("gcdestino", row, r.to);
        grid.SetCellTextByVariant("gcvalor", row, r.fee);
    }
}

void ShowTransferListWindow(TransferListMode mode, int club) {
    ShowClubWindow<TForm58>(mode, club);
}

}  // namespace kv
