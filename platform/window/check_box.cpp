#include "platform/window/check_box.h"

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"

namespace kv {

CheckBox::CheckBox() {
    windowed_ = true;
    tab_stop = true;
    double_clicks_ = false;
    UseParentColor();
    SetBounds(0, 0, 97, 17);
}

void CheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Invalidate();
    Control::Click();
}

void CheckBox::Click() { SetChecked(!checked_); }

bool CheckBox::Accelerator(char32_t ch) {
    if (ch == 0 || AcceleratorOf(Caption()) != LowerChar(ch)) return false;
    SetFocus();
    ControlEvent e{ControlEvent::Click};
    Dispatch(e);
    return true;
}

void CheckBox::KeyUp(int& key, ShiftState shift) {
    Control::KeyUp(key, shift);
    if (key == VK_SPACE) {
        ControlEvent e{ControlEvent::Click};
        Dispatch(e);
    }
}

void CheckBox::PaintMark(Canvas& canvas, bool round) {
    if (!transparent) {
        canvas.brush = Brush{Color()};
        canvas.FillRect({0, 0, Width(), Height()});
    }
    const int top = (Height() - 13) / 2;
    if (round) {
        // Disabled, the dot stays black and only the face greys (the shared box greys both).
        const Rect box{0, top, 13, top + 13};
        canvas.pen = Pen{clBtnShadow};
        canvas.brush = Brush{EnabledInTree() ? clWindow : clBtnFace};
        canvas.Ellipse(box);
        if (checked_) {
            canvas.pen = Pen{clWindowText};
            canvas.brush = Brush{clWindowText};
            canvas.Ellipse(box.inflate(-4, -4));
        }
    } else {
        DrawClassicButtonBox(canvas, 0, top, false, checked_, !EnabledInTree(), false);
    }
    Rect text{17, 0, Width(), Height()};
    DrawControlText(canvas, *this, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        Rect measure = text;
        canvas.DrawText(Caption(), measure, DT_CALCRECT | DT_SINGLELINE);
        const int h = measure.height();
        canvas.DrawFocusRect({15, (Height() - h) / 2 - 1, 17 + measure.width() + 2,
                              (Height() + h) / 2 + 1});
    }
}

void CheckBox::Paint(Canvas& canvas) {
    PaintMark(canvas, false);
    Control::Paint(canvas);
}

}  // namespace kv
