#pragma once
// Small windows that float above the control that shows them, drawn whole even where they
// reach past its edges or its form's: the indicator of roll scrolling, and the column drag box
// and drop arrows. A flyout is a borderless top-level window that never takes the activation or
// the keyboard focus and is never in the tab order; it is placed in screen co-ordinates.

#include <string>

#include "platform/gfx/geometry.h"
#include "platform/window/form.h"

namespace kv {

class Canvas;

class TGrFlyoutControl : public Form {
  public:
    explicit TGrFlyoutControl(std::string name = {});

  protected:
    // Shown on top of every window without taking the activation from the one in use.
    void VisibleChanged() override;
};

// The grey arrows and dot shown where roll scrolling started.
class TRollShadow : public TGrFlyoutControl {
  public:
    explicit TRollShadow(std::string name = {});
    // Places itself about a screen point: 32 x 32, its corner 7 left of and 11 above it.
    void ShowAt(Point screen_point);
    Point Center() const { return center_; }
    // Only the two arrow heads and the dot are painted; the rest of the square stays clear.
    void Paint(Canvas& canvas) override;

  private:
    Point center_;
};

}  // namespace kv
