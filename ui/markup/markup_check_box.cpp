#include "ui/markup/markup_check_box.h"

#include "platform/window/classic_look.h"

namespace kv {

void TCustomMarkupCheckBox::SetState(TCheckBoxState state) {
    if (state_ == state) return;
    state_ = state;
    // Only the box changes: the 20 pixels on its side repaint.
    Invalidate();
}

void TCustomMarkupCheckBox::Toggle() {
    if (!read_only) SetCheckedState(!CheckedState());
}

void TCustomMarkupCheckBox::Activate() {
    Toggle();
    FireClick();
}

int TCustomMarkupCheckBox::CaptionOffset(TButtonType look) const {
    return look == btOrvik || look == btWinXP ? 22 : 17;
}

void TCustomMarkupCheckBox::PaintBox(Canvas& canvas, TButtonType look) {
    const int w = Width(), h = Height();
    const bool enabled = EnabledInTree();
    const bool checked = state_ == cbChecked;
    switch (look) {
        case btBorland: {
            const int x = BoxX(1, w - 13), y = BoxY(4, h / 2 - 6, h - 16);
            if (Down()) {
                canvas.pen = Pen{clBlack, 2};
                canvas.brush = Brush{clBtnFace};
                canvas.Rectangle(x + 1, y + 1, x + 13, y + 13);
            } else {
                canvas.pen = Pen{clBtnFace};
                canvas.brush = Brush{clBtnFace};
                canvas.Rectangle(x, y, x + 12, y + 12);
                canvas.pen = Pen{clBtnHighlight};
                canvas.MoveTo(x, y + 11);
                canvas.LineTo(x, y);
                canvas.LineTo(x + 11, y);
                canvas.pen = Pen{clBtnShadow};
                canvas.LineTo(x + 11, y + 11);
                canvas.LineTo(x, y + 11);
            }
            if (checked) {
                canvas.pen = Pen{enabled ? CheckColor() : clGray};
                const int lines[4][4] = {
                    {2, 6, 2, 10}, {3, 5, 3, 9}, {2, 10, 10, 2}, {3, 10, 11, 2}};
                for (const auto& l : lines) {
                    canvas.MoveTo(x + l[0], y + l[1]);
                    canvas.LineTo(x + l[2], y + l[3]);
                }
            } else if (state_ == cbGrayed) {
                if (Down()) {
                    canvas.brush = Brush{clBtnFace};
                    canvas.FillRect({x + 2, y + 2, x + 11, y + 11});
                }
                canvas.brush = Brush{clBtnShadow};
                canvas.FillRect({x + 2, y + 2, x + 11, y + 11});
            }
            break;
        }
        case btOrvik:
        case btWinXP:
            // Without visual styles the themed look is drawn from the game's own pictures.
            DrawBoxPicture(canvas, "HTMBCHK", look, checked, look == btOrvik ? 0 : 2, 0);
            break;
        default:
            DrawClassicButtonBox(canvas, BoxX(0, w - 13), BoxY(4, h / 2 - 6, h - 17), false,
                                 checked, state_ == cbGrayed || !enabled, look == btFlat);
            break;
    }
}

}  // namespace kv
