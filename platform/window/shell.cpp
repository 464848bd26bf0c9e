#include "platform/window/shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace kv {

std::function<bool(const std::vector<std::string>&)> g_spawn_for_tests;

bool SpawnDetached(const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
    // Reaped in the background so that no zombie is left behind.
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
    return true;
}

bool OpenUrl(const std::string& address) {
    const std::vector<std::string> argv = {"xdg-open", address};
    if (g_spawn_for_tests) return g_spawn_for_tests(argv);
    return SpawnDetached(argv);
}

}  // namespace kv
