#include "tools/gallery/contrast_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx/colour_contrast.h"
#include "platform/window/control.h"
#include "platform/window/form.h"
#include "platform/window/screen.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_panel.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

// Pixels that differ less than this in every channel are the same pixel drawn again.
constexpr int kInkThreshold = 40;
// Fewer changed pixels than this are a dot, not a text worth measuring.
constexpr int kMinimumInk = 12;

// Screen pixels are 0x00RRGGBB; the game's colours 0x00BBGGRR.
double Contrast(std::uint32_t a, std::uint32_t b) {
    auto swap = [](std::uint32_t c) {
        return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    };
    return ContrastRatio(swap(a), swap(b));
}

bool Differs(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift <= 16; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
            kInkThreshold)
            return true;
    return false;
}

struct Region {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};

Region Capture(Screen& screen, const Control& c) {
    screen.Paint();
    const PixelView view = screen.BackBuffer();
    const Point at = c.ClientToScreen({0, 0});
    Region r;
    r.left = std::max(0, at.x);
    r.top = std::max(0, at.y);
    r.width = std::max(0, std::min(view.width, at.x + c.Width()) - r.left);
    r.height = std::max(0, std::min(view.height, at.y + c.Height()) - r.top);
    r.pixels.reserve(static_cast<std::size_t>(r.width) * r.height);
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            r.pixels.push_back(view.pixels[y * view.stride / 4 + x] & 0xFFFFFFu);
    return r;
}

// The contrast of a text drawn in `with` and missing from `without`: its letters' colour (the
// colour most of its changed pixels share; edges blend and do not count) against the median of
// what lies under them. Letters that fall short still read when their own drawn ring carries
// them: fewer than one in ten of their edge pixels touches the bare background. 21 (nothing
// wrong) for a text too small or too blended to tell.
double TextContrast(const Region& with, const Region& without) {
    const int w = with.width, h = with.height;
    if (static_cast<int>(with.pixels.size()) != w * h || without.pixels.size() != with.pixels.size())
        return 21;
    std::vector<char> ink(with.pixels.size(), 0);
    std::map<std::uint32_t, int> counts;
    int inked = 0;
    for (std::size_t i = 0; i < with.pixels.size(); ++i)
        if (Differs(with.pixels[i], without.pixels[i])) {
            ink[i] = 1;
            ++inked;
            ++counts[with.pixels[i]];
        }
    if (inked < kMinimumInk) return 21;
    const auto letters = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                             return a.second < b.second;
                         })->first;
    if (counts[letters] < kMinimumInk / 2) return 21;
    std::vector<double> under;
    int edges = 0, bare = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (!ink[i] || with.pixels[i] != letters) continue;
            under.push_back(Contrast(letters, without.pixels[i]));
            bool edge = false, touches_bare = false;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                const std::size_t n = static_cast<std::size_t>(ny) * w + nx;
                if (with.pixels[n] == letters) continue;
                edge = true;
                if (!ink[n]) touches_bare = true;
            }
            edges += edge;
            bare += touches_bare;
        }
    auto middle = under.begin() + static_cast<std::ptrdiff_t>(under.size() / 2);
    std::nth_element(under.begin(), middle, under.end());
    if (*middle >= kReadableContrast || edges == 0) return *middle;
    return bare * 10 < edges ? 21 : *middle;
}

// Takes the control's text away, and returns what puts it back; empty when the control shows
// no text this check can take away.
std::function<void()> TakeTextAway(Control& c, std::string& text) {
    if (auto* markup = dynamic_cast<TMarkupLabel*>(&c)) {
        std::vector<std::string> lines = markup->HTMLLines();
        for (const std::string& l : lines) text += l;
        if (text.empty()) return {};
        markup->SetHTMLLines({});
        return [markup, lines] { markup->SetHTMLLines(lines); };
    }
    if (auto* panel = dynamic_cast<TUiSmoothPanel*>(&c)) {
        text = panel->Caption().HTMLText();
        if (text.empty()) return {};
        panel->Caption().SetHTMLText({});
        return [panel, text] { panel->Caption().SetHTMLText(text); };
    }
    if (auto* bar = dynamic_cast<TUiSmoothProgressBar*>(&c)) {
        if (!bar->Appearance().ValueVisible()) return {};
        text = "(valor da barra)";
        bar->Appearance().SetValueVisible(false);
        return [bar] { bar->Appearance().SetValueVisible(true); };
    }
    if (!c.Children().empty() || c.Caption().empty()) return {};
    text = c.Caption();
    c.SetCaption({});
    return [&c, text] { c.SetCaption(text); };
}

// A smooth label drawn under another showing the same text is that text's shadow, not a text.
bool ShadowCopy(const Control& c) {
    const auto* label = dynamic_cast<const TUiSmoothLabel*>(&c);
    if (!label || !c.Parent()) return false;
    bool after = false;
    for (const auto& sibling : c.Parent()->Children()) {
        if (sibling.get() == &c) {
            after = true;
            continue;
        }
        const auto* other = dynamic_cast<const TUiSmoothLabel*>(sibling.get());
        if (after && other && other->Showing() &&
            other->Caption().Text() == label->Caption().Text())
            return true;
    }
    return false;
}

void Measure(Screen& screen, Control& c, double minimum, std::vector<std::string>& faults) {
    if (!c.Showing() || ShadowCopy(c)) return;
    const Region with = Capture(screen, c);
    std::string text;
    if (const std::function<void()> restore = TakeTextAway(c, text)) {
        const Region without = Capture(screen, c);
        restore();
        if (const double ratio = TextContrast(with, without); ratio < minimum) {
            char shown[32];
            std::snprintf(shown, sizeof shown, "%.1f:1", ratio);
            if (text.size() > 60) text = text.substr(0, 57) + "...";
            faults.push_back(c.Name() + " com contraste " + shown + " \"" + text + "\"");
        }
    }
    for (const auto& child : c.Children()) Measure(screen, *child, minimum, faults);
}

}  // namespace

std::vector<std::string> LowContrastTexts(Screen& screen, Form& form, double minimum) {
    std::vector<std::string> faults;
    for (const auto& child : form.Children()) Measure(screen, *child, minimum, faults);
    screen.Paint();
    return faults;
}

}  // namespace kv
