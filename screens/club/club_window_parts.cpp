#include "screens/club/club_window_parts.h"

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "platform/window/image.h"
#include "screens/club/club_money_window_parts.h"
#include "screens/main/main_window.h"
#include "ui/controls/smooth_message_dialog.h"

namespace kv {

void ShowClubCrest(Image& image, int club) {
    const GameData& data = Game();
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return;
    const std::string path = BuildCrestPath(data, club);
    if (!path.empty()) image.LoadFromFile(path);
}

TUiSmoothMessageDialog& AddClubMessageDialog(Form& form) {
    return AddGameMessageDialog(form, "info1");
}

void RefreshMainWindowSquad() {
    TForm13* window = MainWindow();
    if (window == nullptr) return;
    window->RefreshSquadGrid();
    ShowCashOnMainWindow();
}

}  // namespace kv
