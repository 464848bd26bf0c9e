#pragma once
// The choices of a new game before it is built: the countries whose leagues are played (or
// the custom championship), the division size, the competition switches and, for each human
// coach, a club, a name and a nationality. The setup windows call these rules; the league
// clubs they show are already dealt into their divisions in `world`, the game the builder
// completes, so a coach chooses exactly the club he will manage.

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/club_file.h"
#include "core/game_data.h"

namespace kv {

inline constexpr int kRealCountries = 202;      // 0..201
inline constexpr int kClubsToListCountry = 22;  // a country needs this many usable clubs
inline constexpr int kClubsForCustomGame = 42;  // enough for four divisions of ten
inline constexpr int kCustomClubNotice = 1000;  // above this the custom set-up shows a notice

inline constexpr std::string_view kNoLeagueChosen = "Selecione pelo menos uma liga";
inline constexpr std::string_view kClubAlreadyHuman = "Este time já é de um treinador humano";
inline constexpr std::string_view kCoachNameMissing = "Digite o nome do treinador";
inline constexpr std::string_view kCoachClubMissing = "Escolha o time de cada treinador";
inline constexpr std::string_view kTooFewCustomClubs =
    "Selecione países com pelo menos 42 times";

// A file of the teams database the game does not play with, and why.
struct SkippedFile {
    std::string name;  // its real path, as the setup shows it
    std::string reason;
};

// The club files of the teams folder the game can play with, in listing order, and the usable
// clubs of each real country: the same test the builder applies, so a listed country never
// gives short divisions. Every other club file, and every national-team file the tournaments
// cannot use, is in `skipped` with its reason, so the setup can say what it left out.
struct ClubFileScan {
    std::vector<ClubFile> files;
    std::array<int, kRealCountries> usable_clubs{};
    std::vector<SkippedFile> skipped;
    int listed_club_files = 0;  // every "*.b14" of the folder, used or not
    bool folder_found = false;
};
ClubFileScan ScanClubFiles(std::string_view teams_folder);

// What the setup shows about the skipped files: a heading with their count and one line for
// each of the first kSkippedFilesShown, then how many more; empty when nothing was skipped.
inline constexpr std::size_t kSkippedFilesShown = 5;
std::string SkippedFilesNotice(const ClubFileScan& scan);

// Why no game can be set up from the folder at all (missing, empty, or not one club file the
// game can use), in place of the club choice; empty when some club can be played.
std::string TeamsFolderProblem(const ClubFileScan& scan, std::string_view teams_folder);

struct CountryClubs {
    int country;
    int clubs;
};

// The countries the setup offers for real leagues (at least 22 usable clubs), by index.
std::vector<CountryClubs> ListedCountries(const ClubFileScan& scan);
// Home country (29) when listed, else the lowest listed country; -1 with none listed.
int DefaultMainCountry(std::span<const CountryClubs> listed);
// The countries the custom championship offers: every one with a usable club.
std::vector<CountryClubs> CustomChampionshipCountries(const ClubFileScan& scan);

// What the first setup window shows, with its starting ticks.
struct NewGameChoices {
    std::vector<int> leagues;  // ticked countries in list order
    int main_country = -1;
    int league_format = kDivisionsOf10;
    bool state_leagues = false;
    bool national_cup = true;
    bool continental_cup = true;
    bool continental_cup_first_season = true;
    bool second_continental_cup = true;
    std::array<bool, 4> show_continental_matches{true, true, false, false};
    bool world_cup = true;
    bool real_world_cup_groups = true;
    bool euro = true;
    bool copa_america = true;
    int human_count = 1;  // 1..6
    // The new-game window keeps the "Ver jogos" boxes in the options file for the next game;
    // an automatic setup neither reads nor writes them.
    bool remember_show_matches = true;
};

// The starting choices: home country ticked, main country as DefaultMainCountry, and the
// "Ver jogos" boxes as the options file last left them.
NewGameChoices DefaultChoices(std::span<const CountryClubs> listed);

// The second continental cup is played only beside the first: switching the first off
// switches the second off, switching the second on switches the first on.
void SetContinentalCup(NewGameChoices& choices, bool on);
void SetSecondContinentalCup(NewGameChoices& choices, bool on);

// The custom championship's choices.
struct CustomChoices {
    std::vector<int> countries;  // ticked
    int league_format = kDivisionsOf10;
    bool national_cup = true;
};
// Usable clubs of the ticked countries; the set-up may go on from kClubsForCustomGame.
int SelectedCustomClubs(const ClubFileScan& scan, std::span<const int> countries);

// A new game being set up. `world` is the game under construction: the setup windows fill
// its leagues and human clubs, BuildNewGame completes it.
struct NewGameSetup {
    NewGameSetup();
    ClubFileScan scan;
    std::unique_ptr<GameData> world;
};

// "Iniciar Jogo >>" in the real-countries mode: the leagues of the ticked countries with their
// clubs dealt into divisions, and every switch stored. Empty on success, else the message
// (nothing stored).
std::string StartRealCountriesGame(NewGameSetup& setup, const NewGameChoices& choices);

// "Continuar >>" of the custom championship: the ticked countries' clubs become one league of
// country 202 with only the league and the national cup. Empty on success, else the message.
std::string StartCustomChampionship(NewGameSetup& setup, const CustomChoices& choices,
                                    int human_count);

// Opening the club choice: the state championships (the regional division needs them) and
// every human slot emptied. Returns the league configuration shown first.
int OpenClubChoice(NewGameSetup& setup);

// One list of the club choice, clubs as team indexes in the order shown.
struct ClubChoiceList {
    std::string heading;  // "1ª divisão" .. "4ª divisão", "Divisão regional"
    std::vector<int> clubs;
};

// The clubs a coach may be shown for one league: with divisions of 20 in the real mode each
// division sorted by name, and the home country's fourth division replaced by the regional
// division when the state championships can form it; otherwise the division slots in order.
// A club whose human flag is set is shown but cannot be chosen.
std::vector<ClubChoiceList> ShowLeagueClubs(NewGameSetup& setup, int config);

// The coach now choosing (1..human_count), human_count + 1 once every coach has chosen.
int CoachChoosing(const NewGameSetup& setup);

// Confirms the next coach's club, name and nationality. Empty on success, else the message
// and nothing stored.
std::string ChooseHumanClub(NewGameSetup& setup, int club, std::string_view name, int nationality);

// The setup a game with no windows makes (the headless runner, tests, benchmarks): every
// offered country's league (every country with clubs in the custom championship), and each
// human coach in turn taking the first free club of the next league. Scans `teams_folder`.
// Empty on success, else the setup's message.
struct AutomaticSetup {
    bool custom = false;
    int league_format = kDivisionsOf10;
    bool state_leagues = true;
    bool club_cups = true;  // national cup and both continental cups
    bool tournaments = true;
    int human_count = 1;
    // The real countries whose leagues are played; empty: every offered country. The home
    // country leads when it is among them, else the first.
    std::vector<int> countries;
    // The country of each coach's league, coach by coach; a coach past its end takes the next
    // league as above.
    std::vector<int> coach_countries;
};
std::string RunAutomaticSetup(NewGameSetup& setup, std::string_view teams_folder,
                              const AutomaticSetup& automatic);

}  // namespace kv
