// The statistics a busy match day books after twenty seasons of history: every player of
// 200 matches gets his appearance, and a few goals and cards, while the season lines of
// 5,000 players over twenty seasons and the coaches' lines lie behind them.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/game_data.h"
#include "season/histories.h"
#include "season/player_stats.h"

namespace kv {
namespace {

constexpr int kClubs = 400;
constexpr int kPlayersPerClub = 12;
constexpr int kSeasons = 20;

std::unique_ptr<GameData> OldWorld() {
    auto data = std::make_unique<GameData>();
    data->game_state.season = kSeasons;
    data->game_state.match_kind = ckNationalLeague;
    data->teams.resize(kClubs);
    data->coaches.resize(kClubs);
    for (int club = 0; club < kClubs; ++club) {
        data->teams[club].coach = club;
        for (int k = 0; k < kPlayersPerClub; ++k) data->players.emplace_back().team = club;
    }
    const int players = static_cast<int>(data->players.size());
    for (int season = 1; season < kSeasons; ++season) {
        for (int p = 1; p < players; ++p)
            data->player_seasons.push_back({p, 1, 1, 0, 30, 0, season, data->players[p].team});
        for (int c = 0; c < kClubs; ++c)
            data->coach_seasons.push_back({c, 38, 15, 10, 60, 0, c, season});
    }
    return data;
}

void BM_MatchDayStatistics(benchmark::State& state) {
    const auto start = OldWorld();
    for (auto _ : state) {
        state.PauseTiming();
        GameData data = *start;
        state.ResumeTiming();
        for (int p = 1; p < static_cast<int>(data.players.size()); ++p) {
            const int club = data.players[p].team;
            RecordPlayerEvent(data, p, club, 1, "j");
            if (p % 7 == 0) RecordPlayerEvent(data, p, club, 1, "gol");
            if (p % 11 == 0) RecordPlayerEvent(data, p, club, 1, "ca");
        }
        for (int club = 0; club < kClubs; ++club) {
            AddCoachSeasonStat(data, club, club, 1, "j");
            AddCoachSeasonStat(data, club, club, 3, "pr");
        }
        benchmark::DoNotOptimize(data.player_seasons.data());
    }
}
BENCHMARK(BM_MatchDayStatistics)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
