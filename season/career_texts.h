#pragma once
// A coach's and a player's career as pages of mark-up text for their profile windows: one line
// per season and club, newest first, a page of a fixed number of lines, and the career total
// over every line at the bottom.

#include <cstdint>
#include <string>

namespace kv {

class GameData;

// One page of a career. The windows show ">>" when next_page is above 0 and page on from it,
// and "<<" when prev_page is above 0, stepping back by the page's size (never below row 0).
struct t_info {
    std::int32_t next_page = -1;  // the first row of the next page, -1 when none
    std::int32_t prev_page = -1;  // 1 when the page does not start at the first row, else -1
    std::string text;
};

inline constexpr int kPlayerCareerPageRows = 17;
inline constexpr int kCoachCareerPageRows = 15;

// Both store their subject in profile_subject. A first row below 0 is taken as 0.
t_info CoachCareerPage(GameData& data, int coach, int first_row);
// The first page also shows a zero line of the current season for his club when none of his
// lines shown is of the current season (a player bought in the close season).
t_info PlayerCareerPage(GameData& data, int player, int first_row);

}  // namespace kv
