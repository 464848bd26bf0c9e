#pragma once
// The checks every window's layout table must pass, run with no display: the test of every
// window's table calls this on each one.

#include <string>
#include <vector>

#include "platform/window/layout_table.h"

namespace kv {

// What is wrong with a table, one message to a fault ("Form17.Button1 (TButton): ..."); empty
// when nothing is. The table's names must be unique and every parent a row above its children;
// built at its base size in a form of its own, every control must lie inside its parent's
// client area (a scroll box's children may run below it), every caption must fit its control
// at its font as the control paints it, and the tab order must be complete: every control
// that takes the focus by Tab declares a TabOrder, and the orders within one parent are
// 0, 1, 2, ... with none twice.
std::vector<std::string> CheckWindowLayout(const WindowLayout& layout);

}  // namespace kv
