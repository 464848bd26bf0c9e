#pragma once
// Every window's layout table in one list, so that one test checks them all with no display.

#include <span>

#include "platform/window/layout_table.h"

namespace kv {

std::span<const WindowLayout* const> EveryWindowLayout();

}  // namespace kv
