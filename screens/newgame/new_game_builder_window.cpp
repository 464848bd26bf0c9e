#include "screens/newgame/new_game_builder_window.h"

#include "match/new_game_builder.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "platform/window/timer.h"
#include "screens/newgame/new_game_flow.h"
#include "screens/newgame/new_game_setup_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "season/new_game_setup.h"
#include "ui/controls/smooth_progress_bar.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {16, 16, 326, 18},
     .caption = "Inicializando o jogo...",
     .font = {"Tahoma", 10, fsBold, clWhite},
     .properties = {{"Transparent", "True"}, {"AutoSize", "False"}}},
    {.name = "ProgressBar1",
     .class_name = "TUiSmoothProgressBar",
     .bounds = {16, 48, 326, 22},
     .properties = {{"TabOrder", "0"}}},
};

}  // namespace

const WindowLayout kForm12Layout = {
    .name = "Form12",
    .class_name = "TForm12",
    .client_width = 358,
    .client_height = 94,
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = clSilver,
    .properties = {{"BorderStyle", "bsNone"},
                   {"Position", "poDesktopCenter"},
                   {"FormStyle", "fsStayOnTop"},
                   {"Cursor", "crHourGlass"}},
    .controls = kControls,
    .register_classes = RegisterNewGameControlClasses,
};

TForm12::TForm12(Form& opener) : Form("Form12"), opener_(&opener) {
    BuildWindowLayout(*this, kForm12Layout);
    TileGameBackground(*this);
    bar_ = &ControlNamed<TUiSmoothProgressBar>(*this, "ProgressBar1");
    bar_->SetMinimum(0);
    bar_->SetMaximum(100);
    bar_->SetPosition(0);
    timer1_ = &AddComponent<Timer>("Timer1");
    timer1_->SetInterval(kBuildDelayMs);
    timer1_->on_timer = [this] { Timer1Timer(); };
    // Alt+F4 is swallowed: the window goes when the build is over.
    on_close_query = [](bool& can_close) { can_close = false; };
    timer1_->SetEnabled(true);
    DoCreate();
}

void TForm12::Timer1Timer() {
    timer1_->SetEnabled(false);
    NewGameSetup* setup = NewGameInProgress();
    NewGameOutcome outcome;
    if (!setup)
        outcome.message = std::string(kNoLeagueChosen);
    else
        outcome = BuildNewGame(*setup, NewGameTeamsFolder(), [this](int percent) {
            bar_->SetPosition(percent);
            bar_->Repaint();
        });
    Screen& screen = Screen::Get();
    screen.SetScreenCursor(crDefault);
    DiscardNewGameSetup();
    on_close_query = nullptr;
    SetModalResult(outcome.ok() ? mrOk : mrCancel);
    CloseForGood(*opener_);
    if (!outcome.ok()) {
        // Nothing was built: the player sets the game up again from the start. The window
        // stays on top of the others, so it goes before the message comes.
        Hide();
        failure_ = outcome.message;
        ShowMessage(outcome.message);
        screen.Create<TForm9>().Show();
        return;
    }
    const NextScreen next = outcome.first_window == FirstWindow::kMainWindow
                                ? NextScreen::kMainWindow
                                : NextScreen::kMatchDay;
    if (NewGameHandOver()) NewGameHandOver()(next);
}

}  // namespace kv
