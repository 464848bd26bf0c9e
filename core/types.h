#pragma once
// The small codings every part of the game shares: competition kinds, calendar day
// types, continents and cup regions, positions and sides, match events and news.
// Records store these as plain int32 fields; the enumerations name the values.

#include <cstdint>

namespace kv {

// The competition kind; it also indexes the per-competition arrays of teams,
// players, coaches and the histories.
enum TCompetitionKind : std::int32_t {
    ckFriendly = 0,  // also a calendar day with no competition but friendlies
    ckNationalLeague = 1,
    ckNationalCup = 2,
    ckStateChampionship = 3,
    ckContinentalCup = 4,
    ckClubWorldCup = 5,
    ckSecondContinentalCup = 6,
    ckWorldCup = 7,
    ckAmericasNationsCup = 8,
    ckEuropeanNationsCup = 9,
    ckSuperCup = 10,
};
inline constexpr int kCompetitionKindCount = 11;  // 0..10

// The season count stops here (the year 1,002,013), and so do the tournaments' edition counts,
// so that no count of seasons can run past what a saved game may hold.
inline constexpr std::int32_t kLastSeason = 1000000;

// Advances a count that stops at `last` instead of running over.
inline constexpr void CountUpTo(std::int32_t& count, std::int32_t last) {
    if (count < last) ++count;
}
inline constexpr int kTableKindCount = 10;        // table tallies: kinds 0..9

inline constexpr bool IsNationalTeamTournament(int kind) {
    return kind == ckWorldCup || kind == ckAmericasNationsCup || kind == ckEuropeanNationsCup;
}

// The type of a calendar day: a competition kind 0..10 or one of these.
enum TDayType : std::int32_t {
    dtSkipped = -2,  // the day of a competition switched off this season
    dtFree = -1,
    dtRestDay = 1001,  // the rest day before a national-team tournament
};
// Day types above this are never played.
inline constexpr int kLastPlayableDayType = 999;

enum TContinent : std::int32_t {
    ctEurope = 0,
    ctSouthAmerica = 1,
    ctAfrica = 2,
    ctAsia = 3,
    ctNorthAmerica = 4,
    ctOceania = 5,
};

// Region of a continental club cup; a different coding from TContinent.
enum TCupRegion : std::int32_t {
    crSouthAmerica = 1,
    crEurope = 2,
    crAfrica = 3,
    crAsia = 4,
};

// The cup region of a continent, -1 for North America, Oceania and anything else.
inline constexpr int ContinentToCupRegion(int continent) {
    switch (continent) {
        case ctEurope:
            return crEurope;
        case ctSouthAmerica:
            return crSouthAmerica;
        case ctAfrica:
            return crAfrica;
        case ctAsia:
            return crAsia;
        default:
            return -1;
    }
}

// The country that stands for a cup region where an operation takes a country.
inline constexpr int kSouthAmericaCountry = 29;
inline constexpr int kEuropeCountry = 3;
inline constexpr int kAfricaCountry = 1;
inline constexpr int kAsiaCountry = 49;

inline constexpr int kCountryCount = 203;  // 0..201 real countries, 202 the custom championship
inline constexpr int kCustomChampionship = 202;
inline constexpr int kHomeCountry = 29;  // the only country with state championships
inline constexpr int kStateCount = 27;
inline constexpr int kFirstSeasonYear = 2013;  // the year shown is this plus the season counter

inline constexpr int SeasonYear(int season) {
    return kFirstSeasonYear + season;
}

// t_player.position
enum TPosition : std::int32_t {
    posGoalkeeper = 0,  // G
    posFullBack = 1,    // L
    posCentreBack = 2,  // Z
    posMidfielder = 3,  // M
    posForward = 4,     // A
};
inline constexpr int kPositionCount = 5;
inline constexpr char kPositionLetters[kPositionCount + 1] = "GLZMA";

// t_player.side
enum TSide : std::int32_t {
    sideRight = 0,  // D
    sideLeft = 1,   // E
};
inline constexpr char kSideLetters[3] = "DE";

// League format in t_game_state.league_format.
inline constexpr int kDivisionsOf20 = 2;
inline constexpr int kDivisionsOf10 = 4;

// t_match_event.kind; the missing values are the engine's own move outcomes.
enum TMatchEventKind : std::int32_t {
    meGoal = 4,
    meOwnGoal = 8,
    meCard = 13,
    meFreeKickGoal = 14,
    mePenaltyGoal = 15,
    mePenaltyMissed = 16,
    meInjury = 18,
    meSubstitution = 19,
    meInjurySubstitution = 20,
};

inline constexpr bool IsGoalEvent(int kind) {
    return kind == meGoal || kind == meOwnGoal || kind == meFreeKickGoal || kind == mePenaltyGoal;
}

// t_news_item.sender
enum TNewsSender : std::int32_t {
    nsBoard = 1,
    nsFans = 2,
    nsPlayer = 3,
    nsPress = 4,
    nsMedical = 5,
};

// t_news_item.subject
enum TNewsSubject : std::int32_t {
    sjWelcome = 1,
    sjSentOff = 2,
    sjFineProtest = 3,
    sjInjured = 4,
    sjFansAngry = 5,
    sjNoThrashings = 6,
    sjRelegationWarning = 7,
    sjTransferRumour = 8,
    sjSquadSplit = 9,
    sjThanks = 10,
    sjComplaint = 11,
    sjNoContract = 12,
    sjPlayersFight = 13,
    sjFansFight = 14,
    sjPlayerSold = 15,
    sjNationalTeamInvitation = 16,
    sjContractEnding = 17,
    sjContractEnded = 18,
    sjLoanCannotReturn = 19,
};

// The event that makes a news item.
enum TNewsEvent : std::int32_t {
    neWelcome = 0,
    neSentOff = 1,
    nePlayerMessage = 2,
    neInjury = 3,
    neFansProtest = 4,
    neRumour = 9,
    neSquadSplit = 11,
    nePlayerSold = 12,
    neContract = 13,
    neLoanEnded = 14,
};

}  // namespace kv
