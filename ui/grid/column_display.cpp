#include "ui/grid/column_display.h"

#include <cmath>

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

void TColumnDisplay::DrawCellText(const std::string& text, Rect rect) {
    if (!canvas) return;
    unsigned flags = 0;
    GetTextFlags(text, rect, true, flags);
    canvas->brush.style = bsClear;
    canvas->DrawText(text, rect, flags);
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
