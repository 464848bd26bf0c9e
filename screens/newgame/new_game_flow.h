#pragma once
// What the windows of a new game share while they are open: the game being set up (the club
// scan, the leagues and the human clubs), the teams folder they read, and where the built game
// goes next.

#include <functional>
#include <string>

#include "game/game_windows.h"

namespace kv {

struct NewGameSetup;

// The game being set up, made by the setup window; null when no new game is open.
NewGameSetup* NewGameInProgress();
NewGameSetup& StartNewGameSetup();
// Drops the game being set up with its working lists (back to the title, or built).
void DiscardNewGameSetup();

// The game folder's "teams" folder, where the club files are read from.
std::string NewGameTeamsFolder();

// The first window of the built game: the main window, or the match day when no human club
// plays that day. The main window's module fills it; until then the built game waits here.
std::function<void(NextScreen)>& NewGameHandOver();

class Form;
// Closes and frees a new-game window that refuses a plain close (Alt+F4 is swallowed).
void CloseForGood(Form& form);
// Closes the setup window, kept hidden while the custom championship is set up.
void CloseSetupWindow();

// Makes the title window's "Novo jogo" open the new-game setup.
void RegisterNewGameWindows();

// The controls of every new-game window, for their layout tables.
void RegisterNewGameControlClasses();

}  // namespace kv
