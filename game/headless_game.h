#pragma once
// The whole game with no display: a new game built from a teams folder (or a saved game
// loaded), then match day after match day through exactly the functions the windows call, in
// their order. The human coaches' decisions are taken automatically: the computer's line-up,
// every offer, request and invitation declined, nothing bought, and during a match what each
// match window proposes.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/types.h"
#include "game/game_windows.h"

namespace kv {

struct HeadlessSetup {
    std::string teams_folder;  // the folder holding teams/ (the game folder)
    std::uint64_t seed = 1;
    std::vector<int> countries;  // the leagues played; empty: the home country
    int league_format = kDivisionsOf10;
    bool state_championships = false;
    bool cups = true;                  // national cup and continental club cups
    bool tournaments = true;           // national-team tournaments
    int humans = 1;                    // 1..6
    std::vector<int> coach_countries;  // each coach's league's country; empty: the next league
    bool national_team_coach = false;  // invitations accepted, national teams led by the human
};

// One finished season, as the runner prints it.
struct SeasonSummary {
    int season = 0;
    std::vector<std::string> champions;  // "Competition: Club"
    int matches = 0;
    int goals = 0;
    std::string Line() const;
};

// The windows of a headless game: every question answered no, every offer declined. With
// take_national_team the coach accepts the first national team that invites him and calls
// up its strongest squad.
class AutomaticWindows : public GameWindows {
  public:
    bool Show(const WindowRequest& request) override;
    int shown = 0;
    bool take_national_team = false;
};

class HeadlessGame {
  public:
    // Builds the new game; an empty string on success, else the message.
    std::string StartNewGame(const HeadlessSetup& setup);
    // Loads a saved game; an empty string on success, else the message.
    std::string LoadGame(const std::string& path);
    std::string SaveGame(const std::string& path);
    // The files of the teams folder the new game left out, and why; empty when none was.
    const std::string& setup_notice() const { return setup_notice_; }
    // The human coaches take the national teams that invite them (also for a loaded game).
    void set_national_team_coach(bool on) { windows_.take_national_team = on; }

    // Plays up to the end of the next match day and closes its round. When the round closed
    // the season, the summary of that season is kept in last_season() and the next call
    // turns the season over first.
    void PlayRound();
    // Plays the next match day up to its round results (the tables closed, the round not yet);
    // the next PlayRound closes that round first.
    void PlayToResults();
    bool season_finished() const { return next_ == NextScreen::kSeasonReview; }
    const SeasonSummary& last_season() const { return last_season_; }
    int rounds_played() const { return rounds_; }
    long long matches_played() const { return matches_; }

    // With checking on, every round is checked against the whole game's invariants
    // (game/game_checks.h) as it is played; the first broken one is kept, with its round, and
    // stays until checking is switched on again.
    void set_checking(bool on) {
        checking_ = on;
        broken_invariant_.clear();
    }
    const std::string& broken_invariant() const { return broken_invariant_; }

    // With auction bids on, the auctions the round close hands over are held before the main
    // window, and each human coach asked bids the starting price when his club can well afford
    // it; off, the auction window passes straight on to the main window.
    void set_auction_bids(bool on) { auction_bids_ = on; }
    // With coach choices on, the human coaches decide during a match by the fixed script of
    // match/scripted_decisions.h instead of the windows' proposals.
    void set_coach_choices(bool on) { coach_choices_ = on; }
    int auctions_held() const { return auctions_held_; }

  private:
    void TakeHumanTurns();
    void TakeNationalTeamTurns();
    void SummariseSeason();
    void Check(const std::string& broken);

    AutomaticWindows windows_;
    NextScreen next_ = NextScreen::kMainWindow;
    bool skip_first_turn_ = true;
    bool results_open_ = false;
    int rounds_ = 0;
    long long matches_ = 0;
    SeasonSummary last_season_;
    bool checking_ = false;
    bool auction_bids_ = false;
    bool coach_choices_ = false;
    int auctions_due_ = 0;
    int auctions_held_ = 0;
    std::string broken_invariant_;
    std::string setup_notice_;
};

}  // namespace kv
