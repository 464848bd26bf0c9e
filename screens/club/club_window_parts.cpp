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
    auto& dialog = form.AddComponent<TUiSmoothMessageDialog>("info1");
    dialog.Position = poOwnerFormCenter;
    dialog.Fill().SetColor(static_cast<TColor>(0x2E8B2E));
    dialog.Fill().SetColorTo(clBlack);
    dialog.SetMinimumWidth(360);
    // The messages are shadowed white text: a grey shadow five pixels off reads as a second,
    // faded copy of the message, so the shadow sits one pixel off, in black.
    dialog.HTMLText().SetShadowOffset(1);
    dialog.HTMLText().SetShadowColor(clBlack);
    TUiSmoothMessageDialogButton& ok = dialog.Buttons().Add();
    ok.SetCaption("Ok");
    ok.SetButtonResult(mrOk);
    return dialog;
}

void RefreshMainWindowSquad() {
    TForm13* window = MainWindow();
    if (window == nullptr) return;
    window->RefreshSquadGrid();
    ShowCashOnMainWindow();
}

}  // namespace kv
