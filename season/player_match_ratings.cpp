#include "season/player_match_ratings.h"

#include <algorithm>
#include <charconv>

#include "core/game_data.h"

namespace kv {

std::vector<t_rated_match> PlayerSeasonRatings(const GameData& data, int player) {
    std::vector<t_rated_match> rated;
    const int archived = static_cast<int>(data.match_archive.size());
    auto add = [&](int match, float rating) {
        if (match >= 0 && match < archived) rated.push_back({match, rating});
    };
    for (const t_player_rating& r : data.player_ratings)
        if (r.player == player) add(r.archived_match, r.rating);
    for (const t_substitute_rating& r : data.substitute_ratings)
        if (r.player == player) add(r.archived_match, r.rating);
    std::reverse(rated.begin(), rated.end());
    std::stable_sort(rated.begin(), rated.end(),
                     [&](const t_rated_match& a, const t_rated_match& b) {
                         return data.match_archive[a.archived_match].date >
                                data.match_archive[b.archived_match].date;
                     });
    return rated;
}

std::string RatingText(float rating) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, rating).ptr;
    std::string shown(text, end);
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

}  // namespace kv
