#include "season/best_ratings_text.h"

#include <cmath>
#include <cstdio>

#include "core/game_data.h"
#include "season/player_match_ratings.h"

namespace kv {
namespace {

constexpr int kPanelLines = 10;

std::string Tab(int x) {
    return "<IND x=\"" + std::to_string(x) + "\">";
}

}  // namespace

std::string AverageText(float average) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(average));
    std::string shown = text;
    while (!shown.empty() && shown.back() == '0') shown.pop_back();
    if (!shown.empty() && shown.back() == '.') shown.pop_back();
    for (char& c : shown)
        if (c == '.') c = ',';
    return shown;
}

std::string BestRatingsText(const GameData& data, int group) {
    std::string text =
        Tab(5) + Tab(25) + "Jogador" + Tab(137) + "Clube" + Tab(252) + "Média" + Tab(300) + "J<br>";
    int rank = 0;
    for (const t_ranked_rating& r : data.ranked_ratings) {
        if (group >= 0 && r.group != group) continue;
        if (++rank > kPanelLines) break;
        const std::string player = r.player >= 0 && r.player < static_cast<int>(data.players.size())
                                       ? data.players[r.player].name.str()
                                       : std::string();
        const std::string club = r.team >= 0 && r.team < static_cast<int>(data.teams.size())
                                     ? data.teams[r.team].name.str()
                                     : std::string();
        text += Tab(5) + std::to_string(rank) + Tab(25) + player + Tab(137) + club + Tab(252) +
                AverageText(r.average) + Tab(300) + RatingText(r.matches) + "<br>";
    }
    return text;
}

}  // namespace kv
