#pragma once
// Connects the windows that open one another across the screens libraries: the title
// window's menu, the new-game builder's and the load window's hand-over to the main window,
// and the main window's game-menu entries for saving, options and the about window.

namespace kv {

// Sets every hook; may be called any number of times.
void ConnectGameWindows();

}  // namespace kv
