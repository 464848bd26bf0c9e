#pragma once
// The single-line edit the grid uses as its in-place editor and that forms can place too: the
// platform edit's typing, selection and clipboard, plus typed value accessors in the grid's
// locale, user margins, a glyph and a preview box at the left edge and the hooks the grid calls
// around an edit (PrepareEditing before, CommitText before it reads the text back).

#include <functional>
#include <string>

#include "platform/gfx/picture.h"
#include "platform/window/edit.h"
#include "platform/window/label.h"

namespace kv {

struct TGrEditMargins {
    int Left = 0;
    int Right = 0;
};

class TGrCustomEdit : public Edit {
  public:
    TGrCustomEdit();

    Alignment alignment = taLeftJustify;
    TGrEditMargins EditMargins;
    // While set, number edits keep their text when a property changes (a column configuring it).
    bool HoldText = false;
    // The edit serves a text-based grid column: arrows and the wheel are left to the grid.
    bool InplaceMode = false;
    bool WantTabs = false;
    // Set while the grid edits with it: Enter and Escape commit or drop the edit rather than
    // pressing the window's default or cancel button.
    bool KeepsDialogKeys = false;
    // A picture at the left edge, before the preview box; a press on it fires OnGlyphClick.
    Picture Glyph;
    std::function<void()> OnGlyphClick;
    bool ShowPreview = false;
    bool PreviewBorder = true;
    static constexpr int kPreviewWidth = 20;
    // Draws the preview box; the rectangle is in the edit's coordinates.
    std::function<void(Canvas&, const Rect&)> OnCustomPreviewDraw;

    // Empty text reads as 0 (false for booleans is not assumed: it converts what is there);
    // anything else that is not a value of the kind throws GridConvertError.
    virtual bool GetAsBoolean() const;
    virtual double GetAsDateTime() const;
    virtual double GetAsFloat() const;
    virtual int GetAsInteger() const;
    virtual std::string GetAsWideText() const { return Text(); }
    virtual void SetAsBoolean(bool value);
    virtual void SetAsDateTime(double value);
    virtual void SetAsFloat(double value);
    virtual void SetAsInteger(int value);
    virtual void SetAsWideText(const std::string& value) { SetText(value); }

    // The margins the edit applies: the user's, widened for the preview box and the glyph.
    virtual void GetMargins(int& left, int& right) const;
    // Normalises the text before the owner reads it.
    virtual void CommitText() {}
    // Called by the grid once the editor is attached and styled: the caret goes to the end.
    virtual void PrepareEditing();

    bool WantsKey(int key) const override;
    void Paint(Canvas& canvas) override;

  protected:
    // The text keeps clear of the margins GetMargins gives and lies where Alignment says.
    void TextMargins(int& left, int& right) const override;
    Alignment TextAlignment() const override { return alignment; }
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    // Where the preview box stands (edit coordinates); empty when it is not shown.
    Rect PreviewRect() const;
    virtual void DrawPreview(Canvas& canvas, const Rect& rect);
};

using TGrEdit = TGrCustomEdit;

}  // namespace kv
