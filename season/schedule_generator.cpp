#include "season/schedule_generator.h"

#include <algorithm>
#include <vector>

#include "core/game_data.h"
#include "season/calendar.h"
#include "season/fixture_list.h"
#include "season/histories.h"
#include "season/pairing_tables.h"

namespace kv {
namespace {

// The dates of the calendar days of one kind, in day order.
class DateList {
  public:
    DateList(const GameData& data, int kind) {
        for (const t_calendar_day& day : data.calendar)
            if (day.day_type == kind) dates_.push_back(day.date);
    }

    bool empty() const { return dates_.empty(); }

    // A competition the calendar serves short leaves its extra fixtures undated (0)
    // rather than reading past the list.
    double at(int i) const {
        return i >= 0 && i < static_cast<int>(dates_.size()) ? dates_[i] : 0.0;
    }

  private:
    std::vector<double> dates_;
};

struct NewFixture {
    int home, away, round, kind, owner, leg, cup_tie;
    double date;
};

void Add(GameData& data, const NewFixture& f) {
    const int index = InsertFixture(data, static_cast<int>(data.fixtures.size()) + 1, f.home,
                                    f.away, f.round, f.kind, f.owner, f.leg, f.cup_tie);
    data.fixtures[index].date = f.date;
}

// A pairing of two slots: an empty slot (a group or division short of teams) plays no one.
void AddPairing(GameData& data, const NewFixture& f) {
    if (f.home < 0 || f.away < 0) return;
    Add(data, f);
}

// A knockout tie still to be drawn: two records, the second the return match.
void AddOpenTie(GameData& data, int round, int kind, int owner, int leg1, int leg2, int cup_tie,
                double date1, double date2) {
    Add(data, {-1, -1, round, kind, owner, leg1, cup_tie, date1});
    Add(data, {-1, -1, round, kind, owner, leg2, cup_tie, date2});
}

int ClampedDivisions(int count) {
    return std::clamp(count, 0, 4);
}

void BuildLeagueFixtures(GameData& data, int c) {
    if (c < 0 || c >= static_cast<int>(data.league_configs.size())) return;
    const bool twenty = data.game_state.league_format == kDivisionsOf20;
    const int rounds = twenty ? 19 : 9;
    const int matches = twenty ? 10 : 5;
    const auto pairing = twenty ? Pairing20Teams : Pairing10Teams;
    const DateList dates(data, ckNationalLeague);
    const int divisions = ClampedDivisions(data.league_configs[c].division_count);
    for (int leg = 1; leg <= 2; ++leg) {
        for (int round = 1; round <= rounds; ++round) {
            const double date = dates.at(leg == 1 ? round - 1 : rounds + round - 1);
            for (int d = 1; d <= divisions; ++d) {
                const auto& clubs = data.league_configs[c].division_clubs[d - 1];
                for (int match = 1; match <= matches; ++match) {
                    const SlotPairing p = pairing(round, leg, match);
                    AddPairing(data, {clubs[p.home - 1], clubs[p.away - 1], round, ckNationalLeague,
                                      c, leg, -1, date});
                }
            }
        }
    }
}

void BuildNationalCupFixtures(GameData& data, int c) {
    if (c < 0 || c >= static_cast<int>(data.league_configs.size())) return;
    const t_league_config& config = data.league_configs[c];
    bool phase1 = false;
    bool phase0 = false;
    int offset = 0;
    if (data.game_state.league_format == kDivisionsOf20) {
        phase1 = config.division_count >= 2;
        phase0 = LeagueCupHasExtraRound(data, config);
        offset = NationalCupHasExtraRound(data) ? 2 : 0;
    } else {
        phase1 = config.division_count >= 3;
    }
    int countdown = phase0 ? 63 : 31;
    const DateList dates(data, ckNationalCup);
    const auto phase = [&](int round, int ties, int first_date) {
        for (int tie = 1; tie <= ties; ++tie, --countdown)
            AddOpenTie(data, round, ckNationalCup, c, tie, tie, countdown, dates.at(first_date),
                       dates.at(first_date + 1));
    };
    if (phase0) phase(0, 32, 0);
    if (phase1) phase(1, 16, offset);
    for (int round = 2, ties = 8; round <= 5; ++round, ties /= 2)
        phase(round, ties, offset + 2 * (round - 1));
}

void BuildStateFixtures(GameData& data, int s) {
    if (s < 0 || s >= static_cast<int>(std::size(data.state_leagues))) return;
    const t_state_league& state = data.state_leagues[s];
    const int groups = std::clamp(state.group_count, 0, 4);
    const DateList dates(data, ckStateChampionship);
    for (int leg = 1; leg <= 2; ++leg) {
        for (int round = 1; round <= 5; ++round) {
            const double date = dates.at(leg == 1 ? round - 1 : 5 + round - 1);
            for (int g = 1; g <= groups; ++g) {
                for (int match = 1; match <= 3; ++match) {
                    const SlotPairing p = Pairing6Teams(round, leg, match);
                    AddPairing(data,
                               {state.groups[g - 1][p.home - 1], state.groups[g - 1][p.away - 1],
                                round, ckStateChampionship, s, leg, -1, date});
                }
            }
        }
    }
}

using GroupTable = int32_t[8][4];

// The group table of a continental cup's region (TCupRegion), null when the cup has none there.
const GroupTable* CupGroups(const t_game_state& gs, int kind, int region) {
    if (kind == ckContinentalCup) {
        switch (region) {
            case crSouthAmerica:
                return &gs.continental_groups_south_america;
            case crEurope:
                return &gs.continental_groups_europe;
            case crAfrica:
                return &gs.continental_groups_africa;
            case crAsia:
                return &gs.continental_groups_asia;
        }
    } else if (kind == ckSecondContinentalCup) {
        switch (region) {
            case crSouthAmerica:
                return &gs.second_cup_groups_south_america;
            case crEurope:
                return &gs.second_cup_groups_europe;
        }
    }
    return nullptr;
}

void BuildContinentalFixtures(GameData& data, int kind) {
    const DateList dates(data, kind);
    const auto date_at = [&](int i) { return dates.empty() ? 0.0 : dates.at(i); };

    // Groups: every region of the first cup, only Europe in the second.
    for (int region = crSouthAmerica; region <= crAsia; ++region) {
        if (kind == ckSecondContinentalCup && region != crEurope) continue;
        const GroupTable& groups = *CupGroups(data.game_state, kind, region);
        for (int g = 1; g <= 8; ++g) {
            for (int leg = 1; leg <= 2; ++leg) {
                for (int round = 1; round <= 3; ++round) {
                    const double date = date_at(leg == 1 ? round - 1 : 3 + round - 1);
                    for (int match = 1; match <= 2; ++match) {
                        const SlotPairing p = Pairing4Teams(round, leg, match);
                        AddPairing(data, {groups[g - 1][p.home - 1], groups[g - 1][p.away - 1],
                                          round, kind, region, leg, -1, date});
                    }
                }
            }
        }
    }

    // Knockout, region after region. The South American second cup has no groups: its
    // preliminary ties come first and the knockout moves four days earlier.
    const int last_region = kind == ckContinentalCup ? crAsia : crEurope;
    for (int region = crSouthAmerica; region <= last_region; ++region) {
        int offset = 0;
        if (kind == ckSecondContinentalCup && region == crSouthAmerica) {
            const auto& prelim = data.second_cup_prelim_teams;
            for (int k = 1; k <= 16; ++k) {
                const int home = prelim[2 * k - 2];
                const int away = prelim[2 * k - 1];
                AddPairing(data, {home, away, 1, kind, region, 1, -1, date_at(0)});
                AddPairing(data, {away, home, 1, kind, region, 2, -1, date_at(1)});
            }
            offset = 4;
        }
        for (int round = 4, ties = 8; round <= 7; ++round, ties /= 2) {
            const int first = 6 + 2 * (round - 4) - offset;
            for (int tie = 1; tie <= ties; ++tie)
                AddOpenTie(data, round, kind, region, 1, 2, -1, date_at(first), date_at(first + 1));
        }
    }
}

}  // namespace

void BuildCompetitionFixtures(GameData& data, int kind, int owner) {
    switch (kind) {
        case ckNationalLeague:
            BuildLeagueFixtures(data, owner);
            break;
        case ckNationalCup:
            BuildNationalCupFixtures(data, owner);
            break;
        case ckStateChampionship:
            BuildStateFixtures(data, owner);
            break;
        case ckContinentalCup:
        case ckSecondContinentalCup:
            BuildContinentalFixtures(data, kind);
            break;
        default:
            break;
    }
}

void BuildDomesticFixtures(GameData& data) {
    const t_game_state& gs = data.game_state;
    const int leagues = static_cast<int>(data.league_configs.size());
    for (int c = 0; c < leagues; ++c) BuildCompetitionFixtures(data, ckNationalLeague, c);
    if (gs.state_leagues_on)
        for (int s = 0; s < kStateCount; ++s)
            if (data.state_leagues[s].active) BuildCompetitionFixtures(data, ckStateChampionship, s);
    if (gs.national_cup_on)
        for (int c = 0; c < leagues; ++c) BuildCompetitionFixtures(data, ckNationalCup, c);
}

void BuildRegionalDivisionFixtures(GameData& data, int c) {
    if (c < 0 || c >= static_cast<int>(data.league_configs.size())) return;
    const DateList dates(data, ckNationalLeague);
    const auto& clubs = data.league_configs[c].division_clubs[3];
    for (int leg = 1; leg <= 2; ++leg) {
        for (int round = 1; round <= 19; ++round) {
            const double date = dates.at(leg == 1 ? round - 1 : 19 + round - 1);
            for (int match = 1; match <= 10; ++match) {
                const SlotPairing p = Pairing20Teams(round, leg, match);
                AddPairing(data, {clubs[p.home - 1], clubs[p.away - 1], round, ckNationalLeague, c,
                                  leg, -1, date});
            }
        }
    }
}

void BuildSuperCupFixtures(GameData& data) {
    const DateList dates(data, ckSuperCup);
    const int last_season = data.game_state.season - 1;
    for (const int country : {kSouthAmericaCountry, kEuropeCountry}) {
        const int first = FindChampion(data, ckContinentalCup, country, last_season);
        const int second = FindChampion(data, ckSecondContinentalCup, country, last_season);
        AddPairing(data, {first, second, 1, ckSuperCup, country, -1, -1, dates.at(0)});
        AddPairing(data, {second, first, 2, ckSuperCup, country, -1, -1, dates.at(1)});
    }
}

}  // namespace kv
