#include "ui/controls/scheme_button.h"

#include <cmath>

#include "platform/gfx/canvas.h"
#include "platform/window/form.h"
#include "platform/window/screen.h"

namespace kv {
namespace {

constexpr TColor kKeep = clNone;  // a classic scheme leaves this colour as it was

// Columns in enum order; rows face, grad, dark, light, border, text per look, then focus.
constexpr TColor kNeo[6][scColorCount] = {
    {0xC6ECFF, 0x37BEFF, 0x009CE8, 0xB9E7FF, 0x005680, 0,        0xB3E7FF, 0x00A3F0, 0x008ED2,
     0x95DAFF, 0x005680, 0,        0x2BBAFF, 0x77D2FF, 0x8AD9FF, 0x0077B7, 0x0070A6, 0,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x4080FF},
    {0xFFEEDD, 0xFFB66C, 0xFFA851, 0xFFECD9, 0xB35900, 0,        0xFFEBD7, 0xFFA346, 0xFF9E3E,
     0xFFE4CA, 0xB35900, 0,        0xFFB366, 0xFFCE9D, 0xFFD3A8, 0xFF9E3E, 0xB35900, 0,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0xFFA953},
    {0xDDF9E8, 0x5EDF8E, 0x24B95C, 0xCBF5DB, 0x156F37, 0,        0xBFF2D2, 0x3DD877, 0x23B459,
     0xB5F0CB, 0x17793D, 0,        0x4EDC83, 0x80E6A6, 0x89E7AC, 0x177D3E, 0x167439, 0,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x24B95C},
    {0xF3F3F3, 0xBCBCBC, 0xA7A7A7, 0xF7F7F7, 0x626262, 0,        0xF0F0F0, 0xA6A6A6, 0xA2A2A2,
     0xEEEEEE, 0x757575, 0,        0xCACACA, 0xDADADA, 0xE9E9E9, 0x7C7C7C, 0x4E4E4E, 0,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0xADADAD},
    {0xE8E8FF, 0x9595FF, 0x8282FF, 0xDDDDFF, 0x00009D, 0,        0xDFDFFF, 0x7777FF, 0x6A6AFF,
     0xD7D7FF, 0x00009D, 0,        0xA6A6FF, 0xB9B9FF, 0xCECEFF, 0x5E5EFF, 0x00009D, 0,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x5E5EFF},
    {0xF0FFFF, 0x20D8F9, 0x00BBBB, 0xF2FFFF, 0x006464, 0,        0xD5FCFF, 0x05BCDC, 0x00A6A6,
     0xCCFFFF, 0x006464, 0,        0x05D1F5, 0x66F0FB, 0x66F3FF, 0x008484, 0x006464, 0,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x00BBBB},
};

constexpr TColor kClassic[6][scColorCount] = {
    {0x95DDFF, kKeep,    0x009CE8, 0xB9E7FF, 0x005680, 0,        0x6FD0FF, kKeep,    0x008ED2,
     0x95DAFF, 0x005680, 0,        0x6FD0FF, kKeep,    0x8AD9FF, 0x0077B7, 0x0070A6, 0,
     0xE2E2E2, kKeep,    0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x4080FF},
    {0x98EBB7, kKeep,    0x24B95C, 0xCBF5DB, 0x156F37, 0,        0x68E196, kKeep,    0x23B459,
     0xB5F0CB, 0x17793D, 0,        0x4EDC83, kKeep,    0x89E7AC, 0x177D3E, 0x167439, 0,
     0xE2E2E2, kKeep,    0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x00A421},
    {0xFFE0C1, kKeep,    0xFFA953, 0xFFECD9, 0xB35900, 0,        0xFFCD9B, kKeep,    0xFFB164,
     0xFFE4CA, 0xB35900, 0,        0xFFC082, kKeep,    0xFFD3A8, 0xFF9122, 0xB35900, 0,
     0xE2E2E2, kKeep,    0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0xDC9B14},
    {0xA8FFFF, kKeep,    0x00BBBB, 0xF2FFFF, 0x006464, 0,        0x66F3FF, kKeep,    0x00A6A6,
     0xCCFFFF, 0x006464, 0,        0x22EEFF, kKeep,    0x66F3FF, 0x008484, 0x006464, 0,
     0xE2E2E2, kKeep,    0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x008CF4},
    {0xC6C6FF, kKeep,    0x8282FF, 0xDDDDFF, 0x00009D, 0,        0xB0B0FF, kKeep,    0x6A6AFF,
     0xD7D7FF, 0x00009D, 0,        0x9F9FFF, kKeep,    0x8888FF, 0x5E5EFF, 0x00009D, 0,
     0xE2E2E2, kKeep,    0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x5E5EFF},
    {0xE0E0E0, kKeep,    0xAEAEAE, 0xF7F7F7, 0x626262, 0,        0xCFCFCF, kKeep,    0x797979,
     0xEEEEEE, 0x757575, 0,        0xD3D3D3, kKeep,    0xE9E9E9, 0x7C7C7C, 0x4E4E4E, 0,
     0xE2E2E2, kKeep,    0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x8A8A8A},
};

bool IsNeo(TColorScheme s) {
    return s <= csNeoSun;
}

}  // namespace

TSchemeColors SchemeColors(TColorScheme scheme, const TSchemeColors& keep) {
    TSchemeColors out = keep;
    if (scheme == csCustom) return out;
    const TColor* row = IsNeo(scheme) ? kNeo[scheme] : kClassic[scheme - csDesert];
    for (int i = 0; i < scColorCount; ++i)
        if (row[i] != kKeep) out[i] = row[i];
    return out;
}

TSchemeButton::TSchemeButton() {
    windowed_ = true;
    tab_stop = true;
    double_clicks_ = false;
    SetBounds(0, 0, 75, 25);
    SetColorScheme(csNeoDesert);
    // A new button shows white at the bottom of its hot, down and disabled gradients.
    colors_[scOverFace + scGrad] = clWhite;
    colors_[scDownFace + scGrad] = clWhite;
    colors_[scDisabledFace + scGrad] = clWhite;
}

void TSchemeButton::SetSchemeColor(int index, TColor color) {
    colors_.at(index) = color;
    scheme_ = csCustom;
    Invalidate();
}

void TSchemeButton::SetColorScheme(TColorScheme scheme) {
    scheme_ = scheme;
    if (scheme != csCustom) {
        colors_ = SchemeColors(scheme, colors_);
        gradient_ = IsNeo(scheme);
    }
    Invalidate();
}

void TSchemeButton::SetCtl3D(bool v) {
    ctl3d_ = v;
    Invalidate();
}

void TSchemeButton::SetLayout(TButtonLayout v) {
    layout_ = v;
    Invalidate();
}

void TSchemeButton::SetGlyph(const kv::Picture& glyph) {
    glyph_ = glyph;
    Invalidate();
}

void TSchemeButton::SetSpacing(int v) {
    spacing_ = v;
    Invalidate();
}

void TSchemeButton::SetTransparentGlyph(bool v) {
    transparent_glyph_ = v;
    Invalidate();
}

void TSchemeButton::SetGradient(bool v) {
    gradient_ = v;
    Invalidate();
}

void TSchemeButton::SetLook(Look look) {
    look_ = look;
    Repaint();
}

bool TSchemeButton::DefaultFor(int key) const {
    if (!CanFocus()) return false;
    if (key == VK_RETURN) return default_ || Focused();
    if (key == VK_ESCAPE) return cancel_;
    return false;
}

bool TSchemeButton::Accelerator(char32_t ch) {
    if (ch == 0 || AcceleratorOf(Caption()) != LowerChar(ch) || !EnabledInTree()) return false;
    Click();
    return true;
}

void TSchemeButton::Click() {
    if (Form* form = ParentForm()) form->SetModalResult(modal_result_);
    SetLook(lkNormal);
    const bool hot_after = hot_after_click_;
    hot_after_click_ = false;
    Control::Click();
    // The release that clicked comes before the click here: its look follows the click.
    if (hot_after) SetLook(lkHot);
}

void TSchemeButton::MouseEnter() {
    Control::MouseEnter();
    pointer_inside_ = true;
    if (!hot_track_) return;
    SetLook(pressed_ ? lkDown : lkHot);
}

void TSchemeButton::MouseLeave() {
    Control::MouseLeave();
    pointer_inside_ = false;
    SetLook(lkNormal);
}

void TSchemeButton::MouseMove(ShiftState shift, int x, int y) {
    Control::MouseMove(shift, x, y);
    // The press holds the mouse, so leaving and re-entering are seen here.
    if (!pressed_) return;
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (inside == pointer_inside_) return;
    if (inside) {
        MouseEnter();
    } else {
        MouseLeave();
    }
}

void TSchemeButton::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    hot_after_click_ = false;
    if (button != mbLeft) return;
    pressed_ = true;
    if (tab_stop) SetFocus();
    SetLook(lkDown);
}

void TSchemeButton::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseUp(button, shift, x, y);
    pressed_ = false;
    // Strictly inside: the left column and the top row click the button but keep it normal.
    if (x > 0 && x < Width() && y > 0 && y < Height()) {
        look_ = hot_track_ ? lkHot : lkNormal;
        hot_after_click_ = button == mbLeft && hot_track_;
    }
    Repaint();
}

void TSchemeButton::KeyDown(int& key, ShiftState shift) {
    Control::KeyDown(key, shift);
    if (key == VK_SPACE) look_ = lkDown;
    if (key == VK_RETURN) Click();
    Repaint();
}

void TSchemeButton::KeyUp(int& key, ShiftState shift) {
    Control::KeyUp(key, shift);
    if (key != VK_SPACE) return;
    SetLook(lkNormal);
    Click();
}

void TSchemeButton::DoEnter() {
    Control::DoEnter();
    focused_ = true;
    Repaint();
}

void TSchemeButton::DoExit() {
    Control::DoExit();
    focused_ = false;
    SetLook(lkNormal);
}

void TSchemeButton::Paint(Canvas& canvas) {
    const int W = Width(), H = Height();
    const int base = !EnabledInTree()  ? scDisabledFace
                     : look_ == lkHot  ? scOverFace
                     : look_ == lkDown ? scDownFace
                                       : scFace;
    const TColor face = colors_[base + scFace], grad = colors_[base + scGrad];
    canvas.brush = Brush{face};
    canvas.FillRect({0, 0, W, H});
    // The gradient divides by the height: a button of no height has no rows to shade.
    if (gradient_ && H > 0) {
        const double steps[3] = {double(GetRValue(grad) - GetRValue(face)) / H,
                                 double(GetGValue(grad) - GetGValue(face)) / H,
                                 double(GetBValue(grad) - GetBValue(face)) / H};
        double c[3] = {double(GetRValue(face)), double(GetGValue(face)), double(GetBValue(face))};
        for (int y = 0; y <= H; ++y) {
            canvas.pen = Pen{
                RGBColor(int(std::lround(c[0])), int(std::lround(c[1])), int(std::lround(c[2])))};
            canvas.MoveTo(0, y);
            canvas.LineTo(W, y);
            for (int k = 0; k < 3; ++k) c[k] += steps[k];
        }
    }
    Font f = font();
    f.color = colors_[base + scText];
    canvas.font = f;
    Rect measure{0, 0, 0, 0};
    const std::string& caption = Caption();
    if (!caption.empty()) canvas.DrawText(caption, measure, DT_CALCRECT | DT_SINGLELINE);
    const int tw = measure.width(), th = measure.height();
    int tl = (W - tw) / 2, tt = (H - th) / 2;
    const bool down = look_ == lkDown;
    if (!glyph_.empty()) {
        const int gw = glyph_.width(), gh = glyph_.height(), sp = spacing_;
        int gx = 0, gy = 0;
        const bool text = !caption.empty();
        switch (layout_) {
            case blGlyphRight:
            case blGlyphRightAdjusted:
                gx = tl + tw - gw / 2;
                gy = (H - gh) / 2;
                tl += (-gw) / 2;
                if (text) {
                    gx += sp / 2 + sp % 2;
                    tl += (-sp) / 2;
                }
                break;
            case blGlyphTop:
            case blGlyphTopAdjusted:
                gx = (W - gw) / 2;
                gy = tt - gh / 2 - gh % 2;
                tt += gh / 2;
                if (text) {
                    gy -= sp / 2 + sp % 2;
                    tt += sp / 2;
                }
                break;
            case blGlyphBottom:
            case blGlyphBottomAdjusted:
                gx = (W - gw) / 2;
                gy = tt + th - gh / 2;
                tt += (-gh) / 2;
                if (text) {
                    gy += sp / 2 + sp % 2;
                    tt += (-sp) / 2;
                }
                break;
            default:
                gx = tl - gw / 2;
                gy = (H - gh) / 2;
                tl += gw / 2;
                if (text) {
                    gx -= sp / 2 + sp % 2;
                    tl += sp / 2;
                }
                break;
        }
        if (down) {
            ++gx;
            ++gy;
        }
        kv::Picture glyph = glyph_;
        glyph.transparent = transparent_glyph_;
        glyph.transparent_color = ARGBToColor(glyph_.PixelARGB(0, 0));
        canvas.Draw(gx, gy, glyph);
    }
    if (down) {
        ++tl;
        ++tt;
    }
    if (!caption.empty()) {
        canvas.bk_mode = BkMode::Transparent;
        Rect text{tl, tt, tl + tw, tt + th};
        canvas.DrawText(caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }
    canvas.pen = Pen{colors_[base + scBorder]};
    canvas.brush = Brush{clNone, bsClear};
    canvas.Rectangle(0, 0, W, H);
    if (ctl3d_) {
        canvas.pen = Pen{colors_[base + scLight]};
        canvas.MoveTo(1, H - 2);
        canvas.LineTo(1, 1);
        canvas.LineTo(W - 1, 1);
        canvas.pen = Pen{colors_[base + scDark]};
        canvas.MoveTo(W - 2, 1);
        canvas.LineTo(W - 2, H - 2);
        canvas.LineTo(1, H - 2);
    }
    if (focused_) {
        canvas.pen = Pen{colors_[scFocusRect]};
        canvas.brush = Brush{clNone, bsClear};
        canvas.Rectangle(3, 3, W - 3, H - 3);
    }
    Control::Paint(canvas);
}

}  // namespace kv
