#include "game/round_close.h"

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money.h"
#include "core/random.h"
#include "game/national_callups.h"
#include "game/season_rollover.h"
#include "game/state_finals.h"
#include "game/table_closes.h"
#include "match/computer_lineups.h"
#include "match/lineup_strength.h"
#include "match/match_day_helpers.h"
#include "season/calendar_advance.h"
#include "season/club_upkeep.h"
#include "season/coach_dismissals.h"
#include "season/computer_market.h"
#include "season/continental_draws.h"
#include "season/game_messages.h"
#include "season/human_involvement.h"
#include "season/job_offers.h"
#include "season/loans.h"
#include "season/player_economy.h"

namespace kv {

namespace {

constexpr int kSeasonOver = -1;

int DayType(const GameData& data) {
    const int day = data.game_state.calendar_day;
    return day >= 1 && day <= kCalendarDays ? data.calendar[day - 1].day_type : kSeasonOver;
}

int AdvanceDay(GameData& data) {
    return AdvanceToNextPlayDay(data) == AdvanceResult::kPlayDay ? DayType(data) : kSeasonOver;
}

void FullEnergyForAll(GameData& data) {
    data.ResetMatchMarks([](t_player& player) { player.energy = 100; });
}

class WindowMessages : public GameMessages {
  public:
    explicit WindowMessages(GameWindows& windows) : windows_(windows) {}
    void ShowError(std::string_view text) override {
        WindowRequest request{GameWindow::kClubWorldCupDrawError};
        request.text = std::string(text);
        windows_.Show(request);
    }

  private:
    GameWindows& windows_;
};

void ShowJobOffer(GameWindows& windows, int coach) {
    WindowRequest request{GameWindow::kJobOffer};
    request.coach = coach;
    windows.Show(request);
}

bool OfferedClubHasLeague(const GameData& data) {
    const int club = data.job_offers[0];
    return InTable(data.teams, club) && FindLeagueConfig(data, data.teams[club].country) >= 0;
}

// The human coaches with a club, each asked by `find` in turn.
template <class Find>
void OfferJobsToEmployed(GameData& data, GameWindows& windows, Find find, bool clear_flag) {
    for (int slot = 0; slot < kHumanSlots; ++slot) {
        const int coach = data.game_state.human_coaches[slot];
        data.game_state.current_coach = coach;
        if (!InTable(data.coaches, coach) || data.coaches[coach].club < 0) continue;
        find(data, data.coaches[coach].club);
        if (!OfferedClubHasLeague(data)) continue;
        if (clear_flag) data.coaches[coach].offer_flag = 0;
        ShowJobOffer(windows, coach);
    }
}

void OfferMidSeasonJobs(GameData& data, GameWindows& windows) {
    const t_game_state& gs = data.game_state;
    if (gs.season <= 1 || gs.league_turn != 2 || gs.league_round % 2 != 0 ||
        gs.league_round < 4 || gs.league_round > 16)
        return;
    OfferJobsToEmployed(data, windows, FindMidSeasonJobOffers, true);
}

void OfferJobsToUnemployed(GameData& data, GameWindows& windows) {
    if (Random(3) == 0) return;
    for (int slot = 0; slot < kHumanSlots; ++slot) {
        const int coach = data.game_state.human_coaches[slot];
        data.game_state.current_coach = coach;
        if (!InTable(data.coaches, coach) || data.coaches[coach].club != -1) continue;
        FindJobOffersForUnemployed(data, data.coaches[coach].country, coach);
        if (OfferedClubHasLeague(data)) ShowJobOffer(windows, coach);
    }
}

void ShowDismissals(GameWindows& windows, const DismissalRound& round) {
    for (const HumanDismissal& d : round.human) ShowDismissal(windows, d);
    if (round.show_changes) {
        WindowRequest request{GameWindow::kCoachChanges};
        request.coach_changes = &round.changes;
        windows.Show(request);
    }
}

bool HumanSquadShort(const GameData& data) {
    const t_game_state& gs = data.game_state;
    for (int i = 0; i < gs.human_count && i < kHumanSlots; ++i) {
        const int club = gs.human_clubs[i];
        if (InTable(data.teams, club) && data.teams[club].squad_size < 25) return true;
    }
    return false;
}

// The first human national team whose country can field a squad, as a 1-based position;
// asked once per tournament.
int CallUpNoticeDue(GameData& data) {
    t_game_state& gs = data.game_state;
    if (gs.tournament_notice_done) return 0;
    gs.tournament_notice_done = 1;
    for (int i = 0; i < gs.tournament_human_count && i < kHumanSlots; ++i) {
        const int team = gs.tournament_human_teams[i];
        if (InTable(data.teams, team) && HasNationalSquad(data.teams[team].country)) return i + 1;
    }
    return 0;
}

RoundCloseResult OpenHumanTurn(GameData& data, GameWindows& windows) {
    t_game_state& gs = data.game_state;
    RoundCloseResult result;
    if (!IsNationalTeamTournament(gs.match_kind)) {
        if (gs.match_kind == ckNationalLeague && HumanSquadShort(data)) result.auctions = Random(3);
        data.auction_count = result.auctions;
        result.next = result.auctions > 0 ? NextScreen::kAuction : NextScreen::kMainWindow;
        return result;
    }
    if (CallUpNoticeDue(data) > 0)
        for (int i = 0; i < gs.tournament_human_count && i < kHumanSlots; ++i) {
            const int team = gs.tournament_human_teams[i];
            if (!InTable(data.teams, team) || !HasNationalSquad(data.teams[team].country)) continue;
            WindowRequest request{GameWindow::kNationalTeamCallUp};
            request.team = team;
            request.turn = i + 1;
            windows.Show(request);
        }
    result.next = NextScreen::kNationalTeamHub;
    return result;
}

RoundCloseResult NextTurnOrMatchDay(GameData& data, GameWindows& windows, bool human_plays) {
    if (human_plays) return OpenHumanTurn(data, windows);
    PrepareNextMatchDay(data);
    return {NextScreen::kMatchDay, 0};
}

}  // namespace

bool LeagueSeasonOver(const GameData& data) {
    return data.league_season_over != 0;
}

void SetLeagueSeasonOver(GameData& data, bool over) {
    data.league_season_over = over ? 1 : 0;
}

bool HumanPlaysNextDay(const GameData& data, int kind) {
    switch (kind) {
        case ckFriendly:
            return HumanClubHasFriendly(data, data.game_state.calendar_day);
        case ckNationalLeague:
            return HumanClubInLeague(data);
        case ckNationalCup:
            return HumanClubInNationalCup(data);
        case ckStateChampionship:
            return HumanClubInStateLeague(data);
        case ckContinentalCup:
            return HumanClubInContinentalCup(data);
        case ckClubWorldCup:
            return HumanClubInClubWorldCup(data);
        case ckSecondContinentalCup:
            return HumanClubInSecondCup(data);
        case ckWorldCup:
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup:
            return HumanTeamInNationalTournament(data);
        case ckSuperCup:
            return HumanClubInSuperCup(data);
        default:
            return false;
    }
}

int RandomTransfersAfterLeagueDay(int league_format, int day, int season) {
    int n = 0;
    if (league_format == kDivisionsOf10) {
        if (day < 60)
            n = 3;
        else if (day <= 92)
            n = 1;
        else if (day <= 101)
            n = 1 + Random(3);
        else
            n = 3 + Random(3);
    } else {
        if (day < 63)
            n = 3;
        else if (day <= 119)
            n = 1;
        else if (day <= 135)
            n = Random(2);
        else
            n = 2 + Random(2);
    }
    return season > 5 ? n + 3 : n;
}

void OpenRoundResults(GameData& data) {
    const int kind = data.game_state.match_kind;
    if (kind == ckNationalLeague) CloseLeagueTables(data, LeagueSeasonOver(data));
    if (kind == ckWorldCup) CloseNationalTeamGroups(data, ckWorldCup);
}

void PrepareNextMatchDay(GameData& data) {
    t_game_state& gs = data.game_state;
    const int kind = gs.match_kind;
    data.match_day_group =
        kind == ckContinentalCup || kind == ckSecondContinentalCup ? crSouthAmerica : 0;
    if (kind == ckStateChampionship) {
        data.state_position = 0;
        for (int s = 0; s < kStateCount; ++s)
            if (data.state_leagues[s].active && data.state_leagues[s].has_human_club) {
                data.state_position = s;
                break;
            }
        if (data.state_position == 0 && data.state_leagues[0].group_count == 0) {
            for (const int s : {25, 18, 10})
                if (data.state_leagues[s].active) {
                    data.state_position = s;
                    break;
                }
            if (data.state_position == 0)
                for (int s = 0; s < kStateCount; ++s)
                    if (data.state_leagues[s].active) {
                        data.state_position = s;
                        break;
                    }
        }
    }
    PrepareComputerLineups();
}

NextScreen StartNextPlayDay(GameData& data) {
    t_game_state& gs = data.game_state;
    gs.match_kind = AdvanceDay(data);
    if (gs.match_kind == kSeasonOver) return NextScreen::kSeasonReview;
    ReturnLoanedPlayers(data, TodayDate(data));
    CompleteStadiumWorks(data);
    // The season change counted every squad with no kind set, so nobody was available.
    for (int club = 0; club < ClubLimit(data); ++club) CountSquad(data, club);
    const bool human_plays = HumanPlaysOnFirstDay(data);
    DrawRoundReferees();
    if (human_plays) return NextScreen::kMainWindow;
    PrepareNextMatchDay(data);
    return NextScreen::kMatchDay;
}

RoundCloseResult CloseRound(GameData& data, GameWindows& windows) {
    t_game_state& gs = data.game_state;
    const int closed_kind = gs.match_kind;
    int next_kind = AdvanceDay(data);
    if (next_kind >= 1000) {
        if (next_kind == dtRestDay) FullEnergyForAll(data);
        next_kind = AdvanceDay(data);
    }
    ReturnLoanedPlayers(data, TodayDate(data));
    CompleteStadiumWorks(data);
    switch (closed_kind) {
        case ckStateChampionship:
            CloseStateTables(data);
            break;
        case ckContinentalCup:
        case ckSecondContinentalCup:
            CloseContinentalGroups(data, closed_kind);
            break;
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup:
            CloseNationalTeamGroups(data, closed_kind);
            break;
        default:
            break;
    }
    if (next_kind == ckClubWorldCup && gs.club_world_cup_stage == 1) {
        WindowMessages messages(windows);
        if (!DrawClubWorldCup(data, messages)) next_kind = kSeasonOver;
    }
    bool human_plays = HumanPlaysNextDay(data, next_kind);
    gs.match_kind = next_kind;
    if (data.tournament_just_ended) ReleaseCallUps(data);
    data.ResetMatchMarks([](t_player& player) {
        player.on_pitch = 0;
        player.fielded_exhausted = 0;
        player.match_goals = 0;
    });
    ClearMatchStrengths(data);
    data.day_matches.clear();
    DrawRoundReferees();
    if (gs.tournament_callups_done == 0 && IsNationalTeamTournament(next_kind)) {
        CallUpComputerNationalTeams(data);
        FullEnergyForAll(data);
    }
    if (gs.midseason_revaluation_done == 0 && gs.league_round == 1 && gs.league_turn == 2) {
        for (int p = 1; p < static_cast<int>(data.players.size()); ++p)
            if (data.players[p].team >= 0)
                data.players[p].value = MoneyFromUnits(CalcPlayerValue(data, p));
        gs.midseason_revaluation_done = 1;
    }
    if (next_kind == kSeasonOver) {
        if (gs.league_format == kDivisionsOf20)
            OfferJobsToEmployed(data, windows, FindSeasonEndJobOffers, true);
        return {NextScreen::kSeasonReview, 0};
    }
    // Dismissals, job offers and the state titles belong to the day just closed and read its
    // kind; the next day's kind is back for the screen that follows.
    gs.match_kind = closed_kind;
    if (closed_kind == ckNationalLeague) {
        OfferMidSeasonJobs(data, windows);
        OfferJobsToUnemployed(data, windows);
        ShowDismissals(windows, ProcessCoachDismissals(data));
        human_plays = HumanPlaysNextDay(data, next_kind);
        const int transfers =
            RandomTransfersAfterLeagueDay(gs.league_format, gs.calendar_day, gs.season);
        for (int i = 0; i < transfers; ++i) MakeRandomComputerTransfer(data, -1);
    } else if (closed_kind == ckStateChampionship) {
        for (t_state_league& league : data.state_leagues) league.round_played = 0;
        OfferJobsToUnemployed(data, windows);
        ShowDismissals(windows, ProcessCoachDismissals(data));
        if (gs.state_league_round == 8) {
            const StateChampionsTable champions = CloseStateChampionships(data);
            WindowRequest request{GameWindow::kStateChampions};
            request.champions = &champions;
            windows.Show(request);
            ReleaseCoachesWithoutDivision(data, windows);
        }
        human_plays = HumanPlaysNextDay(data, next_kind);
    }
    gs.match_kind = next_kind;
    return NextTurnOrMatchDay(data, windows, human_plays);
}

}  // namespace kv
