#pragma once
// A column of the report grid: width and place, colours and font, alignment and wrapping, sort
// settings, editing options, a header and a footer, and the painter (display) and input
// element (play) its class chooses. Its collection (TGrColumns) owns it and passes its changes
// on to the grid.

#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/colors.h"
#include "platform/gfx/fonts.h"
#include "platform/window/label.h"
#include "ui/grid/column_display.h"
#include "ui/grid/grid_types.h"

namespace kv {

class Picture;
class TGrColumns;
class TGrCustomColumn;
class TGrCustomEdit;

enum TColumnOption {
    coAutoSize,
    coCanClick,
    coCanInput,
    coCanSort,
    coDisableMoving,
    coDontHighlight,
    coEditing,
    coEditorAutoSelect,
    coFixedSize,
    coImageForIcon,
    coPublicUsing,
    coFullResort,
    coSearchColumn,
    coShowTextFitHint,
    coTextForCaption,
};
using TColumnOptions = EnumSet<TColumnOption>;
// The value 1038.
constexpr TColumnOptions kDefaultColumnOptions{coCanClick, coCanInput, coCanSort, coPublicUsing};

// The value of one cell handed to its column for formatting; the grid fills the field of the
// column's kind (an increment column gets the row index in AsInteger).
struct TCellInfo {
    bool AsBoolean = false;
    double AsDateTime = 0;
    double AsFloat = 0;
    int AsInteger = 0;
    std::string AsString;
    const void* ObjectReference = nullptr;
};

// What a column tells its grid: a change kind and its parameter.
enum TColumnChange {
    ccInputValue = 1,
    ccPosition = 2,
    ccSlide = 3,
    ccSorted = 4,
    ccSortSettings = 5,
    ccLook = 6,
    ccVisible = 7,
    ccUnsorted = 8,
    ccWidth = 9,
};
// The strips of a column a repaint asks for.
enum TColumnArea { caWhole = 0, caBody = 1, caFooter = 2, caHeader = 3, caInput = 5 };

class TColumnPart {
  public:
    explicit TColumnPart(TGrCustomColumn& column, TColor color) : column_(&column), color_(color) {}
    virtual ~TColumnPart() = default;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    std::string Hint;
    TDisplayMode DisplayMode = dmTextOnly;
    TDrawingOptions DrawingOptions = doNormal;
    TGrCustomColumn& Column() const { return *column_; }

  private:
    TGrCustomColumn* column_;
    std::string caption_;
    TColor color_;
};

class TColumnHeader : public TColumnPart {
  public:
    explicit TColumnHeader(TGrCustomColumn& column) : TColumnPart(column, clBtnFace) {}
    Alignment alignment = taLeftJustify;
    THeaderOrientation Orientation = hoHorizontal;
    bool MultiLine = false;
    bool HideArrow = true;
    // The picture before the caption (shown unless DisplayMode is dmTextOnly).
    std::shared_ptr<Picture> Glyph;
};

class TColumnFooter : public TColumnPart {
  public:
    explicit TColumnFooter(TGrCustomColumn& column) : TColumnPart(column, clWindow) {}
    Alignment alignment = taLeftJustify;
    TFormulaKind FormulaKind = fkNone;
    double FormulaValue = 0;  // what the grid computed
    std::string FormatMask;
    std::string TextAfter;
    std::string TextBefore;
    TFormatMaskKind FormatMaskKind = mkText;

    // Copies what a footer shows and computes, not the caption the grid computed.
    void Assign(const TColumnFooter& source);
};

struct TGrSlideBounds {
    int Left = 8, Top = 8, Height = 16, Width = 80;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
};

class TGrCustomColumn {
  public:
    explicit TGrCustomColumn(std::string name = {});
    virtual ~TGrCustomColumn();
    TGrCustomColumn(const TGrCustomColumn&) = delete;
    TGrCustomColumn& operator=(const TGrCustomColumn&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TGrColumns* Columns() const { return columns_; }

    // Flags of the class: 1 the play element takes input without coEditing, 2 it has an
    // in-place editor, 4 it can never be sorted, 8 a double click on the header divider fits
    // the width to the content.
    virtual int GetColumnStyle() const { return 0; }
    // The text drawn for a cell.
    virtual void FormatText(const TCellInfo& info, std::string& text) const {
        text = info.AsString;
    }
    // The text of the fit hint, shown when the cell is too narrow for its text.
    virtual void GetHintText(const TCellInfo& info, std::string& text) const {
        FormatText(info, text);
    }
    // Where the value of a virtual cell lives; a column that holds none reads empty text and
    // keeps nothing.
    virtual void GetVirtualValue(int /*col*/, int /*row*/, std::string& value) const {
        value.clear();
    }
    virtual void SetVirtualValue(int /*col*/, int /*row*/, std::string_view /*value*/) {}

    TColumnKind ColumnKind() const { return kind_; }
    void SetColumnKind(TColumnKind kind) { kind_ = kind; }

    // --- look
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment value);
    TVerticalAlignment VerticalAlignment() const { return vertical_alignment_; }
    void SetVerticalAlignment(TVerticalAlignment value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    const Font& GetFont() const { return font_; }
    // A font of its own: the column stops following the grid's.
    void SetFont(const Font& font);
    bool ParentFont() const { return parent_font_; }
    void SetParentFont(bool value);
    // The grid's font, for a column that follows it.
    void ParentFontChanged(const Font& grid_font);
    TWrapKind WrapKind() const { return wrap_kind_; }
    void SetWrapKind(TWrapKind value);
    int Padding() const { return padding_; }
    void SetPadding(int value);
    bool ParentCellColor() const { return parent_cell_color_; }
    void SetParentCellColor(bool value);
    TDrawingOptions DrawingOptions() const { return drawing_options_; }
    void SetDrawingOptions(TDrawingOptions value);
    bool RightToLeft = false;
    int Cursor = 0;

    TColumnHeader& Header() { return header_; }
    const TColumnHeader& Header() const { return header_; }
    TColumnFooter& Footer() { return footer_; }
    const TColumnFooter& Footer() const { return footer_; }
    TColumnDisplay& Display();
    TColumnPlay* Play();

    // --- behaviour
    TColumnOptions Options() const { return options_; }
    void SetOptions(TColumnOptions value);
    bool Enabled = true;
    bool AutoEdit = false;
    std::string DefaultValue;
    int DefaultWidth = 80;
    std::string InputCaption;
    const std::string& InputValue() const { return input_value_; }
    void SetInputValue(std::string value);
    bool Editing = false;
    // An editor the program chose for this column instead of the class's own; not owned.
    TGrCustomEdit* InplaceEdit = nullptr;
    std::string StyleClass;
    const void* ObjectReference = nullptr;

    // --- the slides layout: where the column's field lies inside each slide, and its caption
    // left of the field (0) or above it (1).
    TGrSlideBounds SlideBounds;
    std::string SlideCaption;
    int SlideCaptionLocation = 1;

    // --- place
    int Width() const { return width_; }
    // Held to MinWidth; the collection lays the columns out again. The width set is also the
    // one the grid fits its columns from (see FitColumns).
    void SetWidth(int value);
    int DesignedWidth() const { return designed_width_; }
    int MinWidth = 8;
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    int Position() const { return position_; }
    // Moves the column in the display order; GetIndex stays.
    void SetPosition(int value);
    int Left() const { return left_; }
    int VisibleIndex() const { return visible_index_; }
    // Its place in the collection: the column number of every grid event.
    int GetIndex() const;
    bool IsFirstVisible() const;
    bool IsLastVisible() const;

    // --- sorting
    bool Sorted() const { return sorted_; }
    // At most one column of a grid is sorted; the grid sorts by a column that becomes so.
    void SetSorted(bool value);
    TSortKind SortKind() const { return sort_kind_; }
    void SetSortKind(TSortKind value);
    TSortType SortType() const { return sort_type_; }
    void SetSortType(TSortType value);

    // Tells the grid through the collection; nothing while unattached.
    void NotifyChange(TColumnChange kind, int param = 0);
    void RefreshColumn(TColumnArea area);

  protected:
    // A concrete class names its painter and its input element.
    virtual std::unique_ptr<TColumnDisplay> CreateDisplay();
    virtual std::unique_ptr<TColumnPlay> CreatePlay() { return nullptr; }

  private:
    friend class TGrColumns;
    void EnsureElements();

    std::string name_;
    TGrColumns* columns_ = nullptr;
    TColumnKind kind_ = ckString;
    Alignment alignment_ = taLeftJustify;
    TVerticalAlignment vertical_alignment_ = taVerticalCenter;
    TColor color_ = clWindow;
    Font font_;
    bool parent_font_ = true;
    TWrapKind wrap_kind_ = wkEllipsis;
    int padding_ = 0;
    bool parent_cell_color_ = false;
    TDrawingOptions drawing_options_ = doNormal;
    TColumnHeader header_{*this};
    TColumnFooter footer_{*this};
    std::unique_ptr<TColumnDisplay> display_;
    std::unique_ptr<TColumnPlay> play_;
    TColumnOptions options_ = kDefaultColumnOptions;
    std::string input_value_;
    int width_ = 80;
    int designed_width_ = 80;
    bool visible_ = true;
    int position_ = -1;
    int left_ = 0;
    int visible_index_ = 0;
    bool sorted_ = false;
    TSortKind sort_kind_ = skAscending;
    TSortType sort_type_ = stAlphabetic;
};

}  // namespace kv
