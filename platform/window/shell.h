#pragma once
// Opening a web or mail address in the user's browser. The opener is started directly (no
// shell, so the address cannot inject commands) and never waited for; a failure is ignored, as
// the game expects.

#include <functional>
#include <string>
#include <vector>

namespace kv {

// Starts a program with its arguments in the background; false when it could not be started.
bool SpawnDetached(const std::vector<std::string>& argv);

// Opens the address with xdg-open; true when the opener was started.
bool OpenUrl(const std::string& address);

// Tests replace the launcher to see what would have been started.
extern std::function<bool(const std::vector<std::string>&)> g_spawn_for_tests;

}  // namespace kv
