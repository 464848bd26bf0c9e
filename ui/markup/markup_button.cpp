#include "ui/markup/markup_button.h"

#include "platform/gfx/visual_styles.h"
#include "platform/window/form.h"
#include "ui/markup/canvas_markup_surface.h"
#include "ui/markup/encoded_picture.h"
#include "ui/markup/markup_box_pictures.h"
#include "ui/markup/markup_links.h"
#include "ui/markup/markup_text.h"

namespace kv {
namespace {

constexpr std::uint32_t kButtonVersion = 0x01060000;

}  // namespace

TCustomMarkupButton::TCustomMarkupButton() {
    windowed_ = true;
    tab_stop = true;
    double_clicks_ = false;
    UseParentColor();
    SetBounds(0, 0, 98, 20);
}

std::string TCustomMarkupButton::Version() const {
    return FormatVersion(kButtonVersion);
}

TButtonType TCustomMarkupButton::Look() const {
    if (button_type_ != btTheme) return button_type_;
    const bool themed =
        VisualStylesActive(ButtonVisualStyles()) && CommonControlsMajorVersion() > 5;
    return themed ? btWinXP : btClassic;
}

int TCustomMarkupButton::BoxX(int left_x, int right_x) const {
    return alignment_ == taRightJustify ? right_x : left_x;
}

int TCustomMarkupButton::BoxY(int top, int center, int bottom) const {
    switch (button_vert_align_) {
        case tlCenter:
            return center;
        case tlBottom:
            return bottom;
        default:
            return top;
    }
}

void TCustomMarkupButton::DrawBoxPicture(Canvas& canvas, std::string_view family, TButtonType look,
                                         bool checked, int top, int bottom_margin) {
    const int n = (look == btOrvik ? 1 : 5) + (checked ? 0 : 1) + (EnabledInTree() ? 0 : 2);
    const Picture& p = MarkupBoxPicture(std::string(family) + "0" + std::to_string(n));
    const int x = BoxX(0, Width() - p.width() - 1);
    const int y = BoxY(top, Height() / 2 - p.height() / 2, Height() - p.height() - bottom_margin);
    canvas.Draw(x, y, p);
}

MarkupOptions TCustomMarkupButton::CaptionOptions(const Rect& bounds) {
    MarkupOptions o;
    o.bounds = bounds;
    o.word_wrap = !ellipsis_;
    o.url_color = url_color_;
    o.shadow_color = shadow_color_;
    o.shadow_offset = shadow_offset_;
    o.images = images_;
    o.picture_container = container_;
    o.picture_cache = &cache_;
    return o;
}

std::string TCustomMarkupButton::AnchorAt(int x, int y) {
    Canvas canvas(1, 1);
    canvas.font = font();
    canvas.brush = Brush{Color()};
    Rect r{0, 0, Width(), Height()};
    r.left += button_type_ == btOrvik ? 22 : 17;
    r.top += 4;
    MarkupOptions o = CaptionOptions(r);
    o.point_x = x;
    o.point_y = y;
    o.hit_test_only = true;
    o.print_scale = 1.0;
    const MarkupResult result = DrawMarkup(canvas, Caption(), o);
    return result.hit ? result.anchor_under_point : std::string();
}

Rect TCustomMarkupButton::CaptionRect(TButtonType look) const {
    Rect r{0, 0, Width(), Height()};
    r.top += 4;
    const int offset = CaptionOffset(look);
    if (alignment_ == taRightJustify) {
        r.right -= offset;
    } else {
        r.left += offset;
    }
    return r;
}

void TCustomMarkupButton::PaintCaption(Canvas& canvas, const Rect& r) {
    MarkupOptions o = CaptionOptions(r);
    if (EnabledInTree()) {
        DrawMarkup(canvas, Caption(), o);
        return;
    }
    const Font own = canvas.font;
    if (disabled_shadow_) {
        // An embossed look: the caption in white one pixel down and right, then greyed on top.
        canvas.font.color = clWhite;
        MarkupOptions shade = o;
        shade.bounds = r.offset(1, 1);
        shade.url_color = clWhite;
        DrawMarkup(canvas, Caption(), shade);
    }
    canvas.font.color = disabled_color_;
    o.url_color = clGray;
    DrawMarkup(canvas, Caption(), o);
    canvas.font = own;
}

void TCustomMarkupButton::Paint(Canvas& canvas) {
    canvas.font = font();
    if (!transparent) {
        canvas.brush = Brush{Color()};
        canvas.FillRect({0, 0, Width(), Height()});
    }
    const TButtonType look = Look();
    PaintBox(canvas, look);
    const Rect r = CaptionRect(look);
    canvas.font = font();
    canvas.brush = Brush{Color(), transparent ? bsClear : bsSolid};
    PaintCaption(canvas, r);
    if (Focused()) {
        MarkupOptions measure = CaptionOptions(r);
        measure.hit_test_only = true;
        const MarkupResult m = DrawMarkup(canvas, Caption(), measure);
        canvas.DrawFocusRect({r.left, r.top, r.left + m.extent_x + 3, r.top + m.extent_y + 1});
    }
    Control::Paint(canvas);
}

void TCustomMarkupButton::SetPressed(bool down) {
    if (down_ == down) return;
    down_ = down;
    Invalidate();
}

void TCustomMarkupButton::FollowAnchor(const std::string& anchor) {
    // Addresses go to the browser only when they are web addresses; other schemes are refused.
    // Anything else is the game's to handle.
    if (anchor.find("://") != std::string::npos || anchor.find("mailto:") != std::string::npos) {
        OpenMarkupAnchor(anchor);
    } else if (on_anchor_click) {
        on_anchor_click(anchor);
    }
}

void TCustomMarkupButton::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (button != mbLeft) {
        Control::MouseDown(button, shift, x, y);
        return;
    }
    if (FocusesBeforePress() && !Focused()) SetFocus();
    const bool focused = Focused() && (FocusesBeforePress() || !entered_by_press_);
    entered_by_press_ = false;
    pressed_here_ = true;
    std::string anchor;
    if (focused) {
        anchor = AnchorAt(x, y);
        if (!anchor.empty()) FollowAnchor(anchor);
    } else {
        SetFocus();
    }
    if (anchor.empty()) {
        Control::MouseDown(button, shift, x, y);
        SetPressed(true);
    }
    Invalidate();
}

void TCustomMarkupButton::MouseMove(ShiftState shift, int x, int y) {
    entered_by_press_ = false;
    if (pressed_here_) SetPressed(x >= 0 && x <= Width() && y >= 0 && y <= Height());
    const std::string anchor = AnchorAt(x, y);
    if (!anchor.empty()) {
        if (cursor == crDefault || anchor != last_anchor_) {
            last_anchor_ = anchor;
            if (cursor != crHandPoint) saved_cursor_ = cursor;
            cursor = crHandPoint;
            if (on_anchor_enter) on_anchor_enter(anchor);
        }
    } else if (cursor == crHandPoint) {
        cursor = saved_cursor_;
        if (on_anchor_exit) on_anchor_exit({});
    }
    Control::MouseMove(shift, x, y);
}

void TCustomMarkupButton::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    entered_by_press_ = false;
    if (button == mbLeft) {
        SetPressed(false);
        const bool inside = x >= 0 && x <= Width() && y >= 0 && y <= Height();
        if (inside && Focused() && pressed_here_) Activate();
        pressed_here_ = false;
    }
    Control::MouseUp(button, shift, x, y);
    Invalidate();
}

void TCustomMarkupButton::MouseEnter() {
    hot_ = true;
    Invalidate();
    Control::MouseEnter();
}

void TCustomMarkupButton::MouseLeave() {
    hot_ = false;
    Invalidate();
    Control::MouseLeave();
}

void TCustomMarkupButton::KeyDown(int& key, ShiftState shift) {
    entered_by_press_ = false;
    if (key == VK_RETURN && return_is_tab) {
        key = 0;
        if (Form* form = ParentForm()) form->DialogKey(VK_TAB, 0);
        return;
    }
    if (key == VK_SPACE) SetPressed(true);
    Control::KeyDown(key, shift);
}

void TCustomMarkupButton::KeyUp(int& key, ShiftState shift) {
    entered_by_press_ = false;
    if (key == VK_SPACE) {
        SetPressed(false);
        Activate();
    }
    Control::KeyUp(key, shift);
}

bool TCustomMarkupButton::Accelerator(char32_t ch) {
    if (ch == 0 || AcceleratorOf(StripMarkup(Caption())) != LowerChar(ch) || !CanFocus()) {
        return false;
    }
    Activate();
    if (tab_stop) SetFocus();
    return true;
}

void TCustomMarkupButton::DoEnter() {
    entered_by_press_ = true;
    Invalidate();
    Control::DoEnter();
}

void TCustomMarkupButton::DoExit() {
    entered_by_press_ = false;
    Invalidate();
    Control::DoExit();
}

}  // namespace kv
