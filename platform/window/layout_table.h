#pragma once
// A window's layout as data: one table per window lists its controls the way a form designer
// stores a form (name, class, parent, bounds, caption, font, colour, properties), on the
// 800x600 base. BuildLayout (layout_builder.h) makes the controls from it; the window class
// keeps only behaviour and finds its controls by name.
//
//   const LayoutControl kForm17Controls[] = {
//       {.name = "Label1", .class_name = "TLabel", .bounds = {0, 16, 375, 36},
//        .caption = "Korvanel 2010", .font = {"Tahoma", 20, fsBold, clWhite},
//        .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}}},
//       {.name = "Button1", .class_name = "TButton", .bounds = {150, 196, 75, 25},
//        .caption = "OK", .properties = {{"TabOrder", "0"}}},
//   };
//
// Rows come in creation order: a parent before its children, and later rows lie on top of
// earlier ones. Property values are written as the form designer writes them ("True", "12",
// "taCenter", "clWhite"); control_factory.h lists what each class takes.

#include <initializer_list>
#include <span>
#include <string_view>

#include "platform/gfx/colors.h"
#include "platform/gfx/fonts.h"
#include "platform/gfx/picture.h"

namespace kv {

struct LayoutBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A font of its own; with no name the control takes its parent's font.
struct LayoutFont {
    std::string_view name = {};
    int size = 8;
    FontStyles style = 0;
    TColor color = clWindowText;
    bool given() const { return !name.empty(); }
};

struct LayoutProperty {
    std::string_view name;
    std::string_view value;
};

struct LayoutControl {
    std::string_view name = {};
    std::string_view class_name = {};  // as registered with the control factory: "TLabel"
    std::string_view parent = {};      // a row above, or empty for the window itself
    LayoutBounds bounds = {};
    std::string_view caption = {};  // the text it shows (an edit's text, a mark-up label's mark-up)
    LayoutFont font = {};
    TColor color = clDefault;  // clDefault keeps the class's own colour
    std::initializer_list<LayoutProperty> properties = {};
};

// Finds a picture a table names ("Picture" of an image); an empty picture when there is none.
using LayoutPictureSource = Picture (*)(std::string_view name);

struct WindowLayout {
    std::string_view name = {};        // the form's name: "Form17"
    std::string_view class_name = {};  // the window class: "TForm17"
    int client_width = 0;              // on the 800x600 base
    int client_height = 0;
    std::string_view caption = {};
    LayoutFont font = {};
    TColor color = clDefault;
    std::initializer_list<LayoutProperty> properties = {};  // BorderStyle, Position, KeyPreview
    std::span<const LayoutControl> controls = {};
    // The window scales itself for the screen by the game's rule (a fixed-size window, such as
    // one whose picture is its face, does not).
    bool scales = true;
    LayoutPictureSource pictures = nullptr;
    // Registers the control classes beyond the standard ones that the table uses; may be
    // called any number of times.
    void (*register_classes)() = nullptr;
};

}  // namespace kv
