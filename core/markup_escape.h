#pragma once
// The game writes some of its texts as mark-up for the screens to draw. A name that comes from
// the teams database is data, not mark-up: escaped, it can open no tag, name no entity and
// break no line, whatever the editor let its author type.

#include <string>
#include <string_view>

namespace kv {

std::string EscapeMarkupText(std::string_view text);

}  // namespace kv
