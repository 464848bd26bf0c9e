#include "match/match_events.h"

#include "match/match_tables.h"

namespace kv {
namespace {

void BookPlayerEvent(int player, int club, int competition, std::string_view key) {
    if (const PlayerEventRecorder recorder = Game().player_event_recorder)
        recorder(player, club, competition, key);
}

bool IsSide(int side) { return side == 1 || side == 2; }

}  // namespace

void SetPlayerEventRecorder(PlayerEventRecorder recorder) {
    Game().player_event_recorder = recorder;
}

int AddMatchEvent(int side, int player, int match, int value, int kind) {
    const jogos* m = DayMatchAt(match);
    if (!m || !IsSide(side)) return -1;
    const int team = m->team[side - 1];
    if (kind == meGoal) {
        const t_player* p = PlayerAt(player);
        if (p && p->team != team) kind = meOwnGoal;
    }
    auto& events = Game().match_events;
    t_match_event e{};
    e.kind = kind;
    e.team = team;
    e.player = player;
    e.value = value;
    e.tick = m->tick;
    e.match = match;
    events.push_back(e);
    return static_cast<int>(events.size()) - 1;
}

int RecordMatchEvent(int side, int player, int match, int value, int kind) {
    const jogos* m = DayMatchAt(match);
    if (!m || !IsSide(side)) return -1;
    const int team = m->team[side - 1];
    const int competition = m->competition;
    switch (kind) {
        case meGoal: {
            const t_player* p = PlayerAt(player);
            if (p && p->team == team) BookPlayerEvent(player, team, competition, "gol");
            break;
        }
        case meFreeKickGoal:
        case mePenaltyGoal:
            BookPlayerEvent(player, team, competition, "gol");
            break;
        case meCard:
            if (value == 1) BookPlayerEvent(player, team, competition, "ca");
            if (value == 2 || value == 3) BookPlayerEvent(player, team, competition, "cv");
            break;
        case meInjury:
            BookPlayerEvent(player, team, competition, "ct");
            break;
        default:
            break;
    }
    const int e = AddMatchEvent(side, player, match, value, kind);
    if (kind == meInjury && value > 0) return AddMatchEvent(side, player, match, value, meInjurySubstitution);
    return e;
}

void RecordCompetitionResult(int team, int placing, int kind, int extra) {
    GameData& gd = Game();
    t_club_result& r = AppendRecord(gd.club_competition_history);
    r.team = team;
    r.season = gd.game_state.season;
    r.kind = kind;
    r.placing = placing;
    r.extra = extra;
}

}  // namespace kv
