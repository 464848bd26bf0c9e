#include "match/brackets.h"

#include <algorithm>
#include <string>

#include "core/field_readers.h"
#include "core/random.h"
#include "core/types.h"
#include "match/booking.h"
#include "match/knockout.h"
#include "match/match_decisions.h"
#include "match/match_events.h"
#include "match/match_tables.h"
#include "match/ratings.h"
#include "season/histories.h"

namespace kv {
namespace {

enum class Bracket { kNational, kClubWorldCup };

t_bracket_tie* TieAt(Bracket b, int tie) {
    GameData& gd = Game();
    if (b == Bracket::kNational)
        return tie >= 1 && tie <= kNationalBracketTies ? &gd.national_tournament_bracket[tie - 1] : nullptr;
    return tie >= 1 && tie <= kClubWorldCupTies ? &gd.club_world_cup_bracket[tie - 1] : nullptr;
}

int LoserOf(const t_bracket_tie& t) { return t.winner == t.team_a ? t.team_b : t.team_a; }

void SetWinner(Bracket b, int tie, int side, int last_stage_with_exit, int stage) {
    t_bracket_tie* t = TieAt(b, tie);
    if (!t) return;
    t->winner = side == 1 ? t->team_a : t->team_b;
    if (stage >= last_stage_with_exit) return;
    if (t_team* loser = TeamAt(LoserOf(*t))) {
        if (b == Bracket::kNational) loser->in_tournament = 0;
        else loser->in_club_world_cup = 0;
    }
}

void SetWinnerOf(Bracket b, int tie, int side) {
    const t_game_state& gs = Game().game_state;
    if (b == Bracket::kClubWorldCup) return SetWinner(b, tie, side, 3, gs.club_world_cup_stage);
    const int last = gs.match_kind == ckWorldCup ? 7 : 6;
    SetWinner(b, tie, side, last, gs.tournament_round);
}

// The day's scores into ties base + 1 .. base + day_match_count.
void WriteScores(Bracket b, int base) {
    GameData& gd = Game();
    for (int i = 1; i <= gd.day_match_count; ++i) {
        t_bracket_tie* t = TieAt(b, base + i);
        if (!t) break;
        const jogos& m = gd.day_matches[i];
        t->goals_a = m.goals[0];
        t->goals_b = m.goals[1];
        t->score_text.set(std::to_string(t->goals_a) + "x" + std::to_string(t->goals_b));
    }
}

// Winners by goals, level ties by shoot-outs; true when there were shoot-outs.
bool DecideTies(Bracket b, int base, MatchDecisions* decisions) {
    GameData& gd = Game();
    gd.pending_shootout_count = 0;
    for (int i = 1; i <= gd.day_match_count; ++i) {
        const t_bracket_tie* t = TieAt(b, base + i);
        if (!t) break;
        if (t->goals_a != t->goals_b) SetWinnerOf(b, base + i, t->goals_a > t->goals_b ? 1 : 2);
        else if (gd.pending_shootout_count < static_cast<int>(gd.pending_shootouts.size()))
            gd.pending_shootouts[gd.pending_shootout_count++] = base + i;
    }
    for (int n = 0; n < gd.pending_shootout_count; ++n) {
        const int tie = gd.pending_shootouts[n];
        t_bracket_tie& t = *TieAt(b, tie);
        const bool human = IsHumanTeam(t.team_a) || IsHumanTeam(t.team_b);
        gd.shootout_tie = tie;
        gd.shootout_team_a = t.team_a;
        gd.shootout_team_b = t.team_b;
        if (human) gd.shootout_order_turn = 1;
        std::optional<ShootoutScore> score;
        if ((human || gd.game_state.show_ai_shootouts) && decisions)
            score = decisions->PlayShootout(t.team_a, t.team_b);
        if (!score || score->goals_a == score->goals_b) {
            const int x = RandInt(7) + 3;
            const int y = RandInt(7) + 3;
            score = y > x ? ShootoutScore{y - 1, y} : ShootoutScore{x, x - 1};
        }
        const int side = score->goals_a > score->goals_b ? 1 : 2;
        gd.shootout_winner = side;
        t.score_text.set(t.score_text.str() + ";P:" + std::to_string(score->goals_a) + "x" +
                         std::to_string(score->goals_b));
        if (const int m = FindDayMatchOf(t.team_a, t.team_b); m > 0) {
            gd.day_matches[m].on_penalties = 1;
            gd.day_matches[m].shootout_goals[0] = score->goals_a;
            gd.day_matches[m].shootout_goals[1] = score->goals_b;
            ArchiveShootout(m);
        }
        SetWinnerOf(b, tie, side);
    }
    return gd.pending_shootout_count > 0;
}

void Pair(Bracket b, int tie, int from_a, int from_b, bool losers) {
    t_bracket_tie* t = TieAt(b, tie);
    const t_bracket_tie* a = TieAt(b, from_a);
    const t_bracket_tie* c = TieAt(b, from_b);
    if (!t || !a || !c) return;
    t->team_a = losers ? LoserOf(*a) : a->winner;
    t->team_b = losers ? LoserOf(*c) : c->winner;
}

void CloseNationalTournament(int kind, int final_tie, int third_tie) {
    GameData& gd = Game();
    gd.game_state.tournament_over = 1;
    for (t_coach& c : gd.coaches) c.national_team_job = 0;
    if (kind == ckWorldCup) CountUpTo(gd.game_state.world_cup_edition, kLastSeason);
    if (kind == ckAmericasNationsCup) CountUpTo(gd.game_state.americas_cup_edition, kLastSeason);
    if (kind == ckEuropeanNationsCup) CountUpTo(gd.game_state.european_cup_edition, kLastSeason);
    const t_bracket_tie& final_match = *TieAt(Bracket::kNational, final_tie);
    const t_bracket_tie& third = *TieAt(Bracket::kNational, third_tie);
    const int placed[4] = {final_match.winner, LoserOf(final_match), third.winner, LoserOf(third)};
    for (int i = 0; i < 4; ++i)
        if (TeamAt(placed[i])) AddHonour(gd, kind, placed[i], -1, -1, -1, -1, i + 1);
    const int champion = placed[0];
    if (const t_team* t = TeamAt(champion); t && t->coach >= 0)
        AddPlacingRecord(gd, kind, champion, t->coach, -1, 1, t->country);
    AwardTopScorer(kind, -1, -1, -1, -1);
    gd.tournament_just_ended = 1;
}

}  // namespace

bool FinishWorldCupDay(MatchDecisions* decisions) {
    GameData& gd = Game();
    t_game_state& gs = gd.game_state;
    const int s = gs.tournament_round;
    static constexpr int kBase[] = {0, 8, 12, 14};
    const int base = s >= 4 && s <= 7 ? kBase[s - 4] : 0;
    if (s > 3) WriteScores(Bracket::kNational, base);
    CountUpTo(gs.tournament_round, kLastRound);
    gd.pending_shootout_count = 0;
    if (gs.tournament_round < 5) return false;
    const bool shootouts = DecideTies(Bracket::kNational, base, decisions);
    AdvanceWorldCupBracket();
    CloseWorldCup();
    return shootouts;
}

bool FinishNationsCupDay(MatchDecisions* decisions) {
    GameData& gd = Game();
    t_game_state& gs = gd.game_state;
    const int kind = gs.match_kind;
    const int s = gs.tournament_round;
    static constexpr int kBase[] = {0, 4, 6};
    const int base = s >= 4 && s <= 6 ? kBase[s - 4] : 0;
    if (s > 3) WriteScores(Bracket::kNational, base);
    CountUpTo(gs.tournament_round, kLastRound);
    gd.pending_shootout_count = 0;
    if (gs.tournament_round < 5) return false;
    const bool shootouts = DecideTies(Bracket::kNational, base, decisions);
    AdvanceNationsCupBracket();
    if (kind == ckAmericasNationsCup) CloseAmericasCup();
    else CloseEuropeanCup();
    return shootouts;
}

bool FinishClubWorldCupDay(MatchDecisions* decisions) {
    GameData& gd = Game();
    t_game_state& gs = gd.game_state;
    gd.day_match_count = std::min(gd.day_match_count, 2);
    const int stage = std::clamp(gs.club_world_cup_stage, 1, 3);
    const int base = 2 * (stage - 1);
    WriteScores(Bracket::kClubWorldCup, base);
    gs.club_world_cup_stage = stage + 1;
    const bool shootouts = DecideTies(Bracket::kClubWorldCup, base, decisions);
    AdvanceClubWorldCupBracket();
    CloseClubWorldCup();
    return shootouts;
}

void AdvanceWorldCupBracket() {
    const Bracket b = Bracket::kNational;
    switch (Game().game_state.tournament_round) {
        case 5:
            Pair(b, 9, 1, 2, false);
            Pair(b, 10, 5, 6, false);
            Pair(b, 11, 3, 4, false);
            Pair(b, 12, 7, 8, false);
            break;
        case 6:
            Pair(b, 13, 9, 10, false);
            Pair(b, 14, 11, 12, false);
            break;
        case 7:
            Pair(b, 15, 13, 14, false);
            Pair(b, 16, 13, 14, true);
            break;
        default: break;
    }
}

void AdvanceNationsCupBracket() {
    const Bracket b = Bracket::kNational;
    switch (Game().game_state.tournament_round) {
        case 5:
            Pair(b, 5, 1, 2, false);
            Pair(b, 6, 3, 4, false);
            break;
        case 6:
            Pair(b, 7, 5, 6, false);
            Pair(b, 8, 5, 6, true);
            break;
        default: break;
    }
}

void AdvanceClubWorldCupBracket() {
    GameData& gd = Game();
    auto& ties = gd.club_world_cup_bracket;
    const int stage = gd.game_state.club_world_cup_stage;
    if (stage == 2) {
        ties[2].team_b = ties[0].winner;
        ties[3].team_b = ties[1].winner;
        RecordCompetitionResult(LoserOf(ties[0]), 10, ckClubWorldCup, -1);
        RecordCompetitionResult(LoserOf(ties[1]), 10, ckClubWorldCup, -1);
    } else if (stage == 3) {
        Pair(Bracket::kClubWorldCup, 5, 3, 4, false);
        Pair(Bracket::kClubWorldCup, 6, 3, 4, true);
    } else if (stage >= 4) {
        RecordCompetitionResult(LoserOf(ties[4]), 2, ckClubWorldCup, -1);
        RecordCompetitionResult(ties[4].winner, 1, ckClubWorldCup, -1);
        RecordCompetitionResult(LoserOf(ties[5]), 4, ckClubWorldCup, -1);
        RecordCompetitionResult(ties[5].winner, 3, ckClubWorldCup, -1);
    }
}

void CloseWorldCup() {
    if (Game().game_state.tournament_round == 8) CloseNationalTournament(ckWorldCup, 15, 16);
}

void CloseAmericasCup() {
    if (Game().game_state.tournament_round == 7) CloseNationalTournament(ckAmericasNationsCup, 7, 8);
}

void CloseEuropeanCup() {
    if (Game().game_state.tournament_round == 7) CloseNationalTournament(ckEuropeanNationsCup, 7, 8);
}

void CloseClubWorldCup() {
    GameData& gd = Game();
    if (gd.game_state.club_world_cup_stage < 4) return;
    const t_bracket_tie& final_match = gd.club_world_cup_bracket[4];
    const t_bracket_tie& third = gd.club_world_cup_bracket[5];
    const int w = final_match.winner;
    const int r = LoserOf(final_match);
    const int t = third.winner;
    const int q = LoserOf(third);
    if (CoachOfTeam(w) >= 0) AddCoachSeasonStat(gd, CoachOfTeam(w), w, 50, "pr");
    if (t_team* team = TeamAt(w)) team->ranking_points[ckClubWorldCup - 1] += 30;
    if (t_team* team = TeamAt(r)) team->ranking_points[ckClubWorldCup - 1] += 15;
    if (t_team* team = TeamAt(q)) team->ranking_points[ckClubWorldCup - 1] += 10;
    const int clubs = gd.game_state.league_club_count;
    if (w >= 0 && w < clubs) TeamAt(w)->cash += MoneyFromUnits(5000000);
    if (r >= 0 && r < clubs) TeamAt(r)->cash += MoneyFromUnits(3000000);
    if (t_coach* c = TableEntry(gd.coaches, CoachOfTeam(w))) AddCoachTitle(*c, ckClubWorldCup);
    AwardTopScorer(ckClubWorldCup, -1, -1, -1, -1);
    const int placed[4] = {w, r, t, q};
    for (int i = 0; i < 4; ++i)
        if (TeamAt(placed[i])) AddHonour(gd, ckClubWorldCup, placed[i], -1, -1, -1, -1, i + 1);
    if (TeamAt(w)) AddPlacingRecord(gd, ckClubWorldCup, w, CoachOfTeam(w), -1, 1, -1);
    if (TeamAt(r)) AddPlacingRecord(gd, ckClubWorldCup, r, CoachOfTeam(r), -1, 2, -1);
}

}  // namespace kv
