#include "ui/controls/glow_button.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "platform/window/form.h"
#include "platform/window/image_list.h"
#include "platform/window/popup_menu.h"
#include "platform/window/screen.h"
#include "platform/window/timer.h"
#include "ui/controls/smooth_panel.h"
#include "ui/controls/ui_action.h"
#include "ui/markup/encoded_picture.h"

namespace kv {

int TUiCustomGlowButton::fade_interval = 20;

namespace {
constexpr int kFadeStep = 20;
constexpr int kDropDownHot = 12;
}  // namespace

TUiCustomGlowButton::TUiCustomGlowButton() {
    windowed_ = true;
    tab_stop = false;
    double_clicks_ = false;
    SetBounds(0, 0, 100, 41);
    appearance_.OnChange = [this] { Invalidate(); };
    picture_.OnChange = [this] { Remeasure(); };
    disabled_picture_.OnChange = [this] { Remeasure(); };
}

TUiCustomGlowButton::~TUiCustomGlowButton() = default;

void TUiCustomGlowButton::Assign(const TUiCustomGlowButton& s) {
    if (&s == this) return;
    SetAlign(s.AlignMode());
    action_ = s.action_;
    anti_alias_ = s.anti_alias_;
    auto_size_ = s.auto_size_;
    border_style_ = s.border_style_;
    cancel_ = s.cancel_;
    SetCaption(s.Caption());
    default_ = s.default_;
    if (!s.ParentFont()) SetFont(s.font());
    image_index_ = s.image_index_;
    images_ = s.images_;
    disabled_images_ = s.disabled_images_;
    disabled_picture_.Assign(&s.disabled_picture_);
    drag_mode = s.drag_mode;
    focus_type_ = s.focus_type_;
    hot_images_ = s.hot_images_;
    hot_picture_.Assign(&s.hot_picture_);
    margin_vert_ = s.margin_vert_;
    margin_horz_ = s.margin_horz_;
    modal_result_ = s.modal_result_;
    notes_ = s.notes_;
    notes_font_ = s.notes_font_;
    office_hint_.Assign(s.office_hint_);
    picture_.Assign(&s.picture_);
    popup_menu = s.popup_menu;
    position_ = s.position_;
    init_repeat_pause_ = s.init_repeat_pause_;
    repeat_pause_ = s.repeat_pause_;
    repeat_click_ = s.repeat_click_;
    rounded_ = s.rounded_;
    short_cut_hint_ = s.short_cut_hint_;
    short_cut_hint_pos_ = s.short_cut_hint_pos_;
    show_caption_ = s.show_caption_;
    show_disabled_ = s.show_disabled_;
    spacing_ = s.spacing_;
    transparent_ = s.transparent_;
    trimming_ = s.trimming_;
    word_wrap_ = s.word_wrap_;
    show_hint = s.show_hint;
    tab_stop = s.tab_stop;
    SetVisible(s.Visible());
    Remeasure();
}

std::string TUiCustomGlowButton::Version() const {
    return FormatVersion(GetVersionNr());
}

// ---- setters

void TUiCustomGlowButton::SetAutoSize(bool v) {
    if (auto_size_ == v) return;
    auto_size_ = v;
    measure_pending_ = true;
    Remeasure();
}

void TUiCustomGlowButton::SetBorderStyle(BorderStyle v) {
    border_style_ = v;
    Invalidate();
}

void TUiCustomGlowButton::SetLayout(TButtonLayout v) {
    layout_ = v;
    Invalidate();
}

void TUiCustomGlowButton::SetPosition(TButtonPosition v) {
    position_ = v;
    Invalidate();
}

void TUiCustomGlowButton::SetShowDisabled(bool v) {
    show_disabled_ = v;
    Invalidate();
}

void TUiCustomGlowButton::SetMarginHorz(int v) {
    if (margin_horz_ == v) return;
    margin_horz_ = v;
    Remeasure();
}

void TUiCustomGlowButton::SetMarginVert(int v) {
    if (margin_vert_ == v) return;
    margin_vert_ = v;
    Remeasure();
}

void TUiCustomGlowButton::SetShowCaption(bool v) {
    show_caption_ = v;
    Remeasure();
    Invalidate();
}

void TUiCustomGlowButton::SetNotes(std::vector<std::string> notes) {
    notes_ = std::move(notes);
    Invalidate();
    if (auto_size_) Remeasure();
}

void TUiCustomGlowButton::SetHotPicture(const TGDIPPicture& p) {
    // Shown only under the pointer: nothing to repaint now.
    hot_picture_.Assign(&p);
}

void TUiCustomGlowButton::SetImages(const ImageList* list) {
    images_ = list;
    Remeasure();
    Invalidate();
}

void TUiCustomGlowButton::ImageListRemoved(const ImageList* list) {
    if (!list) return;
    if (images_ == list) SetImages(nullptr);
    if (hot_images_ == list) SetHotImages(nullptr);
    if (disabled_images_ == list) SetDisabledImages(nullptr);
}

void TUiCustomGlowButton::SetImageIndex(int v) {
    image_index_ = v;
    Remeasure();
}

void TUiCustomGlowButton::SetImageListType(TImageListType v) {
    if (image_list_type_ == v) return;
    image_list_type_ = v;
    Remeasure();
    Invalidate();
}

void TUiCustomGlowButton::SetDefault(bool v) {
    default_ = v;
}

void TUiCustomGlowButton::SetDropDownButton(bool v) {
    if (drop_down_button_ == v) return;
    drop_down_button_ = v;
    Remeasure();
    Invalidate();
}

void TUiCustomGlowButton::SetDropDownPosition(TDropDownPosition v) {
    if (drop_down_position_ == v) return;
    drop_down_position_ = v;
    if (drop_down_button_) Remeasure();
    Invalidate();
}

void TUiCustomGlowButton::SetMaxButtonSizeState(TButtonSizeState v) {
    if (max_size_state_ == v) return;
    max_size_state_ = v;
    SwitchSizeState(v);
}

void TUiCustomGlowButton::SetMinButtonSizeState(TButtonSizeState v) {
    if (min_size_state_ == v) return;
    min_size_state_ = v;
    if (size_state_ < v) SwitchSizeState(v);
}

void TUiCustomGlowButton::SwitchSizeState(TButtonSizeState next) {
    if (size_state_ == next) return;
    if (size_state_ == bsLarge) {
        saved_layout_ = layout_;
        saved_drop_down_position_ = drop_down_position_;
    }
    size_state_ = next;
    if (auto_size_) {
        if (next == bsLarge) {
            layout_ = saved_layout_;
            drop_down_position_ = saved_drop_down_position_;
        } else {
            layout_ = blGlyphLeft;
            drop_down_position_ = dpRight;
        }
    }
    measure_pending_ = true;
    Remeasure();
}

void TUiCustomGlowButton::SetAllowAllUp(bool v) {
    if (allow_all_up_ == v) return;
    allow_all_up_ = v;
    NotifyGroup();
}

void TUiCustomGlowButton::SetGroupIndex(int v) {
    if (group_index_ == v) return;
    group_index_ = v;
    NotifyGroup();
}

void TUiCustomGlowButton::SetDown(bool v) {
    if (group_index_ == 0 && style_ == bsButton) v = false;
    if (style_ == bsCheck) {
        down_ = v;
        state_ = v ? stDown : stNormal;
        RepaintNow();
        return;
    }
    if (v == down_ || (down_ && !allow_all_up_)) return;
    down_ = v;
    if (v) {
        if (state_ == stNormal) Invalidate();
        state_ = stChecked;
        NotifyGroup();
    } else {
        state_ = stNormal;
        RepaintNow();
    }
}

void TUiCustomGlowButton::NotifyGroup() {
    if (group_index_ == 0 || !Parent()) return;
    for (const auto& child : Parent()->Children()) {
        if (auto* other = dynamic_cast<TUiCustomGlowButton*>(child.get()))
            other->ButtonPressed(group_index_, this);
    }
}

void TUiCustomGlowButton::ButtonPressed(int group, TUiCustomGlowButton* sender) {
    if (group != group_index_ || sender == this || !sender->down_ || !down_) return;
    down_ = false;
    state_ = stNormal;
    Invalidate();
}

void TUiCustomGlowButton::SetAction(TUiAction* action) {
    action_ = action;
    ActionChange();
}

void TUiCustomGlowButton::ActionChange() {
    if (!action_) return;
    if (group_index_ == 0) group_index_ = action_->GroupIndex;
    checked_linked_ = action_->Checked == down_;
    group_linked_ = action_->GroupIndex == group_index_;
    if (auto_size_) Remeasure();
    Invalidate();
}

// ---- style operations

void TUiCustomGlowButton::ApplyStyle(int style) {
    using L = TGlowButtonAppearance::Look;
    TGlowButtonAppearance& a = appearance_;
    a.FaceOnHover = style >= 13 && style <= 15;
    style_number_ = style;
    a.SetTextColorChecked(clBlack);
    SetRounded(!(style == 8 || (style >= 16 && style <= 19)));
    auto common_hot_down_checked = [&] {
        a.SetFaces(L::Hot, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF);
        a.SetBorderColorHot(0x99CEDB);
        a.SetFaces(L::Down, 0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD);
        a.SetBorderColorDown(0x45667B);
        a.SetFaces(L::Checked, 0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE);
        for (auto set :
             {&TGlowButtonAppearance::SetGradientHot, &TGlowButtonAppearance::SetGradientMirrorHot,
              &TGlowButtonAppearance::SetGradientDown,
              &TGlowButtonAppearance::SetGradientMirrorDown,
              &TGlowButtonAppearance::SetGradientChecked,
              &TGlowButtonAppearance::SetGradientMirrorChecked})
            (a.*set)(ggVertical);
    };
    auto normal = [&](TColor c, TColor ct, TColor m, TColor mt, TColor border) {
        a.SetFaces(L::Normal, c, ct, m, mt);
        a.SetBorderColor(border);
        a.SetGradient(ggVertical);
        a.SetGradientMirror(ggVertical);
    };
    if (style <= 3 || style == 7 || style == 4 || style == 5 || style == 9)
        common_hot_down_checked();
    if (style == 4 || style == 5 || style == 9) a.SetBorderColorChecked(0x45667B);
    // Faces of the numbered styles: blue, silver, olive and dark looks, each a pair of pale and
    // deeper tones of one hue.
    struct Face {
        TColor c, ct, m, mt, border;
    };
    static const Face kFaces[] = {
        {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B},  // 0
        {0xFCE1CB, 0xFAD8BC, 0xF5C9A6, 0xFBE3CE, 0xCF9365},  // 1
        {0xF2F2F2, 0xEBEBEB, 0xDADADA, 0xF0F0F0, 0xA6A6A6},  // 2
        {0xDFEDEA, 0xD6E7E3, 0xC4DBD5, 0xDCEBE8, 0x8CC0B1},  // 3
        {0xF9F3EE, 0xF5EAE0, 0xEBD9C8, 0xF5E8DC, 0xC4A58A},  // 4
        {0xE9E9E9, 0xE1E1E1, 0xCFCFCF, 0xE7E7E7, 0x8D8D8D},  // 5
        {0x5A5A5A, 0x4C4C4C, 0x3A3A3A, 0x505050, 0x2A2A2A},  // 6
        {0xFAF0E6, 0xF2E0CC, 0xE8CDB0, 0xF4E4D4, 0xBF9F7F},  // 7
    };
    if (style >= 0 && style <= 7) {
        const Face& f = kFaces[style];
        normal(f.c, f.ct, f.m, f.mt, f.border);
    } else if (style == 9 || style == 10 || style == 11) {
        const Face& f = kFaces[style - 8];
        normal(f.c, f.ct, f.m, f.mt, f.border);
    } else if (style == 12) {
        normal(clBtnFace, clBtnFace, clBtnFace, clBtnFace, clGray);
        a.SetFaces(L::Hot, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0);
        a.SetBorderColorHot(0x808080);
        a.SetFaces(L::Down, clHighlight, clHighlight, clHighlight, clHighlight);
        a.SetBorderColorDown(clHighlight);
        a.SetFaces(L::Checked, 0x808080, 0x808080, 0x808080, 0x808080);
    } else if (style >= 13 && style <= 15) {
        const Face& f = kFaces[style - 12];
        normal(f.c, f.ct, f.m, f.mt, f.border);
    } else if (style >= 16 && style <= 19) {
        // Flat looks: one colour per part, no gradients.
        struct Flat {
            TColor face, border, hot, hot_border, down, down_border, checked, checked_border;
        };
        static const Flat kFlat[] = {
            {0xF7F6F5, 0xE4E3E2, 0xF7EFE8, 0xF9CEA4, 0xF7E0C9, 0xE4A262, 0xDAA026, 0xDAA026},
            {0xFFFFFF, 0xD5D5D5, 0xF3E6DA, 0xE0B48C, 0xE8CFB6, 0xC8925E, 0xB07B3C, 0xB07B3C},
            {0x3F3F3F, 0x2A2A2A, 0x5A5A5A, 0x7A7A7A, 0x707070, 0x909090, 0x9C6A1E, 0x9C6A1E},
            {0xEFEFEF, 0xC8C8C8, 0xE5E5E5, 0xA8A8A8, 0xD8D8D8, 0x909090, 0x2E8B57, 0x2E8B57},
        };
        const Flat& f = kFlat[style - 16];
        normal(f.face, clNone, f.face, clNone, f.border);
        a.SetColorHot(f.hot);
        a.SetColorMirrorHot(f.hot);
        a.SetBorderColorHot(f.hot_border);
        a.SetColorDown(f.down);
        a.SetColorMirrorDown(f.down);
        a.SetBorderColorDown(f.down_border);
        a.SetColorChecked(f.checked);
        a.SetColorMirrorChecked(f.checked);
        a.SetBorderColorChecked(f.checked_border);
        for (auto set :
             {&TGlowButtonAppearance::SetColorHotTo, &TGlowButtonAppearance::SetColorMirrorHotTo,
              &TGlowButtonAppearance::SetColorDownTo, &TGlowButtonAppearance::SetColorMirrorDownTo,
              &TGlowButtonAppearance::SetColorCheckedTo,
              &TGlowButtonAppearance::SetColorMirrorCheckedTo,
              &TGlowButtonAppearance::SetColorDisabledTo,
              &TGlowButtonAppearance::SetColorMirrorDisabledTo})
            (a.*set)(clNone);
        a.SetColorDisabled(0xF7F7F7);
        a.SetColorMirrorDisabled(0xF7F7F7);
        a.SetBorderColorDisabled(0xDEDEDE);
        a.SetTextColorChecked(clWhite);
    }
    Invalidate();
}

void TUiCustomGlowButton::ApplyColorTones(const TColorToneSet& t) {
    // The tones by their place in the set, 1 to 15: fill, border and text of the background,
    // hover, selected, pressed and disabled groups.
    using L = TGlowButtonAppearance::Look;
    TGlowButtonAppearance& a = appearance_;
    const TColor fill = t.background.fill;
    a.SetFaces(L::Normal, fill, clNone, fill, clNone);
    a.SetBorderColor(t.background.border);
    a.SetFaces(L::Hot, t.pressed.fill, clNone, t.pressed.fill, clNone);
    a.SetBorderColorHot(t.pressed.border);
    a.SetTextColorHot(t.pressed.text);
    a.SetTextColorDown(t.selected.text);
    a.SetFaces(L::Down, t.selected.fill, clNone, t.selected.fill, clNone);
    a.SetBorderColorDown(t.selected.border);
    a.SetFaces(L::Disabled, fill, fill, fill, fill);
    a.SetBorderColorDisabled(t.disabled.text);
    a.SetFaces(L::Checked, t.selected.fill, clNone, clNone, clNone);
    a.SetBorderColorChecked(t.selected.border);
    fade_interval = 0;
    SetRounded(false);
    Font f = font();
    f.color = t.background.text;
    f.name = std::string(DefaultUIFontName());
    SetFont(f);
}

// ---- painting

void TUiCustomGlowButton::RepaintNow() {
    Invalidate();
    Update();
}

void TUiCustomGlowButton::SyncEnabledState() {
    if (EnabledInTree()) {
        if (state_ == stDisabled) state_ = down_ && group_index_ != 0 ? stChecked : stNormal;
    } else {
        state_ = stDisabled;
        press_tracking_ = false;
    }
    if (style_ == bsCheck && down_) state_ = stDown;
}

GlowColorSet TUiCustomGlowButton::PaintColors() {
    SyncEnabledState();
    using L = TGlowButtonAppearance::Look;
    const TGlowButtonAppearance& a = appearance_;
    const bool enabled = EnabledInTree();
    const bool check_down = style_ == bsCheck && state_ == stDown;
    L look = L::Normal;
    if ((state_ != stDisabled && enabled) || !show_disabled_) {
        if (state_ == stChecked || check_down) {
            look = L::Checked;
        } else if (state_ == stDown) {
            look = L::Down;
        } else {
            look = hot_ ? L::Hot : L::Normal;
        }
    } else {
        look = L::Disabled;
    }
    GlowColorSet set = a.Set(look);
    if (fade_running_) {
        if (look == L::Checked) {
            if (tracking_ || (style_ != bsCheck && (group_index_ < 1 || state_ == stDown)))
                set = BlendColorSet(a.Set(L::Checked), a.Set(L::Down), down_percent_);
        } else if (pressed_ || transparent_ || state_ == stChecked || check_down) {
            if (check_down && pressed_) {
                set = hot_ ? BlendColorSet(a.Set(L::Checked), a.Set(L::Down), down_percent_)
                           : BlendColorSet(a.Set(L::Down), a.Set(L::Checked), down_percent_);
            } else if (pressed_ && state_ != stChecked) {
                set = BlendColorSet(a.Set(L::Down), a.Set(L::Hot), down_percent_);
            }
        } else if (look != L::Disabled) {
            set = BlendColorSet(a.Set(L::Hot), a.Set(L::Normal), hot_percent_);
        }
    }
    if (Screen* screen = Screen::Current()) {
        if (position_ != bpStandalone && mouse_held_ && style_number_ < 4 &&
            (screen->MouseButtons() & ssLeft))
            set.border = a.BorderColor();
    }
    if ((state_ == stDisabled || !enabled) && show_disabled_) set = a.Set(L::Disabled);
    if (Focused() && (focus_type_ == ftHot || focus_type_ == ftHotBorder) && !pressed_)
        set = a.Set(L::Hot);
    if (set.mirror == clNone) set.mirror = set.color;
    return set;
}

bool TUiCustomGlowButton::ShowsFocusFrame() const {
    return Focused() && (focus_type_ == ftBorder || focus_type_ == ftHotBorder);
}

GlowDrawInputs TUiCustomGlowButton::Inputs() {
    GlowDrawInputs in;
    in.colors = PaintColors();
    const bool enabled = EnabledInTree();
    in.pressed_set = state_ == stDown && !(style_ == bsCheck) && enabled;
    in.enabled = enabled;
    in.hot = hot_;
    in.down = down_;
    // Pictures and images of the look.
    if (enabled || !disabled_images_) {
        in.images = hot_picture_on_ && hot_images_ ? hot_images_ : images_;
        in.image_enabled = enabled;
    } else {
        in.images = disabled_images_;
        in.image_enabled = true;
    }
    in.disabled_images = disabled_images_;
    in.image_index = image_index_;
    if (action_ && action_->ImageIndex >= 0 && action_->Images &&
        (!in.images || image_list_type_ == ipActionList)) {
        in.images = action_->Images;
        in.image_index = action_->ImageIndex;
    }
    in.picture = !enabled && !disabled_picture_.Empty()     ? &disabled_picture_
                 : hot_picture_on_ && !hot_picture_.Empty() ? &hot_picture_
                                                            : &picture_;
    in.caption = show_caption_ ? Caption() : std::string();
    if (drop_down_button_ && (tracking_ || mouse_held_)) {
        in.arrow = drop_down_hot_ ? GlowArrowState::OnPart : GlowArrowState::OnMain;
    }
    in.focus_frame = ShowsFocusFrame();
    in.gdi_text = anti_alias_ == aaNone;
    Font f = font();
    if (hot_picture_on_) f.color = appearance_.TextColorHot();
    if (state_ == stDown) f.color = appearance_.TextColorDown();
    if (style_ == bsCheck && state_ == stDown) f.color = appearance_.TextColorChecked();
    if (appearance_.SystemFont()) f.name = std::string(DefaultUIFontName());
    in.font = f;
    in.notes = notes_;
    in.notes_font = notes_font_;
    in.layout = layout_;
    in.spacing = spacing_;
    in.margin_horz = margin_horz_;
    in.margin_vert = margin_vert_;
    in.word_wrap = word_wrap_;
    in.trimming = trimming_;
    in.rounded = rounded_;
    in.position = position_;
    in.border_visible = IsBorderVisible();
    in.menu_shown = menu_shown_;
    in.drop_down_button = drop_down_button_;
    in.drop_down_position = drop_down_position_;
    in.drop_down_direction = drop_down_direction_;
    in.drop_down_split = drop_down_split_;
    in.transparent_face_on_hover = transparent_ && appearance_.FaceOnHover;
    const bool focused_hot = Focused() && (focus_type_ == ftHot || focus_type_ == ftHotBorder);
    in.face_left_out = transparent_ && !hot_ && !focused_hot && !pressed_;
    if (auto_size_ && (size_state_ == bsGlyph || size_state_ == bsLabel)) {
        in.small_pictures = true;
        if (in.images && in.image_index >= 0) in.picture = nullptr;
        if (size_state_ == bsGlyph) in.caption.clear();
    }
    return in;
}

void TUiCustomGlowButton::Remeasure() {
    if (!auto_size_) {
        Invalidate();
        return;
    }
    if (measuring_) return;
    measuring_ = true;
    measure_pending_ = false;
    GlowDrawInputs in = Inputs();
    in.measuring = true;
    kv::Picture scratch(1, 1);
    Canvas canvas(scratch);
    const Size m = DrawGlowButton(canvas, {0, 0, Width(), Height() + 4096}, in);
    const bool vertical = layout_ == blGlyphTop || layout_ == blGlyphBottom ||
                          layout_ == blGlyphTopAdjusted || layout_ == blGlyphBottomAdjusted;
    int w = m.cx + 3 * spacing_ + 2 * margin_horz_ + 2;
    int h = vertical ? m.cy + 2 * margin_vert_ : m.cy + 2 * spacing_ + 2 * margin_vert_;
    if (drop_down_button_) (drop_down_position_ == dpRight ? w : h) += kGlowDropDownPart;
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
    measuring_ = false;
    Invalidate();
}

void TUiCustomGlowButton::PaintButton(Canvas& canvas, const Rect& r) {
    const GlowDrawInputs in = Inputs();
    // The single pixels outside the rounded corners keep what lies beneath the button.
    std::vector<std::pair<Point, TColor>> corners;
    if (rounded_) {
        const int x1 = r.left, y1 = r.top, x2 = r.right - 1, y2 = r.bottom - 1;
        std::vector<Point> at;
        if (position_ == bpStandalone || position_ == bpLeft)
            at.insert(at.end(), {{x1, y1}, {x1, y2}});
        if (position_ == bpStandalone || position_ == bpRight)
            at.insert(at.end(), {{x2, y1}, {x2, y2}});
        for (Point p : at) corners.emplace_back(p, canvas.Pixel(p.x, p.y));
    }
    DrawGlowButton(canvas, r, in);
    for (const auto& [p, color] : corners) canvas.SetPixel(p.x, p.y, color);
}

void TUiCustomGlowButton::Paint(Canvas& canvas) {
    if (painting_) return;
    painting_ = true;
    if (measure_pending_ && auto_size_) Remeasure();
    const Rect r{0, 0, Width(), Height()};
    PaintButton(canvas, r);
    AfterDrawButton();
    if (on_draw_button) {
        const TGlowButtonState s = state_ == stDown ? gsDown : hot_ ? gsHot : gsNormal;
        on_draw_button(canvas, r, s);
    }
    Control::Paint(canvas);
    painting_ = false;
}

// ---- fading and repeating

void TUiCustomGlowButton::StartFadeTimer() {
    if (fade_interval <= 0 || fade_running_ || !Screen::Current()) return;
    if (!fade_timer_) {
        fade_timer_ = std::make_unique<Timer>();
        fade_timer_->on_timer = [this] { FadeTick(); };
    }
    fade_timer_->SetInterval(fade_interval);
    fade_timer_->SetEnabled(false);
    fade_timer_->SetEnabled(true);
    fade_running_ = true;
}

void TUiCustomGlowButton::StopFade() {
    fade_ = Fade::None;
    fade_running_ = false;
    // Kept for the next fade: the timer may be running this very handler.
    if (fade_timer_) fade_timer_->SetEnabled(false);
}

void TUiCustomGlowButton::FadeTick() {
    if (fade_ == Fade::None) {
        StopFade();
        return;
    }
    int& pct = fade_ == Fade::Hot ? hot_percent_ : down_percent_;
    pct += fade_step_;
    const bool back_in = (pct > 100 && fade_step_ < 0) || (pct < 0 && fade_step_ > 0);
    if ((pct >= 0 && pct <= 100) || back_in) {
        Invalidate();
        return;
    }
    pct = std::clamp(pct, 0, 100);
    if (fade_ == Fade::Down && fade_step_ < 0) {
        pressed_ = false;
        repress_on_enter_ = false;
    }
    Invalidate();
    StopFade();
}

void TUiCustomGlowButton::DoRepeatClick() {
    if (!repeat_timer_) return;
    repeat_timer_->SetInterval(repeat_pause_);
    Screen* screen = Screen::Current();
    if (pressed_ && screen && screen->Capture() == this) {
        try {
            Click();
        } catch (...) {
            repeat_timer_->SetEnabled(false);
            throw;
        }
    }
}

// ---- input

bool TUiCustomGlowButton::InsideClient(int x, int y) const {
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

bool TUiCustomGlowButton::OnDropDownPart(int x, int y, int part) const {
    if (!drop_down_button_) return false;
    return drop_down_position_ == dpRight ? x > Width() - part : y > Height() - part;
}

void TUiCustomGlowButton::HotCheck() {
    if (!EnabledInTree()) return;
    Screen* screen = Screen::Current();
    if (!screen) return;
    const bool outside = screen->ControlAt(screen->MousePos()) != this;
    if (outside == !tracking_) return;
    tracking_ = !outside;
    if (outside) {
        MouseLeave();
    } else {
        MouseEnter();
    }
}

void TUiCustomGlowButton::MouseEnter() {
    Control::MouseEnter();
    if (!hot_) {
        hot_picture_on_ = true;
        if (repress_on_enter_) pressed_ = true;
        StartFadeTimer();
        if (!pressed_ && fade_ != Fade::Down) {
            fade_step_ = kFadeStep;
            fade_ = Fade::Hot;
        }
        Invalidate();
    }
    tracking_ = true;
    hot_ = true;
}

void TUiCustomGlowButton::MouseLeave() {
    Control::MouseLeave();
    if (!hot_) return;
    hot_ = tracking_ = hot_picture_on_ = drop_down_hot_ = false;
    if (pressed_ && mouse_held_) {
        pressed_ = false;
        fade_step_ = -kFadeStep;
        fade_ = Fade::Down;
        repress_on_enter_ = true;
    } else {
        pressed_ = false;
        hot_percent_ = 100;
        fade_step_ = -kFadeStep;
        fade_ = Fade::Hot;
    }
    Invalidate();
    StartFadeTimer();
}

void TUiCustomGlowButton::MouseMove(ShiftState shift, int x, int y) {
    Control::MouseMove(shift, x, y);
    HotCheck();
    const bool dd_hot =
        drop_down_button_ && (drop_down_position_ == dpRight ? x >= Width() - kDropDownHot
                                                             : y >= Height() - kDropDownHot);
    if (dd_hot != drop_down_hot_) {
        drop_down_hot_ = dd_hot;
        Invalidate();
    }
    if (press_tracking_) {
        const int old = state_;
        state_ = down_ ? stChecked : stNormal;
        if (InsideClient(x, y)) state_ = down_ ? stChecked : stDown;
        if (style_ == bsCheck && down_) state_ = stDown;
        if (state_ != old) Invalidate();
    } else if (!tracking_) {
        HotCheck();
    }
}

void TUiCustomGlowButton::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    release_clicks_ = false;
    left_press_seen_ = button == mbLeft;
    Control::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    if (repeat_click_ && Screen::Current()) {
        if (!repeat_timer_) repeat_timer_ = std::make_unique<Timer>();
        repeat_timer_->on_timer = [this] { DoRepeatClick(); };
        repeat_timer_->SetInterval(init_repeat_pause_);
        repeat_timer_->SetEnabled(false);
        repeat_timer_->SetEnabled(true);
    }
    pressed_ = mouse_held_ = true;
    if (tab_stop) SetFocus();
    StartFadeTimer();
    fade_step_ = kFadeStep;
    fade_ = Fade::Down;
    const bool on_part = OnDropDownPart(x, y, kGlowDropDownPart);
    const bool opens_menu =
        (IsMenuButton() && !drop_down_button_) || (on_part && drop_down_split_) ||
        (drop_down_button_ && !drop_down_split_ && style_ == bsButton && group_index_ < 1);
    if (opens_menu) {
        if (on_drop_down) on_drop_down();
        if (drop_down_menu_) {
            pressed_ = !drop_down_split_;
            menu_shown_ = true;
            hot_ = false;
            tracking_ = false;
            RepaintNow();
            const Point at = MenuPoint();
            // The menu's own loop takes the release: this press ends here.
            if (Screen* screen = Screen::Current()) screen->ReleaseMouse();
            drop_down_menu_->Popup(at.x, at.y);
            pressed_ = menu_shown_ = mouse_held_ = false;
            if (Screen* screen = Screen::Current()) {
                if (screen->ControlAt(screen->MousePos()) != this)
                    hot_ = hot_picture_on_ = drop_down_hot_ = false;
            }
            RepaintNow();
        }
        Invalidate();
        return;
    }
    if (style_ == bsCheck) {
        down_ = !down_;
        state_ = stDown;
        RepaintNow();
    } else if (!down_) {
        state_ = stDown;
        Invalidate();
    }
    press_tracking_ = true;
}

void TUiCustomGlowButton::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button != mbLeft) {
        Control::MouseUp(button, shift, x, y);
        if (repeat_timer_) repeat_timer_->SetEnabled(false);
        return;
    }
    fade_step_ = -kFadeStep;
    fade_ = Fade::Down;
    mouse_held_ = repress_on_enter_ = false;
    StartFadeTimer();
    const bool inside = InsideClient(x, y);
    // The layer clicks a left press released over the button right after this.
    release_clicks_ = left_press_seen_ && inside && x < Width() && y < Height() && !menu_shown_;
    left_press_seen_ = false;
    // A linked action that governs the checked state or the group decides Down itself.
    const bool action_governs =
        action_ && (checked_linked_ || group_linked_ || (style_ == bsCheck && action_->AutoCheck));
    if (press_tracking_ && action_governs && (group_index_ != 0 || style_ == bsCheck)) {
        press_tracking_ = false;
        Control::MouseUp(button, shift, x, y);
        if (repeat_timer_) repeat_timer_->SetEnabled(false);
        Invalidate();
        return;
    }
    if (press_tracking_ && !(IsMenuButton() && !drop_down_button_)) {
        press_tracking_ = false;
        if (group_index_ != 0) {
            if (inside) {
                const bool was = down_;
                SetDown(!down_);
                if (!was && down_) RepaintNow();
            } else {
                if (down_) state_ = stChecked;
                RepaintNow();
            }
        } else {
            state_ = stNormal;
            if (style_ == bsCheck && !inside && down_) down_ = false;
            RepaintNow();
            if (inside && state_ != stDown && state_ != stChecked) Invalidate();
        }
        HotCheck();
    }
    Control::MouseUp(button, shift, x, y);
    if (repeat_timer_) repeat_timer_->SetEnabled(false);
    if (style_ == bsCheck || group_index_ != 0) RepaintNow();
    Invalidate();
}

void TUiCustomGlowButton::Click() {
    const bool from_release = release_clicks_;
    release_clicks_ = false;
    // A click the form raises for Enter or Escape: menu buttons open their menu and check
    // buttons toggle first.
    if (!from_release && dialog_key_pending_) {
        dialog_key_pending_ = false;
        ClickByKey();
        if (group_index_ == 0) {
            state_ = stNormal;
            Invalidate();
        }
        return;
    }
    dialog_key_pending_ = false;
    if (Form* form = ParentForm()) form->SetModalResult(modal_result_);
    if (on_click) {
        on_click();
    } else if (action_) {
        action_->Execute();
        // The link hands the action's checked state back to the button.
        if (checked_linked_ && down_ != action_->Checked) {
            SetDown(action_->Checked);
            checked_linked_ = action_->Checked == down_;
        }
    }
}

void TUiCustomGlowButton::ClickByKey() {
    const bool menu_like =
        (IsMenuButton() && !drop_down_button_) ||
        (drop_down_button_ && !drop_down_split_ && style_ == bsButton && group_index_ <= 0);
    if (menu_like) {
        if (drop_down_menu_) {
            DoDropDown();
        } else {
            Click();
        }
        return;
    }
    if (style_ == bsCheck) {
        down_ = !down_;
        state_ = stDown;
        RepaintNow();
    }
    Click();
}

bool TUiCustomGlowButton::Active() const {
    if (Focused()) return true;
    const Screen* screen = Screen::Current();
    const Control* focused = screen ? screen->Focused() : nullptr;
    return default_ && !dynamic_cast<const TUiCustomGlowButton*>(focused);
}

bool TUiCustomGlowButton::DefaultFor(int key) const {
    if (!Showing() || !EnabledInTree() || !CanFocus()) return false;
    const bool take = (key == VK_RETURN && Active()) || (key == VK_ESCAPE && cancel_);
    // The form clicks the button it asked right after: that click is one by key.
    if (take) dialog_key_pending_ = true;
    return take;
}

bool TUiCustomGlowButton::Accelerator(char32_t ch) {
    std::string caption = Caption();
    if (ch == 0 || AcceleratorOf(caption) != LowerChar(ch) || !CanFocus()) return false;
    if (IsMenuButton() || drop_down_menu_) {
        DoDropDown();
    } else {
        Click();
    }
    return true;
}

void TUiCustomGlowButton::DoDropDown() {
    if (!IsMenuButton() && !drop_down_menu_) return;
    if (!drop_down_menu_) return;
    if (on_drop_down) on_drop_down();
    state_ = stDown;
    Invalidate();
    const Point at = MenuPoint();
    menu_shown_ = true;
    drop_down_menu_->Popup(at.x, at.y);
    menu_shown_ = false;
    state_ = stNormal;
    RepaintNow();
}

Point TUiCustomGlowButton::MenuPoint() const {
    const Point corner = drop_down_direction_ == ddDown ? Point{0, Height()} : Point{Width(), 0};
    return ClientToScreen(corner);
}

void TUiCustomGlowButton::KeyDown(int& key, ShiftState shift) {
    Control::KeyDown(key, shift);
    if (key == VK_RETURN || key == VK_SPACE) {
        pressed_ = true;
        state_ = stDown;
        RepaintNow();
    }
    if (key == VK_F4) DoDropDown();
}

void TUiCustomGlowButton::KeyPress(char32_t& key) {
    Control::KeyPress(key);
    if (key != U' ' && key != U'\r') return;
    // The click of a key press runs the handler only, never the linked action.
    if (Form* form = ParentForm()) form->SetModalResult(modal_result_);
    if (on_click) on_click();
}

void TUiCustomGlowButton::KeyUp(int& key, ShiftState shift) {
    Control::KeyUp(key, shift);
    if (key != VK_RETURN && key != VK_SPACE) return;
    if (group_index_ != 0) {
        const bool was_pressed = pressed_;
        pressed_ = !pressed_;
        down_ = !down_;
        if (!was_pressed) state_ = stChecked;
        NotifyGroup();
    } else {
        pressed_ = false;
        state_ = stNormal;
    }
    RepaintNow();
}

void TUiCustomGlowButton::DoEnter() {
    Control::DoEnter();
    Invalidate();
}

void TUiCustomGlowButton::DoExit() {
    Control::DoExit();
    if (group_index_ == 0) {
        pressed_ = false;
        state_ = stNormal;
    }
    Invalidate();
}

void TUiCustomGlowButton::EnabledChanged() {
    Control::EnabledChanged();
    SyncEnabledState();
    Invalidate();
}

void TUiCustomGlowButton::CaptionChanged() {
    Control::CaptionChanged();
    Invalidate();
    if (auto_size_) Remeasure();
}

}  // namespace kv
