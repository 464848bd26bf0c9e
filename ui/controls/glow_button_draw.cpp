#include "ui/controls/glow_button_draw.h"

#include <algorithm>
#include <cmath>

#include <cairo.h>

#include "platform/gfx/canvas.h"
#include "platform/gfx/gdiplus.h"
#include "platform/gfx/picture.h"
#include "platform/window/image_list.h"
#include "ui/markup/gdip_picture.h"

namespace kv {
namespace {

constexpr int kSplitPart = 12;

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

RectF FromEdges(int l, int t, int r, int b) {
    return {float(l), float(t), float(r - l), float(b - t)};
}

void SetStop(cairo_pattern_t* p, double offset, ARGB c) {
    cairo_pattern_add_color_stop_rgba(p, offset, ARGBRed(c) / 255.0, ARGBGreen(c) / 255.0,
                                      ARGBBlue(c) / 255.0, ARGBAlpha(c) / 255.0);
}

// The ellipse's path gradient inside `clip`: the colour runs from `centre` to the outline along
// every ray. Seen with the ellipse scaled to a circle, the rings of equal colour are the outline
// shrunk toward the centre point, which is exactly a focal radial gradient; drawing it that way
// costs a small part of a general path gradient, and the face is painted on every hover step.
void FillEllipseGlow(Graphics& g, const RectF& clip, const RectF& e, PointF centre, ARGB inner,
                     ARGB outer) {
    if (e.width <= 0 || e.height <= 0) return;
    cairo_t* cr = g.cairo();
    cairo_save(cr);
    // The layer's fills cover whole pixels from x to x + width.
    cairo_rectangle(cr, clip.x - 0.5, clip.y - 0.5, clip.width, clip.height);
    cairo_clip(cr);
    const double rx = e.width / 2.0, ry = e.height / 2.0;
    cairo_translate(cr, e.x - 0.5 + rx, e.y - 0.5 + ry);
    cairo_scale(cr, rx, ry);
    // A focus on the outline itself degenerates: keep it just inside.
    const double fx = std::clamp((centre.x - e.x - rx) / rx, -0.999, 0.999);
    const double fy = std::clamp((centre.y - e.y - ry) / ry, -0.999, 0.999);
    cairo_pattern_t* p = cairo_pattern_create_radial(fx, fy, 0, 0, 0, 1);
    SetStop(p, 0, inner);
    SetStop(p, 1, outer);
    cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979323846);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

// One half of the face: the upper half runs from the face colour to its end colour, the lower
// (mirror) half back from the end colour; a radial half glows from the middle of its outer edge.
void DrawFaceHalf(Graphics& g, const RectF& r, bool upper, TGDIPGradient kind, TColor c0,
                  TColor c1) {
    if (r.empty()) return;
    if (c0 == clNone) c0 = c1;
    if (c1 == clNone) c1 = c0;
    if (c0 == clNone) return;
    const ARGB a0 = ColorToOpaqueARGB(c0), a1 = ColorToOpaqueARGB(c1);
    g.FillRectangle(GraphicsBrush::Solid(a0), r);
    switch (kind) {
        case ggVertical:
        case ggDiagonalForward:
        case ggDiagonalBackward: {
            const LinearGradientMode mode = kind == ggVertical ? LinearGradientMode::Vertical
                                            : kind == ggDiagonalForward
                                                ? LinearGradientMode::ForwardDiagonal
                                                : LinearGradientMode::BackwardDiagonal;
            g.FillRectangle(upper ? GraphicsBrush::LinearGradient(r, a0, a1, mode)
                                  : GraphicsBrush::LinearGradient(r, a1, a0, mode),
                            r);
            break;
        }
        case ggRadial: {
            RectF ellipse = r;
            PointF centre{r.x + r.width / 2, r.bottom()};
            if (upper) {
                ellipse = {r.x, r.y - r.height / 2 + 2, r.width, r.height};
                centre = {r.x + r.width / 2, r.y};
            }
            FillEllipseGlow(g, r, ellipse, centre, a1, a0);
            break;
        }
    }
}

// The face of (part of) the button in one colour set: the mirror half first, the upper half
// over the one-pixel overlap.
void DrawFace(Graphics& g, const Rect& r, const GlowColorSet& c, bool upper_only = false) {
    const int half = r.height() / 2;
    if (!upper_only) {
        DrawFaceHalf(g, FromEdges(r.left, r.top + half - 1, r.right, r.bottom), false,
                     c.gradient_mirror, c.mirror, c.mirror_to);
    }
    DrawFaceHalf(g, FromEdges(r.left, r.top, r.right, r.bottom - half), true, c.gradient, c.color,
                 c.color_to);
}

GlowColorSet Darker(GlowColorSet c) {
    for (TColor* x : {&c.color, &c.color_to, &c.mirror, &c.mirror_to}) *x = TintColor(*x, -10);
    return c;
}

void Line(Graphics& g, TColor color, float x1, float y1, float x2, float y2) {
    g.DrawLine(GraphicsPen{ColorToOpaqueARGB(color)}, x1, y1, x2, y2);
}

// The outline of a button in a row: only the row's outer corners are rounded; inner edges are
// divider lines a little darker than the border.
void DrawSegmentBorder(Graphics& g, TButtonPosition position, TColor border, int x, int y, int w,
                       int h, int radius, bool hot_or_down) {
    const float d = 2.0f * radius;
    const float fx = float(x), fy = float(y), fr = float(x + w), fb = float(y + h);
    const TColor divider = TintColor(border, -5);
    GraphicsPath path;
    auto left_edge = [&] {
        if (hot_or_down) {
            Line(g, divider, fx, fy, fx, fb);
        } else {
            Line(g, TintColor(clWhite, -10), fx, fy + 2, fx, fb - 2);
        }
    };
    switch (position) {
        case bpLeft:
            path.AddLine(fr, fb, fx + radius, fb);
            if (radius > 0) path.AddArc({fx, fb - d, d, d}, 90, 90);
            path.AddLine(fx, fb - radius, fx, fy + radius);
            if (radius > 0) path.AddArc({fx, fy, d, d}, 180, 90);
            path.AddLine(fx + radius, fy, fr, fy);
            g.DrawPath(GraphicsPen{ColorToOpaqueARGB(border)}, path);
            Line(g, divider, fr, fy, fr, fb);
            break;
        case bpMiddle:
            Line(g, border, fx - 1, fy, fr, fy);
            Line(g, border, fx - 1, fb, fr, fb);
            Line(g, divider, fr, fy, fr, fb);
            left_edge();
            break;
        case bpRight:
            path.AddLine(fx, fy, fr - radius, fy);
            if (radius > 0) path.AddArc({fr - d, fy, d, d}, 270, 90);
            path.AddLine(fr, fy + radius, fr, fb - radius);
            if (radius > 0) path.AddArc({fr - d, fb - d, d, d}, 0, 90);
            path.AddLine(fr - radius, fb, fx, fb);
            g.DrawPath(GraphicsPen{ColorToOpaqueARGB(border)}, path);
            left_edge();
            break;
        case bpStandalone:
            break;
    }
}

// "\n" typed in a caption breaks the line (or, for the small pictures of auto-size, is a blank).
std::string CaptionWithBreaks(std::string_view caption, bool small) {
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '\\' && i + 1 < caption.size() && caption[i + 1] == 'n') {
            out += small ? ' ' : '\n';
            ++i;
        } else {
            out += caption[i];
        }
    }
    return out;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        if (!out.empty()) out += '\n';
        out += l;
    }
    return out;
}

bool TopOrBottom(TButtonLayout l) {
    return l == blGlyphTop || l == blGlyphBottom || l == blGlyphTopAdjusted ||
           l == blGlyphBottomAdjusted;
}

}  // namespace

void DrawRoundRectangle(Graphics& g, TColor color, int x, int y, int w, int h, int radius,
                        bool dotted) {
    const GraphicsPen pen{ColorToOpaqueARGB(color), 1, dotted ? DashStyle::Dot : DashStyle::Solid};
    if (radius <= 0) {
        g.DrawRectangle(pen, {float(x), float(y), float(w), float(h)});
        return;
    }
    const float d = 2.0f * radius, fx = float(x), fy = float(y), fr = float(x + w),
                fb = float(y + h);
    GraphicsPath path;
    path.AddLine(fx + radius, fy, fr - radius, fy);
    path.AddArc({fr - d, fy, d, d}, 270, 90);
    path.AddLine(fr, fy + radius, fr, fb - radius);
    path.AddArc({fr - d, fb - d, d, d}, 0, 90);
    path.AddLine(fr - radius, fb, fx + radius, fb);
    path.AddArc({fx, fb - d, d, d}, 90, 90);
    path.AddLine(fx, fb - radius, fx, fy + radius);
    path.AddArc({fx, fy, d, d}, 180, 90);
    path.CloseFigure();
    g.DrawPath(pen, path);
}

void DrawDropDownArrow(Canvas& canvas, int x, int y, TColor color, TColor highlight, bool down) {
    if (down) {
        for (int i = 0; i < 5; ++i) canvas.SetPixel(x + i, y, color);
        for (int i = 1; i < 4; ++i) canvas.SetPixel(x + i, y + 1, color);
        canvas.SetPixel(x + 2, y + 2, color);
        for (Point p : {Point{x, y + 1}, Point{x + 4, y + 1}, Point{x + 1, y + 2},
                        Point{x + 3, y + 2}, Point{x + 2, y + 3}})
            canvas.SetPixel(p.x, p.y, highlight);
    } else {
        for (int i = 0; i < 5; ++i) canvas.SetPixel(x, y + i, color);
        for (int i = 1; i < 4; ++i) canvas.SetPixel(x + 1, y + i, color);
        canvas.SetPixel(x + 2, y + 2, color);
        for (Point p : {Point{x + 2, y + 1}, Point{x + 1, y + 4}, Point{x + 3, y + 2}})
            canvas.SetPixel(p.x, p.y, highlight);
    }
}

Size DrawGlowButton(Canvas& canvas, const Rect& r, const GlowDrawInputs& in) {
    Rect part{};
    Rect area = r;  // the text area
    if (in.drop_down_button) {
        if (in.drop_down_position == dpRight) {
            part = {r.right - kGlowDropDownPart, r.top, r.right, r.bottom};
            area.right = part.left;
        } else {
            part = {r.left, r.bottom - kGlowDropDownPart, r.right, r.bottom};
            area.bottom = part.top;
        }
    }
    const TButtonLayout layout = in.notes.empty() ? in.layout : blGlyphLeftAdjusted;
    GlowColorSet c = in.colors;
    if (c.mirror == clNone) c.mirror = c.color;
    const int radius = in.rounded ? 3 : 0;

    Graphics g(canvas);
    if (!in.measuring) {
        const bool face = !in.face_left_out || in.menu_shown || in.down;
        if (face) {
            if (in.drop_down_button && in.pressed_set && in.drop_down_split) {
                Rect main = r, split = r;
                if (in.drop_down_position == dpRight) {
                    split.left = r.right - kSplitPart;
                    main.right = split.left;
                } else {
                    split.top = r.bottom - kSplitPart;
                    main.bottom = split.top;
                }
                const bool upper_only = in.drop_down_position == dpBottom;
                if (in.arrow == GlowArrowState::OnMain) {
                    DrawFace(g, main, c);
                    if (!in.transparent_face_on_hover) DrawFace(g, split, Darker(c), upper_only);
                } else {
                    if (!in.transparent_face_on_hover) DrawFace(g, main, Darker(c));
                    GlowColorSet radial = c;
                    radial.gradient = ggRadial;
                    DrawFace(g, split, radial, upper_only);
                }
            } else {
                DrawFace(g, r, c);
            }
        }
        g.SetSmoothing(true);
        if (face && in.border_visible && c.border != clNone) {
            if (in.position == bpStandalone) {
                DrawRoundRectangle(g, c.border, r.left, r.top, r.right - 1, r.bottom - 1, radius);
            } else {
                DrawSegmentBorder(g, in.position, c.border, r.left, r.top, r.right - 1,
                                  r.bottom - 1, radius, in.hot || in.down);
            }
        }
        if (in.focus_frame) {
            DrawRoundRectangle(g, 0xE4AD89, r.left + 1, r.top + 1, r.right - 3, r.bottom - 3,
                               radius);
            DrawRoundRectangle(g, 0x808080, r.left + 2, r.top + 2, r.right - 5, r.bottom - 5,
                               radius, true);
        }
        if (layout == blGlyphLeftAdjusted) area.left += in.margin_horz;
    }

    // The picture's size, and the spacing that goes with it when there is a caption.
    Picture picture;
    const bool has_picture = in.picture && !in.picture->Empty() && in.picture->Decode(picture);
    const bool has_image = !has_picture && in.images && in.image_index >= 0;
    int pw = 0, ph = 0;
    if (has_picture) {
        pw = in.small_pictures ? 16 : picture.width();
        ph = in.small_pictures ? 16 : picture.height();
    } else if (has_image) {
        pw = in.images->width;
        ph = in.images->height;
    }
    const int ipw = pw, iph = ph;  // the picture's own size, without the spacing
    const std::string caption = CaptionWithBreaks(in.caption, in.small_pictures);
    if (!caption.empty()) {
        if (layout == blGlyphLeft || layout == blGlyphRight || layout == blGlyphLeftAdjusted ||
            layout == blGlyphRightAdjusted)
            pw += in.spacing;
        if (layout == blGlyphTop || layout == blGlyphTopAdjusted) ph += in.spacing;
    }
    Size measured{pw, ph};
    const int E = area.width(), F = area.height();
    const int sp = in.spacing;

    Font font = in.font;
    font.style &= static_cast<FontStyles>(fsBold | fsItalic | fsUnderline);
    Font notes_font = in.notes_font;
    notes_font.style &= static_cast<FontStyles>(fsBold | fsItalic | fsUnderline);
    const std::unique_ptr<TGPFont> gp_font = MakeFont(font);
    const std::unique_ptr<TGPFont> gp_notes = MakeFont(notes_font);
    const std::string notes = JoinLines(in.notes);
    int bw = 0, bh = 0, nw = 0, nh = 0, text_top = area.top;
    Point place;  // the picture's corner beside the caption
    if (!caption.empty() && gp_font->Native()) {
        StringFormat format;
        if (!in.word_wrap) format.flags |= StringFormatFlagsNoWrap;
        format.align = layout == blGlyphLeftAdjusted    ? StringAlignment::Near
                       : layout == blGlyphRightAdjusted ? StringAlignment::Far
                                                        : StringAlignment::Center;
        format.line_align = layout == blGlyphTopAdjusted      ? StringAlignment::Near
                            : layout == blGlyphBottomAdjusted ? StringAlignment::Far
                                                              : StringAlignment::Center;
        format.hotkey_prefix = HotkeyPrefix::Show;
        format.trimming = in.trimming;
        const RectF box =
            in.measuring ? RectF{float(area.left), float(area.top), 4096, 4096} : ToRectF(area);
        const unsigned gdi_flow = in.word_wrap ? DT_WORDBREAK : DT_SINGLELINE;
        if (in.gdi_text) {
            // Plain text drawing measures with the canvas, breaking words at the area's width.
            canvas.font = font;
            Rect calc{0, 0, in.measuring ? 4096 : E, 0};
            canvas.DrawText(caption, calc, DT_CALCRECT | gdi_flow);
            bw = calc.width();
            bh = calc.height();
        } else {
            const StringMeasure m = g.MeasureString(caption, *gp_font->Native(), box, format);
            bw = RoundEven(m.bounds.width);
            bh = RoundEven(m.bounds.height);
        }
        if (!notes.empty() && gp_notes->Native()) {
            RectF nbox = box;
            if (pw > 0) {
                nbox.x += float(pw + sp);
                nbox.width -= float(pw + sp);
            }
            const StringMeasure n = g.MeasureString(notes, *gp_notes->Native(), nbox, format);
            nw = RoundEven(n.bounds.width);
            nh = RoundEven(n.bounds.height);
        }
        if (TopOrBottom(layout)) {
            measured = {std::max(bw + sp, pw + sp), bh + ph + (in.gdi_text ? sp : 0)};
        } else {
            measured = {std::max(nw, bw) + pw + sp, std::max(bh + sp + nh, ph + sp)};
        }
        if (in.measuring) return measured;

        // The text rectangle and the picture's place, by the layout.
        int X = area.left, Y = area.top, W = E, Ht = F;
        const int bx_centre = area.left + (E - bw) / 2;
        int px = area.left, py = area.top + std::max(0, (F - ph) / 2);
        switch (layout) {
            case blGlyphLeft:
                X = area.left + pw + 2;
                W = E - pw - 2;
                px = std::max(2, bx_centre - pw / 2);
                break;
            case blGlyphLeftAdjusted:
                X = area.left + pw + 2;
                W = E - pw - 2;
                px = std::max(2, area.left - pw / 2) + in.margin_horz;
                break;
            case blGlyphTop:
            case blGlyphTopAdjusted:
                Y = area.top + ph;
                Ht = F - ph - 2;
                px = area.left + std::max(0, (E - pw) / 2);
                py = layout == blGlyphTop ? std::max(2, area.top + std::max(0, (Ht - bh) / 2))
                                          : std::max(2, area.top);
                break;
            case blGlyphBottom:
            case blGlyphBottomAdjusted:
                Y = area.top + 2;
                Ht = F - ph - 2;
                px = area.left + std::max(0, (E - pw) / 2);
                py = layout == blGlyphBottom ? area.top + std::max(0, (Ht - bh) / 2) + bh + 2
                                             : area.top + F / 2 + bh + 2;
                if (py > area.top + F - ph) py = area.top + F - ph - 2;
                break;
            case blGlyphRight:
                X = area.left + 2;
                W = E - pw - 4;
                px = area.left + std::max(0, (W - bw) / 2) + bw + 4;
                if (px > area.left + E - pw) px = area.left + E - pw - 2;
                px += sp;
                break;
            case blGlyphRightAdjusted:
                X = area.left + 2;
                W = E - pw - 4;
                px = area.left + E - pw - 2 + sp;
                break;
        }
        RectF text{float(X), float(Y), float(W), float(Ht)};
        const ARGB text_color = ColorToOpaqueARGB(in.enabled ? font.color : TColor{0x808080});
        if (!notes.empty() && gp_notes->Native()) {
            // The caption and the notes as one block, the caption on top.
            text.y += float((Ht - bh - nh) / 2);
            format.line_align = StringAlignment::Near;
            const RectF caption_box{text.x - 1, text.y, text.width, float(bh)};
            g.DrawString(caption, *gp_font->Native(), caption_box, format,
                         GraphicsBrush::Solid(text_color));
            const RectF notes_box{text.x - 1, text.y + float(bh), text.width, float(nh)};
            const ARGB notes_color =
                ColorToOpaqueARGB(in.enabled ? notes_font.color : TColor{0x808080});
            g.DrawString(notes, *gp_notes->Native(), notes_box, format,
                         GraphicsBrush::Solid(notes_color));
            text_top = int(text.y);
        } else {
            text_top = format.line_align == StringAlignment::Near  ? Y
                       : format.line_align == StringAlignment::Far ? Y + Ht - bh
                                                                   : Y + (Ht - bh) / 2;
            if (in.gdi_text) {
                const unsigned align = format.align == StringAlignment::Near  ? DT_LEFT
                                       : format.align == StringAlignment::Far ? DT_RIGHT
                                                                              : DT_CENTER;
                Font shown = font;
                shown.color = in.enabled ? font.color : TColor{0x808080};
                canvas.font = shown;
                canvas.bk_mode = BkMode::Transparent;
                // The block of lines placed as the layout places it, then drawn from its top.
                Rect box_rect{X + (layout == blGlyphLeftAdjusted ? 2 : 0), text_top, X + W,
                              text_top + bh};
                canvas.DrawText(caption, box_rect, align | gdi_flow);
            } else {
                g.DrawString(caption, *gp_font->Native(), text, format,
                             GraphicsBrush::Solid(text_color));
            }
        }
        place = {px, py};
    } else if (in.measuring) {
        return measured;
    }

    // The picture: beside the caption, or centred in the text area without one.
    int E2 = E, F2 = F;
    if (in.drop_down_button) (in.drop_down_position == dpRight ? E2 : F2) -= 8;
    Point at = caption.empty() ? Point{area.left + std::max(0, (E2 - ipw) / 2),
                                       area.top + std::max(0, (F2 - iph) / 2)}
                               : place;
    if (has_picture) {
        g.DrawImage(picture, RectF{float(at.x), float(at.y), float(ipw), float(iph)});
    } else if (has_image) {
        const ImageList* list =
            !in.image_enabled && in.disabled_images ? in.disabled_images : in.images;
        if (in.image_enabled || list == in.disabled_images) {
            list->Draw(canvas, at.x, at.y, in.image_index);
        } else if (in.image_index < list->Count()) {
            g.DrawImage(list->Get(in.image_index),
                        RectF{float(at.x), float(at.y), float(ipw), float(iph)}, 0.4f);
        }
    }

    if (in.drop_down_button) {
        if (in.drop_down_split && in.pressed_set) {
            g.SetSmoothing(false);
            if (in.drop_down_position == dpRight) {
                Line(g, c.border, float(r.right - kSplitPart), float(r.top),
                     float(r.right - kSplitPart), float(r.bottom));
            } else {
                Line(g, c.border, float(r.left), float(r.bottom - kSplitPart), float(r.right),
                     float(r.bottom - kSplitPart));
            }
        }
        const int ax = part.left + (part.width() - 5) / 2;
        const int ay = in.drop_down_position == dpBottom || caption.empty()
                           ? part.top + 1 + (part.height() - 3) / 2
                           : text_top + bh - 8;
        DrawDropDownArrow(canvas, ax, ay, in.enabled ? clBlack : TColor{0x808080}, clWhite,
                          in.drop_down_direction == ddDown);
    }
    return measured;
}

}  // namespace kv
