#include "screens/newgame/new_game_flow.h"

#include <memory>

#include "core/picture_paths.h"
#include "platform/window/screen.h"
#include "screens/newgame/new_game_setup_window.h"
#include "screens/start/title_menu.h"
#include "season/new_game_setup.h"
#include "ui/controls/control_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/markup/markup_control_classes.h"

namespace kv {
namespace {

std::unique_ptr<NewGameSetup>& Current() {
    static std::unique_ptr<NewGameSetup> setup;
    return setup;
}

}  // namespace

NewGameSetup* NewGameInProgress() {
    return Current().get();
}

NewGameSetup& StartNewGameSetup() {
    Current() = std::make_unique<NewGameSetup>();
    return *Current();
}

void DiscardNewGameSetup() {
    Current().reset();
}

std::string NewGameTeamsFolder() {
    return GamePath("teams");
}

std::function<void(NextScreen)>& NewGameHandOver() {
    static std::function<void(NextScreen)> hand_over;
    return hand_over;
}

void CloseForGood(Form& form) {
    form.on_close_query = nullptr;
    form.on_close = [](CloseAction& action) { action = caFree; };
    form.Close();
}

void CloseSetupWindow() {
    for (Form* form : Screen::Get().Forms())
        if (form->Name() == "Form9") CloseForGood(*form);
}

void RegisterNewGameWindows() {
    TitleMenu().new_game = []() -> Form& { return Screen::Get().Create<TForm9>(); };
}

void RegisterNewGameControlClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
    RegisterGridControlClasses();
}

}  // namespace kv
