#include "screens/match/match_pictures.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "match/match_tables.h"
#include "platform/gfx/graphics.h"
#include "platform/window/layout_builder.h"
#include "platform/window/screen.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_panel.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/picture_container.h"

namespace kv {
namespace {

constexpr ARGB kWhite = 0xFFFFFFFF;
constexpr ARGB kBlack = 0xFF000000;

RectF Box(float x, float y, float w, float h) {
    return RectF{x, y, w, h};
}

GraphicsPath RoundBox(float x, float y, float w, float h, float r) {
    GraphicsPath path;
    path.AddRoundRectangle(Box(x, y, w, h), r);
    return path;
}

// Stripes of two greens, the lines, the boxes and the centre circle of a pitch seen from above
// with the own goal at the bottom.
Picture Pitch(bool overlay) {
    Picture p(kPitchWidth, kPitchHeight);
    Graphics g(p);
    g.SetSmoothing(true);
    if (overlay) {
        // Where a player may be dropped: a veil over the pitch with the drop squares lit.
        g.FillRectangle(GraphicsBrush::Solid(0x50FFFFFF), Box(0, 0, kPitchWidth, kPitchHeight));
        return p;
    }
    for (int stripe = 0; stripe < 12; ++stripe)
        g.FillRectangle(GraphicsBrush::Solid(stripe % 2 ? 0xFF2E7D32 : 0xFF388E3C),
                        Box(0, stripe * 50.0f, kPitchWidth, 50));
    const GraphicsPen line{0xE0FFFFFF, 2};
    const float l = 12, t = 12, r = kPitchWidth - 12, b = kPitchHeight - 12;
    g.DrawRectangle(line, Box(l, t, r - l, b - t));
    const float mid = (t + b) / 2;
    g.DrawLine(line, l, mid, r, mid);
    g.DrawEllipse(line, Box(kPitchWidth / 2.0f - 50, mid - 50, 100, 100));
    g.FillEllipse(GraphicsBrush::Solid(kWhite), Box(kPitchWidth / 2.0f - 3, mid - 3, 6, 6));
    for (float edge : {t, b}) {
        const float dir = edge == t ? 1 : -1;
        const float big = 90, small = 36;
        g.DrawRectangle(line, Box(kPitchWidth / 2.0f - 100, dir > 0 ? edge : edge - big, 200, big));
        g.DrawRectangle(line,
                        Box(kPitchWidth / 2.0f - 45, dir > 0 ? edge : edge - small, 90, small));
        g.FillEllipse(GraphicsBrush::Solid(kWhite),
                      Box(kPitchWidth / 2.0f - 2, edge + dir * 64 - 2, 4, 4));
    }
    return p;
}

// A shirt seen from the front in `body` with sleeves and collar; an empty place is a faint
// outline only.
Picture Shirt(ARGB body, ARGB trim, bool outline_only) {
    Picture p(kShirtSide, kShirtSide);
    Graphics g(p);
    g.SetSmoothing(true);
    GraphicsPath shirt;
    shirt.AddPolygon({{16, 6},
                      {22, 6},
                      {27.5f, 11},
                      {33, 6},
                      {39, 6},
                      {50, 16},
                      {44, 24},
                      {40, 21},
                      {40, 49},
                      {15, 49},
                      {15, 21},
                      {11, 24},
                      {5, 16}});
    if (outline_only) {
        g.FillPath(GraphicsBrush::Solid(0x40FFFFFF), shirt);
        g.DrawPath(GraphicsPen{0x90FFFFFF, 1.5f, DashStyle::Dash}, shirt);
        return p;
    }
    g.FillPath(
        GraphicsBrush::LinearGradient(
            Box(5, 6, 45, 43), body,
            ComposeARGB(255, ARGBRed(body) * 3 / 4, ARGBGreen(body) * 3 / 4, (body & 0xFF) * 3 / 4),
            90.0f),
        shirt);
    g.DrawLine(GraphicsPen{trim, 3}, 15, 44, 40, 44);
    g.DrawPath(GraphicsPen{0xC0000000, 1.2f}, shirt);
    GraphicsPath collar;
    collar.AddPolygon({{22, 6}, {27.5f, 13}, {33, 6}});
    g.FillPath(GraphicsBrush::Solid(trim), collar);
    return p;
}

Picture Icon(std::string_view name) {
    Picture p(kEventIconSide, kEventIconSide);
    Graphics g(p);
    g.SetSmoothing(true);
    const float s = kEventIconSide;
    auto card = [&](float x, float y, ARGB colour) {
        g.FillPath(GraphicsBrush::Solid(colour), RoundBox(x, y, 7, 10, 1.5f));
        g.DrawPath(GraphicsPen{0x80000000, 0.8f}, RoundBox(x, y, 7, 10, 1.5f));
    };
    if (name == "i_gol" || name == "i_golv") {
        // A ball; the ball of an own goal or a missed penalty is drawn darker, crossed out.
        const bool against = name == "i_golv";
        g.FillEllipse(GraphicsBrush::Solid(against ? 0xFFB0B0B0 : kWhite), Box(1, 1, s - 2, s - 2));
        g.DrawEllipse(GraphicsPen{kBlack, 1}, Box(1, 1, s - 2, s - 2));
        GraphicsPath patch;
        patch.AddPolygon({{7, 4}, {10, 6}, {9, 9.5f}, {5, 9.5f}, {4, 6}});
        g.FillPath(GraphicsBrush::Solid(kBlack), patch);
        if (against) g.DrawLine(GraphicsPen{0xFFD00000, 2}, 2, s - 2, s - 2, 2);
    } else if (name == "i_ca") {
        card(3.5f, 2, 0xFFFFD600);
    } else if (name == "i_cv") {
        card(3.5f, 2, 0xFFE00000);
    } else if (name == "i_cacv") {
        card(1, 1, 0xFFFFD600);
        card(6, 3, 0xFFE00000);
    } else if (name == "i_ct") {
        // A red cross on white: a player hurt.
        g.FillPath(GraphicsBrush::Solid(kWhite), RoundBox(0.5f, 0.5f, s - 1, s - 1, 2));
        g.FillRectangle(GraphicsBrush::Solid(0xFFD00000), Box(5.5f, 2, 3, s - 4));
        g.FillRectangle(GraphicsBrush::Solid(0xFFD00000), Box(2, 5.5f, s - 4, 3));
    } else if (name == "i_sub") {
        // Two arrows: green in, red out.
        GraphicsPath in;
        in.AddPolygon({{1, 5}, {5, 1}, {9, 5}, {6.5f, 5}, {6.5f, 12}, {3.5f, 12}, {3.5f, 5}});
        g.FillPath(GraphicsBrush::Solid(0xFF20C020), in);
        GraphicsPath out;
        out.AddPolygon({{5, 9}, {9, 13}, {13, 9}, {10.5f, 9}, {10.5f, 2}, {7.5f, 2}, {7.5f, 9}});
        g.FillPath(GraphicsBrush::Solid(0xFFE02020), out);
    }
    return p;
}

Picture Star() {
    Picture p(12, 12);
    Graphics g(p);
    g.SetSmoothing(true);
    std::vector<PointF> points;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 ? 2.4 : 5.8;
        points.push_back({static_cast<float>(6 + r * std::cos(angle)),
                          static_cast<float>(6.2 + r * std::sin(angle))});
    }
    GraphicsPath star;
    star.AddPolygon(points);
    g.FillPath(GraphicsBrush::Solid(0xFFFFC400), star);
    g.DrawPath(GraphicsPen{0xFF806000, 0.8f}, star);
    return p;
}

// A hand holding a shirt (cursor0), and the same over a place that takes it (1), over a bench
// place (2) and where nothing may be dropped (3).
Picture DragCursor(int n) {
    Picture p(32, 32);
    Graphics g(p);
    g.SetSmoothing(true);
    Picture shirt = Shirt(n == 3 ? 0xFF909090 : 0xFFFFFFFF, 0xFF202020, false);
    g.DrawImage(shirt, Box(4, 4, 24, 24));
    if (n == 1) g.DrawEllipse(GraphicsPen{0xFF20E020, 2}, Box(1, 1, 30, 30));
    if (n == 2) g.DrawRectangle(GraphicsPen{0xFFFFD600, 2}, Box(1, 1, 30, 30));
    if (n == 3) g.DrawLine(GraphicsPen{0xFFE00000, 3}, 4, 28, 28, 4);
    return p;
}

Picture Make(std::string_view name) {
    if (name == "campogrande") return Pitch(false);
    if (name == "campoalpha") return Pitch(true);
    if (name == "camisa0") return Shirt(0, 0, true);
    if (name == "camisa1") return Shirt(0xFFF5F5F5, 0xFF1565C0, false);
    if (name == "camisa2") return Shirt(0xFF212121, 0xFFFFC400, false);
    if (name == "camisa3") return Shirt(0xFF9E9E9E, 0xFFEEEEEE, false);
    if (name == "estrela") return Star();
    if (name.starts_with("i_")) return Icon(name);
    if (name.starts_with("cursor") && name.size() == 7 && name[6] >= '0' && name[6] <= '3')
        return DragCursor(name[6] - '0');
    return {};
}

}  // namespace

const std::array<std::string_view, 7>& EventIconNames() {
    static const std::array<std::string_view, 7> kNames = {"i_gol",  "i_golv", "i_ca", "i_cv",
                                                           "i_cacv", "i_ct",   "i_sub"};
    return kNames;
}

const Picture& MatchPicture(std::string_view name) {
    static std::map<std::string, Picture, std::less<>> cache;
    auto it = cache.find(name);
    if (it == cache.end()) it = cache.emplace(std::string(name), Make(name)).first;
    return it->second;
}

namespace {

// The event icons as the picture containers hold them, encoded once: every round-results and
// line-up window takes them again.
const std::vector<std::vector<uint8_t>>& EventIconBytes() {
    static const std::vector<std::vector<uint8_t>> bytes = [] {
        std::vector<std::vector<uint8_t>> all;
        for (std::string_view name : EventIconNames())
            all.push_back(MatchPicture(name).SaveToPngMemory());
        return all;
    }();
    return bytes;
}

template <class Container>
void AddIconsTo(Container& container) {
    const auto& bytes = EventIconBytes();
    for (std::size_t i = 0; i < EventIconNames().size(); ++i) {
        auto& item = container.Add();
        item.Name = std::string(EventIconNames()[i]);
        item.picture.LoadFromBytes(bytes[i]);
    }
}

}  // namespace

void AddEventIcons(TPictureContainer& container) {
    AddIconsTo(container);
}

void AddEventIcons(TGDIPPictureContainer& container) {
    AddIconsTo(container);
}

void ShowAsEventsPanel(TUiSmoothPanel& panel) {
    TGDIPFill& fill = panel.Fill();
    fill.SetColor(static_cast<TColor>(0x204018));
    fill.SetColorTo(static_cast<TColor>(0x102008));
    fill.SetGradientType(gtVertical);
    fill.SetBorderColor(static_cast<TColor>(0x40A040));
    fill.SetBorderWidth(1);
    fill.SetRounding(6);
    fill.SetShadowColor(clNone);
    // The list spans the panel, so that the away team's lines keep to its right edge.
    panel.Caption().SetHTMLLocation(plCustom);
    panel.Caption().SetHTMLLeft(6);
    panel.Caption().SetHTMLTop(4);
    panel.Caption().SetHTMLShadowOffset(1);
    panel.Caption().SetHTMLShadowColor(clBlack);
}

void ShowTeamName(Control& window, int side, int team, TColor ground) {
    const t_team* t = TeamAt(team);
    const std::string n = std::to_string(side);
    ShowGradientText(ControlNamed<TUiSmoothLabel>(window, "nometime" + n),
                     &ControlNamed<TUiSmoothLabel>(window, "nometime_s" + n),
                     t ? t->name.str() : std::string(),
                     t ? static_cast<TColor>(t->back_colour) : clWhite,
                     t ? static_cast<TColor>(t->text_colour) : clWhite, ground);
}

void RegisterMatchCursors() {
    for (int n = 0; n < 4; ++n)
        Screen::Get().SetCursorImage(kMatchCursor + n, MatchPicture("cursor" + std::to_string(n)),
                                     {16, 16});
}

void RegisterMatchWindowClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
}

}  // namespace kv
