// The rules the match windows show and ask through: shoot-out kicks and taker orders, the
// injury replacement's choice, event texts and the statistics, the away team's kit.
#include <gtest/gtest.h>

#include "core/random.h"
#include "match/injury_choice.h"
#include "match/kit_choice.h"
#include "match/match_view_texts.h"
#include "match/shootout_kicks.h"
#include "match_world.h"

namespace kv {
namespace {

// Plays kicks given as a string of pairs: '1' scored, '0' missed, A first; returns the winner
// and how many kicks were taken before it was known.
struct Played {
    int winner;
    int kicks;
};
Played Play(ShootoutKicks& s, const std::string& kicks) {
    int taken = 0;
    for (char k : kicks) {
        if (s.winner()) break;
        s.Kick(k == '1');
        ++taken;
    }
    return {s.winner(), taken};
}

TEST(ShootoutKicks, AWinnerIsDeclaredOnceAndEndsTheKicks) {
    struct Case {
        const char* kicks;
        int winner;
        int kicks_taken;
    };
    const Case cases[] = {
        {"101010", 1, 6},            // A 3-0 after B's third miss: 3 > 0 + 5 - 3
        {"0101010", 2, 6},           // B leads 3-0 after three pairs: A cannot catch up
        {"1111111111", 0, 10},       // five pairs at 5-5: sudden death goes on
        {"111111111111", 0, 12},     // a sixth pair of two goals goes on
        {"11111111111110", 1, 14},   // the seventh pair: A scores, B misses
        {"111111111101", 2, 12},     // sudden death: A misses, B scores
        {"1010101010101010", 1, 6},  // kicks after the winner change nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kicks);
        ShootoutKicks s(TakerList{1, 2, 3}, TakerList{4, 5, 6});
        const Played p = Play(s, c.kicks);
        EXPECT_EQ(p.winner, c.winner);
        EXPECT_EQ(p.kicks, c.kicks_taken);
        if (p.winner) {
            const int a = s.goals_a(), b = s.goals_b();
            EXPECT_EQ(s.Kick(true), c.winner);
            EXPECT_EQ(s.goals_a(), a);
            EXPECT_EQ(s.goals_b(), b);
            EXPECT_EQ(s.next_side(), 0);
        }
    }
}

TEST(ShootoutKicks, ShortListsStartAgainFromTheirFirstTaker) {
    TakerList a{};
    for (int i = 0; i < 9; ++i) a[i] = 100 + i;  // nine players left on the pitch
    ShootoutKicks s(a, TakerList{7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
    std::vector<int> takers_a;
    std::vector<int> takers_b;
    while (s.kick_number() < 11 || s.next_side() == 2) {
        (s.next_side() == 1 ? takers_a : takers_b).push_back(s.NextTaker());
        s.Kick(true);
    }
    ASSERT_GE(takers_a.size(), 11u);
    EXPECT_EQ(takers_a[8], 108);
    EXPECT_EQ(takers_a[9], 100);
    EXPECT_EQ(takers_a[10], 101);
    EXPECT_EQ(takers_b[10], 17);
}

class LineupRulesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::StartMatchDay();
        team_ = testing::AddTeam(true);
        testing::AddSquad(team_, 70);
        ChooseComputerLineup(team_);
        strength_ = Game().teams[team_].match_strength_index;
        for (int p : S().players)
            if (p > 0) Game().players[p].on_pitch = 1;
    }
    void TearDown() override { Game().Reset(); }
    t_match_strength& S() { return Game().match_strengths[strength_]; }
    int team_ = -1;
    int strength_ = -1;
};

TEST_F(LineupRulesTest, TakerOrdersFollowThePitchCodes) {
    const std::vector<int> listed = AvailableTakers(strength_);
    ASSERT_EQ(listed.size(), 11u);
    EXPECT_EQ(listed.front(), S().players[10]);  // the goalkeeper heads the list
    const TakerList computer = ComputerTakerOrder(strength_);
    EXPECT_EQ(computer[10], S().players[10]);  // and kicks last for the computer
    int previous = 26;
    for (int p : computer) {
        int code = 0;
        for (int slot = 0; slot < 11; ++slot)
            if (S().players[slot] == p) code = S().slot_positions[slot];
        EXPECT_LE(code, previous);
        previous = code;
    }
    // A player sent off kicks no more.
    Game().players[S().players[0]].on_pitch = 0;
    EXPECT_EQ(AvailableTakers(strength_).size(), 10u);
    EXPECT_EQ(ComputerTakerOrder(strength_)[10], 0);
}

TEST_F(LineupRulesTest, InjuryChoiceSkipsEmptyAndUsedBenchPlaces) {
    // Player 0 is the table's dummy entry, whose position reads as a goalkeeper's: an empty
    // place must not count as a goalkeeper on the bench.
    Game().players[0].position = 0;
    auto outfield = [&](int place_from) {
        std::vector<int> bench;
        for (int place = place_from; place < 7; ++place)
            if (S().bench[place] > 0 && Game().players[S().bench[place]].position != 0)
                bench.push_back(S().bench[place]);
        return bench;
    };
    const int keeper = S().players[10];
    int bench_keeper_place = -1;
    for (int place = 0; place < 7; ++place)
        if (S().bench[place] > 0 && Game().players[S().bench[place]].position == 0)
            bench_keeper_place = place;
    ASSERT_GE(bench_keeper_place, 0);

    InjuryChoice c = InjuryReplacementChoice(strength_, keeper);
    EXPECT_TRUE(c.goalkeepers_only);
    EXPECT_EQ(c.players, std::vector<int>{S().bench[bench_keeper_place]});

    S().bench[bench_keeper_place] = 0;
    S().bench[(bench_keeper_place + 1) % 7] = -1;
    c = InjuryReplacementChoice(strength_, keeper);
    EXPECT_FALSE(c.goalkeepers_only);
    EXPECT_TRUE(c.improvise_in_goal);
    EXPECT_EQ(c.players.size(), outfield(0).size());
    for (std::size_t i = 1; i < c.players.size(); ++i)
        EXPECT_LE(Game().players[c.players[i - 1]].position, Game().players[c.players[i]].position);

    // An injured forward with the bench used up: nobody.
    for (int& place : S().bench) place = place > 0 ? -1 : place;
    c = InjuryReplacementChoice(strength_, S().players[0]);
    EXPECT_TRUE(c.players.empty());
    EXPECT_FALSE(c.improvise_in_goal);
}

TEST_F(LineupRulesTest, EventTextsAndLists) {
    GameData& gd = Game();
    const int a = S().players[0];
    const int b = S().players[1];
    gd.players[a].name.set("Zé <Bola>");
    gd.players[b].name.set("Tião");
    const int away = testing::AddTeam();
    auto event = [&](int kind, int team, int value, int tick) {
        return t_match_event{kind, team, a, value, tick, 1};
    };
    EXPECT_EQ(EventIconName(event(meCard, team_, 3, 5)), "i_cacv");
    EXPECT_EQ(EventSubject(event(mePenaltyMissed, team_, 0, 5)), "Zé <Bola> (perdeu penalti)");
    EXPECT_EQ(EventSubject(event(meSubstitution, team_, b, 5)), "(Zé <Bola>) Tião");
    EXPECT_EQ(EventRowMarkup(event(mePenaltyGoal, team_, 0, 100), true, true),
              "<FONT color=\"clwhite\"><SHAD><b>Zé &lt;Bola&gt; (de penalti) 4'</b></SHAD></FONT>");

    std::vector<t_match_event> events;
    events.push_back(event(meGoal, team_, 0, 20));
    events.push_back(event(meOwnGoal, away, 0, 120));
    const std::string list = EventListMarkup(events, team_, 15, 16);
    EXPECT_NE(list.find("<P align=\"left\"><FONT color=\"#DFDF00\"  size=\"8\" face=\"Arial\"><B>"
                        "<IMG src=\"i_gol\"><SHAD>1x0 - Zé &lt;Bola&gt; - 10' - 1º </SHAD>"
                        "</b></font></p>"),
              std::string::npos)
        << list;
    EXPECT_NE(list.find("1x1 - Zé &lt;Bola&gt; - 14' - 2º (contra) </SHAD><IMG src=\"i_golv\">"),
              std::string::npos)
        << list;
    struct Case {
        int events, listed, ellipsis_at, lines;
        bool ellipsis;
    };
    for (const Case& c : {Case{16, 15, 16, 15, true}, Case{15, 15, 16, 15, false},
                          Case{14, 12, 16, 12, false}, Case{16, 12, 16, 12, true}}) {
        std::vector<t_match_event> many(c.events, event(meCard, team_, 1, 30));
        const std::string s = EventListMarkup(many, team_, c.listed, c.ellipsis_at);
        int lines = 0;
        for (std::size_t at = s.find("<P "); at != std::string::npos; at = s.find("<P ", at + 1))
            ++lines;
        EXPECT_EQ(lines, c.lines) << c.events;
        EXPECT_EQ(s.find("...") != std::string::npos, c.ellipsis) << c.events;
    }
}

TEST_F(LineupRulesTest, FirstLegOfASecondLeg) {
    GameData& gd = Game();
    const int other = testing::AddTeam();
    gd.teams[team_].name.set("Atlético");
    gd.teams[other].name.set("Porto");
    gd.game_state.match_kind = ckNationalCup;
    gd.game_state.national_cup_round = 3;
    t_fixture& first = testing::AddFixture(ckNationalCup, 3, team_, other);
    first.home_goals = 2;
    first.away_goals = 1;
    const int match = testing::AddDayMatch(other, team_);
    gd.game_state.national_cup_leg = 1;
    EXPECT_EQ(FirstLegMarkup(match), "");
    gd.game_state.national_cup_leg = 2;
    const std::string s = FirstLegMarkup(match);
    EXPECT_NE(s.find("Primeiro Jogo"), std::string::npos);
    EXPECT_LT(s.find("Atlético"), s.find("Porto"));
    EXPECT_NE(s.find("<SHAD>2</SHAD>"), std::string::npos);
    EXPECT_NE(s.find("<SHAD>1</SHAD>"), std::string::npos);
    gd.game_state.match_kind = ckContinentalCup;  // a group round has no first leg
    gd.game_state.continental_cup_round = 2;
    EXPECT_EQ(FirstLegMarkup(match), "");

    // A state final has no fixture round: the state keeps the first final's score, the
    // runner-up (today's visitor) at home then.
    gd.game_state.match_kind = ckStateChampionship;
    gd.state_position = 4;
    t_state_league& state = gd.state_leagues[4];
    state.finalist_a = other;  // the group winner, at home today
    state.finalist_b = team_;
    state.final_goals_a1 = 3;
    state.final_goals_b1 = 0;
    gd.game_state.state_league_round = 6;
    EXPECT_EQ(FirstLegMarkup(match), "");
    gd.game_state.state_league_round = 7;
    const std::string final = FirstLegMarkup(match);
    ASSERT_NE(final.find("Primeiro Jogo"), std::string::npos);
    EXPECT_LT(final.find("Atlético"), final.find("Porto"));
    EXPECT_LT(final.find("<SHAD>0</SHAD>"), final.find("<SHAD>3</SHAD>"));
    state.finalist_b = testing::AddTeam();  // another pair's record says nothing of this match
    EXPECT_EQ(FirstLegMarkup(match), "");
}

TEST(MatchFigures, PossessionShares) {
    jogos m{};
    m.possession[0] = 60;
    m.possession[1] = 40;
    m.goals[1] = 1;  // the home side trails and plays on the counter
    PossessionShares s = LivePossessionShares(m, 2, 0);
    EXPECT_EQ(s.home, 49);
    EXPECT_EQ(s.away, 51);
    m.possession[0] = m.possession[1] = 0;
    s = LivePossessionShares(m, 0, 0);
    EXPECT_EQ(s.home, 50);
    EXPECT_EQ(ArchivedPossessionShares(0, 0).away, 100);
    EXPECT_EQ(ArchivedPossessionShares(2, 1).home, 66);  // whole per cents, cut

    t_archived_match a{};
    a.stats[0][0] = 3;
    a.stats[1][0] = 1;
    a.stats[0][2] = 7;   // shots
    a.stats[1][1] = 12;  // balls won
    const std::string markup = StatisticsMarkup(ArchivedMatchFigures(a));
    EXPECT_NE(markup.find("<shad>75%<IND x=\"40\">Posse de Bola<IND x=\"150\">25%</shad><BR>"),
              std::string::npos);
    EXPECT_NE(markup.find("<shad>7<IND x=\"45\">Finalizações<IND x=\"150\">0</shad>"),
              std::string::npos);
    EXPECT_NE(markup.find("<shad>0<IND x=\"40\">Roubadas bola<IND x=\"150\">12</shad>"),
              std::string::npos);
}

TEST_F(LineupRulesTest, FormationAndPositions) {
    const std::int32_t codes[11] = {2, 4, 6, 9, 11, 12, 13, 10, 19, 23, 1};
    EXPECT_EQ(FormationOfCodes(codes), "4-4-2");
    const int centre_back = S().players[0];
    const int midfielder = S().players[1];
    Game().players[centre_back].position = 2;
    Game().players[midfielder].position = 3;
    EXPECT_TRUE(PlaysOutOfPosition(centre_back, 12));
    EXPECT_FALSE(PlaysOutOfPosition(centre_back, 4));
    EXPECT_FALSE(PlaysOutOfPosition(midfielder, 10));
    EXPECT_TRUE(PlaysOutOfPosition(midfielder, 2));
}

TEST(ComputerAwayKit, SwitchesOnlyWhenTheColoursClashAndAnotherKitExists) {
    struct Case {
        int home, away;
        bool second, third;
        int kit;
    };
    for (const Case& c : {Case{2, 3, true, true, 1}, Case{2, 2, true, true, 2},
                          Case{2, 2, false, true, 3}, Case{2, 2, false, false, 1},
                          Case{0, 0, true, false, 2}}) {
        SCOPED_TRACE(std::to_string(c.home) + " " + std::to_string(c.away));
        EXPECT_EQ(ComputerAwayKit(c.home, c.away, c.second, c.third), c.kit);
    }
}

}  // namespace
}  // namespace kv
