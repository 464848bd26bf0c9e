#pragma once
// The desktop's visual styles (themed check boxes, radio buttons, drop-down buttons). This
// desktop has no theme library, so a binding never loads and every control that asks takes its
// classic drawing path; the controls still ask the same questions, so a themed look could be
// bound here later without touching them.

#include <string_view>

#include "platform/gfx/geometry.h"

namespace kv {

class Canvas;

using HTHEME = void*;

class VisualStylesBinding {
  public:
    explicit VisualStylesBinding(std::string_view unit) : unit_(unit) {}

    // Binds the library's entry points once; without the library nothing is bound and nothing
    // is reported. A second load leaves the first binding as it was.
    void Load();
    // Forgets the library when it was loaded; the entry points keep their values.
    void Unload();
    bool Loaded() const { return loaded_; }
    std::string_view Unit() const { return unit_; }

    // The four entry points the controls call; null until bound. Callers check Loaded() first.
    HTHEME (*OpenThemeData)(void* window, const char* class_list) = nullptr;
    int (*CloseThemeData)(HTHEME theme) = nullptr;
    int (*DrawThemeBackground)(HTHEME theme, Canvas& canvas, int part, int state, const Rect& rect,
                               const Rect* clip) = nullptr;
    int (*IsThemeActive)() = nullptr;

  private:
    std::string_view unit_;
    bool loaded_ = false;
};

// The bindings of the mark-up check box and radio button, and of the flat combo box.
VisualStylesBinding& ButtonVisualStyles();
VisualStylesBinding& ComboVisualStyles();

// The major version of the common controls the themed looks need 6 or more of; the classic
// controls here count as 5.
int CommonControlsMajorVersion();
// The desktop counts as new enough (5.1 or later) for the controls' hot-tracking repaints.
bool SystemVersionAtLeast51();

// True when the binding is loaded, the theme is active and the common controls are new enough.
bool VisualStylesActive(const VisualStylesBinding& binding);

}  // namespace kv
