#include "ui/controls/gdiplus/text_brush.h"

#include "platform/gfx/picture.h"
#include "ui/markup/ui_gdip_picture.h"

namespace kv {

std::optional<GraphicsBrush> MakeTextBrush(const TextBrushLook& s, const RectF& b) {
    const bool gradient = s.kind == gtVertical || s.kind == gtHorizontal ||
                          s.kind == gtForwardDiagonal || s.kind == gtBackwardDiagonal;
    if (gradient && (b.width <= 0 || b.height <= 0)) return std::nullopt;
    switch (s.kind) {
        case gtSolid:
            return GraphicsBrush::Solid(s.start);
        case gtVertical:
            return GraphicsBrush::LinearGradient(PointF{b.x, b.y}, PointF{b.x, b.bottom()}, s.start,
                                                 s.end);
        case gtHorizontal:
            return GraphicsBrush::LinearGradient(PointF{b.x, b.y}, PointF{b.right(), b.y}, s.start,
                                                 s.end);
        case gtForwardDiagonal:
            return GraphicsBrush::LinearGradient(PointF{b.x, b.y}, PointF{b.right(), b.bottom()},
                                                 s.start, s.end);
        case gtBackwardDiagonal:
            return GraphicsBrush::LinearGradient(PointF{b.x, b.bottom()}, PointF{b.right(), b.y},
                                                 s.end, s.start);
        case gtHatch:
            if (s.hatch < 0 || s.hatch >= HatchStyleTotal) return std::nullopt;
            return GraphicsBrush::Hatch(s.hatch, s.start, s.end);
        case gtTexture: {
            Picture p;
            if (!s.picture || s.picture->Empty() || !s.picture->Decode(p)) return std::nullopt;
            return GraphicsBrush::Texture(p, WrapMode::Tile);
        }
        case gtRadial:
        case gtAngle:
        case gtPath:
        case gtNone:
            break;
    }
    return std::nullopt;
}

}  // namespace kv
