#include "match/human_lineup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "core/random.h"
#include "match/lineup_strength.h"
#include "match_world.h"

namespace kv {
namespace {

using testing::AddPlayer;
using testing::AddSquad;
using testing::AddTeam;

// The players on the 18 shirts, each once; fails on a repeat.
std::set<int> ShirtPlayers(const HumanLineup& l) {
    std::set<int> seen;
    for (int s = 1; s <= kShirtCount; ++s) {
        const int p = l.shirt(s).player;
        if (p <= 0) continue;
        EXPECT_TRUE(seen.insert(p).second) << "player " << p << " on two shirts";
    }
    return seen;
}

class HumanLineupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::StartMatchDay();
        team_ = AddTeam(true);
        Game().teams[team_].coach = 0;
        AppendRecord(Game().coaches);
        AppendRecord(Game().coaches);
    }
    void TearDown() override { Game().Reset(); }
    t_player& P(int p) { return Game().players[p]; }

    int team_ = -1;
};

TEST_F(HumanLineupTest, EveryFormationOnAFullSquadAndOnOneWithPlayersOut) {
    const int first = static_cast<int>(Game().players.size());
    AddSquad(team_, 70);
    // Out: the first goalkeeper injured, two forwards suspended, a midfielder on three yellow
    // cards, a centre-back moved between human clubs this round, a full-back out of contract.
    const std::set<int> out = {first, first + 18, first + 19, first + 12, first + 7, first + 2};
    for (bool with_players_out : {false, true}) {
        if (with_players_out) {
            P(first).injured_until = 10;
            P(first + 18).suspension[1] = 1;
            P(first + 19).suspension[1] = 2;
            P(first + 12).yellow_cards[1] = 3;
            P(first + 7).moved_this_round = 1;
            P(first + 2).contract_end = -5;
        }
        for (int f = 1; f <= kFormationCount; ++f) {
            SCOPED_TRACE(std::string(FormationName(f)) +
                         (with_players_out ? " with players out" : ""));
            HumanLineup l(Game(), team_, false);
            l.AutoSelect(f);
            const std::set<int> chosen = ShirtPlayers(l);
            EXPECT_EQ(l.StarterCount(), 11);
            EXPECT_EQ(P(l.shirt(1).player).position, 0);
            for (int s = 1; s <= 11; ++s) {
                EXPECT_EQ(l.shirt(s).position, FormationPosition(f, s));
                // Enough of every position remains for each shirt to get his own.
                EXPECT_EQ(P(l.shirt(s).player).position,
                          PitchPositionInfo(l.shirt(s).position).position)
                    << "shirt " << s;
                EXPECT_EQ(l.StateOf(l.shirt(s).player), LineupRowState::kStarter);
            }
            for (int s = 12; s <= 18; ++s) {
                if (l.shirt(s).empty()) continue;
                EXPECT_EQ(l.StateOf(l.shirt(s).player), LineupRowState::kSubstitute);
            }
            if (with_players_out) {
                for (int p : out) EXPECT_EQ(chosen.count(p), 0u) << p;
                EXPECT_EQ(l.StateOf(first), LineupRowState::kUnavailable);
                EXPECT_EQ(l.StateOf(first + 7), LineupRowState::kNotSelectable);
                EXPECT_EQ(l.StateOf(first + 2), LineupRowState::kNotSelectable);
                EXPECT_EQ(l.rows()[l.RowOf(first)].condition, 3);
                EXPECT_EQ(l.rows()[l.RowOf(first + 12)].condition, 4);
                EXPECT_EQ(l.rows()[l.RowOf(first + 18)].condition, 1);
            } else {
                EXPECT_EQ(chosen.size(), 18u);
                EXPECT_EQ(P(l.shirt(12).player).position, 0);
            }
        }
    }
}

TEST_F(HumanLineupTest, AutomaticLineupOnRandomSquadsNeverRepeatsAndKeepsAGoalkeeper) {
    for (int seed = 1; seed <= 40; ++seed) {
        testing::StartMatchDay();
        const int team = AddTeam(true);
        SeedRandom(seed);
        const int size = 8 + Random(22);
        bool keeper = false;
        for (int i = 0; i < size; ++i) {
            const int position = Random(5);
            const int p =
                AddPlayer(team, {position, 30 + Random(60), Random(2), Random(3), 40 + Random(60)});
            if (Random(5) == 0) Game().players[p].injured_until = 10;
            keeper |= position == 0 && Game().players[p].injured_until == 0;
        }
        HumanLineup l(Game(), team, false);
        l.AutoSelect(1 + Random(kFormationCount));
        for (const int p : ShirtPlayers(l))
            EXPECT_EQ(Game().players[p].injured_until, 0) << "seed " << seed;
        const int gk = l.shirt(1).player;
        EXPECT_EQ(gk > 0 && Game().players[gk].position == 0, keeper) << "seed " << seed;
    }
}

TEST_F(HumanLineupTest, AutomaticLineupFallbacksAndTies) {
    // No goalkeeper: shirt 1 stays empty and the first substitute is the full-back.
    for (int pos : {1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4}) AddPlayer(team_, {pos, 50});
    HumanLineup l(Game(), team_, false);
    l.AutoSelect(4);
    EXPECT_TRUE(l.shirt(1).empty());
    EXPECT_EQ(P(l.shirt(12).player).position, 1);

    // One forward left for the bench after "4-4-2": shirts 12 to 17 filled, 18 empty.
    testing::StartMatchDay();
    const int bench = AddTeam(true);
    for (int pos : {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4, 4}) AddPlayer(bench, {pos, 50});
    HumanLineup b(Game(), bench, false);
    b.AutoSelect(4);
    for (int s = 12; s <= 17; ++s) EXPECT_FALSE(b.shirt(s).empty()) << s;
    EXPECT_EQ(P(b.shirt(17).player).position, 4);
    EXPECT_TRUE(b.shirt(18).empty());

    // "5-3-2" without a centre-back: the centre takes the free "Volante" whatever his foot
    // (the left-footed one went to the midfield) before it falls back to a full-back.
    testing::StartMatchDay();
    const int no_z = AddTeam(true);
    for (int pos : {0, 4, 4}) AddPlayer(no_z, {pos, 60});
    AddPlayer(no_z, {3, 70, 1, 0});  // the midfield's volante
    for (int side : {0, 1}) AddPlayer(no_z, {3, 60, side, 1});
    const int right_volante = AddPlayer(no_z, {3, 40, 0, 0});
    for (int side : {0, 1, 1}) AddPlayer(no_z, {1, 55, side, 0});
    HumanLineup centre(Game(), no_z, false);
    centre.AutoSelect(2);  // shirt 9: position 6, a left-sided centre-back
    EXPECT_EQ(centre.shirt(9).player, right_volante);
    EXPECT_EQ(P(centre.shirt(10).player).position, 1);

    // Two forwards of equal strength: the one with more energy first, whatever his energy; and
    // the same choice again.
    testing::StartMatchDay();
    const int team = AddTeam(true);
    AddPlayer(team, {0, 60});
    const int tired = AddPlayer(team, {4, 70, 0, 0, 5});
    const int fresh = AddPlayer(team, {4, 70, 0, 0, 90});
    HumanLineup two(Game(), team, false);
    two.AutoSelect(4);  // shirts 2 and 3: positions 22 and 24
    EXPECT_EQ(two.shirt(2).player, fresh);
    EXPECT_EQ(two.shirt(3).player, tired);
    two.AutoSelect(4);
    EXPECT_EQ(two.shirt(2).player, fresh);
    EXPECT_EQ(two.shirt(3).player, tired);
}

TEST_F(HumanLineupTest, DropsSwapsAndMovesOnThePitch) {
    AddSquad(team_, 70);
    P(3).injured_until = 10;
    HumanLineup l(Game(), team_, false);
    EXPECT_TRUE(l.DropPlayer(5, 5));
    EXPECT_EQ(l.StateOf(5), LineupRowState::kStarter);
    // Onto an occupied shirt: the new player takes it, the old one goes back to the list.
    EXPECT_TRUE(l.DropPlayer(6, 5));
    EXPECT_EQ(l.shirt(5).player, 6);
    EXPECT_EQ(l.StateOf(5), LineupRowState::kFree);
    // A player who wears shirt 5 dropped on shirt 14 leaves shirt 5 empty and joins the bench.
    EXPECT_TRUE(l.DropPlayer(6, 14));
    EXPECT_TRUE(l.shirt(5).empty());
    EXPECT_EQ(l.StateOf(6), LineupRowState::kSubstitute);
    // Unavailable players and players of other teams are refused.
    EXPECT_FALSE(l.DropPlayer(3, 2));
    EXPECT_FALSE(l.DropPlayer(0, 2));
    EXPECT_FALSE(l.DropPlayer(5, 19));
    EXPECT_TRUE(l.shirt(2).empty());

    // A shirt dropped on an occupied one swaps the players; the positions stay with the shirts.
    l.DropPlayer(7, 2);
    const int pos2 = l.shirt(2).position, pos14 = l.shirt(14).position;
    l.SwapShirts(2, 14);
    EXPECT_EQ(l.shirt(2).player, 6);
    EXPECT_EQ(l.shirt(14).player, 7);
    EXPECT_EQ(l.shirt(2).position, pos2);
    EXPECT_EQ(l.shirt(14).position, pos14);
    EXPECT_EQ(l.StateOf(6), LineupRowState::kStarter);
    EXPECT_EQ(l.StateOf(7), LineupRowState::kSubstitute);
    // With an empty shirt the player simply moves.
    l.SwapShirts(14, 9);
    EXPECT_EQ(l.shirt(9).player, 7);
    EXPECT_TRUE(l.shirt(14).empty());
    EXPECT_EQ(l.StateOf(7), LineupRowState::kStarter);

    // Outfield starters move on the pitch, even onto a taken position; the goalkeeper and the
    // substitutes do not.
    EXPECT_TRUE(l.MoveShirt(2, 12));
    EXPECT_TRUE(l.MoveShirt(3, 12));
    EXPECT_EQ(l.shirt(3).position, 12);
    EXPECT_FALSE(l.MoveShirt(1, 12));
    EXPECT_FALSE(l.MoveShirt(13, 12));
    EXPECT_FALSE(l.MoveShirt(4, 26));
    EXPECT_EQ(l.shirt(1).position, 1);

    EXPECT_EQ(PitchPositionAt(165, 533), 1);
    EXPECT_EQ(PitchPositionAt(206, 574), 1);
    EXPECT_EQ(PitchPositionAt(207, 574), 0);
    EXPECT_EQ(PitchPositionAt(305 + 41, 100), 25);
}

TEST_F(HumanLineupTest, StandardLineupComesBackWithoutPlayersWhoCannotPlay) {
    AddSquad(team_, 70);
    {
        HumanLineup l(Game(), team_, false);
        l.AutoSelect(9);
        l.MoveShirt(4, 18);
        l.StoreDefault();
    }
    ASSERT_EQ(Game().default_lineups.size(), 1u);
    const t_default_lineup stored = Game().default_lineups[0];
    const int injured = stored.players[3];
    P(injured).injured_until = 10;
    const int sold = stored.players[12];
    Game().SetPlayerTeam(sold, -1);

    HumanLineup l(Game(), team_, false);
    ASSERT_TRUE(l.LoadDefault());
    EXPECT_EQ(l.shirt(4).position, 18);
    EXPECT_TRUE(l.shirt(4).empty());
    EXPECT_TRUE(l.shirt(13).empty());
    EXPECT_EQ(l.shirt(2).player, stored.players[1]);
    EXPECT_EQ(l.StateOf(stored.players[1]), LineupRowState::kStarter);
    EXPECT_EQ(l.StateOf(injured), LineupRowState::kUnavailable);
    // The record itself forgets them.
    EXPECT_EQ(Game().default_lineups[0].players[3], 0);
    EXPECT_EQ(Game().default_lineups[0].players[12], 0);

    HumanLineup other(Game(), AddTeam(true), false);
    EXPECT_FALSE(other.LoadDefault());
}

TEST_F(HumanLineupTest, SavedTacticsAreKeptForTheirTeamAndCoach) {
    AddSquad(team_, 70);
    Game().game_state.user_club = team_;
    Game().game_state.current_coach = 1;  // stale: the team's own coach 0 has the turn
    HumanLineup l(Game(), team_, false);
    EXPECT_EQ(l.SaveTactic("Cedo"), -1) << "fewer than 11 starters";
    l.AutoSelect(9);
    EXPECT_EQ(l.SaveTactic(""), -1) << "no name";
    const int a = l.SaveTactic("Ataque");
    ASSERT_EQ(a, 0);
    EXPECT_EQ(Game().saved_tactics[a].formation.str(), "3-5-2");
    EXPECT_EQ(Game().saved_tactics[a].coach, 0);
    // An outfield shirt on position 1 counts in no line.
    l.MoveShirt(5, 1);
    const int b = l.SaveTactic("Ataque");
    EXPECT_EQ(Game().saved_tactics[b].formation.str(), "3-4-2");

    // Back after an automatic line-up: the players not in the tactic go back to the list.
    HumanLineup again(Game(), team_, false);
    again.AutoSelect(1);
    std::set<int> in_tactic(std::begin(Game().saved_tactics[a].players),
                            std::end(Game().saved_tactics[a].players));
    ASSERT_TRUE(again.LoadSavedTactic(a));
    for (const LineupRow& row : again.rows()) {
        if (in_tactic.count(row.player)) continue;
        EXPECT_EQ(row.state, LineupRowState::kFree) << row.player;
    }
    EXPECT_EQ(again.FormationText(), "3-5-2");

    // Neither another coach of the team nor the same coach at another team loads it; a
    // deleted record and an index outside the table neither.
    Game().teams[team_].coach = 1;
    EXPECT_FALSE(again.LoadSavedTactic(a));
    Game().teams[team_].coach = 0;
    HumanLineup elsewhere(Game(), AddTeam(true), false);
    EXPECT_FALSE(elsewhere.LoadSavedTactic(a));
    Game().saved_tactics[b].team = Game().saved_tactics[b].coach = -1;
    EXPECT_FALSE(again.LoadSavedTactic(b));
    EXPECT_FALSE(again.LoadSavedTactic(-1));
    EXPECT_FALSE(again.LoadSavedTactic(99));

    // A national team in a tournament files under the coach leading it.
    const int national = AddTeam(true);
    Game().teams[national].coach = 1;
    Game().game_state.current_coach = 0;
    EXPECT_EQ(LineupCoach(Game(), national), 1);
    Game().teams[national].coach = -1;
    EXPECT_EQ(LineupCoach(Game(), national), 0);
}

TEST_F(HumanLineupTest, CommitWritesTheRecordTheEngineReads) {
    AddSquad(team_, 70);
    HumanLineup l(Game(), team_, false);
    l.AutoSelect(4);
    // An empty substitute shirt between filled ones leaves no gap on the bench.
    l.DropPlayer(l.shirt(12).player, 18);
    ASSERT_TRUE(l.shirt(12).empty());
    P(l.shirt(5).player).moved_this_round = 1;
    P(l.shirt(6).player).energy = 14;
    P(l.shirt(6).player).characteristic1 = 12;  // stamina: no complaint
    P(l.shirt(7).player).energy = 14;
    P(l.shirt(7).player).characteristic1 = 9;
    P(l.shirt(7).player).morale = 3;
    const int index = l.Commit();

    const t_match_strength& r = Game().match_strengths.at(index);
    EXPECT_EQ(Game().teams[team_].match_strength_index, index);
    EXPECT_EQ(OwnMatchStrength(team_), index);
    EXPECT_EQ(r.players[10], l.shirt(1).player);
    EXPECT_EQ(r.slot_positions[10], 1);
    for (int s = 2; s <= 11; ++s) {
        EXPECT_EQ(r.players[s - 2], l.shirt(s).player);
        EXPECT_EQ(r.slot_positions[s - 2], l.shirt(s).position);
        EXPECT_TRUE(P(l.shirt(s).player).on_pitch);
    }
    EXPECT_EQ(r.bench[0], l.shirt(13).player);
    EXPECT_EQ(P(r.bench[0]).squad_role, 2);
    EXPECT_FALSE(P(r.bench[0]).on_pitch);
    EXPECT_EQ(r.bench[6], 0);
    EXPECT_FALSE(P(l.shirt(5).player).moved_this_round);
    EXPECT_EQ(P(l.shirt(6).player).morale, 0);
    EXPECT_EQ(P(l.shirt(7).player).morale, 1);
    ASSERT_EQ(Game().inbox.size(), 1u);
    EXPECT_EQ(Game().inbox[0].player, l.shirt(7).player);
    EXPECT_GT(r.attack_total, 0);
    EXPECT_FALSE(r.irregular_lineup);
}

TEST_F(HumanLineupTest, NationalTeamsNeitherCheckMovesNorHearFromTiredStarters) {
    AddSquad(team_, 70);
    P(5).moved_this_round = 1;
    P(6).contract_end = -5;
    HumanLineup l(Game(), team_, true);
    EXPECT_EQ(l.StateOf(5), LineupRowState::kFree);
    EXPECT_EQ(l.StateOf(6), LineupRowState::kFree);
    l.AutoSelect(4);
    P(l.shirt(2).player).energy = 10;
    P(l.shirt(2).player).morale = 3;
    l.Commit();
    EXPECT_EQ(P(l.shirt(2).player).morale, 3);
    EXPECT_TRUE(Game().inbox.empty());
}

TEST_F(HumanLineupTest, CommittedLineupHasTheComputersStrengthAndPlaysAMatch) {
    AddSquad(team_, 70);
    const int opponent = AddTeam();
    AddSquad(opponent, 65);
    Game().teams[team_].human = 0;  // the computer's rule for the same team
    SeedRandom(5);
    ChooseComputerLineup(team_);
    const t_match_strength computer = Game().match_strengths.back();
    Game().teams[team_].human = 1;

    HumanLineup l(Game(), team_, false);
    l.TakeFrom(computer);
    const int index = l.Commit();
    const t_match_strength& mine = Game().match_strengths.at(index);
    EXPECT_EQ(std::memcmp(mine.players, computer.players, sizeof mine.players), 0);
    EXPECT_EQ(std::memcmp(mine.bench, computer.bench, sizeof mine.bench), 0);
    EXPECT_EQ(std::memcmp(mine.zone_attack, computer.zone_attack, sizeof mine.zone_attack), 0);
    EXPECT_EQ(std::memcmp(mine.zone_defence, computer.zone_defence, sizeof mine.zone_defence), 0);
    EXPECT_EQ(mine.goalkeeper_value, computer.goalkeeper_value);
    EXPECT_EQ(mine.attack_total, computer.attack_total);
    EXPECT_EQ(mine.irregular_lineup, computer.irregular_lineup);

    ChooseComputerLineup(opponent);
    const int match = testing::AddDayMatch(team_, opponent);
    testing::PlayWholeMatch(match);
    const jogos& m = Game().day_matches[match];
    EXPECT_GE(m.tick, kSecondHalfLastTick);
}

TEST_F(HumanLineupTest, FewerThanElevenAreEnoughWhenNoMoreCanPlay) {
    for (int pos : {0, 1, 1, 2, 2, 3, 3, 4, 4, 4, 4}) AddPlayer(team_, {pos, 50});
    P(2).injured_until = 10;
    P(3).suspension[1] = 1;
    HumanLineup l(Game(), team_, false);
    EXPECT_EQ(l.RequiredStarters(), 9);
    l.AutoSelect(4);
    EXPECT_EQ(l.StarterCount(), 9);
    EXPECT_TRUE(l.ReadyToPlay());
    // With eleven or more selectable, eleven are asked for.
    P(2).injured_until = 0;
    P(3).suspension[1] = 0;
    AddPlayer(team_, {3, 40});
    HumanLineup full(Game(), team_, false);
    EXPECT_EQ(full.RequiredStarters(), 11);
    for (int s = 0; s < 10; ++s) full.DropPlayer(full.rows()[s].player, s + 1);
    EXPECT_FALSE(full.ReadyToPlay());
    full.DropPlayer(full.rows()[10].player, 11);
    EXPECT_TRUE(full.ReadyToPlay());
}

TEST_F(HumanLineupTest, ComputerChoiceCommittedForACoachWithoutAWindow) {
    AddSquad(team_, 70);
    SeedRandom(3);
    const int index = CommitComputerLineup(Game(), team_, false);
    EXPECT_EQ(Game().match_strengths.size(), 1u) << "the computer's own record is replaced";
    EXPECT_EQ(OwnMatchStrength(team_), index);
    const t_match_strength& r = Game().match_strengths[index];
    std::set<int> used;
    for (int p : r.players) EXPECT_TRUE(p > 0 && used.insert(p).second);
    EXPECT_EQ(Game().players[r.players[10]].position, 0);
    EXPECT_GT(r.attack_total, 0);
}

// With "Manter escalação" the window opens on the standard line-up: the computer's choice taken
// over it is fielded whole, and the coach without a window keeps it as the window's "Jogar" does.
TEST_F(HumanLineupTest, TheComputersChoiceTakenOverTheStandardLineupIsKeptWhenAsked) {
    AddSquad(team_, 70);
    {
        HumanLineup standard(Game(), team_, false);
        standard.AutoSelect(7);
        // The standard line-up names the players in another order than the computer will.
        standard.SwapShirts(2, 14);
        standard.SwapShirts(5, 16);
        standard.StoreDefault();
    }
    Game().game_state.keep_lineup = 1;
    SeedRandom(3);
    const t_match_strength computer = ComputerLineupChoice(Game(), team_);
    HumanLineup l(Game(), team_, false);
    ASSERT_TRUE(l.LoadDefault());
    l.TakeFrom(computer);
    EXPECT_EQ(l.StarterCount(), kStarterShirts);
    for (int s = 1; s <= kStarterShirts; ++s)
        EXPECT_EQ(l.shirt(s).player, computer.players[s == 1 ? 10 : s - 2]) << "shirt " << s;

    SeedRandom(3);
    const int index = CommitComputerLineup(Game(), team_, false);
    ASSERT_EQ(Game().default_lineups.size(), 1u);
    const t_default_lineup& kept = Game().default_lineups[0];
    EXPECT_EQ(kept.players[0], Game().match_strengths[index].players[10]);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(kept.players[slot], Game().match_strengths[index].players[slot - 1]);
    // Without the option the standard line-up is left as it was.
    Game().game_state.keep_lineup = 0;
    Game().default_lineups[0].players[1] = 0;
    CommitComputerLineup(Game(), team_, false);
    EXPECT_EQ(Game().default_lineups[0].players[1], 0);
}

TEST_F(HumanLineupTest, ShirtCaptionsShortenNamesAndMarkImprovisedPlayers) {
    const int zagueiro = AddPlayer(team_, {2, 60, 0, 0, 87});
    P(zagueiro).name.set("Ânderson Élcio Souza");
    P(zagueiro).shirt_number = 4;
    const int meia = AddPlayer(team_, {3, 60});
    P(meia).name.set("Tião");
    auto width = [](std::string_view s) { return static_cast<int>(s.size()) * 6; };
    struct Case {
        int shirt, position, player;
        const char* markup;
        const char* hint;
    } cases[] = {
        {9, 9, zagueiro,
         "<P align=\"center\"><shad><B><FONT color=\"#DFDF00\">4 - Ânderson É.</shad></B><BR>"
         "<shad>L (87%)</shad></font></P>",
         "Z improvisado como L"},
        {4, 4, zagueiro,
         "<P align=\"center\"><shad><B>4 - Ânderson É.</shad></B><BR><shad>Z (87%)</shad></P>", ""},
        {14, 0, zagueiro,
         "<P align=\"center\"><shad><B>4 - Ânderson É.</shad></B><BR><shad>Z (87%)</shad></P>", ""},
        {11, 17, meia, "<P align=\"center\"><shad><B>Tião</shad></B><BR><shad>M (100%)</shad></P>",
         ""},
    };
    for (const Case& c : cases) {
        const ShirtCaption caption =
            BuildShirtCaption(Game(), c.shirt, c.position, c.player, width);
        EXPECT_EQ(caption.markup, c.markup) << c.shirt;
        EXPECT_EQ(caption.hint, c.hint) << c.shirt;
    }
    EXPECT_EQ(BuildShirtCaption(Game(), 2, 2, 0, width).markup, "");
}

}  // namespace
}  // namespace kv
