#pragma once
// The competition registry: the index of an entry is the competition id, which the
// histories and statistics store, so it is built once per game and never rebuilt.

namespace kv {

struct GameData;

// Fills `competitions` from scratch for a new game, after the leagues, the state
// championships and the competition switches are set. Entry 0 is the friendly placeholder.
void BuildCompetitionRegistry(GameData& data);

}  // namespace kv
