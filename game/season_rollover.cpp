#include "game/season_rollover.h"

#include <algorithm>
#include <array>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money.h"
#include "core/random.h"
#include "core/record_sort.h"
#include "game/round_close.h"
#include "match/computer_lineups.h"
#include "match/lineup_strength.h"
#include "match/match_day_helpers.h"
#include "season/calendar.h"
#include "season/calendar_advance.h"
#include "season/coach_dismissals.h"
#include "season/coaches.h"
#include "season/computer_market.h"
#include "season/draw_helpers.h"
#include "season/human_involvement.h"
#include "season/league_entrants.h"
#include "season/loans.h"
#include "season/national_cup_draw.h"
#include "season/national_tournaments.h"
#include "season/player_economy.h"
#include "season/retirement.h"
#include "season/schedule_generator.h"

namespace kv {

namespace {

constexpr int kNone = -1;

// The rating groups of the season's eleven after its goalkeeper: one right back, two centre
// backs, one left back, two defensive and two attacking midfielders, two forwards.
constexpr std::array<int, 10> kElevenGroups{1, 2, 2, 5, 7, 7, 3, 3, 4, 4};

int TakeFirstOfGroup(std::vector<t_ranked_rating>& list, std::vector<bool>& taken, int group) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (!taken[i] && list[i].group == group) {
            taken[i] = true;
            return static_cast<int>(i);
        }
    return kNone;
}

bool HasName(const t_coach& coach) {
    return !coach.name.str().empty();
}

}  // namespace

void RecordSeasonBestElevens(GameData& data) {
    for (const t_league_config& config : data.league_configs) {
        for (int d = 1; d <= std::min(config.division_count, 4); ++d) {
            const int competition =
                FindCompetitionId(data, ckNationalLeague, config.country, d, -1, -1);
            if (competition <= 0) continue;
            RankPlayerRatings(competition, 19);
            std::vector<t_ranked_rating>& list = ranked_ratings();
            t_season_best_eleven& eleven = AppendRecord(data.season_best_elevens);
            eleven.season = data.game_state.season;
            eleven.competition = competition;
            eleven.best_player = kNone;
            eleven.best_player_team = kNone;
            if (!list.empty()) {
                eleven.best_player = list[0].player;
                eleven.best_player_team = list[0].team;
                if (d == 1 && InTable(data.players, list[0].player))
                    data.players[list[0].player].star = 1;
            }
            std::vector<bool> taken(list.size(), false);
            int slot = 0;
            const int keeper = TakeFirstOfGroup(list, taken, 0);
            if (keeper >= 0) {
                eleven.players[slot] = list[keeper].player;
                eleven.teams[slot++] = list[keeper].team;
            }
            for (const int group : kElevenGroups) {
                const int i = TakeFirstOfGroup(list, taken, group);
                if (i < 0 || slot >= 11) continue;
                eleven.players[slot] = list[i].player;
                eleven.teams[slot++] = list[i].team;
            }
        }
    }
    ranked_ratings().clear();
}

void PromoteAndRelegate(GameData& data, int c) {
    t_league_config& config = data.league_configs[c];
    const int clubs = ClubLimit(data);
    struct Candidate {
        std::uint8_t level;
        std::int32_t club;
        std::uint8_t random;
    };
    std::vector<Candidate> outside;
    for (int club = 0; club < clubs; ++club) {
        const t_team& team = data.teams[club];
        if (team.division == 0 && team.country == config.country)
            outside.push_back({static_cast<std::uint8_t>(team.level), club,
                               static_cast<std::uint8_t>(Random(100))});
    }
    QuickSortRecords(outside, [](const Candidate& a, const Candidate& b) {
        if (a.level != b.level) return a.level > b.level ? -1 : 1;
        return (a.random < b.random) - (a.random > b.random);
    });
    std::array<int, 10> candidates;
    candidates.fill(kNone);
    for (std::size_t i = 0; i < outside.size() && i < candidates.size(); ++i)
        candidates[i] = outside[i].club;
    for (int k = 0; k < 10; ++k) {
        const int r = Random(10);
        if (candidates[r] > 0 && candidates[k] > 0) std::swap(candidates[r], candidates[k]);
    }
    const int a = candidates[0];
    const int b = candidates[1];
    for (const int club : {a, b})
        if (club >= 0) {
            data.teams[club].board_confidence = 100;
            data.teams[club].supporter_confidence = 100;
        }

    const int dc = std::clamp(config.division_count, 0, 4);
    auto pos = [&config](int division, int position) {
        return config.standings[division - 1][position - 1];
    };
    auto leave = [&data](int club) {
        if (InTable(data.teams, club)) data.teams[club].division = 0;
    };
    std::array<std::array<int, 20>, 4> slots;
    for (auto& row : slots) row.fill(kNone);
    auto slot = [&slots](int division, int s) -> int& { return slots[division - 1][s - 1]; };

    const bool of20 = data.game_state.league_format == kDivisionsOf20;
    if (of20) {
        for (int d = 1; d <= dc; ++d) {
            if (d == 1) {
                for (int s = 1; s <= 16; ++s) slot(1, s) = pos(1, s);
            } else {
                for (int s = 1; s <= 4; ++s) slot(d, s) = pos(d - 1, 16 + s);
                for (int s = 5; s <= 16; ++s) slot(d, s) = pos(d, s);
            }
            if (d < dc) {
                for (int s = 17; s <= 20; ++s) slot(d, s) = pos(d + 1, s - 16);
            } else {
                slot(d, 17) = pos(d, 17);
                slot(d, 18) = pos(d, 18);
                slot(d, 19) = a;
                slot(d, 20) = b;
                leave(pos(d, 19));
                leave(pos(d, 20));
            }
        }
    } else if (dc >= 1) {
        // The lowest division trades its last two with the two outside clubs.
        auto exchange_last_two = [&](int d) {
            for (int s = 9; s <= 10; ++s) {
                const int incoming = s == 9 ? a : b;
                if (incoming >= 0 || dc == 2) {
                    slot(d, s) = incoming;
                    leave(pos(d, s));
                } else {
                    slot(d, s) = pos(d, s);
                }
            }
        };
        for (int s = 1; s <= 8; ++s) slot(1, s) = pos(1, s);
        if (dc == 1) {
            exchange_last_two(1);
        } else {
            for (int s = 9; s <= 10; ++s) slot(1, s) = pos(2, s - 8);
            for (int d = 2; d <= dc; ++d) {
                for (int s = 1; s <= 2; ++s) slot(d, s) = pos(d - 1, 8 + s);
                for (int s = 3; s <= 8; ++s) slot(d, s) = pos(d, s);
                if (d < dc)
                    for (int s = 9; s <= 10; ++s) slot(d, s) = pos(d + 1, s - 8);
                else
                    exchange_last_two(d);
            }
        }
    }
    const int size = of20 ? 20 : 10;
    for (int d = 1; d <= dc; ++d)
        for (int s = 1; s <= 20; ++s) {
            const int club = s <= size ? slot(d, s) : kNone;
            config.division_clubs[d - 1][s - 1] = club;
            config.standings[d - 1][s - 1] = club;
            if (InTable(data.teams, club)) data.teams[club].division = d;
        }
    data.game_state.league_round = 1;
    data.game_state.league_turn = 1;
    for (const int club : {a, b}) {
        if (!InTable(data.teams, club)) continue;
        const int division = std::clamp(data.teams[club].division, 0, kTicketPriceRows - 1);
        for (int s = 0; s < kStadiumSectors; ++s)
            data.teams[club].ticket_prices[s] = data.ticket_prices[division][s];
    }
    if (config.country == kHomeCountry && data.game_state.home_regional_division && dc == 4) {
        for (int i = 0; i < 4; ++i) data.regional_cup_entrants[i] = config.division_clubs[3][4 + i];
        for (int s = 0; s < 20; ++s) {
            leave(config.division_clubs[3][s]);
            config.division_clubs[3][s] = kNone;
            config.standings[3][s] = kNone;
        }
        config.division_count = 3;
    }
    for (const int club : {a, b}) {
        if (!InTable(data.teams, club) || data.teams[club].coach != kNone) continue;
        for (int other = 0; other < clubs; ++other) {
            const t_team& team = data.teams[other];
            if (team.division != 0 || team.human || team.coach <= 0 ||
                !InTable(data.coaches, team.coach) || !HasName(data.coaches[team.coach]))
                continue;
            const int coach = team.coach;
            ReleaseCoach(data, other, coach);
            HireCoach(data, club, coach);
            break;
        }
    }
    for (t_coach& coach : data.coaches)
        if (coach.club >= 0 && HasName(coach) && !coach.human &&
            (!InTable(data.teams, coach.club) ||
             data.teams[coach.club].coach != static_cast<int>(&coach - data.coaches.data()))) {
            coach.employed = 0;
            coach.club = kNone;
        }
}

namespace {

// The group of a state's further clubs has no table: its first listed club goes up.
int FirstListedClub(const t_state_league& league, int group) {
    for (const int club : league.groups[group - 1])
        if (club >= 0) return club;
    return kNone;
}

int ClubAtPosition(const GameData& data, const t_state_league& league, int group, int position) {
    for (const int club : league.groups[group - 1])
        if (InTable(data.teams, club) && data.teams[club].table_position[ckStateChampionship] == position)
            return club;
    return kNone;
}

int SlotOf(const t_state_league& league, int group, int club) {
    for (int s = 0; s < 6; ++s)
        if (league.groups[group - 1][s] == club) return s;
    return kNone;
}

}  // namespace

void RolloverStateChampionships(GameData& data) {
    for (t_state_league& league : data.state_leagues) {
        if (!league.active) continue;
        const int groups = std::clamp(league.group_count, 0, 4);
        for (int k = 1; k <= groups; ++k) {
            const int w = k + 1 <= groups ? ClubAtPosition(data, league, k + 1, 1)
                                          : FirstListedClub(league, k + 1);
            const int l = ClubAtPosition(data, league, k, 6);
            const int l_slot = SlotOf(league, k, l);
            const int w_slot = SlotOf(league, k + 1, w);
            if (w < 0 || l < 0 || l_slot < 0 || w_slot < 0) continue;
            league.groups[k - 1][l_slot] = w;
            data.teams[w].table_position[ckStateChampionship] = 0;
            league.groups[k][w_slot] = l;
            data.teams[l].table_position[ckStateChampionship] = 0;
        }
    }
    for (t_state_league& league : data.state_leagues) {
        league.has_human_club = 0;
        league.round_played = 0;
    }
    const int league_clubs = std::min<int>(data.game_state.league_club_count, data.teams.size());
    for (int club = 0; club < league_clubs; ++club) data.teams[club].in_state_league = 0;
    for (t_state_league& league : data.state_leagues) {
        if (!league.active) continue;
        for (int g = 0; g <= std::clamp(league.group_count, 0, 4); ++g)
            ShuffleSlots(league.groups[g], true);
    }
    for (t_state_league& league : data.state_leagues)
        for (int g = 1; g <= std::clamp(league.group_count, 0, 4) + 1; ++g)
            for (const int club : league.groups[g - 1]) {
                if (!InTable(data.teams, club)) continue;
                t_team& team = data.teams[club];
                team.state_division = g;
                team.in_state_league = 1;
                if (team.human) league.has_human_club = 1;
            }
    for (int club = 0; club < league_clubs; ++club) {
        const t_team& team = data.teams[club];
        if (team.coach != kNone || !team.in_state_league) continue;
        for (int coach = static_cast<int>(data.coaches.size()) - 1; coach >= 0; --coach) {
            const t_coach& c = data.coaches[coach];
            if (c.employed || c.human || c.club != kNone || c.division <= 2 || !HasName(c))
                continue;
            HireCoach(data, club, coach);
            break;
        }
    }
}

void PaySeasonMoney(GameData& data) {
    const bool states = data.game_state.state_leagues_on != 0;
    const int clubs = ClubLimit(data);
    for (int club = 0; club < clubs; ++club) {
        t_team& team = data.teams[club];
        if (team.human) {
            static constexpr std::array<int, 5> kSponsorship{0, 3'000'000, 1'500'000, 1'000'000,
                                                             800'000};
            if (team.division < 1 || team.division > 4) continue;
            const int amount = kSponsorship[team.division];
            team.cash += MoneyFromUnits(amount);
            if (InTable(data.finances, club)) data.finances[club].sponsorship += amount;
            continue;
        }
        int base = 0;
        int spread = 1'000'000;
        switch (team.division) {
            case 0:
                base = 200'000;
                spread = 200'000;
                break;
            case 1:
                base = states ? 12'000'000 : 10'000'000;
                break;
            case 2:
                base = states ? 9'000'000 : 5'000'000;
                break;
            case 3:
                base = states ? 4'000'000 : 2'000'000;
                break;
            case 4:
                base = states ? 1'000'000 : 500'000;
                spread = 500'000;
                break;
            default:
                continue;
        }
        team.cash = MoneyFromUnits(base + Random(spread));
    }
}

void RunSeasonRollover(GameData& data, int review_season) {
    t_game_state& gs = data.game_state;
    gs.midseason_revaluation_done = 0;
    for (t_finance& f : data.finances) {
        const std::int32_t loan = f.loan;
        const std::int32_t wage_bill = f.wage_bill;
        f = t_finance{};
        f.loan = loan;
        f.wage_bill = wage_bill;
    }
    for (t_team& team : data.teams) {
        team.board_confidence = std::max(team.board_confidence, 80);
        team.supporter_confidence = std::max(team.supporter_confidence, 80);
    }
    // Only the home league sets them: the other leagues' turns must not clear them again.
    data.regional_cup_entrants.fill(kNone);
    for (int c = 0; c < static_cast<int>(data.league_configs.size()); ++c)
        PromoteAndRelegate(data, c);
    gs.national_cup_match_round = 1;
    data.match_archive.clear();
    data.season_goals.clear();
    data.season_appearances.clear();
    data.player_ratings.clear();
    data.substitute_ratings.clear();
    ClearMatchStrengths(data);
    data.day_matches.clear();
    data.fixtures.clear();

    const int last_day = kCalendarDays;
    const double season_end = data.calendar[last_day - 1].date;
    const int player_count = static_cast<int>(data.players.size());
    for (int p = 1; p < player_count; ++p) {
        t_player& player = data.players[p];
        if (!InTable(data.teams, player.team)) continue;
        for (int k = 1; k <= 9; ++k) {
            player.yellow_cards[k] = 0;
            player.suspension[k] = 0;
        }
        player.energy = 100;
        player.value = MoneyFromUnits(CalcPlayerValue(data, p));
        if (!data.teams[player.team].human || player.contract_end < season_end)
            player.wage = MoneyFromUnits(CalcPlayerWage(data, p));
    }
    const int clubs = ClubLimit(data);
    for (int club = 0; club < clubs; ++club) CalcWageBill(data, club);
    if (gs.continental_cup_on)
        for (t_bracket_tie& tie : data.club_world_cup_bracket) {
            tie.team_a = kNone;
            tie.team_b = kNone;
            tie.winner = kNone;
        }
    if (gs.state_leagues_on) {
        RolloverStateChampionships(data);
        gs.state_league_round = 1;
        gs.state_league_phase = 1;
        const int league_clubs = std::min<int>(gs.league_club_count, data.teams.size());
        for (int club = 0; club < league_clubs; ++club)
            data.teams[club].table_position[ckStateChampionship] = 0;
    }
    gs.national_cup_round = NationalCupHasExtraRound(data) ? 0 : 1;
    gs.national_cup_leg = 1;
    for (t_team& team : data.teams)
        for (int k = 0; k < kTableKindCount; ++k) {
            team.points[k] = 0;
            team.played[k] = 0;
            team.wins[k] = 0;
            team.losses[k] = 0;
            team.goals_for[k] = 0;
            team.goals_against[k] = 0;
            team.table_position[k] = 0;
        }
    SetLeagueSeasonOver(data, false);

    for (int p = 1; p < player_count; ++p) {
        if (!InTable(data.teams, data.players[p].team)) continue;
        t_player& player = data.players[p];
        ++player.age;
        if (data.teams[player.team].human) continue;
        player.on_sale = 0;
        if (player.loan_status != 2) player.loan_status = 0;
        if (player.age > 31 && RetirementDue(data, p)) RetirePlayer(data, p, "", player.position);
    }
    for (int club = 0; club < clubs; ++club) {
        CountSquad(data, club);
        ListSurplusPlayers(data, club);
    }
    RunComputerTransferWindow(data);

    CountUpTo(gs.season, kLastSeason);
    for (auto& level : gs.tournament_ranking) std::fill(std::begin(level), std::end(level), kNone);
    // A coach newly hired is safe from other clubs' approaches for five seasons.
    for (t_coach& coach : data.coaches) {
        coach.national_team_job = 0;
        coach.hire_lock = std::max(coach.hire_lock - 1, 0);
    }
    if (gs.world_cup_on && IsWorldCupYear(data)) {
        gs.tournament_notice_done = 0;
        StartWorldCup(data);
    }
    if (gs.copa_america_on && IsAmericasNationsCupYear(data)) {
        gs.tournament_notice_done = 0;
        StartAmericasNationsCup(data);
    }
    if (gs.euro_on && IsEuropeanNationsCupYear(data)) {
        gs.tournament_notice_done = 0;
        StartEuropeanNationsCup(data);
    }
    BuildSeasonCalendar(data);
    BuildDomesticFixtures(data);
    if (gs.continental_cup_on) PrepareContinentalCups(data, review_season, 1);
    if (gs.national_cup_on) DrawNationalCups(data);
    PaySeasonMoney(data);
}

int EndSeason(GameData& data) {
    // Only once per season: the round close leaves the kind of the next day "none" (-1) when
    // the season is over, and the rollover leaves a friendly day behind it.
    if (data.game_state.match_kind != -1) return data.game_state.season - 1;
    const int review_season = data.game_state.season;
    data.game_state.tournament_over = 0;
    data.game_state.national_team = 0;
    RecordSeasonBestElevens(data);
    RunSeasonRollover(data, review_season);
    data.game_state.match_kind = ckFriendly;
    return review_season;
}

bool HumanPlaysOnFirstDay(const GameData& data) {
    switch (data.game_state.match_kind) {
        case ckFriendly:
            return true;
        case ckNationalLeague:
            return HumanClubInLeague(data);
        case ckNationalCup:
            return HumanClubInCupFirstRound(data);
        case ckStateChampionship:
            return HumanClubInStateLeague(data);
        case ckContinentalCup:
            return HumanClubInContinentalCup(data);
        case ckSecondContinentalCup:
            return HumanClubInSecondCup(data);
        case ckWorldCup:
            return HumanTeamInNationalTournament(data);
        default:
            return false;
    }
}

NextScreen StartNewSeason(GameData& data, GameWindows& windows) {
    t_game_state& gs = data.game_state;
    const int league_clubs = std::min<int>(gs.league_club_count, data.teams.size());
    for (int club = 0; club < league_clubs; ++club) {
        const t_team& team = data.teams[club];
        if (!team.human || team.division != 0) continue;
        const bool plays_regional = team.country == kHomeCountry && gs.home_regional_division &&
                                    gs.state_leagues_on && team.state_division > 0 &&
                                    team.state >= 0 && team.state < kStateCount &&
                                    data.state_leagues[team.state].active;
        if (plays_regional) continue;
        ShowDismissal(windows, DismissHumanCoach(data, club));
    }
    for (const t_state_dismissal entry : std::vector<t_state_dismissal>(data.state_dismissals)) {
        if (!InTable(data.coaches, entry.coach) || !data.coaches[entry.coach].human) continue;
        if (!InTable(data.teams, entry.club)) continue;
        data.job_offers = {entry.club, kNone, kNone, kNone};
        gs.current_coach = entry.coach;
        const t_team& club = data.teams[entry.club];
        const bool in_playing_group =
            club.state >= 0 && club.state < kStateCount &&
            data.state_leagues[club.state].group_count >= club.state_division;
        if (!club.human && club.in_state_league && in_playing_group) {
            WindowRequest request{GameWindow::kJobOffer};
            request.coach = entry.coach;
            windows.Show(request);
        }
    }
    data.state_dismissals.clear();
    gs.calendar_day = 1;
    data.friendlies.clear();
    data.match_event_archive.clear();
#ifdef __GLIBC__
    // A season leaves behind the old buffers of every table that grew by copying; the allocator
    // keeps such holes for itself, and over a long game they add up to several megabytes.
    malloc_trim(0);
#endif
    if (gs.human_count > 0 && windows.Show(WindowRequest{GameWindow::kPreseasonFriendlies}))
        for (int i = 0; i < gs.human_count && i < kHumanSlots; ++i) {
            if (gs.human_clubs[i] < 0) continue;
            gs.user_club = gs.human_clubs[i];
            WindowRequest booking(GameWindow::kFriendlyBooking);
            booking.club = gs.user_club;
            windows.Show(booking);
        }
    return StartNextPlayDay(data);
}

}  // namespace kv
