#include "platform/gfx/gdiplus.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <functional>

#include "platform/base/ascii.h"
#include "platform/base/cp1252.h"
#include "platform/base/utf8.h"
#include "platform/gfx/canvas.h"

namespace kv {
namespace {

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

bool FamilyInstalled(std::string_view name) {
    PangoFontMap* map = pango_cairo_font_map_get_default();
    PangoFontFamily** families = nullptr;
    int count = 0;
    pango_font_map_list_families(map, &families, &count);
    bool found = false;
    for (int i = 0; i < count && !found; ++i) {
        found = EqualsIgnoreAsciiCase(pango_font_family_get_name(families[i]), name);
    }
    g_free(families);
    return found;
}

bool FamilyKnown(std::string_view name) {
    // The substitution table answers every name with some face; only names it lists, or faces
    // installed under that very name, count as found.
    static constexpr std::string_view kListed[] = {
        "Arial",           "Arial Black",
        "Arial Narrow",    "Helvetica",
        "MS Sans Serif",   "Microsoft Sans Serif",
        "MS Shell Dlg",    "MS Shell Dlg 2",
        "Tahoma",          "Verdana",
        "Segoe UI",        "Calibri",
        "Trebuchet MS",    "Lucida Sans Unicode",
        "Times New Roman", "Times",
        "MS Serif",        "Georgia",
        "Courier New",     "Courier",
        "Lucida Console",  "Consolas",
        "Symbol",
    };
    for (std::string_view listed : kListed) {
        if (EqualsIgnoreAsciiCase(listed, name)) return true;
    }
    return !name.empty() && FamilyInstalled(name);
}

// The first `length` characters (all of them for -1).
std::string_view FirstChars(std::string_view text, int length) {
    if (length < 0) return text;
    std::size_t at = 0;
    char32_t cp = 0;
    for (int n = 0; n < length && at < text.size(); ++n) DecodeUtf8(text, at, cp);
    return text.substr(0, std::min(at, text.size()));
}

}  // namespace

// --- pens and brushes

TGPPen::TGPPen(ARGB color, float width) {
    if (width < 0) {
        Created(GpStatus::InvalidParameter);
        return;
    }
    pen_ = GraphicsPen{color, width, DashStyle::Solid};
    Created(GpStatus::Ok);
}

GpStatus TGPPen::SetPenDashStyle(DashStyle style) {
    if (!pen_) return Keep(GpStatus::InvalidParameter);
    pen_->dash = style;
    return GpStatus::Ok;
}

TGPSolidBrush::TGPSolidBrush(ARGB color) {
    brush_ = GraphicsBrush::Solid(color);
    Created(GpStatus::Ok);
}

TGPHatchBrush::TGPHatchBrush(int hatch_style, ARGB fore, ARGB back) {
    if (hatch_style < 0 || hatch_style >= HatchStyleTotal) {
        Created(GpStatus::InvalidParameter);
        return;
    }
    brush_ = GraphicsBrush::Hatch(hatch_style, fore, back);
    Created(GpStatus::Ok);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, WrapMode wrap) {
    const Picture* p = image ? image->Native() : nullptr;
    if (!p || p->empty()) {
        Created(GpStatus::InvalidParameter);
        return;
    }
    brush_ = GraphicsBrush::Texture(*p, wrap);
    Created(GpStatus::Ok);
}

std::unique_ptr<TGPLinearGradientBrush> TGPLinearGradientBrush::CreateLineBrush(PointF p1,
                                                                                PointF p2, ARGB c1,
                                                                                ARGB c2) {
    std::unique_ptr<TGPLinearGradientBrush> b(new TGPLinearGradientBrush);
    if (p1 == p2) {
        b->Created(GpStatus::OutOfMemory);  // a gradient along nothing cannot be made
        return b;
    }
    b->brush_ = GraphicsBrush::LinearGradient(p1, p2, c1, c2);
    b->Created(GpStatus::Ok);
    return b;
}

std::unique_ptr<TGPLinearGradientBrush> TGPLinearGradientBrush::FromRect(
    const RectF& r, const std::function<GraphicsBrush()>& make) {
    std::unique_ptr<TGPLinearGradientBrush> b(new TGPLinearGradientBrush);
    if (r.width <= 0 || r.height <= 0) {
        b->Created(GpStatus::OutOfMemory);  // an empty rectangle gives a gradient along nothing
        return b;
    }
    b->brush_ = make();
    b->Created(GpStatus::Ok);
    return b;
}

std::unique_ptr<TGPLinearGradientBrush> TGPLinearGradientBrush::CreateLineBrushFromRect(
    const RectF& r, ARGB c1, ARGB c2, LinearGradientMode mode) {
    return FromRect(r, [&] { return GraphicsBrush::LinearGradient(r, c1, c2, mode); });
}

std::unique_ptr<TGPLinearGradientBrush> TGPLinearGradientBrush::CreateLineBrushFromRectWithAngle(
    const RectF& r, ARGB c1, ARGB c2, float angle, bool) {
    return FromRect(r, [&] { return GraphicsBrush::LinearGradient(r, c1, c2, angle); });
}

GpStatus TGPLinearGradientBrush::SetLineGammaCorrection(bool on) {
    if (!brush_) return Keep(GpStatus::InvalidParameter);
    gamma_ = on;
    return GpStatus::Ok;
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath* path) {
    if (!path || path->Native().PointCount() < 2) {
        Created(GpStatus::OutOfMemory);
        return;
    }
    point_count_ = path->Native().PointCount();
    brush_ = GraphicsBrush::PathGradient(path->Native(), 0xFFFFFFFF, 0xFFFFFFFF);
    Created(GpStatus::Ok);
}

GpStatus TGPPathGradientBrush::SetPathGradientCenterColor(ARGB color) {
    if (!brush_) return Keep(GpStatus::InvalidParameter);
    brush_->SetCenterColor(color);
    return GetLastStatus();
}

GpStatus TGPPathGradientBrush::SetPathGradientCenterPoint(PointF point) {
    if (!brush_) return Keep(GpStatus::InvalidParameter);
    brush_->SetCenterPoint(point);
    return GpStatus::Ok;
}

GpStatus TGPPathGradientBrush::SetPathGradientCenterPointI(Point point) {
    return SetPathGradientCenterPoint({float(point.x), float(point.y)});
}

GpStatus TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int& count) {
    if (!brush_ || !colors || point_count_ == 0 || count <= 0 || count > point_count_) {
        return Keep(GpStatus::InvalidParameter);
    }
    brush_->SetSurroundColors(std::vector<ARGB>(colors, colors + count));
    return GpStatus::Ok;
}

GpStatus TGPPathGradientBrush::SetInterpolationColors(const ARGB* colors, const float* positions,
                                                      int count) {
    if (!brush_ || !colors || !positions || count <= 0) return Keep(GpStatus::InvalidParameter);
    brush_->SetInterpolationColors(std::vector<ARGB>(colors, colors + count),
                                   std::vector<float>(positions, positions + count));
    return GpStatus::Ok;
}

GpStatus TGPPathGradientBrush::SetPathGradientWrapMode(WrapMode) {
    return brush_ ? GpStatus::Ok : Keep(GpStatus::InvalidParameter);
}

// --- paths and regions

TGPGraphicsPath::TGPGraphicsPath(int fill_mode) {
    Created(fill_mode == 0 || fill_mode == 1 ? GpStatus::Ok : GpStatus::InvalidParameter);
}

GpStatus TGPGraphicsPath::ResetPath() {
    path_.Reset();
    return GpStatus::Ok;
}

GpStatus TGPGraphicsPath::ClosePathFigure() {
    path_.CloseFigure();
    return GpStatus::Ok;
}

GpStatus TGPGraphicsPath::AddPathLine(float x1, float y1, float x2, float y2) {
    path_.AddLine(x1, y1, x2, y2);
    return GpStatus::Ok;
}

GpStatus TGPGraphicsPath::AddPathArc(float x, float y, float width, float height, float start,
                                     float sweep) {
    if (width <= 0 || height <= 0) return Keep(GpStatus::InvalidParameter);
    path_.AddArc({x, y, width, height}, start, sweep);
    return GpStatus::Ok;
}

GpStatus TGPGraphicsPath::AddPathEllipse(float x, float y, float width, float height) {
    path_.AddEllipse({x, y, width, height});
    return GpStatus::Ok;
}

std::unique_ptr<TGPRegion> TGPRegion::CreateRegionRect(const RectF& r) {
    std::unique_ptr<TGPRegion> region(new TGPRegion);
    region->path_.emplace();
    region->path_->AddRectangle(r);
    region->Created(GpStatus::Ok);
    return region;
}

std::unique_ptr<TGPRegion> TGPRegion::CreateRegionPath(const TGPGraphicsPath* path) {
    std::unique_ptr<TGPRegion> region(new TGPRegion);
    if (!path) {
        region->Created(GpStatus::InvalidParameter);
        return region;
    }
    region->path_ = path->Native();
    region->Created(GpStatus::Ok);
    return region;
}

// --- fonts and formats

TGPFontFamily::TGPFontFamily(std::string_view name) {
    if (!FamilyKnown(name)) {
        Created(GpStatus::FontFamilyNotFound);
        return;
    }
    name_ = std::string(name);
    Created(GpStatus::Ok);
}

TGPFont::TGPFont(const TGPFontFamily* family, float size, int style, GpUnit unit) {
    const std::string* name = family ? family->Native() : nullptr;
    if (!name || size <= 0) {
        Created(GpStatus::InvalidParameter);
        return;
    }
    Font f;
    f.name = *name;
    const double points = unit == UnitPixel ? size * 72.0 / kScreenDpi : size;
    f.size = std::max(1, RoundEven(points));
    f.style = static_cast<FontStyles>(style & (fsBold | fsItalic | fsUnderline | fsStrikeOut));
    f.color = clBlack;
    font_ = f;
    Created(GpStatus::Ok);
}

TGPStringFormat::TGPStringFormat(unsigned flags, uint16_t) {
    format_.flags = flags;
    Created(GpStatus::Ok);
}

GpStatus TGPStringFormat::SetStringFormatAlign(StringAlignment align) {
    format_.align = align;
    return GpStatus::Ok;
}

GpStatus TGPStringFormat::SetStringFormatLineAlign(StringAlignment align) {
    format_.line_align = align;
    return GpStatus::Ok;
}

GpStatus TGPStringFormat::SetStringFormatTrimming(StringTrimming trimming) {
    format_.trimming = trimming;
    return GpStatus::Ok;
}

GpStatus TGPStringFormat::SetStringFormatHotkeyPrefix(HotkeyPrefix prefix) {
    format_.hotkey_prefix = prefix;
    return GpStatus::Ok;
}

// --- images

TGPImage::TGPImage(std::span<const uint8_t> stream, bool) {
    Picture p;
    if (stream.empty() || !p.LoadFromMemory(stream.data(), stream.size())) {
        Created(stream.empty() ? GpStatus::InvalidParameter : GpStatus::UnknownImageFormat);
        return;
    }
    picture_ = std::move(p);
    Created(GpStatus::Ok);
}

int TGPImage::GetImageFormat() const {
    if (!picture_) return ImageFormatUnknown;
    switch (picture_->format()) {
        case PictureFormat::Memory:
            return ImageFormatMemoryBmp;
        case PictureFormat::Bmp:
            return ImageFormatBmp;
        case PictureFormat::Jpeg:
            return ImageFormatJpeg;
        case PictureFormat::Png:
            return ImageFormatPng;
        case PictureFormat::Gif:
            return ImageFormatGif;
        default:
            return ImageFormatUnknown;
    }
}

std::unique_ptr<TGPBitmap> TGPBitmap::CreateFromStream(std::span<const uint8_t> stream, bool) {
    std::unique_ptr<TGPBitmap> b(new TGPBitmap);
    Picture p;
    if (stream.empty() || !p.LoadFromMemory(stream.data(), stream.size())) {
        b->Created(stream.empty() ? GpStatus::InvalidParameter : GpStatus::UnknownImageFormat);
        return b;
    }
    b->picture_ = std::move(p);
    b->Created(GpStatus::Ok);
    return b;
}

std::unique_ptr<TGPBitmap> TGPBitmap::CreateFromScan0(int width, int height, int) {
    std::unique_ptr<TGPBitmap> b(new TGPBitmap);
    if (!PictureSizeAllowed(width, height)) {
        b->Created(GpStatus::InvalidParameter);
        return b;
    }
    Picture p(width, height);
    if (p.empty()) {
        b->Created(GpStatus::OutOfMemory);
        return b;
    }
    b->picture_ = std::move(p);
    b->Created(GpStatus::Ok);
    return b;
}

GpStatus TGPBitmap::CreateHBITMAPFromBitmap(Picture& out, ARGB background) {
    if (!picture_) return Keep(GpStatus::InvalidParameter);
    Picture copy(picture_->width(), picture_->height());
    {
        Graphics g(copy);
        g.Clear(background);
        g.DrawImage(*picture_, 0, 0);
    }
    out = std::move(copy);
    return GpStatus::Ok;
}

GpStatus TGPBitmap::BitmapGetPixel(int x, int y, ARGB& out) const {
    if (!picture_ || x < 0 || y < 0 || x >= picture_->width() || y >= picture_->height()) {
        return Keep(GpStatus::InvalidParameter);
    }
    out = picture_->PixelARGB(x, y);
    return GpStatus::Ok;
}

GpStatus TGPImageAttributes::SetColorKey(ARGB low, ARGB high, int) {
    key_ = std::make_pair(low, high);
    return GpStatus::Ok;
}

// --- the drawing surface

std::unique_ptr<TGPGraphics> TGPGraphics::CreateFromHDC(Canvas* canvas) {
    std::unique_ptr<TGPGraphics> g(new TGPGraphics);
    if (!canvas) {
        g->Created(GpStatus::InvalidParameter);
        return g;
    }
    g->canvas_ = canvas;
    g->graphics_ = std::make_unique<Graphics>(*canvas);
    g->Created(GpStatus::Ok);
    return g;
}

std::unique_ptr<TGPGraphics> TGPGraphics::CreateFromImage(TGPImage* image) {
    std::unique_ptr<TGPGraphics> g(new TGPGraphics);
    Picture* p = image ? image->Native() : nullptr;
    if (!p) {
        g->Created(GpStatus::InvalidParameter);
        return g;
    }
    g->graphics_ = std::make_unique<Graphics>(*p);
    g->own_canvas_ = std::make_unique<Canvas>(*p);
    g->canvas_ = g->own_canvas_.get();
    g->Created(GpStatus::Ok);
    return g;
}

TGPGraphics::~TGPGraphics() = default;

GpStatus TGPGraphics::GraphicsClear(ARGB color) {
    if (!graphics_) return Keep(GpStatus::InvalidParameter);
    graphics_->Clear(color);
    return GpStatus::Ok;
}

Canvas* TGPGraphics::GetDC() {
    if (!canvas_) Keep(GpStatus::InvalidParameter);
    return canvas_;
}

GpStatus TGPGraphics::ReleaseDC(Canvas* canvas) {
    return canvas && canvas == canvas_ ? GpStatus::Ok : Keep(GpStatus::InvalidParameter);
}

GpStatus TGPGraphics::SetTextRenderingHint(int hint) {
    if (!graphics_) return Keep(GpStatus::InvalidParameter);
    return hint >= 0 && hint <= 5 ? GpStatus::Ok : Keep(GpStatus::InvalidParameter);
}

GpStatus TGPGraphics::SetSmoothingMode(int mode) {
    if (!graphics_ || mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias + 1) {
        return Keep(GpStatus::InvalidParameter);
    }
    smoothing_ = mode;
    graphics_->SetSmoothing(mode == SmoothingModeHighQuality || mode == SmoothingModeAntiAlias ||
                            mode == SmoothingModeAntiAlias + 1);
    return GpStatus::Ok;
}

int TGPGraphics::GetSmoothingMode() const {
    return graphics_ ? smoothing_ : -1;
}

GpStatus TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path) {
    if (!graphics_ || !pen || !pen->Native() || !path) return Keep(GpStatus::InvalidParameter);
    graphics_->DrawPath(*pen->Native(), path->Native());
    return GpStatus::Ok;
}

GpStatus TGPGraphics::FillPath(const TGPBrush* brush, const TGPGraphicsPath* path) {
    if (!graphics_ || !brush || !brush->Native() || !path) return Keep(GpStatus::InvalidParameter);
    graphics_->FillPath(*brush->Native(), path->Native());
    return GpStatus::Ok;
}

GpStatus TGPGraphics::FillRectangle(const TGPBrush* brush, float x, float y, float width,
                                    float height) {
    if (!graphics_ || !brush || !brush->Native()) return Keep(GpStatus::InvalidParameter);
    graphics_->FillRectangle(*brush->Native(), {x, y, width, height});
    return GpStatus::Ok;
}

GpStatus TGPGraphics::DrawRectangle(const TGPPen* pen, float x, float y, float width,
                                    float height) {
    if (!graphics_ || !pen || !pen->Native()) return Keep(GpStatus::InvalidParameter);
    graphics_->DrawRectangle(*pen->Native(), {x, y, width, height});
    return GpStatus::Ok;
}

GpStatus TGPGraphics::DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2) {
    if (!graphics_ || !pen || !pen->Native()) return Keep(GpStatus::InvalidParameter);
    graphics_->DrawLine(*pen->Native(), x1, y1, x2, y2);
    return GpStatus::Ok;
}

GpStatus TGPGraphics::FillEllipseI(const TGPBrush* brush, int x, int y, int width, int height) {
    if (!graphics_ || !brush || !brush->Native()) return Keep(GpStatus::InvalidParameter);
    graphics_->FillEllipse(*brush->Native(), {float(x), float(y), float(width), float(height)});
    return GpStatus::Ok;
}

GpStatus TGPGraphics::DrawImageI(const TGPImage* image, int x, int y) {
    if (!graphics_ || !image || !image->Native()) return Keep(GpStatus::InvalidParameter);
    graphics_->DrawImage(*image->Native(), float(x), float(y));
    return GpStatus::Ok;
}

GpStatus TGPGraphics::DrawImageRect(const TGPImage* image, int x, int y, int width, int height) {
    if (!graphics_ || !image || !image->Native()) return Keep(GpStatus::InvalidParameter);
    graphics_->DrawImage(*image->Native(), {float(x), float(y), float(width), float(height)});
    return GpStatus::Ok;
}

GpStatus TGPGraphics::DrawImageRectRect(const TGPImage* image, const RectF& dest, float src_x,
                                        float src_y, float src_width, float src_height, GpUnit,
                                        const TGPImageAttributes* attributes) {
    if (!graphics_ || !image || !image->Native()) return Keep(GpStatus::InvalidParameter);
    TColor key = clNone;
    if (attributes && attributes->ColorKey()) key = ARGBToColor(attributes->ColorKey()->first);
    graphics_->DrawImage(*image->Native(), dest, {src_x, src_y, src_width, src_height}, 1.0f, key);
    return GpStatus::Ok;
}

GpStatus TGPGraphics::SetClipRegion(const TGPRegion* region, GpCombineMode mode) {
    if (!graphics_ || !region || !region->Native()) return Keep(GpStatus::InvalidParameter);
    if (mode == CombineModeReplace) {
        graphics_->SetClip(*region->Native());
    } else {
        graphics_->IntersectClip(*region->Native());
    }
    return GpStatus::Ok;
}

GpStatus TGPGraphics::ResetClip() {
    if (!graphics_) return Keep(GpStatus::InvalidParameter);
    graphics_->ResetClip();
    return GpStatus::Ok;
}

GpStatus TGPGraphics::MeasureString(std::string_view text, int length, const TGPFont* font,
                                    const RectF& layout, const TGPStringFormat* format,
                                    RectF& bounds, int* code_points_fitted, int* lines_filled) {
    if (!graphics_ || !font || !font->Native()) return Keep(GpStatus::InvalidParameter);
    const StringMeasure m =
        graphics_->MeasureString(FirstChars(text, length), *font->Native(), layout,
                                 format ? format->Native() : StringFormat{});
    bounds = m.bounds;
    if (code_points_fitted) *code_points_fitted = m.code_points_fitted;
    if (lines_filled) *lines_filled = m.lines_filled;
    return GpStatus::Ok;
}

GpStatus TGPGraphics::DrawString(std::string_view text, const TGPFont* font, PointF origin,
                                 const TGPStringFormat* format, const TGPBrush* brush) {
    return DrawString(text, font, RectF{origin.x, origin.y, 0, 0}, format, brush);
}

GpStatus TGPGraphics::DrawString(std::string_view text, const TGPFont* font, const RectF& layout,
                                 const TGPStringFormat* format, const TGPBrush* brush) {
    if (!graphics_ || !font || !font->Native() || !brush || !brush->Native()) {
        return Keep(GpStatus::InvalidParameter);
    }
    graphics_->DrawString(text, *font->Native(), layout, format ? format->Native() : StringFormat{},
                          *brush->Native());
    return GpStatus::Ok;
}

// --- text functions

std::unique_ptr<TGPFont> MakeFont(const Font& font) {
    auto family = std::make_unique<TGPFontFamily>(font.name);
    const GpStatus s = family->GetLastStatus();
    if (s == GpStatus::FontFamilyNotFound || s == GpStatus::FontStyleNotFound) {
        family = std::make_unique<TGPFontFamily>("Arial");
    }
    return std::make_unique<TGPFont>(family.get(), static_cast<float>(font.size), font.style,
                                     UnitPoint);
}

}  // namespace kv
