#include "ui/markup/markup_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>

#include "platform/gfx/drawn_text.h"
#include "ui/markup/markup_picture.h"
#include "ui/markup/markup_tag.h"
#include "ui/markup/markup_text.h"
#include "ui/markup/picture_container.h"

namespace kv {
namespace {

constexpr int kListIndent = 12;
constexpr int kGradientSteps = 64;
// Positions, widths and heights never leave this range, however long the text or large its
// numbers: sums of a few of them stay far inside an int.
constexpr int kFar = 1 << 28;
// The caller's rectangle and point are taken within this range.
constexpr int kSurfaceLimit = 1 << 20;

int Clamped(long long v, int limit = kFar) {
    return static_cast<int>(std::clamp<long long>(v, -limit, limit));
}

int Sum(long long a, long long b) {
    return Clamped(a + b);
}

int RoundEven(double v) {
    if (!(v == v)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(v, double(-kFar), double(kFar))));
}

Rect ClampedRect(const Rect& r) {
    return {Clamped(r.left, kSurfaceLimit), Clamped(r.top, kSurfaceLimit),
            Clamped(r.right, kSurfaceLimit), Clamped(r.bottom, kSurfaceLimit)};
}

// The caller's numbers, brought into the ranges the layout counts in.
MarkupOptions Sane(MarkupOptions o) {
    o.bounds = ClampedRect(o.bounds);
    o.point_x = Clamped(o.point_x, kSurfaceLimit);
    o.point_y = Clamped(o.point_y, kSurfaceLimit);
    o.shadow_offset = Clamped(o.shadow_offset, kMarkupNumberLimit);
    o.line_spacing = Clamped(o.line_spacing, kMarkupNumberLimit);
    if (!(o.print_scale >= 0 && o.print_scale <= 64)) o.print_scale = 1.0;
    return o;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

std::string AttributeOr(std::string_view tag, std::string_view name, std::string_view fallback) {
    auto value = MarkupAttribute(tag, name);
    return value ? *value : std::string(fallback);
}

// A clip that is given back however the drawing inside it ends.
class ClipScope {
  public:
    ClipScope(MarkupCanvas& canvas, const Rect& r) : canvas_(canvas) { canvas_.PushClip(r); }
    ~ClipScope() { canvas_.PopClip(); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

  private:
    MarkupCanvas& canvas_;
};

enum class Align { kLeft, kRight, kCenter };
enum class Mode { kMeasure, kDraw };

// Where a picture named in mark-up comes from.
struct PictureSource {
    const MarkupImageList* list = nullptr;
    int index = -1;
    EncodedPicture* picture = nullptr;
    int frame_left = 0;
    int frame_top = 0;
};

class MarkupEngine {
  public:
    MarkupEngine(MarkupCanvas& canvas, const MarkupFont& base_font, TColor background,
                 const MarkupOptions& options)
        : canvas_(canvas),
          opt_(Sane(options)),
          gp_(options.dialect == MarkupDialect::kGraphics),
          base_font_(base_font),
          entry_background_(background) {}

    MarkupResult Run(std::string_view source);

  private:
    // One line: consumes from rest what it lays out and appends it to consumed.
    void Line(Mode mode, std::string_view& rest, std::string& consumed, int offset_carry);
    int DrawRun(const std::string& text, std::string_view after);
    int RunWidth(const std::string& text);
    void HitTestRun(int width_before, int width_after);
    void Zigzag(int from, int to, int bottom);
    // Calls draw(dx, dy) for each place a shadow copy of a run goes.
    template <class F>
    void ForEachShadowOffset(F draw) const;
    bool UnderlineContinues(const std::string& text, std::string_view after) const;

    void Tag(const MarkupTag& tag);
    void OpenTag(const MarkupTag& tag);
    void CloseTag(const MarkupTag& tag);
    void OpenAnchor(const MarkupTag& tag);
    void CloseAnchor();
    void ReportPointAnchor();
    void CloseFocusRect(int bottom);
    void Font(const MarkupTag& tag);
    void Image(const MarkupTag& tag);
    void ListItem(const MarkupTag& tag);
    void Rule(const MarkupTag& tag);
    void Paragraph(const MarkupTag& tag);
    void Body(const MarkupTag& tag);
    void BodyPicture(std::string_view source, bool top_right);
    void FillParagraphLine();

    PictureSource FindPicture(std::string_view source);
    void DrawListPicture(const PictureSource& p, int x, int y);
    void Gradient(const Rect& rect, TColor from, TColor to, bool horizontal);

    int GhHeight() { return canvas_.TextExtent(font_, "gh").cy; }
    // The antialiased renderer counts pictures in their own pixels.
    int ScaleX(int v) { return gp_ ? v : MulDiv(v, canvas_.PixelsPerInchX(), 96); }
    int ScaleY(int v) { return gp_ ? v : MulDiv(v, canvas_.PixelsPerInchY(), 96); }
    int RunBottom() const { return line_.bottom - sub_depth_; }
    bool Drawing() const { return mode_ == Mode::kDraw; }
    bool Hovered() const { return !opt_.hover_enabled || anchor_counter_ == opt_.hover_index; }

    MarkupCanvas& canvas_;
    const MarkupOptions opt_;
    const bool gp_;
    const MarkupFont base_font_;
    const TColor entry_background_;
    MarkupResult out_;
    MarkupTextFlags text_flags_;

    // Style state, carried from line to line.
    MarkupFont font_;
    TColor background_ = clNone;
    bool shadow_ = false, sub_ = false, sup_ = false, hidden_ = false, error_ = false;
    bool in_anchor_ = false;
    std::string target_, title_;
    int list_level_ = 0;
    bool ordered_ = false;
    int item_counter_ = 0;
    Align align_ = Align::kLeft;
    int indent_ = 0;
    int offset_ = 0;  // <OF>
    int anchor_counter_ = 0, image_counter_ = 0;
    TColor font_saved_background_ = clNone;
    bool highlight_saved_ = false;
    TColor highlight_saved_color_ = 0, highlight_saved_background_ = clNone;
    bool hover_background_saved_ = false, hover_color_switched_ = false;
    TColor hover_saved_background_ = clNone, hover_saved_color_ = 0;
    bool paragraph_background_ = false, paragraph_saved_ = false, paragraph_gradient_ = false;
    TColor paragraph_saved_background_ = clNone;
    TColor paragraph_from_ = 0, paragraph_to_ = 0;

    // The anchor under the point, and the focus rectangle.
    bool point_on_anchor_ = false;
    int point_anchor_number_ = -1;
    Rect anchor_start_;
    bool anchor_started_on_line_ = false;
    Rect focus_;
    bool focus_open_ = false;
    bool focus_continues_ = false;

    // Hit tests run only in the pass whose positions are final (after alignment), so a
    // point where a centred line's text would lie if it were left-aligned finds nothing.
    bool final_pass_ = false;

    // The current line.
    Mode mode_ = Mode::kMeasure;
    Rect line_;
    int x_ = 0;
    int line_height_ = 0, sub_depth_ = 0, sup_height_ = 0, image_offset_ = 0;
    int line_width_ = 0, trailing_blank_ = 0;
    char last_placed_ = ' ';  // the last character of text placed on the line
    bool line_break_ = false, line_full_ = false, item_seen_ = false;
    bool run_hit_ = false, picture_hit_ = false;
};

MarkupResult MarkupEngine::Run(std::string_view source) {
    const std::string text = PrepareMarkup(source, gp_);
    text_flags_.prefix = text.find(" & ") == std::string::npos;
    text_flags_.end_ellipsis = !opt_.word_wrap;

    const Rect& bounds = opt_.bounds;
    MarkupFont measure_carry = base_font_;
    MarkupFont draw_carry = base_font_;
    int offset_carry = 0;
    int top = bounds.top;
    std::string_view rest = text;

    while (!rest.empty()) {
        font_ = measure_carry;
        const bool saved_shadow = shadow_;
        const bool saved_in_anchor = in_anchor_;
        const std::string saved_target = target_;
        sub_depth_ = sup_height_ = image_offset_ = 0;
        sub_ = sup_ = false;
        const int start_gh = GhHeight();
        line_height_ = start_gh;
        rest = TrimBlanks(rest);
        if (rest.empty()) break;

        const int start_anchor_counter = anchor_counter_;
        const int start_list_level = list_level_;
        const int start_image_counter = image_counter_;
        const bool start_hidden = hidden_;
        const std::size_t rest_before = rest.size();

        std::string consumed;
        final_pass_ = opt_.measure_only;
        const int line_left = bounds.left + (gp_ ? 1 : 0);
        line_ = {line_left, top, bounds.right, bounds.bottom};
        Line(Mode::kMeasure, rest, consumed, offset_carry);

        shadow_ = saved_shadow;
        in_anchor_ = saved_in_anchor;
        target_ = saved_target;
        measure_carry = font_;
        if (!gp_ || !TrimBlanks(rest).empty()) line_height_ = Sum(line_height_, opt_.line_spacing);

        int left = line_left;
        if (align_ == Align::kRight) {
            if (bounds.right - line_width_ > bounds.left) left = bounds.right - line_width_;
        } else if (align_ == Align::kCenter) {
            const int free = bounds.width() - line_width_;
            if (free > 0) left = bounds.left + free / 2;
        }
        left += indent_;
        // The measuring pass decides the line's height; drawing only follows it.
        const int step = Sum(line_height_, Sum(sub_depth_, sup_height_));
        line_ = {left, top, bounds.right, top + step};

        if (opt_.measure_only) {
            offset_carry = offset_;
        } else {
            font_ = draw_carry;
            anchor_counter_ = start_anchor_counter;
            list_level_ = start_list_level;
            image_counter_ = start_image_counter;
            sub_ = sup_ = false;
            hidden_ = start_hidden;
            final_pass_ = true;
            std::string_view again = consumed;
            std::string unused;
            Line(opt_.hit_test_only ? Mode::kMeasure : Mode::kDraw, again, unused, offset_carry);
            draw_carry = font_;
            const int base = line_.bottom - image_offset_;
            if ((run_hit_ && opt_.point_y > base - GhHeight() && opt_.point_y < base) ||
                picture_hit_) {
                out_.hit = true;
            }
            offset_carry = offset_;
        }

        top = Sum(top, step);
        out_.extent_y = Sum(out_.extent_y, step);
        if (!opt_.measure_only && top + start_gh > bounds.bottom) break;
        if (rest.size() == rest_before) break;  // nothing laid out: never loop on it
    }

    if (out_.extent_y == 0) {
        font_ = base_font_;
        out_.extent_y = GhHeight();
    }
    if (gp_) out_.extent_y += 2;
    out_.anchor_count = anchor_counter_;
    return std::move(out_);
}

void MarkupEngine::Line(Mode mode, std::string_view& rest, std::string& consumed,
                        int offset_carry) {
    mode_ = mode;
    line_width_ = trailing_blank_ = 0;
    last_placed_ = ' ';
    line_break_ = line_full_ = item_seen_ = run_hit_ = picture_hit_ = false;
    anchor_started_on_line_ = false;
    offset_ = offset_carry;
    x_ = line_.left + (Drawing() ? offset_carry : 0);
    if (Drawing() && focus_continues_) {
        focus_.left = line_.left + 1;
        focus_continues_ = false;
        focus_open_ = true;
    }
    if (Drawing() && paragraph_background_) FillParagraphLine();

    while (!rest.empty() && !line_break_ && !line_full_) {
        const MarkupRun run = CutMarkupRun(rest, opt_.word_wrap);
        if (run.source_length > 0) {
            const int h = canvas_.TextExtent(font_, run.text).cy;
            if (gp_) {
                if (sub_ && sub_depth_ < h / 4) sub_depth_ = h / 2;
                if (sup_ && sup_height_ < h / 4) sup_height_ = h / 2;
            } else {
                if (sub_) sub_depth_ = std::max(sub_depth_, h / 4);
                if (sup_) sup_height_ = std::max(sup_height_, h / 4);
            }
            line_height_ = std::max(line_height_, h);
            out_.plain_text += run.text;
            if (hidden_) {
                rest.remove_prefix(run.source_length);
                continue;
            }
            const int before = line_width_;
            int w;
            if (Drawing()) {
                w = DrawRun(run.text, rest.substr(run.source_length));
                line_width_ = Sum(line_width_, w);
            } else {
                w = RunWidth(run.text);
                line_width_ = Sum(line_width_, w);
                HitTestRun(before, line_width_);
            }
            const int free = line_.width() - offset_carry;
            bool fits = Drawing() || (gp_ ? line_width_ <= free : line_width_ < free) || w >= free;
            // Tags inside a word never split it on the antialiased surface.
            if (gp_ && last_placed_ != ' ') fits = true;
            if (fits || !opt_.word_wrap) {
                last_placed_ = run.text.back();
                consumed.append(rest.substr(0, run.source_length));
                rest.remove_prefix(run.source_length);
                const bool blank_end =
                    run.text.size() == run.source_length && run.text.back() == ' ';
                trailing_blank_ = blank_end ? canvas_.TextExtent(font_, " ").cx : 0;
            } else {
                line_break_ = true;
                line_width_ -= w;
            }
        }
        if (line_break_ || rest.empty() || rest.front() != '<') continue;
        if (rest.size() <= 2) {
            rest = {};
            break;
        }
        const MarkupTag tag = ReadMarkupTag(rest);
        Tag(tag);
        if (line_full_) break;
        if (tag.closed) consumed.append(tag.text);
        rest.remove_prefix(tag.text.size());
    }

    line_width_ -= trailing_blank_;
    if (out_.extent_x < line_width_) out_.extent_x = Sum(line_width_, 2);
    // An anchor the point lies on that goes on past this line (or is never closed) is
    // reported with this line's part until its </A> says otherwise.
    if (final_pass_ && point_on_anchor_) ReportPointAnchor();
    if (Drawing() && focus_open_) {
        CloseFocusRect(line_.bottom);
        focus_continues_ = true;
    }
}

int MarkupEngine::RunWidth(const std::string& text) {
    MarkupTextFlags flags = text_flags_;
    flags.external_leading = true;
    return Clamped(canvas_.MeasureText(font_, text, flags).cx);
}

bool MarkupEngine::UnderlineContinues(const std::string& text, std::string_view after) const {
    if (!font_.underline || text == " " || after.empty()) return false;
    const unsigned char next = static_cast<unsigned char>(after.front());
    if (next == '<' || next <= ' ') return false;
    // A blank before the anchor's end: only the text up to the next blank needs looking at.
    const std::size_t blank = after.find(' ');
    if (blank == std::string_view::npos) return false;
    return FindIgnoreCase(after.substr(0, blank), "</A") == std::string_view::npos;
}

int MarkupEngine::DrawRun(const std::string& text, std::string_view after) {
    Rect r{x_, line_.top, line_.right, RunBottom()};
    if (gp_) {
        if (sup_) r = {r.left, r.top - sup_height_ / 2, r.right, r.bottom - sup_height_};
        if (sub_) r = {r.left, r.top + sub_depth_ / 2, r.right, r.bottom + sub_depth_};
    } else {
        if (sup_) r.bottom -= sup_height_;
        if (sub_) r.bottom += sub_depth_;
    }
    r.bottom -= image_offset_;

    const bool cut_off = !opt_.word_wrap && x_ >= line_.right - canvas_.TextExtent(font_, "l").cx;
    MarkupTextFlags flags = text_flags_;
    flags.background = background_;
    const int w = gp_ ? RunWidth(text) : Clamped(canvas_.MeasureText(font_, text, flags).cx);
    if (gp_) {
        // The antialiased surface leaves the blank after an anchor's word bare; an underscore
        // carries the underline on to the next word of the same anchor.
        const std::string shown = UnderlineContinues(text, after) ? text + "_" : text;
        if (shadow_ && !cut_off) {
            MarkupFont shade = font_;
            shade.color = opt_.shadow_color;
            // A shadow is part of the text it shades, not a text of its own: no ring.
            const TextRings plain(false);
            ForEachShadowOffset([&](int dx, int dy) {
                canvas_.DrawText(shade, shown, r.offset(dx, dy), flags);
            });
        }
        if (!cut_off) canvas_.DrawText(font_, shown, r, flags);
        if (in_anchor_ && anchor_counter_ - 1 == opt_.focus_index) out_.anchor_title = target_;
        if (error_) Zigzag(x_, Sum(x_, w), RunBottom());
        x_ = Sum(x_, w);
        return w;
    }
    const Size extent = canvas_.MeasureText(font_, text, flags);
    Rect drawn = r;
    if (font_.italic) drawn.right += 2;
    if (shadow_ && !cut_off) {
        // The run's background goes down first, so that neither text hides the shadow.
        if (background_ != clNone) {
            const Rect cell{r.left, std::max(r.top, r.bottom - extent.cy),
                            std::min(r.right, r.left + extent.cx), r.bottom};
            canvas_.FillRect(cell, background_);
            flags.background = clNone;
        }
        MarkupFont shade = font_;
        shade.color = opt_.shadow_color;
        const TextRings plain(false);
        ForEachShadowOffset([&](int dx, int dy) {
            canvas_.DrawText(shade, text, r.offset(dx, dy), flags);
        });
    }
    if (!cut_off) canvas_.DrawText(font_, text, drawn, flags);
    if (in_anchor_ && anchor_counter_ - 1 == opt_.focus_index) out_.anchor_title = target_;
    if (error_) Zigzag(x_, Sum(x_, w), RunBottom());
    x_ = Sum(x_, w);
    return w;
}

template <class F>
void MarkupEngine::ForEachShadowOffset(F draw) const {
    const int d = opt_.shadow_offset;
    if (!opt_.shadow_ring) return draw(d, d);
    const int ring = std::max(1, d);
    for (int dy = -ring; dy <= ring; dy += ring)
        for (int dx = -ring; dx <= ring; dx += ring)
            if (dx != 0 || dy != 0) draw(dx, dy);
}

void MarkupEngine::Zigzag(int from, int to, int bottom) {
    // The canvas's wave runs across the run's bottom; the antialiased one just above it.
    const int low = gp_ ? bottom - 2 : bottom + 1;
    const int high = gp_ ? bottom - 4 : bottom - 1;
    // Text past the line's right edge is cut, and so is its wave.
    to = std::min(to, line_.right + 2);
    int x = from / 2 * 2;
    int y = x % 4 == 0 ? low : high;
    while (x < to) {
        const int next_y = y == low ? high : low;
        canvas_.Line(x, y, x + 2, next_y, clRed);
        x += 2;
        y = next_y;
    }
    if (gp_) canvas_.Line(x, y, x + 2, y == low ? high : low, clRed);
}

void MarkupEngine::HitTestRun(int width_before, int width_after) {
    if (!final_pass_ || !in_anchor_ || target_.empty()) return;
    const int d = opt_.point_x - line_.left;
    if (d < width_before || d > width_after) return;
    run_hit_ = true;
    const int bottom = gp_ ? line_.top + GhHeight() : line_.bottom;
    if (opt_.point_y > line_.top && opt_.point_y < bottom) {
        out_.anchor_under_point = target_;
        if (!gp_) out_.anchor_title = title_;
        point_on_anchor_ = true;
        point_anchor_number_ = anchor_counter_;
    }
}

void MarkupEngine::Tag(const MarkupTag& tag) {
    if (tag.closing) {
        CloseTag(tag);
    } else {
        OpenTag(tag);
    }
}

void MarkupEngine::OpenTag(const MarkupTag& tag) {
    const char second = tag.second;
    switch (tag.letter) {
        case 'A':
            OpenAnchor(tag);
            break;
        case 'B':
            if (second == '>') {
                font_.bold = true;
            } else if (second == 'L') {
                if (!opt_.blink_on) font_.color = entry_background_;
            } else if (second == 'O') {
                if (Drawing() && !opt_.selected) Body(tag);
            } else if (second == 'R') {
                line_break_ = true;
                out_.plain_text += '\r';
            }
            break;
        case 'E':
            if (Drawing()) error_ = true;
            break;
        case 'F':
            if (tag.closed) Font(tag);
            break;
        case 'H':
            if (second == 'I') {
                if (Drawing()) {
                    highlight_saved_ = true;
                    highlight_saved_color_ = font_.color;
                    highlight_saved_background_ = background_;
                    background_ = clHighlight;
                    font_.color = clHighlightText;
                }
            } else if (second == 'R') {
                line_break_ = true;
                if (Drawing()) Rule(tag);
            }
            break;
        case 'I':
            if (second == '>') {
                font_.italic = true;
            } else if (second == 'N') {
                const auto n = ReadWholeNumber(AttributeOr(tag.attributes, "X", ""));
                if (n && line_width_ < *n) {
                    x_ = Sum(x_, *n - line_width_);
                    line_width_ = *n;
                }
            } else if (second == 'M') {
                Image(tag);
            }
            break;
        case 'L':
            ListItem(tag);
            break;
        case 'O':
            if (second == 'L' && !gp_) {
                line_break_ = true;
                ++list_level_;
                ordered_ = true;
                item_counter_ = 1;
            } else if (second == 'F') {
                const int n = ReadMarkupNumber(AttributeOr(tag.attributes, "X", ""));
                x_ = (gp_ ? opt_.bounds.left : line_.left) + n;
                line_width_ = n;
                offset_ = n;
            }
            break;
        case 'P':
            if (tag.closed) Paragraph(tag);
            break;
        case 'R':
            if (!gp_) font_.angle = ReadMarkupNumber(AttributeOr(tag.attributes, "A", ""));
            break;
        case 'S':
            if (second == '>') {
                font_.strikeout = true;
            } else if (second == 'H') {
                shadow_ = true;
            } else if (StartsWithIgnoreCase(tag.text, "<SUB>")) {
                sub_ = true;
            } else if (StartsWithIgnoreCase(tag.text, "<SUP>")) {
                sup_ = true;
            }
            break;
        case 'U':
            if (second == '>') {
                font_.underline = true;
            } else {
                line_break_ = true;
                ++list_level_;
                ordered_ = false;
            }
            break;
        case 'Z':
            hidden_ = true;
            break;
        default:
            break;
    }
}

void MarkupEngine::CloseTag(const MarkupTag& tag) {
    const char second = tag.second;
    switch (tag.letter) {
        case 'A':
            CloseAnchor();
            break;
        case 'B':
            if (second == '>') {
                font_.bold = false;
            } else {
                font_.color = base_font_.color;
            }
            break;
        case 'E':
            if (Drawing()) error_ = false;
            break;
        case 'F':
            font_.name = base_font_.name;
            font_.size = base_font_.size;
            if (Drawing() && !opt_.selected) {
                font_.color = base_font_.color;
                background_ = font_saved_background_;
            }
            break;
        case 'H':
            if (Drawing() && highlight_saved_) {
                font_.color = highlight_saved_color_;
                background_ = highlight_saved_background_;
                highlight_saved_ = false;
            }
            break;
        case 'I':
            font_.italic = false;
            break;
        case 'L':
            line_break_ = true;
            break;
        case 'O':
            if (gp_) {
                offset_ = 0;
            } else if (second != '>' && list_level_ > 0) {
                --list_level_;
                ordered_ = false;
            } else {
                offset_ = 0;
            }
            break;
        case 'P':
            line_break_ = true;
            if (Drawing() && gp_) {
                background_ = clNone;
                paragraph_background_ = false;
            } else if (Drawing()) {
                if (paragraph_saved_ && !opt_.selected) background_ = paragraph_saved_background_;
                paragraph_saved_ = false;
                paragraph_background_ = false;
            }
            break;
        case 'R':
            if (!gp_) font_.angle = 0;
            break;
        case 'S':
            if (second == 'U') {
                sub_ = sup_ = false;
            } else if (second == 'H') {
                shadow_ = false;
            } else {
                font_.strikeout = false;
            }
            break;
        case 'U':
            if (second != '>' && list_level_ > 0) {
                --list_level_;
            } else {
                font_.underline = false;
            }
            break;
        case 'Z':
            hidden_ = false;
            break;
        default:
            break;
    }
}

void MarkupEngine::OpenAnchor(const MarkupTag& tag) {
    if (Drawing() && opt_.focus_index == anchor_counter_) {
        focus_.left = x_;
        focus_.top = line_.top;
        focus_open_ = true;
    }
    ++anchor_counter_;
    if (gp_) {
        // The first quoted value is the target, whatever its attribute; without one the anchor
        // is still an anchor, with nothing to open.
        target_.clear();
        const std::size_t open = tag.text.find('"');
        if (open != std::string_view::npos) {
            const std::size_t close = tag.text.find('"', open + 1);
            if (close != std::string_view::npos)
                target_ = tag.text.substr(open + 1, close - open - 1);
        }
        in_anchor_ = true;
        title_.clear();
    } else {
        if (auto href = MarkupAttribute(tag.attributes, "HREF")) {
            target_ = *href;
            in_anchor_ = true;
        }
        title_ = AttributeOr(tag.attributes, "TITLE", "");
    }

    const bool hovered = Hovered();
    hover_background_saved_ = hover_color_switched_ = false;
    if (hovered && Drawing()) {
        font_.underline = true;
        if (opt_.hover_color != clNone) {
            hover_saved_background_ = background_;
            hover_background_saved_ = true;
            background_ = opt_.hover_color;
        }
        if (opt_.hover_font_color != clNone) {
            hover_saved_color_ = font_.color;
            hover_color_switched_ = true;
            font_.color = opt_.hover_font_color;
        }
    }
    const bool keeps_hover_color = opt_.hover_enabled && hovered && opt_.hover_font_color != clNone;
    if (!opt_.selected && !keeps_hover_color) font_.color = opt_.url_color;
    anchor_start_ = {line_.left + line_width_, line_.top, 0, 0};
    anchor_started_on_line_ = true;
}

void MarkupEngine::CloseAnchor() {
    if (Hovered() && Drawing()) {
        font_.underline = false;
        if (hover_background_saved_) background_ = hover_saved_background_;
        if (hover_color_switched_) font_.color = hover_saved_color_;
    }
    hover_background_saved_ = hover_color_switched_ = false;
    if (!opt_.selected) font_.color = base_font_.color;
    in_anchor_ = false;
    if (point_on_anchor_) {
        ReportPointAnchor();
        point_on_anchor_ = false;
    }
    if (Drawing() && focus_open_ && anchor_counter_ == opt_.focus_index + 1) {
        CloseFocusRect(RunBottom() - image_offset_);
        focus_open_ = focus_continues_ = false;
    }
}

void MarkupEngine::ReportPointAnchor() {
    const Rect start = anchor_started_on_line_ ? anchor_start_ : Rect{line_.left, line_.top, 0, 0};
    out_.point_anchor_rect = {start.left, start.top, line_.left + line_width_, RunBottom()};
    out_.point_anchor = point_anchor_number_;
}

void MarkupEngine::CloseFocusRect(int bottom) {
    focus_.right = x_;
    focus_.bottom = bottom;
    focus_.top = bottom - GhHeight();
    const Rect r{focus_.left - 1, focus_.top - 1, focus_.right + 1, focus_.bottom + 1};
    if (Drawing() && !gp_) canvas_.DrawFocusRect(r);
    focus_.top = bottom;
}

void MarkupEngine::Font(const MarkupTag& tag) {
    const std::string_view a = tag.attributes;
    if (!gp_) font_saved_background_ = background_;
    if (auto face = MarkupAttribute(a, "FACE")) font_.name = *face;
    if (auto color = MarkupAttribute(a, " COLOR"); color && !opt_.selected) {
        font_.color = ColorFromValue(*color);
    }
    if (auto back = MarkupAttribute(a, "BGCOLOR"); back && Drawing() && !opt_.selected) {
        if (gp_) font_saved_background_ = background_;
        background_ = ColorFromValue(*back);
    }
    // SIZE needs no quotes: size=3 and size="3" alike.
    const std::size_t at = FindIgnoreCase(a, "SIZE");
    if (at != std::string_view::npos) {
        std::string_view v = a.substr(at + 4);
        const std::size_t eq = v.find('=');
        if (eq != std::string_view::npos) v.remove_prefix(eq + 1);
        while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
        if (!v.empty() && v.front() == '"') v.remove_prefix(1);
        static constexpr int kHtmlSizes[] = {8, 10, 12, 14, 16};
        const int n = ReadMarkupNumber(v);
        // A size of nothing or below would make the text vanish; it is ignored.
        if (n >= 1 && n <= 5) {
            font_.size = kHtmlSizes[n - 1];
        } else if (n > 0) {
            font_.size = n;
        }
    }
}

PictureSource MarkupEngine::FindPicture(std::string_view source) {
    PictureSource p;
    if (FindIgnoreCase(source, "IDX:") != std::string_view::npos) {
        const int n = ReadMarkupNumber(source.substr(std::min<std::size_t>(4, source.size())));
        if (opt_.images && n >= 0 && n < opt_.images->Count()) {
            p.list = opt_.images;
            p.index = n;
        }
        return p;
    }
    // Shell icons come from the desktop's system image list, which the game does not have.
    if (FindIgnoreCase(source, "SSYS:") != std::string_view::npos ||
        FindIgnoreCase(source, "LSYS:") != std::string_view::npos) {
        return p;
    }
    if (source.find(':') == std::string_view::npos) {
        if (opt_.picture_container) p.picture = opt_.picture_container->FindEncoded(source);
    } else if (source.find("://") != std::string_view::npos && opt_.picture_cache && !gp_) {
        TMarkupPicture* cached = opt_.picture_cache->FindPictureByAddress(source);
        if (!cached) {
            cached = opt_.picture_cache->AddPicture();
            cached->Asynchronous = false;
            cached->LoadFromAddress(source);
        }
        p.picture = cached;
    }
    if (auto* animated = dynamic_cast<TMarkupPicture*>(p.picture)) {
        p.frame_left = animated->FrameLeft();
        p.frame_top = animated->FrameTop();
    }
    return p;
}

void MarkupEngine::DrawListPicture(const PictureSource& p, int x, int y) {
    const int w = Clamped(p.list->Width(), kMarkupNumberLimit);
    const int h = Clamped(p.list->Height(), kMarkupNumberLimit);
    if (opt_.print_mode) {
        const Rect r{x, y, x + RoundEven(w * opt_.print_scale),
                     y + RoundEven(h * opt_.print_scale)};
        canvas_.DrawListImage(*p.list, p.index, r, true);
    } else {
        canvas_.DrawListImage(*p.list, p.index, {x, y, x + w, y + h}, false);
    }
}

void MarkupEngine::Image(const MarkupTag& tag) {
    ++image_counter_;
    const std::string source = AttributeOr(tag.attributes, "SRC", "");
    const int given_w = ReadMarkupNumber(AttributeOr(tag.attributes, "WIDTH", ""));
    const int given_h = ReadMarkupNumber(AttributeOr(tag.attributes, "HEIGHT", ""));
    const PictureSource p = FindPicture(source);
    const int top = line_.top;
    int counted_w = 0, counted_h = 0;
    if (p.list) {
        counted_w = ScaleX(Clamped(p.list->Width(), kMarkupNumberLimit));
        counted_h = ScaleY(Clamped(p.list->Height(), kMarkupNumberLimit));
        if (Drawing() && !(gp_ && opt_.print_mode)) DrawListPicture(p, x_, top);
    } else if (p.picture && !p.picture->Empty() && p.picture->Width() > 0 &&
               p.picture->Height() > 0) {
        // A picture whose size reads 0 is drawn as nothing: there is nothing to scale by.
        const int pw = Clamped(p.picture->Width(), kMarkupNumberLimit);
        const int ph = Clamped(p.picture->Height(), kMarkupNumberLimit);
        int w = pw, h = ph;
        if (given_w > 0 && given_h > 0) {
            w = given_w;
            h = given_h;
        } else if (gp_) {
            // One given side alone is ignored: the picture keeps its own size.
        } else if (given_w > 0) {
            w = given_w;
            h = RoundEven(static_cast<double>(ph) * given_w / pw);
        } else if (given_h > 0) {
            h = given_h;
            w = RoundEven(static_cast<double>(pw) * given_h / ph);
        }
        if (Drawing()) {
            if (w != pw || h != ph || (!gp_ && (given_w > 0 || given_h > 0))) {
                if (auto* m = dynamic_cast<TMarkupPicture*>(p.picture)) m->Stretch = true;
                canvas_.DrawPicture(*p.picture, {x_, top, x_ + w, top + h});
            } else {
                const int x = x_ + p.frame_left, y = top + p.frame_top;
                canvas_.DrawPicture(*p.picture, {x, y, x + pw, y + ph});
            }
        }
        counted_w = ScaleX(w);
        counted_h = ScaleY(h);
    } else {
        return;
    }

    if (final_pass_ && in_anchor_ && !target_.empty()) {
        const int d = opt_.point_x - line_.left;
        if (d > line_width_ && d < Sum(line_width_, counted_w) && opt_.point_y > top &&
            opt_.point_y < Sum(top, counted_h)) {
            picture_hit_ = true;
            out_.anchor_under_point = target_;
            if (!title_.empty()) out_.anchor_title = title_;
        }
    }

    // Only the measuring pass decides the line: the drawing pass places what it was given.
    const int line_w = line_.width();
    if (!Drawing() && counted_w < line_w && Sum(line_width_, counted_w) > line_w) {
        line_full_ = true;
        return;
    }
    line_width_ = Sum(line_width_, counted_w);
    x_ = Sum(x_, counted_w);
    line_height_ = std::max(line_height_, counted_h);

    const std::string upper = UpperAscii(tag.text);
    if (upper.find("ALIGN") != std::string::npos) {
        if (upper.find("\"TOP") != std::string::npos) {
            image_offset_ = line_height_ - GhHeight();
        } else if (upper.find("\"MIDDLE") != std::string::npos) {
            image_offset_ = (line_height_ - GhHeight()) / 2;
        }
    }
    if (upper.find("WRAP") != std::string::npos) {
        line_height_ = GhHeight();
        image_offset_ = 0;
    }
}

void MarkupEngine::ListItem(const MarkupTag& tag) {
    if (item_seen_) {
        line_full_ = true;  // one item per line: the second starts the next
        return;
    }
    item_seen_ = true;
    const std::string type = UpperAscii(AttributeOr(tag.attributes, "TYPE", ""));
    const auto color_value = MarkupAttribute(tag.attributes, "COLOR");
    const TColor color = color_value ? ColorFromValue(*color_value) : clNone;

    // The antialiased renderer knows no <OL>: its items count as the first level of a list.
    const int level = gp_ ? std::max(list_level_, 1) : list_level_;
    line_width_ = Sum(line_width_, 1LL * level * kListIndent);
    x_ = Sum(x_, (level - 1LL) * kListIndent);
    if (Drawing() && !hidden_ && gp_ && type == "IMAGE") {
        const auto name = MarkupAttribute(tag.attributes, "NAME");
        EncodedPicture* picture =
            name && opt_.picture_container ? opt_.picture_container->FindEncoded(*name) : nullptr;
        if (picture && !picture->Empty() && picture->Width() > 0 && picture->Height() > 0) {
            const int pw = Clamped(picture->Width(), kMarkupNumberLimit);
            const int ph = Clamped(picture->Height(), kMarkupNumberLimit);
            canvas_.DrawPicture(*picture, {x_, line_.top + 2, x_ + pw, line_.top + 2 + ph});
            if (pw > kListIndent) x_ = Sum(x_, pw - kListIndent);
        }
    } else if (Drawing() && !hidden_) {
        if (!type.empty()) {
            // Without COLOR the shape takes the text's colour.
            const TColor fill = color != clNone ? color : font_.color;
            const Rect box{x_, line_.top + 2, x_ + 8, line_.top + 10};
            if (type == "SQUARE") canvas_.FillRect(box, fill);
            if (type == "CIRCLE") canvas_.FillEllipse(box, fill);
            background_ = clNone;
        } else {
            MarkupFont bullet = font_;
            if (color != clNone) bullet.color = color;
            bullet.name = "Symbol";
            std::string mark;
            if (ordered_) {
                mark = std::to_string(item_counter_++) + ". ";
            } else {
                mark = level % 2 != 0 ? "•" : "o";
            }
            MarkupTextFlags flags = text_flags_;
            flags.top_aligned = true;
            canvas_.DrawText(bullet, mark, {x_, line_.top, line_.right, line_.bottom}, flags);
            if (ordered_) x_ = Sum(x_, canvas_.TextExtent(bullet, mark).cx - kListIndent);
        }
    }
    x_ = Sum(x_, kListIndent);
}

void MarkupEngine::Rule(const MarkupTag& tag) {
    const auto value = gp_ ? std::nullopt : MarkupAttribute(tag.attributes, "COLOR");
    const TColor color = value ? ColorFromValue(*value) : clBlack;
    const int y = RunBottom() + 1;
    canvas_.Line(line_.left, y, line_.right, y, color);
}

void MarkupEngine::Paragraph(const MarkupTag& tag) {
    const std::string_view a = tag.attributes;
    if (auto align = MarkupAttribute(a, "ALIGN")) {
        const std::string upper = UpperAscii(*align);
        if (upper.find("RIGHT") != std::string::npos) align_ = Align::kRight;
        if (upper.find("LEFT") != std::string::npos) align_ = Align::kLeft;
        if (upper.find("CENTER") != std::string::npos) align_ = Align::kCenter;
    }
    indent_ = ReadMarkupNumber(AttributeOr(a, "INDENT", ""));

    const auto back = MarkupAttribute(a, "BGCOLOR");
    if (gp_) {
        // Read but never filled on the antialiased surface.
        if (!back || !Drawing()) return;
        paragraph_background_ = true;
        if (MarkupAttribute(a, "BGCOLORTO")) background_ = clNone;
        return;
    }
    if (!back || !Drawing() || opt_.selected) return;
    const Rect& b = opt_.bounds;
    const TColor from = ColorFromValue(*back);
    paragraph_background_ = true;
    if (auto to = MarkupAttribute(a, "BGCOLORTO")) {
        paragraph_gradient_ = true;
        paragraph_from_ = from;
        paragraph_to_ = ColorFromValue(*to);
        Gradient({b.left, line_.top, b.right, RunBottom() + 2}, paragraph_from_, paragraph_to_,
                 true);
        background_ = clNone;
    } else {
        paragraph_gradient_ = false;
        paragraph_saved_ = true;
        paragraph_saved_background_ = background_;
        background_ = from;
        canvas_.FillRect({b.left, line_.top, b.right, RunBottom()}, from);
    }
}

void MarkupEngine::FillParagraphLine() {
    if (gp_) return;
    const Rect r{opt_.bounds.left, line_.top, opt_.bounds.right, line_.top + line_height_};
    // Further lines of a gradient paragraph repeat the gradient rather than stay bare.
    if (paragraph_gradient_) {
        Gradient(r, paragraph_from_, paragraph_to_, true);
    } else if (background_ != clNone) {
        canvas_.FillRect(r, background_);
    }
}

void MarkupEngine::Body(const MarkupTag& tag) {
    const std::string_view a = tag.attributes;
    if (gp_) {
        // Only the colours are read, and nothing is filled: the runs carry the colour.
        const auto back = MarkupAttribute(a, "BGCOLOR");
        if (!back) return;
        if (MarkupAttribute(a, "BGCOLORTO")) {
            background_ = clNone;
        } else {
            font_saved_background_ = background_;
            background_ = ColorFromValue(*back);
        }
        return;
    }
    if (auto v = MarkupAttribute(a, "BACKGROUND")) BodyPicture(*v, false);
    if (auto v = MarkupAttribute(a, "BGTOPLEFT")) BodyPicture(*v, false);
    if (auto v = MarkupAttribute(a, "BGTOPRIGHT")) BodyPicture(*v, true);

    const auto back = MarkupAttribute(a, "BGCOLOR");
    if (!back) return;
    const Rect& b = opt_.bounds;
    const TColor from = ColorFromValue(*back);
    if (auto to = MarkupAttribute(a, "BGCOLORTO")) {
        const bool horizontal = UpperAscii(AttributeOr(a, "DIR", "H")) == "H";
        Gradient(b, from, ColorFromValue(*to), horizontal);
        background_ = clNone;
    } else {
        font_saved_background_ = background_;
        background_ = from;
        canvas_.FillRect({b.left - 2, b.top, b.right, b.bottom}, from);
    }
}

void MarkupEngine::BodyPicture(std::string_view source, bool top_right) {
    const PictureSource p = FindPicture(source);
    if (p.list) {
        const int x =
            top_right ? line_.right - ScaleX(Clamped(p.list->Width(), kMarkupNumberLimit)) : x_;
        DrawListPicture(p, x, line_.top);
        return;
    }
    if (!p.picture || p.picture->Empty()) return;
    const int pw = Clamped(p.picture->Width(), kMarkupNumberLimit);
    const int ph = Clamped(p.picture->Height(), kMarkupNumberLimit);
    if (pw <= 0 || ph <= 0) return;
    const Rect& b = opt_.bounds;
    // Tiles are laid from the corner of the bounds, but only those that can show are drawn:
    // a tiny picture over a large rectangle would otherwise take forever.
    const Rect seen = b.intersect(canvas_.VisibleArea());
    if (seen.empty()) return;
    const int first_y = b.top + (seen.top - b.top) / ph * ph;
    const int first_x = b.left + (seen.left - b.left) / pw * pw;
    ClipScope clip(canvas_, b);
    for (int y = first_y; y < seen.bottom; y += ph) {
        if (top_right) {
            canvas_.DrawPicture(*p.picture, {b.right - pw, y, b.right, y + ph});
            continue;
        }
        for (int x = first_x; x < seen.right; x += pw) {
            canvas_.DrawPicture(*p.picture, {x, y, x + pw, y + ph});
        }
    }
}

void MarkupEngine::Gradient(const Rect& rect, TColor from, TColor to, bool horizontal) {
    const TColor a = canvas_.ToRgb(from), b = canvas_.ToRgb(to);
    const int n = kGradientSteps;
    const int span = horizontal ? rect.width() : rect.height();
    auto channel = [&](int shift, int k) {
        const int ca = static_cast<int>((a >> shift) & 0xFF),
                  cb = static_cast<int>((b >> shift) & 0xFF);
        return static_cast<TColor>(std::clamp(ca + RoundEven(double(cb - ca) * k / n), 0, 255));
    };
    for (int k = 0; k < n; ++k) {
        const TColor c = channel(0, k) | channel(8, k) << 8 | channel(16, k) << 16;
        const int from_offset = RoundEven(double(k) * span / n);
        const int to_offset = std::min(span, from_offset + span / n + 1);
        if (to_offset <= from_offset) continue;
        if (horizontal) {
            canvas_.FillRect(
                {rect.left + from_offset, rect.top, rect.left + to_offset, rect.bottom}, c);
        } else {
            canvas_.FillRect({rect.left, rect.top + from_offset, rect.right, rect.top + to_offset},
                             c);
        }
    }
}

}  // namespace

MarkupResult DrawMarkup(MarkupCanvas& canvas, const MarkupFont& base_font, TColor background,
                        std::string_view text, const MarkupOptions& options) {
    // A paint never fails because of what a text says: whatever goes wrong inside (a picture
    // that cannot be decoded, memory) ends this text's drawing, not the program.
    try {
        MarkupEngine engine(canvas, base_font, background, options);
        return engine.Run(text);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace kv
