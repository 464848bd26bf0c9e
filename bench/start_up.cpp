// The program started afresh up to its title window painted, as the player sees it: the SDL
// back end (its dummy driver when there is no display), the screen, the game's windows
// connected and the title window shown. Each iteration is a new process, its libraries loaded
// and linked; BM_EmptyProcessWithWindows is the same program exiting at once, the floor.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "bench/child_process.h"
#include "core/picture_paths.h"
#include "core/screen_size.h"
#include "platform/window/screen.h"
#include "platform/window/sdl_backend.h"
#include "screens/routes/window_routes.h"
#include "screens/start/title_window.h"

namespace {

int ChildStartUp() {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("SDL_VIDEODRIVER", "dummy", 0);
    std::string error;
    auto backend = kv::SdlBackend::Open("Korvanel 2014", &error);
    if (!backend) return 1;
    kv::Screen screen(*backend);
    kv::SetGameFolder(KORVANEL_GAME_FOLDER);
    kv::SetScreenSize({screen.Width(), screen.Height()});
    kv::ConnectGameWindows();
    kv::TForm1& title = screen.Create<kv::TForm1>();
    title.Show();
    screen.ProcessMessages();
    return 0;
}

void BM_EmptyProcessWithWindows(benchmark::State& state) {
    kv::bench::TimeChild(state, {"--child-exit"});
}
BENCHMARK(BM_EmptyProcessWithWindows)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5);

void BM_ColdStartUp(benchmark::State& state) { kv::bench::TimeChild(state, {"--child-start-up"}); }
BENCHMARK(BM_ColdStartUp)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    return kv::bench::BenchmarkMain(argc, argv, [](int n, char** args) {
        return n >= 2 && std::string(args[1]) == "--child-start-up" ? ChildStartUp() : -1;
    });
}
