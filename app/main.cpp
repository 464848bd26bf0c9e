// The program: one title window on the SDL back end, with the game's data beside the executable.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// With KORVANEL_WINDOW_LOG=FILE, a line is added to FILE whenever the windows on screen change,
// once the game has handled its input and painted: the window that takes the input (with the
// control that has the focus, after a '/'), then every window shown, bottom first. Nothing inside
// the game's one window is visible to the desktop, so this is how a script driving the game with
// synthetic input knows where it is.
void LogWindows(kv::Screen& screen) {
    const char* path = std::getenv("KORVANEL_WINDOW_LOG");
    if (!path || !*path) return;
    screen.on_idle = [&screen, path, last = std::string()]() mutable {
        std::string line;
        for (const kv::Form* form : screen.Forms())
            if (form->Visible() && !form->Freed()) line += " " + form->Name();
        const kv::Form* top = screen.TopForm();
        kv::Control* focus = screen.Focused();
        line = (top ? top->Name() : std::string("-")) +
               (top && focus && focus->ParentForm() == top ? "/" + focus->Name() : "") + ":" + line;
        if (line == last) return;
        last = line;
        std::ofstream(path, std::ios::app) << line << std::endl;
    };
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
    LogWindows(screen);
    kv::SetGameFolder(ProgramFolder());
    kv::SetScreenSize({screen.Width(), screen.Height()});
    kv::ConnectGameWindows();
    kv::TForm1& title_window = screen.Create<kv::TForm1>();
    screen.Run(title_window);
    return 0;
}
