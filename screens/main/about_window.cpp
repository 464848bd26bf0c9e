#include "screens/main/about_window.h"

#include "platform/window/button.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "platform/window/shell.h"
#include "screens/start/title_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

// Light text straight on the dark background picture the window tiles.
constexpr TColor kBackgroundColour = 0x00203A0E;
constexpr LayoutFont kTextFont = {"Tahoma", 8, 0, clWhite};

const LayoutControl kForm45Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {0, 24, 340, 28},
     .caption = "Korvanel 2014",
     .font = {"Tahoma", 16, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {16, 66, 308, 28},
     .caption = "Visite o site do jogo para pegar mais times além de muitas outras novidades;",
     .font = kTextFont,
     .properties = {{"AutoSize", "False"},
                    {"WordWrap", "True"},
                    {"Cursor", "crHandPoint"},
                    {"Transparent", "True"}}},
    {.name = "Label10",
     .class_name = "TLabel",
     .bounds = {16, 104, 40, 14},
     .caption = "Site:",
     .font = kTextFont,
     .properties = {{"AutoSize", "False"}, {"Cursor", "crHandPoint"}, {"Transparent", "True"}}},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {60, 104, 264, 14},
     .caption = kWebSiteAddress,
     .font = {"Tahoma", 8, fsUnderline, 0x00FFCC66},
     .properties = {{"AutoSize", "False"}, {"Cursor", "crHandPoint"}, {"Transparent", "True"}}},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {312, 4, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "0"}}},
};

}  // namespace

const WindowLayout kForm45Layout = {
    .name = "Form45",
    .class_name = "TForm45",
    .client_width = 340,
    .client_height = 132,
    .caption = "Sobre",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kBackgroundColour,
    .properties = {{"Position", "poScreenCenter"},
                   {"BorderStyle", "bsNone"},
                   {"KeyPreview", "True"}},
    .controls = kForm45Controls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm45::TForm45() : Form("Form45") {
    BuildWindowLayout(*this, kForm45Layout);
    TileGameBackground(*this);
    for (const char* name : {"Label4", "Label10", "Label2"})
        ControlNamed<Label>(*this, name).on_click = [this] { Label4Click(); };
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { Close(); };
    AnswerWindowKeys(*this, {.escape = [this] { Close(); }, .swallow_alt_f4 = false});
}

// A browser that cannot be started is no harm: the address stays on the window.
void TForm45::Label4Click() {
    OpenUrl(kWebSiteAddress);
}

void ShowAboutWindow() {
    auto& form = Screen::Get().Create<TForm45>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
