#pragma once
// The largest game a teams folder allows, as the benchmarks and the seeded-result test play it:
// every league offered, in 20-club divisions, with the state championships, the cups and the
// tournaments.

#include <string>

#include "game/headless_game.h"
#include "season/new_game_setup.h"

namespace kv {

inline HeadlessSetup LargestSetup(const std::string& teams_folder, int humans = 1) {
    HeadlessSetup setup;
    setup.teams_folder = teams_folder;
    setup.seed = 77;
    setup.league_format = kDivisionsOf20;
    setup.state_championships = true;
    setup.humans = humans;
    for (const CountryClubs& c : ListedCountries(ScanClubFiles(setup.teams_folder)))
        setup.countries.push_back(c.country);
    return setup;
}

// Plays a started game on until it has finished `seasons` whole seasons.
inline void PlaySeasons(HeadlessGame& game, int seasons) {
    for (int finished = 0; finished < seasons;) {
        game.PlayRound();
        if (game.season_finished()) ++finished;
    }
}

}  // namespace kv
