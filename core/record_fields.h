#pragma once
// The fields of every record in layout order, reserved bytes included. One list
// serves the writer and the reader (core/record_io.h); a record added to the game
// gets its list here.

#include <concepts>
#include <type_traits>

#include "core/records_club.h"
#include "core/records_coach.h"
#include "core/records_match.h"
#include "core/records_player.h"
#include "core/records_season.h"
#include "core/records_state.h"
#include "core/records_team.h"

namespace kv {

template <class R, class T>
concept RecordOf = std::same_as<std::remove_const_t<R>, T>;

// Field lists of every record, in layout order; one list serves the writer and
// the reader.

template <RecordOf<t_alltime_tally> R, class V>
void RecordFields(R& r, V& v) {
    v(r.points, r.goals_for, r.goals_against);
}

template <RecordOf<t_team> R, class V>
void RecordFields(R& r, V& v) {
    v(r.name, r.picture_name, r.human, r.reserved_58, r.country, r.state, r.coach, r.cash,
      r.board_confidence, r.supporter_confidence, r.reputation, r.group_slot,
      r.match_strength_index, r.squad_size, r.position_counts, r.division, r.state_division,
      r.continental_group, r.second_continental_group, r.asian_group, r.african_group,
      r.tournament_group, r.level, r.reserved_156, r.available_players, r.captain,
      r.set_piece_taker, r.back_colour, r.text_colour, r.points, r.played, r.wins, r.losses,
      r.goals_for, r.goals_against, r.table_position, r.last_result, r.stadium, r.reserved_495,
      r.ticket_prices, r.sector_capacity, r.in_national_cup, r.in_tournament, r.in_state_league,
      r.in_continental_cup, r.in_second_continental_cup, r.reserved_537, r.in_club_world_cup,
      r.reserved_540, r.playing_style, r.marking, r.attack_route, r.morale, r.morale_recovery,
      r.reserved_564, r.heavy_defeat, r.state_titles, r.alltime_record, r.ranking_points,
      r.reputation_points, r.kit_colour, r.kit, r.reserved_748);
}

template <RecordOf<t_player> R, class V>
void RecordFields(R& r, V& v) {
    v(r.name, r.star, r.reserved_22, r.age, r.nationality, r.team, r.position, r.strength, r.side,
      r.file_extra, r.reserved_52, r.wage, r.value, r.asking_price, r.squad_role, r.shirt_number,
      r.role, r.characteristic1, r.characteristic2, r.reserved_100, r.injured_until, r.contract_end,
      r.energy, r.played_match, r.on_sale, r.reserved_126, r.decline, r.reserved_132,
      r.moved_this_round, r.on_pitch, r.reserved_135, r.fielded_exhausted, r.yellow_cards,
      r.suspension, r.morale, r.mood_counter, r.complaint_sent, r.reserved_237, r.reserved_240,
      r.renewal_pleases, r.reserved_245, r.reserved_246, r.morale_recovery, r.contract_notice,
      r.loan_status, r.goals, r.cards, r.games, r.bought_by_computer, r.reserved_273,
      r.bought_this_window, r.match_goals, r.reserved_284);
}

template <RecordOf<t_coach> R, class V>
void RecordFields(R& r, V& v) {
    v(r.name, r.reserved_26, r.club, r.last_club, r.division, r.ranking_points,
      r.world_ranking_points, r.offer_flag, r.human, r.reserved_50, r.hire_lock,
      r.national_team_job, r.reserved_57, r.country, r.employed, r.reserved_65, r.titles,
      r.division_titles, r.league_country);
}

template <RecordOf<t_finance> R, class V>
void RecordFields(R& r, V& v) {
    v(r.reserved_0, r.wage_bill, r.wages_paid, r.reserved_12, r.gate_receipts, r.stadium_works,
      r.player_sales, r.player_purchases, r.loan, r.prizes, r.loan_interest, r.sponsorship,
      r.other_expenses, r.release_penalties);
}

template <RecordOf<t_national_team_entry> R, class V>
void RecordFields(R& r, V& v) {
    v(r.country, r.continent, r.coach_name, r.reserved_39, r.level, r.team);
}

template <RecordOf<t_game_state> R, class V>
void RecordFields(R& r, V& v) {
    v(r.reserved_0, r.version, r.user_club, r.reserved_12, r.current_coach, r.human_coaches,
      r.league_club_count, r.background_club_count, r.reserved_52, r.reserved_56, r.league_round,
      r.league_turn, r.reserved_68, r.match_kind, r.save_name, r.reserved_175, r.season,
      r.main_country, r.match_delay, r.match_delay_no_humans, r.autosave_mode, r.show_coach_changes,
      r.halftime_window, r.show_ai_shootouts, r.list_colours_on, r.sound_on, r.bold_home_events,
      r.keep_lineup, r.reserved_203, r.contract_notices, r.list_colours, r.reserved_228,
      r.auto_renew_contracts, r.national_cup_on, r.reserved_250, r.national_cup_round,
      r.national_cup_match_round, r.national_cup_leg, r.national_cup_name, r.reserved_295,
      r.human_count, r.human_clubs, r.league_format, r.calendar_day, r.state_leagues_on,
      r.continental_cup_on, r.second_continental_cup_on, r.african_cup_on, r.asian_cup_on,
      r.show_continental_matches, r.reserved_341, r.world_cup_on, r.euro_on, r.copa_america_on,
      r.reserved_350, r.state_league_phase, r.state_league_round, r.reserved_360,
      r.continental_cup_phase, r.continental_cup_round, r.continental_cup_leg, r.second_cup_phase,
      r.second_cup_round, r.second_cup_leg, r.club_world_cup_stage, r.reserved_392,
      r.continental_groups_south_america, r.continental_groups_europe,
      r.second_cup_groups_south_america, r.second_cup_groups_europe, r.continental_groups_africa,
      r.continental_groups_asia, r.reserved_4940, r.tournament_groups, r.reserved_5084,
      r.tournament_human_count, r.national_team, r.tournament_human_teams, r.tournament_round,
      r.tournament_leg, r.world_cup_edition, r.americas_cup_edition, r.european_cup_edition,
      r.tournament_over, r.reserved_5329, r.tournament_host_number, r.tournament_ranking,
      r.reserved_5464, r.preview_coach_name, r.preview_club_name, r.reserved_5517,
      r.tournament_callups_done, r.midseason_revaluation_done, r.tournament_notice_done,
      r.real_world_cup_groups, r.reserved_5530, r.round_referees, r.reserved_5580,
      r.home_regional_division, r.continental_cup_first_season, r.reserved_5614);
}

template <RecordOf<t_competition> R, class V>
void RecordFields(R& r, V& v) {
    v(r.kind, r.area, r.division);
}

template <RecordOf<t_fixture> R, class V>
void RecordFields(R& r, V& v) {
    v(r.home, r.away, r.home_goals, r.away_goals, r.home_penalties, r.away_penalties, r.kind,
      r.round, r.leg, r.cup_tie, r.reserved_40, r.played, r.reserved_45, r.date, r.owner,
      r.gate_income, r.attendance, r.reserved_68);
}

template <RecordOf<t_league_config> R, class V>
void RecordFields(R& r, V& v) {
    v(r.division_clubs, r.country, r.division_count, r.club_count, r.has_human_club, r.reserved_333,
      r.standings, r.show_matches, r.reserved_657);
}

template <RecordOf<t_top_clubs> R, class V>
void RecordFields(R& r, V& v) {
    v(r.clubs, r.count);
}

template <RecordOf<t_state_league> R, class V>
void RecordFields(R& r, V& v) {
    v(r.groups, r.group_count, r.final_goals_a1, r.final_goals_b1, r.final_goals_a2,
      r.final_goals_b2, r.finalist_a, r.finalist_b, r.has_human_club, r.active, r.round_played,
      r.reserved_151);
}

template <RecordOf<t_calendar_day> R, class V>
void RecordFields(R& r, V& v) {
    v(r.day, r.reserved_4, r.date, r.day_type, r.reserved_20);
}

template <RecordOf<t_friendly> R, class V>
void RecordFields(R& r, V& v) {
    v(r.home, r.away, r.taken, r.reserved_9, r.date);
}

template <RecordOf<t_result_entry> R, class V>
void RecordFields(R& r, V& v) {
    v(r.home, r.away, r.home_goals, r.away_goals, r.season, r.kind);
}

template <RecordOf<t_head_to_head> R, class V>
void RecordFields(R& r, V& v) {
    v(r.matches, r.draws, r.wins, r.losses, r.goals_for, r.goals_against, r.last_season,
      r.last_kind, r.last_home, r.last_away, r.last_home_goals, r.last_away_goals);
}

template <RecordOf<t_honour> R, class V>
void RecordFields(R& r, V& v) {
    v(r.season, r.competition, r.team, r.placing, r.coach);
}

template <RecordOf<t_placing_record> R, class V>
void RecordFields(R& r, V& v) {
    v(r.season, r.kind, r.team, r.coach, r.division, r.placing, r.area);
}

template <RecordOf<t_top_scorer> R, class V>
void RecordFields(R& r, V& v) {
    v(r.season, r.competition, r.team, r.player, r.reserved_16, r.goals, r.reserved_24);
}

template <RecordOf<t_coach_season> R, class V>
void RecordFields(R& r, V& v) {
    v(r.coach, r.games, r.wins, r.losses, r.points, r.titles, r.team, r.season);
}

template <RecordOf<t_player_season> R, class V>
void RecordFields(R& r, V& v) {
    v(r.player, r.goals, r.yellow_cards, r.red_cards, r.games, r.injuries, r.season, r.club);
}

template <RecordOf<t_competition_tally> R, class V>
void RecordFields(R& r, V& v) {
    v(r.player, r.count, r.competition, r.club);
}

template <RecordOf<t_club_result> R, class V>
void RecordFields(R& r, V& v) {
    v(r.team, r.season, r.kind, r.placing, r.extra);
}

template <RecordOf<t_regional_candidate> R, class V>
void RecordFields(R& r, V& v) {
    v(r.team, r.state, r.group_position, r.group, r.points, r.goals_for, r.human, r.reserved_25);
}

template <RecordOf<t_match_strength> R, class V>
void RecordFields(R& r, V& v) {
    v(r.players, r.bench, r.slot_positions, r.zone_attack, r.zone_defence, r.goalkeeper_value,
      r.attack_total, r.defence_total, r.irregular_lineup, r.reserved_225);
}

template <RecordOf<t_match_event> R, class V>
void RecordFields(R& r, V& v) {
    v(r.kind, r.team, r.player, r.value, r.tick, r.match);
}

template <RecordOf<t_match_substitution> R, class V>
void RecordFields(R& r, V& v) {
    v(r.player_off, r.minute);
}

template <RecordOf<jogos> R, class V>
void RecordFields(R& r, V& v) {
    v(r.competition, r.home_division, r.team, r.strength_slot, r.subs_left, r.referee,
      r.gate_income, r.attendance, r.sector_attendance, r.venue, r.reserved_91, r.goals,
      r.substitutions, r.subs_made, r.possession, r.shots, r.tackles, r.wrong_passes, r.fouls,
      r.lineup, r.positions, r.penalties_taken, r.passes, r.on_penalties, r.reserved_389,
      r.shootout_goals, r.fixture, r.last_tick, r.ball_zone, r.ball_side, r.last_outcome, r.tick,
      r.yellow_cards, r.red_cards, r.injuries);
}

template <RecordOf<t_archived_match> R, class V>
void RecordFields(R& r, V& v) {
    v(r.team, r.goals, r.gate_income, r.attendance, r.sector_attendance, r.reserved_40, r.kind,
      r.round, r.leg, r.group, r.date, r.on_penalties, r.reserved_73, r.shootout_goals, r.lineup,
      r.reserved_172, r.positions, r.reserved_436, r.stats, r.style, r.route, r.marking,
      r.reserved_596);
}

template <RecordOf<t_rating_total> R, class V>
void RecordFields(R& r, V& v) {
    v(r.player, r.team, r.competition, r.rating_sum, r.rating_count, r.group);
}

template <RecordOf<t_bracket_tie> R, class V>
void RecordFields(R& r, V& v) {
    v(r.team_a, r.team_b, r.goals_a, r.goals_b, r.reserved_16, r.winner, r.score_text,
      r.reserved_46);
}

template <RecordOf<t_player_rating> R, class V>
void RecordFields(R& r, V& v) {
    v(r.archived_match, r.player, r.position, r.rating, r.on_pitch, r.reserved_17, r.team,
      r.card_mark, r.injuries);
}

template <RecordOf<t_substitute_rating> R, class V>
void RecordFields(R& r, V& v) {
    v(r.player, r.replaced, r.tick, r.rating, r.archived_match, r.team, r.card_mark, r.injuries);
}

template <RecordOf<t_round_best_eleven> R, class V>
void RecordFields(R& r, V& v) {
    v(r.season, r.round, r.competition, r.players, r.teams);
}

template <RecordOf<t_season_best_eleven> R, class V>
void RecordFields(R& r, V& v) {
    v(r.season, r.competition, r.players, r.teams, r.best_player, r.best_player_team);
}

template <RecordOf<t_scheduled_goal> R, class V>
void RecordFields(R& r, V& v) {
    v(r.match, r.side, r.tick);
}

template <RecordOf<arbitro_> R, class V>
void RecordFields(R& r, V& v) {
    v(r.name, r.reserved_31, r.technique, r.strictness, r.origin);
}

template <RecordOf<t_news_item> R, class V>
void RecordFields(R& r, V& v) {
    v(r.club, r.reserved_4, r.date, r.body, r.sender, r.subject, r.player, r.second_party, r.amount,
      r.read, r.answer_wanted, r.reserved_42);
}

template <RecordOf<t_transfer> R, class V>
void RecordFields(R& r, V& v) {
    v(r.player, r.reserved_4, r.date, r.from_team, r.to_team, r.fee, r.reserved_28);
}

template <RecordOf<t_loan> R, class V>
void RecordFields(R& r, V& v) {
    v(r.player, r.reserved_4, r.end_date, r.owner, r.reserved_20);
}

template <RecordOf<t_stadium_work> R, class V>
void RecordFields(R& r, V& v) {
    v(r.team, r.reserved_4, r.end_date, r.added_seats, r.in_progress, r.reserved_33);
}

template <RecordOf<t_default_lineup> R, class V>
void RecordFields(R& r, V& v) {
    v(r.team, r.positions, r.players);
}

template <RecordOf<t_saved_tactic> R, class V>
void RecordFields(R& r, V& v) {
    v(r.team, r.coach, r.positions, r.players, r.name, r.formation);
}

template <RecordOf<t_callup> R, class V>
void RecordFields(R& r, V& v) {
    v(r.player, r.return_team);
}

template <RecordOf<t_coach_appointment> R, class V>
void RecordFields(R& r, V& v) {
    v(r.coach, r.season, r.team);
}

template <RecordOf<t_state_dismissal> R, class V>
void RecordFields(R& r, V& v) {
    v(r.coach, r.club);
}

template <RecordOf<t_coach_dismissal> R, class V>
void RecordFields(R& r, V& v) {
    v(r.team, r.old_coach, r.new_coach, r.reason);
}

}  // namespace kv
