#pragma once
// The small buttons the edits carry inside their client area: a push button (button and spin
// edits), a drop-down arrow (pop-up edits) and an up/down pair with auto-repeat (spin edits).
// They never take the focus; they report presses to their edit through plain callbacks.

#include <functional>
#include <string>

#include "platform/window/control.h"
#include "platform/window/timer.h"
#include "ui/grid/grid_types.h"

namespace kv {

class TGrSmallButton : public Control {
  public:
    TGrSmallButton();
    Control* Edit = nullptr;  // takes the focus on a press while it is visible
    bool Down() const { return down_; }
    void SetDown(bool value) { Change(down_, value); }
    bool Hot() const { return hot_; }
    void SetHot(bool value) { Change(hot_, value); }
    std::function<void()> OnPress;
    std::function<void()> OnRelease;

  protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool OwnerEnabled() const { return Edit ? Edit->EnabledInTree() : EnabledInTree(); }

  private:
    bool down_ = false;
    bool hot_ = false;
};

class TGrExecuteButton : public TGrSmallButton {
  public:
    TGrExecuteButton();
    void Paint(Canvas& canvas) override;
};

class TDropDownButton : public TGrSmallButton {
  public:
    TDropDownButton();
    void Paint(Canvas& canvas) override;
};

enum TSpinButton { sbUp, sbDown };
using TSpinButtonSet = EnumSet<TSpinButton>;

class TGrSpinButtons : public Control {
  public:
    TGrSpinButtons();
    Control* Edit = nullptr;
    TSpinButtonSet HotHalves() const { return hot_; }
    TSpinButtonSet PressedHalves() const { return pressed_; }
    void SetHot(TSpinButtonSet halves);
    // One step at once, then auto-repeat while held; an empty set stops it.
    void SetPressed(TSpinButtonSet halves);
    std::function<void(TSpinButtonSet)> OnSpin;
    static constexpr int kRepeatDelayMs = 400;
    static constexpr int kRepeatMs = 20;
    void Paint(Canvas& canvas) override;

  protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseLeave() override;

  private:
    TSpinButtonSet HalfAt(int y) const;
    void Spin();
    Timer delay_timer_;
    Timer repeat_timer_;
    TSpinButtonSet hot_;
    TSpinButtonSet pressed_;
};

}  // namespace kv
