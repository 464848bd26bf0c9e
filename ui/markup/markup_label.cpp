#include "ui/markup/markup_label.h"

#include <cmath>

#include "platform/window/classic_look.h"
#include "platform/window/screen.h"
#include "ui/markup/canvas_markup_surface.h"
#include "ui/markup/encoded_picture.h"
#include "ui/markup/markup_links.h"
#include "ui/markup/markup_text.h"

namespace kv {
namespace {

constexpr std::uint32_t kLabelVersion = 0x01090002;
constexpr int kGrow = 65535;  // room that never wraps or cuts text in a dimension being sized
const Rect kNoRect{-1, -1, -1, -1};

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

TColor Mix(TColor from, TColor to, int k, int n) {
    const auto channel = [&](int shift) {
        const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        return (a + (b - a) * k / n) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

void DrawBevel(Canvas& canvas, Rect& r, TBevelCut cut, int width) {
    if (cut == bvNone) return;
    const bool lowered = cut == bvLowered;
    Frame3D(canvas, r, lowered ? clBtnShadow : clBtnHighlight,
            lowered ? clBtnHighlight : clBtnShadow, width);
}

}  // namespace

void DrawColorGradient(Canvas& canvas, const Rect& r, TColor from, TColor to, int steps,
                       bool horizontal) {
    if (r.empty()) return;
    from = ColorToRGB(from);
    to = ColorToRGB(to);
    const int span = horizontal ? r.width() : r.height();
    steps = std::clamp(steps, 1, std::max(1, span));
    const Brush keep = canvas.brush;
    for (int k = 0; k < steps; ++k) {
        const int a = span * k / steps, b = span * (k + 1) / steps;
        canvas.brush = Brush{Mix(from, to, k, std::max(1, steps - 1))};
        canvas.FillRect(horizontal ? Rect{r.left + a, r.top, r.left + b, r.bottom}
                                   : Rect{r.left, r.top + a, r.right, r.top + b});
    }
    canvas.brush = keep;
}

TMarkupLabel::TMarkupLabel() {
    UseParentColor();
    SetBounds(0, 0, 120, 17);
}

void TMarkupLabel::SetHTMLText(std::string_view text) {
    lines_ = {JoinMarkupLines(text, false)};
    TextChanged();
}

void TMarkupLabel::SetHTMLText(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& line : lines) all += line + "\r\n";
    SetHTMLText(all);
}

void TMarkupLabel::SetHTMLLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    TextChanged();
}

std::string TMarkupLabel::GetDisplayText() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) out += ' ';
        out += lines_[i];
    }
    return out;
}

void TMarkupLabel::TextChanged() {
    cache_.ClearPictures();
    Invalidate();
}

void TMarkupLabel::SetAutoSizing(bool on) {
    auto_sizing_ = on;
    if (on) {
        const Align a = AlignMode();
        if (a == alLeft || a == alRight) SetWidth(6);
        if (a == alTop || a == alBottom) SetHeight(6);
    }
    Invalidate();
}

void TMarkupLabel::SetAutoSizeType(TAutoSizeType type) {
    auto_size_type_ = type;
    SetAutoSizing(auto_sizing_);
}

std::string TMarkupLabel::Version() const {
    return FormatVersion(kLabelVersion);
}

MarkupResult TMarkupLabel::DrawMarkupText(Canvas& canvas, std::string_view text,
                                          MarkupOptions options) {
    options.word_wrap = !ellipsis_;
    options.focus_index = -1;
    options.picture_cache = &cache_;
    options.picture_container = container_;
    options.images = images_;
    options.line_spacing = line_spacing_;
    return DrawMarkup(canvas, text, options);
}

void TMarkupLabel::Paint(Canvas& canvas) {
    const Rect client{0, 0, Width(), Height()};
    if (client.empty()) return;
    const int steps = client.width() / 4;
    if (!transparent_) {
        if (color_to_ != clNone &&
            (gradient_type_ == gtFullHorizontal || gradient_type_ == gtFullVertical)) {
            DrawColorGradient(canvas, client, Color(), color_to_, steps,
                              gradient_type_ == gtFullHorizontal);
        } else {
            canvas.brush = Brush{Color()};
            canvas.pen = Pen{Color()};
            canvas.Rectangle(client);
        }
    }
    if (color_to_ != clNone && gradient_type_ != gtFullHorizontal &&
        gradient_type_ != gtFullVertical) {
        int top = client.top;
        if (gradient_type_ == gtBottomLine) top = client.bottom - line_width_;
        if (gradient_type_ == gtCenterLine) top = client.top + (client.height() - line_width_) / 2;
        DrawColorGradient(canvas, {client.left, top, client.right, top + line_width_}, Color(),
                          color_to_, steps, true);
    }

    // Frames from the outside in: outer bevel, a band in the label's colour, inner bevel.
    Rect r = client;
    DrawBevel(canvas, r, bevel_outer_, bevel_width_);
    if (border_width_ > 0) Frame3D(canvas, r, Color(), Color(), border_width_);
    DrawBevel(canvas, r, bevel_inner_, bevel_width_);
    Rect text_rect = r;
    if (bevel_outer_ != bvNone || bevel_inner_ != bvNone) {
        text_rect = text_rect.inflate(-bevel_width_, -bevel_width_);
    }
    if (border_style_ == bsSingle && border_width_ > 0 && border_color_ != clNone) {
        const int b = RoundEven((border_width_ + 1) / 2.0);
        text_rect = text_rect.inflate(-b, -b);
        // The outline lies on the label's own edge: a label paints nothing outside itself,
        // so an outline around the outside would never show.
        Rect outline = client;
        Frame3D(canvas, outline, border_color_, border_color_, border_width_);
    }

    const std::string text = GetDisplayText();
    canvas.font = font();
    canvas.brush = Brush{Color()};
    const Align a = AlignMode();
    const bool grow_x = auto_sizing_ && (a == alNone || a == alLeft || a == alRight) &&
                        (auto_size_type_ == asHorizontal || auto_size_type_ == asBoth);
    const bool grow_y = auto_sizing_ && (a == alNone || a == alTop || a == alBottom) &&
                        (auto_size_type_ == asVertical || auto_size_type_ == asBoth);
    if (grow_x) text_rect.right += kGrow;
    if (grow_y) text_rect.bottom += kGrow;

    Point mouse{-1, -1};
    if (Screen* screen = Screen::Current(); screen && Showing()) {
        mouse = ScreenToClient(screen->MousePos());
    }
    MarkupOptions o;
    o.bounds = text_rect;
    o.point_x = mouse.x;
    o.point_y = mouse.y;
    o.shadow_offset = shadow_offset_;
    o.shadow_ring = shadow_ring_;
    o.shadow_color = shadow_color_;
    o.url_color = url_color_;
    o.hover_color = hover_color;
    o.hover_font_color = hover_font_color;

    bool resized = false;
    if (auto_sizing_ || valignment_ != tvaTop) {
        MarkupOptions measure = o;
        measure.hit_test_only = true;
        const MarkupResult m = DrawMarkupText(canvas, text, measure);
        int text_w = m.extent_x, text_h = m.extent_y;
        if (auto_sizing_) {
            if (valignment_ == tvaCenter) text_rect.top += 3;
            if (valignment_ == tvaBottom) text_rect.top += 6;
            if (border_style_ == bsSingle) {
                text_w += 2 * border_width_;
                text_h += 2 * border_width_;
            }
            if (grow_y && Height() != text_h + 6) {
                SetHeight(text_h + 6);
                resized = true;
            }
            if (grow_x && Width() != text_w + 6) {
                SetWidth(text_w + 6);
                resized = true;
            }
        }
        if (valignment_ == tvaCenter) text_rect.top += (Height() - text_h) / 2;
        if (valignment_ == tvaBottom) text_rect.top = Height() - text_h;
    }

    o.bounds = text_rect;
    o.hover_index = anchor_number_;
    o.blink_on = false;
    o.hover_enabled = hover;
    DrawMarkupText(canvas, text, o);

    if (resized && on_new_size) on_new_size(Width(), Height());
}

int TMarkupLabel::FittingHeight() {
    Rect r{0, 0, Width(), kGrow};
    if (bevel_outer_ != bvNone || bevel_inner_ != bvNone)
        r = r.inflate(-bevel_width_, -bevel_width_);
    if (border_style_ == bsSingle && border_width_ > 0 && border_color_ != clNone) {
        const int b = RoundEven((border_width_ + 1) / 2.0);
        r = r.inflate(-b, 0);
    }
    Canvas canvas(1, 1);
    canvas.font = font();
    MarkupOptions o;
    o.bounds = r;
    o.shadow_offset = shadow_offset_;
    o.hit_test_only = true;
    int text_h = DrawMarkupText(canvas, GetDisplayText(), o).extent_y;
    if (border_style_ == bsSingle) text_h += 2 * border_width_;
    return text_h + 6;
}

std::string TMarkupLabel::AnchorAt(int x, int y, Rect& anchor_rect) {
    anchor_rect = kNoRect;
    Rect r{0, 0, Width(), Height()};
    if (bevel_outer_ != bvNone || bevel_inner_ != bvNone)
        r = r.inflate(-bevel_width_, -bevel_width_);
    r = r.inflate(-border_width_, -border_width_);
    Canvas canvas(1, 1);
    canvas.font = font();
    canvas.brush = Brush{Color()};
    const std::string text = GetDisplayText();
    MarkupOptions o;
    o.bounds = r;
    o.shadow_offset = shadow_offset_;
    o.shadow_ring = shadow_ring_;
    o.shadow_color = shadow_color_;
    if (valignment_ != tvaTop) {
        MarkupOptions measure = o;
        measure.hit_test_only = true;
        const int text_h = DrawMarkupText(canvas, text, measure).extent_y;
        if (text_h < Height()) {
            if (valignment_ == tvaCenter) r.top += (r.height() - text_h) / 2;
            if (valignment_ == tvaBottom) r.top = r.bottom - text_h;
        }
    }
    o.bounds = r;
    o.point_x = x;
    o.point_y = y;
    o.hit_test_only = true;
    o.url_color = clWhite;
    o.hover_color = o.hover_font_color = o.shadow_color = clNone;
    const MarkupResult result = DrawMarkupText(canvas, text, o);
    anchor_number_ = result.point_anchor;
    if (result.point_anchor >= 0) anchor_rect = result.point_anchor_rect;
    if (!result.hit) {
        anchor_number_ = -1;
        return {};
    }
    return result.anchor_under_point;
}

std::string TMarkupLabel::HintFor(const std::string& anchor) {
    if (anchor_hint && !anchor.empty()) {
        std::string text = anchor;
        if (on_anchor_hint) on_anchor_hint(text);
        return text;
    }
    if (hint_show_full) return html_hint ? GetDisplayText() : StripMarkup(GetDisplayText());
    return own_hint_;
}

void TMarkupLabel::MouseMove(ShiftState shift, int x, int y) {
    Control::MouseMove(shift, x, y);
    Rect r;
    const std::string anchor = AnchorAt(x, y, r);
    if (!anchor.empty()) {
        if (cursor == crDefault || anchor != previous_anchor_ ||
            anchor_number_ != previous_number_) {
            cursor = crHandPoint;
            if (on_anchor_enter) on_anchor_enter(anchor);
        }
        // The hovered anchor is drawn underlined and coloured: the old and new ones repaint.
        if (hover && (anchor != previous_anchor_ || r != previous_rect_)) Invalidate();
        previous_anchor_ = anchor;
        previous_number_ = anchor_number_;
        previous_rect_ = r;
    } else if (cursor == crHandPoint) {
        cursor = crDefault;
        if (on_anchor_exit) on_anchor_exit({});
        if (hover) Invalidate();
        previous_rect_ = kNoRect;
    }
    if (anchor_hint || hint_show_full) hint = HintFor(anchor);
}

void TMarkupLabel::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    Rect r;
    const std::string anchor = AnchorAt(x, y, r);
    if (anchor.empty() || button != mbLeft) return;
    if (on_anchor_click) on_anchor_click(anchor);
    // Only web addresses reach the browser: a target may hold whatever a database typed.
    OpenMarkupAnchor(anchor);
}

void TMarkupLabel::MouseEnter() {
    own_hint_ = hint;
    Control::MouseEnter();
}

void TMarkupLabel::MouseLeave() {
    if (hover && anchor_number_ != -1) Invalidate();
    anchor_number_ = -1;
    if (anchor_hint || hint_show_full) hint = own_hint_;
    Control::MouseLeave();
}

bool TMarkupLabel::Accelerator(char32_t ch) {
    if (!focus_control || ch == 0 || !EnabledInTree()) return false;
    if (AcceleratorOf(StripMarkup(GetDisplayText())) != LowerChar(ch)) return false;
    if (focus_control->CanFocus()) focus_control->SetFocus();
    return true;
}

}  // namespace kv
