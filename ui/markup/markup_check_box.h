#pragma once
// A check box whose caption is mark-up. A release inside, the space bar or the accelerator
// toggles it and fires on_click; a grayed box toggles to checked; a read-only one keeps its
// state but still fires on_click.

#include "ui/markup/markup_button.h"

namespace kv {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomMarkupCheckBox : public TCustomMarkupButton {
  public:
    TCustomMarkupCheckBox() { SetCaption("TMarkupCheckBox"); }

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool read_only = false;

    virtual void Toggle();

  protected:
    bool CheckedState() const { return state_ == cbChecked; }
    void SetCheckedState(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    void PaintBox(Canvas& canvas, TButtonType look) override;
    int CaptionOffset(TButtonType look) const override;
    void Activate() override;

  private:
    TCheckBoxState state_ = cbUnchecked;
};

class TMarkupCheckBox : public TCustomMarkupCheckBox {
  public:
    bool Checked() const { return CheckedState(); }
    void SetChecked(bool checked) { SetCheckedState(checked); }
};

}  // namespace kv
