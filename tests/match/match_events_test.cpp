#include "match/match_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "match_world.h"

namespace kv {
namespace {

std::vector<std::string> booked_keys;

void KeepKey(int /*player*/, int /*club*/, int /*competition*/, std::string_view key) {
    booked_keys.emplace_back(key);
}

TEST(MatchEvents, EventsAndThePlayerStatisticsTheyBook) {
    testing::SetUpMatchDay(1);
    jogos& m = Game().day_matches[1];
    m.tick = 57;
    const int home_player = Game().match_strengths[m.strength_slot[0]].players[3];
    const int away_player = Game().match_strengths[m.strength_slot[1]].players[3];
    const int substitute = Game().match_strengths[m.strength_slot[0]].bench[2];
    SetPlayerEventRecorder(KeepKey);
    struct Case {
        int player;
        int value;
        int kind;
        std::vector<int> stored_kinds;
        std::vector<std::string> keys;
    };
    const Case cases[] = {
        {home_player, -1, meGoal, {meGoal}, {"gol"}},
        {away_player, -1, meGoal, {meOwnGoal}, {}},
        {home_player, -1, mePenaltyGoal, {mePenaltyGoal}, {"gol"}},
        {home_player, 1, meCard, {meCard}, {"ca"}},
        {home_player, 3, meCard, {meCard}, {"cv"}},
        {home_player, -1, mePenaltyMissed, {mePenaltyMissed}, {}},
        {home_player, -1, meInjury, {meInjury}, {"ct"}},
        {home_player, substitute, meInjury, {meInjury, meInjurySubstitution}, {"ct"}},
        {home_player, substitute, meSubstitution, {meSubstitution}, {}},
    };
    for (const Case& c : cases) {
        Game().match_events.clear();
        booked_keys.clear();
        const int last = RecordMatchEvent(1, c.player, 1, c.value, c.kind);
        ASSERT_EQ(Game().match_events.size(), c.stored_kinds.size());
        EXPECT_EQ(last, static_cast<int>(c.stored_kinds.size()) - 1);
        for (std::size_t i = 0; i < c.stored_kinds.size(); ++i) {
            const t_match_event& e = Game().match_events[i];
            EXPECT_EQ(e.kind, c.stored_kinds[i]);
            EXPECT_EQ(e.team, m.team[0]);  // an own goal counts for the side it helps
            EXPECT_EQ(e.player, c.player);
            EXPECT_EQ(e.value, c.value);
            EXPECT_EQ(e.tick, 57);
            EXPECT_EQ(e.match, 1);
        }
        EXPECT_EQ(booked_keys, c.keys) << c.kind;
    }
    SetPlayerEventRecorder(nullptr);
    EXPECT_EQ(AddMatchEvent(3, home_player, 1, -1, meGoal), -1);
    EXPECT_EQ(AddMatchEvent(1, home_player, 0, -1, meGoal), -1);
    EXPECT_EQ(AddMatchEvent(1, home_player, 2, -1, meGoal), -1);
}

TEST(MatchEvents, CompetitionResultGoesIntoTheClubHistory) {
    testing::StartMatchDay();
    Game().game_state.season = 4;
    RecordCompetitionResult(7, 2, 3, -1);
    ASSERT_EQ(Game().club_competition_history.size(), 1u);
    const t_club_result& r = Game().club_competition_history[0];
    EXPECT_EQ(r.team, 7);
    EXPECT_EQ(r.season, 4);
    EXPECT_EQ(r.kind, 3);
    EXPECT_EQ(r.placing, 2);
    EXPECT_EQ(r.extra, -1);
}

}  // namespace
}  // namespace kv
