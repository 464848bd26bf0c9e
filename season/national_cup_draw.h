#pragma once
// The draw of a national cup's first phase into the open ties that BuildCompetitionFixtures
// made for league configuration `config`. A cup without those ties draws nothing.

namespace kv {

class GameData;

// Phase 1 (32 clubs in two pots, A at home first) when the league has two divisions of 20
// or three of 10; otherwise phase 2 (16 clubs of one pot, A[k] against A[k + 8]).
void DrawNationalCup(GameData& data, int config);

// The home country's extra opening round of 64 clubs: divisions 1 to 3 and four clubs
// from outside them (last season's regional entrants when there are four).
void DrawNationalCupPreliminaryRound(GameData& data, int config);

// With the national cup on, the cup of every league configuration, the preliminary round
// where the home country's cup has one. Called after the cup's fixtures are built.
void DrawNationalCups(GameData& data);

}  // namespace kv
