#pragma once
// The custom-drawn controls as classes of the control factory, so the windows' layout tables
// can place them by name: "TUiSmoothPanel", "TUiSmoothLabel", "TGradient", "TUiGlowButton",
// "TSchemeButton", "TUiComboBox", and the two progress bars. A table names
// RegisterSmoothControlClasses as its register_classes.

namespace kv {

// Registers every class; may be called any number of times.
void RegisterSmoothControlClasses();

}  // namespace kv
