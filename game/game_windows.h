#pragma once
// The small windows the rules of a turn, a round close and a season change open on the way:
// each comes as "this window with these values". The window (or the headless runner) shows
// it and, when it asks something, applies the answer through the rules of its own.

#include <string>
#include <vector>

namespace kv {

struct StateChampionsTable;
struct HumanDismissal;
struct t_coach_dismissal;

enum class GameWindow {
    kPlayerOffer,            // club: the bidder, player: the player wanted
    kLoanRequest,            // club: the borrower, player: the player offered for loan
    kDeathNotice,            // player: the player who died; his club already lost him
    kNationalTeamInvitation, // kind: 7, 8 or 9; tier: 1 or 2; coach: the coach invited
    kJobOffer,               // coach: the coach; job_offers holds the clubs
    kDismissal,              // club, coach: the dismissed coach, other: his successor,
                             // kind: the DismissalReason
    kStateChampions,         // champions: the table of the state finals just closed
    kNationalTeamCallUp,     // team: the human national team, turn: 1-based position
    kPreseasonFriendlies,    // the question "Deseja marcar amistosos de pré-temporada?"
    kFriendlyBooking,        // club: the human club (user_club) booking pre-season friendlies
    kClubWorldCupDrawError,  // text: the message
    kCoachChanges,           // coach_changes: the computer clubs' coach changes of the round
};

struct WindowRequest {
    explicit WindowRequest(GameWindow shown) : window(shown) {}
    GameWindow window;
    int club = -1;
    int player = -1;
    int coach = -1;
    int other = -1;
    int kind = 0;
    int tier = 0;
    int team = -1;
    int turn = 0;
    std::string text;
    const StateChampionsTable* champions = nullptr;  // kStateChampions
    // kCoachChanges
    const std::vector<t_coach_dismissal>* coach_changes = nullptr;
};

class GameWindows {
  public:
    virtual ~GameWindows() = default;
    // Shown modally; returns the answer of a yes/no question (false for the others).
    virtual bool Show(const WindowRequest& request) = 0;
};

// The dismissal window of a human coach who has just lost his club.
void ShowDismissal(GameWindows& windows, const HumanDismissal& dismissal);

// The screen that comes next in the chain of windows.
enum class NextScreen {
    kMainWindow,       // a human coach's turn
    kAuction,          // the player auction, then the main window
    kNationalTeamHub,  // a national-team match day with a human national team
    kMatchDay,         // the match day at once (the round is prepared)
    kSeasonReview,     // no playing day left: the season change
};

}  // namespace kv
