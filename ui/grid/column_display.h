#pragma once
// The elements a column hands each cell to: a display that paints one cell's content at a time
// and, for some columns, a play element that lets a cell take clicks and keys (the tree
// column's expand button). The grid fills an element with the cell's value and rectangle right
// before each use; the painters of the column classes derive from TColumnDisplay.

#include <functional>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"
#include "platform/window/keys.h"

namespace kv {

class TGrCustomColumn;

class TVirtualColElement {
  public:
    explicit TVirtualColElement(TGrCustomColumn& column) : column_(&column) {}
    virtual ~TVirtualColElement() = default;

    TGrCustomColumn& Column() const { return *column_; }

    bool AsBoolean = false;
    double AsDateTime = 0;
    double AsFloat = 0;
    int AsInteger = 0;
    std::string AsString;
    Canvas* canvas = nullptr;
    Rect ClientRect;
    const void* ObjectReference = nullptr;

  private:
    TGrCustomColumn* column_;
};

class TColumnDisplay : public TVirtualColElement {
  public:
    using TVirtualColElement::TVirtualColElement;

    // The tree fields are filled for tree columns only.
    int ChildCount = 0;
    bool Expanded = false;
    bool Selected = false;
    TColor HighlightedTextColor = clHighlightText;
    int ImageIndex = -1;
    bool IsLastChild = false;
    int Level = 0;
    // Walks one step up a row's ancestors: Index becomes the parent, NextSibling the row's
    // next sibling (-1 when none).
    std::function<void(int& index, int& next_sibling)> tree_links;
    int Row = 0;
    bool IsSelectedCell = false;
    bool IsFirstShownRow = false;

    // ClientRect narrowed by 2 pixels on the left and right.
    virtual void GetContentRect(Rect& rect) const;
    // Draws on a clear brush with the flags of GetTextFlags, then puts the solid brush back.
    virtual void DrawCellText(const std::string& text, Rect rect);
    // The red triangle in the top-right corner of a cell with a hint.
    virtual void DrawHintCorner();
    virtual int GetContentWidth();
    // The row height the cell's content needs: its measured text and the margins around it.
    virtual int GetContentHeight();
    // The size of AsString laid out in the content rectangle, without shortening.
    virtual void MeasureText(Size& size);
    // Draws the cell; this base draws AsString as text.
    virtual void Paint();

    void FillCellRect(TColor color, bool fill);
    // The text flags of the column's alignment and wrapping. For several lines that are not
    // aligned to the top, `rect`'s top moves so that the block sits at the bottom or in the
    // middle, which the vertical flags do only for single lines.
    void GetTextFlags(const std::string& text, Rect& rect, bool for_drawing, unsigned& flags) const;
};

class TColumnPlay : public TVirtualColElement {
  public:
    using TVirtualColElement::TVirtualColElement;

    int Col = 0;
    int Level = 0;
    int Row = 0;
    std::function<void(TColumnPlay&)> on_apply;
    std::function<void(TColumnPlay&)> on_toggle;

    virtual void KeyPress(char32_t& /*key*/) {}
    // Points relative to the cell's top-left corner.
    virtual void MouseDown(MouseButton, ShiftState, int /*x*/, int /*y*/) {}
    virtual void MouseLeave() {}
    virtual void MouseMove(ShiftState, int /*x*/, int /*y*/) {}
    virtual void MouseUp(MouseButton, ShiftState, int /*x*/, int /*y*/) {}
    // Paints through the column's display with this element's Boolean.
    virtual void Paint();

    void DoApply() {
        if (on_apply) on_apply(*this);
    }
    void DoToggle() {
        if (on_toggle) on_toggle(*this);
    }
};

}  // namespace kv
