#include "screens/routes/game_event_windows.h"

#include "game/headless_game.h"
#include "screens/career/coach_changes_window.h"
#include "screens/career/job_offer_window.h"
#include "screens/career/state_champions_window.h"
#include "screens/club/death_notice_window.h"
#include "screens/club/friendlies_window.h"
#include "screens/club/loan_request_window.h"
#include "screens/club/national_callup_window.h"
#include "screens/club/offer_window.h"
#include "screens/main/dismissal_window.h"
#include "screens/main/national_invitation_window.h"

namespace kv {

bool ShowGameEventWindow(const WindowRequest& request) {
    switch (request.window) {
        case GameWindow::kPlayerOffer:
            return ShowPlayerOfferWindow(request.player, request.club);
        case GameWindow::kLoanRequest:
            return ShowLoanRequestWindow(request.player, request.club);
        case GameWindow::kDeathNotice:
            ShowDeathNotice(request.player);
            return false;
        case GameWindow::kDismissal:
            ShowDismissalScreen(request.club, request.coach, request.other,
                                static_cast<DismissalReason>(request.kind));
            return false;
        case GameWindow::kJobOffer:
            return ShowJobOfferWindow();
        case GameWindow::kPreseasonFriendlies:
            return AskPreseasonFriendlies();
        case GameWindow::kFriendlyBooking:
            ShowFriendlyBookingWindow(true);
            return false;
        case GameWindow::kStateChampions:
            if (request.champions != nullptr) ShowStateChampionsWindow(*request.champions);
            return false;
        case GameWindow::kCoachChanges:
            if (request.coach_changes != nullptr) ShowCoachChangesWindow(*request.coach_changes);
            return false;
        case GameWindow::kNationalTeamInvitation:
            ShowNationalTeamInvitation(request.kind, request.tier, request.coach);
            return false;
        case GameWindow::kNationalTeamCallUp:
            ShowNationalCallUpWindow(request.team);
            return false;
        default: {
            AutomaticWindows automatic;
            return automatic.Show(request);
        }
    }
}

}  // namespace kv
