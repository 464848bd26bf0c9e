#pragma once
// The season lines of coaches and players are appended with the season of the day, and the
// season only goes up, so the lines of the current season are the last ones. A line of the
// current season is looked for from the end of the table, up to the first older line: only the
// lines at or after the current season behind the last older one count.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/table_index.h"

namespace kv {

// The search above without reading the lines: `KeyOf(line)` gives a line's key, and the index
// keeps, for each key, the last line of the current season in the table's tail of lines at or
// after the season. A season's tail is a season's lines, so the index stays small and is rebuilt
// from the end of the table at a season change or when the table changed behind its back.
template <class Line, class KeyOf>
class CurrentSeasonIndex {
  public:
    // The line the search finds, -1 when it finds none.
    int Find(const std::vector<Line>& lines, int season, std::uint64_t key) {
        if (lines.data() != data_ || lines.size() != size_ || season != season_)
            Rebuild(lines, season);
        const int at = at_.find(key);
        if (at < 0 || Holds(lines[static_cast<std::size_t>(at)], key)) return at;
        Rebuild(lines, season);
        return at_.find(key);
    }

    // The caller appended one line to the table the index follows.
    void Appended(const std::vector<Line>& lines) {
        if (lines.empty() || lines.size() != size_ + 1 || lines.back().season < season_) {
            data_ = nullptr;  // rebuilt by the next look-up
            return;
        }
        if (lines.back().season == season_)
            *at_.emplace(key_of_(lines.back()), static_cast<int>(lines.size()) - 1).first =
                static_cast<int>(lines.size()) - 1;
        data_ = lines.data();
        size_ = lines.size();
    }

  private:
    bool Holds(const Line& line, std::uint64_t key) const {
        return line.season == season_ && key_of_(line) == key;
    }

    void Rebuild(const std::vector<Line>& lines, int season) {
        at_.clear();
        for (std::size_t i = lines.size(); i-- > 0 && lines[i].season >= season;)
            if (lines[i].season == season) at_.emplace(key_of_(lines[i]), static_cast<int>(i));
        season_ = season;
        data_ = lines.data();
        size_ = lines.size();
    }

    KeyOf key_of_{};
    const Line* data_ = nullptr;
    std::size_t size_ = 0;
    int season_ = 0;
    KeyTable at_;
};

}  // namespace kv
