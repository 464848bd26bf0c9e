#include "season/best_ratings_text.h"

#include <gtest/gtest.h>

#include "core/game_data.h"

namespace kv {
namespace {

TEST(AverageText, TwoDecimalsAtMostWithTheComma) {
    EXPECT_EQ(AverageText(7.456f), "7,46");
    EXPECT_EQ(AverageText(7.0f), "7");
    EXPECT_EQ(AverageText(7.5f), "7,5");
    EXPECT_EQ(AverageText(10.0f), "10");
}

TEST(BestRatingsText, TenLinesOfTheGroupRankedWithinThePanel) {
    GameData& data = Game();
    data.Reset();
    data.teams.resize(1);
    data.teams[0].name.set("Clube");
    data.players.resize(15);
    for (int p = 1; p < 15; ++p) {
        data.players[p].name.set("J" + std::to_string(p));
        data.ranked_ratings.push_back({p, 9.0f - p * 0.1f, 5, 3, p % 2, 0});
    }
    const std::string header = BestRatingsText(data, 5);
    EXPECT_EQ(header.find("<IND x=\"5\">1"), std::string::npos) << "no one of group 5";
    const std::string odd = BestRatingsText(data, 1);
    EXPECT_NE(odd.find("<IND x=\"5\">1<IND x=\"25\">J1<IND x=\"137\">Clube<IND x=\"252\">8,9"
                       "<IND x=\"300\">5<br>"),
              std::string::npos);
    EXPECT_NE(odd.find("<IND x=\"5\">7<IND x=\"25\">J13<"), std::string::npos);
    const std::string all = BestRatingsText(data, -1);
    EXPECT_NE(all.find(">10<IND x=\"25\">J10<"), std::string::npos);
    EXPECT_EQ(all.find("J11<"), std::string::npos) << "ten lines at most";
}

}  // namespace
}  // namespace kv
