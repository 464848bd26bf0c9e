#pragma once
// The game's own web site: the one address every window shows and opens.

#include <string_view>

namespace kv {

// What the links open.
inline constexpr std::string_view kGameWebSite = "https://www.korvanel.example";
// How the windows write it: the same address without its scheme.
inline constexpr std::string_view kGameWebAddress = kGameWebSite.substr(8);

}  // namespace kv
