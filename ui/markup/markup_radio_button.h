#pragma once
// A radio button whose caption is mark-up. Becoming checked (by the user, by the focus arriving
// or by code) unchecks the other radio buttons of the same parent and group index and fires
// on_click; a click that leaves it checked fires nothing. Only a checked one is a tab stop.

#include <cstdint>

#include "ui/markup/markup_button.h"

namespace kv {

class TMarkupRadioButton : public TCustomMarkupButton {
  public:
    TMarkupRadioButton() { SetCaption("TMarkupRadioButton"); }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    uint8_t group_index = 0;

  protected:
    virtual void DoClick() { FireClick(); }
    void PaintBox(Canvas& canvas, TButtonType look) override;
    int CaptionOffset(TButtonType look) const override { return look == btBorland ? 17 : 18; }
    void Activate() override { SetChecked(true); }
    bool FocusesBeforePress() const override { return true; }
    void DoEnter() override;

  private:
    bool checked_ = false;
};

}  // namespace kv
