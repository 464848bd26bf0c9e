#include "ui/grid/column_display.h"

#include <cmath>
#include <unordered_map>

#include "platform/gfx/picture.h"
#include "platform/gfx/text_layout.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/grid_column.h"

namespace kv {

void TColumnDisplay::GetContentRect(Rect& rect) const {
    rect = TCalcProvider::AdjustRectEdges(ClientRect, 2, 0, -2, 0);
}

void TColumnDisplay::GetTextFlags(const std::string& text, Rect& rect, bool for_drawing,
                                  unsigned& flags) const {
    const TGrCustomColumn& column = Column();
    flags = DT_NOPREFIX;
    if (column.RightToLeft) flags |= DT_RTLREADING;
    if (column.GetAlignment() == taRightJustify) flags |= DT_RIGHT;
    if (column.GetAlignment() == taCenter) flags |= DT_CENTER;
    if (column.VerticalAlignment() == taAlignBottom) flags |= DT_BOTTOM;
    if (column.VerticalAlignment() == taVerticalCenter) flags |= DT_VCENTER;
    switch (column.WrapKind()) {
        case wkEllipsis:
            if (for_drawing) flags |= DT_END_ELLIPSIS;
            break;
        case wkPathEllipsis:
            if (for_drawing) flags |= DT_PATH_ELLIPSIS;
            break;
        case wkWordWrap:
            flags |= DT_WORDBREAK | DT_EDITCONTROL;
            break;
        case wkNone:
            break;
    }
    if (column.WrapKind() != wkWordWrap) {
        flags |= DT_SINGLELINE;
        return;
    }
    if (column.VerticalAlignment() == taAlignTop || canvas == nullptr) return;
    Rect measured = rect;
    canvas->DrawText(text, measured, (flags & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    if (column.VerticalAlignment() == taAlignBottom)
        rect.top = rect.bottom - measured.height();
    else
        rect.top += static_cast<int>(std::nearbyint((rect.bottom - measured.bottom) / 2.0));
}

namespace {

// Cell texts drawn once into pictures and then copied: a page of cells repaints the same few
// hundred texts again and again (scrolling, selection, hover), and laying a text out and
// shaping it costs several times what copying its pixels does.
class TextPictureCache {
  public:
    // The picture of one line of text in the font and its colour, with kMargin pixels of room on
    // every side for glyphs that reach past their advance.
    static constexpr int kMargin = 2;
    const Picture& Get(const Font& font, const std::string& text, int width, int height) {
        Key key{font, text};
        if (const auto it = pictures_.find(key); it != pictures_.end()) return it->second;
        // Bounded: a grid scrolled through thousands of rows must not grow it without end.
        if (pictures_.size() >= 2048) pictures_.clear();
        Picture picture(width + 2 * kMargin, height + 2 * kMargin);
        {
            Canvas c(picture);
            c.font = font;
            c.brush.style = bsClear;
            c.bk_mode = BkMode::Transparent;
            c.TextOut(kMargin, kMargin, text);
        }
        return pictures_.emplace(std::move(key), std::move(picture)).first->second;
    }

  private:
    struct Key {
        Font font;
        std::string text;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        size_t operator()(const Key& k) const {
            size_t h = std::hash<std::string>()(k.text);
            h ^= std::hash<std::string>()(k.font.name) + 0x9e3779b9 + (h << 6) + (h >> 2);
            h ^= static_cast<size_t>(k.font.size) * 31u + static_cast<size_t>(k.font.style) * 7u +
                 static_cast<size_t>(k.font.color) * 131u + static_cast<size_t>(k.font.angle);
            return h;
        }
    };
    std::unordered_map<Key, Picture, KeyHash> pictures_;
};

TextPictureCache& CellTextPictures() {
    static TextPictureCache cache;
    return cache;
}

}  // namespace

void TColumnDisplay::DrawCellText(const std::string& text, Rect rect) {
    if (!canvas) return;
    unsigned flags = 0;
    GetTextFlags(text, rect, true, flags);
    canvas->brush.style = bsClear;
    // One plain line that fits is placed here exactly as DrawText would place it, and copied
    // from its picture.
    const bool plain_line = (flags & DT_SINGLELINE) && (flags & DT_NOPREFIX) &&
                            !(flags & (DT_EXPANDTABS | DT_NOCLIP)) && canvas->font.angle == 0 &&
                            !text.empty() && text.find_first_of("\r\n") == std::string::npos;
    const int width = plain_line ? MeasureTextWidth(canvas->font, text) : 0;
    if (plain_line && width <= rect.width()) {
        int x = rect.left;
        if (flags & DT_CENTER)
            x += (rect.width() - width) / 2;
        else if (flags & DT_RIGHT)
            x += rect.width() - width;
        const int line_height = MeasureFontMetrics(canvas->font).height();
        int y = rect.top;
        if (flags & DT_VCENTER)
            y += (rect.height() - line_height) / 2;
        else if (flags & DT_BOTTOM)
            y = rect.bottom - line_height;
        const Picture& picture =
            CellTextPictures().Get(canvas->font, text, width, line_height);
        canvas->Save();
        canvas->IntersectClipRect(rect);
        canvas->Draw(x - TextPictureCache::kMargin, y - TextPictureCache::kMargin, picture);
        canvas->Restore();
    } else {
        canvas->DrawText(text, rect, flags);
    }
    canvas->brush.style = bsSolid;
}

void TColumnDisplay::DrawHintCorner() {
    if (!canvas) return;
    canvas->pen.color = clRed;
    canvas->brush.color = clRed;
    canvas->brush.style = bsSolid;
    const Rect& r = ClientRect;
    canvas->Polygon({{r.right - 5, r.top}, {r.right - 1, r.top}, {r.right - 1, r.top + 4}});
}

void TColumnDisplay::MeasureText(Size& size) {
    size = {};
    if (!canvas) return;
    Rect rect;
    GetContentRect(rect);
    unsigned flags = 0;
    GetTextFlags(AsString, rect, false, flags);
    canvas->DrawText(AsString, rect, flags | DT_NOCLIP | DT_CALCRECT);
    size = {rect.width(), rect.height()};
}

int TColumnDisplay::GetContentWidth() {
    Size size;
    MeasureText(size);
    return size.cx;
}

int TColumnDisplay::GetContentHeight() {
    Size size;
    MeasureText(size);
    Rect content;
    GetContentRect(content);
    return size.cy + ClientRect.height() - content.height();
}

void TColumnDisplay::Paint() {
    Rect rect;
    GetContentRect(rect);
    DrawCellText(AsString, rect);
}

void TColumnDisplay::FillCellRect(TColor color, bool fill) {
    if (!canvas) return;
    canvas->brush.color = color;
    canvas->brush.style = bsSolid;
    if (fill)
        canvas->FillRect(ClientRect);
    else
        canvas->FrameRect(ClientRect);
}

void TColumnPlay::Paint() {
    TColumnDisplay& display = Column().Display();
    display.AsBoolean = AsBoolean;
    display.Paint();
}

}  // namespace kv
