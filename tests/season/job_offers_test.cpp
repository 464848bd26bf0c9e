#include "season/job_offers.h"

#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "season/coaches.h"
#include "economy_world.h"

namespace kv {
namespace {

struct OfferWorld : test::EconomyWorld {
    int home, abroad;
    OfferWorld(int format, int home_divisions, int per_division) {
        data().game_state.league_format = format;
        home = AddLeague(kHomeCountry, home_divisions, per_division);
        abroad = AddLeague(3, 1, per_division);
    }
    int Club(int league, int division, int place) const {
        return const_cast<OfferWorld*>(this)->data().league_configs[league].standings[division - 1][place - 1];
    }
    int League(int club) { return data().teams[club].country == kHomeCountry ? home : abroad; }
    // Where an offered club stands: {league, division, place}.
    std::tuple<int, int, int> Where(int club) {
        const t_team& t = data().teams[club];
        return {League(club), t.division, t.table_position[ckNationalLeague]};
    }
    int Unemployed(int division) {
        const int coach = AddCoach("Humano", -1, true);
        data().coaches[coach].division = division;
        data().coaches[coach].country = kHomeCountry;
        return coach;
    }
    std::vector<int> Offers() {
        std::vector<int> clubs;
        for (int club : data().job_offers)
            if (club >= 0) clubs.push_back(club);
        return clubs;
    }
    int HumanClub(int league, int division, int place, int confidence) {
        const int club = Club(league, division, place);
        const int coach = AddCoach("Humano", -1, true);
        ReleaseCoach(data(), club, data().teams[club].coach);
        HireCoach(data(), club, coach);
        data().teams[club].board_confidence = confidence;
        return club;
    }
};

TEST(JobOffers, UnemployedCoachOfNoDivisionStartsAtTheBottomOfHisLeague) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        OfferWorld w(kDivisionsOf10, 4, 10);
        const int coach = w.Unemployed(0);
        SeedRandom(seed);
        FindJobOffersForUnemployed(w.data(), kHomeCountry, coach);
        const std::vector<int> offers = w.Offers();
        ASSERT_FALSE(offers.empty());
        ASSERT_EQ(w.data().job_offers[0], offers[0]);
        const auto [league, division, place] = w.Where(offers[0]);
        EXPECT_EQ(league, w.home);
        EXPECT_EQ(division, 4);
        EXPECT_GE(place, 4);
        EXPECT_LE(place, 10);
        EXPECT_LE(offers.size(), 4u);
        std::set<int> distinct(offers.begin(), offers.end());
        EXPECT_EQ(distinct.size(), offers.size());
    }
}

TEST(JobOffers, DivisionsOfTwentyKeepALowCoachAtHomeWithTwoOffersAtMost) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        OfferWorld w(kDivisionsOf20, 4, 20);
        const int coach = w.Unemployed(4);
        SeedRandom(seed);
        FindJobOffersForUnemployed(w.data(), kHomeCountry, coach);
        EXPECT_LE(w.Offers().size(), 2u);
        for (int club : w.Offers()) EXPECT_EQ(w.League(club), w.home);
    }
}

TEST(JobOffers, StateChampionshipDayOffersOnlyItsPlayersOnceOrTwice) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        OfferWorld w(kDivisionsOf10, 4, 10);
        w.data().game_state.match_kind = ckStateChampionship;
        for (int place = 4; place <= 10; place += 2)
            w.data().teams[w.Club(w.home, 2, place)].in_state_league = 1;
        const int coach = w.Unemployed(2);
        SeedRandom(seed);
        FindJobOffersForUnemployed(w.data(), kHomeCountry, coach);
        const std::vector<int> offers = w.Offers();
        EXPECT_GE(offers.size(), 1u);
        EXPECT_LE(offers.size(), 2u);
        for (int club : offers) EXPECT_TRUE(w.data().teams[club].in_state_league);
    }
}

TEST(JobOffers, NothingToOfferLeavesThePlacesEmpty) {
    OfferWorld w(kDivisionsOf10, 1, 10);
    for (int place = 1; place <= 10; ++place) w.data().teams[w.Club(w.home, 1, place)].human = 1;
    for (int place = 1; place <= 10; ++place) w.data().teams[w.Club(w.abroad, 1, place)].human = 1;
    const int coach = w.Unemployed(1);
    FindJobOffersForUnemployed(w.data(), kHomeCountry, coach);
    EXPECT_TRUE(w.Offers().empty());
}

TEST(JobOffers, SeasonEndLeaderIsCourtedFromAbroadWhenTheBoardIsHappy) {
    for (int confidence : {85, 80}) {
        int foreign = 0;
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            OfferWorld w(kDivisionsOf20, 1, 20);
            const int club = w.HumanClub(w.home, 1, 1, confidence);
            SeedRandom(seed);
            FindSeasonEndJobOffers(w.data(), club);
            for (int offered : w.Offers()) {
                const auto [league, division, place] = w.Where(offered);
                if (league != w.abroad) continue;
                ++foreign;
                EXPECT_EQ(division, 1);
                EXPECT_LE(place, 10);
            }
        }
        if (confidence == 80) EXPECT_EQ(foreign, 0);
        else EXPECT_NEAR(foreign, 178, 20);
    }
}

TEST(JobOffers, SeasonEndHomeOffersComeFromTheLowerAndTheFirstDivision) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        OfferWorld w(kDivisionsOf20, 4, 20);
        const int club = w.HumanClub(w.home, 1, 1, 50);
        SeedRandom(seed);
        FindSeasonEndJobOffers(w.data(), club);
        const std::vector<int> offers = w.Offers();
        ASSERT_FALSE(offers.empty());
        const auto [league, division, place] = w.Where(offers[0]);
        EXPECT_EQ(std::tuple(league, division), std::tuple(w.home, 4));
        EXPECT_GE(place, 4);
        EXPECT_LE(place, 14);
        for (std::size_t k = 1; k < offers.size(); ++k) EXPECT_EQ(w.data().teams[offers[k]].division, 1);
    }
}

TEST(JobOffers, MidSeasonSecondDivisionNeedsThirdPlaceAndAConfidentBoard) {
    struct Case {
        int place;
        int confidence;
        bool offer;
    };
    for (const Case c : {Case{4, 90, false}, Case{3, 80, false}, Case{3, 90, true}}) {
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            OfferWorld w(kDivisionsOf10, 2, 10);
            const int club = w.HumanClub(w.home, 2, c.place, c.confidence);
            SeedRandom(seed);
            FindMidSeasonJobOffers(w.data(), club);
            const std::vector<int> offers = w.Offers();
            ASSERT_EQ(offers.size(), c.offer ? 1u : 0u) << c.place << "/" << c.confidence;
            if (!c.offer) continue;
            const auto [league, division, place] = w.Where(offers[0]);
            EXPECT_EQ(division, 1);
            EXPECT_EQ(place, 5);  // the first place searched holds a club
        }
    }
}

TEST(JobOffers, AcceptingSwapsTheTwoCoachesAndWelcomesTheNewOne) {
    OfferWorld w(kDivisionsOf20, 1, 20);
    const int left = w.HumanClub(w.home, 1, 2, 90);
    const int human = w.data().teams[left].coach;
    const int offered = w.Club(w.abroad, 1, 3);
    const int former = w.data().teams[offered].coach;
    w.data().job_offers = {offered, -1, -1, -1};
    AcceptJobOffer(w.data(), human, offered);
    EXPECT_EQ(w.data().teams[offered].coach, human);
    EXPECT_EQ(w.data().teams[left].coach, former);
    EXPECT_EQ(w.data().teams[offered].human, 1);
    EXPECT_EQ(w.data().teams[left].human, 0);
    ASSERT_FALSE(w.data().inbox.empty());
    EXPECT_EQ(w.data().inbox.back().club, offered);
    EXPECT_EQ(w.data().inbox.back().body, 1);
    EXPECT_EQ(w.data().job_offers, (std::array<std::int32_t, 4>{-1, -1, -1, -1}));
    test::ExpectOneCoachEach(w.data());
}

TEST(JobOffers, UnemployedCoachTakesTheClubAndItsCoachBecomesFree) {
    OfferWorld w(kDivisionsOf20, 1, 20);
    const int coach = w.Unemployed(1);
    const int offered = w.Club(w.home, 1, 12);
    const int former = w.data().teams[offered].coach;
    AcceptJobOffer(w.data(), coach, offered);
    EXPECT_EQ(w.data().teams[offered].coach, coach);
    EXPECT_EQ(w.data().coaches[former].employed, 0);
    test::ExpectOneCoachEach(w.data());
}

TEST(JobOffers, CaptionNamesClubCountryAndDivision) {
    OfferWorld w(kDivisionsOf20, 2, 20);
    const int club = w.Club(w.home, 2, 1);
    w.data().teams[club].name.set("Tupi");
    EXPECT_EQ(JobOfferCaption(w.data(), club), "Tupi(Brasil) - 2ª divisão");
    w.data().teams[club].division = 0;
    EXPECT_EQ(JobOfferCaption(w.data(), club), "Tupi(Brasil) - Divisão regional");
}

}  // namespace
}  // namespace kv
