#include "screens/club/club_window_parts.h"

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "screens/club/club_money_window_parts.h"
#include "screens/main/main_window.h"

namespace kv {

void ShowClubCrest(Image& image, int club) {
    const GameData& data = Game();
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return;
    const std::string path = BuildCrestPath(data, club);
    if (!path.empty()) image.LoadFromFile(path);
}

void SwallowWindowKeys(Form& form, int escape, int enter) {
    form.key_preview = true;
    form.on_key_down = [&form, escape, enter](int& key, ShiftState shift) {
        if (key == VK_F4 && shift == ssAlt) key = 0;
        if (key == VK_ESCAPE && escape != 0) {
            key = 0;
            form.SetModalResult(escape);
        }
        if (key == VK_RETURN && enter != 0) {
            key = 0;
            form.SetModalResult(enter);
        }
    };
}

void RefreshMainWindowSquad() {
    TForm13* window = MainWindow();
    if (window == nullptr) return;
    window->RefreshSquadGrid();
    ShowCashOnMainWindow();
}

}  // namespace kv
