#include "ui/controls/ui_combo_box.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/gfx/visual_styles.h"
#include "platform/window/classic_look.h"
#include "platform/window/form.h"
#include "platform/window/screen.h"
#include "ui/markup/encoded_picture.h"

namespace kv {
namespace {
constexpr TColor kDisabledFrame = 0xB99D7F;
}

TUiComboLabel::~TUiComboLabel() {
    if (combo_) combo_->label_ = nullptr;
}

TUiCustomCombo::TUiCustomCombo() = default;

TUiCustomCombo::~TUiCustomCombo() {
    if (label_) {
        label_->combo_ = nullptr;
        label_->Free();
    }
}

std::string TUiCustomCombo::Version() const {
    return FormatVersion(GetVersionNr());
}

void TUiCustomCombo::SelectItemByText(std::string_view text) {
    const auto& items = Items();
    const auto it = std::find(items.begin(), items.end(), text);
    if (it == items.end()) return;
    SetItemIndex(static_cast<int>(it - items.begin()));
    if (on_change) on_change();
}

void TUiCustomCombo::SetButtonWidth(int v) {
    if (v < 14 || v > 32) return;
    Change(button_width_, v);
}

TColor TUiCustomCombo::ParentColor() const {
    return Parent() ? Parent()->Color() : stored_color_;
}

void TUiCustomCombo::SetFieldColor(TColor c) {
    stored_color_ = c;
    SetColor(flat_ && flat_parent_color_ && Parent() ? ParentColor() : c);
}

void TUiCustomCombo::SetFlat(bool v) {
    if (flat_ == v) return;
    // The colour the combo was given comes back when it stops being flat.
    if (v) stored_color_ = Color();
    flat_ = v;
    SetColor(flat_parent_color_ && flat_ && Parent() ? ParentColor() : stored_color_);
    Invalidate();
}

void TUiCustomCombo::SetFlatParentColor(bool v) {
    flat_parent_color_ = v;
    if (flat_) SetColor(v && Parent() ? ParentColor() : stored_color_);
    Invalidate();
}

// ---- label

void TUiCustomCombo::SetLabelCaption(std::string caption) {
    label_caption_ = std::move(caption);
    if (!label_ && Parent()) {
        auto owned = std::make_unique<TUiComboLabel>(this);
        owned->SetName(Name() + "_label");
        label_ = owned.get();
        Parent()->Adopt(std::move(owned));
        label_->focus_control = this;
    }
    if (label_) label_->SetCaption(label_caption_);
    UpdateLabel();
}

void TUiCustomCombo::SetLabelPosition(TLabelPosition v) {
    label_position_ = v;
    UpdateLabel();
}

void TUiCustomCombo::SetLabelMargin(int v) {
    label_margin_ = v;
    UpdateLabel();
}

void TUiCustomCombo::SetLabelTransparent(bool v) {
    label_transparent_ = v;
    UpdateLabel();
}

void TUiCustomCombo::SetLabelAlwaysEnabled(bool v) {
    label_always_enabled_ = v;
    if (label_) label_->SetEnabled(v || Enabled());
    UpdateLabel();
}

void TUiCustomCombo::SetLabelFont(const Font& f) {
    if (ParentFont()) return;
    label_font_ = f;
    UpdateLabel();
}

void TUiCustomCombo::UpdateLabel() {
    if (!label_) return;
    label_->transparent = label_transparent_;
    Font f = ParentFont() ? font() : label_font_;
    if (focus_label_ && focused_) f.style |= fsBold;
    if (!(label_->font() == f)) label_->SetFont(f);
    PlaceLabel();
}

void TUiCustomCombo::PlaceLabel() {
    if (!label_) return;
    const int w = MeasureTextWidth(label_->font(), label_caption_);
    const int L = Left(), T = Top(), Wd = Width(), Ht = Height();
    const int lh = label_->Height(), lw = label_->Width(), m = label_margin_;
    const int centred_top = lh < Ht ? T + (Ht - lh) / 2 : T - (lh - Ht) / 2;
    const int centred_left = lw < Wd ? L + (Wd - lw) / 2 : L - (lw - Wd) / 2;
    int top = T, left = L - w - m;
    switch (label_position_) {
        case lpLeftTop:
            break;
        case lpLeftCenter:
            top = centred_top;
            break;
        case lpLeftBottom:
            top = T + Ht - lh;
            break;
        case lpTopLeft:
            top = T - lh - m;
            left = L;
            break;
        case lpBottomLeft:
            top = T + Ht + m;
            left = L;
            break;
        case lpLeftTopLeft:
            left = L - m;
            break;
        case lpLeftCenterLeft:
            top = centred_top;
            left = L - m;
            break;
        case lpLeftBottomLeft:
            top = T + Ht - lh;
            left = L - m;
            break;
        case lpTopCenter:
            top = T - lh - m;
            left = centred_left;
            break;
        case lpBottomCenter:
            top = T + Ht + m;
            left = centred_left;
            break;
        case lpRightTop:
            left = L + Wd + m;
            break;
        case lpRightCenter:
            top = centred_top;
            left = L + Wd + m;
            break;
        case lpRighBottom:
            top = T + Ht - lh;
            left = L + Wd + m;
            break;
    }
    label_->SetBounds(left, top, lw, lh);
    label_->SetVisible(Visible());
}

// ---- state changes

void TUiCustomCombo::Resized() {
    ComboBox::Resized();
    UpdateLabel();
}

void TUiCustomCombo::Moved() {
    ComboBox::Moved();
    UpdateLabel();
}

void TUiCustomCombo::FontChanged() {
    ComboBox::FontChanged();
    UpdateLabel();
}

void TUiCustomCombo::VisibleChanged() {
    ComboBox::VisibleChanged();
    if (label_) label_->SetVisible(Visible());
}

void TUiCustomCombo::EnabledChanged() {
    ComboBox::EnabledChanged();
    // A flat combo shows its parent's colour while disabled.
    if (flat_)
        SetColor(Enabled() ? (flat_parent_color_ && Parent() ? ParentColor() : stored_color_)
                           : ParentColor());
    if (label_ && !label_always_enabled_) label_->SetEnabled(Enabled());
    UpdateLabel();
}

void TUiCustomCombo::MouseEnter() {
    ComboBox::MouseEnter();
    if (!hot_ && EnabledInTree()) {
        hot_ = true;
        Invalidate();
    }
    if (auto_focus_) {
        Form* form = ParentForm();
        Screen* screen = Screen::Current();
        if (!form || (screen && screen->ActiveForm() == form)) SetFocus();
    }
}

void TUiCustomCombo::MouseLeave() {
    ComboBox::MouseLeave();
    if (hot_ && EnabledInTree()) hot_ = false;
    button_hot_ = false;
    Invalidate();
}

void TUiCustomCombo::MouseMove(ShiftState shift, int x, int y) {
    ComboBox::MouseMove(shift, x, y);
    const bool over = Width() - button_width_ < x && x < Width();
    if (over == button_hot_) return;
    button_hot_ = over;
    Invalidate();
}

void TUiCustomCombo::SetFontColor(TColor color) {
    Font f = font();
    f.color = color;
    SetFont(f);
}

void TUiCustomCombo::DoEnter() {
    ComboBox::DoEnter();
    focused_ = true;
    if (focus_color_ != clNone) {
        normal_color_ = Color();
        SetColor(focus_color_);
    }
    if (focus_font_color_ != clNone && focus_font_color_ != font().color) {
        saved_font_color_ = font().color;
        SetFontColor(focus_font_color_);
        focus_font_applied_ = true;
    }
    UpdateLabel();
    Invalidate();
}

void TUiCustomCombo::DoExit() {
    ComboBox::DoExit();
    focused_ = false;
    if (focus_color_ != clNone && normal_color_ != clNone) SetColor(normal_color_);
    if (focus_font_applied_) {
        SetFontColor(saved_font_color_);
        focus_font_applied_ = false;
    }
    UpdateLabel();
    Invalidate();
}

void TUiCustomCombo::DroppingDown() {
    Invalidate();
    ComboBox::DroppingDown();
}

void TUiCustomCombo::ClosedUp() {
    Invalidate();
    ComboBox::ClosedUp();
    if (on_drop_up) on_drop_up();
}

// ---- painting

bool TUiCustomCombo::FocusBorderActive() const {
    return focus_border_ && (hot_ || focused_);
}

void TUiCustomCombo::Paint(Canvas& canvas) {
    const bool enabled = EnabledInTree();
    const bool themed = VisualStylesActive(ComboVisualStyles());
    const bool custom = flat_ || border_color_ != clNone ||
                        (focus_border_color_ != clNone && focused_) ||
                        (!enabled && themed && !disabled_border_);
    if (!custom) {
        ComboBox::Paint(canvas);
        DrawEmptyText(canvas);
        return;
    }
    const int W = Width(), H = Height(), B = button_width_;
    canvas.brush = Brush{Color()};
    canvas.FillRect({0, 0, W, H});
    // The flat drop-down button: a face with a thin edge and the arrow.
    Rect button{W - B + 2, 0, W, H};
    button = button.inflate(-1, -1);
    canvas.brush = Brush{clBtnFace};
    canvas.FillRect(button);
    DrawArrow(canvas, button, Arrow::Down, enabled ? clBtnText : clGrayText);
    // The chosen item.
    Rect field{3, 2, W - B - 2, H - 2};
    Font f = font();
    if (!enabled) f.color = clGrayText;
    if (Focused() && !DroppedDown() && focus_color_ == clNone) {
        canvas.brush = Brush{clHighlight};
        canvas.FillRect(field);
        f.color = clHighlightText;
    }
    if (ItemIndex() >= 0) DrawItem(canvas, field, ItemIndex(), f);
    DrawEmptyText(canvas);
    DrawFrame(canvas);
    Control::Paint(canvas);
}

void TUiCustomCombo::DrawEmptyText(Canvas& canvas) const {
    // The placeholder tells what to choose while nothing is chosen; a focused combo drops it
    // unless asked to keep it.
    if (ItemIndex() >= 0 || empty_text_.empty() || (Focused() && !empty_text_focused_)) return;
    Font f = font();
    f.color = kEmptyTextColour;
    f.style = empty_text_style_;
    canvas.font = f;
    canvas.bk_mode = BkMode::Transparent;
    canvas.TextOut(3, 1, empty_text_);
}

void TUiCustomCombo::DrawFrame(Canvas& canvas) {
    const bool enabled = EnabledInTree();
    const int W = Width(), H = Height(), B = button_width_;
    Rect r{0, 0, W, H};
    auto frame = [&](TColor c) {
        canvas.brush = Brush{c};
        canvas.FrameRect(r);
    };
    if (!enabled && CommonControlsMajorVersion() >= 6 && !disabled_border_) {
        frame(kDisabledFrame);
        return;
    }
    if (border_color_ != clNone && !(focused_ && focus_border_color_ != clNone)) {
        frame(border_color_);
        return;
    }
    if (focus_border_color_ != clNone) {
        if (focused_) frame(focus_border_color_);
        return;
    }
    const TColor outer = FocusBorderActive() ? clBtnFace : ParentColor();
    if (FocusBorderActive()) {
        Frame3D(canvas, r, clBtnShadow, clBtnHighlight);
        frame(outer);
        r = r.inflate(-1, -1);
        frame(Color());
    } else {
        frame(outer);
        r = r.inflate(-1, -1);
        r.right -= B;
        frame(outer);
        r = r.inflate(-1, -1);
        frame(Color());
        r.right += B;
    }
    if (flat_ && flat_line_color_ != clNone) {
        canvas.pen = Pen{flat_line_color_};
        canvas.MoveTo(r.left - 2, H - 1);
        canvas.LineTo(r.right - B - 1, H - 1);
    }
    // The button's edge shows while the pointer is over the control or it has the focus.
    if (!VisualStylesActive(ComboVisualStyles())) {
        Rect button{W - B - 2, 0, W, H};
        button = button.inflate(-2, -2);
        if (hot_ || focused_) {
            Rect edge = button;
            if (DroppedDown()) {
                Frame3D(canvas, edge, clBtnShadow, clBtnShadow);
            } else if (etched_) {
                Frame3D(canvas, edge, clBtnShadow, clBtnHighlight);
                Frame3D(canvas, edge, clBtnHighlight, clBtnShadow);
            } else {
                Frame3D(canvas, edge, clBtnHighlight, clBtnShadow);
            }
        } else if (enabled) {
            canvas.brush = Brush{clBtnFace};
            Frame3D(canvas, button, clBtnFace, clBtnFace);
        }
    }
}

}  // namespace kv
