#include "match/match_engine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/random.h"
#include "match/discipline.h"
#include "match/lineup_strength.h"
#include "match/match_decisions.h"
#include "match/match_events.h"
#include "match/match_tables.h"
#include "match/position_codes.h"
#include "match/foul_kicks.h"
#include "match/substitutions.h"
#include "match/zone_engine.h"

namespace kv {

bool ZoneGoalThinnedOut(int goals, int tick) {
    if (goals > 100) return false;
    if (tick < kFirstHalfLastTick) {
        if (goals < 2) return false;
        const int keep_at_most = goals == 2 ? 80 : goals == 3 ? 70 : goals == 4 ? 30 : 1;
        return Random(100) > keep_at_most;
    }
    if (goals < 4) return false;
    const int keep_at_most = goals == 4 ? 80 : goals == 5 ? 50 : goals == 6 ? 3 : goals <= 8 ? 1 : 0;
    return Random(100) > keep_at_most;
}

namespace {

// Returns the event index, or -1.
int BookZoneGoal(jogos& m, int match, int side, int scorer, const t_match_strength& home,
                 const t_match_strength& away) {
    if (ZoneGoalThinnedOut(m.goals[side - 1], m.tick)) return -1;
    // Goals of ordinary play are scheduled at kick-off; the engine's own count only while a line-up
    // is irregular, and never without a scorer on the pitch.
    if (!home.irregular_lineup && !away.irregular_lineup) return -1;
    if (scorer <= 0) return -1;
    m.shots[side - 1] += 1;
    m.goals[side - 1] += 1;
    return RecordMatchEvent(side, scorer, match, -1, meGoal);
}

int Book(jogos& m, int match, const MoveResult& r, const t_match_strength& home,
         const t_match_strength& away) {
    const int next = r.side;
    const int e = r.event_side;
    const bool next_ok = next == 1 || next == 2;
    const bool e_ok = e == 1 || e == 2;
    switch (r.kind) {
        case zoTackled:
            if (next_ok) m.tackles[next - 1] += 1;
            return -1;
        case zoPass:
            if (next_ok) m.passes[next - 1] += 1;
            return -1;
        case zoShotWide:
            if (next_ok) m.shots[OtherSide(next) - 1] += 1;
            return -1;
        case zoGoal:
            return e_ok ? BookZoneGoal(m, match, e, r.player, home, away) : -1;
        case zoFouled:
            if (e_ok) m.fouls[e - 1] += 1;
            return -1;
        case zoCorner:
            if (next_ok) m.shots[next - 1] += 1;
            return -1;
        case zoWrongPass:
            if (next_ok) m.wrong_passes[OtherSide(next) - 1] += 1;
            return -1;
        case zoPassIntoEmptyZone:
            if (next_ok) {
                m.wrong_passes[OtherSide(next) - 1] += 1;
                m.passes[OtherSide(next) - 1] -= 1;
            }
            return -1;
        default:
            break;
    }
    if (!e_ok) return -1;
    switch (r.kind) {
        case mkCard:
            if (r.value == 1) m.yellow_cards[e - 1] += 1;
            if (r.value == 2 || r.value == 3) m.red_cards[e - 1] += 1;
            return RecordMatchEvent(e, r.player, match, r.value, meCard);
        case mkFreeKickGoal:
            m.goals[e - 1] += 1;
            m.shots[e - 1] += 1;
            return RecordMatchEvent(e, r.player, match, -1, meFreeKickGoal);
        case mkPenaltyGoal:
            m.goals[e - 1] += 1;
            m.shots[e - 1] += 1;
            m.penalties_taken[e - 1] += 1;
            return RecordMatchEvent(e, r.player, match, -1, mePenaltyGoal);
        case mkPenaltyMissed:
            m.shots[e - 1] += 1;
            m.penalties_taken[e - 1] += 1;
            return RecordMatchEvent(e, r.player, match, -1, mePenaltyMissed);
        case mkInjury:
            m.injuries[e - 1] += 1;
            return RecordMatchEvent(e, r.player, match, r.value, meInjury);
        case mkSubstitution:
            return RecordMatchEvent(e, r.player, match, r.value, meSubstitution);
        default:
            return -1;
    }
}

// The penalty of side `s`; kind 1 scored, 2 or more missed, anything else nothing.
PenaltyKick AwardPenalty(const jogos& m, int match, int s, int taking, int keeper,
                         MatchDecisions* decisions) {
    if (decisions) {
        if (IsHumanTeam(m.team[s - 1])) return decisions->TakePenaltyKick(match, s, true);
        if (IsHumanTeam(m.team[OtherSide(s) - 1])) return decisions->TakePenaltyKick(match, s, false);
    }
    return TakePenalty(taking, keeper, -1);
}

}  // namespace

void ReserveMatchDayLists() {
    // Up to 40 matches a group; a busy match writes a few dozen events.
    Game().match_events.reserve(40 * 64);
    booked_players().reserve(40 * 16);
}

void SetStoppageTime(int match) {
    jogos* m = DayMatchAt(match);
    if (!m) return;
    m->last_tick = std::min(kLastTick, 184 + Random(4) + 2 * (m->red_cards[0] + m->red_cards[1]));
}

namespace {

constexpr int LossByAge(int age) {
    if (age < 1 || age > 1000) return 0;
    if (age <= 26) return 1;
    if (age <= 33) return 2;
    if (age <= 36) return 3;
    if (age <= 42) return 4;
    if (age <= 55) return 5;
    if (age <= 60) return 6;
    if (age <= 70) return 7;
    if (age <= 80) return 8;
    if (age <= 90) return 9;
    return 10;
}

// The loss for every age a player really has, read at each drain of 22 players.
constexpr int kTabledAges = 100;
constexpr auto kLossByAge = [] {
    std::array<std::int8_t, kTabledAges + 1> table{};
    for (int age = 0; age <= kTabledAges; ++age) table[age] = static_cast<std::int8_t>(LossByAge(age));
    return table;
}();

}  // namespace

int EnergyLossByAge(int age) {
    if (age >= 0 && age <= kTabledAges) return kLossByAge[static_cast<std::size_t>(age)];
    return LossByAge(age);
}

void DrainEnergy(int team, int tick) {
    const t_team* t = TeamAt(team);
    const t_match_strength* s = t ? StrengthAt(t->match_strength_index) : nullptr;
    if (!s) return;
    // The players table is read once: a tick drains 22 players. The energy is worked out in a
    // local and stored once.
    std::vector<t_player>& players = Game().players;
    const std::size_t player_count = players.size();
    // A goalkeeper tires only in the second half.
    const bool keeper_tires = tick > 90;
    for (int slot = 0; slot < 11; ++slot) {
        const int index = s->players[slot];
        if (index <= 0 || static_cast<std::size_t>(index) >= player_count) continue;
        t_player& p = players[static_cast<std::size_t>(index)];
        int energy = std::clamp(p.energy, 0, 1000);  // a damaged value cannot overflow below
        if (p.on_pitch && (keeper_tires || s->slot_positions[slot] != 1))
            energy -= EnergyLossByAge(p.age);
        if (p.star && p.age >= 34) energy += 1;
        p.energy = std::clamp(energy, 1, 100);
    }
}

namespace {

// The move of a match whose record and line-ups the caller has found and checked: the tick looks
// them up once for everything it does.
MoveResult PlayCheckedMove(jogos* m, int zone, int side, int follow_up, int match,
                           int away_strength, int home_strength, const t_match_strength* home,
                           const t_match_strength* away, MatchDecisions* decisions) {
    const int s = side;
    const int other = OtherSide(s);
    const int own = s == 1 ? home_strength : away_strength;
    const int opponent = s == 1 ? away_strength : home_strength;
    const int z = zone;
    const int k = follow_up;

    if (!IsHumanTeam(m->team[s - 1]) && m->tick % 4 == 0) {
        const SubstitutionPair pair = ComputerSubstitutions(own, match, s);
        if (pair.off > 0 && pair.on > 0) return {z, s, k, mkSubstitution, s, pair.off, pair.on};
    }
    if (k == fuFoul) {
        const CardShown card = CardAfterFoul(opponent, -1, m->tick);
        if (card.player > 0) return {z, s, fuCard, mkCard, other, card.player, card.card};
    }
    if (k == fuCard) {
        const InjuryResult injury = CheckInjury(own, z, match, decisions);
        if (injury.injured > 0)
            return {z, s, fuInjury, mkInjury, s, injury.injured, injury.replacement};
    }
    if (k == fuInjury || k == fuCard) {
        const int keeper = StrengthAt(opponent)->goalkeeper_value;
        if (Random(100) <= 90) {
            const int scorer = TakeFreeKick(own, keeper);
            if (scorer > 0) return {KickOffZone(other), other, fuNone, mkFreeKickGoal, s, scorer};
        } else {
            const PenaltyKick kick = AwardPenalty(*m, match, s, own, keeper, decisions);
            // Without a taker there is no kick to book.
            if (kick.taker > 0 && kick.kind == 1)
                return {KickOffZone(other), other, fuNone, mkPenaltyGoal, s, kick.taker};
            if (kick.taker > 0 && kick.kind >= 2)
                return {SideZone(2, other), other, fuNone, mkPenaltyMissed, s, kick.taker, kick.kind};
        }
    }

    ZoneMove move;
    PlayZoneMove(move, z, s, k, *home, *away);
    if (move.outcome == zoGoal) {
        const int conceding = move.side;
        const int scoring = OtherSide(conceding);
        const int scoring_strength = scoring == 1 ? home_strength : away_strength;
        const int conceding_strength = conceding == 1 ? home_strength : away_strength;
        const int scorer = Random(100) + 1 > 1
                               ? ChooseScorer(*StrengthAt(scoring_strength), -1, -1)
                               : ChooseScorer(*StrengthAt(conceding_strength), -1, -2);
        return {KickOffZone(conceding), conceding, fuNone, zoGoal, scoring, scorer};
    }
    if (move.outcome == zoFouled)
        return {move.zone, move.side, fuFoul, zoFouled, OtherSide(move.side), -1};
    return {move.zone, move.side, move.outcome, move.outcome, move.side, -1};
}

}  // namespace

MoveResult PlayMove(int zone, int side, int follow_up, int match, int away_strength,
                    int home_strength, MatchDecisions* decisions) {
    jogos* m = DayMatchAt(match);
    const t_match_strength* home = StrengthAt(home_strength);
    const t_match_strength* away = StrengthAt(away_strength);
    if (!m || !home || !away || (side != 1 && side != 2)) return {};
    return PlayCheckedMove(m, zone, side, follow_up, match, away_strength, home_strength, home,
                           away, decisions);
}

int PlayTick(int match, MatchDecisions* decisions) {
    jogos* m = DayMatchAt(match);
    if (!m) return -1;
    // A group played without display asks nobody.
    if (Game().quick_mode) decisions = nullptr;
    int s = m->ball_side;
    int z = m->ball_zone;
    const int k = m->last_outcome;
    if (s != 1 && s != 2) s = Random(2) + 1;
    if (z < 1 || z > kZoneCount) z = KickOffZone(s);

    m->tick += 1;
    if (m->tick == kStoppageTimeTick) SetStoppageTime(match);
    const bool drained = m->tick % 15 == 0;
    if (drained) {
        DrainEnergy(m->team[0], m->tick);
        DrainEnergy(m->team[1], m->tick);
    }
    m->possession[s - 1] += 1;

    const int home_strength = m->strength_slot[0];
    const int away_strength = m->strength_slot[1];
    const t_match_strength* home = StrengthAt(home_strength);
    const t_match_strength* away = StrengthAt(away_strength);
    if (!home || !away) return -1;  // a match without both line-ups only runs its clock

    const MoveResult r = PlayCheckedMove(m, z, s, k, match, away_strength, home_strength, home,
                                         away, decisions);
    // The move may have moved the tables' storage (events), never the line-ups; re-read the match.
    m = DayMatchAt(match);
    m->ball_zone = r.zone;
    m->ball_side = r.side;
    m->last_outcome = r.follow_up;
    const int event = Book(*m, match, r, *home, *away);

    // A line-up's strength changes only with the energy drain, a move that books an event (a
    // card, an injury, a substitution, a set piece) or a decision of the coach watching; on any
    // other tick the line-ups are as the last tick left them and are not looked at again. The
    // first tick takes whatever was changed before the kick-off.
    if (m->tick == 1 || drained || decisions || r.kind >= mkCard || event >= 0) {
        ComputeLineupStrength(home_strength);
        ComputeLineupStrength(away_strength);
    }
    return event;
}

}  // namespace kv
