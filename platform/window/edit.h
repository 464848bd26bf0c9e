#pragma once
// A one-line text box: typing, selection, caret, clipboard, a maximum length in characters (the
// game's names go into fixed-capacity fields) and a change event. Text is its Caption.

#include <functional>
#include <string>

#include "platform/window/control.h"
#include "platform/window/label.h"

namespace kv {

class Edit : public Control {
public:
    Edit();

    const std::string& Text() const { return Caption(); }
    // Replaces the text (cut to max_length) and fires on_change when it differs.
    void SetText(const std::string& text);
    int max_length = 0;  // characters; 0 for no limit
    bool read_only = false;
    char32_t password_char = 0;
    bool auto_select = true;  // the whole text is selected when the focus arrives
    bool border = true;       // a sunken edge; without it the text starts a pixel in (cells)

    int SelStart() const { return sel_start_; }
    int SelLength() const { return sel_length_; }
    void SetSelStart(int pos);
    void SetSelLength(int length);
    std::string SelText() const;
    void SelectAll();
    // Replaces the selection as if typed (max_length applies).
    void ReplaceSelection(const std::u32string& text);

    std::function<void()> on_change;

    bool WantsKey(int key) const override;
    bool WantsChars() const override { return true; }
    void Paint(Canvas& canvas) override;

protected:
    // Room kept free inside the edit at the left and right of the text (buttons, a preview
    // box), and where a text shorter than the room left lies in it.
    virtual void TextMargins(int& left, int& right) const { left = right = 0; }
    virtual Alignment TextAlignment() const { return taLeftJustify; }

    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void DblClick() override;
    void DoEnter() override;

private:
    std::u32string Chars() const;
    std::u32string Shown() const;  // password characters in place of the text
    void SetChars(const std::u32string& text);
    void MoveCaret(int pos, bool extend);
    int Caret() const;  // the moving end of the selection
    void ScrollToCaret();
    int CaretAt(int x) const;
    int TextX(int pos) const;  // pixel position of a character boundary, scrolled
    int TextLeft() const;      // where the text starts before scrolling
    int Inset() const;         // the edge and the pixel inside it
    void Delete(bool forward);

    int sel_start_ = 0;
    int sel_length_ = 0;
    int anchor_ = 0;  // the fixed end of the selection while shift-selecting
    int scroll_ = 0;  // pixels of text scrolled off to the left
};

}  // namespace kv
