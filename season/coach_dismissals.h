#pragma once
// After every league and state-championship match day the boards judge their coaches. A
// human coach who loses his club is replaced at once (the dismissal screen tells him); a
// computer club placed badly takes a free coach, or lures the coach of another club of its
// league, whose club then takes the sacked coach in exchange.

#include <string_view>
#include <vector>

#include "core/records_club.h"
#include "core/records_team.h"

namespace kv {

class GameData;

// A club's coach and the one chosen to replace him; swap_club is the club whose coach is
// taken in a swap, -1 for none.
struct CoachVacancy {
    int club = -1;
    int outgoing = -1;
    int incoming = -1;
    int swap_club = -1;
};

// Why a human coach lost his club, as the dismissal screen tells him.
enum class DismissalReason {
    kSupporters,   // the supporters turned against him
    kDebts,        // the club is in debt
    kResults,      // poor results
    kOutOfLeague,  // the club has dropped out of the national league
    kOwnRequest,   // he resigned
};

// The board's reason, judged on the club as it stands before the coach is replaced: the new
// coach's arrival calms the supporters and would hide it.
DismissalReason BoardDismissalReason(const t_team& team);

// A human coach dismissed by his board, and his successor.
struct HumanDismissal {
    int club = -1;
    int old_coach = -1;
    int new_coach = -1;
    DismissalReason reason = DismissalReason::kResults;
};

struct DismissalRound {
    std::vector<HumanDismissal> human;             // one dismissal screen each, in order
    std::vector<t_coach_dismissal> changes;        // the coach changes at computer clubs
    bool show_changes = false;                     // the user asked to see those changes
};

DismissalRound ProcessCoachDismissals(GameData& data);

// Replaces the club's human coach with ChooseReplacementCoach's choice. A successor taken
// from another club leaves that club a free or a new coach, so no club is left without one.
// The reason is the board's unless the coach resigned.
HumanDismissal DismissHumanCoach(GameData& data, int club, bool resigned = false);

// A coach for the club: free ones of its division and country first, then another club's.
// `incoming` is -1 when nobody is found.
CoachVacancy FindCoachForVacancy(GameData& data, int club);

// The coach of another club of the country's league that the club lures away, -1 when none;
// swap_club is set to his club when one is found.
int FindCoachAtOtherClub(GameData& data, int country, int division, int club, int& swap_club);

// The first computer club of the country in no division that has a coach, -1 when none.
int FindNonLeagueClubWithCoach(const GameData& data, int country);

// A successor for a dismissed human coach; never -1: a new coach is made when nobody is found.
int ChooseReplacementCoach(GameData& data, int club);

// "Troca de técnicos" for a swap (0), the board's reasons for 1..4.
std::string_view DismissalReasonText(int reason);

}  // namespace kv
