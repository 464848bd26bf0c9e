#pragma once
// Window colours are 0x00BBGGRR with red in the low byte. A value with the high
// byte 0xFF names a system colour by its index in the low byte; they resolve to
// the fixed values of the classic desktop scheme, so every machine paints alike.

#include <cstdint>
#include <span>
#include <string_view>

namespace kv {

using TColor = int32_t;
using ARGB = uint32_t;  // 0xAARRGGBB, the antialiased layer's colours

constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(index));
}
constexpr bool IsSystemColor(TColor c) {
    return (static_cast<uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}
constexpr TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) {
    return c & 0xFF;
}
constexpr int GetGValue(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int GetBValue(TColor c) {
    return (c >> 16) & 0xFF;
}

// "No colour": whatever would be painted in it is skipped.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

struct NamedColor {
    std::string_view name;  // as the forms store it: "clBtnFace"
    TColor value;
};

// Every named colour, plain and system, in one table.
std::span<const NamedColor> NamedColors();

// The plain 0x00BBGGRR value of a colour; system colours resolve to the classic
// scheme, unknown system indices to black. clNone and clDefault pass unchanged.
TColor ColorToRGB(TColor color);

// Finds a colour by its stored name (case-insensitive); false when unknown.
bool ColorFromName(std::string_view name, TColor& out);
// The table's name of a colour, or an empty view when it has none.
std::string_view ColorName(TColor color);

constexpr ARGB ComposeARGB(int a, int r, int g, int b) {
    return (static_cast<ARGB>(a & 0xFF) << 24) | (static_cast<ARGB>(r & 0xFF) << 16) |
           (static_cast<ARGB>(g & 0xFF) << 8) | static_cast<ARGB>(b & 0xFF);
}
// Resolves system colours first; alpha 0..255.
ARGB ColorToARGB(int alpha, TColor color);
inline ARGB ColorToOpaqueARGB(TColor color) {
    return ColorToARGB(255, color);
}
constexpr int ARGBAlpha(ARGB c) {
    return (c >> 24) & 0xFF;
}
constexpr int ARGBRed(ARGB c) {
    return (c >> 16) & 0xFF;
}
constexpr int ARGBGreen(ARGB c) {
    return (c >> 8) & 0xFF;
}
constexpr int ARGBBlue(ARGB c) {
    return c & 0xFF;
}
constexpr TColor ARGBToColor(ARGB c) {
    return RGBColor(ARGBRed(c), ARGBGreen(c), ARGBBlue(c));
}

}  // namespace kv
