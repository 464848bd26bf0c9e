#include "platform/window/edit.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/classic_look.h"
#include "platform/window/screen.h"
#include "platform/base/utf8.h"

namespace kv {
namespace {
constexpr int kMargin = 3;  // sunken edge plus a pixel
}

Edit::Edit() {
    windowed_ = true;
    tab_stop = true;
    cursor = crIBeam;
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

std::u32string Edit::Chars() const { return ToUtf32(Caption()); }

std::u32string Edit::Shown() const {
    std::u32string s = Chars();
    if (password_char) std::fill(s.begin(), s.end(), password_char);
    return s;
}

void Edit::SetChars(const std::u32string& text) {
    std::u32string t = text;
    if (max_length > 0 && static_cast<int>(t.size()) > max_length) t.resize(max_length);
    const std::string utf8 = ToUtf8(t);
    if (utf8 == Caption()) return;
    SetCaption(utf8);
    const int n = static_cast<int>(t.size());
    sel_start_ = std::min(sel_start_, n);
    sel_length_ = std::min(sel_length_, n - sel_start_);
    if (on_change) on_change();
}

void Edit::SetText(const std::string& text) {
    sel_start_ = sel_length_ = anchor_ = 0;
    scroll_ = 0;
    SetChars(ToUtf32(text));
}

void Edit::SetSelStart(int pos) {
    sel_start_ = std::clamp(pos, 0, static_cast<int>(Chars().size()));
    sel_length_ = 0;
    anchor_ = sel_start_;
    Invalidate();
}

void Edit::SetSelLength(int length) {
    const int n = static_cast<int>(Chars().size());
    sel_length_ = std::clamp(length, 0, n - sel_start_);
    Invalidate();
}

std::string Edit::SelText() const { return ToUtf8(Chars().substr(sel_start_, sel_length_)); }

void Edit::SelectAll() {
    anchor_ = sel_start_ = 0;
    sel_length_ = static_cast<int>(Chars().size());
    Invalidate();
}

void Edit::ReplaceSelection(const std::u32string& typed) {
    std::u32string text = Chars();
    text.erase(sel_start_, sel_length_);
    std::u32string insert = typed;
    if (max_length > 0) {
        const int room = std::max(0, max_length - static_cast<int>(text.size()));
        if (static_cast<int>(insert.size()) > room) insert.resize(room);
    }
    text.insert(sel_start_, insert);
    const int caret = sel_start_ + static_cast<int>(insert.size());
    sel_length_ = 0;
    SetChars(text);
    sel_start_ = anchor_ = caret;
    ScrollToCaret();
    Invalidate();
}

void Edit::MoveCaret(int pos, bool extend) {
    pos = std::clamp(pos, 0, static_cast<int>(Chars().size()));
    if (!extend) anchor_ = pos;
    sel_start_ = std::min(anchor_, pos);
    sel_length_ = std::abs(pos - anchor_);
    ScrollToCaret();
    Invalidate();
}

int Edit::Caret() const { return sel_start_ == anchor_ ? sel_start_ + sel_length_ : sel_start_; }

void Edit::ScrollToCaret() {
    // Keep the caret in view by scrolling the text sideways.
    int left_margin = 0, right_margin = 0;
    TextMargins(left_margin, right_margin);
    const int left = Inset() + left_margin;
    const int right = Width() - Inset() - right_margin;
    const int x = TextX(Caret());
    if (x > right) scroll_ += x - right;
    if (x < left) scroll_ = std::max(0, scroll_ - (left - x));
}

void Edit::Delete(bool forward) {
    if (read_only) return;
    if (sel_length_ == 0) {
        const int n = static_cast<int>(Chars().size());
        if (forward && sel_start_ >= n) return;
        if (!forward && sel_start_ == 0) return;
        if (!forward) --sel_start_;
        sel_length_ = 1;
    }
    ReplaceSelection({});
}

bool Edit::WantsKey(int key) const { return key >= VK_LEFT && key <= VK_DOWN; }

void Edit::KeyDown(int& key, ShiftState shift) {
    Control::KeyDown(key, shift);
    const bool extend = shift & ssShift;
    const int caret = Caret();
    const int n = static_cast<int>(Chars().size());
    switch (key) {
        case VK_LEFT:
            MoveCaret(!extend && sel_length_ ? sel_start_ : caret - 1, extend);
            break;
        case VK_RIGHT:
            MoveCaret(!extend && sel_length_ ? sel_start_ + sel_length_ : caret + 1, extend);
            break;
        case VK_HOME: MoveCaret(0, extend); break;
        case VK_END: MoveCaret(n, extend); break;
        case VK_DELETE: Delete(true); break;
        default:
            if (!(shift & ssCtrl)) break;
            if (key == 'A') SelectAll();
            if ((key == 'C' || key == 'X') && sel_length_ && !password_char)
                if (Screen* s = Screen::Current()) s->SetClipboardText(SelText());
            if (key == 'X' && sel_length_ && !read_only && !password_char) ReplaceSelection({});
            if (key == 'V' && !read_only)
                if (Screen* s = Screen::Current()) {
                    std::u32string paste = ToUtf32(s->ClipboardText());
                    std::erase_if(paste, [](char32_t c) { return c < 32; });
                    ReplaceSelection(paste);
                }
            break;
    }
}

void Edit::KeyPress(char32_t& key) {
    Control::KeyPress(key);
    if (key == 0) return;
    if (key == 8) {
        Delete(false);
        return;
    }
    if (key < 32 || key == 127 || read_only) return;
    ReplaceSelection(std::u32string(1, key));
}

int Edit::Inset() const { return border ? kMargin : 1; }

int Edit::TextLeft() const {
    int left_margin = 0, right_margin = 0;
    TextMargins(left_margin, right_margin);
    const int left = Inset() + left_margin;
    const Alignment alignment = TextAlignment();
    if (alignment == taLeftJustify) return left;
    // A text that does not fit starts at the left, so that typing scrolls it as usual.
    const int room = Width() - Inset() - right_margin - left;
    const int free = room - MeasureTextWidth(font(), ToUtf8(Shown()));
    if (free <= 0) return left;
    return left + (alignment == taRightJustify ? free : free / 2);
}

int Edit::TextX(int pos) const {
    const std::string prefix = ToUtf8(Shown().substr(0, pos));
    return TextLeft() + MeasureTextWidth(font(), prefix) - scroll_;
}

int Edit::CaretAt(int x) const {
    const int n = static_cast<int>(Chars().size());
    for (int i = 0; i < n; ++i) {
        const int mid = (TextX(i) + TextX(i + 1)) / 2;
        if (x < mid) return i;
    }
    return n;
}

void Edit::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    if (button == mbLeft && !(shift & ssDouble)) MoveCaret(CaretAt(x), shift & ssShift);
}

void Edit::MouseMove(ShiftState shift, int x, int y) {
    Control::MouseMove(shift, x, y);
    if (shift & ssLeft) MoveCaret(CaretAt(x), true);
}

void Edit::DblClick() {
    Control::DblClick();
    SelectAll();
}

void Edit::DoEnter() {
    if (auto_select) SelectAll();
    Control::DoEnter();
}

void Edit::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    if (border) {
        DrawSunkenWell(canvas, r, EnabledInTree() ? Color() : clBtnFace);
    } else {
        canvas.brush = Brush{EnabledInTree() ? Color() : clBtnFace};
        canvas.FillRect(r);
    }
    canvas.IntersectClipRect(r);
    // The text keeps out of the margins; what lies in them (buttons) is drawn by others.
    int left_margin = 0, right_margin = 0;
    TextMargins(left_margin, right_margin);
    canvas.Save();
    canvas.IntersectClipRect({r.left + left_margin, r.top, r.right - right_margin, r.bottom});

    const int caret = Caret();
    const std::u32string shown = Shown();
    Font f = font();
    if (!EnabledInTree()) f.color = clGrayText;
    canvas.font = f;
    canvas.bk_mode = BkMode::Transparent;
    const int line = MeasureFontMetrics(f).height();
    const int top = (Height() - line) / 2;
    canvas.TextOut(TextX(0), top, ToUtf8(shown));
    if (sel_length_ > 0 && Focused()) {
        const Rect sel{TextX(sel_start_), top, TextX(sel_start_ + sel_length_), top + line};
        canvas.brush = Brush{clHighlight};
        canvas.FillRect(sel);
        f.color = clHighlightText;
        canvas.font = f;
        canvas.TextOut(sel.left, top, ToUtf8(shown.substr(sel_start_, sel_length_)));
    }
    if (Focused()) {
        canvas.pen = Pen{clWindowText};
        canvas.MoveTo(TextX(caret), top);
        canvas.LineTo(TextX(caret), top + line);
    }
    canvas.Restore();
    Control::Paint(canvas);
}

}  // namespace kv
