// A full repaint of every window of the game at 1280x800, each opened the way the gallery opens
// it on the gallery's prepared game: what the player waits for when a window is shown again
// whole. One benchmark a window (BM_FullRepaint1280x800/Form46 is the match day); each run opens
// the window in a child process of its own (some windows play the game on before they open),
// paints it a few times to warm up, and reports the median of the timed repaints.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/gallery/gallery_windows.h"

namespace kv {
namespace {

constexpr int kWidth = 1280, kHeight = 800;
constexpr int kWarmUp = 3, kTimed = 15;

gallery::Prepared g_prepared;

// The median seconds of one full repaint of the window, opened in this process.
double MedianRepaint(const gallery::Entry& e) {
    double median = -1;
    gallery::OpenWindow(e, g_prepared, kWidth, kHeight, [&](Screen& screen, Form& form) {
        for (int i = 0; i < kWarmUp; ++i) {
            form.Invalidate();
            screen.Paint();
        }
        std::vector<double> seconds;
        for (int i = 0; i < kTimed; ++i) {
            const auto start = std::chrono::steady_clock::now();
            form.Invalidate();
            screen.Paint();
            seconds.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        std::nth_element(seconds.begin(), seconds.begin() + kTimed / 2, seconds.end());
        median = seconds[kTimed / 2];
        return std::vector<std::string>{};
    });
    return median;
}

// The same in a child process, so that every window opens on the game as prepared; -1 when the
// window could not be opened.
double MedianRepaintInChild(const gallery::Entry& e) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return -1;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        double seconds = -1;
        try {
            seconds = MedianRepaint(e);
        } catch (...) {
        }
        [[maybe_unused]] const auto written = write(pipe_ends[1], &seconds, sizeof seconds);
        _exit(0);
    }
    close(pipe_ends[1]);
    double seconds = -1;
    if (child < 0 || read(pipe_ends[0], &seconds, sizeof seconds) != sizeof seconds) seconds = -1;
    close(pipe_ends[0]);
    if (child > 0) waitpid(child, nullptr, 0);
    return seconds;
}

void FullRepaint(benchmark::State& state, const gallery::Entry& e) {
    for (auto _ : state) {
        const double seconds = MedianRepaintInChild(e);
        if (seconds < 0) {
            state.SkipWithError("the window did not open");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

}  // namespace
}  // namespace kv

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (const std::string error = kv::gallery::PrepareGame(4, kv::g_prepared); !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    static const std::vector<kv::gallery::Entry> windows = kv::gallery::Windows();
    for (const kv::gallery::Entry& e : windows)
        benchmark::RegisterBenchmark(("BM_FullRepaint1280x800/" + e.id).c_str(), kv::FullRepaint, e)
            ->UseManualTime()
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
