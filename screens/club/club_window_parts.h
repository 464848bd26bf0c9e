#pragma once
// What the small windows of the user club share: their text look and the club's crest.

#include <initializer_list>
#include <string>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

class Image;
class TUiSmoothMessageDialog;

// A label that keeps its size and shows the window's background through.
inline const std::initializer_list<LayoutProperty> kClubWindowText = {{"AutoSize", "False"},
                                                                      {"Transparent", "True"}};
inline constexpr LayoutFont kClubWindowTitle = {"Arial", 12, fsBold, clYellow};
inline constexpr LayoutFont kClubWindowBody = {"Arial", 9, fsBold, clWhite};

// The club's crest into the picture; left empty when the club has no crest file.
void ShowClubCrest(Image& image, int club);
// The window's "info1" message: green fading to black, centred on the window, with "Ok".
TUiSmoothMessageDialog& AddClubMessageDialog(Form& form);
// After a deal the main window, when it is open, shows the squad and the cash again.
void RefreshMainWindowSquad();

}  // namespace kv
