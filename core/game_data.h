#pragma once
// All the tables of the running game, the game state and the values windows hand
// each other, in one object. There is one global instance, reached through Game().
// A new game or a load fills a fresh GameData and swaps it in (SwapInGame) only
// once it succeeded; a test starts from Game().Reset().
//
// Conventions: tables are indexed by int, -1 means "none"; growing a table appends
// zero-filled records (AppendRecord) and the caller writes any -1 defaults itself.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/records_club.h"
#include "core/records_coach.h"
#include "core/records_match.h"
#include "core/records_player.h"
#include "core/records_season.h"
#include "core/records_state.h"
#include "core/records_team.h"
#include "core/types.h"

namespace kv {

inline constexpr int kCalendarDays = 366;
// A round counter moves on at most once a playing day and starts again every season (or every
// tournament), so it never passes the days of a season; it stops there rather than run over.
inline constexpr std::int32_t kLastRound = kCalendarDays + 1;
inline constexpr int kRefereeCount = 42;
inline constexpr int kHumanSlots = 6;
inline constexpr int kTicketPriceRows = 5;  // division 0 (none) .. 4
inline constexpr int kStadiumSectors = 4;
inline constexpr int kNationalBracketTies = 16;
inline constexpr int kClubWorldCupTies = 6;
inline constexpr int kDayMatchRecords = 41;  // record 0 unused, matches 1..40

// Where the goals, cards and appearances of a match day reach the season's statistics.
using PlayerEventRecorder = void (*)(int player, int club, int competition, std::string_view key);

class GameData {
  public:
    GameData();

    // Back to a clean, empty game: every table emptied, fixed tables zero-filled,
    // the start-up values put back, and `players` holding only its dummy entry 0.
    void Reset();

    // ---- teams and people (saved) ----
    std::vector<t_team> teams;      // clubs, then background clubs, then national teams
    std::vector<t_player> players;  // entry 0 holds no player (team -1)
    std::vector<t_coach> coaches;
    std::vector<t_finance> finances;  // one per club, index = team; none for national teams
    std::vector<t_national_team_entry> national_team_list;
    // Not saved: the club file each club was built from, by team index.
    std::vector<std::string> team_file_names;
    std::array<PString<25>, kHumanSlots> human_coach_names{};
    std::array<std::int32_t, kHumanSlots> human_coach_nationalities{};

    // ---- competitions, fixtures and the season ----
    t_game_state game_state{};
    std::vector<t_competition> competitions;  // index = competition id
    std::vector<t_league_config> league_configs;
    std::array<t_state_league, kStateCount> state_leagues{};  // index = state
    std::vector<t_fixture> fixtures;
    std::array<t_calendar_day, kCalendarDays> calendar{};  // day d is entry d - 1; not saved
    std::vector<t_friendly> friendlies;
    std::vector<t_top_clubs> top_club_lists;                 // by league_configs index; not saved
    std::array<std::int32_t, 32> second_cup_prelim_teams{};  // (home, away) pairs; not saved
    // [division 0..4][sector 0..3], whole units.
    std::array<std::array<std::int32_t, kStadiumSectors>, kTicketPriceRows> ticket_prices{};
    std::array<std::int32_t, 4> regional_cup_entrants{};  // -1 = none; not saved

    // ---- match day and results ----
    std::vector<jogos> day_matches;                  // not saved
    std::vector<t_match_strength> match_strengths;   // not saved
    std::vector<t_match_event> match_events;         // today's; not saved
    std::vector<t_match_event> match_event_archive;  // `match` = match_archive index
    std::vector<t_archived_match> match_archive;
    std::vector<t_result_entry> result_history;
    std::vector<t_player_rating> player_ratings;
    std::vector<t_substitute_rating> substitute_ratings;
    std::vector<t_round_best_eleven> round_best_elevens;
    std::vector<t_season_best_eleven> season_best_elevens;
    std::array<arbitro_, kRefereeCount> referees{};  // filled at start-up; not saved
    // The knock-out ties of the current national-team tournament (its "tournament ties").
    std::array<t_bracket_tie, kNationalBracketTies> national_tournament_bracket{};
    std::array<t_bracket_tie, kClubWorldCupTies> club_world_cup_bracket{};
    std::vector<t_rating_total> rating_totals;

    // ---- histories and statistics ----
    std::vector<t_honour> honours;
    std::vector<t_placing_record> placing_records;
    std::vector<t_top_scorer> top_scorers;
    std::vector<t_coach_season> coach_seasons;
    std::vector<t_player_season> player_seasons;
    std::vector<t_competition_tally> season_goals;
    std::vector<t_competition_tally> season_appearances;
    std::vector<t_club_result> club_competition_history;

    // ---- club management, career and news ----
    std::vector<t_news_item> inbox;
    std::vector<t_loan> loans;
    std::vector<t_transfer> transfer_log;
    std::vector<t_stadium_work> stadium_works;
    std::vector<t_coach_appointment> coach_appointment_log;
    std::vector<t_default_lineup> default_lineups;
    std::vector<t_saved_tactic> saved_tactics;
    std::vector<t_callup> callups;
    std::vector<t_regional_candidate> regional_division_candidates;  // the regional candidates
    // Human coaches left without a club when the state championships ended (the
    // jobless coaches the season step offers jobs to).
    std::vector<t_state_dismissal> state_dismissals;
    std::vector<t_coach_dismissal> coach_dismissals;  // not saved
    std::array<std::int32_t, 4> job_offers{};         // team indexes, -1 = empty; not saved

    // ---- values kept beside the game (not saved) ----
    std::int32_t auction_player = -1;
    // The auctions the last round close asked for before the main window (kAuction).
    std::int32_t auction_count = 0;
    double auction_price_factor = 0;
    std::string results_heading;
    std::string match_day_heading_prefix;
    std::string club_message_text;
    std::int32_t autosave_turn_counter = 0;  // main-window openings since the last autosave
    // Set while the main window is opened by a new game, a load or the season
    // step: its first turn skips the turn-start updates (also read as
    // skip_turn_updates).
    std::uint8_t opening_main_window = 0;
    std::int32_t fallback_league = -1;
    // The coach or player whose career page was built last (its profile window is open).
    std::int32_t profile_subject = -1;

    // ---- the match day being played (not saved) ----
    std::int32_t day_match_count = 0;
    std::int32_t match_day_group = 0;  // league_configs index for kinds 1, 2; TCupRegion for 4, 6
    std::int32_t state_position = 0;   // the state for kind 3
    std::uint8_t quick_mode = 0;
    std::int32_t clock_tick = 0;
    std::int32_t half = 1;
    std::int32_t half_time = 0;
    std::array<std::uint8_t, kHumanSlots> human_match_rows{};
    std::uint8_t human_match_count = 0;
    std::int32_t current_match = 1;
    std::int32_t lineup_side = 1;
    std::int32_t substitution_minute = 0;
    std::int32_t match_day_calendar_day = 0;
    std::uint8_t south_second_cup_played = 1;
    std::vector<t_scheduled_goal> goal_schedule;
    // match_archive index of the first match of the group archived last, -1 before the day's
    // group is archived; a shoot-out decided after the archive is written there too.
    std::int32_t archived_group_first = -1;
    std::array<std::int32_t, 32> pending_shootouts{};
    std::int32_t pending_shootout_count = 0;
    std::uint8_t tournament_just_ended = 0;
    std::int32_t second_cup_south_round = 0;  // the South American second cup's round today
    // Set when the last round of the league's second turn is over; read by the round close and
    // cleared at the season change.
    std::uint8_t league_season_over = 0;
    std::string results_round_text;  // the round part of the heading, for the round results
    // The shoot-out being decided: the first-leg fixture (two-legged ties and super cups) or the
    // bracket tie counted from 1, its two teams, and the winner, 1 team A or 2 team B.
    std::int32_t shootout_tie = 0;
    std::int32_t shootout_order_turn = 0;
    std::int32_t shootout_team_a = -1;
    std::int32_t shootout_team_b = -1;
    std::int32_t shootout_winner = 0;
    // Working lists of the match day, kept here so that a new game, a load or a Reset starts
    // them clean.
    std::vector<std::int32_t> booked_players;           // shown a yellow card today, in any match
    std::vector<t_lineup_candidate> lineup_candidates;  // of the team being lined up
    std::vector<t_round_rating> round_ratings;    // starters rated in the group being archived
    std::vector<std::int32_t> rated_this_match;   // players rated in the match being archived
    std::int32_t rated_match = -1;                // its match_archive index
    std::vector<t_ranked_rating> ranked_ratings;  // rebuilt by RankPlayerRatings
    PlayerEventRecorder player_event_recorder = nullptr;  // set while a match day is played

    // Each team's players, in ascending index order: what a scan of the players table for the
    // team finds, without the scan. The lists are built from the table when first read after
    // a change; appending players is noticed by itself, but every write to a player's `team`
    // must be followed by PlayerTeamsChanged(). A returned span stays valid until then.
    std::span<const std::int32_t> PlayersOf(int team) const;
    void PlayerTeamsChanged() { ++team_changes_; }
    // Moves a player to another team (-1: none) and keeps the lists true without a rebuild.
    void SetPlayerTeam(int player, int team);
    // False when the lists are current but differ from a scan of the table: a write to a
    // player's team was not announced (the whole-game checks look).
    bool PlayerListsMatchTable() const;

    // Calls reset(player) for every player whose match marks (see MatchMarksAtRest) may be out
    // of rest, which is what `for (t_player& p : players) reset(p)` does when `reset` only puts
    // marks back to rest, without visiting the players retired long ago: it visits each team's
    // list, then the few loose players (off every team, marks not yet at rest). A player turns
    // loose when he leaves a team, or is appended or loaded without one with marks out of rest;
    // he stops being loose once a reset leaves all his marks at rest or he joins a team.
    template <class MarkReset>
    void ResetMatchMarks(MarkReset reset);
    // False when the lists are current but a player off every team has marks out of rest and
    // is not loose: a mark was set on a player without a team (the whole-game checks look).
    bool LoosePlayersMatchTable() const;

  private:
    void SetStartValues();
    bool PlayerListsCurrent() const;
    void BuildPlayerLists() const;
    // Makes the lists current: players appended since they were built are added at their
    // teams' ends, anything else rebuilds them.
    void UpdatePlayerLists() const;
    // On a team list: player 0 never is.
    bool Listed(std::size_t player) const;
    // Drops the loose players that are on a team again or whose marks are all at rest.
    void SettleLoosePlayers();

    std::uint64_t team_changes_ = 0;
    // The lists as built when team_changes_, the players and the teams were these.
    mutable std::uint64_t lists_team_changes_ = 0;
    mutable std::size_t lists_player_count_ = 0;
    mutable std::size_t lists_team_count_ = 0;
    mutable bool lists_built_ = false;
    mutable std::vector<std::vector<std::int32_t>> lists_;  // by team
    // The loose players, kept with the lists; an index may show twice until the next reset.
    mutable std::vector<std::int32_t> loose_;
};

// The marks a match day or a round leaves on a player and that the rounds put back for
// everyone: full energy, and no part, place on the pitch, fatigue mark or goal of the day.
inline bool MatchMarksAtRest(const t_player& p) {
    return p.energy == 100 && p.played_match == 0 && p.on_pitch == 0 && p.fielded_exhausted == 0 &&
           p.match_goals == 0;
}

template <class MarkReset>
void GameData::ResetMatchMarks(MarkReset reset) {
    UpdatePlayerLists();
    for (const auto& list : lists_)
        for (const std::int32_t i : list) reset(players[static_cast<std::size_t>(i)]);
    for (const std::int32_t i : loose_) reset(players[static_cast<std::size_t>(i)]);
    SettleLoosePlayers();
}

// The running game. Inline: the rules ask for it millions of times a season.
inline GameData& Game() {
    static GameData game;
    return game;
}

// Makes `fresh` the running game; the old game ends up in `fresh`.
void SwapInGame(GameData& fresh);

// Room for the tables that grow every season (players, season lines, results) for many seasons
// ahead, so that a long game never holds a table twice while it grows by copying.
void ReserveHistoryGrowth(GameData& data);
// The capacity it gives each of those tables, from what they hold, the players at clubs
// (`active`) and the season's fixtures. A loaded game's tables are allocated with it at once,
// so the reserve after the load copies nothing.
std::size_t PlayersRoom(std::size_t players, std::size_t active);
std::size_t PlayerSeasonsRoom(std::size_t lines, std::size_t active);
std::size_t ResultsRoom(std::size_t results, std::size_t fixtures);
// The players at a club (team 0 or above).
std::size_t ActivePlayers(const std::vector<t_player>& players);

// Appends one zero-filled record and returns it.
template <class T>
T& AppendRecord(std::vector<T>& table) {
    return table.emplace_back();
}

// Sets the length of a table; new records are zero-filled.
template <class T>
void ResizeTable(std::vector<T>& table, int count) {
    table.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
}

// True when `index` names an entry of the table.
template <class Table>
bool InTable(const Table& table, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < table.size();
}

}  // namespace kv
