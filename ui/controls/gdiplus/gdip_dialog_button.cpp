#include "ui/controls/gdiplus/gdip_dialog_button.h"

#include <algorithm>
#include <cmath>

#include "ui/markup/ui_gdip_picture.h"

namespace kv {
namespace {

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

GraphicsPath CreateRingPath(const Rect& r, float radius, TFillRoundingType type, int width) {
    GraphicsPath path;
    AddRoundRectFigure(path, ToRectF(r), radius, type);
    const Rect inner = r.inflate(-width, -width);
    if (inner.right > inner.left && inner.bottom > inner.top) {
        AddRoundRectFigure(path, ToRectF(inner), radius, type);
    }
    return path;
}

void TGDIPDialogButton::Assign(const TGDIPDialogButton& source) {
    font_ = source.font_;
    layout_ = source.layout_;
    spacing_ = source.spacing_;
    Changed();
}

void TGDIPDialogButton::DrawButton(Graphics& g, std::string_view caption, const Rect& r,
                                   const DialogButtonLook& look,
                                   const TUiGDIPPicture* picture) const {
    if (r.empty()) return;
    const float x = float(r.left), y = float(r.top), w = float(r.width()), h = float(r.height());
    const ARGB face = ColorToARGB(look.opacity, look.color);
    g.FillPath(GraphicsBrush::LinearGradient(RectF{x - 1, y - 1, w + 2, h + 2}, face, face,
                                             LinearGradientMode::Vertical),
               CreateRoundRectPath({x, y, w, h}, 4, rtBoth));
    const RectF gloss{x, y, w, h / 2};
    g.FillPath(GraphicsBrush::LinearGradient(
                   RectF{gloss.x - 1, gloss.y - 1, gloss.width + 2, gloss.height + 2}, 0x7DFFFFFF,
                   0x1EFFFFFF, LinearGradientMode::Vertical),
               CreateRoundRectPath(gloss, 4, rtTop));
    if (look.border && look.border_width > 0 && look.border_color != clNone) {
        g.FillPath(GraphicsBrush::Solid(ColorToARGB(look.border_opacity, look.border_color)),
                   CreateRingPath(r, 4, rtBoth, look.border_width));
    }

    const bool has_picture = picture && !picture->Empty();
    int pw = 0, ph = 0;
    if (has_picture) {
        const_cast<TUiGDIPPicture*>(picture)->UpdateImageSize();
        pw = picture->Width();
        ph = picture->Height();
    }
    RectF box = look.pressed ? RectF{x + 1, y + 1, w, h} : RectF{x, y, w, h};
    PointF o{};
    float mw = 0, mh = 0;
    Font font = font_;
    font.style &= static_cast<FontStyles>(fsBold | fsItalic | fsUnderline);
    StringFormat format;
    format.hotkey_prefix = HotkeyPrefix::Show;
    if (!caption.empty()) {
        if (has_picture) {
            if (layout_ == blPictureLeft || layout_ == blPictureRight) box.width -= pw + spacing_;
            if (layout_ == blPictureBottom || layout_ == blPictureTop) box.height -= ph + spacing_;
        }
        const StringMeasure m = g.MeasureString(caption, font, box, format);
        mw = m.bounds.width;
        mh = m.bounds.height;
        o = {box.x + (box.width - mw) / 2, box.y + (box.height - mh) / 2};
        if (has_picture) {
            switch (layout_) {
                case blPictureLeft:
                    o.x = std::max(o.x, float(spacing_)) + pw + spacing_;
                    break;
                case blPictureRight:
                    if (o.x < spacing_) {
                        o.x = float(spacing_);
                        mw = w - pw - 2 * spacing_;
                        box.width = mw;
                    }
                    break;
                case blPictureTop:
                    o.y += ph + spacing_;
                    break;
                case blPictureBottom:
                case blNone:
                    break;
            }
        }
        box = {o.x, o.y, mw, mh};
    }
    if (has_picture) {
        const int px = (r.width() - pw) / 2 + (look.pressed ? 2 : 0);
        const int py = (r.height() - ph) / 2 + (look.pressed ? 2 : 0);
        Point at{r.left + px, r.top + py};
        if (!caption.empty() && layout_ != blNone) {
            switch (layout_) {
                case blPictureLeft:
                    at.x = RoundEven(o.x - pw - spacing_);
                    break;
                case blPictureRight:
                    at.x = RoundEven(o.x + mw + spacing_);
                    break;
                case blPictureBottom:
                    at.y = RoundEven(o.y + mh + spacing_);
                    break;
                case blPictureTop:
                    at.y = RoundEven(o.y - ph - spacing_);
                    break;
                case blNone:
                    break;
            }
        }
        picture->DrawOnGraphics(g, RectOfSize(at.x, at.y, pw, ph));
    }
    if (!caption.empty()) {
        const GraphicsBrush brush = GraphicsBrush::Solid(ColorToARGB(255, font_.color));
        if (look.caption_in_box) {
            g.DrawString(caption, font, box, format, brush);
        } else {
            g.DrawString(caption, font, RectF{o.x, o.y, 0, 0}, format, brush);
        }
    }
}

}  // namespace kv
