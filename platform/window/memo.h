#pragma once
// A multi-line text box the game uses read-only: lines wrapped to its width, scrolled by wheel,
// keys and its scroll bar, which is always there.

#include <string>
#include <vector>

#include "platform/window/control.h"
#include "platform/window/scroll_bar.h"

namespace kv {

class Memo : public Control {
public:
    Memo();

    const std::vector<std::string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::string> lines);
    void AddLine(const std::string& line);
    void Clear() { SetLines({}); }
    // All lines joined by "\n"; setting splits on line breaks.
    std::string Text() const;
    void SetText(const std::string& text);
    bool word_wrap = true;
    bool read_only = true;

    int TopLine() const { return top_line_; }
    void SetTopLine(int line);
    // Lines after wrapping, as shown.
    std::vector<std::string> ShownLines() const;

    bool WantsKey(int key) const override;
    bool WantsChars() const override { return true; }
    void Paint(Canvas& canvas) override;

protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) override;
    void KeyDown(int& key, ShiftState shift) override;

private:
    int LineHeight() const;
    int VisibleRows() const;
    int TextWidth() const;
    // Places the scroll bar and gives it the memo's numbers, for `rows` lines as shown.
    void SyncScrollBar(int rows);
    std::vector<std::string> lines_;
    int top_line_ = 0;
    ScrollBar bar_{*this, sbVertical};
};

}  // namespace kv
