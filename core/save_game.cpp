#include "core/save_game.h"

#include "core/game_data.h"
#include "core/saved_game.h"
#include "core/saved_game_files.h"
#include "platform/base/cp1252.h"
#include "platform/base/files.h"

namespace kv {
namespace {

// The first-save window: asks until a name is acceptable and, when its file exists, the
// player agrees to overwrite it. Empty when no name was given.
std::string AskForSaveName(SaveGameDialogs& dialogs) {
    for (;;) {
        // The name field holds 30 characters; a 1252 name has one byte per character.
        std::string name = dialogs.AskSaveName();
        if (name.empty()) return {};
        if (!IsAcceptableSaveName(name)) {
            dialogs.ShowError(kBadSaveNameMessage);
            continue;
        }
        // Never saved under a shorter name than the one typed: the load window would list
        // another game than the one the player named.
        if (Utf8ToCp1252(name).size() > kMaxSaveNameLength) {
            dialogs.ShowError(kLongSaveNameMessage);
            continue;
        }
        const std::string file_name = name + std::string(kSavedGameExtension);
        if (FileExists(SavedGamePath(file_name)) && !dialogs.ConfirmOverwrite(kOverwriteQuestion))
            continue;
        return file_name;
    }
}

}  // namespace

void RefreshPreviewNames(GameData& game) {
    t_game_state& s = game.game_state;
    if (!InTable(game.teams, s.user_club)) return;
    const t_team& club = game.teams[s.user_club];
    if (InTable(game.coaches, club.coach)) s.preview_coach_name = game.coaches[club.coach].name;
    if (!IsNationalTeamTournament(s.match_kind)) {
        s.preview_club_name = club.name;
    } else if (InTable(game.teams, s.national_team)) {
        s.preview_club_name.set_raw(std::string(game.teams[s.national_team].name.raw()) + " (" +
                                    std::string(club.name.raw()) + ")");
    }
}

bool SaveGameToFile(std::string_view path, std::string* error) {
    GameData& game = Game();
    const t_game_state before = game.game_state;
    RefreshPreviewNames(game);
    // Straight to the file: a second copy of a large game would double the memory in use.
    const auto produce = [&game](const FilePieceWriter& write) {
        return StreamSavedGame(game, write);
    };
    if (!WriteFileAtomicFrom(path, produce, error)) {
        game.game_state = before;
        return false;
    }
    return true;
}

bool SaveGame(SaveGameDialogs& dialogs) {
    t_game_state& state = Game().game_state;
    const bool first_save = state.save_name.empty();
    if (first_save) {
        const std::string file_name = AskForSaveName(dialogs);
        if (file_name.empty()) return false;
        state.save_name.set(file_name);
    }
    // A fresh install has no sav/ yet: the first save makes it.
    const std::string path = SavedGamePath(state.save_name.str());
    MakeFolders(FolderOf(path));
    if (!SaveGameToFile(path)) {
        dialogs.ShowError(kSaveErrorMessage);
        if (first_save) state.save_name.clear();
        return false;
    }
    return true;
}

}  // namespace kv
