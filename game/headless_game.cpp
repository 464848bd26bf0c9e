#include "game/headless_game.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "core/display_names.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/random.h"
#include "core/save_game.h"
#include "game/callup_selection.h"
#include "game/club_offers.h"
#include "game/coach_turn.h"
#include "game/game_checks.h"
#include "game/national_team_turn.h"
#include "game/round_close.h"
#include "game/season_rollover.h"
#include "match/automatic_decisions.h"
#include "match/computer_lineups.h"
#include "match/human_lineup.h"
#include "match/match_day.h"
#include "match/new_game_builder.h"
#include "match/scripted_decisions.h"
#include "season/auction.h"
#include "season/calendar.h"
#include "season/calendar_advance.h"
#include "season/job_offers.h"
#include "season/load_game.h"
#include "season/new_game_setup.h"

namespace kv {

namespace {

bool PlayingDayLeft(const GameData& data) {
    for (int day = data.game_state.calendar_day + 1; day <= kCalendarDays; ++day) {
        const int type = data.calendar[day - 1].day_type;
        if (type == dtRestDay || (type > ckFriendly && type <= kLastPlayableDayType)) return true;
        if (type == ckFriendly && FriendlyOnDay(data, day)) return true;
    }
    return false;
}

// The auctions the round close hands over. The human coaches pass, or with `bids` bid by a
// simple rule (RuleBid). The result pauses run on a clock of their own. Returns the auctions held.
int HoldAuctions(GameData& data, int count, bool bids) {
    if (count <= 0) return 0;
    Auction auction(data, {.count = count});
    std::int64_t now = 0;
    auction.Begin(now);
    for (int step = 0; step < 1000 && auction.phase() != AuctionPhase::kFinished; ++step) {
        if (auction.phase() == AuctionPhase::kHumanBids) {
            auction.Bid(bids ? RuleBid(data, auction) : 0, now);
        } else {
            now += kAuctionResultPauseMs;
            auction.Tick(now);
        }
    }
    return auction.auctions_held();
}

}  // namespace

std::string SeasonSummary::Line() const {
    std::ostringstream line;
    line << "Temporada " << SeasonYear(season) << ":";
    for (const std::string& champion : champions) line << " " << champion << ";";
    char average[32];
    std::snprintf(average, sizeof average, "%.2f", matches > 0 ? double(goals) / matches : 0.0);
    line << " " << matches << " jogos, " << average << " gols por jogo";
    return line.str();
}

bool AutomaticWindows::Show(const WindowRequest& request) {
    ++shown;
    if (request.window == GameWindow::kJobOffer) ClearJobOffers(Game());
    // A bid turned down has still been shown: its window drew the price it offers.
    if (request.window == GameWindow::kPlayerOffer) OfferPrice(Game(), request.player);
    if (!take_national_team) return false;
    GameData& data = Game();
    if (request.window == GameWindow::kNationalTeamInvitation) {
        for (const InvitationOffer& offer : InvitationOffers(data, request.tier))
            if (offer.enabled && AcceptInvitation(data, offer.team, request.coach)) break;
    } else if (request.window == GameWindow::kNationalTeamCallUp &&
               InTable(data.teams, request.team)) {
        std::vector<int> found =
            SearchCallUpPlayers(data, data.teams[request.team].country, CallUpFilter{});
        std::stable_sort(found.begin(), found.end(), [&](int a, int b) {
            return data.players[a].strength > data.players[b].strength;
        });
        CallUpList list(data);
        for (const int p : found) list.Add(p);
        // A country that cannot field the smallest squad keeps the one it has.
        if (list.CanConfirm()) ConfirmCallUp(data, request.team, list.players());
    }
    return false;
}

std::string HeadlessGame::StartNewGame(const HeadlessSetup& setup) {
    SeedRandom(setup.seed);
    NewGameSetup game;
    AutomaticSetup automatic;
    automatic.league_format = setup.league_format;
    automatic.state_leagues = setup.state_championships;
    automatic.club_cups = setup.cups;
    automatic.tournaments = setup.tournaments;
    automatic.human_count = setup.humans;
    automatic.countries = setup.countries;
    automatic.coach_countries = setup.coach_countries;
    windows_.take_national_team = setup.national_team_coach;
    if (automatic.countries.empty()) automatic.countries.push_back(kHomeCountry);
    std::string message = RunAutomaticSetup(game, setup.teams_folder, automatic);
    setup_notice_ = SkippedFilesNotice(game.scan);
    if (!message.empty()) return message;
    const NewGameOutcome outcome = BuildNewGame(game, setup.teams_folder);
    if (!outcome.ok()) return outcome.message;
    next_ = outcome.first_window == FirstWindow::kMainWindow ? NextScreen::kMainWindow
                                                             : NextScreen::kMatchDay;
    return {};
}

std::string HeadlessGame::LoadGame(const std::string& path) {
    // The load window's own load: the same checks, calendar and values reset.
    const LoadOutcome loaded = LoadGameFromFile(path);
    if (!loaded.loaded) return loaded.message;
    const t_game_state& gs = Game().game_state;
    // A game is saved from the main window (or the hub) of a day on which a human plays; the
    // runner also saves a season that has ended, before its change.
    if (gs.match_kind == ckFriendly && !PlayingDayLeft(Game())) {
        Game().game_state.match_kind = -1;
        next_ = NextScreen::kSeasonReview;
    } else if (gs.match_kind == -1)
        next_ = NextScreen::kSeasonReview;
    else if (IsNationalTeamTournament(gs.match_kind))
        next_ = NextScreen::kNationalTeamHub;
    else
        next_ = NextScreen::kMainWindow;
    return {};
}

std::string HeadlessGame::SaveGame(const std::string& path) {
    // A season over (no kind for the next day) is kept as a friendly day with no playing day
    // left, which a saved game can hold; the load turns it back.
    std::int32_t& kind = Game().game_state.match_kind;
    const std::int32_t kept = kind;
    if (kind == -1) kind = ckFriendly;
    std::string error;
    const bool saved = SaveGameToFile(path, &error);
    kind = kept;
    if (!saved) return "Erro ao salvar: " + error;
    return {};
}

void HeadlessGame::TakeHumanTurns() {
    GameData& data = Game();
    switch (next_) {
        case NextScreen::kMainWindow:
        case NextScreen::kAuction: {
            if (next_ == NextScreen::kAuction)
                auctions_held_ += HoldAuctions(data, auctions_due_, auction_bids_);
            CoachTurn turn;
            if (!OpenMainWindow(data, turn, windows_, data.opening_main_window != 0)) {
                PrepareComputerLineups();
                break;
            }
            // Each coach whose club plays today presses "Jogar" with the line-up the computer
            // would field for his club.
            do CommitComputerLineup(data, data.game_state.user_club, false);
            while (!NextHumanTurnOrPlay(data, turn, windows_));
            break;
        }
        case NextScreen::kNationalTeamHub:
            TakeNationalTeamTurns();
            break;
        default:
            break;
    }
}

void HeadlessGame::TakeNationalTeamTurns() {
    // Each human-led national team still in the tournament sends out the computer's eleven,
    // then the match day starts, as the hub hands over.
    GameData& data = Game();
    for (int slot = OpenNationalTeamTurn(data); slot > 0; slot = NextNationalTeamTurn(data, slot)) {
        if (RefreshNationalTeamTurn(data) < 0) continue;
        if (const int team = StartNationalTeamLineup(data); team >= 0)
            CommitComputerLineup(data, team, true);
    }
    PrepareComputerLineups();
}

void HeadlessGame::Check(const std::string& broken) {
    if (!checking_ || broken.empty() || !broken_invariant_.empty()) return;
    broken_invariant_ = "rodada " + std::to_string(rounds_ + 1) + ": " + broken;
}

void HeadlessGame::PlayRound() {
    if (!results_open_) PlayToResults();
    if (!results_open_) return;  // a new season with no playing day
    results_open_ = false;
    const RoundCloseResult closed = CloseRound(Game(), windows_);
    next_ = closed.next;
    auctions_due_ = closed.auctions;
    if (checking_) Check(CheckRoundInvariants(Game()));
    if (checking_ && next_ == NextScreen::kSeasonReview) Check(CheckSeasonEndInvariants(Game()));
    ++rounds_;
    if (next_ == NextScreen::kSeasonReview) SummariseSeason();
}

void HeadlessGame::PlayToResults() {
    if (results_open_) return;
    GameData& data = Game();
    if (next_ == NextScreen::kSeasonReview) {
        RolloverSnapshot before;
        if (checking_) before = TakeRolloverSnapshot(data);
        EndSeason(data);
        next_ = StartNewSeason(data, windows_);
        if (checking_) Check(CheckRolloverInvariants(data, before));
        if (next_ == NextScreen::kSeasonReview) return;
    }
    TakeHumanTurns();
    const std::size_t archived = Game().match_archive.size();
    AutomaticDecisions automatic;
    ScriptedDecisions scripted;
    PlayWholeMatchDay(coach_choices_ ? scripted : automatic);
    matches_ += static_cast<long long>(Game().match_archive.size() - archived);
    if (checking_) Check(CheckArchivedStarters(Game(), archived));
    OpenRoundResults(Game());
    results_open_ = true;
}

void HeadlessGame::SummariseSeason() {
    const GameData& data = Game();
    SeasonSummary summary;
    summary.season = data.game_state.season;
    for (const t_honour& honour : data.honours)
        if (honour.season == summary.season && honour.placing == 1 &&
            InTable(data.teams, honour.team))
            summary.champions.push_back(CompetitionName(data, honour.competition) + ": " +
                                        data.teams[honour.team].name.str());
    for (const t_archived_match& match : data.match_archive) {
        ++summary.matches;
        summary.goals += match.goals[0] + match.goals[1];
    }
    last_season_ = summary;
}

}  // namespace kv
