#pragma once
// For the benchmarks that time a program just started: the benchmark program starts itself
// again with arguments that make it do one thing and exit.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace kv::bench {

inline std::string& SelfPath() {
    static std::string path = std::filesystem::read_symlink("/proc/self/exe").string();
    return path;
}

// True when the child ran and exited with 0.
inline bool RunChild(std::vector<std::string> args) {
    args.insert(args.begin(), SelfPath());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, SelfPath().c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline void TimeChild(benchmark::State& state, const std::vector<std::string>& args) {
    for (auto _ : state)
        if (!RunChild(args)) {
            state.SkipWithError("the child process failed");
            return;
        }
}

// The main of such a program: `child` does the child's work for the arguments it knows (its
// exit code), -1 for the others, which run the benchmarks.
template <typename Child>
int BenchmarkMain(int argc, char** argv, Child child) {
    if (argc >= 2 && std::string(argv[1]) == "--child-exit") return 0;
    if (const int code = child(argc, argv); code >= 0) return code;
    SelfPath();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace kv::bench
