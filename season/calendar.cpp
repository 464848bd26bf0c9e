#include "season/calendar.h"

#include <iterator>

#include "core/dates.h"
#include "core/game_data.h"
#include "core/lookups.h"

namespace kv {
namespace {

// Days 1 to 4 are never laid out: the season opens on the first slot's weekday from the 5th.
constexpr int kFirstSlotDay = 5;

enum SlotWeekday { Su = 1, Tu = 3, We = 4, Th = 5 };

enum SlotKind {
    F,       // friendlies
    L,       // league
    N,       // national cup
    S,       // state championship
    C1,      // first continental cup
    W,       // club world cup
    C2,      // second continental cup
    P,       // super cup
    T,       // national-team tournament
    NorF,    // national cup with the extra round, else friendlies
    NExtra,  // only with the national cup's extra round
    RExtra,  // rest day, only before a national-team tournament
    T7orF,   // the world cup's seventh day, else friendlies
};

struct Slot {
    SlotWeekday weekday;
    SlotKind kind;
};

// One line per ten slots.
// clang-format off
constexpr Slot kSlots20[] = {
    {Su, F}, {Su, F}, {Su, S}, {We, S}, {Su, S}, {We, S}, {Su, S}, {We, S}, {Su, S}, {We, C1},
    {Su, S}, {We, C1}, {Su, S}, {We, C1}, {Su, S}, {We, C1}, {Su, S}, {Su, S}, {We, C1}, {Su, L},
    {We, NorF}, {Su, L}, {We, C1}, {Th, NExtra}, {Su, L}, {We, N}, {Su, L}, {We, C1}, {Su, L}, {We, N},
    {Th, F}, {Su, L}, {We, C1}, {Su, L}, {We, N}, {Su, L}, {We, C1}, {Th, C2}, {Su, L}, {We, C1},
    {Th, C2}, {Su, L}, {We, N}, {Su, L}, {We, C1}, {Th, C2}, {Su, L}, {We, N}, {Su, L}, {We, C1},
    {Th, C2}, {Su, L}, {We, N}, {Th, RExtra}, {Su, T}, {We, T}, {Su, T}, {We, T}, {Su, T}, {We, T},
    {Su, T7orF}, {Su, L}, {We, C1}, {Th, C2}, {Su, L}, {We, N}, {Su, L}, {We, C1}, {Th, C2}, {Su, L},
    {We, N}, {Su, L}, {We, C2}, {Th, F}, {Su, L}, {We, N}, {Su, L}, {We, C2}, {Th, F}, {Su, L},
    {We, N}, {Su, L}, {We, C2}, {Th, F}, {Su, L}, {We, C2}, {Th, F}, {Su, L}, {Tu, P}, {Th, L},
    {Su, L}, {We, C2}, {Th, F}, {Su, L}, {We, C2}, {Su, L}, {We, L}, {Th, C2}, {Su, L}, {Tu, P},
    {Th, L}, {Su, L}, {We, L}, {Th, C2}, {Su, L}, {We, L}, {Su, L}, {We, F}, {Su, L}, {We, W},
    {Th, W}, {Su, W},
};

constexpr Slot kSlots10[] = {
    {Su, F}, {Su, F}, {Su, F}, {Su, S}, {We, S}, {Su, S}, {We, S}, {Su, S}, {We, S}, {Su, S},
    {We, C1}, {Su, S}, {We, C1}, {Su, S}, {We, C1}, {Su, S}, {We, C1}, {Su, S}, {Su, S}, {We, C1},
    {Su, F}, {We, F}, {Su, F}, {We, C1}, {Su, F}, {We, N}, {Su, L}, {We, C1}, {Su, L}, {We, N},
    {Su, F}, {We, C1}, {Su, L}, {We, N}, {Su, F}, {We, C1}, {Th, C2}, {Su, F}, {We, C1}, {Th, C2},
    {Su, L}, {We, N}, {Su, F}, {We, C1}, {Th, C2}, {Su, F}, {We, N}, {Su, L}, {We, C1}, {Th, C2},
    {Su, F}, {We, N}, {Th, RExtra}, {Su, T}, {We, T}, {Su, T}, {We, T}, {Su, T}, {We, T}, {Su, T7orF},
    {Su, F}, {We, C1}, {Th, C2}, {Su, L}, {We, N}, {Su, F}, {We, C1}, {Th, C2}, {Su, F}, {We, N},
    {Su, L}, {We, C2}, {Th, F}, {Su, L}, {We, N}, {Su, F}, {We, C2}, {Th, F}, {Su, L}, {We, N},
    {Su, F}, {We, C2}, {Th, F}, {Su, L}, {We, C2}, {Th, F}, {Su, L}, {Su, L}, {We, C2}, {Th, F},
    {Su, L}, {We, C2}, {Su, L}, {Th, C2}, {Su, F}, {We, P}, {Su, L}, {Th, C2}, {Su, L}, {We, P},
    {Su, L}, {We, F}, {Su, L}, {We, W}, {Th, W}, {Su, W},
};
// clang-format on

static_assert(std::size(kSlots20) == 112);
static_assert(std::size(kSlots10) == 106);

int YearOf(const GameData& data) {
    return SeasonYear(data.game_state.season);
}

int YearRemainder(const GameData& data) {
    return ((YearOf(data) % 4) + 4) % 4;
}

// The day type each kind writes this season: its own kind when played, else dtSkipped.
struct SeasonKinds {
    int tournament = dtSkipped;  // 7, 8 or 9 when one is played
    int of[T7orF + 1] = {};
    bool extra_round = false;
};

SeasonKinds KindsOfSeason(const GameData& data) {
    const t_game_state& gs = data.game_state;
    const int season = gs.season;
    const auto when = [](bool played, int kind) { return played ? kind : int(dtSkipped); };

    SeasonKinds k;
    if (gs.world_cup_on && IsWorldCupYear(data)) {
        k.tournament = ckWorldCup;
    } else if (gs.copa_america_on && IsAmericasNationsCupYear(data)) {
        k.tournament = ckAmericasNationsCup;
    } else if (gs.euro_on && IsEuropeanNationsCupYear(data)) {
        k.tournament = ckEuropeanNationsCup;
    }
    const bool first_cup =
        gs.continental_cup_on && (season >= 2 || (season == 1 && gs.continental_cup_first_season));
    k.extra_round = NationalCupHasExtraRound(data);
    k.of[F] = ckFriendly;
    k.of[L] = ckNationalLeague;
    k.of[N] = when(gs.national_cup_on, ckNationalCup);
    k.of[S] = when(gs.state_leagues_on, ckStateChampionship);
    k.of[C1] = when(first_cup, ckContinentalCup);
    k.of[W] = when(first_cup, ckClubWorldCup);
    k.of[C2] = when(gs.second_continental_cup_on && season >= 2, ckSecondContinentalCup);
    k.of[P] =
        when(gs.continental_cup_on && gs.second_continental_cup_on && season >= 3, ckSuperCup);
    k.of[T] = k.tournament;
    k.of[NorF] = k.extra_round ? k.of[N] : k.of[F];
    k.of[NExtra] = k.of[N];
    k.of[RExtra] = dtRestDay;
    k.of[T7orF] = k.tournament == ckWorldCup ? k.of[T] : k.of[F];
    return k;
}

bool SlotExists(SlotKind kind, const SeasonKinds& k) {
    if (kind == NExtra) return k.extra_round;
    if (kind == RExtra) return k.tournament != dtSkipped;
    return true;
}

bool IsUsedDay(int day_type) {
    return day_type >= 0 || day_type == dtSkipped;
}

}  // namespace

bool IsWorldCupYear(const GameData& data) {
    return YearRemainder(data) == 2;
}

bool IsAmericasNationsCupYear(const GameData& data) {
    return YearRemainder(data) == 3;
}

bool IsEuropeanNationsCupYear(const GameData& data) {
    return YearRemainder(data) == 0;
}

bool NationalCupHasExtraRound(const GameData& data) {
    const int home = FindLeagueConfig(data, kHomeCountry);
    return home >= 0 && LeagueCupHasExtraRound(data, data.league_configs[home]);
}

bool LeagueCupHasExtraRound(const GameData& data, const t_league_config& config) {
    return data.game_state.league_format == kDivisionsOf20 && config.country == kHomeCountry &&
           config.club_count > 80;
}

void BuildSeasonCalendar(GameData& data) {
    const double first = EncodeDate(YearOf(data), 1, 1);
    for (int d = 1; d <= kCalendarDays; ++d) {
        t_calendar_day& day = data.calendar[d - 1];
        day.day = d;
        day.date = first + (d - 1);
        day.day_type = dtFree;
    }
    AssignCompetitionDays(data);
}

int AssignCalendarDay(GameData& data, int weekday, int day_type) {
    int start = kFirstSlotDay;
    for (int d = kCalendarDays; d >= kFirstSlotDay; --d) {
        if (IsUsedDay(data.calendar[d - 1].day_type)) {
            start = d;
            break;
        }
    }
    for (int d = start; d <= kCalendarDays; ++d) {
        t_calendar_day& day = data.calendar[d - 1];
        if (day.day_type == dtFree && DayOfWeek(day.date) == weekday) {
            day.day_type = day_type;
            return d;
        }
    }
    return -1;
}

void AssignCompetitionDays(GameData& data) {
    const SeasonKinds kinds = KindsOfSeason(data);
    const auto lay_out = [&](const auto& slots) {
        for (const Slot& slot : slots)
            if (SlotExists(slot.kind, kinds))
                AssignCalendarDay(data, slot.weekday, kinds.of[slot.kind]);
    };
    if (data.game_state.league_format == kDivisionsOf20) {
        lay_out(kSlots20);
    } else {
        lay_out(kSlots10);
    }
}

}  // namespace kv
