#include "season/human_coaches.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/game_data.h"
#include "game/headless_game.h"
#include "season/coaches.h"
#include "season/histories.h"
#include "season/job_offers.h"
#include "season/roll_of_honour.h"
#include "tests/game/game_world.h"
#include "tests/game/play_day.h"

namespace kv {
namespace {

TEST(HumanCoaches, AddingAppendsAFreshRecordAndARemovedRecordIsNeverHandedOn) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    data.game_state.main_country = 29;
    const int club = test::AddClub(data, 29);
    data.game_state.human_coaches[0] = data.teams[club].coach;
    data.coaches[data.teams[club].coach].human = 1;

    const int added = AddHumanCoach(data, "Novo Técnico");
    ASSERT_EQ(added, static_cast<int>(data.coaches.size()) - 1);
    EXPECT_EQ(data.game_state.human_coaches[1], added);
    const t_coach& c = data.coaches[added];
    EXPECT_EQ(c.name.str(), "Novo Técnico");
    EXPECT_EQ(c.human, 1);
    EXPECT_EQ(c.club, -1);
    EXPECT_EQ(c.division, 2);
    EXPECT_EQ(c.country, 29);
    EXPECT_EQ(AddHumanCoach(data, ""), -1);

    // A coach with a club stays; one without leaves every list.
    EXPECT_EQ(RemoveHumanCoach(data, data.teams[club].coach), HumanCoachRemoval::kHasClub);
    data.state_dismissals.push_back({added, club});
    data.state_dismissals.push_back({data.teams[club].coach, club});
    ASSERT_EQ(RemoveHumanCoach(data, added), HumanCoachRemoval::kRemoved);
    EXPECT_EQ(data.game_state.human_coaches[1], -1);
    EXPECT_EQ(data.coaches[added].name.str(), "Novo Técnico");
    ASSERT_EQ(data.state_dismissals.size(), 1u);
    EXPECT_NE(data.state_dismissals[0].coach, added);
    EXPECT_EQ(RemoveHumanCoach(data, added), HumanCoachRemoval::kNotHuman);

    // The record of the coach who left is no free coach and no later coach takes it.
    EXPECT_NE(FindFreeCoach(data, -1), added);
    EXPECT_NE(FindFreeCoachForDivision(data, 29, 2), added);
    const int next = AddHumanCoach(data, "Outro");
    EXPECT_GT(next, added);
    EXPECT_EQ(data.game_state.human_coaches[1], next);

    // Ten-club divisions start a new coach in the fourth.
    data.game_state.league_format = kDivisionsOf10;
    EXPECT_EQ(data.coaches[AddHumanCoach(data, "Terceiro")].division, 4);
}

// The histories name their coaches by record: a champion who leaves the game stays named.
TEST(HumanCoaches, ARemovedChampionStaysInTheRollOfHonour) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    data.game_state.main_country = 29;
    const int club = test::AddClub(data, 29);
    data.teams[club].division = 1;
    data.competitions = {t_competition{}, t_competition{ckNationalLeague, 29, 1}};
    const int champion = AddHumanCoach(data, "Campeão Humano");
    ReleaseCoach(data, club, data.teams[club].coach);
    HireCoach(data, club, champion);
    AddHonour(data, ckNationalLeague, club, 29, 1, -1, -1, 1);
    ReleaseCoach(data, club, champion);
    ASSERT_EQ(RemoveHumanCoach(data, champion), HumanCoachRemoval::kRemoved);

    const std::vector<t_honour_line> lines = RollOfHonour(data, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].champion, club);
    EXPECT_EQ(lines[0].coach, "Campeão Humano");
}

TEST(HumanCoaches, EverySlotTakenRefusesANewCoach) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    for (int i = 0; i < 6; ++i) EXPECT_GE(AddHumanCoach(data, "T" + std::to_string(i)), 0);
    const std::size_t records = data.coaches.size();
    EXPECT_EQ(AddHumanCoach(data, "Sétimo"), -1);
    EXPECT_EQ(data.coaches.size(), records);
    EXPECT_EQ(HumanCoachCount(data), 6);
}

// Remembers the coaches the round close offered jobs to.
class OfferedCoaches : public GameWindows {
  public:
    bool Show(const WindowRequest& request) override {
        if (request.window == GameWindow::kJobOffer) {
            coaches.push_back(request.coach);
            ClearJobOffers(Game());
        }
        return false;
    }
    std::vector<int> coaches;
};

TEST(HumanCoaches, ACoachAddedMidGameTakesHisTurnAtTheRoundCloseUntilRemoved) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 37;
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(setup), "");
    for (int i = 0; i < 3; ++i) game.PlayRound();
    GameData& data = Game();
    const int added = AddHumanCoach(data, "Recém Chegado");
    ASSERT_GE(added, 0);
    OfferedCoaches offered;
    for (int day = 0; day < 20 && std::ranges::count(offered.coaches, added) == 0; ++day)
        test::PlayDay(offered);
    EXPECT_GT(std::ranges::count(offered.coaches, added), 0) << "never offered a job";

    ASSERT_EQ(RemoveHumanCoach(data, added), HumanCoachRemoval::kRemoved);
    OfferedCoaches after;
    for (int day = 0; day < 10; ++day) test::PlayDay(after);
    EXPECT_EQ(std::ranges::count(after.coaches, added), 0);
    Game().Reset();
}

}  // namespace
}  // namespace kv
