#include "ui/controls/gdiplus/picture_placement.h"

#include <cmath>

#include "platform/gfx/graphics.h"
#include "ui/markup/ui_gdip_picture.h"

namespace kv {

FittedSize FitPictureSize(int width, int height, int target_width, int target_height,
                          TPictureMode mode) {
    if (width <= 0 || height <= 0 || target_width <= 0 || target_height <= 0) return {};
    if (mode == pmNormal && width < target_width && height < target_height) {
        return {double(width), double(height)};
    }
    const double tw = target_width, th = target_height, w = width, h = height;
    if (tw / th > w / h) return {w * th / h, th};
    return {tw, h * tw / w};
}

Rect PlacedPictureRect(const PicturePlacement& p, const Rect& t, int w, int h) {
    const int centre_x = t.left + (t.width() - w) / 2;
    const int centre_y = t.top + (t.height() - h) / 2;
    switch (p.position) {
        case ppTopLeft:
            return RectOfSize(t.left, t.top, w, h);
        case ppTopCenter:
            return RectOfSize(centre_x, t.top, w, h);
        case ppTopRight:
            return {t.right - w, t.top, t.right, t.top + h};
        case ppBottomLeft:
            return {t.left, t.bottom - h, t.left + w, t.bottom};
        case ppBottomCenter:
            return {centre_x, t.bottom - h, centre_x + w, t.bottom};
        case ppBottomRight:
            return {t.right - w, t.bottom - h, t.right, t.bottom};
        case ppCenterLeft:
            return RectOfSize(t.left, centre_y, w, h);
        case ppCenterCenter:
            return RectOfSize(centre_x, centre_y, w, h);
        case ppCenterRight:
            return RectOfSize(t.right - w, centre_y, w, h);
        case ppCustom:
            return RectOfSize(p.left, p.top, w, h);
        case ppStretched: {
            double fw = t.width(), fh = t.height();
            if (p.aspect_ratio) {
                const FittedSize f = FitPictureSize(w, h, t.width(), t.height(), p.aspect_mode);
                fw = f.width;
                fh = f.height;
            }
            const int left = t.left + static_cast<int>(std::nearbyint((t.width() - fw) / 2));
            const int top = t.top + static_cast<int>(std::nearbyint((t.height() - fh) / 2));
            return RectOfSize(left, top, static_cast<int>(std::nearbyint(fw)),
                              static_cast<int>(std::nearbyint(fh)));
        }
        case ppTiled:
            break;
    }
    return t;
}

void DrawPlacedPicture(Graphics& g, const PicturePlacement& placement, const Rect& target,
                       int width, int height, const TUiGDIPPicture& picture) {
    if (picture.Empty()) return;
    if (placement.position == ppTiled) {
        GradientArea area;
        area.rect = ToRectF(target);
        area.kind = gtTexture;
        area.texture = &picture;
        DrawGradient(g, area);
        return;
    }
    const Rect r = PlacedPictureRect(placement, target, width, height);
    if (r.empty()) return;
    picture.DrawOnGraphics(g, r);
}

}  // namespace kv
