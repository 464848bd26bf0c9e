#pragma once
// The smooth progress bar ("TUiSmoothProgressBar") and the cylinder progress bar
// ("TProgressCyl") as classes of the control factory, so the windows' layout tables can place
// them by name.

namespace kv {

// Registers both classes; may be called any number of times.
void RegisterProgressBarClasses();

}  // namespace kv
