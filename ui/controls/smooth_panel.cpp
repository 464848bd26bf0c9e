#include "ui/controls/smooth_panel.h"

#include <cmath>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "ui/controls/gdiplus/text_brush.h"
#include "ui/markup/encoded_picture.h"
#include "ui/markup/graphics_markup_surface.h"
#include "ui/markup/markup_renderer.h"

namespace kv {
namespace {

constexpr int kCaptionBarHeight = 20;
constexpr int kMarkupHeight = 10000;  // room that never cuts the mark-up caption short

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

bool InTopRow(TUiSmoothPanelLocation l) {
    return l != plCustom && LocationRow(l) == 0;
}

bool InBottomRow(TUiSmoothPanelLocation l) {
    return LocationRow(l) == 2;
}

int TextRenderingHintOf(TUiSmoothPanelTextRenderingHint hint) {
    switch (hint) {
        case tAntiAlias:
            return 4;
        case tAntiAliasGridFit:
            return 3;
        case tClearType:
            return 5;
    }
    return 3;
}

Font CaptionFont(const Font& font) {
    Font f = font;
    f.style &= static_cast<FontStyles>(fsBold | fsItalic | fsUnderline);
    return f;
}

}  // namespace

Point GetTextPosition(TUiSmoothPanelLocation location, int tw, int th, float x, float y, float bw,
                      float bh) {
    // Whole pixels, halves truncated toward zero.
    const int X = static_cast<int>(x), Y = static_cast<int>(y);
    const int BW = static_cast<int>(bw), BH = static_cast<int>(bh);
    const int column = LocationColumn(location), row = LocationRow(location);
    Point p;
    p.x = column == 0 ? X : column == 1 ? std::max(BW - tw, X) / 2 : std::max(BW - tw, X);
    p.y = row == 0 ? Y : row == 1 ? (BH - th) / 2 : BH - th;
    return p;
}

// ---- caption

TUiSmoothPanelCaption::TUiSmoothPanelCaption()
    : SmoothCaptionText(12, 0xB0721C, 0x9F661A, plTopLeft) {
    html_font_.name = "Tahoma";
}

void TUiSmoothPanelCaption::Assign(const TUiSmoothPanelCaption& s) {
    if (&s == this) return;
    text_ = s.text_;
    CopyPlaceAndBrush(s);
    html_text_ = s.html_text_;
    html_location_ = s.html_location_;
    html_left_ = s.html_left_;
    html_top_ = s.html_top_;
    html_url_color_ = s.html_url_color_;
    html_shadow_color_ = s.html_shadow_color_;
    html_shadow_offset_ = s.html_shadow_offset_;
    html_font_ = s.html_font_;
    font_ = s.font_;
    line_ = s.line_;
    Changed();
}

// ---- panel

TUiSmoothPanel::TUiSmoothPanel() {
    windowed_ = true;
    SetBounds(0, 0, 256, 128);
    fill_.OnChange = [this] { Changed(); };
    caption_.OnChange = [this] { Changed(); };
}

TUiSmoothPanel::~TUiSmoothPanel() = default;

void TUiSmoothPanel::Assign(const TUiSmoothPanel& source) {
    if (&source == this) return;
    caption_.Assign(source.caption_);
    fill_.Assign(source.fill_);
    transparent_ = source.transparent_;
    Changed();
}

void TUiSmoothPanel::SetTransparent(bool on) {
    if (transparent_ == on) return;
    transparent_ = on;
    Changed();
}

void TUiSmoothPanel::SetPictureContainer(const TGDIPPictureContainer* c) {
    if (container_ == c) return;
    container_ = c;
    Changed();
}

void TUiSmoothPanel::SetImages(const MarkupImageList* images) {
    if (images_ == images) return;
    images_ = images;
    Changed();
}

void TUiSmoothPanel::SetCursor(int c) {
    cursor_property_ = c;
    if (!over_anchor_) cursor = c;
}

std::string TUiSmoothPanel::Version() const {
    return FormatVersion(GetVersionNr());
}

void TUiSmoothPanel::Changed() {
    stale_ = true;
    Invalidate();
}

void TUiSmoothPanel::FontChanged() {
    Control::FontChanged();
    if (!ParentFont()) caption_.SetHTMLFont(font());
}

void TUiSmoothPanel::Resized() {
    Control::Resized();
    Changed();
}

MarkupOptions SmoothMarkupOptions(const MarkupImageList* images,
                                  const TGDIPPictureContainer* container, int shadow_offset,
                                  TColor url_color, TColor shadow_color) {
    MarkupOptions o;
    o.images = images;
    o.focus_index = -1;
    o.hover_index = -1;
    o.shadow_offset = shadow_offset;
    o.word_wrap = true;
    o.url_color = url_color;
    o.hover_color = clNone;
    o.hover_font_color = clNone;
    o.shadow_color = shadow_color;
    o.picture_container = container;
    o.line_spacing = 2;
    return o;
}

MarkupOptions TUiSmoothPanel::MarkupArguments() const {
    return SmoothMarkupOptions(images_, container_, caption_.HTMLShadowOffset(),
                               caption_.HTMLURLColor(), caption_.HTMLShadowColor());
}

void TUiSmoothPanel::DrawPanelGP(TGPGraphics& tg) {
    Graphics* native = tg.Native();
    if (!native) return;
    Graphics& g = *native;
    const float W = float(Width()), H = float(Height());
    const float S = fill_.ShadowColor() == clNone ? 0.0f : float(fill_.ShadowOffset());

    const RectF body = fill_.BorderColor() == clNone || fill_.BorderWidth() == 0
                           ? RectF{-1, -1, W + 1, H + 1}
                           : RectF{0, 0, W - 1, H - 1};
    const RectF content = fill_.DrawFill(g, body);

    int caption_height = 0;
    if (!caption_.Text().empty()) {
        float X = content.x, CW = content.width;
        const float Y = content.y, CH = content.height;
        const TUiSmoothPanelLocation loc = caption_.Location();
        float p = 0;
        if (!fill_.Picture().Empty()) {
            auto& picture = const_cast<TUiGDIPPicture&>(fill_.Picture());
            picture.UpdateImageSize();
            const float pw =
                float(fill_.PictureSize() == psCustom ? fill_.PictureWidth() : picture.Width());
            const bool top = loc == plTopLeft || loc == plTopRight;
            const bool bottom = loc == plBottomLeft || loc == plBottomRight;
            const TFillPicturePosition at = fill_.PicturePosition();
            if ((at == ppTopLeft && top) || (at == ppBottomLeft && bottom)) {
                X += pw;
                p = pw;
            } else if ((at == ppTopRight && top) || (at == ppBottomRight && bottom)) {
                CW -= pw;
            }
        }
        const std::unique_ptr<TGPFont> font = MakeFont(CaptionFont(caption_.GetFont()));
        if (const Font* f = font->Native()) {
            const std::string& text = caption_.Text();
            const StringMeasure m = g.MeasureString(text, *f, {X, Y, CW - p, CH});
            const float mw = m.bounds.width, mh = m.bounds.height;
            const int tw = RoundEven(mw), th = RoundEven(mh);
            caption_height = th;
            const Point pos = loc == plCustom ? Point{caption_.Left(), caption_.Top()}
                                              : GetTextPosition(loc, tw, th, X, Y, CW, CH);
            const float x = float(pos.x), y = float(pos.y);

            if (caption_.BackgroundColor() != clNone) {
                TGDIPFill band;
                band.SetColor(caption_.BackgroundColor());
                band.SetColorTo(caption_.BackgroundColorTo());
                band.SetBorderWidth(0);
                band.SetRounding(fill_.Rounding());
                const TFillRoundingType rt = fill_.RoundingType();
                TFillRoundingType band_rounding = rtNone;
                if ((InTopRow(loc) || loc == plCustom) && (rt == rtTop || rt == rtBoth)) {
                    band_rounding = rtTop;
                } else if (InBottomRow(loc) && (rt == rtBottom || rt == rtBoth)) {
                    band_rounding = rtBottom;
                }
                band.SetRoundingType(band_rounding);
                band.DrawFill(g, loc == plCustom ? RectF{0, 0, CW - p, y + mh}
                                                 : RectF{0, y - 1, CW - p, mh + 1});
            }

            if (const auto brush = MakeTextBrush(caption_.BrushLook(), {x, y, mw, mh})) {
                g.DrawString(text, *f, RectF{x, y, float(RoundEven(CW - 2 - p)), H - 1 - S},
                             StringFormat{}, *brush);
            }

            if (caption_.LineColor() != clNone && caption_.Line()) {
                const float ly = InBottomRow(loc) ? y - 2 : y + mh;
                g.DrawLine(GraphicsPen{ColorToARGB(255, caption_.LineColor()), 1},
                           float(RoundEven(X + 2)), ly, float(RoundEven(CW - 2)), ly);
            }
        }
    }

    markup_rect_ = {};
    if (!caption_.HTMLText().empty()) {
        const int T = caption_height;
        const int R = RoundEven(W - S) - 2 * fill_.BorderWidth();
        const int left = caption_.HTMLLeft();
        const TUiSmoothPanelLocation loc = caption_.HTMLLocation();
        MarkupOptions o = MarkupArguments();
        o.bounds =
            loc == plCustom ? Rect{0, T, R - left, kMarkupHeight} : Rect{left, T, R, kMarkupHeight};
        o.measure_only = true;
        const MarkupResult size = DrawMarkupGP(tg, caption_.HTMLFont(), caption_.HTMLText(), o);
        Rect box;
        if (loc == plCustom) {
            box = RectOfSize(left, caption_.HTMLTop(), R - left, size.extent_y);
        } else {
            const Point at = GetTextPosition(loc, size.extent_x, size.extent_y, content.x,
                                             content.y, content.width, content.height - T);
            box = RectOfSize(at.x, T + at.y, size.extent_x, size.extent_y);
        }
        o.measure_only = false;
        o.bounds = box;
        DrawMarkupGP(tg, caption_.HTMLFont(), caption_.HTMLText(), o);
        markup_rect_ = box;
    }
}

void TUiSmoothPanel::Paint(Canvas& canvas) {
    const int w = Width(), h = Height();
    if (!transparent_) {
        canvas.brush = Brush{Color(), bsSolid};
        canvas.FillRect({0, 0, w, h});
    }
    if (w > 1 && h > 1) {
        if (stale_ || !image_) {
            stale_ = false;
            // A picture of the same size is cleared and drawn again rather than made anew.
            if (!image_ || image_->GetImageWidth() != w || image_->GetImageHeight() != h) {
                image_ = TGPBitmap::CreateFromScan0(w, h);
            }
            if (image_->Native()) {
                const std::unique_ptr<TGPGraphics> tg = TGPGraphics::CreateFromImage(image_.get());
                tg->GraphicsClear(0);
                tg->SetSmoothingMode(SmoothingModeAntiAlias);
                tg->SetTextRenderingHint(TextRenderingHintOf(caption_.TextRendering()));
                DrawPanelGP(*tg);
                ++image_builds_;
            }
        }
        if (const kv::Picture* picture = image_->Native()) canvas.Draw(0, 0, *picture);
    }
    if (on_draw) on_draw(canvas, ClientArea());
}

std::string TUiSmoothPanel::AnchorAtPoint(int x, int y) {
    if (caption_.HTMLText().empty() || !markup_rect_.contains({x, y})) return {};
    const std::unique_ptr<TGPBitmap> surface = TGPBitmap::CreateFromScan0(1, 1);
    const std::unique_ptr<TGPGraphics> tg = TGPGraphics::CreateFromImage(surface.get());
    MarkupOptions o = MarkupArguments();
    o.bounds = markup_rect_;
    o.point_x = x;
    o.point_y = y;
    o.hit_test_only = true;
    const MarkupResult r = DrawMarkupGP(*tg, caption_.HTMLFont(), caption_.HTMLText(), o);
    return r.hit ? r.anchor_under_point : std::string();
}

bool TUiSmoothPanel::IsInCaptionBar(Point p) const {
    const Rect client = ClientArea();
    return p.y < kCaptionBarHeight && p.x > client.left && p.x < client.right;
}

void TUiSmoothPanel::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    if (button == mbLeft && can_move_ && IsInCaptionBar({x, y})) {
        moving_ = true;
        grab_ = ClientToScreen({x, y});
        grab_origin_ = {Left(), Top()};
        return;
    }
    if (!over_anchor_) return;
    const std::string anchor = AnchorAtPoint(x, y);
    if (!anchor.empty() && on_anchor_click) on_anchor_click(anchor);
}

void TUiSmoothPanel::MouseMove(ShiftState shift, int x, int y) {
    Control::MouseMove(shift, x, y);
    if (moving_) {
        const Point at = ClientToScreen({x, y});
        SetBounds(grab_origin_.x + at.x - grab_.x, grab_origin_.y + at.y - grab_.y, Width(),
                  Height());
        return;
    }
    over_anchor_ = !AnchorAtPoint(x, y).empty();
    cursor = over_anchor_ ? crHandPoint : cursor_property_;
}

void TUiSmoothPanel::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseUp(button, shift, x, y);
    if (!moving_) return;
    moving_ = false;
    if (on_end_move_size) on_end_move_size();
}

// ---- colour schemes

namespace {

struct PanelPreset {
    TColor caption_start, caption_end, caption_line;
    TColor fill, fill_to, mirror, mirror_to;
    TColor border;
    TUiGradientType mirror_type;  // gtNone: left as it is
    TGlowMode glow;
    bool flat;  // no rounding, no shadow
};

constexpr TColor kWhite = clWhite, kBlack = clBlack;
constexpr PanelPreset kPlain(TColor fill, TColor fill_to, TColor border) {
    return {kBlack, kBlack, kBlack, fill, fill_to, clNone, clNone, border, gtNone, gmNone, false};
}
constexpr PanelPreset kFlat(TColor line) {
    return {kBlack, kBlack, line, kWhite, kWhite, clNone, clNone, line, gtNone, gmRadial, true};
}

// Index 8 has no colours of its own.
constexpr std::array<PanelPreset, 20> kPresets = {{
    kPlain(0xFDEADA, 0xE4AE88, 0xDFD2C5),
    kPlain(0xF7F3F3, 0xE6D8D8, 0x927476),
    kPlain(0xCFF0EA, 0x8CC0B1, 0x6B7760),
    kPlain(kWhite, 0xC9D1D5, clGray),
    {0xB0721C, 0x9F661A, 0xB0721C, 0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7, 0xE3B28D, gtVertical,
     gmNone, false},
    {kWhite, kWhite, kWhite, 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, kBlack, gtVertical, gmNone,
     false},
    kPlain(clBtnFace, clBtnFace, kBlack),
    kPlain(kWhite, 0xD9E9EC, 0x828F92),
    kPlain(clNone, clNone, clNone),
    {0xB0721C, 0x9F661A, 0xB0721C, 0xF6F1EE, 0xE7DCD5, 0xE7DCD5, 0xF4F4EE, 0x74706F, gtVertical,
     gmNone, false},
    {kBlack, kBlack, 0xFDDE99, 0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDDE99, gtNone, gmNone, false},
    {kBlack, kBlack, 0xCEA27D, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, gtNone, gmNone, false},
    kPlain(clBtnFace, clBtnFace, kBlack),
    {0x5B391E, 0x5B391E, 0x5B391E, 0xFDF6EF, 0xF0DAC7, clNone, clNone, 0xC7B29F, gtNone, gmRadial,
     false},
    {0x5B391E, 0x5B391E, 0x5B391E, kWhite, 0xEDE5E0, clNone, clNone, 0xD2CDC8, gtNone, gmRadial,
     false},
    {kWhite, kWhite, kWhite, 0xBFBFBF, 0x919191, clNone, clNone, 0x6D6D6D, gtNone, gmRadial, false},
    kFlat(0xE4E3E2),
    kFlat(0xD4D4D4),
    kFlat(0xC6C6C6),
    kFlat(0xABABAB),
}};

}  // namespace

void TUiSmoothPanel::ApplyStylePreset(int index) {
    fill_.SetGradientType(gtVertical);
    fill_.SetGlow(gmNone);
    fill_.SetRounding(10);
    fill_.SetShadowColor(clGray);
    if (index != 8) {
        caption_.SetBackgroundColor(clNone);
        caption_.SetBackgroundColorTo(clNone);
    }
    if (index < 0 || index == 8 || index >= static_cast<int>(kPresets.size())) return;
    const PanelPreset& p = kPresets[static_cast<std::size_t>(index)];
    caption_.SetColorStart(p.caption_start);
    caption_.SetColorEnd(p.caption_end);
    caption_.SetLineColor(p.caption_line);
    fill_.SetColor(p.fill);
    fill_.SetColorTo(p.fill_to);
    fill_.SetColorMirror(p.mirror);
    fill_.SetColorMirrorTo(p.mirror_to);
    fill_.SetBorderColor(p.border);
    if (p.mirror_type != gtNone) fill_.SetGradientMirrorType(p.mirror_type);
    fill_.SetGlow(p.glow);
    if (p.flat) {
        fill_.SetRounding(0);
        fill_.SetShadowOffset(0);
    }
}

void TUiSmoothPanel::ApplyColorTones(const TColorToneSet& tones) {
    caption_.SetBackgroundColor(tones.selected.fill);
    caption_.SetBackgroundColorTo(tones.selected.fill);
    caption_.SetColorStart(tones.selected.text);
    caption_.SetColorEnd(tones.selected.text);
    caption_.SetLineColor(tones.background.border);
    fill_.SetBorderColor(tones.background.border);
    Font html = caption_.HTMLFont();
    html.color = tones.background.text;
    caption_.SetHTMLFont(html);
    Font own = font();
    own.color = tones.background.text;
    own.name = std::string(DefaultUIFontName());
    SetFont(own);
    fill_.SetColor(tones.background.fill);
    fill_.SetColorTo(tones.background.fill);
    fill_.SetColorMirror(tones.background.fill);
    fill_.SetColorMirrorTo(tones.background.fill);
    Font caption_font = caption_.GetFont();
    caption_font.name = std::string(DefaultUIFontName());
    caption_.SetFont(caption_font);
    fill_.SetRounding(0);
    fill_.SetShadowColor(clNone);
}

}  // namespace kv
