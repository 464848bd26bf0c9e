#include "ui/grid/editors/gr_edit.h"

#include "platform/gfx/canvas.h"
#include "ui/grid/grid_locale.h"

namespace kv {

TGrCustomEdit::TGrCustomEdit() {
    SetBounds(0, 0, 121, 20);
    tab_stop = true;
    SetColor(clWindow);
}

bool TGrCustomEdit::GetAsBoolean() const {
    return GridTextToBool(Text());
}

double TGrCustomEdit::GetAsDateTime() const {
    return Text().empty() ? 0 : GridTextToDateTime(Text());
}

double TGrCustomEdit::GetAsFloat() const {
    return Text().empty() ? 0 : GridTextToFloat(Text());
}

int TGrCustomEdit::GetAsInteger() const {
    return Text().empty() ? 0 : GridTextToInt(Text());
}

void TGrCustomEdit::SetAsBoolean(bool value) {
    SetText(GridBoolToText(value));
}

void TGrCustomEdit::SetAsDateTime(double value) {
    SetText(GridDateTimeToText(value));
}

void TGrCustomEdit::SetAsFloat(double value) {
    SetText(GridFloatToText(value));
}

void TGrCustomEdit::SetAsInteger(int value) {
    SetText(GridIntToText(value));
}

void TGrCustomEdit::GetMargins(int& left, int& /*right*/) const {
    // The user's left margin counts twice beside the preview box: the box keeps it on both sides.
    if (ShowPreview) left = 2 * left + kPreviewWidth + 5;
    if (!Glyph.empty()) left += Glyph.width() + 4;
}

void TGrCustomEdit::TextMargins(int& left, int& right) const {
    left = EditMargins.Left;
    right = EditMargins.Right;
    GetMargins(left, right);
}

void TGrCustomEdit::PrepareEditing() {
    SetSelStart(static_cast<int>(ToUtf32(Text()).size()));
    SetSelLength(0);
}

bool TGrCustomEdit::WantsKey(int key) const {
    if (key == VK_TAB) return WantTabs;
    if (KeepsDialogKeys && (key == VK_RETURN || key == VK_ESCAPE)) return true;
    return Edit::WantsKey(key);
}

namespace {
constexpr int kInfoLeft = 2;  // the glyph and the preview stand inside the edit's border
}

Rect TGrCustomEdit::PreviewRect() const {
    if (!ShowPreview) return {};
    const int left = kInfoLeft + (Glyph.empty() ? 0 : Glyph.width() + 2);
    return {left, 2, left + kPreviewWidth, Height() - 2};
}

void TGrCustomEdit::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Edit::MouseDown(button, shift, x, y);
    if (!Glyph.empty() && x >= kInfoLeft && x < kInfoLeft + Glyph.width() && OnGlyphClick)
        OnGlyphClick();
}

void TGrCustomEdit::DrawPreview(Canvas& canvas, const Rect& rect) {
    if (OnCustomPreviewDraw) OnCustomPreviewDraw(canvas, rect);
}

void TGrCustomEdit::Paint(Canvas& canvas) {
    Edit::Paint(canvas);
    if (!Glyph.empty()) canvas.Draw(kInfoLeft, Height() / 2 - Glyph.height() / 2, Glyph);
    if (!ShowPreview) return;
    Rect r = PreviewRect();
    canvas.brush = Brush{Color()};
    canvas.FillRect(r);
    if (PreviewBorder) {
        canvas.brush = Brush{RGBColor(128, 128, 128)};
        canvas.FrameRect(r);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    DrawPreview(canvas, r);
}

}  // namespace kv
