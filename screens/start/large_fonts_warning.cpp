#include "screens/start/large_fonts_warning.h"

#include "platform/window/button.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

const LayoutFont kText{"Tahoma", 10, 0, clWhite};

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {0, 16, 375, 36},
     .caption = "Korvanel 2010",
     .font = {"Tahoma", 20, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {20, 70, 335, 48},
     .caption =
         "O seu sistema está usando fontes grandes, o que deixará as telas do jogo cortadas.",
     .font = kText,
     .properties = {{"AutoSize", "False"}, {"WordWrap", "True"}, {"Alignment", "taCenter"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {20, 128, 335, 48},
     .caption = "Vá em propriedades de vídeo do Windows e mude a fonte para normal 96 DPI, e "
                "reinicie o computador para jogar.",
     .font = kText,
     .properties = {{"AutoSize", "False"}, {"WordWrap", "True"}, {"Alignment", "taCenter"}}},
    {.name = "Button1",
     .class_name = "TButton",
     .bounds = {150, 196, 75, 25},
     .caption = "OK",
     .properties = {{"TabOrder", "0"}}},
};

}  // namespace

const WindowLayout kForm17Layout = {
    .name = "Form17",
    .class_name = "TForm17",
    .client_width = 375,
    .client_height = 244,
    .color = clGreen,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
};

TForm17::TForm17() : Form("Form17") {
    BuildWindowLayout(*this, kForm17Layout);
    ControlNamed<Button>(*this, "Button1").on_click = [this] { Button1Click(); };
    DoCreate();
}

void TForm17::Button1Click() {
    Close();
}

}  // namespace kv
