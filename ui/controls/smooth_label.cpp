#include "ui/controls/smooth_label.h"

#include <cmath>

#include "platform/gfx/colour_contrast.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/drawn_text.h"
#include "platform/gfx/gdiplus.h"
#include "platform/gfx/picture.h"
#include "ui/controls/gdiplus/text_brush.h"
#include "ui/markup/encoded_picture.h"

namespace kv {
namespace {

constexpr std::uint32_t kLabelVersion = 0x01060002;

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// A GDI+ font of the caption's family ("Arial" when unknown), size and style.
std::unique_ptr<TGPFont> CaptionFont(const Font& font) {
    Font f = font;
    f.style &= static_cast<FontStyles>(fsBold | fsItalic | fsUnderline);
    return MakeFont(f);
}

}  // namespace

// ---- caption

TUiSmoothLabelCaption::TUiSmoothLabelCaption(TUiSmoothLabel& owner)
    : SmoothCaptionText(20, 0xFFE09F, 0x754F00, plCenterCenter), owner_(owner) {
    OnChange = [&owner] { owner.Changed(); };
}

void TUiSmoothLabelCaption::TextSet() {
    if (this == &owner_.Caption() && owner_.AutoShadowCaption()) {
        owner_.CaptionShadow().SetText(text_);
    }
}

void TUiSmoothLabelCaption::Assign(const TUiSmoothLabelCaption& s) {
    if (&s == this) return;
    CopyPlaceAndBrush(s);
    text_ = s.text_;
    Changed();
}

// ---- label

TUiSmoothLabel::TUiSmoothLabel() {
    SetBounds(0, 0, 280, 50);
    fill_.OnChange = [this] { Changed(); };
}

void TUiSmoothLabel::Assign(const TUiSmoothLabel& s) {
    if (&s == this) return;
    auto_shadow_caption_ = s.auto_shadow_caption_;
    auto_size_ = s.auto_size_;
    fill_.Assign(s.fill_);
    caption_.Assign(s.caption_);
    shadow_.Assign(s.shadow_);
    transparent_ = s.transparent_;
    word_wrap_ = s.word_wrap_;
    text_rendering_ = s.text_rendering_;
    shadow_visible_ = s.shadow_visible_;
    shadow_top_ = s.shadow_top_;
    shadow_left_ = s.shadow_left_;
    Changed();
}

std::string TUiSmoothLabel::Version() const {
    return FormatVersion(kLabelVersion);
}

void TUiSmoothLabel::Changed() {
    if (auto_size_) AdjustSize();
    Invalidate();
    if (on_change) on_change();
}

void TUiSmoothLabel::SetAutoSize(bool on) {
    if (auto_size_ == on) return;
    auto_size_ = on;
    // Switching off fits the label once more, then it stops following the text.
    const bool keep = auto_size_;
    auto_size_ = true;
    AdjustSize();
    auto_size_ = keep;
}

void TUiSmoothLabel::FontChanged() {
    Control::FontChanged();
    if (ParentFont()) return;
    caption_.SetFont(font());
    shadow_.SetFont(font());
}

void TUiSmoothLabel::CaptionChanged() {
    Control::CaptionChanged();
    caption_.SetText(Control::Caption());
}

void TUiSmoothLabel::Resized() {
    Control::Resized();
    if (auto_size_) AdjustSize();
}

StringFormat TUiSmoothLabel::FormatFor(const TUiSmoothLabelCaption& k) const {
    StringFormat format;
    format.flags = word_wrap_ ? 0 : StringFormatFlagsNoWrap;
    if (word_wrap_ && k.Location() != plCustom) {
        const int column = LocationColumn(k.Location());
        format.align = column == 0   ? StringAlignment::Near
                       : column == 1 ? StringAlignment::Center
                                     : StringAlignment::Far;
    }
    return format;
}

void TUiSmoothLabel::AdjustSize() {
    if (sizing_ || !auto_size_) return;
    const std::unique_ptr<TGPFont> font = CaptionFont(caption_.GetFont());
    if (!font->Native()) return;
    kv::Picture surface(1, 1);
    Graphics g(surface);
    const StringMeasure m = g.MeasureString(caption_.Text(), *font->Native(), {0, 0, 10000, 10000},
                                            FormatFor(caption_));
    sizing_ = true;
    SetBounds(Left(), Top(), RoundEven(m.bounds.width + 2), RoundEven(m.bounds.height + 2));
    sizing_ = false;
}

void TUiSmoothLabel::Paint(Canvas& canvas) {
    if (Width() < 2 || Height() < 2) return;
    Graphics g(canvas);
    g.SetSmoothing(true);
    RectF r{0, 0, float(Width() - 1), float(Height() - 1)};
    if (!transparent_) r = fill_.DrawFill(g, r);
    if (!shadow_.Text().empty() && shadow_visible_) {
        // The shadow is part of the caption it shades: no ring of its own.
        const TextRings plain(false);
        DrawCaption(g, shadow_, r, float(shadow_left_), float(shadow_top_));
    }
    if (!caption_.Text().empty()) DrawCaption(g, caption_, r, 0, 0);
}

void TUiSmoothLabel::DrawCaption(Graphics& g, const TUiSmoothLabelCaption& k, const RectF& r,
                                 float ox, float oy) const {
    const std::unique_ptr<TGPFont> font = CaptionFont(k.GetFont());
    if (!font->Native()) return;
    const StringFormat format = FormatFor(k);
    const StringMeasure m = g.MeasureString(k.Text(), *font->Native(), r, format);
    const float w = m.bounds.width, h = m.bounds.height;
    float x = 0, y = 0;
    if (k.Location() == plCustom) {
        x = float(caption_.Left());
        y = float(caption_.Top());
    } else {
        const int column = LocationColumn(k.Location()), row = LocationRow(k.Location());
        const float dx = r.width - w, dy = r.height - h;
        x = column == 0 ? 0 : column == 1 ? dx / 2 : dx;
        y = row == 0 ? 0 : row == 1 ? dy / 2 : dy;
    }
    x += ox;
    y += oy;
    if (fill_.ShadowType() == stSurround) {
        x += float(fill_.ShadowOffset());
        y += float(fill_.ShadowOffset());
    }
    const RectF box{x, y, w, h};
    if (const auto brush = MakeTextBrush(k.BrushLook(), box)) {
        g.DrawString(k.Text(), *font->Native(), box, format, *brush);
    }
}

void ShowGradientText(TUiSmoothLabel& label, TUiSmoothLabel* shadow, const std::string& text,
                      TColor from, TColor to, std::optional<TColor> under) {
    if (under) {
        auto readable = [&](TColor c) {
            return static_cast<TColor>(ReadableTextColour(static_cast<std::uint32_t>(c),
                                                          {static_cast<std::uint32_t>(*under)}));
        };
        from = readable(from);
        to = readable(to);
    }
    label.Caption().SetGradientType(gtVertical);
    label.Caption().SetColorStart(from);
    label.Caption().SetColorEnd(to);
    label.SetCaption(text);
    if (!shadow) return;
    shadow->SetRingsUnreadableText(false);
    // The shadow sets the letters off: black under light letters, white under dark ones (a
    // black shadow under black letters only blurs them).
    auto sets_off = [&](TColor shade) {
        return ContrastRatio(static_cast<std::uint32_t>(from), static_cast<std::uint32_t>(shade)) >=
                   kReadableContrast &&
               ContrastRatio(static_cast<std::uint32_t>(to), static_cast<std::uint32_t>(shade)) >=
                   kReadableContrast;
    };
    const TColor shade = sets_off(clBlack) || !sets_off(clWhite) ? clBlack : clWhite;
    shadow->Caption().SetGradientType(gtSolid);
    shadow->Caption().SetColorStart(shade);
    shadow->Caption().SetColorEnd(clNone);
    shadow->SetCaption(text);
}

}  // namespace kv
