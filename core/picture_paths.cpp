#include "core/picture_paths.h"

#include "core/field_readers.h"
#include "core/game_data.h"
#include "platform/base/files.h"

namespace kv {

namespace {

std::string g_game_folder;

struct TeamPicture {
    bool found = false;
    bool club = false;
    std::string name;
};

TeamPicture PictureOf(const GameData& game, int team) {
    if (team < 0 || static_cast<std::size_t>(team) >= game.teams.size()) return {};
    std::string name = game.teams[static_cast<std::size_t>(team)].picture_name.str();
    // The name comes from a club file: it must not lead out of the pictures' folder.
    if (name.empty() || name.find_first_of("/\\") != std::string::npos || name == "." ||
        name == "..")
        return {};
    return {true, team < ClubLimit(game), std::move(name)};
}

std::string ExistingOrEmpty(const std::string& windows_path) {
    const std::string path = GamePath(windows_path);
    return FileExists(path) ? ResolvePath(path) : std::string();
}

// club_folder + name + ".png" for a club, "teams\selecoes\" + prefix + name + ".png" otherwise.
std::string TeamPicturePath(const GameData& game, int team, std::string_view club_folder,
                            std::string_view national_prefix) {
    const TeamPicture p = PictureOf(game, team);
    if (!p.found) return {};
    const std::string path =
        p.club ? std::string(club_folder) + p.name + ".png"
               : "teams\\selecoes\\" + std::string(national_prefix) + p.name + ".png";
    return ExistingOrEmpty(path);
}

}  // namespace

void SetGameFolder(std::string folder) {
    g_game_folder = std::move(folder);
}
const std::string& GameFolder() {
    return g_game_folder;
}

std::string GamePath(std::string_view windows_path) {
    return JoinPath(g_game_folder, NativePath(windows_path));
}

std::string BuildCrestPath(int team) {
    return BuildCrestPath(Game(), team);
}

std::string BuildCrestPath(const GameData& game, int team) {
    return TeamPicturePath(game, team, "teams\\escudos\\", "");
}

std::string BuildNationalSymbolPath(int team) {
    const TeamPicture p = PictureOf(Game(), team);
    if (!p.found) return {};
    std::string path = ExistingOrEmpty("teams\\selecoes\\" + p.name + ".png");
    if (path.empty()) path = ExistingOrEmpty("teams\\selecoes\\" + p.name + ".gif");
    return path;
}

std::string BuildShirtPath(int team) {
    return TeamPicturePath(Game(), team, "teams\\camisas\\", "c_");
}
std::string BuildShirt2Path(int team) {
    return TeamPicturePath(Game(), team, "teams\\camisas2\\", "c2_");
}
std::string BuildShirt3Path(int team) {
    return TeamPicturePath(Game(), team, "teams\\camisas3\\", "c3_");
}

std::string BuildKitShirtPath(int team, int kit) {
    switch (kit) {
        case 0:
        case 1:
            return BuildShirtPath(team);
        case 2:
            return BuildShirt2Path(team);
        case 3:
            return BuildShirt3Path(team);
        default:
            return {};
    }
}

bool ShirtPictureExists(int team, int kit) {
    return !BuildKitShirtPath(team, kit).empty();
}

}  // namespace kv
