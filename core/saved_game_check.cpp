#include <cstdint>

#include "core/game_data.h"
#include "core/saved_game.h"
#include "core/types.h"

namespace kv {
namespace {

inline constexpr int kLastPitchCode = 25;
// Honours and placings of a national team without a coach name the team's list entry so.
inline constexpr std::int32_t kNationalCoachBase = 50000;

// Every index field may also be -1, "none"; entry 0 of every table is a real index (the
// dummy player 0 stands for "no player" in line-ups).
class RangeCheck {
  public:
    explicit RangeCheck(const GameData& g)
        : teams_(Size(g.teams)),
          players_(Size(g.players)),
          coaches_(Size(g.coaches)),
          competitions_(Size(g.competitions)),
          national_teams_(Size(g.national_team_list)) {}

    bool ok() const { return ok_; }

    void Between(std::int64_t v, std::int64_t lo, std::int64_t hi) {
        if (v < lo || v > hi) ok_ = false;
    }

    template <class A>
    void Team(const A& v) {
        Each(v, [&](std::int32_t i) { Between(i, -1, teams_ - 1); });
    }
    template <class A>
    void Player(const A& v) {
        Each(v, [&](std::int32_t i) { Between(i, -1, players_ - 1); });
    }
    template <class A>
    void Coach(const A& v) {
        Each(v, [&](std::int32_t i) { Between(i, -1, coaches_ - 1); });
    }
    void CoachOrNationalTeam(std::int32_t v) {
        if (v >= kNationalCoachBase)
            Between(v - kNationalCoachBase, 0, national_teams_ - 1);
        else
            Coach(v);
    }
    void Competition(std::int32_t v) { Between(v, -1, competitions_ - 1); }
    void Kind(std::int32_t v) { Between(v, 0, kCompetitionKindCount - 1); }
    void Country(std::int32_t v) { Between(v, -1, kCountryCount - 1); }
    // Codes below 1 are empty slots.
    template <class A>
    void PitchCode(const A& v) {
        Each(v, [&](std::int32_t c) { Between(c, -1, kLastPitchCode); });
    }

  private:
    template <class T>
    static std::int64_t Size(const std::vector<T>& t) {
        return static_cast<std::int64_t>(t.size());
    }
    template <class F>
    static void Each(std::int32_t v, F&& f) {
        f(v);
    }
    template <class T, std::size_t N, class F>
    static void Each(const T (&a)[N], F&& f) {
        for (const T& e : a) Each(e, f);
    }

    std::int64_t teams_, players_, coaches_, competitions_, national_teams_;
    bool ok_ = true;
};

void CheckState(const t_game_state& s, std::int64_t team_count, RangeCheck& c) {
    c.Between(s.match_kind, 0, kCompetitionKindCount - 1);
    c.Between(s.calendar_day, 1, kCalendarDays);
    c.Between(s.season, 1, kLastSeason);
    c.Between(s.human_count, 0, kHumanSlots);
    c.Between(s.tournament_human_count, 0, kHumanSlots);
    c.Between(s.league_club_count, 0, team_count);
    c.Between(s.background_club_count, 0, team_count);
    c.Between(std::int64_t{s.league_club_count} + s.background_club_count, 0, team_count);
    c.Country(s.main_country);
    for (std::int32_t r : s.round_referees) c.Between(r, -1, kRefereeCount);
    c.Team(s.user_club);
    c.Team(s.human_clubs);
    c.Team(s.national_team);
    c.Team(s.tournament_human_teams);
    c.Team(s.continental_groups_south_america);
    c.Team(s.continental_groups_europe);
    c.Team(s.second_cup_groups_south_america);
    c.Team(s.second_cup_groups_europe);
    c.Team(s.continental_groups_africa);
    c.Team(s.continental_groups_asia);
    c.Team(s.tournament_groups);
    c.Team(s.tournament_ranking);
    c.Coach(s.current_coach);
    c.Coach(s.human_coaches);
}

void CheckPeople(const GameData& g, RangeCheck& c) {
    for (const t_player& p : g.players) {
        c.Team(p.team);
        c.Between(p.position, 0, kPositionCount - 1);
        c.Between(p.side, 0, 1);
        c.Country(p.nationality);
    }
    for (const t_team& t : g.teams) {
        c.Coach(t.coach);
        c.Player(t.captain);
        c.Player(t.set_piece_taker);
        c.Country(t.country);
        c.Between(t.division, 0, kTicketPriceRows - 1);
    }
    for (const t_coach& k : g.coaches) {
        c.Team(k.club);
        c.Team(k.last_club);
        c.Country(k.country);
    }
    for (const t_national_team_entry& n : g.national_team_list) {
        c.Team(n.team);
        c.Country(n.country);
    }
}

void CheckSeason(const GameData& g, RangeCheck& c) {
    for (const t_competition& k : g.competitions) c.Kind(k.kind);
    for (const t_league_config& l : g.league_configs) {
        c.Team(l.division_clubs);
        c.Team(l.standings);
        c.Country(l.country);
        c.Between(l.division_count, 0, 4);
    }
    for (const t_state_league& s : g.state_leagues) {
        c.Team(s.groups);
        c.Team(s.finalist_a);
        c.Team(s.finalist_b);
        c.Between(s.group_count, 0, 4);  // group group_count + 1 must still exist
    }
    const std::int64_t leagues = static_cast<std::int64_t>(g.league_configs.size());
    for (const t_fixture& f : g.fixtures) {
        c.Team(f.home);
        c.Team(f.away);
        c.Kind(f.kind);
        // A league or national-cup fixture belongs to one league; one of no league is never
        // played.
        if (f.kind == ckNationalLeague || f.kind == ckNationalCup)
            c.Between(f.owner, 0, leagues - 1);
    }
    for (const t_friendly& f : g.friendlies) {
        c.Team(f.home);
        c.Team(f.away);
    }
    for (const t_result_entry& r : g.result_history) {
        c.Team(r.home);
        c.Team(r.away);
        c.Kind(r.kind);
    }
    const auto check_ties = [&c](const auto& bracket) {
        for (const t_bracket_tie& t : bracket) {
            c.Team(t.team_a);
            c.Team(t.team_b);
            c.Team(t.winner);
        }
    };
    check_ties(g.national_tournament_bracket);
    check_ties(g.club_world_cup_bracket);
}

void CheckMatches(const GameData& g, RangeCheck& c) {
    const std::int64_t archived = static_cast<std::int64_t>(g.match_archive.size());
    for (const t_archived_match& m : g.match_archive) {
        c.Team(m.team);
        c.Player(m.lineup);
        c.PitchCode(m.positions);
        c.Kind(m.kind);
    }
    for (const t_match_event& e : g.match_event_archive) {
        c.Team(e.team);
        c.Player(e.player);
        c.Between(e.match, -1, archived - 1);
    }
    for (const t_player_rating& r : g.player_ratings) {
        c.Between(r.archived_match, -1, archived - 1);
        c.Player(r.player);
        c.PitchCode(r.position);
        c.Team(r.team);
    }
    for (const t_substitute_rating& r : g.substitute_ratings) {
        c.Between(r.archived_match, -1, archived - 1);
        c.Player(r.player);
        c.Player(r.replaced);
        c.Team(r.team);
    }
    for (const t_rating_total& r : g.rating_totals) {
        c.Player(r.player);
        c.Team(r.team);
        c.Competition(r.competition);
    }
    for (const t_round_best_eleven& b : g.round_best_elevens) {
        c.Competition(b.competition);
        c.Player(b.players);
        c.Team(b.teams);
    }
    for (const t_season_best_eleven& b : g.season_best_elevens) {
        c.Competition(b.competition);
        c.Player(b.players);
        c.Team(b.teams);
        c.Player(b.best_player);
        c.Team(b.best_player_team);
    }
}

void CheckHistories(const GameData& g, RangeCheck& c) {
    for (const t_honour& h : g.honours) {
        c.Competition(h.competition);
        c.Team(h.team);
        c.CoachOrNationalTeam(h.coach);
    }
    for (const t_placing_record& p : g.placing_records) {
        c.Kind(p.kind);
        c.Team(p.team);
        c.CoachOrNationalTeam(p.coach);
    }
    for (const t_top_scorer& t : g.top_scorers) {
        c.Competition(t.competition);
        c.Team(t.team);
        c.Player(t.player);
    }
    for (const t_coach_season& s : g.coach_seasons) {
        c.Coach(s.coach);
        c.Team(s.team);
    }
    for (const t_player_season& s : g.player_seasons) {
        c.Player(s.player);
        c.Team(s.club);
    }
    for (const auto* tallies : {&g.season_goals, &g.season_appearances}) {
        for (const t_competition_tally& t : *tallies) {
            c.Player(t.player);
            c.Competition(t.competition);
            c.Team(t.club);
        }
    }
    for (const t_club_result& r : g.club_competition_history) {
        c.Team(r.team);
        c.Kind(r.kind);
    }
}

void CheckClubs(const GameData& g, RangeCheck& c) {
    for (const t_news_item& n : g.inbox) {
        c.Team(n.club);
        c.Player(n.player);
    }
    for (const t_transfer& t : g.transfer_log) {
        c.Player(t.player);
        c.Team(t.from_team);
        c.Team(t.to_team);
    }
    for (const t_loan& l : g.loans) {
        c.Player(l.player);
        c.Team(l.owner);
    }
    for (const t_stadium_work& w : g.stadium_works) c.Team(w.team);
    for (const t_coach_appointment& a : g.coach_appointment_log) {
        c.Coach(a.coach);
        c.Team(a.team);
    }
    for (const t_default_lineup& l : g.default_lineups) {
        c.Team(l.team);
        c.PitchCode(l.positions);
        c.Player(l.players);
    }
    for (const t_saved_tactic& t : g.saved_tactics) {
        c.Team(t.team);
        c.Coach(t.coach);
        c.PitchCode(t.positions);
        c.Player(t.players);
    }
    for (const t_callup& k : g.callups) {
        c.Player(k.player);
        c.Team(k.return_team);
    }
    for (const t_state_dismissal& d : g.state_dismissals) {
        c.Coach(d.coach);
        c.Team(d.club);
    }
    for (const t_regional_candidate& r : g.regional_division_candidates) {
        c.Team(r.team);
        c.Between(r.state, 0, kStateCount - 1);
    }
}

}  // namespace

bool SavedGameIndexesInRange(const GameData& g) {
    // Player 0 is the dummy every line-up slot may point at: a game without it is broken.
    if (g.players.empty()) return false;
    RangeCheck c(g);
    CheckState(g.game_state, static_cast<std::int64_t>(g.teams.size()), c);
    // Finances are kept per club and reached by team index.
    c.Between(std::int64_t{g.game_state.league_club_count} + g.game_state.background_club_count, 0,
              static_cast<std::int64_t>(g.finances.size()));
    CheckPeople(g, c);
    CheckSeason(g, c);
    CheckMatches(g, c);
    CheckHistories(g, c);
    CheckClubs(g, c);
    return c.ok();
}

}  // namespace kv
