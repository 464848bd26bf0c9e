#include "match/attendance.h"

#include <algorithm>

#include "core/random.h"
#include "core/types.h"
#include "match/match_tables.h"
#include "match/round_even.h"

namespace kv {
namespace {

struct Stadium {
    SectorAttendance cap{};
    SectorAttendance full{};
    SectorAttendance price_gap{};  // the division's default price less the club's own
};

const t_team kNoTeam{};

const t_team& TeamOrEmpty(int t) {
    const t_team* team = TeamAt(t);
    return team ? *team : kNoTeam;
}

Stadium StadiumOf(const t_team& h, bool reduced) {
    Stadium s;
    for (int k = 0; k < 4; ++k) {
        s.cap[k] = s.full[k] = h.sector_capacity[k];
        s.price_gap[k] = DefaultTicketPrice(h.division, k) - h.ticket_prices[k];
    }
    if (!reduced) return s;
    auto cut = [](int& cap, int above, int base, int spread) {
        if (cap > above) cap = base + RandInt(spread);
    };
    // Lower divisions never fill a big stadium: it counts as a smaller one.
    switch (h.division) {
        case 4:
            cut(s.cap[0], 3000, 2000, 1000);
            cut(s.cap[1], 15000, 13000, 2000);
            cut(s.cap[2], 1000, 900, 100);
            cut(s.cap[3], 150, 100, 50);
            break;
        case 3:
            cut(s.cap[0], 15000, 13000, 2000);
            cut(s.cap[1], 35000, 30000, 5000);
            cut(s.cap[2], 4000, 3000, 1000);
            cut(s.cap[3], 500, 300, 200);
            break;
        case 2: cut(s.cap[1], 70000, 60000, 10000); break;
        default: break;
    }
    return s;
}

// p % of every sector, p drawn again for each sector in sector order.
template <class Percent>
void FillPercent(SectorAttendance& a, const Stadium& s, Percent percent) {
    for (int k = 0; k < 4; ++k) a[k] = RoundEven(percent() / 100.0 * s.cap[k]);
}

void NegativeFixes(SectorAttendance& a) {
    if (a[0] < 0) a[0] = 50 + RandInt(100);
    if (a[1] < 0) a[1] = 50 + RandInt(200);
    if (a[2] < 0) a[2] = 50 + RandInt(50);
    if (a[3] < 0) a[3] = 0;
}

void PriceEffect(SectorAttendance& a, const t_team& h, const Stadium& s) {
    if (!h.human) return;
    for (int k = 0; k < 4; ++k) {
        if (s.price_gap[k] == 0) continue;
        a[k] += RoundEven(a[k] * 0.12 * s.price_gap[k]);
        a[k] = std::min(std::max(a[k], 0), s.full[k]);
    }
}

void CapacityCut(SectorAttendance& a, const Stadium& s) {
    for (int k = 0; k < 4; ++k) a[k] = std::min(a[k], s.cap[k]);
}

void Minimums(SectorAttendance& a, bool state_model) {
    if (a[0] < 50) a[0] = 50 + RandInt(100);
    if (a[1] < 100) a[1] = 50 + RandInt(200);
    if (a[2] < 10) a[2] = 50 + RandInt(50);
    if (a[3] < 0) a[3] = state_model ? RandInt(20) : 0;
}

void UsualSteps(SectorAttendance& a, const t_team& h, const Stadium& s) {
    NegativeFixes(a);
    PriceEffect(a, h, s);
    CapacityCut(a, s);
    Minimums(a, false);
}

bool In(int value, int low, int high) { return value >= low && value <= high; }

// The (same country, other country) percentages of the continental models by confidence and round.
struct CupPair {
    int same;
    int other;
};

CupPair CupPairFor(const CupPair (&table)[3][5], int conf, int round) {
    const int row = conf > 80 ? 0 : conf > 50 ? 1 : 2;
    const int column = round <= 3 ? 0 : round >= 7 ? 4 : round - 3;
    return table[row][column];
}

SectorAttendance CupAttendance(int home, int visitor, CupPair pair, bool league_prices_only) {
    const t_team& h = TeamOrEmpty(home);
    const t_team& v = TeamOrEmpty(visitor);
    Stadium s = StadiumOf(h, false);
    // The second cup knows prices only for clubs of a league division.
    if (league_prices_only && !In(h.division, 1, 4)) s.price_gap = {};
    const int base = h.country == v.country ? pair.same : pair.other;
    SectorAttendance a{};
    FillPercent(a, s, [&] { return RandInt(15) + base; });
    UsualSteps(a, h, s);
    return a;
}

}  // namespace

int DefaultTicketPrice(int division, int sector) {
    if (division < 0 || division >= kTicketPriceRows || sector < 0 || sector >= kStadiumSectors)
        return 0;
    return Game().ticket_prices[division][sector];
}

SectorAttendance AttendanceLeague(int home, int visitor) {
    const t_team& h = TeamOrEmpty(home);
    const t_team& v = TeamOrEmpty(visitor);
    const t_game_state& gs = Game().game_state;
    const Stadium s = StadiumOf(h, true);
    SectorAttendance a{};
    if (gs.league_round == 1 && gs.league_turn == 1)
        FillPercent(a, s, [] { return 50 + RandInt(30); });
    else
        FillPercent(a, s, [&] { return RandInt(20) + h.supporter_confidence * 0.8; });
    if (v.level > h.level) {
        a[0] += RoundEven(a[0] * 0.15);
        a[1] += RoundEven(a[1] * 0.15);
    }
    if (h.country == kHomeCountry && v.country == kHomeCountry && h.state == v.state) {
        a[0] += RoundEven(a[0] * 0.25);
        a[1] += RoundEven(a[1] * 0.35);
        a[2] += RoundEven(a[2] * 0.1);
    }
    UsualSteps(a, h, s);
    return a;
}

SectorAttendance AttendanceStateOrSuperCup(int home, int visitor) {
    const t_team& h = TeamOrEmpty(home);
    const t_team& v = TeamOrEmpty(visitor);
    const t_game_state& gs = Game().game_state;
    const int f = gs.league_format;
    const int hd = h.division;
    const int vd = v.division;
    const double conf = h.supporter_confidence;
    const Stadium s = StadiumOf(h, true);
    SectorAttendance a{};
    auto full_house = [] { return 70 + RandInt(30); };
    auto cold = [&] { return RandInt(30) + conf * 0.2; };
    FillPercent(a, s, [&] { return RandInt(20) + conf * 0.5; });
    if (f == 4 && (hd == 0 || hd == 4) && In(vd, 1, 2)) FillPercent(a, s, full_house);
    if (f == 2 && In(hd, 2, 3) && vd == 1) FillPercent(a, s, full_house);
    if (f == 4 && In(hd, 1, 2) && (vd == 0 || vd == 4)) FillPercent(a, s, cold);
    if (f == 2 && hd == 1 && In(vd, 2, 3)) FillPercent(a, s, cold);
    if (f == 4 && In(hd, 1, 2) && In(vd, 1, 2)) FillPercent(a, s, full_house);
    if (f == 2 && hd == 1 && vd == 1) FillPercent(a, s, full_house);
    if (gs.state_league_round > 5) FillPercent(a, s, full_house);
    Minimums(a, true);
    PriceEffect(a, h, s);
    CapacityCut(a, s);
    NegativeFixes(a);
    return a;
}

SectorAttendance AttendanceNationalCup(int home, int visitor) {
    struct CupRound {
        int fav, upset, top, spread;
    };
    static constexpr CupRound kRounds[] = {
        {40, 65, 55, 25}, {40, 65, 55, 25}, {70, 90, 85, 10}, {80, 95, 90, 5}, {90, 100, 100, 1},
        {95, 100, 100, 1},
    };
    const t_team& h = TeamOrEmpty(home);
    const t_team& v = TeamOrEmpty(visitor);
    const t_game_state& gs = Game().game_state;
    const CupRound& r = kRounds[std::clamp(gs.national_cup_round, 0, 5)];
    const int f = gs.league_format;
    const int hd = h.division;
    const int vd = v.division;
    const Stadium s = StadiumOf(h, false);
    SectorAttendance a{};
    auto upset = [&] { return r.upset + RandInt(r.spread); };
    auto fav = [&] { return r.fav + RandInt(15); };
    auto top = [&] { return r.top + RandInt(r.spread); };
    if (f == 4 && In(hd, 3, 5) && In(vd, 1, 2)) FillPercent(a, s, upset);
    if (f == 2 && (In(hd, 2, 3) || hd == 5) && vd == 1) FillPercent(a, s, upset);
    if (f == 4 && In(hd, 1, 2) && In(vd, 4, 5)) FillPercent(a, s, fav);
    if (f == 2 && hd == 1 && In(vd, 2, 3)) FillPercent(a, s, fav);
    if (f == 4 && In(hd, 1, 2) && In(vd, 1, 2)) FillPercent(a, s, top);
    if (f == 2 && hd == 1 && vd == 1) FillPercent(a, s, top);
    if (a[0] == 0 && a[1] == 0)
        FillPercent(a, s, [&] { return RandInt(30) + h.supporter_confidence * 0.5; });
    UsualSteps(a, h, s);
    return a;
}

SectorAttendance AttendanceFriendly(int home, int visitor) {
    const t_team& h = TeamOrEmpty(home);
    const t_team& v = TeamOrEmpty(visitor);
    const bool same = h.country == v.country;
    const Stadium s = StadiumOf(h, false);
    SectorAttendance a{};
    auto pick = [&](int same_base, int same_spread, int other_base, int other_spread) {
        FillPercent(a, s, [&] {
            return same ? same_base + RandInt(same_spread) : other_base + RandInt(other_spread);
        });
    };
    if (same)
        FillPercent(a, s, [&] { return RandInt(20) + h.supporter_confidence * 0.2; });
    else
        FillPercent(a, s, [] { return 30 + RandInt(20); });
    if (h.level - v.level >= 4) pick(10, 10, 10, 20);
    if (h.division == 1 && v.division > 1) pick(5, 10, 5, 15);
    if (h.level <= 12 && v.level >= 17) pick(50, 20, 70, 35);
    if (In(h.level, 13, 14) && v.level >= 17) pick(40, 20, 65, 35);
    if (h.level >= 15 && v.level >= 17) pick(20, 10, 60, 40);
    UsualSteps(a, h, s);
    return a;
}

SectorAttendance AttendanceContinental(int home, int visitor) {
    static constexpr CupPair kTable[3][5] = {
        {{45, 55}, {60, 65}, {70, 75}, {80, 85}, {85, 85}},
        {{40, 45}, {60, 65}, {70, 75}, {80, 80}, {85, 85}},
        {{30, 35}, {50, 60}, {60, 65}, {70, 75}, {80, 80}},
    };
    const GameData& gd = Game();
    const t_team& h = TeamOrEmpty(home);
    CupPair pair = CupPairFor(kTable, h.supporter_confidence, gd.game_state.continental_cup_round);
    if (gd.match_day_group == crSouthAmerica) pair = {pair.same - 5, pair.other - 5};
    return CupAttendance(home, visitor, pair, false);
}

SectorAttendance AttendanceSecondCup(int home, int visitor) {
    static constexpr CupPair kTable[3][5] = {
        {{25, 35}, {30, 40}, {40, 45}, {60, 60}, {65, 75}},
        {{20, 30}, {25, 30}, {35, 40}, {55, 55}, {65, 65}},
        {{15, 25}, {20, 30}, {30, 40}, {45, 50}, {60, 60}},
    };
    const GameData& gd = Game();
    const t_team& h = TeamOrEmpty(home);
    CupPair pair = CupPairFor(kTable, h.supporter_confidence, gd.game_state.second_cup_round);
    if (gd.match_day_group == crEurope) pair = {pair.same + 5, pair.other + 10};
    return CupAttendance(home, visitor, pair, true);
}

SectorAttendance AttendanceOfKind(int kind, int home, int visitor) {
    switch (kind) {
        case ckFriendly: return AttendanceFriendly(home, visitor);
        case ckNationalLeague: return AttendanceLeague(home, visitor);
        case ckNationalCup: return AttendanceNationalCup(home, visitor);
        case ckStateChampionship:
        case ckSuperCup: return AttendanceStateOrSuperCup(home, visitor);
        case ckContinentalCup: return AttendanceContinental(home, visitor);
        case ckSecondContinentalCup: return AttendanceSecondCup(home, visitor);
        default: return {};
    }
}

int GateIncome(int home, const SectorAttendance& attendance) {
    const t_team& h = TeamOrEmpty(home);
    long long gate = 0;
    for (int k = 0; k < 4; ++k) gate += static_cast<long long>(attendance[k]) * h.ticket_prices[k];
    return static_cast<int>(std::clamp<long long>(gate, -2147483647LL, 2147483647LL));
}

}  // namespace kv
