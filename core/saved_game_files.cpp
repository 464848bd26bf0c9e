#include "core/saved_game_files.h"

#include <unistd.h>

#include <algorithm>

#include "core/byte_io.h"
#include "core/picture_paths.h"
#include "core/record_io.h"
#include "core/saved_game.h"
#include "core/types.h"
#include "platform/base/cp1252.h"
#include "platform/base/files.h"

namespace kv {

std::string SavedGamePath(std::string_view file_name) {
    return JoinPath(GamePath("sav"), file_name);
}

bool IsAcceptableSaveName(std::string_view name) {
    if (name.empty() || name.find("..") != std::string_view::npos) return false;
    for (const char ch : name) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 || b == 0x7F ||
            std::string_view("\\/:*?\"<>|").find(ch) != std::string_view::npos)
            return false;
    }
    // The name is kept in the game state in 1252: a character without a 1252 form would come
    // back as another name.
    return Cp1252ToUtf8(Utf8ToCp1252(name)) == name;
}

std::vector<std::string> ListSavedGames() {
    return ListFiles(GamePath("sav"), std::string("*") + std::string(kSavedGameExtension));
}

bool DeleteSavedGame(std::string_view file_name) {
    // Only a file of the folder itself: the name comes from its list.
    if (file_name.find_first_of("/\\") != std::string_view::npos || file_name == "." ||
        file_name == "..")
        return false;
    const std::string path = SavedGamePath(file_name);
    return FileExists(path) && ::unlink(ResolvePath(path).c_str()) == 0;
}

SavedGamePreview PreviewSavedGameHead(std::string_view head) {
    SavedGamePreview p;
    if (head.size() < kSavedGameHeadSize) return p;
    p.readable = true;
    ByteReader rd(head);
    rd.I32();
    t_game_state state;
    ReadRecord(rd, state);
    if (state.version != kSavedGameVersion) {
        p.next_match = kInvalidPreviewText;
        return p;
    }
    p.valid = true;
    p.coach = state.preview_coach_name.str();
    p.club = state.preview_club_name.str();
    p.year = std::to_string(std::int64_t{state.season} + kFirstSeasonYear);
    p.next_match = NextMatchText(state);
    return p;
}

SavedGamePreview ReadSavedGamePreview(std::string_view file_name) {
    if (file_name.empty()) return {};
    const FileContents head =
        ReadRegularFile(SavedGamePath(file_name), kSavedGameHeadSize, ReadLimit::kHead);
    return PreviewSavedGameHead(head.bytes);
}

std::string NextMatchText(const t_game_state& s) {
    // By competition kind; the league day also says its round and half.
    static constexpr std::string_view kTexts[kCompetitionKindCount] = {"Amistoso",
                                                                       "Campeonato Nacional",
                                                                       "Copa Nacional",
                                                                       "Campeonato estadual",
                                                                       "Libertadores/Liga Campeões",
                                                                       "Mundial Interclubes",
                                                                       "Sul-Americana/Liga Europa",
                                                                       "Copa do Mundo",
                                                                       "Copa América",
                                                                       "Eurocopa",
                                                                       "Recopa"};
    if (s.match_kind < 0 || s.match_kind >= kCompetitionKindCount) return {};
    std::string text(kTexts[s.match_kind]);
    if (s.match_kind == ckNationalLeague)
        text += std::to_string(s.league_round) + "ª rodada -" + std::to_string(s.league_turn) +
                "º turno";
    return text;
}

}  // namespace kv
