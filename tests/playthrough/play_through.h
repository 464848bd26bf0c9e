#pragma once
// Plays the game as a person would, only through its windows, on the headless back end: the
// title window's "Novo jogo", the setup choices, each coach's club, then turn after turn the main
// window, the line-up window's "Jogar >>" with the computer's line-up, the match day at its
// fastest speed on the virtual clock, the round results and the season review. The questions
// of a turn are answered as the game without windows answers them (every offer declined, no
// friendlies, auctions passed or bid by the rule); every match window is answered with what it
// proposes, or with the scripted coach's own choice (match/scripted_decisions.h); a window the
// driver does not know is closed by its cancel or close button and noted. The whole-game
// invariants are checked after every round, as `korvanel-sim --check` does.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/game_checks.h"
#include "game/headless_game.h"
#include "platform/window/test_driver.h"

namespace kv {

struct PlayThroughSetup {
    std::uint64_t seed = 1;
    std::vector<int> countries;  // ticked besides the home country
    bool state_championships = false;
    bool cups = true;
    bool tournaments = true;
    int humans = 1;
    // The country of each coach's club, in coach order; a coach beyond the list (all of them
    // when it is empty) takes the next league in turn.
    std::vector<int> coach_countries;
    // How the coaches answer: invitations taken, auctions bid by the rule, the match windows
    // answered by the script. The game without windows is given the same.
    bool national_team = false;
    bool auction_bids = false;
    bool coach_choices = false;
};

// The same game played without windows for `rounds` rounds, saved; empty when it could not be.
std::string HeadlessSave(const PlayThroughSetup& choices, int rounds);

// A game going on from a saved one: loaded, the random source seeded, then played on.
struct Continuation {
    std::string saved;
    std::uint64_t seed = 1;
    int rounds = 1;
    bool national_team = false;
    bool auction_bids = false;
    bool coach_choices = false;
};
// The continuation played without windows, saved; empty when it could not be.
std::string HeadlessContinuation(const Continuation& from);

// The game as it stands without windows, saved; empty when it could not be.
std::string SavedWithoutWindows(HeadlessGame& game);

// The first byte at which two saves part, for a message.
std::string FirstDifference(const std::string& a, const std::string& b);

class PlayThrough {
  public:
    // `game_folder` holds img/ and teams/; a folder of its own is made over it for the
    // options file the windows write.
    explicit PlayThrough(const std::filesystem::path& game_folder);
    ~PlayThrough();

    // From the title window to the first coach's main window (or the first match day); an
    // empty string on success, else what went wrong.
    std::string StartNewGame(const PlayThroughSetup& setup);
    // Plays until `rounds` more rounds have closed, or until `season` has begun when it is not
    // -1 (then `rounds` is the most it may take); stops at the next main window or
    // national-team hub, or at the first fault. Empty on success.
    std::string PlayRounds(int rounds, int season = -1);

    // From the main window, the game menu's "Salvar jogo" (F2) with `name` typed into the save
    // window; empty once sav/`name`.s14 has been written.
    std::string SaveThroughWindow(const std::string& name);
    // From a new title window, "Carregar jogo" and the saved game `file_name` of sav/ chosen in
    // the load window, on to the game's first window; empty on success. With `seed` the random
    // source is seeded with it once the title window has seeded it from the clock.
    std::string LoadThroughWindow(const std::string& file_name,
                                  std::optional<std::uint64_t> seed = std::nullopt);
    // The play's own game folder (its sav/ holds what the save window writes).
    const std::filesystem::path& folder() const { return folder_; }

    int rounds_played() const { return rounds_; }
    // The season reviews closed by their "Continuar >>", each turning the season over.
    int season_reviews() const { return reviews_; }
    // The first broken invariant, with its round; empty while none is.
    const std::string& broken_invariant() const { return broken_; }
    // The windows answered by their cancel or close button because the driver does not know
    // them, by form name, in the order met.
    const std::vector<std::string>& unknown_windows() const { return unknown_; }
    // The clubs the coaches took, in order.
    const std::vector<int>& human_clubs() const { return clubs_; }
    TestDriver& driver() { return *driver_; }
    // The game as saved right after the close of round `round` (counted from the new game),
    // taken when set before the play reaches it.
    void KeepSaveAfterRound(int round) { keep_round_ = round; }
    const std::string& kept_save() const { return kept_save_; }

    // Goes on with the game already in memory (a game played on without windows): its next
    // window opens as after a round close.
    void ContinueGame();
    // The national-team invitations: taken (the first team offered) or declined ("Recusar").
    void set_accept_invitations(bool accept) { accept_invitations_ = accept; }
    // Auctions bid by the rule of the game without windows (RuleBid) instead of passed.
    void set_auction_bids(bool on) { auction_bids_ = on; }
    // The match windows answered by the scripted coach instead of with what they propose.
    void set_coach_choices(bool on) { coach_choices_ = on; }
    // How often each kind of answer was given: "penalty taken", "penalty faced", "injury
    // replaced", "injury nobody", "shoot-out order", "shoot-out", "half-time substitution",
    // "board", "auction bid".
    int answered(const std::string& what) const {
        const auto found = answered_.find(what);
        return found == answered_.end() ? 0 : found->second;
    }
    // From a new title window, the saved game `saved` loaded through the load window with the
    // random source seeded with `seed` (LoadThroughWindow); empty on success.
    std::string LoadSavedGame(const std::string& saved, std::uint64_t seed);
    int invitations_shown() const { return invitations_; }
    // The call-ups made through the call-up window (the strongest squad the rule allows).
    int callups_made() const { return callups_; }
    // The turns taken in the national-team hub, and how many of them did not have the
    // national team's coach as the current coach.
    int hub_turns() const { return hub_turns_; }
    int hub_coach_mismatches() const { return hub_coach_mismatches_; }

  private:
    bool AnswerModal();
    void CallUpSquad(Form& callup);
    std::string Step();
    void Check(const std::string& broken);
    void ConnectChecks();

    std::filesystem::path folder_;
    std::unique_ptr<TestDriver> driver_;
    int rounds_ = 0;
    std::string broken_;
    std::vector<std::string> unknown_;
    std::vector<int> clubs_;
    std::size_t archived_ = 0;
    int keep_round_ = -1;
    std::string kept_save_;
    RolloverSnapshot before_rollover_;
    const Form* last_answered_ = nullptr;
    const Form* counted_ = nullptr;  // a window that answers itself, counted once
    int same_answers_ = 0;
    int reviews_ = 0;
    bool accept_invitations_ = true;
    int invitations_ = 0;
    int callups_ = 0;
    int hub_turns_ = 0;
    int hub_coach_mismatches_ = 0;
    bool in_callup_ = false;
    bool auction_bids_ = false;
    bool coach_choices_ = false;
    std::map<std::string, int> answered_;
};

}  // namespace kv
