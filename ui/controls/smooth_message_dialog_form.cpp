#include "ui/controls/smooth_message_dialog_form.h"

#include <cmath>

#include "platform/base/utf8.h"
#include "platform/gfx/canvas.h"
#include "platform/window/screen.h"
#include "ui/controls/smooth_message_dialog.h"

namespace kv {
namespace {

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

constexpr int kTextAntiAlias = 4;

}  // namespace

TUiSmoothMessageDialogForm::TUiSmoothMessageDialogForm(TUiSmoothMessageDialog* dialog)
    : Form("TUiSmoothMessageDialogForm"), dialog_(dialog) {
    on_activate = [this] {
        if (dialog_) dialog_->WindowActivated(*this);
    };
    DoCreate();
}

TUiSmoothMessageDialogForm::~TUiSmoothMessageDialogForm() {
    if (dialog_) dialog_->WindowDestroyed(*this);
}

void TUiSmoothMessageDialogForm::InitWindow() {
    SetBorderStyle(bsNone);
    layered = true;
    SetColor(clWhite);
    if (!dialog_) return;
    form_style = dialog_->GetFormStyle();
    position = dialog_->Position;
    SetBounds(dialog_->DialogLeft, dialog_->DialogTop, Width(), Height());
    dialog_->MeasureDialog();
    const SmoothDialogMeasures& m = dialog_->Measures();
    SetBounds(Left(), Top(), RoundEven(m.TotalWidth),
              RoundEven(m.TotalHeight + 2 * dialog_->Margin()));
    LayoutButtons();
    ResizeBuffer();
}

// ---- layout

void TUiSmoothMessageDialogForm::LayoutButtons() {
    if (!dialog_) return;
    TUiSmoothMessageDialog& d = *dialog_;
    const SmoothDialogMeasures& m = d.Measures();
    const int count = d.Buttons().Count();
    const double spacing = d.ButtonSpacing();
    const int margin = d.Margin();
    const bool row = d.ButtonLayout() == blHorizontal;
    RectF b = d.GetButtonsRect(ClientArea());
    const double need_w = row ? count * m.ButtonWidth + spacing : spacing + m.ButtonWidth;
    const double need_h = row ? m.ButtonHeight : count * m.ButtonHeight;
    if (need_w > b.width) SetBounds(Left(), Top(), RoundEven(need_w + 2 * margin), Height());
    if (need_h > b.height) {
        const Rect client = ClientArea();
        const double above = d.GetCaptionRect(client).height + d.GetTextRect(client).height +
                             d.GetProgressRect(client).height;
        SetBounds(Left(), Top(), Width(), RoundEven(above + need_h + 2 * margin + spacing));
    }
    const float bw = float(m.ButtonWidth - spacing), bh = float(m.ButtonHeight - spacing);
    b = d.GetButtonsRect(ClientArea());
    const float s = float(spacing);
    for (int i = 0; i < count; ++i) {
        TUiSmoothMessageDialogButton& button = d.Buttons().Items(i);
        if (row) {
            float x0 = b.x;
            if (need_w < b.width) x0 += std::max(float(b.width - need_w) / 2, 0.0f);
            button.ButtonRect = {i * bw + x0 + (i + 1) * s, (b.height - bh) / 2 + b.y, bw, bh};
        } else {
            button.ButtonRect = {(b.width - bw) / 2 + b.x, i * bh + b.y + (i + 1) * s, bw, bh};
        }
    }
}

// ---- picture and painting

void TUiSmoothMessageDialogForm::CreateBuffer() {
    buffer_ = TGPBitmap::CreateFromScan0(Width(), Height());
}

void TUiSmoothMessageDialogForm::ResizeBuffer() {
    CreateBuffer();
    RefreshWindow();
}

void TUiSmoothMessageDialogForm::RefreshWindow() {
    if (buffer_ && buffer_->Native()) {
        const std::unique_ptr<TGPGraphics> surface = TGPGraphics::CreateFromImage(buffer_.get());
        surface->GraphicsClear(0);
        DrawDialog(surface.get());
    }
    Invalidate();
}

void TUiSmoothMessageDialogForm::DrawDialog(TGPGraphics* given) {
    std::unique_ptr<TGPGraphics> own;
    if (!given) {
        if (!buffer_ || !buffer_->Native()) return;
        own = TGPGraphics::CreateFromImage(buffer_.get());
        given = own.get();
    }
    given->SetSmoothingMode(SmoothingModeAntiAlias);
    given->SetTextRenderingHint(kTextAntiAlias);
    Graphics* native = given->Native();
    if (!dialog_ || !native) return;
    Graphics& g = *native;
    TUiSmoothMessageDialog& d = *dialog_;
    const SmoothDialogMeasures& m = d.Measures();
    const Rect client = ClientArea();
    const int margin = d.Margin();
    const RectF p{float(client.left + margin), float(client.top + margin),
                  float(client.width() - 1 - 2 * margin), float(client.height() - 1 - 2 * margin)};
    const RectF bar{p.x, p.y, p.width, float(m.CaptionAreaHeight)};
    const RectF text = d.GetTextRect(client);
    const RectF buttons = d.GetButtonsRect(client);

    d.Fill().DrawFill(g, p);
    if (buttons.width != 0 && buttons.height != 0 && d.Buttons().Count() > 0) {
        d.ButtonAreaFill().DrawFill(g, buttons);
        for (int i = 0; i < d.Buttons().Count(); ++i) DrawDialogButton(g, i, d.Buttons().Items(i));
    }
    if (bar.height != 0) {
        d.CaptionFill().DrawFill(g, bar);
        if (!d.Caption.empty()) {
            Font font = d.CaptionFont();
            font.style &= static_cast<FontStyles>(fsBold | fsItalic | fsUnderline);
            const StringMeasure size = g.MeasureString(d.Caption, font, bar);
            const float w = size.bounds.width, h = size.bounds.height;
            const PointF at = d.CaptionLocation() == hlCustom
                                  ? PointF{float(d.CaptionLeft()), float(d.CaptionTop())}
                                  : TUiSmoothMessageDialog::GetLocationPosition(
                                        bar, RoundEven(w), RoundEven(h), d.CaptionLocation());
            g.DrawString(d.Caption, font, RectF{at.x, at.y, w, h}, StringFormat{},
                         GraphicsBrush::Solid(ColorToARGB(255, font.color)));
        }
    }
    if (text.height != 0) d.DrawHTMLText(*given, d.HTMLText(), -1, -1, false, text);
    if (d.ProgressVisible()) {
        const PointF at = d.ProgressPosition() == hlCustom
                              ? PointF{float(d.ProgressLeft()), float(d.ProgressTop())}
                              : TUiSmoothMessageDialog::GetLocationPosition(
                                    d.GetProgressRect(client), d.ProgressWidth(),
                                    d.ProgressHeight(), d.ProgressPosition());
        const Rect r = RectOfSize(RoundEven(at.x) + client.left, RoundEven(at.y) + client.top,
                                  d.ProgressWidth(), d.ProgressHeight());
        d.ProgressAppearance().Draw(g, r, d.ProgressMinimum(), d.ProgressMaximum(),
                                    d.ProgressValue(), pbdHorizontal);
    }
}

void TUiSmoothMessageDialogForm::DrawDialogButton(Graphics& g, int index,
                                                  const TUiSmoothMessageDialogButton& b) {
    TUiSmoothMessageDialog& d = *dialog_;
    TGDIPDialogButton painter;
    painter.SetSpacing(b.Spacing());
    painter.SetLayout(b.PictureLocation());
    painter.SetFont(d.ButtonFont());
    const bool focused = index == d.DefaultButton();
    TColor color = focused ? b.ColorFocused() : b.Color();
    if (!b.Enabled()) {
        color = b.ColorDisabled();
    } else if (b.Down) {
        color = b.ColorDown();
    } else if (b.Hover) {
        color = b.HoverColor();
    }
    DialogButtonLook look;
    look.color = color;
    look.border_color = b.BorderColor();
    look.border_width = b.BorderWidth();
    look.border_opacity = b.BorderOpacity();
    look.opacity = b.Opacity();
    look.border = b.BorderColor() != clNone;
    look.pressed = b.Down;
    const RectF& r = b.ButtonRect;
    painter.DrawButton(
        g, b.Caption(),
        RectOfSize(RoundEven(r.x), RoundEven(r.y), RoundEven(r.width), RoundEven(r.height)), look,
        &b.Picture());
    if (focused) {
        // A dotted frame one pixel outside the focused button.
        GraphicsPath path =
            CreateRoundRectPath({r.x - 1, r.y - 1, r.width + 1, r.height + 1}, 4, rtBoth);
        g.DrawPath(GraphicsPen{ColorToARGB(255, clBlack), 1, DashStyle::Dot}, path);
    }
}

void TUiSmoothMessageDialogForm::Paint(Canvas& canvas) {
    if (buffer_ && buffer_->Native()) canvas.Draw(0, 0, *buffer_->Native());
}

void TUiSmoothMessageDialogForm::CopyToClipboard(const std::string& text) {
    Screen::Get().SetClipboardText(text);
}

// ---- keyboard

void TUiSmoothMessageDialogForm::StepDefault(int by) {
    const int count = dialog_->Buttons().Count();
    if (count == 0) return;
    const int at = dialog_->DefaultButton();
    int next = at + by;
    if (by < 0 && at <= 0) next = count - 1;
    if (by > 0 && at >= count - 1) next = 0;
    dialog_->SetDefaultButton(next);
}

bool TUiSmoothMessageDialogForm::DialogKey(int key, ShiftState) {
    // Only Tab is the window's own; the arrows, Enter and Escape go on to KeyDown.
    if (dialog_ && Visible() && key == VK_TAB) {
        StepDefault(1);
        return true;
    }
    return false;
}

bool TUiSmoothMessageDialogForm::DialogChar(char32_t ch) {
    if (dialog_) {
        const char32_t wanted = LowerChar(ch);
        for (int i = 0; i < dialog_->Buttons().Count(); ++i) {
            const TUiSmoothMessageDialogButton& b = dialog_->Buttons().Items(i);
            if (b.Enabled() && AcceleratorOf(b.Caption()) == wanted && wanted != 0) {
                dialog_->CloseDialog(b.ButtonResult());
                return true;
            }
        }
    }
    return Form::DialogChar(ch);
}

void TUiSmoothMessageDialogForm::KeyDown(int& key, ShiftState shift) {
    Form::KeyDown(key, shift);
    key_down_seen_ = true;
    // Alt+F4 would close the window behind the dialog's back.
    if (key == VK_F4 && (shift & ssAlt)) key = 0;
    if (!dialog_ || !dialog_->EnableKeyEvents()) return;
    TUiSmoothMessageDialog& d = *dialog_;
    const int count = d.Buttons().Count();
    const int focus = d.DefaultButton();
    switch (key) {
        case 'C':
            if (shift & ssCtrl) {
                const std::string text = d.GetPlainText();
                if (!text.empty()) {
                    CopyToClipboard(text);
                } else if (!d.Caption.empty()) {
                    CopyToClipboard(d.Caption);
                }
            }
            break;
        case VK_ESCAPE:
            if (d.HasCancelButton()) d.CloseDialog(mrCancel);
            break;
        case VK_LEFT:
        case VK_UP:
            StepDefault(-1);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            StepDefault(1);
            break;
        case VK_SPACE:
        case VK_RETURN:
            if (focus >= 0 && focus < count && d.Buttons().Items(focus).Enabled()) {
                d.Buttons().Items(focus).Down = true;
                d.Changed();
            }
            break;
        default:
            break;
    }
}

void TUiSmoothMessageDialogForm::KeyUp(int& key, ShiftState shift) {
    Form::KeyUp(key, shift);
    // The release of a key pressed elsewhere (the Enter that opened the dialog) does nothing.
    if (!key_down_seen_ || !dialog_ || (key != VK_SPACE && key != VK_RETURN)) return;
    TUiSmoothMessageDialog& d = *dialog_;
    if (!d.EnableKeyEvents()) return;
    const int focus = d.DefaultButton();
    if (focus < 0 || focus >= d.Buttons().Count()) return;
    TUiSmoothMessageDialogButton& b = d.Buttons().Items(focus);
    if (!b.Enabled()) return;
    b.Down = false;
    d.Changed();
    d.CloseDialog(b.ButtonResult());
}

// ---- mouse

void TUiSmoothMessageDialogForm::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Form::MouseDown(button, shift, x, y);
    if (!dialog_) return;
    TUiSmoothMessageDialog& d = *dialog_;
    if (d.on_anchor_click) {
        const std::string anchor = d.GetAnchorAt(x, y, ClientArea());
        if (!anchor.empty()) d.on_anchor_click(anchor);
        if (!dialog_) return;
    }
    const int i = d.ButtonAt(x, y);
    if (i < 0) return;
    mouse_down_on_button_ = true;
    pressed_button_ = i;
    d.Buttons().Items(i).Down = true;
    d.Changed();
}

void TUiSmoothMessageDialogForm::MouseMove(ShiftState shift, int x, int y) {
    Form::MouseMove(shift, x, y);
    if (mouse_down_on_button_ || !dialog_) return;
    TUiSmoothMessageDialog& d = *dialog_;
    cursor = d.GetAnchorAt(x, y, ClientArea()).empty() ? crDefault : crHandPoint;
    const int i = d.ButtonAt(x, y);
    for (int k = 0; k < d.Buttons().Count(); ++k) {
        TUiSmoothMessageDialogButton& b = d.Buttons().Items(k);
        if (k != i && b.Hover) {
            b.Hover = false;
            d.Changed();
        }
    }
    if (i >= 0 && !d.Buttons().Items(i).Hover) {
        d.Buttons().Items(i).Hover = true;
        d.Changed();
    }
}

void TUiSmoothMessageDialogForm::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    Form::MouseUp(button, shift, x, y);
    // Only a press that began on a button of this window can close it on release.
    const bool pressed_here = mouse_down_on_button_;
    mouse_down_on_button_ = false;
    if (!dialog_) return;
    TUiSmoothMessageDialog& d = *dialog_;
    const int i = d.ButtonAt(x, y);
    if (pressed_here && i >= 0 && i == pressed_button_)
        d.CloseDialog(d.Buttons().Items(i).ButtonResult());
    if (!dialog_) return;
    for (int k = 0; k < d.Buttons().Count(); ++k) {
        d.Buttons().Items(k).Down = false;
        d.Buttons().Items(k).Hover = false;
    }
    d.Changed();
}

void TUiSmoothMessageDialogForm::MouseLeave() {
    Form::MouseLeave();
    Invalidate();
}

bool TUiSmoothMessageDialogForm::HitCaption(Point client) const {
    if (!dialog_) return false;
    const RectF caption = dialog_->GetCaptionRect(ClientArea());
    return client.y < caption.y + caption.height;
}

bool TUiSmoothMessageDialogForm::AnswerPoint(int modal_result, Point& client) const {
    if (!dialog_) return false;
    for (int i = 0; i < dialog_->Buttons().Count(); ++i) {
        const TUiSmoothMessageDialogButton& b = dialog_->Buttons().Items(i);
        if (b.Enabled() && b.ButtonResult() == modal_result) {
            const RectF& r = b.ButtonRect;
            client = {int(r.x + r.width / 2), int(r.y + r.height / 2)};
            return true;
        }
    }
    return false;
}

std::string TUiSmoothMessageDialogForm::ShownText() const {
    return dialog_ ? dialog_->GetPlainText() : std::string();
}

}  // namespace kv
