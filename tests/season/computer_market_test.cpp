#include "season/computer_market.h"

#include <gtest/gtest.h>

#include <map>

#include "core/money_text.h"
#include "core/random.h"
#include "season/coach_dismissals.h"
#include "season/coaches.h"
#include "season/loans.h"
#include "season/player_economy.h"
#include "season/transfers.h"
#include "economy_world.h"

namespace kv {
namespace {

struct MarketWorld : test::EconomyWorld {
    std::vector<Money> cash_before;
    std::vector<int> loanees;
    int human = -1;

    explicit MarketWorld(std::uint64_t seed) {
        SeedRandom(seed);
        AddLeague(3, 2, 10);
        AddLeague(29, 1, 10);
        const int background_first = static_cast<int>(data().teams.size());
        for (int k = 0; k < 4; ++k) AddClub({.country = 65, .division = 0, .reputation = 3 + k % 3});
        data().game_state.league_club_count = background_first;
        data().game_state.background_club_count = 4;
        human = 3;
        MakeHumanClub(human);
        for (int club = 0; club < static_cast<int>(data().teams.size()); ++club) {
            t_team& t = data().teams[club];
            if (club < background_first) t.reputation = Random(6);
            t.level = 8 + Random(16);
            static constexpr int kMinimum[5] = {2, 3, 3, 5, 3};
            for (int position = 0; position < 5; ++position) {
                const int count = kMinimum[position] - 1 + Random(4);
                for (int k = 0; k < count; ++k)
                    AddPlayer(club, {.position = position, .strength = 20 + Random(60),
                                     .age = 18 + Random(17), .star = Random(15) == 1,
                                     .nationality = t.country});
            }
            Refresh(club);
            ListSurplusPlayers(data(), club);
            cash_before.push_back(t.cash);
        }
        for (int k = 0; k < 3; ++k) {  // the human club lends three players to computer clubs
            const int player = AddPlayer(human, {.position = posForward, .strength = 90});
            MovePlayerOnLoan(data(), player, 5 + k, today() + 100);
            AddLoan(data(), player, human, today() + 100);
            loanees.push_back(player);
        }
        for (int club = 0; club < static_cast<int>(data().teams.size()); ++club)
            cash_before[club] = data().teams[club].cash;
    }

    // The market never moves a player who is out on loan.
    void ExpectLoansUntouched() {
        for (int player : loanees) {
            EXPECT_EQ(data().players[player].loan_status, 2);
            EXPECT_GE(FindOpenLoan(data(), player), 0);
        }
    }

    void ExpectSoundBooks() {
        const GameData& g = data();
        std::map<int, std::int64_t> sold, bought, sales;
        for (const t_transfer& t : g.transfer_log) {
            if (t.fee == 0) continue;  // the loans of the set-up
            sold[t.from_team] += t.fee;
            bought[t.to_team] += t.fee;
            sales[t.from_team] += 1;
        }
        for (int club = 0; club < static_cast<int>(g.teams.size()); ++club) {
            const t_finance& f = g.finances[club];
            EXPECT_EQ(f.player_sales, sold[club]) << club;
            EXPECT_EQ(f.player_purchases, bought[club]) << club;
            EXPECT_EQ(g.teams[club].cash - cash_before[club],
                      MoneyFromUnits(sold[club] - bought[club]) + 4100 * sales[club])
                << club;
        }
        EXPECT_TRUE(test::WageBillsTrue(g));
    }

    void ExpectSquadsInLimits() {
        const GameData& g = data();
        for (int club = 0; club < static_cast<int>(g.teams.size()); ++club) {
            const t_team& t = g.teams[club];
            int count = 0;
            for (const t_player& p : g.players) count += p.team == club;
            EXPECT_EQ(t.squad_size, count) << club;
            EXPECT_GE(t.squad_size, 11) << club;
            EXPECT_LE(t.squad_size, 30) << club;
            for (int position = 0; position < 5; ++position)
                EXPECT_GE(t.position_counts[position], 1) << club << "/" << position;
        }
        for (const t_transfer& t : g.transfer_log)
            if (t.fee > 0) {
                EXPECT_NE(t.from_team, human);
                EXPECT_NE(t.to_team, human);
            }
    }
};

TEST(ComputerMarket, SeasonWindowKeepsSquadsInLimitsAndBooksConsistent) {
    for (std::uint64_t seed : {1u, 2u, 3u, 4u}) {
        MarketWorld w(seed);
        const std::size_t loans_logged = w.data().transfer_log.size();
        RunComputerTransferWindow(w.data());
        EXPECT_GT(w.data().transfer_log.size(), loans_logged + 10) << seed;
        w.ExpectSoundBooks();
        w.ExpectSquadsInLimits();
        w.ExpectLoansUntouched();
        for (const t_transfer& t : w.data().transfer_log) {
            if (t.fee == 0) continue;
            const t_player& p = w.data().players[t.player];
            EXPECT_EQ(p.bought_this_window, 1);
            EXPECT_EQ(p.bought_by_computer, 1);
            EXPECT_EQ(t.fee, MoneyToWholeUnits(p.value));
        }
    }
}

TEST(ComputerMarket, RandomTransfersAfterRoundsKeepTheSameRules) {
    MarketWorld w(9);
    int moved = 0;
    for (int k = 0; k < 60; ++k) moved += MakeRandomComputerTransfer(w.data(), -1) > 0;
    for (int k = 0; k < 20; ++k) moved += MakeRandomComputerTransfer(w.data(), 29) > 0;
    EXPECT_GT(moved, 10);
    w.ExpectSoundBooks();
    w.ExpectSquadsInLimits();
    w.ExpectLoansUntouched();
}

TEST(ComputerMarket, SeasonOfRoundsWithLoansAndCoachChangesKeepsEveryInvariant) {
    MarketWorld w(21);
    GameData& g = w.data();
    for (int club = 0; club < static_cast<int>(g.teams.size()); ++club)
        if (g.teams[club].coach < 0) w.AddCoach("Técnico de fora", club);
    const int human_coach = w.AddCoach("Humano", -1, true);
    g.teams[w.human].human = 0;  // the club becomes human through its coach below
    g.game_state.human_count = 0;
    g.game_state.human_clubs[0] = -1;
    ReleaseCoach(g, w.human, g.teams[w.human].coach);
    HireCoach(g, w.human, human_coach);
    for (int k = 0; k < 6; ++k) w.AddCoach(("Livre " + std::to_string(k)).c_str());
    for (int round = 0; round < 30; ++round) {
        g.game_state.calendar_day = 10 + 7 * round;
        ReturnLoanedPlayers(g, w.today());
        for (int k = 0; k < 3; ++k) MakeRandomComputerTransfer(g, -1);
        int shaken = Random(static_cast<int>(g.teams.size()));
        if (shaken == w.human) shaken = 0;  // the human coach keeps his job here
        g.teams[shaken].board_confidence = 5;
        g.teams[shaken].table_position[ckNationalLeague] = 6 + Random(5);
        ProcessCoachDismissals(g);
        test::ExpectOneCoachEach(g);
        ASSERT_TRUE(test::WageBillsTrue(g)) << round;
    }
    EXPECT_GT(g.coach_appointment_log.size(), 10u);  // boards did sack coaches
    for (int club = 0; club < static_cast<int>(g.teams.size()); ++club) ListSurplusPlayers(g, club);
    RunComputerTransferWindow(g);
    ReturnLoanedPlayers(g, w.today());
    EXPECT_TRUE(test::WageBillsTrue(g));
    for (const t_loan& loan : g.loans) {
        if (loan.player < 0) continue;
        EXPECT_EQ(g.players[loan.player].loan_status, 2);
        EXPECT_NE(g.players[loan.player].team, loan.owner);
    }
    for (int player : w.loanees) EXPECT_EQ(g.players[player].team, w.human);  // all back home
    w.ExpectSquadsInLimits();
}

struct PurchaseWorld : test::EconomyWorld {
    ComputerMarket market;
    int buyer, seller;
    PurchaseWorld(int buyer_country, int buyer_rep, int seller_country, int seller_rep) {
        buyer = AddClub({.country = buyer_country, .division = 1, .reputation = buyer_rep});
        seller = AddClub({.country = seller_country, .division = 1, .reputation = seller_rep});
        AddSquad(buyer, {2, 3, 3, 5, 3}, 50);
        AddSquad(seller, {3, 3, 3, 5, 4}, 50);
        market.average_strength = {50, 50};
        market.sales_count = {0, 0};
    }
    int Offer(int position, int strength) {
        const int player = AddPlayer(seller, {.position = position, .strength = strength,
                                              .nationality = data().teams[seller].country});
        Refresh(seller);
        AddMarketCandidate(data(), market, player);
        return player;
    }
};

TEST(ComputerMarket, PurchaseRulesOfTheFirstRounds) {
    struct Case {
        const char* what;
        int buyer_country, buyer_rep, seller_country, seller_rep;
        int strength;
        bool bought;
    };
    const Case cases[] = {
        {"same continent, in the band", 3, 3, 3, 3, 55, true},
        {"too strong for the margin", 3, 0, 3, 0, 61, false},
        {"too weak", 3, 3, 3, 3, 40, false},
        {"seller far above in reputation", 3, 1, 3, 4, 55, false},
        {"a modest european club never shops in south america", 3, 1, 29, 1, 55, false},
        {"an african club stays in africa", 1, 3, 3, 3, 55, false},
    };
    for (const Case& c : cases) {
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            PurchaseWorld w(c.buyer_country, c.buyer_rep, c.seller_country, c.seller_rep);
            const int player = w.Offer(posForward, c.strength);
            SeedRandom(seed);
            const bool bought = TryComputerPurchase(w.data(), w.market, w.buyer, posForward, 1);
            EXPECT_EQ(bought, c.bought) << c.what;
            EXPECT_EQ(w.data().players[player].team == w.buyer, c.bought) << c.what;
            EXPECT_EQ(w.market.last_buyer, w.buyer);
            EXPECT_EQ(w.market.last_buyer_bought, c.bought);
        }
    }
}

// A purchase of one position reads only that position's candidates, still in list order from
// the scan start, and sees the candidates offered since its last look.
TEST(ComputerMarket, APurchaseOfOnePositionTakesItsFirstCandidateFromTheScanStart) {
    PurchaseWorld w(3, 3, 3, 3);
    auto team = [&w](int player) { return w.data().players[player].team; };
    const int before_start = w.Offer(posMidfielder, 55);
    w.Offer(posCentreBack, 55);
    const int first = w.Offer(posMidfielder, 55);
    const int second = w.Offer(posMidfielder, 55);
    w.market.scan_start = 1;
    SeedRandom(3);
    ASSERT_TRUE(TryComputerPurchase(w.data(), w.market, w.buyer, posMidfielder, 1));
    EXPECT_EQ(team(first), w.buyer);
    ASSERT_TRUE(TryComputerPurchase(w.data(), w.market, w.buyer, posMidfielder, 1));
    EXPECT_EQ(team(second), w.buyer);
    const int offered_later = w.Offer(posMidfielder, 55);
    ASSERT_TRUE(TryComputerPurchase(w.data(), w.market, w.buyer, posMidfielder, 1));
    EXPECT_EQ(team(offered_later), w.buyer);
    EXPECT_EQ(team(before_start), w.seller);
}

TEST(ComputerMarket, SellerSellsThreeInTheFirstRoundsAndMoreWhenInNeed) {
    PurchaseWorld w(3, 3, 3, 3);
    for (t_player& p : w.data().players)
        if (p.team == w.buyer && p.position == posMidfielder) p.team = -1;  // short of midfield
    w.data().PlayerTeamsChanged();
    w.Refresh(w.buyer);
    for (int k = 0; k < 6; ++k) w.Offer(posMidfielder, 52);
    SeedRandom(1);  // a purchase draws: the same draws whatever ran before
    int bought = 0;
    for (int k = 0; k < 8; ++k)
        bought += TryComputerPurchase(w.data(), w.market, w.buyer, posMidfielder, 1);
    EXPECT_EQ(bought, 3);
    w.market.sales_count = {0, 0};
    w.market.last_buyer = -1;
    for (int k = 0; k < 8; ++k)
        bought += TryComputerPurchase(w.data(), w.market, w.buyer, posMidfielder, 2);
    EXPECT_EQ(bought, 6);  // every one offered
    EXPECT_EQ(w.data().teams[w.buyer].position_counts[posMidfielder], 6);
}

TEST(ComputerMarket, SellerKeepsItsMinimumOfThePosition) {
    PurchaseWorld w(3, 3, 3, 3);
    for (t_player& p : w.data().players)
        if (p.team == w.seller && p.position == posMidfielder) p.team = -1;
    w.data().PlayerTeamsChanged();
    for (int k = 0; k < 3; ++k) w.Offer(posMidfielder, 52);
    int bought = 0;
    for (int k = 0; k < 4; ++k)
        bought += TryComputerPurchase(w.data(), w.market, w.buyer, posMidfielder, 1);
    EXPECT_EQ(bought, 1);
    EXPECT_EQ(w.data().teams[w.seller].position_counts[posMidfielder], 2);
}

TEST(ComputerMarket, AShortClubBuysInTheWindowWhateverItsReputationButWithinItsCash) {
    struct Case {
        const char* what;
        std::array<int, 5> squad;
        std::int64_t cash_units;
        bool buys;
    };
    const Case cases[] = {
        {"fourteen players", {2, 3, 3, 3, 3}, 100'000'000, true},
        {"one goalkeeper in a full squad", {1, 4, 4, 7, 4}, 100'000'000, true},
        {"short but penniless", {1, 3, 3, 3, 3}, 0, false},
    };
    for (const Case& c : cases)
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(c.what);
            test::EconomyWorld w;
            SeedRandom(seed);
            for (int k = 0; k < 4; ++k) {
                const int seller = w.AddClub({.country = 3, .reputation = 1});
                w.AddSquad(seller, {4, 6, 6, 10, 6}, 45);
            }
            // A modest club outside the leagues: it never buys but for its short squad.
            const int club = w.AddClub(
                {.country = 3, .division = 0, .reputation = 1, .cash_units = c.cash_units});
            w.AddSquad(club, c.squad, 45);
            w.data().game_state.league_club_count = club;
            w.data().game_state.background_club_count = 1;
            const int before = w.data().teams[club].squad_size;
            for (int k = 0; k <= club; ++k) ListSurplusPlayers(w.data(), k);
            RunComputerTransferWindow(w.data());
            const t_team& t = w.data().teams[club];
            EXPECT_GE(t.cash, 0);
            if (c.buys) {
                EXPECT_GE(t.squad_size, 18);
                EXPECT_GE(t.position_counts[posGoalkeeper], 2);
            } else {
                EXPECT_EQ(t.squad_size, before);
            }
        }
}

TEST(ComputerMarket, ShortAndSurplusPositions) {
    test::EconomyWorld w;
    const int club = w.AddClub({.reputation = 3});
    w.AddSquad(club, {2, 3, 5, 4, 3});
    EXPECT_EQ(FirstShortPosition(w.data(), club), posMidfielder);
    EXPECT_EQ(FirstSurplusPosition(w.data(), club), posCentreBack);
    w.data().teams[club].reputation = 4;
    w.AddSquad(club, {0, 0, 0, 1, 0});
    EXPECT_EQ(FirstShortPosition(w.data(), club), -1);
    EXPECT_EQ(FirstSurplusPosition(w.data(), club), posCentreBack);
}

}  // namespace
}  // namespace kv
