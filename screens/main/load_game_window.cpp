#include "screens/main/load_game_window.h"

#include "core/picture_paths.h"
#include "core/saved_game_files.h"
#include "platform/base/files.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/button.h"
#include "platform/window/label.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "screens/start/title_window.h"
#include "screens/start/title_menu.h"
#include "screens/start/window_layout.h"
#include "season/load_game.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

// Light text straight on the window's dark background picture.
constexpr TColor kBackgroundColour = 0x00203A0E;
constexpr LayoutFont kValueFont = {"Tahoma", 8, 0, clWhite};
constexpr LayoutFont kCaptionFont = {"Tahoma", 8, fsBold, clYellow};
const std::initializer_list<LayoutProperty> kHiddenLabel = {
    {"AutoSize", "False"}, {"Visible", "False"}, {"Transparent", "True"}};

const LayoutControl kForm21Controls[] = {
    {.name = "Label7",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 16},
     .caption = "Carregar jogo",
     .font = {"Tahoma", 10, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "grid1",
     .class_name = "TReportGrid",
     .bounds = {12, 30, 300, 220},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {324, 34, 90, 14},
     .caption = "Técnico:",
     .font = kCaptionFont,
     .properties = kHiddenLabel},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {324, 50, 200, 14},
     .font = kValueFont,
     .properties = kHiddenLabel},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {324, 74, 90, 14},
     .caption = "Time:",
     .font = kCaptionFont,
     .properties = kHiddenLabel},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {324, 90, 200, 14},
     .font = kValueFont,
     .properties = kHiddenLabel},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {324, 114, 200, 14},
     .font = kValueFont,
     .properties = kHiddenLabel},
    {.name = "Label6",
     .class_name = "TLabel",
     .bounds = {324, 138, 120, 14},
     .caption = "Próximo Jogo:",
     .font = kCaptionFont,
     .properties = kHiddenLabel},
    {.name = "Label8",
     .class_name = "TLabel",
     .bounds = {324, 154, 200, 30},
     .font = kValueFont,
     .properties = {{"AutoSize", "False"},
                    {"Visible", "False"},
                    {"WordWrap", "True"},
                    {"Transparent", "True"}}},
    {.name = "BitBtn1",
     .class_name = "TButton",
     .bounds = {324, 225, 64, 25},
     .caption = "Carregar",
     .properties = {{"TabOrder", "1"}}},
    {.name = "BitBtn2",
     .class_name = "TButton",
     .bounds = {392, 225, 64, 25},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "2"}}},
    {.name = "BitBtn3",
     .class_name = "TButton",
     .bounds = {460, 225, 64, 25},
     .caption = "Apagar ",
     .properties = {{"TabOrder", "3"}}},
};

}  // namespace

const WindowLayout kForm21Layout = {
    .name = "Form21",
    .class_name = "TForm21",
    .client_width = 536,
    .client_height = 262,
    .caption = "Carregar jogo",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kBackgroundColour,
    // Not stay-on-top: its own messages (delete, damaged file) must come above it, and being
    // modal keeps it above the title window anyway.
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kForm21Controls,
    .register_classes = RegisterGridControlClasses,
};

std::function<void(NextScreen)>& LoadedGameContinues() {
    static std::function<void(NextScreen)> next;
    return next;
}

TForm21::TForm21() : Form("Form21") {
    BuildWindowLayout(*this, kForm21Layout);
    // The load window has a background picture of its own, not the shared one.
    if (const std::string path = GamePath("img\\f03.bmp"); FileExists(path))
        background_.LoadFromFile(ResolvePath(path));
    background_picture = &background_;
    grid_ = &ControlNamed<TReportGrid>(*this, "grid1");
    grid_->Columns().Add("gcstatus").SetVisible(false);
    grid_->Columns().Add("gcarquivo").SetWidth(280);
    grid_->on_select_cell = [this](int, int) { ShowPreview(); };
    ControlNamed<Button>(*this, "BitBtn1").on_click = [this] { LoadSelectedGame(); };
    ControlNamed<Button>(*this, "BitBtn2").on_click = [this] { BitBtn2Click(); };
    ControlNamed<Button>(*this, "BitBtn3").on_click = [this] { BitBtn3Click(); };
    FormCreate();
}

void TForm21::FormCreate() {
    grid_->BeginUpdate();
    for (const std::string& name : ListSavedGames())
        grid_->SetCellTextByVariant("gcarquivo", grid_->AddRow(), name);
    grid_->EndUpdate();
}

void TForm21::ShowPreview() {
    if (grid_->GetRowCount() > 0) selected_ = grid_->GetCellTextByVariant("gcarquivo", "Selected");
    if (selected_.empty()) return;
    const SavedGamePreview p = ReadSavedGamePreview(selected_);
    if (!p.readable) return;
    auto label = [this](std::string_view name) -> Label& {
        return ControlNamed<Label>(*this, name);
    };
    label("Label2").SetCaption(p.coach);
    label("Label4").SetCaption(p.club);
    label("Label5").SetCaption(p.year);
    label("Label8").SetCaption(p.next_match);
    label("Label8").Show();
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
        label(name).SetVisible(p.valid);
}

void TForm21::LoadSelectedGame() {
    if (selected_.empty()) return;
    LoadOutcome outcome;
    {
        BusyCursor busy;
        outcome = kv::LoadSelectedGame(selected_);
    }
    if (!outcome.loaded) {
        if (!outcome.message.empty()) MessageDlg(outcome.message, mtError, mbOK);
        return;
    }
    SetModalResult(mrOk);
    Close();
    if (TForm1* title = Form1()) title->Hide();
    if (const auto& next = LoadedGameContinues()) {
        next(outcome.next == NextWindow::kNationalTeamHub ? NextScreen::kNationalTeamHub
                                                          : NextScreen::kMainWindow);
    }
}

void TForm21::BitBtn2Click() {
    selected_.clear();
    SetModalResult(mrCancel);
    Close();
}

void TForm21::BitBtn3Click() {
    if (grid_->GetRowCount() == 0 || selected_.empty()) return;
    if (MessageDlg("Deseja apagar mesmo o arquivo?", mtConfirmation, mbYesNo) != mrYes) return;
    if (!DeleteSavedGame(selected_)) {
        MessageDlg("Não foi possível apagar o arquivo " + selected_, mtError, mbOK);
        return;
    }
    grid_->DeleteRow(grid_->SelectedRow());
    // The highlight moves on to a neighbouring row: that row is the choice "Carregar" loads.
    selected_.clear();
    ShowPreview();
}

void ShowLoadGameWindow() {
    auto& form = Screen::Get().Create<TForm21>();
    form.ShowModal();
    form.Release();
}

void RegisterLoadGameWindow() {
    TitleMenu().load_game = []() -> Form& { return Screen::Get().Create<TForm21>(); };
}

}  // namespace kv
