#pragma once
// The coach ranking of a country or the world, a coach's titles as a list of lines, and his
// titles grouped by competition for the trophy gallery.

#include <string>
#include <vector>

namespace kv {

class GameData;

// The country of his club when he has one, else his own.
int CoachCountry(const GameData& data, int coach);

struct t_coach_rank {
    int coach = -1;
    int league = 0, cup = 0, state = 0, continental = 0, world = 0, second_cup = 0;
    int points = 0;
    int club = -1;
};

// Every named coach of the country (country -1: the world), by points (world ranking points
// for the world), then club world cup, first and second continental cup, league, cup and state
// titles, then the club index (none first). State titles count only for Brazilian coaches.
std::vector<t_coach_rank> CoachRanking(const GameData& data, int country);

// His titles from the honours, one line each ("Mundial:1"), ending in CR LF; the continental
// lines only while those cups are played.
std::string CoachTitlesText(const GameData& data, int coach);

// The trophy gallery: per competition id in registry order with titles, a heading row
// (season 0, team -1) followed by his titles there, oldest first.
struct t_coach_trophy_row {
    int competition = 0;
    int season = 0;  // 0 on a heading row
    int team = -1;
};
std::vector<t_coach_trophy_row> CoachTrophyRows(const GameData& data, int coach);

}  // namespace kv
