#include "ui/controls/smooth_message_dialog.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "platform/window/screen.h"
#include "ui/controls/smooth_message_dialog_form.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/markup/encoded_picture.h"
#include "ui/markup/graphics_markup_surface.h"

namespace kv {
namespace {

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The dialog's fonts as the layer draws them: no strike-out.
Font DialogFont(const Font& font) {
    Font f = font;
    f.style &= static_cast<FontStyles>(fsBold | fsItalic | fsUnderline);
    return f;
}

Rect RoundedRect(const RectF& r) {
    return RectOfSize(RoundEven(r.x), RoundEven(r.y), RoundEven(r.width), RoundEven(r.height));
}

// A surface of its own for measuring and hit-testing.
struct ScratchSurface {
    std::unique_ptr<TGPBitmap> bitmap = TGPBitmap::CreateFromScan0(1, 1);
    std::unique_ptr<TGPGraphics> graphics = TGPGraphics::CreateFromImage(bitmap.get());
    ScratchSurface() { graphics->SetTextRenderingHint(4); }
};

}  // namespace

TColor LightenColor(TColor color, int percent) {
    const TColor rgb = ColorToRGB(color);
    const auto up = [percent](int c) { return (c + MulDiv(255 - c, percent, 100)) & 0xFF; };
    return RGBColor(up(GetRValue(rgb)), up(GetGValue(rgb)), up(GetBValue(rgb)));
}

// ---- text

TUiSmoothMessageDialogHTMLText::TUiSmoothMessageDialogHTMLText(TUiSmoothMessageDialog& owner)
    : owner_(owner) {
    font_.name = "Tahoma";
}

void TUiSmoothMessageDialogHTMLText::Notify() {
    owner_.Changed();
}

void TUiSmoothMessageDialogHTMLText::Assign(const TUiSmoothMessageDialogHTMLText& s) {
    if (&s == this) return;
    url_color_ = s.url_color_;
    shadow_offset_ = s.shadow_offset_;
    shadow_color_ = s.shadow_color_;
    font_ = s.font_;
    text_ = s.text_;
    location_ = s.location_;
    top_ = s.top_;
    left_ = s.left_;
    owner_.Changed();
}

// ---- buttons

TUiSmoothMessageDialogButton::TUiSmoothMessageDialogButton(TUiSmoothMessageDialog& owner)
    : owner_(owner) {}

void TUiSmoothMessageDialogButton::Notify() {
    owner_.Changed();
}

void TUiSmoothMessageDialogButton::SetPicture(const TUiGDIPPicture* source) {
    picture_.Assign(source);
    owner_.Changed();
}

void TUiSmoothMessageDialogButton::Assign(const TUiSmoothMessageDialogButton& s) {
    if (&s == this) return;
    opacity_ = s.opacity_;
    picture_.Assign(&s.picture_);
    color_ = s.color_;
    color_focused_ = s.color_focused_;
    caption_ = s.caption_;
    spacing_ = s.spacing_;
    picture_location_ = s.picture_location_;
    button_result_ = s.button_result_;
    color_down_ = s.color_down_;
    border_color_ = s.border_color_;
    border_width_ = s.border_width_;
    border_opacity_ = s.border_opacity_;
    hover_color_ = s.hover_color_;
    enabled_ = s.enabled_;
    color_disabled_ = s.color_disabled_;
    owner_.Changed();
}

TUiSmoothMessageDialogButton& TUiSmoothMessageDialogButtons::Add() {
    items_.push_back(std::make_unique<TUiSmoothMessageDialogButton>(owner_));
    return *items_.back();
}

void TUiSmoothMessageDialogButtons::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
}

// ---- dialog

TUiSmoothMessageDialog::TUiSmoothMessageDialog() {
    fill_.OnChange = [this] { Changed(); };
    caption_fill_.OnChange = [this] { Changed(); };
    button_area_fill_.OnChange = [this] { Changed(); };
    progress_appearance_.OnChange = [this] { Changed(); };
    caption_font_.name = "Tahoma";
    button_font_.name = "Tahoma";
    time_out_timer_.SetEnabled(false);
    time_out_timer_.SetInterval(0);
    time_out_timer_.on_timer = [this] { TimeOutElapsed(); };
}

TUiSmoothMessageDialog::~TUiSmoothMessageDialog() {
    // An open window outlives the dialog only as an empty shell: it is closed, never left
    // pointing at a dialog that is gone.
    if (form_) {
        form_->DetachDialog();
        form_->Release();
        form_ = nullptr;
    }
}

std::string TUiSmoothMessageDialog::Version() const {
    return FormatVersion(GetVersionNr());
}

int TUiSmoothMessageDialog::ShowDialog() {
    Screen& screen = Screen::Get();
    Form* owner = dynamic_cast<Form*>(Owner());
    if (!owner && Owner()) owner = Owner()->ParentForm();
    if (!owner) owner = screen.MainForm();

    if (form_) {
        // A dialog shown again while its last window is still open starts with a new window.
        form_->DetachDialog();
        form_->Release();
        form_ = nullptr;
    }
    auto& form = screen.Create<TUiSmoothMessageDialogForm>(this);
    form_ = &form;
    form.owner_form = owner;
    form.InitWindow();
    form.on_close = [this](CloseAction& action) { FormClosed(action); };
    closing_ = false;
    if (!modal_) {
        form.Show();
        return mrOk;
    }
    form.on_show = [this] { FormShown(); };
    const int result = form.ShowModal();
    if (on_close) on_close();
    if (form_ == &form) {
        if (!form.Freed()) form.Release();
        form_->DetachDialog();
        form_ = nullptr;
    }
    return result;
}

bool TUiSmoothMessageDialog::Confirm() {
    const int result = ShowDialog();
    return result == mrOk || result == mrYes;
}

void TUiSmoothMessageDialog::CloseDialog(int result) {
    if (!form_) return;
    bool can_close = true;
    if (on_can_close) on_can_close(can_close, result);
    if (!can_close) return;
    // The window may have gone while the handler ran.
    if (!form_) return;
    if (modal_ && form_->Modal()) {
        form_->on_close = [this](CloseAction& action) { FormClosed(action); };
        form_->SetModalResult(result);
        return;
    }
    if (on_close) on_close();
    if (!form_) return;
    TUiSmoothMessageDialogForm* form = form_;
    form_ = nullptr;
    form->Close();
    // Whatever on_close chose, the window goes: it is freed from the event loop.
    if (!form->Freed()) form->Release();
    form->DetachDialog();
}

void TUiSmoothMessageDialog::FormClosed(CloseAction& action) {
    action = caFree;
    closing_ = true;
}

void TUiSmoothMessageDialog::FormShown() {
    if (form_) form_->RefreshWindow();
    // The time-out runs from the moment the window appears.
    time_out_timer_.SetEnabled(false);
    time_out_timer_.SetEnabled(time_out_ > 0);
}

void TUiSmoothMessageDialog::WindowActivated(TUiSmoothMessageDialogForm& form) {
    // A window that is closing, or already given up, never becomes the open window again.
    if (form_ || closing_ || form.Freed() || !form.Visible()) return;
    form_ = &form;
}

void TUiSmoothMessageDialog::WindowDestroyed(TUiSmoothMessageDialogForm& form) {
    if (form_ == &form) form_ = nullptr;
}

void TUiSmoothMessageDialog::SetTimeOut(int ms) {
    if (time_out_ == ms) return;
    time_out_ = ms;
    time_out_timer_.SetEnabled(ms > 0);
    time_out_timer_.SetInterval(ms);
}

void TUiSmoothMessageDialog::TimeOutElapsed() {
    CloseDialog(mrAll);
    time_out_timer_.SetEnabled(false);
}

void TUiSmoothMessageDialog::SetProgressValue(double v) {
    if (progress_value_ != v) {
        progress_value_ = v;
        Changed();
    }
    if (form_ && auto_close_ && progress_value_ >= progress_maximum_) CloseDialog(mrOk);
}

bool TUiSmoothMessageDialog::HasCancelButton() const {
    for (int i = 0; i < buttons_.Count(); ++i)
        if (buttons_.Items(i).ButtonResult() == mrCancel) return true;
    return false;
}

void TUiSmoothMessageDialog::Changed() {
    if (closing_ || !form_) return;
    MeasureDialog();
    form_->SetBounds(form_->Left(), form_->Top(), RoundEven(measures_.TotalWidth),
                     RoundEven(measures_.TotalHeight + 2 * margin_));
    form_->LayoutButtons();
    form_->ResizeBuffer();
}

MarkupOptions TUiSmoothMessageDialog::TextOptions(const TUiSmoothMessageDialogHTMLText& t) const {
    MarkupOptions o = SmoothMarkupOptions(Images, PictureContainer, t.ShadowOffset(), t.URLColor(),
                                          t.ShadowColor());
    o.point_x = 0;
    o.point_y = 0;
    return o;
}

std::string TUiSmoothMessageDialog::GetPlainText() const {
    if (html_text_.Text().empty()) return {};
    ScratchSurface s;
    MarkupOptions o = TextOptions(html_text_);
    o.measure_only = true;
    o.bounds = {};
    std::string text =
        DrawMarkupGP(*s.graphics, html_text_.GetFont(), html_text_.Text(), o).plain_text;
    // Line breaks as this desktop's clipboard writes them.
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

void TUiSmoothMessageDialog::Assign(const TUiSmoothMessageDialog& s) {
    if (&s == this) return;
    margin_ = s.margin_;
    Caption = s.Caption;
    caption_fill_.Assign(s.caption_fill_);
    caption_height_ = s.caption_height_;
    fill_.Assign(s.fill_);
    html_text_.Assign(s.html_text_);
    caption_location_ = s.caption_location_;
    caption_left_ = s.caption_left_;
    caption_top_ = s.caption_top_;
    caption_font_ = s.caption_font_;
    button_font_ = s.button_font_;
    button_layout_ = s.button_layout_;
    button_spacing_ = s.button_spacing_;
    enable_key_events_ = s.enable_key_events_;
    TabStop = s.TabStop;
    progress_minimum_ = s.progress_minimum_;
    progress_maximum_ = s.progress_maximum_;
    progress_value_ = s.progress_value_;
    progress_height_ = s.progress_height_;
    progress_width_ = s.progress_width_;
    progress_position_ = s.progress_position_;
    progress_visible_ = s.progress_visible_;
    progress_top_ = s.progress_top_;
    progress_left_ = s.progress_left_;
    progress_appearance_.Assign(s.progress_appearance_);
    auto_close_ = s.auto_close_;
    modal_ = s.modal_;
    maximum_height_ = s.maximum_height_;
    maximum_width_ = s.maximum_width_;
    minimum_height_ = s.minimum_height_;
    minimum_width_ = s.minimum_width_;
    Changed();
}

// ---- measuring and layout

void TUiSmoothMessageDialog::MeasureDialog() {
    SmoothDialogMeasures m;
    ScratchSurface s;
    Graphics* g = s.graphics->Native();
    const RectF box{0, 0, float(maximum_width_), float(maximum_height_)};
    if (g && buttons_.Count() > 0) {
        const Font font = DialogFont(button_font_);
        for (int i = 0; i < buttons_.Count(); ++i) {
            TUiSmoothMessageDialogButton& b = buttons_.Items(i);
            const StringMeasure size = g->MeasureString(b.Caption(), font, box);
            double w = size.bounds.width, h = size.bounds.height;
            auto& picture = const_cast<TUiGDIPPicture&>(b.Picture());
            const bool has_picture = !picture.Empty();
            if (has_picture) picture.UpdateImageSize();
            const TGDIPButtonLayout at = b.PictureLocation();
            if (has_picture) {
                w = at == blPictureLeft || at == blPictureRight ? picture.Width() + w + b.Spacing()
                                                                : picture.Width();
            }
            w = std::max(w + 10 + button_spacing_, 75.0);
            m.ButtonWidth = std::max(m.ButtonWidth, w);
            if (has_picture) {
                h = at == blPictureTop || at == blPictureBottom ? picture.Height() + h + b.Spacing()
                                                                : picture.Height();
            }
            h = std::max(h + 10 + button_spacing_, 25.0);
            m.ButtonHeight = std::max(m.ButtonHeight, h);
        }
        m.TotalWidth = m.ButtonWidth;
        m.TotalHeight = m.ButtonHeight;
    }
    if (g && !Caption.empty()) {
        const StringMeasure size = g->MeasureString(Caption, DialogFont(caption_font_), box);
        m.CaptionAreaHeight = caption_height_;
        m.CaptionAreaWidth = size.bounds.width + 20;
        m.TotalHeight += caption_height_;
        m.TotalWidth = std::max(m.TotalWidth, m.CaptionAreaWidth);
    }
    if (!html_text_.Text().empty()) {
        MarkupOptions o = TextOptions(html_text_);
        o.bounds = RoundedRect(box);
        o.measure_only = true;
        const MarkupResult r =
            DrawMarkupGP(*s.graphics, html_text_.GetFont(), html_text_.Text(), o);
        m.TextAreaHeight = r.extent_y + 20 + html_text_.Top();
        m.TextAreaWidth = r.extent_x + 20 + html_text_.Left();
        m.TotalHeight += m.TextAreaHeight;
        m.TotalWidth = std::max(m.TotalWidth, m.TextAreaWidth);
    }
    if (progress_visible_ && progress_position_ != hlCustom) {
        m.ProgressAreaHeight = progress_height_ + 25;
        m.ProgressAreaWidth = progress_width_ + 20;
        m.TotalHeight += m.ProgressAreaHeight;
        m.TotalWidth = std::max(m.TotalWidth, m.ProgressAreaWidth);
    }
    m.TotalHeight += margin_;
    m.TotalWidth += 2 * margin_;
    if (minimum_width_ != 0) m.TotalWidth = std::max(m.TotalWidth, double(minimum_width_));
    if (minimum_height_ != 0) m.TotalHeight = std::max(m.TotalHeight, double(minimum_height_));
    measures_ = m;
}

namespace {

// The painted dialog inside the window's margin.
RectF ContentRect(const Rect& client, int margin) {
    const RectF o{float(client.left), float(client.top), float(client.width() - 1),
                  float(client.height() - 1)};
    return {o.x + margin, o.y + margin, o.width - 2 * margin, o.height - 2 * margin};
}

}  // namespace

RectF TUiSmoothMessageDialog::GetCaptionRect(const Rect& client) const {
    const RectF p = ContentRect(client, margin_);
    return {p.x + 5, p.y, p.width - 5, float(measures_.CaptionAreaHeight)};
}

RectF TUiSmoothMessageDialog::GetTextRect(const Rect& client) const {
    const RectF p = ContentRect(client, margin_);
    return {p.x + 5, p.y + float(measures_.CaptionAreaHeight), p.width - 10,
            float(measures_.TextAreaHeight)};
}

RectF TUiSmoothMessageDialog::GetProgressRect(const Rect& client) const {
    const RectF p = ContentRect(client, margin_);
    return {p.x, p.y + float(measures_.CaptionAreaHeight + measures_.TextAreaHeight), p.width,
            float(measures_.ProgressAreaHeight)};
}

RectF TUiSmoothMessageDialog::GetButtonsRect(const Rect& client) const {
    const RectF p = ContentRect(client, margin_);
    const double above =
        measures_.CaptionAreaHeight + measures_.TextAreaHeight + measures_.ProgressAreaHeight;
    return {p.x, p.y + float(above), p.width, p.height - float(above)};
}

PointF TUiSmoothMessageDialog::GetLocationPosition(const RectF& a, int w, int h,
                                                   TUiSmoothMessageDialogLocation location) {
    const float dx = a.width - float(w), dy = a.height - float(h);
    const int l = location == hlCustom ? 0 : static_cast<int>(location);
    const float ox = l % 3 == 0 ? 0 : l % 3 == 1 ? dx / 2 : dx;
    const float oy = l / 3 == 0 ? 0 : l / 3 == 1 ? dy / 2 : dy;
    return {float(RoundEven(a.x)) + ox, float(RoundEven(a.y)) + oy};
}

std::string TUiSmoothMessageDialog::DrawHTMLText(TGPGraphics& surface,
                                                 const TUiSmoothMessageDialogHTMLText& t, int x,
                                                 int y, bool hit_test, const RectF& area) const {
    if (t.Text().empty()) return {};
    MarkupOptions o = TextOptions(t);
    o.bounds = RoundedRect(area);
    o.measure_only = true;
    const MarkupResult size = DrawMarkupGP(surface, t.GetFont(), t.Text(), o);
    const PointF at = t.Location() == hlCustom
                          ? PointF{float(t.Left()), float(t.Top())}
                          : GetLocationPosition(area, size.extent_x, size.extent_y, t.Location());
    o.bounds = RectOfSize(RoundEven(at.x), RoundEven(at.y), size.extent_x, size.extent_y);
    o.point_x = x;
    o.point_y = y;
    o.hit_test_only = hit_test;
    o.measure_only = false;
    const MarkupResult drawn = DrawMarkupGP(surface, t.GetFont(), t.Text(), o);
    return drawn.hit ? drawn.anchor_under_point : std::string();
}

std::string TUiSmoothMessageDialog::GetAnchorAt(int x, int y, const Rect& client) const {
    ScratchSurface s;
    return DrawHTMLText(*s.graphics, html_text_, x, y, true, GetTextRect(client));
}

int TUiSmoothMessageDialog::ButtonAt(int x, int y) const {
    for (int i = 0; i < buttons_.Count(); ++i) {
        const TUiSmoothMessageDialogButton& b = buttons_.Items(i);
        const RectF& r = b.ButtonRect;
        if (b.Enabled() && r.x <= x && x <= r.x + r.width && r.y <= y && y <= r.y + r.height)
            return i;
    }
    return -1;
}

// ---- styles

namespace {

struct DialogPreset {
    TColor fill, fill_to;
    ProgressPresetColors progress;
};

constexpr TColor N = clNone;

// Index 8 has no colours of its own.
constexpr std::array<DialogPreset, 20> kDialogPresets = {{
    {0xFFD2AF, 0xFFD2AF, {0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0x94E6FB, 0x1595EE, N, N, 0x962D00}},
    {0xE6D8D8, 0xE6D8D8, {0xE6D8D8, 0xE6D8D8, 0xC0C0C0, 0x94E6FB, 0x1595EE, N, N, 0x947C7C}},
    {0xB9EAE1, 0xB9EAE1, {0xCFF0EA, 0xCFF0EA, 0xC0C0C0, 0x94E6FB, 0x1595EE, N, N, 0x588060}},
    {0xF2F2F2, 0xF2F2F2, {0xF2F2F2, 0xF2F2F2, 0xC0C0C0, 0xB59285, 0xB59285, N, N, 0x962D00}},
    {0xF3E5DA,
     0xF0DED0,
     {0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0xFFD1AD}},
    {0x5C534C,
     0x5C534C,
     {0x5C534C, 0x5C534C, 0xC0C0C0, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x000000}},
    {0xB6B6B6,
     0xB6B6B6,
     {0xB6B6B6, 0xB6B6B6, 0xC0C0C0, clActiveCaption, clActiveCaption, N, N, 0x000000}},
    {0xF5F9FA, 0xF5F9FA, {0xF5F9FA, 0xF5F9FA, 0xC0C0C0, 0x94E6FB, 0x1595EE, N, N, 0x962D00}},
    {N, N, {N, N, N, N, N, N, N, N}},
    {0xF8F4F1,
     0xF0E8E3,
     {0xCAC1BA, 0xCAC1BA, 0xC0C0C0, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x000000}},
    {0xFDF8F1, 0xFCEFD5, {0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFEF9F0, 0xFDF0D7, N, N, 0xFEDF9A}},
    {0xFCEBDC, 0xFCDBC1, {0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D}},
    {clBtnFace, clBtnFace, {clBtnFace, clBtnFace, 0x808080, 0xFFFFFF, 0xFFFFFF, N, N, 0x808080}},
    {0xFDF6EF, 0xF0DAC7, {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xEDDBCD, N, N, N, 0x5B391E}},
    {0xFFFFFF, 0xEDE5E0, {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0xEDE9E5, N, N, N, 0x7C6D66}},
    {0xBFBFBF, 0x919191, {0xBFBFBF, 0x919191, 0xD7D7D6, 0x828282, N, N, N, 0x6D6D6D}},
    {0xF7F6F5, 0xF7F6F5, {0xF7F6F5, 0xF7F6F5, 0xE4E3E2, 0xF7E0C9, N, N, N, 0xE4A262}},
    {0xFFFFFF, 0xFFFFFF, {0xFFFFFF, 0xFFFFFF, 0xD4D4D4, 0xFCE2C8, N, N, N, 0xE59D56}},
    {0xFAFAFA, 0xFAFAFA, {0xF6F6F6, 0xF6F6F6, 0xC6C6C6, 0xFCE2C8, N, N, N, 0xE59D56}},
    {0xF3F3F3, 0xF3F3F3, {0xE5E5E5, 0xE5E5E5, 0xABABAB, 0xFCE2C8, N, N, N, 0xE59D56}},
}};

}  // namespace

void TUiSmoothMessageDialog::ApplyStylePreset(int style) {
    fill_.SetRoundingType(rtBoth);
    if (style < 0 || style == 8 || style >= static_cast<int>(kDialogPresets.size())) return;
    const DialogPreset& p = kDialogPresets[static_cast<std::size_t>(style)];
    fill_.SetColor(p.fill);
    fill_.SetColorTo(p.fill_to);
    fill_.SetOpacity(240);
    fill_.SetOpacityTo(220);
    fill_.SetBorderColor(0x000000);
    fill_.SetRounding(5);
    caption_fill_.SetColor(0xFFFFFF);
    caption_fill_.SetOpacity(100);
    caption_fill_.SetOpacityTo(0);
    caption_fill_.SetRounding(5);
    caption_fill_.SetRoundingType(rtTop);
    Font caption_font = caption_font_;
    caption_font.size = 10;
    SetCaptionFont(caption_font);
    Font button_font = button_font_;
    button_font.size = 8;
    SetButtonFont(button_font);
    button_area_fill_.SetColor(0xFFFFFF);
    button_area_fill_.SetColorTo(0xFFFFFF);
    button_area_fill_.SetOpacity(0);
    button_area_fill_.SetOpacityTo(100);
    button_area_fill_.SetRounding(5);
    button_area_fill_.SetRoundingType(rtBottom);
    for (int i = 0; i < buttons_.Count(); ++i) {
        TUiSmoothMessageDialogButton& b = buttons_.Items(i);
        b.SetColor(fill_.Color());
        b.SetColorDown(fill_.ColorTo());
        b.SetHoverColor(0xF5F9FA);
        b.SetColorFocused(LightenColor(fill_.Color(), 10));
        if (style == 10) b.SetBorderColor(0xFDF8F1);
        if (style == 11) b.SetBorderColor(0xFCEBDC);
    }
    ApplyProgressPreset(progress_appearance_, p.progress, style != 12);
}

void TUiSmoothMessageDialog::ApplyColorTones(const TColorToneSet& tones) {
    fill_.SetRoundingType(rtNone);
    fill_.SetColor(tones.background.fill);
    fill_.SetColorTo(tones.background.fill);
    fill_.SetBorderColor(tones.background.border);
    TGDIPFill& back = progress_appearance_.BackGroundFill();
    back.SetColor(tones.hover.fill);
    back.SetColorTo(tones.hover.fill);
    back.SetBorderColor(tones.hover.border);
    TGDIPFill& bar = progress_appearance_.ProgressFill();
    bar.SetColor(tones.selected.fill);
    bar.SetColorTo(tones.selected.fill);
    bar.SetColorMirror(tones.selected.fill);
    bar.SetColorMirrorTo(tones.selected.fill);
    bar.SetBorderColor(tones.selected.border);
}

TUiSmoothMessageDialog& AddGameMessageDialog(Form& form, std::string name) {
    auto& dialog = form.AddComponent<TUiSmoothMessageDialog>(std::move(name));
    dialog.Position = poOwnerFormCenter;
    dialog.Fill().SetColor(static_cast<TColor>(0x2E8B2E));
    dialog.Fill().SetColorTo(clBlack);
    dialog.SetMinimumWidth(360);
    // The messages are shadowed white text: a grey shadow five pixels off reads as a second,
    // faded copy of the message, so the shadow sits one pixel off, in black.
    dialog.HTMLText().SetShadowOffset(1);
    dialog.HTMLText().SetShadowColor(clBlack);
    TUiSmoothMessageDialogButton& ok = dialog.Buttons().Add();
    ok.SetCaption("Ok");
    ok.SetButtonResult(mrOk);
    return dialog;
}

}  // namespace kv
