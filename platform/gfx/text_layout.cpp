#include "platform/gfx/text_layout.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/base/utf8.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/drawn_text.h"

namespace kv {
namespace {

constexpr size_t kMaxCachedWidths = 8192;
constexpr size_t kMaxCachedLayouts = 4096;
constexpr int kLargestPixelSize = 1000;

struct FontEntry {
    std::string name;
    int size = 0;
    FontStyles style = 0;
    PangoFontDescription* desc = nullptr;
    FontMetrics metrics;
    std::unordered_map<std::string, int> widths;
};

// One Pango context and layout shared by every canvas of the thread: text is laid
// out with integer (hinted) metrics, so a width measured once holds wherever the
// text is drawn.
class TextEngine {
  public:
    TextEngine() {
        PangoFontMap* map = pango_cairo_font_map_new();
        context_ = pango_font_map_create_context(map);
        g_object_unref(map);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        pango_cairo_context_set_font_options(context_, options);
        cairo_font_options_destroy(options);
        pango_cairo_context_set_resolution(context_, kScreenDpi);
        layout_ = pango_layout_new(context_);
        // One run is one line: line breaks are the layout's business, not Pango's.
        pango_layout_set_single_paragraph_mode(layout_, TRUE);
    }
    ~TextEngine() {
        ClearLayouts();
        for (auto& e : fonts_) pango_font_description_free(e->desc);
        g_object_unref(layout_);
        g_object_unref(context_);
    }

    FontEntry& Entry(const Font& font) {
        const FontStyles style = font.style & (fsBold | fsItalic);
        if (last_ && last_->size == font.size && last_->style == style && last_->name == font.name)
            return *last_;
        for (auto& e : fonts_) {
            if (e->size == font.size && e->style == style && e->name == font.name) {
                last_ = e.get();
                return *last_;
            }
        }
        auto e = std::make_unique<FontEntry>();
        e->name = font.name;
        e->size = font.size;
        e->style = style;
        e->desc = pango_font_description_new();
        const std::string family(SubstituteFontFamily(font.name));
        pango_font_description_set_family(e->desc, family.c_str());
        pango_font_description_set_absolute_size(
            e->desc, std::clamp(font.pixel_size(), 1, kLargestPixelSize) * PANGO_SCALE);
        pango_font_description_set_weight(e->desc,
                                          font.bold() ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_font_description_set_style(e->desc,
                                         font.italic() ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
        PangoFontMetrics* m = pango_context_get_metrics(context_, e->desc, nullptr);
        e->metrics.ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(m));
        e->metrics.descent = PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(m));
        e->metrics.external_leading =
            std::max(0, PANGO_PIXELS(pango_font_metrics_get_height(m)) - e->metrics.height());
        pango_font_metrics_unref(m);
        fonts_.push_back(std::move(e));
        last_ = fonts_.back().get();
        return *last_;
    }

    PangoLayout* Prepare(const FontEntry& entry, std::string_view utf8) {
        if (current_ != entry.desc) {
            pango_layout_set_font_description(layout_, entry.desc);
            current_ = entry.desc;
        }
        pango_layout_set_attributes(layout_, nullptr);
        SetLayoutText(layout_, utf8);
        return layout_;
    }

    int Width(const Font& font, std::string_view utf8) {
        if (utf8.empty()) return 0;
        FontEntry& entry = Entry(font);
        key_.assign(utf8);
        auto it = entry.widths.find(key_);
        if (it != entry.widths.end()) return it->second;
        PangoRectangle logical;
        pango_layout_get_extents(Prepare(entry, utf8), nullptr, &logical);
        const int width = PANGO_PIXELS(logical.width);
        if (entry.widths.size() >= kMaxCachedWidths) entry.widths.clear();
        entry.widths.emplace(key_, width);
        return width;
    }

    // A layout of one line in the font with its underlines, made once and kept for drawing the
    // same line again: shaping a text costs several times what showing it does, and a repaint
    // shows the same texts as the one before. The key is everything the layout is made from, so
    // a change of text, font or underline finds (or makes) another layout.
    struct Laid {
        PangoLayout* layout = nullptr;
        int baseline = 0;  // whole pixels
    };
    const Laid& CachedLayout(const FontEntry& entry, std::string_view utf8, bool underline,
                             bool strike_out, int accel_byte) {
        layout_key_.desc = entry.desc;
        layout_key_.text.assign(utf8);
        layout_key_.underline = underline;
        layout_key_.strike_out = strike_out;
        layout_key_.accel_byte = accel_byte;
        if (const auto it = layouts_.find(layout_key_); it != layouts_.end()) return it->second;
        // Bounded: a list scrolled through thousands of names must not grow it without end.
        if (layouts_.size() >= kMaxCachedLayouts) ClearLayouts();
        PangoLayout* layout = pango_layout_new(context_);
        pango_layout_set_single_paragraph_mode(layout, TRUE);
        pango_layout_set_font_description(layout, entry.desc);
        SetLayoutText(layout, utf8);
        if (underline || strike_out || accel_byte >= 0) {
            PangoAttrList* attrs = pango_attr_list_new();
            if (underline)
                pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
            if (strike_out) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
            if (accel_byte >= 0 && !underline && static_cast<size_t>(accel_byte) < utf8.size()) {
                PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
                a->start_index = static_cast<guint>(accel_byte);
                a->end_index =
                    static_cast<guint>(Utf8CharEnd(utf8, static_cast<size_t>(accel_byte)));
                pango_attr_list_insert(attrs, a);
            }
            pango_layout_set_attributes(layout, attrs);
            pango_attr_list_unref(attrs);
        }
        Laid laid{layout, PANGO_PIXELS(pango_layout_get_baseline(layout))};
        return layouts_.emplace(layout_key_, laid).first->second;
    }

    void ClearLayouts() {
        for (auto& [key, laid] : layouts_) g_object_unref(laid.layout);
        layouts_.clear();
    }

    PangoContext* context() const { return context_; }

  private:
    PangoContext* context_ = nullptr;
    PangoLayout* layout_ = nullptr;
    const PangoFontDescription* current_ = nullptr;
    std::vector<std::unique_ptr<FontEntry>> fonts_;
    FontEntry* last_ = nullptr;
    std::string key_;

    struct LayoutKey {
        const PangoFontDescription* desc = nullptr;  // its font entry lives as long as the engine
        std::string text;
        bool underline = false;
        bool strike_out = false;
        int accel_byte = -1;
        friend bool operator==(const LayoutKey&, const LayoutKey&) = default;
    };
    struct LayoutKeyHash {
        size_t operator()(const LayoutKey& k) const {
            size_t h = std::hash<std::string>()(k.text);
            h ^= std::hash<const void*>()(k.desc) + 0x9e3779b9 + (h << 6) + (h >> 2);
            return h ^ (static_cast<size_t>(k.accel_byte + 1) * 4 + k.underline * 2 + k.strike_out);
        }
    };
    std::unordered_map<LayoutKey, Laid, LayoutKeyHash> layouts_;
    LayoutKey layout_key_;
};

TextEngine& Engine() {
    thread_local TextEngine engine;
    return engine;
}

// Cuts a line to fit `width` with "..." at its end, keeping the longest start
// that fits (blanks before the dots dropped).
void Ellipsize(TextLine& line, const Font& font, int width) {
    const std::string_view dots = "...";
    const int room = width - MeasureTextWidth(font, dots);
    const std::string_view text = line.text;
    std::vector<size_t> ends;  // every character boundary after the first character
    for (size_t i = 0; i < text.size(); i = Utf8CharEnd(text, i))
        ends.push_back(Utf8CharEnd(text, i));
    auto trimmed = [&](size_t end) {
        while (end > 0 && text[end - 1] == ' ') --end;
        return end;
    };
    // Widths grow with the prefix, so the longest fitting one is found by halving.
    size_t lo = 0, hi = ends.size();  // ends[0..lo) fit; ends[hi..) do not
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (MeasureTextWidth(font, text.substr(0, trimmed(ends[mid]))) <= room)
            lo = mid + 1;
        else
            hi = mid;
    }
    const size_t end = lo == 0 ? 0 : trimmed(ends[lo - 1]);
    line.text = std::string(text.substr(0, end)) + std::string(dots);
    if (line.accel_byte >= static_cast<int>(end)) line.accel_byte = -1;
    line.width = MeasureTextWidth(font, line.text);
}

std::string ExpandTabs(std::string_view s, bool expand) {
    std::string out;
    out.reserve(s.size());
    int column = 0;
    for (char c : s) {
        if (c == '\t') {
            const int spaces = expand ? 8 - column % 8 : 1;
            out.append(spaces, ' ');
            column += spaces;
        } else {
            out += c;
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++column;
        }
    }
    return out;
}

// Splits one paragraph into lines no wider than `width`, breaking after blanks.
// A word wider than the whole line stays whole on a line of its own.
void BreakParagraph(std::string_view para, int accel, const Font& font, int width,
                    std::vector<TextLine>& out) {
    size_t start = 0;
    while (true) {
        // Take words while they fit.
        size_t end = start;  // end of the last word that fits
        size_t pos = start;
        while (pos < para.size()) {
            size_t word_end = pos;
            while (word_end < para.size() && para[word_end] != ' ') ++word_end;
            const int w = MeasureTextWidth(font, para.substr(start, word_end - start));
            if (w > width && end > start) break;
            end = word_end;
            pos = word_end;
            while (pos < para.size() && para[pos] == ' ') ++pos;
            if (w > width) break;  // an over-long first word ends its line
        }
        if (pos >= para.size() && end == start) end = para.size();
        TextLine line;
        line.text = std::string(para.substr(start, end - start));
        if (accel >= static_cast<int>(start) && accel < static_cast<int>(end))
            line.accel_byte = accel - static_cast<int>(start);
        line.width = MeasureTextWidth(font, line.text);
        out.push_back(std::move(line));
        if (pos >= para.size()) return;
        start = pos;
    }
}

}  // namespace

void SetLayoutText(PangoLayout* layout, std::string_view utf8) {
    const int length = static_cast<int>(std::min<size_t>(utf8.size(), 1 << 20));
    if (g_utf8_validate(utf8.data(), length, nullptr)) {
        pango_layout_set_text(layout, utf8.data(), length);
        return;
    }
    // Bytes that are not UTF-8 show as replacement marks instead of upsetting Pango.
    gchar* valid = g_utf8_make_valid(utf8.data(), length);
    pango_layout_set_text(layout, valid, -1);
    g_free(valid);
}

FontMetrics MeasureFontMetrics(const Font& font) {
    return Engine().Entry(font).metrics;
}

int MeasureTextWidth(const Font& font, std::string_view utf8) {
    return Engine().Width(font, utf8);
}

PangoLayout* CreateTextLayout(const Font& font) {
    TextEngine& engine = Engine();
    PangoLayout* layout = pango_layout_new(engine.context());
    pango_layout_set_font_description(layout, engine.Entry(font).desc);
    return layout;
}

void DrawTextRun(cairo_t* cr, const Font& font, double x, double y, std::string_view utf8,
                 int accel_byte, TColor color) {
    if (utf8.empty()) return;
    const TColor c = ColorToRGB(color == clDefault ? font.color : color);
    if (c == clNone) return;
    TextEngine& engine = Engine();
    FontEntry& entry = engine.Entry(font);
    const TextEngine::Laid& laid =
        engine.CachedLayout(entry, utf8, font.underline(), font.strike_out(), accel_byte);
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
    if (font.angle != 0) {
        // Laid out level, then turned as a whole: the measured widths still hold.
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, -font.angle * M_PI / 180.0);
        cairo_move_to(cr, 0, entry.metrics.ascent - laid.baseline);
        RingIfUnreadable(cr, laid.layout, c);
        {
            const TextRunCapture capture(cr, laid.layout, utf8, c);
            pango_cairo_show_layout(cr, laid.layout);
        }
        cairo_restore(cr);
    } else {
        cairo_move_to(cr, x, y + entry.metrics.ascent - laid.baseline);
        RingIfUnreadable(cr, laid.layout, c);
        const TextRunCapture capture(cr, laid.layout, utf8, c);
        pango_cairo_show_layout(cr, laid.layout);
    }
    cairo_new_path(cr);
}

std::string StripPrefixes(std::string_view utf8, int& accel_byte) {
    accel_byte = -1;
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '&') {
            out += utf8[i];
            continue;
        }
        if (i + 1 < utf8.size() && utf8[i + 1] == '&') {
            out += '&';
            ++i;
        } else if (i + 1 < utf8.size()) {
            // The last marked character wins, as on the desktop.
            accel_byte = static_cast<int>(out.size());
        }
    }
    return out;
}

TextBlock LayoutText(std::string_view utf8, const Font& font, int box_width, unsigned flags) {
    TextBlock block;
    const FontMetrics metrics = MeasureFontMetrics(font);
    block.line_height =
        metrics.height() + ((flags & DT_EXTERNALLEADING) ? metrics.external_leading : 0);
    int accel = -1;
    std::string text = (flags & DT_NOPREFIX) ? std::string(utf8) : StripPrefixes(utf8, accel);
    if (flags & DT_HIDEPREFIX) accel = -1;
    const bool single = flags & DT_SINGLELINE;
    const bool wrap = !single && (flags & DT_WORDBREAK);
    const bool ellipsis =
        (flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) && !(flags & DT_CALCRECT);

    std::vector<std::pair<size_t, size_t>> paragraphs;
    if (single) {
        for (char& c : text) {
            if (c == '\r' || c == '\n') c = ' ';
        }
        paragraphs.emplace_back(0, text.size());
    } else {
        size_t start = 0;
        for (size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
                paragraphs.emplace_back(start, i);
                if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
                start = i + 1;
            }
        }
    }
    for (auto [begin, end] : paragraphs) {
        int para_accel = (accel >= static_cast<int>(begin) && accel < static_cast<int>(end))
                             ? accel - static_cast<int>(begin)
                             : -1;
        std::string para =
            ExpandTabs(std::string_view(text).substr(begin, end - begin), flags & DT_EXPANDTABS);
        if (para.size() != end - begin) para_accel = -1;  // offsets moved with the tabs
        if (wrap) {
            BreakParagraph(para, para_accel, font, box_width, block.lines);
        } else {
            TextLine line;
            line.text = std::move(para);
            line.accel_byte = para_accel;
            line.width = MeasureTextWidth(font, line.text);
            block.lines.push_back(std::move(line));
        }
    }
    for (auto& line : block.lines) {
        if (ellipsis && line.width > box_width) Ellipsize(line, font, box_width);
        block.width = std::max(block.width, line.width);
    }
    for (auto& line : block.lines) {
        if (flags & DT_CENTER)
            line.x = (box_width - line.width) / 2;
        else if (flags & DT_RIGHT)
            line.x = box_width - line.width;
    }
    block.height = static_cast<int>(block.lines.size()) * block.line_height;
    return block;
}

}  // namespace kv

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps its configuration for the life of the process and frees it
// only on request; the leak checker would report it at every exit.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
