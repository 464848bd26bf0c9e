#pragma once
// Pieces the club's money, stadium and list windows share: their colours and label rows, the
// banded rows of their report lists, and the main window's cash label kept in step.

#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "platform/window/screen.h"
#include "screens/main/competition_window_parts.h"

namespace kv {

class TReportGrid;

// Dark green under the tiled background, so light text reads with or without the picture.
inline constexpr TColor kClubWindowColour = static_cast<TColor>(0x00203A0E);
inline constexpr LayoutFont kClubTextFont = {"Tahoma", 8, 0, clWhite};
inline constexpr LayoutFont kClubHeadingFont = {"Tahoma", 8, fsBold, clYellow};

// The custom-drawn, mark-up and grid controls the club windows place.
void RegisterClubControlClasses();

// Each window file has its own copy of the label tables, made before the window's own table
// (one file's statics may not be ready when another file's table is built).
namespace {

const std::initializer_list<LayoutProperty> kClubLeftText = {{"AutoSize", "False"},
                                                             {"Transparent", "True"}};
const std::initializer_list<LayoutProperty> kClubMarkup = {{"Transparent", "True"}};
const std::initializer_list<LayoutProperty> kClubRightText = {
    {"AutoSize", "False"}, {"Alignment", "taRightJustify"}, {"Transparent", "True"}};

// A transparent label of one line on the window, left-aligned.
[[maybe_unused]] LayoutControl ClubLabel(std::string_view name, int x, int y, int width,
                                         std::string_view caption,
                                         LayoutFont font = kClubTextFont) {
    return {.name = name,
            .class_name = "TLabel",
            .bounds = {x, y, width, 14},
            .caption = caption,
            .font = font,
            .properties = kClubLeftText};
}
// The same, aligned to its right edge (figures).
[[maybe_unused]] LayoutControl ClubFigure(std::string_view name, int x, int y, int width,
                                          LayoutFont font = kClubTextFont) {
    return {.name = name,
            .class_name = "TLabel",
            .bounds = {x, y, width, 14},
            .caption = "$0",
            .font = font,
            .properties = kClubRightText};
}

const std::initializer_list<LayoutProperty> kClubWindowProperties = {
    {"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}, {"KeyPreview", "True"}};

// The table of a borderless club window, centred on the screen.
[[maybe_unused]] WindowLayout ClubWindowLayout(std::string_view name, std::string_view class_name,
                                               int width, int height, std::string_view caption,
                                               std::span<const LayoutControl> controls) {
    return {.name = name,
            .class_name = class_name,
            .client_width = width,
            .client_height = height,
            .caption = caption,
            .font = {"Tahoma", 8, 0, clWindowText},
            .color = kClubWindowColour,
            .properties = kClubWindowProperties,
            .controls = controls,
            .register_classes = RegisterClubControlClasses};
}

}  // namespace

// Rows not selected alternate a pale cyan (odd rows) and white (even rows).
void BandReportRows(TReportGrid& grid);

// The main window's cash label shows the user club's cash in words, when the window is open.
void ShowCashOnMainWindow();

// Builds a club window from its table over the tiled background; Esc and the control named
// `close_button` close it.
void BuildClubWindow(Form& form, const WindowLayout& layout, std::string_view close_button);

// Shows a club window modally and frees it.
template <typename Window, typename... Args>
void ShowClubWindow(Args&&... args) {
    auto& form = Screen::Get().Create<Window>(std::forward<Args>(args)...);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
