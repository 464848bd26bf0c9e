#pragma once
// The title window's credit lines: a mark-up label over the title picture. It reaches into the
// picture's click zones, so the mouse over it acts on the picture beneath as well.

#include "ui/markup/markup_label.h"

namespace kv {

class TitleCreditLabel : public TMarkupLabel {
  public:
    Control* beneath = nullptr;  // a sibling; null once it is gone

  protected:
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;

  private:
    void PassDown(ControlEvent::Kind kind, MouseButton button, ShiftState shift, int x, int y);
};

}  // namespace kv
