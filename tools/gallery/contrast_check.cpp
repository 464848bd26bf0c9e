#include "tools/gallery/contrast_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx/drawn_text.h"
#include "platform/window/control.h"
#include "platform/window/form.h"
#include "platform/window/screen.h"

namespace kv {
namespace {

// The same pixel drawn again differs from itself by no more than this in any channel.
constexpr int kSamePixel = 8;
// A copy of a text this many pixels or fewer from a later one is its shadow or outline.
constexpr int kShadowReach = 3;

bool Same(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift <= 16; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
            kSamePixel)
            return false;
    return true;
}

// Screen pixels are 0x00RRGGBB; the recorder's colours 0x00BBGGRR.
std::uint32_t GameColour(std::uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

// Whether most of the text's letters are still on the screen as it drew them.
bool StillShown(const DrawnText& t, const PixelView& view) {
    int letters = 0, kept = 0;
    for (int y = 0; y < t.height; ++y)
        for (int x = 0; x < t.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * t.width + x;
            if (t.coverage[i] < 128) continue;
            ++letters;
            const std::uint32_t now = view.pixels[(t.top + y) * view.stride / 4 + t.left + x];
            kept += Same(GameColour(now & 0xFFFFFFu), t.drawn[i]);
        }
    return letters > 0 && kept * 2 >= letters;
}

// Whether a text drawn later shows the same words within a few pixels of this one.
bool DrawnAgain(const std::vector<DrawnText>& texts, std::size_t at) {
    const DrawnText& t = texts[at];
    for (std::size_t j = at + 1; j < texts.size(); ++j) {
        const DrawnText& o = texts[j];
        if (o.surface == t.surface && o.text == t.text && std::abs(o.left - t.left) <= kShadowReach &&
            std::abs(o.top - t.top) <= kShadowReach)
            return true;
    }
    return false;
}

Rect OnScreen(const Control& c) {
    const Point at = c.ClientToScreen({0, 0});
    return {at.x, at.y, at.x + c.Width(), at.y + c.Height()};
}

// The innermost control showing at a point of the screen, the last drawn where they overlap.
const Control* ControlAt(const Control& holder, Point p) {
    for (auto child = holder.Children().rbegin(); child != holder.Children().rend(); ++child) {
        if (!(*child)->Showing() || !OnScreen(**child).contains(p)) continue;
        const Control* inner = ControlAt(**child, p);
        return inner ? inner : child->get();
    }
    return nullptr;
}

}  // namespace

std::vector<std::string> LowContrastTexts(Screen& screen, Form& form, double minimum) {
    std::vector<DrawnText> texts;
    const bool was_painting = screen.Painting();
    screen.SetPainting(false);
    {
        TextRecorder recorder;
        screen.SetPainting(true);
        screen.Paint();
        texts = recorder.Texts();
    }
    screen.SetPainting(was_painting);
    const PixelView view = screen.BackBuffer();
    const Rect window = form.BoundsRect();

    // One fault per control: its worst contrast and the words that fall short (a mark-up text
    // is drawn word by word, a grid cell by cell).
    struct Fault {
        double worst = 21;
        std::string text;
    };
    std::vector<std::string> order;
    std::map<std::string, Fault> by_control;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const DrawnText& t = texts[i];
        if (t.surface != view.pixels) continue;
        const Point centre{t.left + t.width / 2, t.top + t.height / 2};
        if (!window.contains(centre) || DrawnAgain(texts, i) || !StillShown(t, view)) continue;
        const Control* at = ControlAt(form, centre);
        if (at && !at->EnabledInTree()) continue;
        const double ratio = DrawnTextContrast(t);
        if (ratio >= minimum) continue;
        const std::string name = at ? at->Name() : form.Name();
        auto [fault, added] = by_control.try_emplace(name);
        if (added) order.push_back(name);
        fault->second.worst = std::min(fault->second.worst, ratio);
        if (!fault->second.text.empty() && fault->second.text.back() != ' ') fault->second.text += " | ";
        fault->second.text += t.text;
    }
    std::vector<std::string> faults;
    for (const std::string& name : order) {
        const Fault& f = by_control[name];
        char shown[32];
        std::snprintf(shown, sizeof shown, "%.1f:1", f.worst);
        std::string text = f.text;
        while (!text.empty() && text.back() == ' ') text.pop_back();
        if (text.size() > 60) text = text.substr(0, 57) + "...";
        faults.push_back(name + " com contraste " + shown + " \"" + text + "\"");
    }
    return faults;
}

}  // namespace kv
