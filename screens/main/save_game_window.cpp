#include "screens/main/save_game_window.h"

#include "core/save_game.h"
#include "core/saved_game_files.h"
#include "platform/window/button.h"
#include "platform/window/edit.h"
#include "platform/window/keys.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

// Light text straight on the dark background picture the windows tile.
constexpr TColor kBackgroundColour = 0x00203A0E;
constexpr LayoutFont kTextFont = {"Tahoma", 8, 0, clWhite};

const LayoutControl kForm40Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 12, 296, 42},
     .caption = "Como é a primeira vez que vai salvar você tem que escolher  um nome para o "
                "arquivo a ser salvo:",
     .font = kTextFont,
     .properties = {{"AutoSize", "False"}, {"WordWrap", "True"}, {"Transparent", "True"}}},
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {12, 60, 296, 21},
     .properties = {{"TabOrder", "0"}, {"MaxLength", "30"}}},
    {.name = "bt1",
     .class_name = "TButton",
     .bounds = {118, 92, 84, 25},
     .caption = "Salvar",
     .properties = {{"TabOrder", "1"}, {"Enabled", "False"}}},
};

const LayoutControl kForm41Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 16, 236, 16},
     .caption = kOverwriteQuestion,
     .font = kTextFont,
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}, {"Transparent", "True"}}},
    {.name = "BitBtn1",
     .class_name = "TButton",
     .bounds = {40, 44, 80, 25},
     .caption = "Sim",
     .properties = {{"TabOrder", "0"}, {"ModalResult", "mrYes"}}},
    {.name = "BitBtn2",
     .class_name = "TButton",
     .bounds = {140, 44, 80, 25},
     .caption = "Não",
     .properties = {{"TabOrder", "1"}, {"ModalResult", "mrNo"}}},
};

// Alt+F4 does not close these windows: only their buttons do.
void SwallowAltF4(Form& form) {
    form.key_preview = true;
    form.on_key_down = [](int& key, ShiftState shift) {
        if (key == VK_F4 && (shift & ssAlt)) key = 0;
    };
    form.on_close_query = [&form](bool& can_close) { can_close = form.ModalResult() != mrNone; };
}

// The save questions answered by the save windows.
class SaveWindows : public SaveGameDialogs {
  public:
    std::string AskSaveName() override {
        auto& form = Screen::Get().Create<TForm40>();
        form.ShowModal();
        std::string name = form.ChosenName();
        form.Release();
        return name;
    }
    bool ConfirmOverwrite(std::string_view) override {
        auto& form = Screen::Get().Create<TForm41>();
        const bool yes = form.ShowModal() == mrYes;
        form.Release();
        return yes;
    }
    void ShowError(std::string_view message) override {
        MessageDlg(std::string(message), mtError, {mbOK});
    }
};

}  // namespace

const WindowLayout kForm40Layout = {
    .name = "Form40",
    .class_name = "TForm40",
    .client_width = 320,
    .client_height = 128,
    .caption = "Salvar",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kBackgroundColour,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsDialog"}},
    .controls = kForm40Controls,
};

const WindowLayout kForm41Layout = {
    .name = "Form41",
    .class_name = "TForm41",
    .client_width = 260,
    .client_height = 80,
    .caption = "Confirmação",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kBackgroundColour,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsDialog"}},
    .controls = kForm41Controls,
};

TForm40::TForm40() : Form("Form40") {
    BuildWindowLayout(*this, kForm40Layout);
    TileGameBackground(*this);
    auto& edit = ControlNamed<Edit>(*this, "Edit1");
    auto& button = ControlNamed<Button>(*this, "bt1");
    edit.max_length = static_cast<int>(kMaxSaveNameLength);
    edit.on_change = [&] { button.SetEnabled(!edit.Text().empty()); };
    button.on_click = [this] { bt1Click(); };
    on_show = [&edit] { edit.SetFocus(); };
    SwallowAltF4(*this);
}

// The name goes back to the save, which checks it and asks about an existing file.
void TForm40::bt1Click() {
    const std::string& name = ControlNamed<Edit>(*this, "Edit1").Text();
    if (name.empty()) return;
    chosen_ = name;
    SetModalResult(mrOk);
}

TForm41::TForm41() : Form("Form41") {
    BuildWindowLayout(*this, kForm41Layout);
    TileGameBackground(*this);
    SwallowAltF4(*this);
}

bool ShowSaveGameWindow() {
    SaveWindows windows;
    return SaveGame(windows);
}

}  // namespace kv
