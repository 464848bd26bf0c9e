#include "season/job_offers.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/random.h"
#include "core/text_tables.h"
#include "season/coaches.h"
#include "season/contract_dates.h"
#include "season/news.h"

namespace kv {
namespace {

int LeagueCount(const GameData& data) {
    return static_cast<int>(data.league_configs.size());
}

// The club at a place (1-based) of a division's present table; -1 for an empty place or a
// place outside the league.
int ClubAt(const GameData& data, int league, int division, int place) {
    if (!InTable(data.league_configs, league) || place < 1 || place > 20) return -1;
    const t_league_config& config = data.league_configs[league];
    if (division < 1 || division > std::min(config.division_count, 4)) return -1;
    const int club = config.standings[division - 1][place - 1];
    return InTable(data.teams, club) ? club : -1;
}

bool Qualifies(const GameData& data, int club) {
    return club >= 0 && !data.teams[club].human && !IsJobOffered(data, club);
}

int LeaguePlacing(const t_team& team) {
    return team.table_position[ckNationalLeague];
}

// Offers the club in the first empty place.
void Offer(GameData& data, int club) {
    for (std::int32_t& place : data.job_offers)
        if (place == -1) {
            place = club;
            return;
        }
}

// Walks a division's table from `from` to `to`, one place at a time, and offers the first
// club that qualifies and passes `extra`. An empty place ends the walk when `empty_ends`.
template <class Extra>
bool OfferFirst(GameData& data, int league, int division, int from, int to, bool empty_ends,
                Extra extra) {
    const int step = from <= to ? 1 : -1;
    for (int place = from;; place += step) {
        const int club = ClubAt(data, league, division, place);
        if (club < 0) {
            if (empty_ends) return false;
        } else if (Qualifies(data, club) && extra(club)) {
            Offer(data, club);
            return true;
        }
        if (place == to) return false;
    }
}

bool OfferFirst(GameData& data, int league, int division, int from, int to, bool empty_ends) {
    return OfferFirst(data, league, division, from, to, empty_ends, [](int) { return true; });
}

// A league other than the club's own, drawn at random; there must be more than one.
int OtherLeague(const GameData& data, int own) {
    int league = Random(LeagueCount(data));
    while (league == own) league = Random(LeagueCount(data));
    return league;
}

struct PlaceBand {
    int lowest, highest;  // places drawn as highest - Random(highest - lowest + 1)
    int Draw() const { return highest - Random(highest - lowest + 1); }
};

PlaceBand UnemployedBand(const GameData& data, int division) {
    if (data.game_state.league_format != kDivisionsOf20) return {4, 10};
    if (division != 4) return {10, 20};
    return data.game_state.league_turn == 1 ? PlaceBand{6, 15} : PlaceBand{7, 12};
}

// Draws places of the band until a club there can be offered; gives up at once when no
// place of the band could ever qualify.
void OfferFromBand(GameData& data, int league, int division, PlaceBand band, int last_club) {
    auto acceptable = [&](int club) { return Qualifies(data, club) && club != last_club; };
    bool any = false;
    for (int p = band.lowest; p <= band.highest && !any; ++p)
        any = acceptable(ClubAt(data, league, division, p));
    if (!any) return;
    for (;;) {
        const int club = ClubAt(data, league, division, band.Draw());
        if (acceptable(club)) {
            Offer(data, club);
            return;
        }
    }
}

int SearchedDivision(int division, const t_league_config& league) {
    int t;
    if (Random(100) > 30 && division > 0)
        t = division;
    else if (Random(100) < 20 && division < 4)
        t = division - 1;
    else if (division > 0 && league.division_count > division)
        t = division + 1;
    else
        t = league.division_count;
    if (t == 0) t = 1;
    if (t < 0 || t > league.division_count) t = league.division_count;
    return t;
}

}  // namespace

bool IsJobOffered(const GameData& data, int club) {
    return std::find(data.job_offers.begin(), data.job_offers.end(), club) != data.job_offers.end();
}

void ClearJobOffers(GameData& data) {
    data.job_offers.fill(-1);
}

std::string JobOfferCaption(const GameData& data, int club) {
    if (!InTable(data.teams, club)) return {};
    const t_team& t = data.teams[club];
    const std::string division =
        t.division == 0 ? "Divisão regional" : std::to_string(t.division) + "ª divisão";
    return t.name.str() + "(" + std::string(CountryName(t.country)) + ") - " + division;
}

void FindJobOffersForUnemployed(GameData& data, int country, int coach) {
    ClearJobOffers(data);
    if (!InTable(data.coaches, coach)) return;
    const t_coach& c = data.coaches[coach];
    const t_game_state& gs = data.game_state;
    int home = FindLeagueConfig(data, country);
    if (c.league_country >= 0 && FindLeagueConfig(data, c.league_country) >= 0)
        home = FindLeagueConfig(data, c.league_country);
    if (home < 0) return;
    const bool of20 = gs.league_format == kDivisionsOf20;
    int d = c.division;

    if (gs.match_kind == ckStateChampionship) {
        int searched = d;
        if (d <= 0)
            searched = country == kHomeCountry && gs.state_leagues_on && gs.home_regional_division
                           ? 4
                           : data.league_configs[home].division_count;
        const int offers = 1 + Random(2);
        for (int k = 0; k < offers; ++k)
            for (int draw = 0; draw < 100; ++draw) {
                const int place = of20 ? 20 - Random(11) : 10 - Random(7);
                const int club = ClubAt(data, home, searched, place);
                if (Qualifies(data, club) && club != c.last_club &&
                    data.teams[club].in_state_league) {
                    data.job_offers[k] = club;
                    break;
                }
            }
        return;
    }

    int offers = 1 + Random(4);
    if (of20 && (c.division == 0 || c.division > 3)) offers = std::min(offers, 2);
    for (int k = 0; k < offers; ++k) {
        int league = home;
        if (k > 0) league = Random(LeagueCount(data));
        if (of20 && (c.division == 0 || c.division > 2)) league = home;
        const t_league_config& config = data.league_configs[league];
        if (d == 0) d = config.division_count;
        const int division = SearchedDivision(d, config);
        OfferFromBand(data, league, division, UnemployedBand(data, division), c.last_club);
    }
}

void FindSeasonEndJobOffers(GameData& data, int club) {
    ClearJobOffers(data);
    if (!InTable(data.teams, club)) return;
    const t_team& team = data.teams[club];
    const int own = FindLeagueConfig(data, team.country);
    const int placing = LeaguePlacing(team);

    if (Random(100) > 10 && team.division == 1 && LeagueCount(data) > 1 &&
        team.board_confidence > 80 && placing >= 1 && placing <= 4) {
        const int foreign = OtherLeague(data, own);
        int width = placing + 2;
        if (Random(100) > 98) width = 2;
        OfferFirst(data, foreign, 1, 1 + Random(width), 10, true);
    }

    if (team.country != kHomeCountry || own < 0 || data.league_configs[own].division_count != 4 ||
        team.division != 1 || placing < 1 || placing > 10)
        return;
    const bool states = data.game_state.state_leagues_on;
    OfferFirst(data, own, 4, 10 + Random(5), 4, false,
               [&](int candidate) { return !states || data.teams[candidate].state_division > 0; });
    int start = 2 + Random(4);
    if (Random(100) > 30 && placing == 1) OfferFirst(data, own, 1, start, 20, false);
    start = 12 + Random(7);
    if (Random(100) > 30) OfferFirst(data, own, 1, start, 20, false);
}

void FindMidSeasonJobOffers(GameData& data, int club) {
    ClearJobOffers(data);
    const int league = Random(LeagueCount(data));
    if (!InTable(data.teams, club)) return;
    const t_team& team = data.teams[club];
    const int own = FindLeagueConfig(data, team.country);
    const bool confident = team.board_confidence > 80;
    const int placing = LeaguePlacing(team);
    if (placing < 1) return;
    static constexpr int kUpperStarts[5] = {19, 18, 16, 13, 10};

    if (data.game_state.league_format == kDivisionsOf10) {
        switch (team.division) {
            case 4: {
                const int k = Random(100) > 98 ? 3 : Random(100) > 30 ? 1 : 2;
                if (confident && placing <= 2) OfferFirst(data, league, 4 - k, 6, 1, true);
                break;
            }
            case 3: {
                const int k = Random(100) > 10 ? 1 : 2;
                if (confident && placing <= 2) OfferFirst(data, league, 3 - k, 6, 1, true);
                break;
            }
            case 2:
                if (confident && placing <= 3) OfferFirst(data, league, 1, placing + 2, 10, true);
                break;
            case 1:
                if (LeagueCount(data) > 1 && confident && placing <= 2) {
                    const int foreign = OtherLeague(data, own);
                    int start = placing == 1 ? 3 : 4;
                    if (Random(100) > 98) start = 2;
                    OfferFirst(data, foreign, 1, start, 10, true);
                }
                break;
            default:
                break;
        }
        return;
    }
    switch (team.division) {
        case 4:
            if (confident && placing <= 3)
                OfferFirst(data, league, 3, kUpperStarts[Random(5)], 4, false);
            break;
        case 3:
            if (confident && placing <= 4)
                OfferFirst(data, league, 2, kUpperStarts[Random(5)], 4, false);
            break;
        case 2:
            if (confident && placing <= 4) {
                const int start = Random(100) > 80 ? 8 + Random(8) : 14 + Random(6);
                OfferFirst(data, league, 1, start, 5, false);
            }
            break;
        case 1:
            if (LeagueCount(data) > 1 && confident && placing <= 3) {
                const int foreign = OtherLeague(data, own);
                OfferFirst(data, foreign, 1, 2 + Random(placing + 2), 10, false);
            }
            break;
        default:
            break;
    }
}

void AcceptJobOffer(GameData& data, int coach, int club) {
    if (!InTable(data.coaches, coach) || !InTable(data.teams, club)) return;
    const int former = data.teams[club].coach;
    const int left = data.coaches[coach].club;
    if (former >= 0) ReleaseCoach(data, club, former);
    if (left >= 0) {
        ReleaseCoach(data, left, coach);
        HireCoach(data, left, former >= 0 ? former : CreateCoach(data, left));
    }
    HireCoach(data, club, coach);
    for (const int i : data.PlayersOf(club)) {
        t_player& p = data.players[i];
        p.morale = 3;
        if (p.loan_status != 2) SetContractEndWeeks(data, 10 + Random(30), i);
    }
    AddNewsItem(data, club, neWelcome, 1, 0, 0, 0);
    ClearJobOffers(data);
}

}  // namespace kv
