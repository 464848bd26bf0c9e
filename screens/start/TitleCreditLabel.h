#pragma once
// The title window's credit lines: a mark-up label over the title picture. The mouse over it
// acts on the picture beneath as well, so the cursor and the menu's hover follow the picture.

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

// Registers the class with the control factory, with the mark-up classes it builds on; may be
// called any number of times.
void RegisterTitleCreditLabel();

}  // namespace kv
