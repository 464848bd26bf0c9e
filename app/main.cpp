// The program: one title window on the SDL back end, with the game's data beside the executable.

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/picture_paths.h"
#include "core/screen_size.h"
#include "platform/window/screen.h"
#include "platform/window/sdl_backend.h"
#include "screens/routes/window_routes.h"
#include "screens/start/title_window.h"

namespace {

// teams/, img/, sons/ and sav/ sit beside the executable, wherever it is started from.
std::string ProgramFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

}  // namespace

int main() {
    const std::string title = "Korvanel 2014";
    std::string error;
    auto backend = kv::SdlBackend::Open(title, &error);
    if (!backend) {
        std::fprintf(stderr, "%s: não foi possível abrir a janela (%s).\n", title.c_str(),
                     error.c_str());
        return 1;
    }
    kv::Screen screen(*backend);
    screen.title = title;
    kv::SetGameFolder(ProgramFolder());
    kv::SetScreenSize({screen.Width(), screen.Height()});
    kv::ConnectGameWindows();
    kv::TForm1& title_window = screen.Create<kv::TForm1>();
    screen.Run(title_window);
    return 0;
}
