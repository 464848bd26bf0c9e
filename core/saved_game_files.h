#pragma once
// The folder of saved games (sav/ in the game folder): names, the list, deleting, and the
// preview the load window shows from the head of a file.

#include <string>
#include <string_view>
#include <vector>

#include "core/records_state.h"

namespace kv {

inline constexpr std::string_view kSavedGameExtension = ".s14";
inline constexpr std::size_t kMaxSaveNameLength = 30;  // characters of the name field
inline constexpr std::string_view kBadSaveNameMessage =
    "Nome inválido: o nome do arquivo não pode ter \"..\" nem os caracteres \\ / : * ? \" < > |";
inline constexpr std::string_view kLongSaveNameMessage =
    "Nome muito longo: o nome do arquivo pode ter no máximo 30 caracteres";

// sav/<file_name> inside the game folder.
std::string SavedGamePath(std::string_view file_name);

// A name the save window may turn into a file: not empty, no folder separator, no "..", and
// only characters every file system and the game's 1252 names can hold.
bool IsAcceptableSaveName(std::string_view name);

// The saved games of the folder (names with their extension), sorted.
std::vector<std::string> ListSavedGames();

// Deletes sav/<file_name>; false when there is no such saved game or it cannot be deleted.
bool DeleteSavedGame(std::string_view file_name);

inline constexpr std::string_view kInvalidPreviewText = "arquivo inválido";

// What the load window shows of a saved game before loading it.
struct SavedGamePreview {
    bool readable = false;  // false: the file could not be read; the labels stay as they were
    bool valid = false;     // false: the other texts are empty and the next match says so
    std::string coach;
    std::string club;
    std::string year;
    std::string next_match;
};

// The preview of the head of a saved game (the lead word and the game state).
SavedGamePreview PreviewSavedGameHead(std::string_view head);
// The preview of sav/<file_name>; only its head is read.
SavedGamePreview ReadSavedGamePreview(std::string_view file_name);

// "Próximo Jogo:" of the preview: the competition of the match day the game was saved on.
std::string NextMatchText(const t_game_state& state);

}  // namespace kv
