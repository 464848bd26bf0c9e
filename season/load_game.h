#pragma once
// Loading a saved game. It lives beside the season because a load ends by rebuilding the
// season's calendar, which is never saved; the file format itself is core/saved_game.h.
//
// The file is read into a scratch game, checked whole, completed (calendar, values that are
// never saved) and only then swapped in: a refused file leaves the running game untouched.

#include <string>
#include <string_view>

namespace kv {

// The window a loaded game continues in.
enum class NextWindow {
    kMainWindow,       // TForm13
    kNationalTeamHub,  // TForm75, on national-team tournament days
};

struct LoadOutcome {
    bool loaded = false;
    std::string message;  // why the file was refused; empty when loaded or nothing was asked
    NextWindow next = NextWindow::kMainWindow;
};

// Loads a saved game from its bytes; `file_name` becomes the game's save name, so later saves
// write back to the same file.
LoadOutcome LoadGameFromBytes(std::string_view bytes, std::string_view file_name);

// Loads the saved game at `path` (the headless runner's --load).
LoadOutcome LoadGameFromFile(std::string_view path);

// "Carregar" of the load window: loads sav/<file_name>; nothing happens for an empty name.
LoadOutcome LoadSelectedGame(std::string_view file_name);

}  // namespace kv
