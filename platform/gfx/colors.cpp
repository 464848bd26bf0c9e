#include "platform/gfx/colors.h"

#include "platform/base/ascii.h"

#include <array>

namespace kv {
namespace {

// The classic desktop scheme, by system colour index.
constexpr std::array<TColor, 31> kSystem = {
    RGBColor(212, 208, 200),  // scroll bar
    RGBColor(58, 110, 165),   // desktop
    RGBColor(10, 36, 106),    // active caption
    RGBColor(128, 128, 128),  // inactive caption
    RGBColor(212, 208, 200),  // menu
    RGBColor(255, 255, 255),  // window
    RGBColor(0, 0, 0),        // window frame
    RGBColor(0, 0, 0),        // menu text
    RGBColor(0, 0, 0),        // window text
    RGBColor(255, 255, 255),  // caption text
    RGBColor(212, 208, 200),  // active border
    RGBColor(212, 208, 200),  // inactive border
    RGBColor(128, 128, 128),  // application work space
    RGBColor(10, 36, 106),    // highlight
    RGBColor(255, 255, 255),  // highlight text
    RGBColor(212, 208, 200),  // button face
    RGBColor(128, 128, 128),  // button shadow
    RGBColor(128, 128, 128),  // grey text
    RGBColor(0, 0, 0),        // button text
    RGBColor(212, 208, 200),  // inactive caption text
    RGBColor(255, 255, 255),  // button highlight
    RGBColor(64, 64, 64),     // 3-D dark shadow
    RGBColor(212, 208, 200),  // 3-D light
    RGBColor(0, 0, 0),        // info text
    RGBColor(255, 255, 225),  // info background
    RGBColor(181, 181, 181),  // unused index
    RGBColor(0, 0, 128),      // hot light
    RGBColor(166, 202, 240),  // gradient active caption
    RGBColor(192, 192, 192),  // gradient inactive caption
    RGBColor(10, 36, 106),    // menu highlight
    RGBColor(212, 208, 200),  // menu bar
};

constexpr NamedColor kNamed[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clLtGray", clLtGray},
    {"clDkGray", clDkGray},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
};

}  // namespace

std::span<const NamedColor> NamedColors() {
    return kNamed;
}

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color)) return color;
    const size_t index = static_cast<uint32_t>(color) & 0xFF;
    return index < kSystem.size() ? kSystem[index] : clBlack;
}

bool ColorFromName(std::string_view name, TColor& out) {
    for (const auto& n : kNamed) {
        if (EqualsIgnoreAsciiCase(n.name, name)) {
            out = n.value;
            return true;
        }
    }
    return false;
}

std::string_view ColorName(TColor color) {
    for (const auto& n : kNamed) {
        // clLtGray and clDkGray share values with clSilver and clGray: the first wins.
        if (n.value == color) return n.name;
    }
    return {};
}

ARGB ColorToARGB(int alpha, TColor color) {
    const TColor c = ColorToRGB(color);
    return ComposeARGB(alpha, GetRValue(c), GetGValue(c), GetBValue(c));
}

}  // namespace kv
