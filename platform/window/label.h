#pragma once
// A text label: sizes itself to its caption unless told not to, wraps words, aligns, and paints
// its parent's colour behind the text unless transparent.

#include "platform/window/control.h"

namespace kv {

enum Alignment { taLeftJustify, taRightJustify, taCenter };
enum TextLayout { tlTop, tlCenter, tlBottom };

class Label : public Control {
public:
    Label();

    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool on);
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);
    TextLayout layout = tlTop;
    bool show_accel_char = true;
    Control* focus_control = nullptr;  // what the label's accelerator focuses

    // Sizes the label to its text now (done on every change of caption, font or wrapping).
    void AdjustBounds();
    void Paint(Canvas& canvas) override;
    bool Accelerator(char32_t ch) override;

protected:
    void CaptionChanged() override { AdjustBounds(); }
    void FontChanged() override { AdjustBounds(); }
    // An auto-sized label keeps the size of its text whatever size it is given; the bounds it
    // was given still say where its text goes (the right edge when right-justified) and how wide
    // wrapped text may be.
    void Resized() override;
    void Moved() override;
    unsigned TextFlags() const;

private:
    void BoundsGiven();
    bool auto_size_ = true;
    bool adjusting_ = false;
    Rect given_{0, 0, 65, 13};
    Rect adjusted_;  // the bounds the last adjustment chose
    bool word_wrap_ = false;
    Alignment alignment_ = taLeftJustify;
};

}  // namespace kv
