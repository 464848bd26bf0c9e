#pragma once
// The panels of the best average ratings: the ranked list of the division, ten lines per role
// group (or of everyone, the overall panel), as mark-up.

#include <string>

namespace kv {

class GameData;

// "7,46", "7", "7,5": the average with at most two decimals and the decimal comma.
std::string AverageText(float average);

// The header and up to ten lines of data.ranked_ratings in ranking order, of role group
// `group` (-1: every group), ranked from 1 within the panel.
std::string BestRatingsText(const GameData& data, int group);

}  // namespace kv
