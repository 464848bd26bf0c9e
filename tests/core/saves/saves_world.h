#pragma once
// Games populated in code for the saved-game tests: every saved table holds several records
// whose bytes are all in use (names with tails, reserved bytes, dates, money), with every
// index pointing at a real entry, so a block lost or cut short shows in the bytes. What a load
// cross-checks agrees: one human coach at club 3, clubs and coaches that name each other,
// leagues that hold the clubs they count, standings that add up and count the league matches
// played, a league day to stand on.

#include <signal.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <type_traits>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/record_io.h"
#include "season/calendar.h"
#include "season/saved_game_consistency.h"

namespace kv::test {

// Fills every field of a record: whole numbers 0 or 1 (valid for every index and code the
// loader checks), bytes and money at random, dates within the game's years, names of random
// length with a tail of leftover bytes.
struct FieldFiller {
    std::mt19937& rng;

    template <class T>
    requires std::is_arithmetic_v<T>
    void operator()(T& v) {
        if constexpr (std::is_same_v<T, std::uint8_t>)
            v = static_cast<std::uint8_t>(rng());
        else if constexpr (std::is_same_v<T, std::int64_t>)
            v = static_cast<std::int64_t>(rng()) * 10000;
        else if constexpr (std::is_same_v<T, double>)
            v = 41000 + static_cast<double>(rng() % 4000) / 4;
        else if constexpr (std::is_same_v<T, float>)
            v = static_cast<float>(rng() % 100) / 8;
        else
            v = static_cast<T>(rng() % 2);
    }
    template <std::size_t N>
    void operator()(PString<N>& s) {
        for (char& c : s.bytes) c = static_cast<char>('a' + rng() % 26);
        s.length = static_cast<std::uint8_t>(rng() % (N + 1));
    }
};

template <class T>
void FillTable(std::vector<T>& table, int count, std::mt19937& rng) {
    table.assign(static_cast<std::size_t>(count), T{});
    FieldFiller filler{rng};
    FieldVisitor<FieldFiller> v{filler};
    for (T& r : table) RecordFields(r, v);
}

template <class T, std::size_t N>
void FillFixed(std::array<T, N>& table, std::mt19937& rng) {
    FieldFiller filler{rng};
    FieldVisitor<FieldFiller> v{filler};
    for (T& r : table) RecordFields(r, v);
}

// The cross-checks of a whole game made true of a randomly filled one.
inline void MakeConsistent(GameData& g, int clubs) {
    t_game_state& s = g.game_state;
    constexpr int kHumanClub = 3;
    for (t_team& t : g.teams) t.human = 0;
    for (t_coach& c : g.coaches) c.human = 0;
    g.teams[kHumanClub].human = 1;
    g.coaches[g.teams[kHumanClub].coach].human = 1;
    std::fill(std::begin(s.human_clubs), std::end(s.human_clubs), -1);
    std::fill(std::begin(s.human_coaches), std::end(s.human_coaches), -1);
    s.human_clubs[0] = kHumanClub;
    s.human_coaches[0] = g.teams[kHumanClub].coach;
    s.human_count = 1;
    s.user_club = kHumanClub;
    s.current_coach = g.teams[kHumanClub].coach;
    std::fill(std::begin(s.tournament_human_teams), std::end(s.tournament_human_teams), -1);

    // A club and its coach name each other: a coach the clubs do not name is at none.
    for (std::size_t k = 0; k < g.coaches.size(); ++k) {
        const int club = g.coaches[k].club;
        if (club >= 0 && (club >= static_cast<int>(g.teams.size()) ||
                          g.teams[club].coach != static_cast<int>(k)))
            g.coaches[k].club = -1;
        g.coaches[k].employed = g.coaches[k].club >= 0 ? 1 : 0;
    }

    // Every league club in the first league, the divisions as the teams say.
    for (t_league_config& l : g.league_configs) {
        for (auto& division : l.division_clubs)
            std::fill(std::begin(division), std::end(division), -1);
        l.club_count = 0;
    }
    t_league_config& league = g.league_configs[0];
    int filled[4] = {};
    for (int i = 0; i < clubs; ++i) {
        const int d = (g.teams[i].division - 1) % league.division_count;
        const int slot = filled[d]++;
        if (slot < 20) league.division_clubs[d][slot] = i;
    }
    for (int d = 0; d < league.division_count; ++d) league.club_count += std::min(filled[d], 20);
    s.league_club_count = league.club_count;

    // The tables as the league matches played give them; every other table empty.
    for (t_team& t : g.teams)
        for (auto tally : {&t_team::points, &t_team::played, &t_team::wins, &t_team::losses,
                           &t_team::goals_for, &t_team::goals_against})
            std::fill(std::begin(t.*tally), std::end(t.*tally), 0);
    for (const t_fixture& f : g.fixtures)
        if (f.kind == ckNationalLeague && f.played && f.home >= 0 && f.away >= 0) {
            constexpr int k = ckNationalLeague;
            t_team& home = g.teams[f.home];
            t_team& away = g.teams[f.away];
            ++home.played[k], ++away.played[k];
            home.goals_for[k] += f.home_goals, home.goals_against[k] += f.away_goals;
            away.goals_for[k] += f.away_goals, away.goals_against[k] += f.home_goals;
            if (f.home_goals == f.away_goals) {
                ++home.points[k], ++away.points[k];
            } else {
                t_team& winner = f.home_goals > f.away_goals ? home : away;
                t_team& loser = f.home_goals > f.away_goals ? away : home;
                winner.points[k] += 3, ++winner.wins[k], ++loser.losses[k];
            }
        }

    // The first league day on or after the day asked for.
    BuildSeasonCalendar(g);
    for (int day = s.calendar_day; day <= kCalendarDays; ++day)
        if (g.calendar[day - 1].day_type == s.match_kind) {
            s.calendar_day = day;
            break;
        }
    RecomputeDerivedValues(g);
}

// Moves the game to the first day of `kind` of the first season from its own that has one, as
// a game saved on that kind's day stands.
inline void StandOnDayOf(GameData& g, int kind) {
    t_game_state& s = g.game_state;
    for (int season = s.season; season < s.season + 8; ++season) {
        t_game_state moved = s;
        moved.season = season;
        std::swap(s, moved);
        BuildSeasonCalendar(g);
        for (int day = 1; day <= kCalendarDays; ++day)
            if (g.calendar[day - 1].day_type == kind) {
                s.match_kind = kind;
                s.calendar_day = day;
                return;
            }
        std::swap(s, moved);
    }
}

inline constexpr int kWorldClubs = 20;
inline constexpr int kWorldBackground = 4;
inline constexpr int kWorldTeams = kWorldClubs + kWorldBackground + 4;
inline constexpr int kWorldPlayers = 240;

// A game in its first days (season 1, nothing archived yet) or in its second season (every
// history and archive table filled); `scale` multiplies every table, for the benchmarks.
inline void FillWorld(GameData& g, bool second_season, unsigned seed = 7, int scale = 1) {
    std::mt19937 rng(seed);
    const int clubs = kWorldClubs * scale;
    const int background = kWorldBackground * scale;
    const int teams = clubs + background + 4;
    const int players = kWorldPlayers * scale;
    g.Reset();
    std::vector<t_game_state> state(1);
    FillTable(state, 1, rng);
    g.game_state = state[0];
    t_game_state& s = g.game_state;
    s.version = 14;
    s.season = second_season ? 2 : 1;
    s.calendar_day = second_season ? 140 : 12;
    s.match_kind = 1;
    s.league_round = 7;
    s.league_turn = 1;
    s.league_format = 2;
    s.league_club_count = clubs;
    s.background_club_count = background;
    s.user_club = 3;
    s.national_team = teams - 2;
    s.save_name.set("jogo.s14");

    FillTable(g.players, players, rng);
    g.players[0].team = -1;
    for (int i = 1; i < players; ++i) {
        // Eleven to a league club, as the game keeps them; the rest to the other teams.
        g.players[i].team = i <= 11 * clubs ? (i - 1) % clubs : clubs + i % (teams - clubs);
        g.players[i].position = i % 5;
        g.players[i].wage = static_cast<Money>(1000 + i * 37 % 40000) * 10000;  // as paid in play
    }
    FillTable(g.teams, teams, rng);
    for (int i = 0; i < teams; ++i) {
        g.teams[i].coach = i;
        g.teams[i].captain = (i * 7) % players;
        g.teams[i].division = i < clubs ? 1 + i % 2 : 0;
        g.teams[i].name.set("Clube " + std::to_string(i));
    }
    FillTable(g.coaches, teams + 6, rng);
    for (int i = 0; i < teams; ++i) g.coaches[i].club = i;
    FillTable(g.finances, clubs + background, rng);
    FillTable(g.national_team_list, 4, rng);
    for (int i = 0; i < 4; ++i) g.national_team_list[i].team = clubs + background + i;
    for (int d = 0; d < kTicketPriceRows; ++d)
        for (int k = 0; k < kStadiumSectors; ++k) g.ticket_prices[d][k] = 10 * d + k + 5;
    FillFixed(g.national_tournament_bracket, rng);
    FillFixed(g.club_world_cup_bracket, rng);
    FillFixed(g.state_leagues, rng);
    FillTable(g.competitions, 8 * scale, rng);
    FillTable(g.league_configs, scale, rng);
    g.league_configs[0].division_count = 2;
    g.league_configs[0].country = 29;
    FillTable(g.fixtures, 60 * scale, rng);
    for (t_fixture& f : g.fixtures) f.owner = 0;  // the first league
    FillTable(g.friendlies, 3, rng);
    FillTable(g.inbox, 5 * scale, rng);
    FillTable(g.default_lineups, 2, rng);
    FillTable(g.saved_tactics, 2, rng);
    FillTable(g.coach_appointment_log, 3, rng);

    const int n = second_season ? 6 * scale : 0;
    FillTable(g.result_history, 4 * n, rng);
    FillTable(g.match_archive, 2 * n, rng);
    FillTable(g.callups, n, rng);
    // Called up from the other teams' players: each league club keeps its eleven.
    for (std::size_t k = 0; k < g.callups.size(); ++k)
        g.callups[k].player = 11 * clubs + 1 + static_cast<int>(k);
    FillTable(g.match_event_archive, 5 * n, rng);
    FillTable(g.honours, n, rng);
    FillTable(g.placing_records, n, rng);
    FillTable(g.top_scorers, n, rng);
    FillTable(g.club_competition_history, n, rng);
    FillTable(g.transfer_log, n, rng);
    FillTable(g.stadium_works, n, rng);
    FillTable(g.loans, n, rng);
    FillTable(g.regional_division_candidates, n, rng);
    FillTable(g.player_ratings, 3 * n, rng);
    FillTable(g.substitute_ratings, n, rng);
    FillTable(g.player_seasons, 2 * n, rng);
    FillTable(g.season_goals, n, rng);
    FillTable(g.season_appearances, n, rng);
    FillTable(g.coach_seasons, n, rng);
    FillTable(g.state_dismissals, n, rng);
    FillTable(g.round_best_elevens, n, rng);
    FillTable(g.rating_totals, n, rng);
    FillTable(g.season_best_elevens, n, rng);
    MakeConsistent(g, clubs);
}

// Writing fails once a file grows past this size, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lower = old_;
        lower.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, old_handler_);
    }

  private:
    rlimit old_{};
    sighandler_t old_handler_{};
};

// A game folder of its own with an empty sav/, removed afterwards.
class SavesFolder {
  public:
    SavesFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "kvsavesXXXXXX").string();
        root_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
        std::filesystem::create_directory(root_ + "/sav");
        previous_ = GameFolder();
        SetGameFolder(root_);
    }
    ~SavesFolder() {
        SetGameFolder(previous_);
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    const std::string& root() const { return root_; }
    std::string sav(const std::string& name) const { return root_ + "/sav/" + name; }

  private:
    std::string root_;
    std::string previous_;
};

}  // namespace kv::test
