#include "ui/grid/progress_column.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/gfx/canvas.h"
#include "ui/grid/draw_helpers.h"

namespace kv {

TGrProgressColumn::TGrProgressColumn(std::string name) : TGrCustomColumn(std::move(name)) {
    SetColumnKind(ckFloat);
    SetSortType(stNumeric);
}

double TGrProgressColumn::Percent(double value) const {
    if (Max <= 0) return 0;
    return TCalcProvider::GetPercent(value, Max);
}

std::unique_ptr<TColumnDisplay> TGrProgressColumn::CreateDisplay() {
    return std::make_unique<TProgressColumnDisplay>(*this);
}

void TProgressColumnDisplay::Paint() {
    auto* column = dynamic_cast<TGrProgressColumn*>(&Column());
    if (!column || !canvas) return;
    const double value = AsFloat;
    if (value == 0 && column->HideWhenEmpty) return;
    const double percent = column->Percent(value);
    Rect r = TCalcProvider::AdjustRectEdges(ClientRect, column->Margin, column->Margin,
                                            -column->Margin, -column->Margin);
    if (column->ProgressHeight > 0) {
        int top = r.top;
        if (column->VerticalAlignment() == taAlignBottom) top = r.bottom - column->ProgressHeight;
        if (column->VerticalAlignment() == taVerticalCenter)
            top = r.top + r.height() / 2 - column->ProgressHeight / 2;
        r.top = top;
        r.bottom = top + column->ProgressHeight;
    }
    if (column->ShowText && column->TextPosition == tpBeside) r.left += 30;
    if (!r.empty()) {
        canvas->pen.color = column->BorderColor;
        canvas->brush.color = column->Color();
        canvas->brush.style = column->Transparent ? bsClear : bsSolid;
        if (column->RoundCorners)
            canvas->RoundRect(r, 4, 4);
        else
            canvas->Rectangle(r);
        canvas->brush.style = bsSolid;
    }
    Rect bar = TCalcProvider::AdjustRectEdges(r, 2, 2, -2, -2);
    // Below 0 the bar stays empty: it never grows leftwards.
    const double fraction = std::max(0.0, percent) / 100;
    bar.right =
        std::min(bar.left + static_cast<int>(std::lround(bar.width() * fraction)), r.right - 2);
    TColor color = column->LowValueColor;
    if (value >= column->HighValueBound)
        color = column->HighValueColor;
    else if (value > column->LowValueBound)
        color = column->ProgressColor;
    if (!bar.empty()) {
        canvas->brush.color = color;
        switch (column->ProgressStyle) {
            case TProgressStyle::psSolid:
                canvas->FillRect(bar);
                break;
            case TProgressStyle::psBoxes: {
                // Blocks at least a pixel wide, so a thin bar still ends.
                const int block = std::max(1, static_cast<int>(std::nearbyint(bar.height() / 1.5)));
                for (int x = bar.left; x + block <= bar.right; x += block + 2)
                    canvas->FillRect({x, bar.top, x + block, bar.bottom});
                break;
            }
            case TProgressStyle::psGradient:
                TGraphicsProvider::DrawHorizontalGradient(*canvas, bar, column->Color(), color);
                break;
            case TProgressStyle::psCylinder:
                TGraphicsProvider::DrawVerticalGradient(*canvas, bar, column->Color(), color);
                break;
        }
    }
    if (column->ShowText) {
        char text[48];
        std::snprintf(text, sizeof text, "%.*f%%", std::clamp(column->Precision, 0, 10), percent);
        if (column->TextPosition == tpInside) canvas->font.color = column->GetFont().color;
        Rect content;
        GetContentRect(content);
        DrawCellText(text, content);
    }
}

}  // namespace kv
