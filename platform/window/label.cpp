#include "platform/window/label.h"

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/classic_look.h"

namespace kv {

Label::Label() {
    UseParentColor();
    SetBounds(0, 0, 65, 13);
}

void Label::SetAutoSize(bool on) {
    auto_size_ = on;
    AdjustBounds();
}

void Label::SetWordWrap(bool on) {
    word_wrap_ = on;
    AdjustBounds();
    Invalidate();
}

void Label::SetAlignment(Alignment alignment) {
    alignment_ = alignment;
    AdjustBounds();
    Invalidate();
}

unsigned Label::TextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    if (word_wrap_) flags |= DT_WORDBREAK;
    if (!show_accel_char) flags |= DT_NOPREFIX;
    if (alignment_ == taCenter) flags |= DT_CENTER;
    if (alignment_ == taRightJustify) flags |= DT_RIGHT;
    return flags;
}

void Label::AdjustBounds() {
    if (!auto_size_ || AlignMode() == alClient || adjusting_) return;
    // An empty caption still takes one line, as an empty label keeps its height.
    const std::string text = Caption().empty() ? " " : Caption();
    const TextBlock block = LayoutText(text, font(), word_wrap_ ? given_.width() : 1 << 20,
                                       TextFlags() & ~(DT_CENTER | DT_RIGHT));
    const int width = word_wrap_ ? given_.width() : block.width;
    const int left = alignment_ == taRightJustify ? given_.right - width : given_.left;
    adjusting_ = true;
    SetBounds(left, given_.top, width, block.height);
    adjusting_ = false;
    adjusted_ = BoundsRect();
}

void Label::BoundsGiven() {
    if (adjusting_ || BoundsRect() == adjusted_) return;
    given_ = BoundsRect();
    AdjustBounds();
}

bool Label::Accelerator(char32_t ch) {
    if (!focus_control || !show_accel_char || ch == 0 || AcceleratorOf(Caption()) != LowerChar(ch))
        return false;
    focus_control->SetFocus();
    return true;
}

void Label::Resized() {
    BoundsGiven();
    Control::Resized();
}

void Label::Moved() { BoundsGiven(); }

void Label::Paint(Canvas& canvas) {
    const Rect all{0, 0, Width(), Height()};
    if (!transparent) {
        canvas.brush = Brush{Color()};
        canvas.FillRect(all);
    }
    canvas.bk_mode = BkMode::Transparent;
    Rect r = all;
    unsigned flags = TextFlags();
    if (layout != tlTop) {
        Rect measure = r;
        canvas.DrawText(Caption(), measure, flags | DT_CALCRECT);
        const int dy = layout == tlCenter ? (Height() - measure.height()) / 2 : Height() - measure.height();
        r.top += dy;
    }
    DrawControlText(canvas, *this, r, flags);
    Control::Paint(canvas);
}

}  // namespace kv
