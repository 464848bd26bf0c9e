#pragma once
// Where a human coach decides during a match. The engine asks only about a human team in a match
// that is being watched; quick groups pass no decisions and the engine's own choices apply.

#include <optional>

namespace kv {

struct ShootoutScore {
    int goals_a;
    int goals_b;
};

struct PenaltyKick {
    int taker;  // player index, -1 when nobody could take it
    int kind;   // 1 scored, 2 missed; anything else books nothing
};

class MatchDecisions {
public:
    virtual ~MatchDecisions() = default;

    // A penalty for side `taking_side` of day match `match`; `human_takes` tells whether the human
    // team takes it (it chooses the taker) or faces it.
    virtual PenaltyKick TakePenaltyKick(int match, int taking_side, bool human_takes) = 0;

    // A human team's player was injured and it has substitutions left: the bench player who comes on,
    // or 0 or less for nobody.
    virtual int ReplaceInjuredPlayer(int match, int side, int injured_player) = 0;

    // The human team of `side` may change its line-up now (half time, a sending-off, a pause); the
    // changes go through MakeSubstitution and the line-up records.
    virtual void ChangeLineup(int match, int side) = 0;

    // A penalty shoot-out between team A and team B that a human coach takes part in or watches:
    // its score, or nothing to have it drawn at once as for two computer teams.
    virtual std::optional<ShootoutScore> PlayShootout(int team_a, int team_b) {
        (void)team_a;
        (void)team_b;
        return std::nullopt;
    }
};

}  // namespace kv
