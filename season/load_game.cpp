#include "season/load_game.h"

#include <memory>
#include <utility>

#include "core/game_data.h"
#include "core/saved_game.h"
#include "core/saved_game_files.h"
#include "platform/base/files.h"
#include "season/calendar.h"
#include "season/saved_game_consistency.h"

namespace kv {

namespace {

// What follows the read of the saved tables: the checks that span tables, the calendar, the
// values not saved, and the swap into the running game.
LoadOutcome FinishLoad(std::unique_ptr<GameData> scratch, std::string_view file_name) {
    LoadOutcome out;
    GameData& g = *scratch;
    g.game_state.save_name.set(file_name);
    g.autosave_turn_counter = 0;
    g.opening_main_window = 1;
    BuildSeasonCalendar(g);
    if (const std::string broken = SavedGameInconsistency(g); !broken.empty()) {
        out.message = std::string(kInvalidSaveMessage) + ": " + broken;
        return out;
    }
    RecomputeDerivedValues(g);
    ReserveHistoryGrowth(g);
    SwapInGame(g);
    out.loaded = true;
    out.next = IsNationalTeamTournament(Game().game_state.match_kind) ? NextWindow::kNationalTeamHub
                                                                      : NextWindow::kMainWindow;
    return out;
}

}  // namespace

LoadOutcome LoadGameFromBytes(std::string_view bytes, std::string_view file_name) {
    // A fresh game holds what a new game gives every value that is not saved (no job offers,
    // no fallback league, the shipped referees, empty match-day tables).
    auto scratch = std::make_unique<GameData>();
    LoadOutcome out;
    if (!ReadSavedGame(bytes, *scratch, out.message)) return out;
    return FinishLoad(std::move(scratch), file_name);
}

LoadOutcome LoadGameFromFile(std::string_view path) {
    LoadOutcome out;
    // The head first: a file of another version, or one that is no saved game at all, is
    // refused before its body is read, however large it is. Only a regular file is opened: a
    // pipe or a device named like a saved game would hang the load or fill the memory.
    const FileContents head = ReadRegularFile(path, kSavedGameHeadSize, ReadLimit::kHead);
    if (!head.ok()) {
        out.message = kLoadOpenErrorMessage;
        return out;
    }
    if (!PreviewSavedGameHead(head.bytes).valid) {
        out.message = kCorruptSaveMessage;
        return out;
    }
    // The body is parsed as it is read, never held whole: a saved game runs to tens of
    // megabytes, and a second copy of it would cost as much again in fresh memory.
    RegularFileReader file(path);
    if (!file.ok()) {
        out.message = kLoadOpenErrorMessage;
        return out;
    }
    if (file.size() > kMaxSavedGameSize) {
        out.message = kCorruptSaveMessage;
        return out;
    }
    auto scratch = std::make_unique<GameData>();
    const bool read = ReadSavedGame(
        static_cast<std::size_t>(file.size()),
        [&file](char* into, std::size_t n) { return file.Read(into, n); }, *scratch, out.message);
    if (!file.ok()) {
        out.message = kLoadOpenErrorMessage;
        return out;
    }
    if (!read) return out;
    return FinishLoad(std::move(scratch), FileNameOf(path));
}

LoadOutcome LoadSelectedGame(std::string_view file_name) {
    if (file_name.empty()) return {};
    return LoadGameFromFile(SavedGamePath(file_name));
}

}  // namespace kv
