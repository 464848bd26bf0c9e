#pragma once
// A player's rated matches of the current season, as his history window lists them.

#include <string>
#include <vector>

namespace kv {

class GameData;

struct t_rated_match {
    int archived_match = -1;
    float rating = 0;
};

// Every match he started and every match he came on in, newest first by date (the same date
// keeps the later entry first). Lines that name no archived match are left out.
std::vector<t_rated_match> PlayerSeasonRatings(const GameData& data, int player);

// A rating as its shortest decimal text, with the decimal comma: 7, 6,5, 7,25.
std::string RatingText(float rating);

}  // namespace kv
