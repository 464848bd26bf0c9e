#include "editor/move_player_window.h"

#include "editor/editor_search.h"
#include "editor/editor_session.h"
#include "platform/window/button.h"
#include "platform/window/edit.h"
#include "platform/window/label.h"
#include "platform/window/message_box.h"
#include "screens/start/window_layout.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kPlain = {{"AutoSize", "False"},
                                                      {"Transparent", "True"}};

const LayoutControl kForm79Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 20},
     .caption = "Transferir Jogador",
     .font = {"Tahoma", 11, fsBold, clWhite},
     .properties = kPlain},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {12, 34, 490, 16},
     .caption = "Nome para",
     .font = {"Tahoma", 8, fsBold, clWhite},
     .properties = kPlain},
    {.name = "grid1",
     .class_name = "TReportGrid",
     .bounds = {12, 56, 300, 250},
     .properties = {{"TabOrder", "0"}, {"Options", "goHeader,goSelectFullRow"}}},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {324, 56, 180, 16},
     .caption = "Procurar time na lista",
     .font = {"Tahoma", 8, fsBold, clWhite},
     .properties = kPlain},
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {324, 76, 100, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "SchemeButton3",
     .class_name = "TButton",
     .bounds = {430, 75, 74, 23},
     .caption = "Procurar",
     .properties = {{"TabOrder", "2"}}},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {324, 104, 180, 44},
     .caption = "(dica: digite as primeiras letras do nome do time que quer encontrar)",
     .font = {"Tahoma", 8, 0, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}, {"WordWrap", "True"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {324, 160, 180, 20},
     .font = {"Tahoma", 10, fsBold, clYellow},
     .properties = kPlain},
    {.name = "SchemeButton1",
     .class_name = "TButton",
     .bounds = {324, 281, 88, 25},
     .caption = "Transferir",
     .properties = {{"TabOrder", "3"}, {"Enabled", "False"}}},
    {.name = "SchemeButton2",
     .class_name = "TButton",
     .bounds = {416, 281, 88, 25},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "4"}, {"Cancel", "True"}}},
};

}  // namespace

const WindowLayout kForm79Layout = {
    .name = "Form79",
    .class_name = "TForm79",
    .client_width = 515,
    .client_height = 318,
    .caption = "Transferir Jogador",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = 0x006600,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kForm79Controls,
    .register_classes = RegisterGridControlClasses,
};

TForm79::TForm79(const std::vector<int>& clubs, int slot) : Form("Form79"), slot_(slot) {
    BuildWindowLayout(*this, kForm79Layout);
    grid1_ = &ControlNamed<TReportGrid>(*this, "grid1");
    grid1_->Columns().Add("idtr").SetVisible(false);
    TGrCustomColumn& club = grid1_->Columns().Add("clube");
    club.SetWidth(130);
    club.Header().SetCaption("Clube");
    TGrCustomColumn& country = grid1_->Columns().Add("paisnome");
    country.SetWidth(150);
    country.Header().SetCaption("País");
    const EditorDatabase& db = Editor().db;
    grid1_->BeginUpdate();
    for (int c : clubs) {
        // A club the tables do not hold (no database loaded) is not offered.
        const t_club_file_record* club_record = db.ClubRecord(c);
        if (!club_record) continue;
        const int row = grid1_->AddRow();
        grid1_->SetCellTextByVariant("idtr", row, std::to_string(c));
        grid1_->SetCellTextByVariant("clube", row, club_record->short_name.str());
        grid1_->SetCellTextByVariant("paisnome", row, CountryText(club_record->country));
    }
    grid1_->EndUpdate();
    if (slot_ > 0)
        ControlNamed<Label>(*this, "Label2")
            .SetCaption("Transferir " + db.ClubPlayer(Editor().current_club, slot_).name +
                        " para:");
    grid1_->on_select_cell = [this](int, int row) { grid1SelectCell(row); };
    ControlNamed<Button>(*this, "SchemeButton3").on_click = [this] { SchemeButton3Click(); };
    ControlNamed<Button>(*this, "SchemeButton1").on_click = [this] { SchemeButton1Click(); };
    ControlNamed<Button>(*this, "SchemeButton2").on_click = [this] { SetModalResult(mrCancel); };
    DoCreate();
}

void TForm79::grid1SelectCell(int row) {
    if (row < 0 || row >= grid1_->GetRowCount()) return;
    destination_ = std::stoi(grid1_->GetCellTextByVariant("idtr", row));
    const EditorDatabase& db = Editor().db;
    ControlNamed<Button>(*this, "SchemeButton1")
        .SetEnabled(slot_ > 0 && db.CanMovePlayerTo(destination_));
    ControlNamed<Label>(*this, "Label3").SetCaption(db.clubs()[destination_].club.short_name.str());
}

void TForm79::SchemeButton3Click() {
    const std::string& typed = ControlNamed<Edit>(*this, "Edit1").Text();
    if (typed.empty()) return;
    for (int row = 0; row < grid1_->GetRowCount(); ++row) {
        if (NameStartsWith(grid1_->GetCellTextByVariant("clube", row), typed)) {
            grid1_->SetSelectedRow(row);
            grid1SelectCell(row);
            grid1_->SetFocus();
            return;
        }
    }
}

void TForm79::SchemeButton1Click() {
    EditorSession& editor = Editor();
    if (slot_ <= 0 || destination_ < 0) return;
    if (std::string error = editor.db.MovePlayer(slot_, editor.current_club, destination_);
        !error.empty()) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    SetModalResult(mrOk);
}

}  // namespace kv
