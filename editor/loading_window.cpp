#include "editor/loading_window.h"

#include "core/club_file.h"
#include "editor/editor_main_window.h"
#include "editor/editor_session.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/gauge.h"
#include "platform/window/label.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "platform/window/timer.h"
#include "screens/start/title_menu.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

constexpr int kStartDelayMs = 100;
constexpr TColor kLightYellow = 0x80FFFF;

const LayoutControl kForm2Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {0, 10, 367, 22},
     .caption = "Editor de Equipes",
     .font = {"Tahoma", 12, fsBold, kLightYellow},
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {20, 44, 327, 16},
     .caption = "Carregando equipes...",
     .font = {"Tahoma", 8, 0, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "barra",
     .class_name = "TGauge",
     .bounds = {20, 64, 327, 20},
     .properties = {{"ShowText", "False"}}},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {20, 100, 110, 16},
     .caption = "Total de Equipes:",
     .font = {"Tahoma", 8, 0, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {132, 100, 120, 16},
     .caption = "0",
     .font = {"Tahoma", 8, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
};

}  // namespace

const WindowLayout kForm2Layout = {
    .name = "Form2",
    .class_name = "TForm2",
    .client_width = 367,
    .client_height = 138,
    .caption = "Editor de Equipes",
    .font = {"Tahoma", 8, 0, clWhite},
    .color = clBlack,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kForm2Controls,
};

TForm2::TForm2() : Form("Form2") {
    BuildWindowLayout(*this, kForm2Layout);
    TileGameBackground(*this);
    barra_ = &ControlNamed<Gauge>(*this, "barra");
    club_file_count_ = static_cast<int>(ListClubFiles(EditorTeamsFolder()).size());
    barra_->max_value = std::max(1, club_file_count_);
    timer1_ = &AddComponent<Timer>("Timer1");
    timer1_->SetInterval(kStartDelayMs);
    timer1_->on_timer = [this] { Timer1Timer(); };
    // The window goes by itself once the files are read.
    on_close_query = [](bool& can_close) { can_close = false; };
    timer1_->SetEnabled(true);
    DoCreate();
}

void TForm2::Timer1Timer() {
    timer1_->SetEnabled(false);
    std::vector<std::string> problems;
    {
        BusyCursor busy;
        EditorSession& editor = Editor();
        editor = EditorSession{};
        auto& count = ControlNamed<Label>(*this, "Label3");
        problems = editor.db.Load(EditorTeamsFolder(), [this, &count](int read) {
            barra_->SetProgress(read);
            count.SetCaption(std::to_string(read - 1));  // the file just read, from 0
            barra_->Repaint();
            count.Repaint();
        });
    }
    on_close_query = nullptr;
    SetModalResult(mrOk);
    Close();
    Release();
    auto& main = Screen::Get().Create<TForm3>();
    main.Show();
    if (!problems.empty()) {
        std::string text = "Arquivos com problemas:";
        for (const std::string& p : problems) text += "\n" + p;
        ShowMessage(text);
    }
}

void RegisterEditorWindows() {
    TitleMenu().editor = []() -> Form& { return Screen::Get().Create<TForm2>(); };
}

}  // namespace kv
