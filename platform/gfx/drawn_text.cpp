#include "platform/gfx/drawn_text.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/gfx/colour_contrast.h"

namespace kv {
namespace {

TextRecorder* g_recorder = nullptr;

// An ARGB32 pixel (premultiplied) as the game's 0x00BBGGRR colour.
std::uint32_t GameColour(std::uint32_t p) {
    const std::uint32_t a = p >> 24;
    if (a == 0xFF) return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
    auto channel = [&](int shift) {
        const std::uint32_t c = (p >> shift) & 0xFF;
        return a == 0 ? 0u : std::min(255u, (c * 255 + a / 2) / a);
    };
    return channel(16) | (channel(8) << 8) | (channel(0) << 16);
}

// The box's pixels of an image surface, as game colours.
std::vector<std::uint32_t> Pixels(cairo_surface_t* s, const DrawnText& t, bool* opaque = nullptr) {
    cairo_surface_flush(s);
    const auto* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    std::vector<std::uint32_t> out;
    out.reserve(static_cast<std::size_t>(t.width) * t.height);
    for (int y = t.top; y < t.top + t.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = t.left; x < t.left + t.width; ++x) {
            if (opaque && (row[x] >> 24) != 0xFF) *opaque = false;
            out.push_back(GameColour(row[x]));
        }
    }
    return out;
}

}  // namespace

TextRecorder::TextRecorder() {
    g_recorder = this;
}

TextRecorder::~TextRecorder() {
    if (g_recorder == this) g_recorder = nullptr;
}

bool TextRecorder::On() {
    return g_recorder != nullptr;
}

void TextRecorder::NoteCopy(const void* from, cairo_t* onto, double x, double y) {
    if (!g_recorder || !from) return;
    cairo_surface_t* target = cairo_get_target(onto);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return;
    cairo_user_to_device(onto, &x, &y);
    const int dx = static_cast<int>(std::lround(x)), dy = static_cast<int>(std::lround(y));
    const int w = cairo_image_surface_get_width(target), h = cairo_image_surface_get_height(target);
    std::vector<DrawnText> copies;
    for (const DrawnText& t : g_recorder->texts_) {
        if (t.surface != from) continue;
        DrawnText c = t;
        c.surface = cairo_image_surface_get_data(target);
        c.left += dx;
        c.top += dy;
        // Only what lands on the target is kept: the parts off it are cut away row by row.
        const int l = std::max(0, c.left), tp = std::max(0, c.top);
        const int r = std::min(w, c.left + c.width), b = std::min(h, c.top + c.height);
        if (r <= l || b <= tp) continue;
        if (l != c.left || tp != c.top || r != c.left + c.width || b != c.top + c.height) {
            DrawnText cut = c;
            cut.left = l;
            cut.top = tp;
            cut.width = r - l;
            cut.height = b - tp;
            cut.coverage.clear();
            cut.under.clear();
            cut.drawn.clear();
            for (int yy = tp; yy < b; ++yy)
                for (int xx = l; xx < r; ++xx) {
                    const std::size_t i =
                        static_cast<std::size_t>(yy - c.top) * c.width + (xx - c.left);
                    cut.coverage.push_back(c.coverage[i]);
                    cut.under.push_back(c.under[i]);
                    cut.drawn.push_back(c.drawn[i]);
                }
            c = std::move(cut);
        }
        copies.push_back(std::move(c));
    }
    for (DrawnText& c : copies) g_recorder->texts_.push_back(std::move(c));
}

namespace {

// The run of text about to be drawn at `cr`'s current point: its box, the letters' coverage, the
// pixels under it and its colour when the source is one colour. False when it cannot be measured
// (nothing to draw, not an image surface, entirely clipped). `opaque`: every pixel under the box
// is opaque, so what lies under the text is known. With `only_if_doubtful`, false too when the
// run surely reads: under an opaque box, in one colour that reads on every pixel of the box.
bool MeasureRun(cairo_t* cr, PangoLayout* layout, std::string_view text, std::int64_t colour,
                DrawnText& run, bool& colour_known, bool& opaque, bool only_if_doubtful = false) {
    if (!cairo_has_current_point(cr)) return false;
    cairo_surface_t* target = cairo_get_target(cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(target) != CAIRO_FORMAT_ARGB32)
        return false;
    double x = 0, y = 0;
    cairo_get_current_point(cr, &x, &y);
    PangoRectangle ink;
    pango_layout_get_pixel_extents(layout, &ink, nullptr);
    if (ink.width <= 0 || ink.height <= 0) return false;
    // The letters' box on the surface: their ink, two pixels of room round it, within the clip
    // and the surface.
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const auto& [cx, cy] : {std::pair{ink.x - 2.0, ink.y - 2.0},
                                 {ink.x + ink.width + 2.0, ink.y - 2.0},
                                 {ink.x - 2.0, ink.y + ink.height + 2.0},
                                 {ink.x + ink.width + 2.0, ink.y + ink.height + 2.0}}) {
        double dx = x + cx, dy = y + cy;
        cairo_user_to_device(cr, &dx, &dy);
        left = std::min(left, dx);
        top = std::min(top, dy);
        right = std::max(right, dx);
        bottom = std::max(bottom, dy);
    }
    double cl = 0, ct = 0, cright = 0, cb = 0;
    cairo_clip_extents(cr, &cl, &ct, &cright, &cb);
    double clip_left = 1e9, clip_top = 1e9, clip_right = -1e9, clip_bottom = -1e9;
    for (const auto& [cx, cy] : {std::pair{cl, ct}, {cright, ct}, {cl, cb}, {cright, cb}}) {
        double dx = cx, dy = cy;
        cairo_user_to_device(cr, &dx, &dy);
        clip_left = std::min(clip_left, dx);
        clip_top = std::min(clip_top, dy);
        clip_right = std::max(clip_right, dx);
        clip_bottom = std::max(clip_bottom, dy);
    }
    const int l = std::max({0, static_cast<int>(std::floor(left)),
                            static_cast<int>(std::floor(clip_left))});
    const int t = std::max({0, static_cast<int>(std::floor(top)),
                            static_cast<int>(std::floor(clip_top))});
    const int r = std::min({cairo_image_surface_get_width(target), static_cast<int>(std::ceil(right)),
                            static_cast<int>(std::ceil(clip_right))});
    const int b = std::min({cairo_image_surface_get_height(target),
                            static_cast<int>(std::ceil(bottom)), static_cast<int>(std::ceil(clip_bottom))});
    if (r <= l || b <= t) return false;
    run.text = std::string(text);
    run.surface = cairo_image_surface_get_data(target);
    run.left = l;
    run.top = t;
    run.width = r - l;
    run.height = b - t;

    run.under = Pixels(target, run, &opaque);
    colour_known = false;
    if (colour >= 0) {
        run.colour = static_cast<std::uint32_t>(colour);
        colour_known = true;
    } else if (cairo_pattern_t* source = cairo_get_source(cr);
               cairo_pattern_get_type(source) == CAIRO_PATTERN_TYPE_SOLID) {
        double red = 0, green = 0, blue = 0, alpha = 0;
        cairo_pattern_get_rgba(source, &red, &green, &blue, &alpha);
        if (alpha >= 0.99) {
            auto byte = [](double v) { return static_cast<std::uint32_t>(std::lround(v * 255)); };
            run.colour = byte(red) | (byte(green) << 8) | (byte(blue) << 16);
            colour_known = true;
        }
    }
    // Nothing under the box that the colour would not read on: the letters read wherever they
    // fall, and drawing them to find out is spared.
    if (only_if_doubtful) {
        if (!opaque || !colour_known) return false;
        // The pixels round the letters lie within a pixel of their ink; the box has two.
        std::uint32_t last = ~0u;
        bool reads = true;
        for (int yy = 1; reads && yy + 1 < run.height; ++yy)
            for (int xx = 1; xx + 1 < run.width; ++xx) {
                const std::uint32_t u = run.under[static_cast<std::size_t>(yy) * run.width + xx];
                if (u == last) continue;
                last = u;
                if (ContrastRatio(run.colour, u) < kReadableContrast) {
                    reads = false;
                    break;
                }
            }
        if (reads) return false;
    }

    // The letters alone, drawn opaque into a mask of the box in the same place, font and clip.
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, run.width, run.height);
    cairo_t* m = cairo_create(mask);
    cairo_translate(m, -l, -t);
    cairo_matrix_t matrix;
    cairo_get_matrix(cr, &matrix);
    cairo_transform(m, &matrix);
    if (cairo_rectangle_list_t* clips = cairo_copy_clip_rectangle_list(cr)) {
        if (clips->status == CAIRO_STATUS_SUCCESS) {
            for (int i = 0; i < clips->num_rectangles; ++i) {
                const cairo_rectangle_t& c = clips->rectangles[i];
                cairo_rectangle(m, c.x, c.y, c.width, c.height);
            }
            cairo_clip(m);
        }
        cairo_rectangle_list_destroy(clips);
    }
    cairo_set_antialias(m, cairo_get_antialias(cr));
    cairo_set_source_rgba(m, 0, 0, 0, 1);
    cairo_move_to(m, x, y);
    pango_cairo_show_layout(m, layout);
    cairo_destroy(m);
    cairo_surface_flush(mask);
    const auto* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    run.coverage.reserve(static_cast<std::size_t>(run.width) * run.height);
    for (int yy = 0; yy < run.height; ++yy)
        for (int xx = 0; xx < run.width; ++xx) run.coverage.push_back(data[yy * stride + xx]);
    cairo_surface_destroy(mask);

    return true;
}

bool g_rings = false;

}  // namespace

TextRunCapture::TextRunCapture(cairo_t* cr, PangoLayout* layout, std::string_view text,
                               std::int64_t colour) {
    if (!g_recorder) return;
    bool opaque = true;
    if (MeasureRun(cr, layout, text, colour, text_, colour_known_, opaque)) cr_ = cr;
}

TextRings::TextRings(bool on) : was_(g_rings) {
    g_rings = on;
}

TextRings::~TextRings() {
    g_rings = was_;
}

bool TextRings::On() {
    return g_rings;
}

void RingIfUnreadable(cairo_t* cr, PangoLayout* layout, std::int64_t colour) {
    if (!g_rings) return;
    DrawnText run;
    bool colour_known = false, opaque = true;
    if (!MeasureRun(cr, layout, {}, colour, run, colour_known, opaque, true) || !opaque ||
        !colour_known)
        return;
    if (DrawnTextContrast(run) >= kReadableContrast) return;
    // Black or white, whichever stands out more from the letters.
    const std::uint32_t ring =
        ContrastRatio(run.colour, 0x000000) >= ContrastRatio(run.colour, 0xFFFFFF) ? 0x000000
                                                                                    : 0xFFFFFF;
    double x = 0, y = 0;
    cairo_get_current_point(cr, &x, &y);
    cairo_save(cr);
    const double level = (ring & 0xFF) / 255.0;
    cairo_set_source_rgb(cr, level, level, level);
    for (const auto& [dx, dy] :
         {std::pair{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}) {
        cairo_move_to(cr, x + dx, y + dy);
        pango_cairo_show_layout(cr, layout);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
}

TextRunCapture::~TextRunCapture() {
    if (!cr_ || !g_recorder) return;
    text_.drawn = Pixels(cairo_get_target(cr_), text_);
    if (!colour_known_) {
        // A gradient or see-through source: the colour most of the fully covered pixels show.
        std::map<std::uint32_t, int> counts;
        for (std::size_t i = 0; i < text_.drawn.size(); ++i)
            if (text_.coverage[i] == 255) ++counts[text_.drawn[i]];
        if (counts.empty()) return;
        text_.colour = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                           return a.second < b.second;
                       })->first;
    }
    g_recorder->texts_.push_back(std::move(text_));
}

double DrawnTextContrast(const DrawnText& t) {
    const std::size_t n = static_cast<std::size_t>(t.width) * t.height;
    if (t.width <= 0 || t.height <= 0 || t.coverage.size() != n || t.under.size() != n) return 21;
    auto letter = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < t.width && y < t.height &&
               t.coverage[static_cast<std::size_t>(y) * t.width + x] >= 128;
    };
    std::vector<double> around;
    for (int y = 0; y < t.height; ++y)
        for (int x = 0; x < t.width; ++x) {
            if (letter(x, y)) continue;
            if (!letter(x - 1, y) && !letter(x + 1, y) && !letter(x, y - 1) && !letter(x, y + 1))
                continue;
            around.push_back(ContrastRatio(t.colour, t.under[static_cast<std::size_t>(y) * t.width + x]));
        }
    // Fewer edge pixels than this are a dot or a dash, not letters to read.
    constexpr std::size_t kLeast = 8;
    if (around.size() < kLeast) return 21;
    const auto fifth = around.begin() + static_cast<std::ptrdiff_t>(around.size() / 5);
    std::nth_element(around.begin(), fifth, around.end());
    return *fifth;
}

}  // namespace kv
