#pragma once
// Turns the competitions of a season into fixtures. The n-th match day of a
// competition is the n-th calendar day of its kind, so the calendar must be built first.
// Knockout ties are generated with both teams -1 and filled later by the draws and the
// knock-out progression; a pairing that meets an empty slot gives no fixture.

namespace kv {

struct GameData;

// Kinds 1 and 2: owner is the league configuration's index; kind 3: the state; kinds 4
// and 6: every region of the kind in one call (owner unused). Other kinds are ignored.
void BuildCompetitionFixtures(GameData& data, int kind, int owner);

// A season's home competitions: every league, every active state championship and, when it
// is on, every national cup.
void BuildDomesticFixtures(GameData& data);

// The home country's regional fourth division, formed after the state championships.
void BuildRegionalDivisionFixtures(GameData& data, int config);

// The two matches of each region between last season's winners of the two continental cups.
void BuildSuperCupFixtures(GameData& data);

}  // namespace kv
