#include "ui/grid/column_drag.h"

#include <cstdlib>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/window/screen.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/editors/popup_control.h"
#include "ui/grid/grid_column.h"
#include "ui/grid/grid_control.h"

namespace kv {

namespace {

// The arrow's outline: a shaft and a head, pointing up (1) or down (2).
std::vector<Point> ArrowOutline(int direction) {
    if (direction == TDragArrow::kUp)
        return {{-1, 5}, {4, -1}, {9, 5}, {6, 5}, {6, 9}, {3, 9}, {3, 4}, {0, 5}};
    if (direction == TDragArrow::kDown)
        return {{5, 0}, {3, 0}, {3, 4}, {0, 4}, {4, 9}, {9, 4}, {6, 4}, {6, 0}};
    return {};
}

// Even-odd test of a pixel's centre against a polygon.
bool PolygonContains(const std::vector<Point>& poly, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const double xi = poly[i].x, yi = poly[i].y, xj = poly[j].x, yj = poly[j].y;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}

}  // namespace

// --- drag box

TColumnDragBox::TColumnDragBox(Control& grid) : grid_(&grid) {
    SetName(grid.Name() + "_arrasto");
    StartHidden();
    SetBorderStyle(bsNone);
    form_style = fsStayOnTop;
    ReturnActivationTo(*this, [this] { return grid_; });
}

void TColumnDragBox::BeginDrag(bool hidden, TGrCustomColumn& column) {
    SetFont(grid_->font());
    Column = &column;
    if (!hidden) SetVisible(true);
    Invalidate();
    Screen::Get().SetCapture(this);
}

void TColumnDragBox::MouseMove(ShiftState shift, int x, int y) {
    Form::MouseMove(shift, x, y);
    const Point p = ClientToScreen({x, y});
    if (OnMove) OnMove(*this, p.x, p.y);
    // Centred on the pointer, its bottom edge a little below it.
    SetBounds(p.x - ClientWidth() / 2, p.y - ClientHeight() + 4, Width(), Height());
}

void TColumnDragBox::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    Form::MouseUp(button, shift, x, y);
    if (button != mbLeft) return;
    const Point p = ClientToScreen({x, y});
    Hide();
    if (OnDrop) OnDrop(*this, p.x, p.y);
}

void TColumnDragBox::ApplicationDeactivated() {
    Cancel();
}

void TColumnDragBox::Cancel() {
    if (!Visible() && Screen::Get().Capture() != this) return;
    if (Screen::Get().Capture() == this) Screen::Get().ReleaseMouse();
    Hide();
    if (OnCancel) OnCancel(*this);
}

void TColumnDragBox::Paint(Canvas& canvas) {
    const Rect r{0, 0, ClientWidth(), ClientHeight()};
    TGraphicsProvider::DrawButtonFace(canvas, r);
    if (Column) {
        // The header as the grid draws it, without the sort mark: the box shows what moves.
        canvas.font = font();
        TGraphicsProvider::DrawTextAligned(canvas, {r.left + 4, r.top, r.right - 4, r.bottom - 1},
                                           Column->Header().alignment, Column->Header().Caption(),
                                           false);
    }
    canvas.pen = Pen{clBlack};
    canvas.MoveTo(0, r.bottom - 1);
    canvas.LineTo(r.right - 1, r.bottom - 1);
    canvas.LineTo(r.right - 1, -1);
}

// --- arrows

TDragArrow::TDragArrow(Control& grid) {
    SetName(grid.Name() + "_seta");
    StartHidden();
    SetBorderStyle(bsNone);
    form_style = fsStayOnTop;
    // Only the arrow's own pixels are painted; the rest shows what lies beneath.
    layered = true;
    SetBounds(0, 0, kSize, kSize);
    ReturnActivationTo(*this, [&grid] { return &grid; });
}

void TDragArrow::SetDirection(int value) {
    direction_ = value;
    Invalidate();
}

bool TDragArrow::InShape(Point p) const {
    return PolygonContains(ArrowOutline(direction_), p.x + 0.5, p.y + 0.5);
}

void TDragArrow::Paint(Canvas& canvas) {
    const std::vector<Point> outline = ArrowOutline(direction_);
    if (outline.empty()) return;
    canvas.pen = Pen{clRed};
    canvas.brush = Brush{clRed};
    canvas.Polygon(outline);
}

// --- the grid's side

TColumnDragBox& TGrCustomGridControl::DragBox() {
    if (!drag_box_) {
        drag_box_ = std::make_unique<TColumnDragBox>(*this);
        drag_box_->OnMove = [this](TColumnDragBox&, int x, int y) { ColumnDragMove(x, y); };
        drag_box_->OnDrop = [this](TColumnDragBox&, int x, int y) { ColumnDragDrop(x, y); };
        drag_box_->OnCancel = [this](TColumnDragBox&) { EndColumnDrag(); };
        top_arrow_ = std::make_unique<TDragArrow>(*this);
        top_arrow_->SetDirection(TDragArrow::kDown);
        bottom_arrow_ = std::make_unique<TDragArrow>(*this);
        bottom_arrow_->SetDirection(TDragArrow::kUp);
    }
    return *drag_box_;
}

void TGrCustomGridControl::ArmColumnDrag(int col) {
    TGrCustomColumn& column = columns_->GetItem(col);
    dragged_column_ = column.Options().Has(coCanClick) ? &column : nullptr;
}

bool TGrCustomGridControl::ColumnDragMouseMove(ShiftState shift, int x, int y) {
    if (column_dragging_) return true;
    TGrCustomColumn* column = dragged_column_;
    if (!column || !(shift & ssLeft) || column->Options().Has(coDisableMoving) ||
        options_.Has(goDisableColumnMoving))
        return false;
    if (std::abs(x - mouse_down_point_.x) <= 3 && std::abs(y - mouse_down_point_.y) <= 3)
        return false;
    if (!Screen::Current()) return false;
    column_dragging_ = true;
    if (pressed_header_column_) RefreshHeaderCell(*pressed_header_column_);
    pressed_header_column_ = nullptr;
    TColumnDragBox& box = DragBox();
    const Point at = ClientToScreen({ColumnClientLeft(*column), 0});
    box.SetBounds(at.x, at.y, column->Width(), HeaderSize);
    box.BeginDrag(false, *column);
    return true;
}

Rect TGrCustomGridControl::ColumnDropZone() const {
    const Rect header = GetHeaderRect();
    return {0, 0, std::min(header.right, ClientWidth()), BodyRect().top};
}

int TGrCustomGridControl::DropPositionForColumn(const TGrCustomColumn& dragged, int x) const {
    int result = dragged.Position();
    const TGrCustomColumn* prev = nullptr;
    for (int p = 0; p < columns_->Count(); ++p) {
        const TGrCustomColumn& k = columns_->GetPositionItem(p);
        if (!k.Visible() && &k != &dragged) continue;
        const int left = ColumnClientLeft(k);
        const int right = left + k.Width();
        if (x >= left && x <= right) {
            if (&k != &dragged) {
                const bool right_half = x >= left + k.Width() / 2;
                if (right_half)
                    result = dragged.Position() >= k.Position() ? k.Position() + 1 : k.Position();
                else if (k.Position() < dragged.Position())
                    result = k.Position();
                else
                    result = prev ? prev->Position() : k.Position();
                const int fixed_right =
                    (options_.Has(goIndicator) ? 12 : 0) + columns_->FixedWidth();
                if (result >= FixedCols() && left < fixed_right) result = dragged.Position();
            }
            break;
        }
        prev = &k;
    }
    return std::min(result, columns_->Count() - 1);
}

bool TGrCustomGridControl::DropAllowed(const TGrCustomColumn& dragged, int to) const {
    return !options_.Has(goLockFixedCols) ||
           (to >= FixedCols() && dragged.Position() >= FixedCols());
}

void TGrCustomGridControl::HideDropArrows() {
    if (top_arrow_) top_arrow_->Hide();
    if (bottom_arrow_) bottom_arrow_->Hide();
}

void TGrCustomGridControl::PlaceDropArrows(int from, int to) {
    if (from == to || !top_arrow_) {
        HideDropArrows();
        return;
    }
    const TGrCustomColumn& target = columns_->GetPositionItem(to);
    const bool first_or_only = columns_->FirstVisibleColumn() == &target;
    const bool dragged_hidden = dragged_column_ && !dragged_column_->Visible();
    int x = ColumnClientLeft(target);
    if (from < to && (dragged_hidden || !first_or_only)) x += target.Width();
    const Point p = ClientToScreen({x, 0});
    top_arrow_->SetBounds(p.x - 4, p.y - 12, TDragArrow::kSize, TDragArrow::kSize);
    bottom_arrow_->SetBounds(p.x - 4, p.y + HeaderSize - 1, TDragArrow::kSize, TDragArrow::kSize);
    top_arrow_->SetVisible(true);
    bottom_arrow_->SetVisible(true);
}

void TGrCustomGridControl::ColumnDragMove(int screen_x, int screen_y) {
    if (!dragged_column_) return;
    const Point p = ScreenToClient({screen_x, screen_y});
    Screen& screen = Screen::Get();
    if (ColumnDropZone().contains(p)) {
        const int to = DropPositionForColumn(*dragged_column_, p.x);
        if (DropAllowed(*dragged_column_, to)) {
            if (columns_->GetPositionItem(to).Visible())
                PlaceDropArrows(dragged_column_->Position(), to);
            screen.SetScreenCursor(crDefault);
            return;
        }
    }
    HideDropArrows();
    screen.SetScreenCursor(crNoDrop);
}

void TGrCustomGridControl::ColumnDragDrop(int screen_x, int screen_y) {
    Screen::Get().SetScreenCursor(crDefault);
    TGrCustomColumn* column = dragged_column_;
    if (column) {
        const Point p = ScreenToClient({screen_x, screen_y});
        if (ColumnDropZone().contains(p)) {
            const int to = DropPositionForColumn(*column, p.x);
            if (DropAllowed(*column, to) && to != column->Position())
                columns_->MoveColumn(column->Position(), to);
        } else if (options_.Has(goCanHideColumn)) {
            column->SetVisible(false);
        }
    }
    EndColumnDrag();
}

void TGrCustomGridControl::EndColumnDrag() {
    if (Screen* screen = Screen::Current()) screen->SetScreenCursor(crDefault);
    dragged_column_ = nullptr;
    pressed_header_column_ = nullptr;
    mouse_down_point_ = {-1, -1};
    column_dragging_ = false;
    HideDropArrows();
    Invalidate();
}

}  // namespace kv
