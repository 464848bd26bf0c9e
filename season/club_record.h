#pragma once
// A club's history as its record and trophy windows show it: the titles it won by kind, the
// names of its continent's club cups, and season by season its games by competition with the
// placing it reached and the coaches it had.

#include <array>
#include <string>
#include <vector>

namespace kv {

class GameData;

// Titles won, from the honours: 0 league division 1, 1 national cup, 2 state championship, 3
// first continental cup, 4 club world cup, 5 second continental cup, 6..8 league divisions 2..4,
// 9 super cup.
using TitleCounters = std::array<int, 10>;
TitleCounters CountTitles(const GameData& data, int club);

// The first and second continental club cup of a country's continent; "" where it has none.
struct ContinentalCupNames {
    std::string first;
    std::string second;
};
ContinentalCupNames ContinentalCupNamesOf(int country);

// One line of the record: a season line (kind -1) with the season's totals and its coaches,
// followed by one line per competition kind the club played that season, in kind order.
struct ClubRecordLine {
    int season = 0;
    int kind = -1;
    std::string competition;  // empty on the season line
    std::string placing;
    std::string coaches;  // season line only: names joined by ","
    int games = 0, wins = 0, losses = 0, draws = 0, goals_for = 0, goals_against = 0;
};

// Newest season first, at most the last 21 seasons; seasons without a game have no lines.
std::vector<ClubRecordLine> ClubRecord(const GameData& data, int club);

// What the club reached in a competition kind and season ("Campeão", "3º - 1ª divisão", "Joga
// Quartas"...); empty when nothing is recorded.
std::string ClubPlacingText(const GameData& data, int club, int kind, int season);

// "Nacional:2; Copa:1; Estadual:5; ": the titles the club won, by kind, those above 0.
std::string ClubTitlesLine(const GameData& data, int club);

}  // namespace kv
