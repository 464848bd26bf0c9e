#include "platform/gfx/visual_styles.h"

namespace kv {

void VisualStylesBinding::Load() {
    if (loaded_) return;
    // No theme library exists on this desktop: the binding stays unloaded and unbound.
}

void VisualStylesBinding::Unload() {
    if (!loaded_) return;
    loaded_ = false;
}

VisualStylesBinding& ButtonVisualStyles() {
    static VisualStylesBinding binding("BtnXPVS");
    return binding;
}

VisualStylesBinding& ComboVisualStyles() {
    static VisualStylesBinding binding("ACXPVS");
    return binding;
}

int CommonControlsMajorVersion() {
    return 5;
}

bool SystemVersionAtLeast51() {
    return true;
}

bool VisualStylesActive(const VisualStylesBinding& binding) {
    return SystemVersionAtLeast51() && binding.Loaded() && binding.IsThemeActive &&
           binding.IsThemeActive() != 0 && CommonControlsMajorVersion() >= 6;
}

}  // namespace kv
