#include "game/coach_turn.h"

#include <cmath>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money.h"
#include "core/random.h"
#include "match/computer_lineups.h"
#include "match/lineup_strength.h"
#include "season/auction.h"
#include "season/calendar.h"
#include "season/calendar_advance.h"
#include "season/club_upkeep.h"
#include "season/fixture_list.h"
#include "season/loans.h"
#include "season/news.h"
#include "season/player_economy.h"
#include "season/saved_game_consistency.h"
#include "season/transfers.h"

namespace kv {

namespace {

std::vector<int> SquadOf(const GameData& data, int club) {
    const auto squad = data.PlayersOf(club);
    return {squad.begin(), squad.end()};
}

// A computer club drawn from a slot of the league's division, -1 when the draws find none.
int DrawClubOfDivision(const GameData& data, int league, int division, int draws, int max_squad) {
    if (league < 0 || division < 1 || division > 4) return -1;
    const t_league_config& config = data.league_configs[league];
    for (int i = 0; i < draws; ++i) {
        const int club = config.division_clubs[division - 1][Random(ClubsPerDivision(data))];
        if (InTable(data.teams, club) && !data.teams[club].human &&
            data.teams[club].squad_size < max_squad)
            return club;
    }
    return -1;
}

int ClampMorale(int morale) {
    return std::clamp(morale, 1, 3);
}

}  // namespace

bool HumanClubPlaysToday(const GameData& data, int kind, int club) {
    if (!InTable(data.teams, club)) return false;
    const t_team& team = data.teams[club];
    switch (kind) {
        case ckFriendly:
            return ClubHasFriendlyOn(data, data.game_state.calendar_day, club);
        case ckNationalLeague:
            return FindFixtureOnDate(data, club, TodayDate(data)) >= 0;
        case ckNationalCup:
            if (!team.in_national_cup) return false;
            if (data.game_state.national_cup_round == 0) return NationalCupHasRound0(data, club);
            if (data.game_state.national_cup_round == 1) return NationalCupHasRound1(data, club);
            return true;
        case ckStateChampionship:
            return team.in_state_league;
        case ckContinentalCup:
            return team.in_continental_cup;
        case ckClubWorldCup:
            return team.in_club_world_cup;
        case ckSecondContinentalCup:
            return team.in_second_continental_cup;
        case ckSuperCup:
            return PlaysSuperCup(data, club);
        default:
            return false;
    }
}

bool AutosaveDue(GameData& data) {
    const int mode = data.game_state.autosave_mode;
    ++data.autosave_turn_counter;
    if ((mode == 1 && data.autosave_turn_counter >= 3) || mode == 2) {
        data.autosave_turn_counter = 0;
        return true;
    }
    return false;
}

bool OpenMainWindow(GameData& data, CoachTurn& turn, GameWindows& windows, bool skip_updates) {
    if (!OpenMainWindowTurn(data, turn, skip_updates)) return false;
    RunRoundEvents(data, windows, turn.skip_updates);
    return true;
}

bool OpenMainWindowTurn(GameData& data, CoachTurn& turn, bool skip_updates) {
    t_game_state& gs = data.game_state;
    DrawAuctionReserveMargin(data);
    ReturnLoanedPlayers(data, TodayDate(data));
    turn = CoachTurn{};
    bool found = false;
    if (!IsNationalTeamTournament(gs.match_kind))
        for (int slot = 0; slot < kHumanSlots && !found; ++slot) {
            const int club = gs.human_clubs[slot];
            if (club < 0 || !HumanClubPlaysToday(data, gs.match_kind, club)) continue;
            turn.human_turn = slot + 1;
            gs.user_club = club;
            found = true;
        }
    if (!found) {
        // No window opens, so the next one is an ordinary turn.
        data.opening_main_window = 0;
        return false;
    }
    turn.skip_updates = skip_updates;
    RefreshTurn(data, skip_updates);
    if (!skip_updates) turn.autosave = AutosaveDue(data);
    return true;
}

bool NextHumanTurnOrPlay(GameData& data, CoachTurn& turn, GameWindows& windows) {
    t_game_state& gs = data.game_state;
    while (turn.human_turn < gs.human_count && turn.human_turn < kHumanSlots) {
        const int club = gs.human_clubs[turn.human_turn];
        ++turn.human_turn;
        if (club < 0) continue;
        gs.user_club = club;
        if (!HumanClubPlaysToday(data, gs.match_kind, club)) continue;
        // Only the window's first turn is spared its updates.
        turn.skip_updates = false;
        RefreshTurn(data, false);
        RunRoundEvents(data, windows, false);
        return false;
    }
    PrepareComputerLineups();
    return true;
}

void RefreshTurn(GameData& data, bool skip_updates) {
    t_game_state& gs = data.game_state;
    const int club = gs.user_club;
    if (!InTable(data.teams, club)) return;
    gs.current_coach = data.teams[club].coach;
    if (!skip_updates) {
        SellListedPlayers(data);
        UpdateTeamMorale(data, UpdatePlayerMorale(data));
        if (gs.world_cup_on && IsWorldCupYear(data) && gs.league_round == 5 &&
            gs.league_turn == 1 && gs.match_kind == ckNationalLeague)
            AddNewsItem(data, club, neRumour, 1, 0, 0, 0);
    }
    CountAvailablePlayers(0, club);
    SendContractNotices(data, club);
    CountUnreadNews(data, club);
}

bool ListedPlayerSells(long long asking, long long value, int r) {
    const long long premium = asking - value;
    auto share = [value](int percent) {
        return std::llround(static_cast<double>(value) * percent / 100.0);
    };
    if (premium <= 0) return true;
    if (premium < 1000) return r > 10;
    if (premium <= share(5)) return r > 30;
    if (premium <= share(10)) return r > 70;
    if (premium < share(20)) return r > 60;
    if (premium <= share(30)) return r > 85;
    if (premium <= share(40)) return r > 90;
    if (premium <= share(50)) return r > 95;
    return false;
}

void SellListedPlayers(GameData& data) {
    const int club = data.game_state.user_club;
    if (!InTable(data.teams, club)) return;
    for (const int p : SquadOf(data, club)) {
        t_player& player = data.players[p];
        if (!player.on_sale || player.team != club) continue;
        const long long asking = MoneyToUnits(player.asking_price);
        const long long value = MoneyToUnits(player.value);
        if (!ListedPlayerSells(asking, value, Random(100))) continue;
        const int league = FindLeagueConfig(data, data.teams[club].country);
        if (league < 0) return;
        // The same floor as the sale command: a squad of 12 with 11 fit, and no loanee.
        CountAvailablePlayers(0, club);
        const t_team& team = data.teams[club];
        if (team.squad_size < 12 || team.available_players < 11 || player.loan_status == 2)
            continue;
        const int division_count = data.league_configs[league].division_count;
        int division = team.division;
        if (division == 0 || division > division_count) division = division_count;
        const int buyer = DrawClubOfDivision(data, league, division, 30, 23);
        if (buyer >= 0) SellPlayer(data, p, buyer, static_cast<int>(asking), true, true);
    }
}

std::array<int, 3> UpdatePlayerMorale(GameData& data) {
    const int club = data.game_state.user_club;
    std::array<int, 3> counts{};
    if (!InTable(data.teams, club)) return counts;
    const std::vector<int> squad = SquadOf(data, club);
    for (const int p : squad) {
        t_player& player = data.players[p];
        if (player.morale_recovery == 1) {
            ++player.morale;
            player.morale_recovery = 0;
        }
        if (player.morale_recovery > 1) --player.morale_recovery;
        player.morale = ClampMorale(player.morale);
    }
    // A fight needs two different players from all but the last squad entry.
    if (Random(100) == 1 && squad.size() >= 3) {
        const int high = static_cast<int>(squad.size()) - 1;
        const int a = squad[Random(high)];
        int b = a;
        while (b == a) b = squad[Random(high)];
        for (const int p : {a, b}) {
            data.players[p].morale = 1;
            data.players[p].morale_recovery = 4;
        }
        AddNewsItem(data, club, nePlayerMessage, 4, a, b, 0);
    }
    if (data.teams[club].supporter_confidence < 20 && Random(30) == 1 && !squad.empty()) {
        const int a = squad[Random(static_cast<int>(squad.size()) - 1)];
        data.players[a].morale = 1;
        data.players[a].morale_recovery = 4;
        AddNewsItem(data, club, nePlayerMessage, 5, a, 0, 0);
    }
    for (const int p : squad) ++counts[ClampMorale(data.players[p].morale) - 1];
    return counts;
}

int TeamMoraleOf(const std::array<int, 3>& counts) {
    const auto [c1, c2, c3] = counts;
    int morale = 2;
    if (c1 + c2 < c3)
        morale = 3;
    else if (c1 + c3 < c2)
        morale = 2;
    else if (c3 < c1)
        morale = 1;
    if (morale == 3 && (c1 >= 5 || c2 >= 8)) morale = 2;
    return morale;
}

void UpdateTeamMorale(GameData& data, const std::array<int, 3>& counts) {
    const int club = data.game_state.user_club;
    if (!InTable(data.teams, club)) return;
    t_team& team = data.teams[club];
    team.morale = TeamMoraleOf(counts);
    struct DefeatEffect {
        int above;
        int recovery;
    };
    static constexpr std::array<DefeatEffect, 4> kDefeats{{{50, 3}, {40, 3}, {20, 4}, {5, 5}}};
    if (team.heavy_defeat >= 1 && team.heavy_defeat <= 4) {
        const DefeatEffect effect = kDefeats[team.heavy_defeat - 1];
        if (Random(100) > effect.above) {
            --team.morale;
            team.morale_recovery += effect.recovery;
        }
    }
    team.heavy_defeat = 0;
    if (team.morale_recovery > 1) {
        --team.morale_recovery;
        if (team.morale_recovery == 1) {
            ++team.morale;
            team.morale_recovery = 0;
        }
    }
    team.morale = ClampMorale(team.morale);
}

void RunRoundEvents(GameData& data, GameWindows& windows, bool skip_updates) {
    if (!skip_updates) {
        PlayerOfferEvent(data, windows);
        if (CountOfferedForLoan(data, data.game_state.user_club) > 0)
            LoanRequestEvent(data, windows);
        if (data.game_state.match_kind == ckNationalLeague) PlayerDeathEvent(data, windows);
        NationalTeamInvitations(data, windows);
    }
    data.opening_main_window = 0;
}

void PlayerOfferEvent(GameData& data, GameWindows& windows) {
    static constexpr std::array<int, 5> kOfferValueCaps{200'000, 15'000'000, 5'000'000, 3'000'000,
                                                        800'000};
    const t_game_state& gs = data.game_state;
    const int club = gs.user_club;
    if (!InTable(data.teams, club) || data.teams[club].squad_size < 15) return;
    const int n = Random(100) > 30 ? gs.league_club_count - 1 : ClubCount(data) - 1;
    if (Random(25) != 1) return;
    std::vector<int> candidates;
    for (const int p : SquadOf(data, club))
        if (data.players[p].loan_status == 0) candidates.push_back(p);
    const bool same_division = Random(100) > 50;
    const int division = data.teams[club].division;
    int bidder = -1;
    for (int i = 0; i < 200 && bidder < 0; ++i) {
        const int c = Random(n);
        if (!InTable(data.teams, c)) continue;
        const t_team& t = data.teams[c];
        if (t.human || t.squad_size >= 23 || t.division <= 0 || t.division < division ||
            t.level <= 8)
            continue;
        if (same_division && t.division != division) continue;
        bidder = c;
    }
    if (bidder < 0 || candidates.empty()) return;
    const int cap = kOfferValueCaps[std::clamp(data.teams[bidder].division, 0, 4)];
    int player = -1;
    for (int i = 0; i < 28 && player < 0; ++i) {
        const int p = candidates[Random(static_cast<int>(candidates.size()))];
        if (data.players[p].value <= MoneyFromUnits(cap)) player = p;
    }
    if (player < 0 || data.players[player].team != club) return;
    WindowRequest request{GameWindow::kPlayerOffer};
    request.club = bidder;
    request.player = player;
    windows.Show(request);
}

int LoanRequestDivision(int user_division, int division_count, int state_division, int strength) {
    if (user_division == 0) return state_division > 0 ? 3 : -1;
    if (user_division == division_count) return user_division;
    if (user_division == 1) {
        int t = 1 + Random(2);
        if (division_count >= 3 && strength <= 20) t = 3;
        if (division_count >= 4 && strength <= 15) t = 4;
        return t;
    }
    return Random(3) == 0 ? user_division : user_division - 1;
}

void LoanRequestEvent(GameData& data, GameWindows& windows) {
    const int club = data.game_state.user_club;
    if (!InTable(data.teams, club)) return;
    const t_team& team = data.teams[club];
    const int league = FindLeagueConfig(data, team.country);
    if (league < 0) return;
    const int division_count = data.league_configs[league].division_count;
    int player = -1;
    for (const int p : SquadOf(data, club))
        if (data.players[p].loan_status == 1) {
            player = p;
            break;
        }
    if (player < 0) return;
    const int division = LoanRequestDivision(team.division, division_count, team.state_division,
                                             data.players[player].strength);
    if (division < 1 || division > division_count) return;
    const int borrower = DrawClubOfDivision(data, league, division, 200, 25);
    if (borrower < 0) return;
    WindowRequest request{GameWindow::kLoanRequest};
    request.club = borrower;
    request.player = player;
    windows.Show(request);
}

void PlayerDeathEvent(GameData& data, GameWindows& windows) {
    const int club = data.game_state.user_club;
    if (!InTable(data.teams, club)) return;
    for (const int p : SquadOf(data, club)) {
        t_player& player = data.players[p];
        if (player.age < 53) continue;
        if (Random(3) != 1 && player.age <= 60) continue;
        data.SetPlayerTeam(p, -1);
        CloseLoansOf(data, p);
        CountSquad(data, club);
        CalcWageBill(data, club);
        data.teams[club].points[ckNationalLeague] -= kPointsTakenForADeath;
        WindowRequest request{GameWindow::kDeathNotice};
        request.club = club;
        request.player = p;
        windows.Show(request);
        return;
    }
}

void NationalTeamInvitations(GameData& data, GameWindows& windows) {
    const t_game_state& gs = data.game_state;
    const int club = gs.user_club;
    if (!InTable(data.teams, club) || gs.match_kind != ckNationalLeague || gs.league_turn != 1)
        return;
    const bool in_rounds =
        (gs.league_format == kDivisionsOf20 && gs.league_round >= 5 && gs.league_round <= 9) ||
        (gs.league_format == kDivisionsOf10 && gs.league_round == 5);
    if (!in_rounds) return;
    const int coach = gs.current_coach;
    if (!InTable(data.coaches, coach) || data.coaches[coach].national_team_job) return;
    const t_team& team = data.teams[club];
    auto invite = [&](int kind, int tier) {
        WindowRequest request{GameWindow::kNationalTeamInvitation};
        request.kind = kind;
        request.tier = tier;
        request.coach = coach;
        request.club = club;
        windows.Show(request);
    };
    if (gs.world_cup_on && IsWorldCupYear(data)) {
        const int position = team.table_position[ckNationalLeague];
        const bool first_tier = gs.season >= 2
                                    ? team.division == 1 || position == 1
                                    : team.division == 1 && position >= 1 && position <= 6;
        invite(ckWorldCup, first_tier ? 1 : 2);
    }
    if (gs.copa_america_on && IsAmericasNationsCupYear(data))
        invite(ckAmericasNationsCup,
               team.division == 1 || team.division == 2 || gs.human_count > 4 ? 1 : 2);
    if (gs.euro_on && IsEuropeanNationsCupYear(data))
        invite(ckEuropeanNationsCup, team.division == 1 || team.division == 2 ? 1 : 2);
}

}  // namespace kv
