#pragma once
// The object layer the custom controls draw through: one small object per drawing thing
// (surface, pen, brushes, path, region, font, string format, image, bitmap, image attributes)
// over the antialiased Graphics layer. Nothing here throws. Each object remembers a status: a
// constructor keeps whatever its creation gave, and every later call keeps only a failure, so
// the first thing that went wrong stays readable until the object is freed. A failed step
// draws nothing.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/colors.h"
#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/graphics.h"
#include "platform/gfx/picture.h"

namespace kv {

class Canvas;

enum class GpStatus : int {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
};

enum TAntiAlias { aaNone, aaClearType, aaAntiAlias };
enum TUiGradientType {
    gtSolid,
    gtRadial,
    gtVertical,
    gtHorizontal,
    gtForwardDiagonal,
    gtBackwardDiagonal,
    gtAngle,
    gtHatch,
    gtPath,
    gtTexture,
    gtNone
};
constexpr int HatchStyleTotal = 53;

// Smoothing modes as the controls pass them; HighQuality and AntiAlias smooth, the rest do not.
enum GpSmoothingMode : int {
    SmoothingModeDefault = 0,
    SmoothingModeHighSpeed = 1,
    SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4,
};
enum GpCombineMode : int { CombineModeReplace = 0, CombineModeIntersect = 1 };
enum GpUnit : int { UnitWorld = 0, UnitPixel = 2, UnitPoint = 3 };

// Image format codes: 0 for anything unknown.
enum GpImageFormat : int {
    ImageFormatUnknown = 0,
    ImageFormatMemoryBmp = 1,
    ImageFormatBmp = 2,
    ImageFormatJpeg = 5,
    ImageFormatPng = 6,
    ImageFormatGif = 7,
};

constexpr ARGB ComposeRGB(int r, int g, int b) {
    return ComposeARGB(255, r, g, b);
}
inline PointF NewPointF(float x, float y) {
    return {x, y};
}
inline Point NewPointI(int x, int y) {
    return {x, y};
}
inline RectF NewRectF(float x, float y, float width, float height) {
    return {x, y, width, height};
}

class TGdiplusBase {
  public:
    GpStatus GetLastStatus() const { return last_status_; }

  protected:
    GpStatus Created(GpStatus s) { return last_status_ = s; }
    GpStatus Keep(GpStatus s) const {
        if (s != GpStatus::Ok) last_status_ = s;
        return s;
    }

  private:
    mutable GpStatus last_status_ = GpStatus::Ok;  // a failed query is recorded too
};

class TGPPen : public TGdiplusBase {
  public:
    TGPPen(ARGB color, float width);
    GpStatus SetPenDashStyle(DashStyle style);
    const GraphicsPen* Native() const { return pen_ ? &*pen_ : nullptr; }

  private:
    std::optional<GraphicsPen> pen_;
};

class TGPBrush : public TGdiplusBase {
  public:
    const GraphicsBrush* Native() const { return brush_ ? &*brush_ : nullptr; }

  protected:
    std::optional<GraphicsBrush> brush_;
};

class TGPSolidBrush : public TGPBrush {
  public:
    explicit TGPSolidBrush(ARGB color);
};

class TGPHatchBrush : public TGPBrush {
  public:
    TGPHatchBrush(int hatch_style, ARGB fore, ARGB back);
};

class TGPImage;

class TGPTextureBrush : public TGPBrush {
  public:
    TGPTextureBrush(const TGPImage* image, WrapMode wrap);
};

class TGPLinearGradientBrush : public TGPBrush {
  public:
    static std::unique_ptr<TGPLinearGradientBrush> CreateLineBrush(PointF p1, PointF p2, ARGB c1,
                                                                   ARGB c2);
    static std::unique_ptr<TGPLinearGradientBrush> CreateLineBrushFromRect(const RectF& r, ARGB c1,
                                                                           ARGB c2,
                                                                           LinearGradientMode mode);
    static std::unique_ptr<TGPLinearGradientBrush> CreateLineBrushFromRectWithAngle(
        const RectF& r, ARGB c1, ARGB c2, float angle, bool scalable);
    GpStatus SetLineGammaCorrection(bool on);

  private:
    TGPLinearGradientBrush() = default;
    static std::unique_ptr<TGPLinearGradientBrush> FromRect(
        const RectF& r, const std::function<GraphicsBrush()>& make);
    bool gamma_ = false;
};

class TGPGraphicsPath : public TGdiplusBase {
  public:
    explicit TGPGraphicsPath(int fill_mode = 0);
    GpStatus ResetPath();
    GpStatus ClosePathFigure();
    GpStatus AddPathLine(float x1, float y1, float x2, float y2);
    GpStatus AddPathArc(float x, float y, float width, float height, float start, float sweep);
    GpStatus AddPathEllipse(float x, float y, float width, float height);
    GpStatus AddPathEllipse(const RectF& r) { return AddPathEllipse(r.x, r.y, r.width, r.height); }
    const GraphicsPath& Native() const { return path_; }

  private:
    GraphicsPath path_;
};

class TGPPathGradientBrush : public TGPBrush {
  public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath* path);
    GpStatus SetPathGradientCenterColor(ARGB color);
    GpStatus SetPathGradientCenterPoint(PointF point);
    GpStatus SetPathGradientCenterPointI(Point point);
    int GetPathGradientPointCount() const { return point_count_; }
    // On success `count` becomes the number of colours used.
    GpStatus SetSurroundColors(const ARGB* colors, int& count);
    GpStatus SetInterpolationColors(const ARGB* colors, const float* positions, int count);
    GpStatus SetPathGradientWrapMode(WrapMode mode);

  private:
    int point_count_ = 0;
};

class TGPRegion : public TGdiplusBase {
  public:
    static std::unique_ptr<TGPRegion> CreateRegionRect(const RectF& r);
    static std::unique_ptr<TGPRegion> CreateRegionPath(const TGPGraphicsPath* path);
    const GraphicsPath* Native() const { return path_ ? &*path_ : nullptr; }

  private:
    TGPRegion() = default;
    std::optional<GraphicsPath> path_;
};

// FontFamilyNotFound when neither the substitution table nor the installed fonts know the name.
class TGPFontFamily : public TGdiplusBase {
  public:
    explicit TGPFontFamily(std::string_view name);
    const std::string* Native() const { return name_ ? &*name_ : nullptr; }

  private:
    std::optional<std::string> name_;
};

class TGPFont : public TGdiplusBase {
  public:
    TGPFont(const TGPFontFamily* family, float size, int style, GpUnit unit);
    // The font in our drawing layer's terms (size in points); null when creation failed.
    const Font* Native() const { return font_ ? &*font_ : nullptr; }

  private:
    std::optional<Font> font_;
};

class TGPStringFormat : public TGdiplusBase {
  public:
    explicit TGPStringFormat(unsigned flags = 0, uint16_t language = 0);
    GpStatus SetStringFormatAlign(StringAlignment align);
    GpStatus SetStringFormatLineAlign(StringAlignment align);
    GpStatus SetStringFormatTrimming(StringTrimming trimming);
    GpStatus SetStringFormatHotkeyPrefix(HotkeyPrefix prefix);
    const StringFormat& Native() const { return format_; }

  private:
    StringFormat format_;
};

// Pictures from bytes (the "stream"): PNG, JPEG, GIF or BMP.
class TGPImage : public TGdiplusBase {
  public:
    TGPImage(std::span<const uint8_t> stream, bool use_icm = false);
    int GetImageFormat() const;
    int GetImageWidth() const { return picture_ ? picture_->width() : 0; }
    int GetImageHeight() const { return picture_ ? picture_->height() : 0; }
    const Picture* Native() const { return picture_ ? &*picture_ : nullptr; }
    Picture* Native() { return picture_ ? &*picture_ : nullptr; }

  protected:
    TGPImage() = default;
    std::optional<Picture> picture_;
};

class TGPBitmap : public TGPImage {
  public:
    static std::unique_ptr<TGPBitmap> CreateFromStream(std::span<const uint8_t> stream,
                                                       bool use_icm = false);
    // A new transparent bitmap; the pixel format is always 32-bit ARGB here.
    static std::unique_ptr<TGPBitmap> CreateFromScan0(int width, int height, int pixel_format = 0);
    // A copy for the canvas, pixels blended over the background colour.
    GpStatus CreateHBITMAPFromBitmap(Picture& out, ARGB background);
    GpStatus BitmapGetPixel(int x, int y, ARGB& out) const;

  private:
    TGPBitmap() = default;
};

class TGPImageAttributes : public TGdiplusBase {
  public:
    TGPImageAttributes() = default;
    // Pixels whose channels all lie between low and high are left out when drawn.
    GpStatus SetColorKey(ARGB low, ARGB high, int adjust_type = 0);
    std::optional<std::pair<ARGB, ARGB>> ColorKey() const { return key_; }

  private:
    std::optional<std::pair<ARGB, ARGB>> key_;
};

class TGPGraphics : public TGdiplusBase {
  public:
    // A surface over a window's canvas (the device context of the desktop).
    static std::unique_ptr<TGPGraphics> CreateFromHDC(Canvas* canvas);
    // A surface over a bitmap; without one the surface is null and every call fails.
    static std::unique_ptr<TGPGraphics> CreateFromImage(TGPImage* image);
    ~TGPGraphics();

    GpStatus GraphicsClear(ARGB color);
    // The canvas to draw on with the window calls in between; null when there is none.
    Canvas* GetDC();
    GpStatus ReleaseDC(Canvas* canvas);
    GpStatus SetTextRenderingHint(int hint);
    GpStatus SetSmoothingMode(int mode);
    int GetSmoothingMode() const;  // -1 when the surface is null
    GpStatus DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);
    GpStatus FillPath(const TGPBrush* brush, const TGPGraphicsPath* path);
    GpStatus FillRectangle(const TGPBrush* brush, float x, float y, float width, float height);
    GpStatus FillRectangle(const TGPBrush* brush, const RectF& r) {
        return FillRectangle(brush, r.x, r.y, r.width, r.height);
    }
    GpStatus DrawRectangle(const TGPPen* pen, float x, float y, float width, float height);
    GpStatus DrawRectangle(const TGPPen* pen, const RectF& r) {
        return DrawRectangle(pen, r.x, r.y, r.width, r.height);
    }
    GpStatus DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2);
    GpStatus FillEllipseI(const TGPBrush* brush, int x, int y, int width, int height);
    GpStatus DrawImageI(const TGPImage* image, int x, int y);
    GpStatus DrawImageRect(const TGPImage* image, int x, int y, int width, int height);
    GpStatus DrawImageRectRect(const TGPImage* image, const RectF& dest, float src_x, float src_y,
                               float src_width, float src_height, GpUnit unit,
                               const TGPImageAttributes* attributes);
    GpStatus SetClipRegion(const TGPRegion* region, GpCombineMode mode);
    GpStatus ResetClip();

    // `length` counts characters of the text; -1 takes all of it.
    GpStatus MeasureString(std::string_view text, int length, const TGPFont* font,
                           const RectF& layout, const TGPStringFormat* format, RectF& bounds,
                           int* code_points_fitted = nullptr, int* lines_filled = nullptr);
    GpStatus MeasureString(std::string_view text, int length, const TGPFont* font,
                           const RectF& layout, RectF& bounds) {
        return MeasureString(text, length, font, layout, nullptr, bounds);
    }
    GpStatus DrawString(std::string_view text, const TGPFont* font, PointF origin,
                        const TGPStringFormat* format, const TGPBrush* brush);
    GpStatus DrawString(std::string_view text, const TGPFont* font, const RectF& layout,
                        const TGPStringFormat* format, const TGPBrush* brush);

    Graphics* Native() { return graphics_.get(); }

  private:
    TGPGraphics() = default;
    std::unique_ptr<Canvas> own_canvas_;  // over a bitmap, for GetDC
    Canvas* canvas_ = nullptr;
    std::unique_ptr<Graphics> graphics_;
    int smoothing_ = SmoothingModeDefault;
};

// The window font as a layer font, which the mark-up renderer and the painters measure and draw
// with; an unknown family becomes Arial in the same size and style.
std::unique_ptr<TGPFont> MakeFont(const Font& font);

}  // namespace kv
