#pragma once
// The pictures of a team in the teams database. Each routine gives the path of the file only
// when it exists, an empty string otherwise (the screens then show no picture). Names are found
// without regard to case, as the database comes from a case-insensitive file system.

#include <string>
#include <string_view>

namespace kv {

class GameData;

// The folder that holds teams/, img/, sons/ and sav/; empty means the working folder.
void SetGameFolder(std::string folder);
const std::string& GameFolder();
// A path of the game written the Windows way ("teams\escudos\x.png") inside the game folder.
std::string GamePath(std::string_view windows_path);

// Clubs: teams\escudos\<picture>.png; national teams: teams\selecoes\<picture>.png.
std::string BuildCrestPath(int team);
// The same for a game other than the running one (a new game being set up).
std::string BuildCrestPath(const GameData& game, int team);
// teams\selecoes\<picture>.png, else the same with .gif; for any team.
std::string BuildNationalSymbolPath(int team);
// First, second and third kit: teams\camisas\, camisas2\, camisas3\ for clubs;
// teams\selecoes\c_, c2_, c3_ for national teams.
std::string BuildShirtPath(int team);
std::string BuildShirt2Path(int team);
std::string BuildShirt3Path(int team);
// Kit 0 or 1 is the first kit, 2 the second, 3 the third; empty for any other kit or when
// the picture is missing.
std::string BuildKitShirtPath(int team, int kit);
bool ShirtPictureExists(int team, int kit);

}  // namespace kv
