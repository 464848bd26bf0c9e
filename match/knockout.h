#pragma once
// Two-legged knock-out ties after their second leg, the shoot-outs that settle level ties, the
// cup finals' rewards and the super cups.

namespace kv {

class MatchDecisions;

// 1 when team X (at home in leg 1) goes through, 2 for team Y, 3 when still level: legs won,
// then aggregate, then away goals. a1, b1: leg 1 (X home); a2, b2: X's and Y's goals in leg 2.
int TieWinner(int a1, int b1, int a2, int b2);

// The first day match, from 1, whose home team is A or B; 0 when none.
int FindDayMatchOf(int team_a, int team_b);

// The shoot-out of the tie whose first leg is `fixture`: 1 its home team wins, 2 its away team.
// A human team's (or a watched) shoot-out is asked of `decisions`; otherwise it is drawn at once.
int DecideTieByPenalties(int fixture, MatchDecisions* decisions);

// The ties of the national cup or a continental cup that today's second legs complete; true
// when one of them went to a shoot-out.
bool DecideTwoLeggedTies(MatchDecisions* decisions);

void EliminateTieLoser(int fixture, int winner);
void ApplyTieConfidence(int kind, int round, int winner, int loser);
void AwardCupWinner(int winner, int final_fixture);

// After every super cup day: a cup whose both legs are played gets its winner; true when a
// shoot-out decided one.
bool FinishSuperCup(MatchDecisions* decisions);

// Whether today's booking completes two-legged ties of the kind being played.
bool CompletesTwoLeggedTies();

}  // namespace kv
