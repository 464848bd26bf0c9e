#pragma once
// The enumerations, option sets and errors every part of the report grid shares.

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace kv {

// A set of the values of a small enumeration, bit n standing for the value n.
template <class E>
class EnumSet {
  public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> values) {
        for (E e : values) bits_ |= Bit(e);
    }
    constexpr bool Has(E e) const { return (bits_ & Bit(e)) != 0; }
    constexpr EnumSet& Include(E e) {
        bits_ |= Bit(e);
        return *this;
    }
    constexpr EnumSet& Exclude(E e) {
        bits_ &= ~Bit(e);
        return *this;
    }
    constexpr EnumSet With(E e) const { return EnumSet(*this).Include(e); }
    constexpr EnumSet Without(E e) const { return EnumSet(*this).Exclude(e); }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint32_t Bits() const { return bits_; }
    static constexpr EnumSet FromBits(uint32_t bits) {
        EnumSet s;
        s.bits_ = bits;
        return s;
    }
    friend constexpr bool operator==(EnumSet, EnumSet) = default;

  private:
    static constexpr uint32_t Bit(E e) { return 1u << static_cast<unsigned>(e); }
    uint32_t bits_ = 0;
};

// Any bad row or column index, or a column slot past the store's room. The message names the
// operation and the index so a caller's mistake is found at once.
class GridError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A text that a typed cell cannot read ("'12a' is not a valid integer value").
class GridConvertError : public GridError {
  public:
    using GridError::GridError;
};

enum TGridOption {
    goCanHideColumn,
    goDisableColumnMoving,
    goDisableKeys,
    goEscClearEdit,
    goFooter,
    goGrid,
    goHeader,
    goIndicator,
    goInput,
    goLockFixedCols,
    goMultiSelect,
    goRowResizing,
    goRowMoving,
    goSecondClickEdit,
    goSelectFullRow,
    goUseDefaultValues,
    goInplaceEditEvents,
};
using TGridOptions = EnumSet<TGridOption>;

enum TAppearanceOption {
    ao3DGridLines,
    aoAlphaBlendedSelection,
    aoBoldTextSelection,
    aoDontFillCells,
    aoHideFocus,
    aoHideSelection,
    aoHighlightSlideCells,
    aoHintMarks,
    aoIndicateSelectedCell,
    aoIndicateSortedColumn,
};
using TAppearanceOptions = EnumSet<TAppearanceOption>;

enum TCellStateFlag { csBoldTextSelection, csEmpty, csFocused, csSelected };
using TCellState = EnumSet<TCellStateFlag>;

enum TGridStyle { gsReport, gsSlides };
enum TGridLinesStyle {
    lsNormal,
    lsActiveHorzOnly,
    lsActiveRows,
    lsFramed,
    lsHorizontalOnly,
    lsVerticalOnly
};
enum TSelectionMoveDirection { mdNone, mdUp, mdDown, mdLeft, mdRight };
enum THeaderStyle {
    hsAuto,
    hsFlatBorders,
    hsOffice2007,
    hsOffice2010,
    hsOldStyle,
    hsOutlook,
    hsVista
};
enum TSortedStyle { soDefault, soDarker, soWhite };
enum THomeEndBehaviour { hebTopBottom, hebLeftRight };
enum TInputEnterMode { imAllways, imEditing };
enum TSlideOption { soFrame, soHideSelection };
using TSlideOptions = EnumSet<TSlideOption>;
enum TSlideStateFlag { stSelected, stFocused };
using TSlideState = EnumSet<TSlideStateFlag>;
enum TDataChange {
    dcAddColumn,
    dcAddChildRow,
    dcAddRow,
    dcInsertColumn,
    dcInsertRow,
    dcDeleteColumn,
    dcDeleteRow,
    dcClearRows
};
enum TMoveSelectionKey { mkUndefined, mkArrows, mkTab, mkEnter };

// Which cell class a column's cells are; the numbers are the stored ones.
enum TColumnKind : uint8_t {
    ckIncrement = 0,
    ckBoolean = 1,
    ckDate = 3,
    ckFloat = 4,
    ckGraphic = 5,
    ckGuid = 6,
    ckInteger = 7,
    ckString = 8,
    ckVirtual = 11,
};

enum TSortType { stAlphabetic, stBoolean, stCaseInsensitive, stCustom, stNumeric, stDate, stIP };
enum TSortKind { skAscending, skDescending };

enum TFormulaKind { fkNone, fkAverage, fkCount, fkDistinct, fkMaximum, fkMinimum, fkSum, fkCustom };
enum TFormatMaskKind { mkText, mkFloat };
enum TDisplayMode { dmImageOnly, dmTextAndImage, dmTextOnly };
enum THeaderOrientation { hoHorizontal, hoVertical };

// Shared with the display styles, painters and edits.
enum TDrawingOptions { doNormal, doBackgroundOnly, doCustom, doCustomOnly };
enum TItemsDisplayMode { dmDefault, dmNameList, dmValueList, dmIndentList };
enum TGrItemStateFlag { isSelected, isFocused };
using TGrItemState = EnumSet<TGrItemStateFlag>;
enum TStartDayOfWeek { dwAutomatic, dwMonday, dwSunday };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum TWrapKind { wkNone, wkEllipsis, wkPathEllipsis, wkWordWrap };

}  // namespace kv
