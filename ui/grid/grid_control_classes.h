#pragma once
// The grid as the layout tables name it: TReportGrid.

namespace kv {

// Registers it with the control factory; may be called any number of times.
void RegisterGridControlClasses();

}  // namespace kv
