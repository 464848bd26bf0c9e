#include "ui/grid/grid_column.h"

#include "ui/grid/column_display.h"
#include "ui/grid/grid_columns.h"

namespace kv {

void TColumnPart::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    column_->RefreshColumn(caWhole);
}

void TColumnPart::SetColor(TColor color) {
    color_ = color;
    column_->RefreshColumn(caWhole);
}

void TColumnFooter::Assign(const TColumnFooter& source) {
    alignment = source.alignment;
    DrawingOptions = source.DrawingOptions;
    FormulaKind = source.FormulaKind;
    FormatMask = source.FormatMask;
    TextAfter = source.TextAfter;
    TextBefore = source.TextBefore;
    Column().NotifyChange(ccLook);
}

TGrCustomColumn::TGrCustomColumn(std::string name) : name_(std::move(name)) {}

TGrCustomColumn::~TGrCustomColumn() = default;

std::unique_ptr<TColumnDisplay> TGrCustomColumn::CreateDisplay() {
    return std::make_unique<TColumnDisplay>(*this);
}

void TGrCustomColumn::EnsureElements() {
    if (display_) return;
    display_ = CreateDisplay();
    play_ = CreatePlay();
}

TColumnDisplay& TGrCustomColumn::Display() {
    EnsureElements();
    return *display_;
}

TColumnPlay* TGrCustomColumn::Play() {
    EnsureElements();
    return play_.get();
}

void TGrCustomColumn::NotifyChange(TColumnChange kind, int param) {
    if (columns_) columns_->DoColumnChange(*this, kind, param);
}

void TGrCustomColumn::RefreshColumn(TColumnArea area) {
    if (columns_) columns_->RefreshColumn(*this, area);
}

void TGrCustomColumn::SetAlignment(Alignment value) {
    alignment_ = value;
    NotifyChange(ccLook);
}

void TGrCustomColumn::SetVerticalAlignment(TVerticalAlignment value) {
    vertical_alignment_ = value;
    NotifyChange(ccLook);
}

void TGrCustomColumn::SetColor(TColor value) {
    color_ = value;
    NotifyChange(ccLook);
}

void TGrCustomColumn::SetFont(const Font& font) {
    font_ = font;
    parent_font_ = false;
    NotifyChange(ccLook);
}

void TGrCustomColumn::SetParentFont(bool value) {
    parent_font_ = value;
    if (value && columns_ && columns_->grid_font) font_ = columns_->grid_font();
}

void TGrCustomColumn::ParentFontChanged(const Font& grid_font) {
    if (!parent_font_) return;
    font_ = grid_font;
    NotifyChange(ccLook);
}

void TGrCustomColumn::SetWrapKind(TWrapKind value) {
    wrap_kind_ = value;
    RefreshColumn(caBody);
}

void TGrCustomColumn::SetPadding(int value) {
    padding_ = value;
    RefreshColumn(caBody);
}

void TGrCustomColumn::SetParentCellColor(bool value) {
    parent_cell_color_ = value;
    RefreshColumn(caBody);
}

void TGrCustomColumn::SetDrawingOptions(TDrawingOptions value) {
    drawing_options_ = value;
    NotifyChange(ccLook);
}

void TGrCustomColumn::SetOptions(TColumnOptions value) {
    if (value.Has(coSearchColumn) && columns_) {
        for (int i = 0; i < columns_->Count(); ++i) {
            TGrCustomColumn& other = columns_->GetItem(i);
            if (&other != this) other.options_.Exclude(coSearchColumn);
        }
    }
    const bool auto_size_kept = options_.Has(coAutoSize) && value.Has(coAutoSize);
    options_ = value;
    if (!columns_) return;
    if (!auto_size_kept) columns_->ApplyAutoSize(this, true);
    NotifyChange(ccLook);
}

void TGrCustomColumn::SetInputValue(std::string value) {
    input_value_ = std::move(value);
    NotifyChange(ccInputValue);
}

void TGrCustomColumn::SetWidth(int value) {
    const int applied = std::max(value, MinWidth);
    const int old = width_;
    width_ = applied;
    designed_width_ = applied;
    if (columns_) columns_->RecalcPositions(false);
    NotifyChange(ccWidth, applied - old);
    if (columns_) columns_->ApplyAutoSize(this, false);
}

void TGrCustomColumn::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    NotifyChange(ccVisible);
    if (columns_) {
        columns_->RecalcPositions(false);
        columns_->ApplyAutoSize(nullptr, false);
    }
}

void TGrCustomColumn::SetPosition(int value) {
    if (columns_) {
        columns_->MoveColumn(position_, value);
        NotifyChange(ccPosition, -1);
    }
    position_ = value;
}

int TGrCustomColumn::GetIndex() const {
    return columns_ ? columns_->IndexOf(this) : -1;
}

bool TGrCustomColumn::IsFirstVisible() const {
    return columns_ && columns_->FirstVisibleColumn() == this;
}

bool TGrCustomColumn::IsLastVisible() const {
    return columns_ && columns_->LastVisibleColumn() == this;
}

void TGrCustomColumn::SetSorted(bool value) {
    if (GetColumnStyle() & 4) return;
    if (value) {
        if (columns_) {
            for (int i = 0; i < columns_->Count(); ++i) {
                TGrCustomColumn& c = columns_->GetItem(i);
                if (c.sorted_) c.SetSorted(false);
            }
        } else if (sorted_) {
            SetSorted(false);
        }
        sorted_ = true;
        NotifyChange(ccSorted);
    } else {
        sorted_ = false;
        NotifyChange(ccUnsorted);
    }
}

void TGrCustomColumn::SetSortKind(TSortKind value) {
    sort_kind_ = value;
    NotifyChange(ccSortSettings);
}

void TGrCustomColumn::SetSortType(TSortType value) {
    sort_type_ = value;
    NotifyChange(ccSortSettings);
}

}  // namespace kv
