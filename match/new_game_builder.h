#pragma once
// Turns a finished setup into a running game: the league clubs the setup chose, the background
// clubs of other countries, their coaches and players from the club files, the national teams,
// the first season's competitions, fixtures and calendar, and the first window to open.
//
// It lives beside the match routines because it needs them (players' roles, captains, set-piece
// takers, computer line-ups, referees), and those work on the running game: so the game being
// built becomes the running game once every club file it needs has been read, the one step that
// can fail. A failed build leaves the running game as it was.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/club_file.h"

namespace kv {

class GameData;
struct NewGameSetup;

enum class FirstWindow {
    kMainWindow,  // a human coach plays first: the main window
    kMatchDay,    // no human club plays the first day: it is played at once
};

struct NewGameOutcome {
    std::string message;  // empty when the game was built
    FirstWindow first_window = FirstWindow::kMainWindow;
    bool ok() const { return message.empty(); }
};

// Builds the game the setup prepared from the club and national-team files of `teams_folder`
// and makes it the running game. The options come from the options file (LoadOptions).
// On success the setup is used up. An unfinished setup (no league, a coach without a club) or
// a league club's file that cannot be read gives the message and leaves the running game and
// the setup as they were.
// `progress`, when given, is told how far the build has gone (0..100) after each of its steps.
using BuildProgress = std::function<void(int percent)>;
NewGameOutcome BuildNewGame(NewGameSetup& setup, std::string_view teams_folder,
                            const BuildProgress& progress = {});

// The pieces of the build, in the order BuildNewGame runs them; each works on `data`, which
// must be the running game where the match routines are called (players, national teams).

// Background clubs of the countries without a league, each country's best by prestige up to
// its quota; their files are appended to `team_files`.
void AddBackgroundClubs(GameData& data, std::string_view teams_folder,
                        std::vector<ClubFile>& team_files);
// The same from the usable club files of the folder, as ScanClubFiles gives them.
void AddBackgroundClubs(GameData& data, std::vector<ClubFile> candidates,
                        std::vector<ClubFile>& team_files);
// Team j from team_files[j]: names, colours, stadium, division of background clubs, money.
void BuildClubs(GameData& data, std::span<const ClubFile> team_files);
// Coach j for club j; a human coach takes his club's record and its computer coach moves to
// the spare records after the clubs.
void BuildCoaches(GameData& data, std::span<const ClubFile> team_files);
void BuildPlayers(GameData& data, std::span<const ClubFile> team_files);
// Clamps the team's level and gives its players their strength, value and wage.
void SetStartingStrength(GameData& data, int team);
// The national teams of teams\selecoes with their players.
void LoadNationalTeams(GameData& data, std::string_view teams_folder);
// The window the game opens with, by the kind of the first play day; for a match day it also
// sets the league group or the state the day shows first.
FirstWindow ChooseFirstWindow(GameData& data);

}  // namespace kv
