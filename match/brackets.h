#pragma once
// The single-match knock-out brackets of the national-team tournaments (world cup, Americas' and
// Europe's nations cups) and of the club world cup: results into the ties, winners and losers,
// shoot-outs, the next round, and the close of the competition.

namespace kv {

class MatchDecisions;

// The continuations of a day of each bracket competition, after its group has been booked.
// They return true when level ties went to shoot-outs (the window pauses to show them).
bool FinishWorldCupDay(MatchDecisions* decisions);
bool FinishNationsCupDay(MatchDecisions* decisions);
bool FinishClubWorldCupDay(MatchDecisions* decisions);

void AdvanceWorldCupBracket();
void AdvanceNationsCupBracket();
void AdvanceClubWorldCupBracket();

void CloseWorldCup();
void CloseAmericasCup();
void CloseEuropeanCup();
void CloseClubWorldCup();

}  // namespace kv
