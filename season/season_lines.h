#pragma once
// The season lines of coaches and players are appended with the season of the day, and the
// season only goes up, so the lines of the current season are the last ones. Searched from
// the end, a search stops at the first older line instead of reading a whole career history
// after every match.

#include <vector>

namespace kv {

template <class Line, class Match>
Line* FindCurrentSeasonLine(std::vector<Line>& lines, int season, Match match) {
    for (auto line = lines.rbegin(); line != lines.rend() && line->season >= season; ++line)
        if (line->season == season && match(*line)) return &*line;
    return nullptr;
}

}  // namespace kv
