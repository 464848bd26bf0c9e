#include "screens/main/colours_window.h"

#include <string>

#include "core/game_data.h"
#include "core/options.h"
#include "platform/window/button.h"
#include "platform/window/color_dialog.h"
#include "platform/window/keys.h"
#include "platform/window/screen.h"
#include "platform/window/shape.h"
#include "screens/main/options_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

// Light text straight on the dark background picture the window tiles.
constexpr TColor kBackgroundColour = 0x00203A0E;
constexpr LayoutFont kTextFont = {"Tahoma", 8, 0, clWhite};
const std::initializer_list<LayoutProperty> kCaption = {{"AutoSize", "False"},
                                                        {"Transparent", "True"}};

const LayoutControl kForm64Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {16, 20, 80, 14},
     .caption = "Goleiros:",
     .font = kTextFont,
     .properties = kCaption},
    {.name = "Shape1", .class_name = "TShape", .bounds = {100, 14, 120, 24}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {16, 52, 80, 14},
     .caption = "Laterais:",
     .font = kTextFont,
     .properties = kCaption},
    {.name = "Shape2", .class_name = "TShape", .bounds = {100, 46, 120, 24}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {16, 84, 80, 14},
     .caption = "Zagueiros:",
     .font = kTextFont,
     .properties = kCaption},
    {.name = "Shape3", .class_name = "TShape", .bounds = {100, 78, 120, 24}},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {16, 116, 80, 14},
     .caption = "Meias:",
     .font = kTextFont,
     .properties = kCaption},
    {.name = "Shape4", .class_name = "TShape", .bounds = {100, 110, 120, 24}},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {16, 148, 80, 14},
     .caption = "Atacantes:",
     .font = kTextFont,
     .properties = kCaption},
    {.name = "Shape5", .class_name = "TShape", .bounds = {100, 142, 120, 24}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {16, 182, 96, 25},
     .caption = "Cores Padrão",
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {124, 182, 96, 25},
     .caption = "Fechar",
     .properties = {{"TabOrder", "1"}}},
};

std::string SwatchName(int position) {
    return "Shape" + std::to_string(position + 1);
}

}  // namespace

const WindowLayout kForm64Layout = {
    .name = "Form64",
    .class_name = "TForm64",
    .client_width = 236,
    .client_height = 218,
    .caption = "Cores de fundo da Lista",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kBackgroundColour,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsDialog"}},
    .controls = kForm64Controls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm64::TForm64() : Form("Form64") {
    BuildWindowLayout(*this, kForm64Layout);
    TileGameBackground(*this);
    const t_game_state& s = Game().game_state;
    for (int k = 0; k < 5; ++k) {
        Shape& swatch = ControlNamed<Shape>(*this, SwatchName(k));
        swatch.brush.color = static_cast<TColor>(s.list_colours[k]);
        swatch.cursor = crHandPoint;
        swatch.on_click = [this, k] { SwatchClick(k); };
    }
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { DefaultColoursClick(); };
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { CloseClick(); };
}

void TForm64::SetColour(int position, std::int32_t colour) {
    Game().game_state.list_colours[position] = colour;
    WriteOption(kOptionsSection, "cor" + std::to_string(position), ColourToText(colour));
    Shape& swatch = ControlNamed<Shape>(*this, SwatchName(position));
    swatch.brush.color = static_cast<TColor>(colour);
    swatch.Invalidate();
}

void TForm64::SwatchClick(int position) {
    ColorDialog dialog;
    dialog.color = static_cast<TColor>(Game().game_state.list_colours[position]);
    if (dialog.Execute()) SetColour(position, static_cast<std::int32_t>(dialog.color));
}

void TForm64::DefaultColoursClick() {
    for (int k = 0; k < 5; ++k) SetColour(k, kDefaultListColours[static_cast<std::size_t>(k)]);
}

void TForm64::CloseClick() {
    if (Game().game_state.list_colours_on) {
        if (const auto& refresh = RefreshSquadListHook()) refresh();
    }
    SetModalResult(mrOk);
    Close();
}

void ShowColoursWindow() {
    auto& form = Screen::Get().Create<TForm64>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
