// Contracts, youth promotion and the purchase negotiation of a human club.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/field_readers.h"
#include "core/money_text.h"
#include "core/random.h"
#include "economy_world.h"
#include "season/contracts.h"
#include "season/player_economy.h"
#include "season/purchase_negotiation.h"
#include "season/retirement.h"

namespace kv {
namespace {

using test::EconomyWorld;

struct Squad : EconomyWorld {
    int club, player;
    explicit Squad(int place = 3) {
        club = AddClub({.human = true, .cash_units = 3'000'000});
        AddSquad(club, {2, 2, 2, 3, 2});
        player = AddPlayer(club, {.position = posForward, .strength = 60});
        data().teams[club].table_position[ckNationalLeague] = place;
        Refresh(club);
    }
    t_player& p() { return data().players[player]; }
    std::int32_t wage() { return MoneyToWholeUnits(p().wage); }
};

TEST(Contract, DemandByLeaguePlaceAndLength) {
    struct Case {
        int place, months, percent;
    };
    const Case cases[] = {{0, 6, 10},  {6, 12, 20}, {1, 24, 30},
                          {7, 6, -10}, {8, 12, -5}, {20, 24, 10}};
    for (const Case& c : cases) {
        Squad s(c.place);
        s.p().contract_end = s.today();  // expired: the current wage does not count
        s.p().wage = MoneyFromUnits(500);
        const std::int32_t base = CalcPlayerWage(s.data(), s.player);
        const std::int32_t demand = ContractDemand(s.data(), s.player, c.months);
        EXPECT_EQ(demand, base + std::lround(base * c.percent / 100.0))
            << c.place << " " << c.months;
        // Offering exactly the demand is enough; one less brings the counter-demand.
        EXPECT_EQ(AnswerContractOffer(demand, demand), ContractAnswer::kAccepted);
        EXPECT_EQ(AnswerContractOffer(demand - 1, demand), ContractAnswer::kCounterDemand);
    }
}

TEST(Contract, WellPaidPlayerWithTimeLeftAsksHisWagePlusATenth) {
    Squad s(8);
    s.p().contract_end = s.today();
    const std::int32_t computed = ContractDemand(s.data(), s.player, 12);
    s.p().wage = MoneyFromUnits(computed + 1'000);
    s.p().contract_end = s.today() + 31;
    EXPECT_EQ(ContractDemand(s.data(), s.player, 12),
              computed + 1'000 + std::lround(computed * 0.1));
    s.p().contract_end = s.today() + 30;  // 30 days left: the computed demand stands
    EXPECT_EQ(ContractDemand(s.data(), s.player, 12), computed);
}

TEST(Contract, CeilingAppliesOnlyAboveAHundredThousand) {
    EXPECT_EQ(AnswerContractOffer(100'000, 1'000), ContractAnswer::kAccepted);
    EXPECT_EQ(AnswerContractOffer(100'001, 1'000), ContractAnswer::kAboveCeiling);
    EXPECT_EQ(AnswerContractOffer(100'001, 20'001), ContractAnswer::kAccepted);
    EXPECT_EQ(ContractCeiling(20'000), 100'000);
}

TEST(Contract, SigningRaisesMoraleOnlyAboveThirtyPercentAndRecomputesTheWageBill) {
    for (auto [rise_percent, morale_up] : {std::pair{30, false}, std::pair{31, true}}) {
        Squad s;
        s.p().wage = MoneyFromUnits(10'000);
        s.p().morale = 2;
        s.p().on_sale = 1;
        s.p().asking_price = MoneyFromUnits(1);
        s.Refresh(s.club);
        const std::size_t news = s.data().inbox.size();
        SignNewContract(s.data(), s.player, 10'000 + rise_percent * 100, 24);
        EXPECT_EQ(s.p().morale, morale_up ? 3 : 2) << rise_percent;
        EXPECT_EQ(s.data().inbox.size(), news + (morale_up ? 1 : 0));
        EXPECT_EQ(s.wage(), 10'000 + rise_percent * 100);
        EXPECT_EQ(s.p().on_sale, 0);
        EXPECT_EQ(s.p().asking_price, s.p().value);
        EXPECT_NEAR(s.p().contract_end - s.today(), 731, 2);
        EXPECT_TRUE(test::WageBillsTrue(s.data()));
    }
    Squad s;
    s.p().morale = 3;
    SignNewContract(s.data(), s.player, s.wage() * 3, 6);
    EXPECT_EQ(s.p().morale, 3);  // capped
}

TEST(YouthPromotion, SuccessorFillsTheRetiredPlayersPlace) {
    Squad s;
    const int size = s.data().teams[s.club].squad_size;
    const int retired = s.player;
    const std::int32_t c1 = s.p().characteristic1, c2 = s.p().characteristic2;
    const int youth = PromoteYouth(s.data(), retired, s.p().name.str(), posForward);
    ASSERT_GT(youth, retired);
    const t_player& y = s.data().players[youth];
    EXPECT_EQ(y.team, s.club);
    EXPECT_EQ(s.data().players[retired].team, -1);
    EXPECT_EQ(s.data().teams[s.club].squad_size, size);
    EXPECT_EQ(y.position, posForward);
    EXPECT_EQ(y.characteristic1, c1);
    EXPECT_EQ(y.characteristic2, c2);
    EXPECT_GE(y.age, 17);
    EXPECT_LE(y.age, 20);
    EXPECT_TRUE(test::WageBillsTrue(s.data()));

    const int keeper = PromoteYouth(s.data(), youth, "Um nome bem comprido demais", posGoalkeeper);
    EXPECT_EQ(s.data().players[keeper].position, posGoalkeeper);
    EXPECT_EQ(s.data().players[keeper].name.str(), "Um nome bem comprido");
    EXPECT_EQ(s.data().teams[s.club].squad_size, size);

    EXPECT_EQ(PromoteYouth(s.data(), keeper, "", posGoalkeeper), -1);
    EXPECT_EQ(s.data().players[keeper].team, s.club);
}

// A human user club in one division buying from computer clubs.
struct Market : EconomyWorld {
    int user, seller;
    explicit Market(int user_division = 1, int format = kDivisionsOf20) {
        data().game_state.league_format = format;
        user = AddClub({.division = user_division, .human = true, .cash_units = 20'000'000});
        seller = AddClub({.level = 15, .division = 1});
        AddSquad(user, {2, 2, 2, 3, 2});
    }
    int Add(int position, int count, int strength = 50) {
        int first = -1;
        for (int k = 0; k < count; ++k) {
            const int p = AddPlayer(seller, {.position = position, .strength = strength});
            if (first < 0) first = p;
        }
        Refresh(seller);
        return first;
    }
    std::int32_t value(int p) { return MoneyToWholeUnits(data().players[p].value); }
    OfferDecision Offer(int p, double multiple) {
        return DecideOfferForComputerPlayer(
            data(), p, user, static_cast<std::int32_t>(std::ceil(value(p) * multiple)));
    }
};

TEST(Negotiation, ComputerClubWantsAMultipleByHowManyOfThePositionItKeeps) {
    struct Case {
        int position, count;
        double multiple;
    };
    const Case cases[] = {{posGoalkeeper, 1, 2.5}, {posGoalkeeper, 2, 2.0}, {posMidfielder, 3, 1.2},
                          {posMidfielder, 4, 2.0}, {posForward, 5, 1.3},    {posFullBack, 7, 1.2}};
    for (const Case& c : cases) {
        Market m;
        const int p = m.Add(c.position, c.count);
        EXPECT_TRUE(m.Offer(p, c.multiple).accepted) << c.position << " x" << c.count;
        const OfferDecision low = m.Offer(p, c.multiple - 0.05);
        EXPECT_FALSE(low.accepted);
        EXPECT_EQ(low.message, "Sua proposta não foi aceita");
    }
}

TEST(Negotiation, ListedPlayerGoesForHisValue) {
    Market m;
    const int p = m.Add(posForward, 1);
    m.data().players[p].on_sale = 1;
    const OfferDecision d = m.Offer(p, 1.0);
    EXPECT_TRUE(d.accepted);
    EXPECT_FALSE(d.replacement_needed);
}

TEST(Negotiation, LastGoalkeeperIsSoldWithAReplacementBought) {
    Market m;
    const int keeper = m.Add(posGoalkeeper, 1, 40);
    const int other = m.AddClub({.level = 15});
    m.AddSquad(other, {3, 2, 2, 3, 2}, 40);
    const OfferDecision d = m.Offer(keeper, 2.5);
    ASSERT_TRUE(d.accepted);
    EXPECT_TRUE(d.replacement_needed);
    EXPECT_EQ(d.replacement_position, posGoalkeeper);
    const std::int32_t fee = static_cast<std::int32_t>(std::ceil(m.value(keeper) * 2.5));
    const Money cash = m.data().teams[m.user].cash;
    ASSERT_TRUE(CompletePurchase(m.data(), keeper, m.user, fee, -1, d.replacement_needed,
                                 d.replacement_position));
    EXPECT_EQ(m.data().players[keeper].team, m.user);
    EXPECT_EQ(cash - m.data().teams[m.user].cash, MoneyFromUnits(fee));
    m.Refresh(m.seller);
    EXPECT_EQ(m.data().teams[m.seller].position_counts[posGoalkeeper], 1);  // the replacement
    EXPECT_TRUE(test::WageBillsTrue(m.data()));
}

TEST(Negotiation, PlayerOfAHigherDivisionRefusesOrAsksARise) {
    {  // divisions of 20: a first-division player of a level-22 club refuses
        Market m(2);
        m.data().teams[m.seller].level = 22;
        const int p = m.Add(posForward, 5);
        const OfferDecision d = m.Offer(p, 1.3);
        EXPECT_FALSE(d.accepted);
        EXPECT_FALSE(d.salary_demand);
        EXPECT_EQ(d.message, m.data().players[p].name.str() +
                                 " não demonstrou interesse em jogar no seu modesto time.");
    }
    {  // divisions of 10: a strong first-division player asks +400 % from a second-division club
        Market m(2, 1);
        const int p = m.Add(posForward, 5, 60);
        const OfferDecision d = m.Offer(p, 1.3);
        EXPECT_FALSE(d.accepted);
        EXPECT_TRUE(d.salary_demand);
        EXPECT_FLOAT_EQ(d.salary_demand_factor, 4.0f);
    }
}

TEST(Negotiation, SalaryDemandAcceptedMovesThePlayerAtTheNewWage) {
    EXPECT_EQ(RaisedWage(10'000, 0.5f), 15'000);
    EXPECT_EQ(SalaryDemandText("Zé", 0.5f, 15'000),
              "Para jogar no seu clube Zé quer um aumento de salário de 50%, passando seu "
              "salário para $" +
                  FormatDigitGroups(15'000) + ". Deseja aceitar?");
    Market m;
    const int p = m.Add(posForward, 5);
    const std::int32_t wage = RaisedWage(MoneyToWholeUnits(m.data().players[p].wage), 3.0f);
    ASSERT_TRUE(CompletePurchase(m.data(), p, m.user, 100'000, wage, false, 0));
    EXPECT_EQ(MoneyToWholeUnits(m.data().players[p].wage), wage);
    EXPECT_TRUE(test::WageBillsTrue(m.data()));
}

TEST(Negotiation, PurchaseTheBuyerCannotPayChangesNothing) {
    Market m;
    const int p = m.Add(posForward, 5);
    m.data().teams[m.user].cash = MoneyFromUnits(1'000);
    EXPECT_FALSE(CompletePurchase(m.data(), p, m.user, 1'001, -1, false, 0));
    EXPECT_EQ(m.data().players[p].team, m.seller);
    EXPECT_EQ(m.data().teams[m.user].cash, MoneyFromUnits(1'000));
}

TEST(TeamView, LoanAcceptedByDivisionsAndLevel) {
    struct Case {
        int format, seller_division, seller_level, user_division;
        bool accepts;
    };
    const Case cases[] = {
        {kDivisionsOf20, 1, 21, 2, false},
        {kDivisionsOf20, 1, 20, 2, true},
        {1, 1, 20, 2, false},
        {1, 1, 19, 2, true},
        {1, 1, 20, 3, true},
        {1, 1, 10, 4, false},
        {1, 2, 18, 4, true},
        {1, 2, 19, 4, false},
        {1, 2, 25, 1, true},
    };
    for (const Case& c : cases) {
        Market m(c.user_division, c.format);
        m.data().teams[m.seller].division = c.seller_division;
        m.data().teams[m.seller].level = c.seller_level;
        const int p = m.Add(posForward, 1);
        EXPECT_EQ(AcceptsLoan(m.data(), p, m.user), c.accepts)
            << c.format << " " << c.seller_division << " " << c.seller_level << " "
            << c.user_division;
    }
}

TEST(TeamView, ActionsFollowTheSquadLimitCashAndLoans) {
    Market m;
    const int p = m.Add(posForward, 3);
    t_player& player = m.data().players[p];
    player.on_sale = 1;
    player.asking_price = m.data().teams[m.user].cash + 1;
    TeamViewActions a = TeamViewActionsFor(m.data(), p, m.user);
    EXPECT_FALSE(a.buy);  // more than the cash
    EXPECT_TRUE(a.offer);
    player.asking_price = m.data().teams[m.user].cash;
    player.loan_status = 1;
    a = TeamViewActionsFor(m.data(), p, m.user);
    EXPECT_TRUE(a.buy && a.offer && a.loan);

    player.loan_status = 2;  // on loan here: nothing
    a = TeamViewActionsFor(m.data(), p, m.user);
    EXPECT_FALSE(a.buy || a.offer || a.loan);
    player.loan_status = 1;
    m.data().teams[m.user].squad_size = kMaxHumanSquad;
    a = TeamViewActionsFor(m.data(), p, m.user);
    EXPECT_FALSE(a.buy || a.offer || a.loan);
    const int own = 1;  // the user club's first player
    a = TeamViewActionsFor(m.data(), own, m.user);
    EXPECT_FALSE(a.buy || a.offer || a.loan);
}

TEST(TeamView, TurningTheCardAppliesTheStricterPurchaseRule) {
    Market m;
    const int keeper = m.Add(posGoalkeeper, 1);
    const int p = m.Add(posForward, 12);
    GameData& d = m.data();
    d.players[keeper].on_sale = d.players[p].on_sale = 1;
    ASSERT_GE(d.teams[m.seller].available_players, 11);
    EXPECT_TRUE(TeamViewCardAllowsPurchase(d, p, m.user));
    EXPECT_FALSE(TeamViewCardAllowsPurchase(d, keeper, m.user)) << "the seller's only keeper";
    EXPECT_FALSE(TeamViewCardAllowsPurchase(d, 1, m.user)) << "the user's own player";
    struct Case {
        const char* what;
        std::function<void(GameData&)> change;
    };
    const Case cases[] = {
        {"value above the cash",
         [&](GameData& g) { g.players[p].value = g.teams[m.user].cash + 1; }},
        {"a squad of 25", [&](GameData& g) { g.teams[m.user].squad_size = 25; }},
        {"10 available at the seller",
         [&](GameData& g) { g.teams[m.seller].available_players = 10; }},
        {"not listed", [&](GameData& g) { g.players[p].on_sale = 0; }},
    };
    for (const Case& c : cases) {
        const GameData before = d;
        c.change(d);
        EXPECT_FALSE(TeamViewCardAllowsPurchase(d, p, m.user)) << c.what;
        d = before;
    }
}

TEST(Sale, ListingNeverLeavesFewerUnlistedPlayersThanASale) {
    Market m;  // the user club holds 11 players
    const int extra = m.AddPlayer(m.user);
    m.Refresh(m.user);
    EXPECT_TRUE(CanListForSale(m.data(), extra));  // 12: 11 stay unlisted
    m.data().players[extra].on_sale = 1;
    EXPECT_FALSE(CanListForSale(m.data(), 1));     // a second listing would leave 10
    EXPECT_TRUE(CanListForSale(m.data(), extra));  // re-pricing the listed one is fine
}

}  // namespace
}  // namespace kv
