#pragma once
// Opening an anchor's target. Targets come from texts that may hold what a teams database
// or a player typed, so only web addresses are ever handed to the desktop's browser.

#include <functional>
#include <string>
#include <string_view>

namespace kv {

// "http://" or "https://" at the start, in any letter case.
bool IsWebAddress(std::string_view target);

// What opens an address in the browser: the desktop's opener unless a test replaces it.
std::function<void(const std::string& address)>& MarkupOpenAddressHook();

// Hands a web address to the hook; anything else is refused. True when handed on.
bool OpenMarkupAnchor(std::string_view target);

}  // namespace kv
