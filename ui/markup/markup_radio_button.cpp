#include "ui/markup/markup_radio_button.h"

#include "platform/window/classic_look.h"
#include "ui/markup/markup_check_box.h"

namespace kv {

void TMarkupRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    tab_stop = checked;
    if (checked) {
        if (Control* parent = Parent()) {
            for (const auto& child : parent->Children()) {
                auto* other = dynamic_cast<TMarkupRadioButton*>(child.get());
                if (other && other != this && other->group_index == group_index) {
                    other->SetChecked(false);
                }
            }
        }
        DoClick();
    }
    Invalidate();
}

void TMarkupRadioButton::DoEnter() {
    TCustomMarkupButton::DoEnter();
    SetChecked(true);
}

void TMarkupRadioButton::PaintBox(Canvas& canvas, TButtonType look) {
    const int w = Width(), h = Height();
    const bool enabled = EnabledInTree();
    switch (look) {
        case btBorland: {
            const int x = BoxX(1, w - 13), y = BoxY(4, h / 2 - 6, h - 16);
            const auto diamond = [&](int d) {
                return std::vector<Point>{
                    {x + 6, y + d}, {x + d, y + 6}, {x + 6, y + 12 - d}, {x + 12 - d, y + 6}};
            };
            canvas.brush = Brush{clBtnFace, bsClear};
            if (Down()) {
                canvas.pen = Pen{clBlack};
                canvas.Polygon(diamond(0));
                canvas.Polygon(diamond(1));
            } else {
                // The lit half and the shaded half swap when checked, so it looks pressed in.
                const TColor left = checked_ ? clGray : clSilver;
                const TColor right = checked_ ? clSilver : clGray;
                canvas.pen = Pen{left};
                canvas.MoveTo(x + 6, y);
                canvas.LineTo(x, y + 6);
                canvas.LineTo(x + 6, y + 12);
                canvas.pen = Pen{right};
                canvas.LineTo(x + 12, y + 6);
                canvas.LineTo(x + 6, y);
            }
            if (checked_) {
                canvas.pen = Pen{enabled ? CheckColor() : clGray};
                const int lines[4][4] = {{5, 5, 8, 5}, {4, 6, 9, 6}, {5, 7, 8, 7}, {6, 4, 6, 9}};
                for (const auto& l : lines) {
                    canvas.MoveTo(x + l[0], y + l[1]);
                    canvas.LineTo(x + l[2], y + l[3]);
                }
            }
            break;
        }
        case btOrvik:
        case btWinXP:
            DrawBoxPicture(canvas, "HTMBRAD", look, checked_, 2, 2);
            break;
        default:
            DrawClassicButtonBox(canvas, BoxX(0, w - 13), BoxY(4, h / 2 - 6, h - 17), true,
                                 checked_, !enabled, look == btFlat);
            break;
    }
}

}  // namespace kv
