#pragma once
// The looks of the grid's frame parts: header cells, footer cells, the input line's cells, the
// indicator column and its corner cells, and the empty parts right of the last column. The
// grid holds one object of each look and draws with the one its HeaderStyle names; the base
// class holds the drawing they share (the header's text, picture and sort arrow, the footer's
// formatted caption, the input cells and the indicator's arrow).
//
// Before drawing, the grid sets `canvas` (with its font), `Themed`, and the pressed and hot
// header columns, which some looks show.

#include <functional>
#include <memory>

#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"
#include "ui/grid/grid_column.h"
#include "ui/grid/grid_types.h"

namespace kv {

class Control;

class TStyleDisplay {
  public:
    explicit TStyleDisplay(Control* owner) : Owner(owner) {}
    virtual ~TStyleDisplay() = default;
    TStyleDisplay(const TStyleDisplay&) = delete;
    TStyleDisplay& operator=(const TStyleDisplay&) = delete;

    Canvas* canvas = nullptr;
    bool ShowSortArrows = true;
    bool DrawBackground = true;
    bool Themed = false;
    Control* Owner;
    const TGrCustomColumn* PressedColumn = nullptr;
    const TGrCustomColumn* HotColumn = nullptr;
    std::function<void(int index, const Rect&)> FooterDrawn;
    std::function<void(int index, const Rect&)> HeaderDrawn;

    // Bits of GetStyleFlags.
    static constexpr int kHotTracking = 1;
    static constexpr int kInvertPressed = 2;
    static constexpr int kArrowInBackground = 4;

    virtual int GetContentInset(const TGrCustomColumn& column) const;
    virtual int GetStyleFlags() const { return 0; }
    virtual void AdjustHeaderTextRect(Rect&) {}
    virtual void DrawSortArrow(int x, int y, bool ascending);
    virtual void DrawFooterContent(const TGrCustomColumn& column, Rect rect);
    virtual void DrawHeaderContent(const TGrCustomColumn& column, Rect rect);
    // The part of the input line and of the footer right of the last column.
    virtual void DrawEmptyArea(const Rect& rect) { DrawIndicatorCorner(rect, 0); }
    // Kind 0: the header's and the input line's corner; kind 1: the footer's.
    virtual void DrawIndicatorCorner(const Rect& rect, int kind);
    virtual void DrawFooter(const TGrCustomColumn& column, const Rect& rect, bool grid_lines);
    void DrawHeader(const TGrCustomColumn& column, const Rect& rect);
    virtual void DrawHeaderBackground(const TGrCustomColumn&, const Rect&) {}
    // One row's indicator cell, without its arrow.
    virtual void DrawIndicator(const Rect& rect, int row, bool highlighted, bool arrow);
    void DrawIndicatorGlyph(const Rect& rect, bool arrow, bool invert);
    virtual void DrawInputCell(const TGrCustomColumn& column, const Rect& rect, bool focused,
                               bool input_active, bool grid_lines);
    // The header strip right of the last column, drawn only by the themed default look.
    virtual void DrawHeaderRemainder(const Rect& rect);
    // The strip between the input line and the body, and between the body and the footer.
    virtual void DrawSeparator(const Rect& rect);

  protected:
    bool IsPressed(const TGrCustomColumn& column) const { return &column == PressedColumn; }
    TColor OwnerColor() const;
};

// The width a column's header content needs: its text, its picture, or both.
int HeaderContentWidth(TStyleDisplay& style, const TGrCustomColumn& column);
// Draws the header text: ellipsis at the end, no prefixes, vertically centred on one line unless
// multi-line (then lines break only at line breaks, from the top).
void DrawHeaderText(Canvas& canvas, const Rect& rect, bool multi_line, const std::string& text);
// A footer caption through an edit mask: each of 0 9 # L l A a C c takes the next character of
// the text, '\' copies the character after it, anything else is copied; a ';' ends the mask.
std::string FormatEditMask(std::string_view text, std::string_view mask);

// What a footer shows: its caption through FormatMask (an edit mask, or a number format of the
// caption read as a number, 0 when it is none), between TextBefore and TextAfter.
std::string FooterDisplayText(const TColumnFooter& footer);

// Classic etched cells, or the system's themed header when visual styles are active.
class TDefaultStyleDisplay : public TStyleDisplay {
  public:
    using TStyleDisplay::TStyleDisplay;
    int GetStyleFlags() const override { return Themed ? kHotTracking : kInvertPressed; }
    void DrawHeaderBackground(const TGrCustomColumn& column, const Rect& rect) override;
    void DrawIndicatorCorner(const Rect& rect, int kind) override;
    void DrawHeaderRemainder(const Rect& rect) override;
    virtual void DrawHeaderFace(const TGrCustomColumn& column, const Rect& rect);
    virtual void DrawThemedHeaderFace(const TGrCustomColumn& column, const Rect& rect);
};

class TFlatStyleDisplay : public TStyleDisplay {
  public:
    using TStyleDisplay::TStyleDisplay;
    void DrawHeaderBackground(const TGrCustomColumn& column, const Rect& rect) override;
    void DrawIndicator(const Rect& rect, int row, bool highlighted, bool arrow) override;
    void DrawIndicatorCorner(const Rect& rect, int kind) override;
    void DrawEmptyArea(const Rect& rect) override;

  private:
    void DrawFlatCell(const Rect& rect, TColor color);
};

class TOffice2007StyleDisplay : public TStyleDisplay {
  public:
    using TStyleDisplay::TStyleDisplay;
    void AdjustHeaderTextRect(Rect& rect) override { rect.left += 2; }
    void DrawHeaderBackground(const TGrCustomColumn& column, const Rect& rect) override;
    void DrawIndicator(const Rect& rect, int row, bool highlighted, bool arrow) override;
    void DrawIndicatorCorner(const Rect& rect, int kind) override;
    void DrawEmptyArea(const Rect& rect) override;

  protected:
    // The gradient's two ends.
    virtual TColor FaceTop() const;
    virtual TColor FaceBottom() const;

  private:
    void DrawCorner(const Rect& rect);
};

class TOffice2010StyleDisplay : public TOffice2007StyleDisplay {
  public:
    using TOffice2007StyleDisplay::TOffice2007StyleDisplay;
    void DrawSortArrow(int x, int y, bool ascending) override;

  protected:
    TColor FaceTop() const override;
    TColor FaceBottom() const override;
};

class TOldStyleDisplay : public TStyleDisplay {
  public:
    using TStyleDisplay::TStyleDisplay;
    int GetStyleFlags() const override { return kInvertPressed; }
    void DrawHeaderBackground(const TGrCustomColumn& column, const Rect& rect) override;
    void DrawIndicator(const Rect& rect, int row, bool highlighted, bool arrow) override;
    void DrawIndicatorCorner(const Rect& rect, int kind) override;

  private:
    void DrawRaised(const Rect& rect);
};

class TOutlookStyleDisplay : public TStyleDisplay {
  public:
    using TStyleDisplay::TStyleDisplay;
    int GetStyleFlags() const override { return kInvertPressed; }
    void AdjustHeaderTextRect(Rect& rect) override { rect.bottom -= 3; }
    void DrawHeaderBackground(const TGrCustomColumn& column, const Rect& rect) override;
    void DrawIndicatorCorner(const Rect& rect, int kind) override;
    void DrawEmptyArea(const Rect& rect) override;

  private:
    void DrawShadowLines(const Rect& rect, TColor over);
};

class TVistaStyleDisplay : public TStyleDisplay {
  public:
    using TStyleDisplay::TStyleDisplay;
    int GetStyleFlags() const override { return kArrowInBackground; }
    void AdjustHeaderTextRect(Rect& rect) override { rect.left += 2; }
    void DrawHeaderBackground(const TGrCustomColumn& column, const Rect& rect) override;
    void DrawIndicator(const Rect& rect, int row, bool highlighted, bool arrow) override;
    void DrawSortArrow(int x, int y, bool ascending) override;
};

// A new object of the look a HeaderStyle names.
std::unique_ptr<TStyleDisplay> CreateStyleDisplay(THeaderStyle style, Control* owner);

}  // namespace kv
