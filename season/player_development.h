#pragma once
// The strength of club players moves a little after every league or state championship
// round: the young grow, by their club's level and their age, and from 32 the old decline.
// The fractions add up in t_player.decline until they make a whole strength point.

namespace kv {

class GameData;

// Every club player once, whether he played or not; on a league day only players of clubs in
// a division. A player under 32 develops, an older one declines.
void DevelopPlayers(GameData& data);

// Whether the player's club lets him grow further: a lower division holds its players under a
// ceiling of strength.
bool CanImprove(const GameData& data, int player);

// The growth of one round; the "took part" bonus needs the match day's played_match mark.
double DevelopmentGain(const GameData& data, int player);
void DevelopYoungPlayer(GameData& data, int player);

// The loss of one round, 0 while the player's club or strength keeps him as he is.
double DeclineLoss(const GameData& data, int player);
void DeclineAgeingPlayer(GameData& data, int player);

}  // namespace kv
