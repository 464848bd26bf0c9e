#pragma once
// "Carregar jogo": the saved games of sav/, a preview of the selected one read from the head
// of its file, deleting a file on request, and loading the selected game, which then goes on
// in the main window or the national-team hub in place of the title window.

#include <functional>
#include <string>

#include "game/game_windows.h"
#include "platform/gfx/picture.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm21Layout;

class TReportGrid;

class TForm21 : public Form {
  public:
    TForm21();

    void FormCreate();  // fills the list once, sorted
    void ShowPreview();
    void LoadSelectedGame();
    void BitBtn2Click();  // "Cancelar"
    void BitBtn3Click();  // "Apagar "

    const std::string& SelectedFileName() const { return selected_; }
    TReportGrid& Grid() { return *grid_; }

  private:
    TReportGrid* grid_ = nullptr;
    std::string selected_;
    Picture background_;  // img\f03.bmp, tiled over the window when the file exists
};

// What opens once a game is loaded: the main window or the national-team hub. The main
// window's code fills it; until then a load only hides the title window.
std::function<void(NextScreen)>& LoadedGameContinues();

// Opens the load window modally (from the title window or the game menu).
void ShowLoadGameWindow();

// Hands the load window to the title window's "Carregar jogo".
void RegisterLoadGameWindow();

}  // namespace kv
