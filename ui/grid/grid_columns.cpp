#include "ui/grid/grid_columns.h"

#include <algorithm>
#include <cmath>

#include "platform/base/ascii.h"
#include "ui/grid/grid_cells.h"

namespace kv {

TGrColumns::~TGrColumns() {
    // Unhooked first: the grid that set the hooks is going away with us.
    on_column_change = nullptr;
    on_structure_change = nullptr;
    on_after_structure_change = nullptr;
    on_refresh_column = nullptr;
    for (auto& c : items_) c->columns_ = nullptr;
}

TGrCustomColumn& TGrColumns::GetItem(int index) const {
    if (!IsValidIndex(index))
        throw GridError("Column " + std::to_string(index) +
                        " out of bounds (columns: " + std::to_string(Count()) + ")");
    return *items_[index];
}

TGrCustomColumn& TGrColumns::GetPositionItem(int position) const {
    if (position < 0 || position >= Count())
        throw GridError("Column position " + std::to_string(position) + " out of bounds");
    return *position_items_[position];
}

int TGrColumns::IndexOf(const TGrCustomColumn* column) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[i].get() == column) return i;
    return -1;
}

void TGrColumns::Attach(TGrCustomColumn& column) {
    column.columns_ = this;
    column.EnsureElements();
    if (column.parent_font_ && grid_font) column.font_ = grid_font();
}

TGrCustomColumn& TGrColumns::Add(std::unique_ptr<TGrCustomColumn> column) {
    if (Count() >= kMaxGridColumns)
        throw GridError("Column " + std::to_string(Count() + 1) +
                        " refused: a grid holds at most " + std::to_string(kMaxGridColumns) +
                        " columns");
    TGrCustomColumn& c = *column;
    Attach(c);
    items_.push_back(std::move(column));
    position_items_.push_back(&c);
    c.position_ = Count() - 1;
    RecalcPositions(false);
    ApplyAutoSize(nullptr, false);
    if (on_structure_change) on_structure_change(0, -1, -1);
    if (on_after_structure_change) on_after_structure_change(0, -1, -1);
    return c;
}

TGrCustomColumn& TGrColumns::Add(std::string name, TColumnKind kind) {
    auto column = std::make_unique<TGrCustomColumn>(std::move(name));
    column->SetColumnKind(kind);
    return Add(std::move(column));
}

TGrCustomColumn& TGrColumns::Insert(int index, std::unique_ptr<TGrCustomColumn> column) {
    if (Count() >= kMaxGridColumns)
        throw GridError("Column " + std::to_string(Count() + 1) +
                        " refused: a grid holds at most " + std::to_string(kMaxGridColumns) +
                        " columns");
    if (index < 0 || index > Count())
        throw GridError("Column " + std::to_string(index) + " out of bounds for an insert");
    TGrCustomColumn& c = *column;
    Attach(c);
    items_.insert(items_.begin() + index, std::move(column));
    position_items_.insert(position_items_.begin() + index, &c);
    RecalcPositions(true);
    ApplyAutoSize(nullptr, false);
    if (on_structure_change) on_structure_change(3, index, -1);
    if (on_after_structure_change) on_after_structure_change(3, index, -1);
    return c;
}

void TGrColumns::Delete(int index) {
    TGrCustomColumn* column = &GetItem(index);
    std::unique_ptr<TGrCustomColumn> owned = std::move(items_[index]);
    items_.erase(items_.begin() + index);
    if (on_structure_change) on_structure_change(1, index, -1);
    position_items_.erase(std::find(position_items_.begin(), position_items_.end(), column));
    owned->columns_ = nullptr;
    RecalcPositions(true);
    ApplyAutoSize(nullptr, false);
    if (on_after_structure_change) on_after_structure_change(1, index, -1);
}

void TGrColumns::Clear() {
    for (auto& c : items_) c->columns_ = nullptr;
    items_.clear();
    position_items_.clear();
    if (on_structure_change) on_structure_change(2, -1, -1);
    RecalcPositions(true);
    if (on_after_structure_change) on_after_structure_change(2, -1, -1);
}

void TGrColumns::MoveColumn(int from_position, int to_position) {
    if (from_position == to_position) return;
    GetPositionItem(from_position);
    GetPositionItem(to_position);
    TGrCustomColumn* column = position_items_[from_position];
    position_items_.erase(position_items_.begin() + from_position);
    position_items_.insert(position_items_.begin() + to_position, column);
    RecalcPositions(true);
    DoColumnChange(*position_items_[to_position], ccPosition, from_position);
}

TGrCustomColumn* TGrColumns::ColumnByName(std::string_view name) const {
    for (const auto& c : items_)
        if (EqualsIgnoreAsciiCase(c->Name(), name)) return c.get();
    return nullptr;
}

int TGrColumns::GetTotalWidth() const {
    int total = 0;
    for (const auto& c : items_)
        if (c->Visible()) total += c->Width();
    return total;
}

int TGrColumns::VisibleCount() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const auto& c) { return c->Visible(); }));
}

static bool Selectable(const TGrCustomColumn* c) {
    return c->Visible() && c->Enabled;
}

TGrCustomColumn* TGrColumns::FirstVisibleColumn() const {
    for (auto* c : position_items_)
        if (Selectable(c)) return c;
    return nullptr;
}

TGrCustomColumn* TGrColumns::LastVisibleColumn() const {
    for (auto it = position_items_.rbegin(); it != position_items_.rend(); ++it)
        if (Selectable(*it)) return *it;
    return nullptr;
}

TGrCustomColumn* TGrColumns::NextVisibleColumn(TGrCustomColumn& column) const {
    auto it = std::find(position_items_.begin(), position_items_.end(), &column);
    if (it == position_items_.end()) return &column;
    for (++it; it != position_items_.end(); ++it)
        if (Selectable(*it)) return *it;
    return &column;
}

TGrCustomColumn* TGrColumns::PrevVisibleColumn(TGrCustomColumn& column) const {
    auto it = std::find(position_items_.begin(), position_items_.end(), &column);
    while (it != position_items_.begin() && it != position_items_.end()) {
        --it;
        if (Selectable(*it)) return *it;
    }
    return &column;
}

void TGrColumns::SetFixedCols(int value) {
    fixed_cols_ = value;
    RecalcPositions(false);
}

void TGrColumns::RecalcPositions(bool update_positions) {
    fixed_width_ = 0;
    for (int p = 0; p < std::min(fixed_cols_, Count()); ++p)
        if (position_items_[p]->Visible()) fixed_width_ += position_items_[p]->Width();
    int x = body_left ? body_left() : 0;
    int v = 0;
    for (int p = 0; p < Count(); ++p) {
        TGrCustomColumn& c = *position_items_[p];
        if (c.Visible()) {
            c.left_ = x;
            c.visible_index_ = v++;
            x += c.Width();
        } else {
            c.visible_index_ = -1;
        }
        if (update_positions) c.position_ = p;
    }
}

void TGrColumns::ApplyAutoSize(TGrCustomColumn* column, bool inclusive) {
    if (!available_width) return;  // no grid to fit yet
    const int left0 = body_left ? body_left() : 0;
    int start = 0, used = 0;
    if (column) {
        start = inclusive ? column->Position() : column->Position() + 1;
        used = column->Left() - left0 + (inclusive || !column->Visible() ? 0 : column->Width());
    }
    double free = available_width() - used;
    int fixed_sum = 0, auto_sum = 0;
    for (int p = std::max(start, 0); p < Count(); ++p) {
        const TGrCustomColumn& c = *position_items_[p];
        if (!c.Visible()) continue;
        (c.Options().Has(coAutoSize) ? auto_sum : fixed_sum) += c.Width();
    }
    if (auto_sum == 0) return;
    free -= fixed_sum;
    double carry = 0;
    TGrCustomColumn* last_plain = nullptr;
    std::vector<std::pair<TGrCustomColumn*, int>> widths;
    for (int p = std::max(start, 0); p < Count(); ++p) {
        TGrCustomColumn& c = *position_items_[p];
        if (!c.Visible() || !c.Options().Has(coAutoSize)) continue;
        const double exact = free * c.Width() / auto_sum;
        int w = static_cast<int>(std::trunc(exact));
        carry += exact - w;
        if (carry >= 1) {
            ++w;
            carry -= 1;
        } else {
            last_plain = &c;
        }
        widths.emplace_back(&c, w);
    }
    if (carry > 0.001 && last_plain)
        for (auto& [c, w] : widths)
            if (c == last_plain) ++w;
    // Applied once every share is known, so each share is of the widths as they were.
    for (auto& [c, w] : widths) {
        const int applied = std::max(w, c->MinWidth);
        const int old = c->width_;
        c->width_ = applied;
        RecalcPositions(false);
        DoColumnChange(*c, ccWidth, applied - old);
    }
}

void TGrColumns::ApplyFittedWidths(std::span<const std::pair<TGrCustomColumn*, int>> widths) {
    for (const auto& [c, w] : widths) {
        const int applied = std::max(w, c->MinWidth);
        if (applied == c->width_) continue;
        const int old = c->width_;
        c->width_ = applied;
        RecalcPositions(false);
        DoColumnChange(*c, ccWidth, applied - old);
    }
}

void TGrColumns::DoColumnChange(TGrCustomColumn& column, int kind, int param) {
    if (on_column_change) on_column_change(column, kind, param);
}

void TGrColumns::RefreshColumn(TGrCustomColumn& column, TColumnArea area) {
    if (on_refresh_column) on_refresh_column(column, area);
}

}  // namespace kv
