#include "platform/window/memo.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/classic_look.h"

namespace kv {
namespace {
constexpr int kEdge = 2;
constexpr unsigned kFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
}  // namespace

Memo::Memo() {
    windowed_ = true;
    tab_stop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
    bar_.on_scroll = [this](int top) { SetTopLine(top); };
}

void Memo::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    top_line_ = 0;
    Invalidate();
}

void Memo::AddLine(const std::string& line) {
    lines_.push_back(line);
    Invalidate();
}

std::string Memo::Text() const {
    std::string out;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i) out += '\n';
        out += lines_[i];
    }
    return out;
}

void Memo::SetText(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty() || text.empty() || text.back() == '\n') lines.push_back(line);
    if (text.empty()) lines.clear();
    SetLines(std::move(lines));
}

int Memo::LineHeight() const { return std::max(1, MeasureFontMetrics(font()).height()); }

int Memo::VisibleRows() const { return std::max(1, (Height() - 2 * kEdge - 2) / LineHeight()); }

int Memo::TextWidth() const { return std::max(1, Width() - 2 * kEdge - 4 - kScrollBarWidth); }

std::vector<std::string> Memo::ShownLines() const {
    std::vector<std::string> shown;
    for (const auto& line : lines_) {
        if (!word_wrap || line.empty()) {
            shown.push_back(line);
            continue;
        }
        for (auto& l : LayoutText(line, font(), TextWidth(), kFlags).lines)
            shown.push_back(std::move(l.text));
    }
    return shown;
}

void Memo::SetTopLine(int line) {
    const int rows = static_cast<int>(ShownLines().size());
    top_line_ = std::clamp(line, 0, std::max(0, rows - VisibleRows()));
    Invalidate();
}

bool Memo::WantsKey(int key) const { return key >= VK_LEFT && key <= VK_DOWN; }

void Memo::SyncScrollBar(int rows) {
    const int right = Width() - kEdge;
    bar_.SetBounds({right - kScrollBarWidth, kEdge, right, Height() - kEdge});
    bar_.SetParams(rows, VisibleRows(), top_line_);
}

void Memo::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    SyncScrollBar(static_cast<int>(ShownLines().size()));
    if (button == mbLeft && bar_.MouseDown({x, y})) return;
    Control::MouseDown(button, shift, x, y);
}

void Memo::MouseMove(ShiftState shift, int x, int y) {
    if (!bar_.MouseMove({x, y})) Control::MouseMove(shift, x, y);
}

void Memo::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == mbLeft && bar_.MouseUp({x, y})) return;
    Control::MouseUp(button, shift, x, y);
}

void Memo::MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) {
    Control::MouseWheel(shift, delta, x, y, handled);
    if (handled) return;
    SetTopLine(top_line_ - ScrollBar::WheelLines(delta));
    handled = true;
}

void Memo::KeyDown(int& key, ShiftState shift) {
    Control::KeyDown(key, shift);
    switch (key) {
        case VK_UP: SetTopLine(top_line_ - 1); break;
        case VK_DOWN: SetTopLine(top_line_ + 1); break;
        case VK_PRIOR: SetTopLine(top_line_ - VisibleRows()); break;
        case VK_NEXT: SetTopLine(top_line_ + VisibleRows()); break;
        case VK_HOME: if (shift & ssCtrl) SetTopLine(0); break;
        case VK_END: if (shift & ssCtrl) SetTopLine(1 << 30); break;
        default: break;
    }
}

void Memo::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    DrawSunkenWell(canvas, r, Color());
    const std::vector<std::string> shown = ShownLines();
    const int rows = static_cast<int>(shown.size());
    SyncScrollBar(rows);
    bar_.Paint(canvas);
    r.right -= kScrollBarWidth;
    canvas.IntersectClipRect(r);
    Font f = font();
    if (!EnabledInTree()) f.color = clGrayText;
    canvas.font = f;
    canvas.bk_mode = BkMode::Transparent;
    const int h = LineHeight();
    for (int i = top_line_, y = r.top + 1; i < rows && y < r.bottom; ++i, y += h)
        canvas.TextOut(r.left + 2, y, shown[i]);
    Control::Paint(canvas);
}

}  // namespace kv
