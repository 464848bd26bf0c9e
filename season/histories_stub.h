#pragma once
// STUB until the histories land: the real FindChampion reads the honours of a season.
// This one knows no champion, so a super cup built on it gets no fixtures.

namespace kv {

struct GameData;

int FindChampion(const GameData& data, int kind, int country, int season);

}  // namespace kv
