#pragma once
// Saving the running game. The first save of a game asks for a name; later saves write back
// to the kept name. A save never destroys the previous good file: the new one is written
// beside it, flushed and renamed over it, and any failure leaves the old file and the game
// as they were.

#include <string>
#include <string_view>

namespace kv {

class GameData;

inline constexpr std::string_view kSaveErrorMessage =
    "Erro ao salvar, verifique se você tem permisão para salvar ou se não existe a pasta sav";
inline constexpr std::string_view kOverwriteQuestion = "O arquivo já existe, sobrescreve-lo?";

// The questions and messages of a save, answered by the save windows (or a test).
class SaveGameDialogs {
  public:
    virtual ~SaveGameDialogs() = default;
    // The first-save window: the name typed (at most 30 characters); empty when no name was
    // given, and nothing is saved then.
    virtual std::string AskSaveName() = 0;
    // "O arquivo já existe, sobrescreve-lo?": true for "Sim"; "Não" goes back to the name.
    virtual bool ConfirmOverwrite(std::string_view question) = 0;
    // An error message box with an OK button.
    virtual void ShowError(std::string_view message) = 0;
};

// Saves the running game to sav/ + its save name, asking for a name first when it has none.
// True when the file was written. When the first save of a game fails, its name is dropped,
// so the next save asks again.
bool SaveGame(SaveGameDialogs& dialogs);

// Saves the running game to `path` (the headless runner's --save). False, with a short reason
// in `error`, when it could not be written; the old file is then untouched.
bool SaveGameToFile(std::string_view path, std::string* error = nullptr);

// The coach and club names the load window previews, taken from the user's club (with the
// national team in front during a national-team tournament). A name that cannot be found
// leaves its field as it was.
void RefreshPreviewNames(GameData& game);

}  // namespace kv
