#include "ui/grid/grid_cells.h"

#include <algorithm>
#include <cstring>

#include "platform/base/ascii.h"
#include "ui/grid/grid_column.h"
#include "ui/grid/grid_columns.h"

namespace kv {

TCells::~TCells() {
    ClearRows();
    ClearColumns();
}

void TCells::CheckRow(int index, const char* what) const {
    if (index < 0 || index >= RowCount())
        throw GridError(std::string(what) + ": row " + std::to_string(index) +
                        " out of bounds (rows: " + std::to_string(RowCount()) + ")");
}

void TCells::CheckColumn(int index, const char* what) const {
    if (index < 0 || index >= ColumnCount())
        throw GridError(std::string(what) + ": column " + std::to_string(index) +
                        " out of bounds (columns: " + std::to_string(ColumnCount()) + ")");
}

TCell& TCells::GetCell(int col, int row) {
    CheckColumn(col, "GetCell");
    CheckRow(row, "GetCell");
    current_column_ = col;
    current_row_ = row;
    return *columns_cells_[col][row];
}

TRow& TCells::GetRow(int index) {
    CheckRow(index, "GetRow");
    return *rows_[index];
}

const TRow& TCells::GetRow(int index) const {
    CheckRow(index, "GetRow");
    return *rows_[index];
}

int TCells::IndexOfRow(const TRow* row) const {
    for (int i = 0; i < RowCount(); ++i)
        if (rows_[i].get() == row) return i;
    return -1;
}

int TCells::GetDescendantCount(int index) const {
    const int level = GetRow(index).Level;
    int n = 0;
    for (int i = index + 1; i < RowCount() && rows_[i]->Level > level; ++i) ++n;
    return n;
}

int TCells::GetChildCount(int index) const {
    const int level = GetRow(index).Level;
    int n = 0;
    for (int i = index + 1; i < RowCount() && rows_[i]->Level > level; ++i)
        if (rows_[i]->Level == level + 1) ++n;
    return n;
}

std::unique_ptr<TCell> TCells::CreateCell(int col, bool inserted) {
    TGrCustomColumn& column = columns_->GetItem(col);
    std::unique_ptr<TCell> cell;
    switch (column.ColumnKind()) {
        case ckIncrement:
            if (inserted)
                cell = std::make_unique<TIntegerCell>(*this);
            else
                cell = std::make_unique<TIncrementCell>(*this);
            break;
        case ckBoolean:
            cell = std::make_unique<TBooleanCell>(*this);
            break;
        case ckDate:
            cell = std::make_unique<TDateTimeCell>(*this);
            break;
        case ckFloat:
            cell = std::make_unique<TFloatCell>(*this);
            break;
        case ckGuid:
            cell = std::make_unique<TGuidCell>(*this);
            break;
        case ckInteger:
            cell = std::make_unique<TIntegerCell>(*this);
            break;
        case ckVirtual:
            cell = std::make_unique<TVirtualCell>(*this, column);
            break;
        default:
            cell = std::make_unique<TStringCell>(*this);
            break;
    }
    cell->FontStyle = column.GetFont().style;
    cell->SetColor(column.Color());
    cell->TextColor = column.GetFont().color;
    cell->SetSettingUp(false);
    return cell;
}

std::unique_ptr<TRow> TCells::NewRow() const {
    auto row = std::make_unique<TRow>();
    row->Height = row_height_;
    return row;
}

void TCells::InsertCells(int row, bool inserted) {
    for (int c = 0; c < ColumnCount(); ++c)
        columns_cells_[c].insert(columns_cells_[c].begin() + row, CreateCell(c, inserted));
}

void TCells::AddRows(int count) {
    for (int n = 0; n < count; ++n) {
        for (int c = 0; c < ColumnCount(); ++c) columns_cells_[c].push_back(CreateCell(c, false));
        rows_.push_back(NewRow());
        ++visible_row_count_;
    }
    sorted_ = false;
}

void TCells::AddChildRow(int parent_index, int index) {
    TRow& parent = GetRow(parent_index);
    if (index < 0 || index > RowCount())
        throw GridError("AddChildRow: row " + std::to_string(index) + " out of bounds");
    auto row = NewRow();
    row->ParentRow = &parent;
    row->Level = parent.Level + 1;
    row->Shown = parent.Expanded && parent.Shown;
    parent.IncChildCount();
    if (row->Displayed()) ++visible_row_count_;
    InsertCells(index, false);
    rows_.insert(rows_.begin() + index, std::move(row));
}

void TCells::InsertRow(int index) {
    if (index < 0 || index > RowCount())
        throw GridError("InsertRow: row " + std::to_string(index) + " out of bounds");
    InsertCells(index, true);
    rows_.insert(rows_.begin() + index, NewRow());
    ++visible_row_count_;
    sorted_ = false;
}

void TCells::DeleteRow(int index) {
    CheckRow(index, "DeleteRow");
    if (rows_[index]->Displayed()) --visible_row_count_;
    for (auto& column : columns_cells_) column.erase(column.begin() + index);
    rows_.erase(rows_.begin() + index);
}

void TCells::ClearRows() {
    for (auto& column : columns_cells_) column.clear();
    rows_.clear();
    visible_row_count_ = 0;
    sorted_ = false;
}

template <class V>
static void MoveItem(V& v, int from, int to) {
    if (from < to)
        std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else
        std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}

void TCells::MoveRow(int from, int to) {
    CheckRow(from, "MoveRow");
    CheckRow(to, "MoveRow");
    for (auto& column : columns_cells_) MoveItem(column, from, to);
    MoveItem(rows_, from, to);
    sorted_ = false;
}

void TCells::ExchangeRows(int a, int b) {
    CheckRow(a, "ExchangeRows");
    CheckRow(b, "ExchangeRows");
    for (auto& column : columns_cells_) std::swap(column[a], column[b]);
    std::swap(rows_[a], rows_[b]);
}

void TCells::SetRowShown(int index, bool value) {
    TRow& row = GetRow(index);
    if (row.Shown == value) return;
    const bool was = row.Displayed();
    row.Shown = value;
    visible_row_count_ += int(row.Displayed()) - int(was);
}

void TCells::SetRowVisible(int index, bool value) {
    TRow& row = GetRow(index);
    if (row.Visible == value) return;
    const bool was = row.Displayed();
    row.Visible = value;
    visible_row_count_ += int(row.Displayed()) - int(was);
}

void TCells::ColumnsChanged(int kind, int param1, int param2) {
    switch (kind & 0x7F) {
        case 0:
            AddColumn();
            break;
        case 1:
            DeleteColumn(param1);
            break;
        case 2:
            ClearColumns();
            break;
        case 3:
            InsertColumn(param1);
            break;
        case 4:
            MoveColumn(param1, param2);
            break;
        default:
            break;
    }
}

void TCells::AddColumn() {
    if (ColumnCount() >= kMaxGridColumns)
        throw GridError("AddColumn: no room for column " + std::to_string(ColumnCount() + 1));
    const int col = columns_->Count() - 1;
    Column cells;
    cells.reserve(rows_.size());
    for (int r = 0; r < RowCount(); ++r) cells.push_back(CreateCell(col, false));
    columns_cells_.push_back(std::move(cells));
}

void TCells::DeleteColumn(int index) {
    CheckColumn(index, "DeleteColumn");
    columns_cells_.erase(columns_cells_.begin() + index);
    if (columns_cells_.empty()) ClearRows();
}

void TCells::ClearColumns() {
    columns_cells_.clear();
    rows_.clear();
    visible_row_count_ = 0;
}

void TCells::InsertColumn(int index) {
    if (ColumnCount() >= kMaxGridColumns)
        throw GridError("InsertColumn: no room for column " + std::to_string(ColumnCount() + 1));
    if (index < 0 || index > ColumnCount())
        throw GridError("InsertColumn: column " + std::to_string(index) + " out of bounds");
    Column cells;
    cells.reserve(rows_.size());
    for (int r = 0; r < RowCount(); ++r) cells.push_back(CreateCell(index, true));
    columns_cells_.insert(columns_cells_.begin() + index, std::move(cells));
    sorted_ = false;
}

void TCells::MoveColumn(int from, int to) {
    CheckColumn(from, "MoveColumn");
    CheckColumn(to, "MoveColumn");
    MoveItem(columns_cells_, from, to);
}

void TCells::DoCellChange() {
    if (on_cell_change) on_cell_change(current_column_, current_row_);
    sorted_ = false;
}

TColor TCells::DisplayColor(int col, int row) {
    if (display_color) return display_color(col, row);
    return GetCell(col, row).Color();
}

TColor TCells::DisplayTextColor(int col, int row) {
    if (display_text_color) return display_text_color(col, row);
    return GetCell(col, row).TextColor;
}

// --- sorting

IPAddress ParseIPAddress(std::string_view text) {
    IPAddress ip;
    int part = 0;
    long long value = 0;
    bool any = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            value = std::min(value * 10 + (c - '0'), 2147483647LL);
            any = true;
        }
        if (c == '.' || i + 1 == text.size()) {
            if (!any)
                throw GridConvertError("'" + std::string(text) + "' is not a valid integer value");
            if (part < 4) ip.part[part] = static_cast<int>(value);
            ++part;
            value = 0;
            any = false;
        }
    }
    return ip;
}

bool CompareIPAddress(std::string_view a, std::string_view b) {
    const IPAddress x = ParseIPAddress(a), y = ParseIPAddress(b);
    for (int i = 3; i >= 0; --i)
        if (x.part[i] != y.part[i]) return x.part[i] > y.part[i];
    return true;
}

namespace {

std::string LowerAscii(std::string s) {
    for (char& c : s) c = AsciiLower(c);
    return s;
}

}  // namespace

void TCells::Sort(int col, TSortType type, bool descending, bool full_resort) {
    CheckColumn(col, "Sort");
    if (sorted_ && sorted_column_ == col && sort_descending_ != descending && !full_resort) {
        sort_descending_ = descending;
        for (int i = 0; i < RowCount() / 2; ++i) ExchangeRows(i, RowCount() - 1 - i);
        return;
    }
    // The test a >= b of each kind of value.
    std::function<bool(const TCell&, const TCell&)> at_least;
    switch (type) {
        case stBoolean:
            at_least = [](const TCell& a, const TCell& b) {
                return a.GetAsBoolean() >= b.GetAsBoolean();
            };
            break;
        case stCaseInsensitive:
            at_least = [](const TCell& a, const TCell& b) {
                return LowerAscii(a.GetAsString()) >= LowerAscii(b.GetAsString());
            };
            break;
        case stCustom:
            at_least = [this](const TCell& a, const TCell& b) {
                int compare = 0;
                if (on_compare) on_compare(a, b, compare);
                return compare >= 0;
            };
            break;
        case stNumeric:
            at_least = [](const TCell& a, const TCell& b) {
                return a.GetAsFloat() >= b.GetAsFloat();
            };
            break;
        case stDate:
            at_least = [](const TCell& a, const TCell& b) {
                return a.GetAsDateTime() >= b.GetAsDateTime();
            };
            break;
        case stIP:
            at_least = [](const TCell& a, const TCell& b) {
                return CompareIPAddress(a.GetAsString(), b.GetAsString());
            };
            break;
        default:
            at_least = [](const TCell& a, const TCell& b) {
                return a.GetAsString() >= b.GetAsString();
            };
            break;
    }
    sort_descending_ = descending;
    QuickSort(col, 0, RowCount() - 1, descending, at_least);
    sorted_column_ = col;
    sorted_ = true;
}

// Hoare's partition around a pivot cell, which travels with its row. The pivot is the middle
// row of lo+1..hi rather than a random one: the grid library sits below the game and has no
// share of the game's random source. Both scans stop at the ends of the range whatever the
// comparison answers, and the split is kept inside lo+1..hi, so a comparison that contradicts
// itself (a custom handler) gives some order but never reads outside the rows or loops.
void TCells::QuickSort(int col, int lo, int hi, bool descending,
                       const std::function<bool(const TCell&, const TCell&)>& at_least) {
    Column& cells = columns_cells_[col];
    while (lo < hi) {
        const TCell* pivot = cells[lo + 1 + (hi - lo - 1) / 2].get();
        auto left_stops = [&](int i) {
            return descending ? at_least(*pivot, *cells[i]) : at_least(*cells[i], *pivot);
        };
        auto right_stops = [&](int j) {
            return descending ? at_least(*cells[j], *pivot) : at_least(*pivot, *cells[j]);
        };
        int i = lo - 1, j = hi + 1;
        for (;;) {
            do ++i;
            while (i < hi && !left_stops(i));
            do --j;
            while (j > lo && !right_stops(j));
            if (i >= j) break;
            ExchangeRows(i, j);
        }
        const int split = std::clamp(i, lo + 1, hi);
        // The smaller side by recursion, the larger by the loop: the stack stays shallow.
        if (split - lo < hi - split + 1) {
            QuickSort(col, lo, split - 1, descending, at_least);
            lo = split;
        } else {
            QuickSort(col, split, hi, descending, at_least);
            hi = split - 1;
        }
    }
}

}  // namespace kv
