// The custom-drawn controls placed by a window's layout table, by class name.
#include "ui/controls/control_classes.h"

#include <gtest/gtest.h>

#include "platform/window/form.h"
#include "platform/window/layout_builder.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/gradient.h"
#include "ui/controls/scheme_button.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_panel.h"
#include "ui/controls/ui_combo_box.h"

namespace kv {
namespace {

const LayoutControl kSmoothControls[] = {
    {.name = "pnProximo",
     .class_name = "TUiSmoothPanel",
     .bounds = {0, 0, 300, 120},
     .caption = "Próximo jogo",
     .properties = {{"StylePreset", "4"}, {"Caption.HTMLText", "<b>Atlético</b> x Serrano"}}},
    {.name = "lbTitulo",
     .class_name = "TUiSmoothLabel",
     .bounds = {0, 130, 300, 30},
     .caption = "Campeonato",
     .properties = {{"Caption.ColorStart", "clYellow"}}},
    {.name = "grFundo",
     .class_name = "TGradient",
     .bounds = {0, 170, 300, 30},
     .properties = {{"ColorBegin", "clNavy"}, {"ColorEnd", "clBlue"}}},
    {.name = "btjogar",
     .class_name = "TUiGlowButton",
     .bounds = {0, 210, 120, 30},
     .caption = "Jogar >>",
     .properties = {{"TabOrder", "0"}}},
    {.name = "btok",
     .class_name = "TSchemeButton",
     .bounds = {130, 210, 80, 25},
     .caption = "OK",
     .properties = {{"ColorScheme", "csNeoGrass"}, {"Default", "True"}, {"TabOrder", "1"}}},
    {.name = "cbtatica",
     .class_name = "TUiComboBox",
     .bounds = {0, 250, 120, 21},
     .properties = {{"Items", "4-4-2\n4-3-3"}, {"ItemIndex", "1"}, {"TabOrder", "2"}}},
    {.name = "pbCarga", .class_name = "TUiSmoothProgressBar", .bounds = {0, 280, 200, 16}},
};

TEST(SmoothControlClasses, LayoutTablesPlaceEveryCustomDrawnControl) {
    Form form("FormTeste");
    BuildLayout(form, {.name = "FormTeste",
                       .client_width = 320,
                       .client_height = 300,
                       .controls = kSmoothControls,
                       .register_classes = RegisterSmoothControlClasses});

    EXPECT_EQ(ControlNamed<TUiSmoothPanel>(form, "pnProximo").Caption().Text(), "Próximo jogo");
    EXPECT_EQ(ControlNamed<TUiSmoothPanel>(form, "pnProximo").Caption().HTMLText(),
              "<b>Atlético</b> x Serrano");
    EXPECT_EQ(ControlNamed<TUiSmoothLabel>(form, "lbTitulo").Caption().ColorStart(), clYellow);
    EXPECT_EQ(ControlNamed<TGradient>(form, "grFundo").ColorEnd(), clBlue);
    EXPECT_EQ(ControlNamed<TUiGlowButton>(form, "btjogar").Caption(), "Jogar >>");
    EXPECT_EQ(ControlNamed<TSchemeButton>(form, "btok").ColorScheme(), csNeoGrass);
    EXPECT_EQ(ControlNamed<TUiComboBox>(form, "cbtatica").Text(), "4-3-3");
    EXPECT_EQ(ControlNamed(form, "pbCarga").Width(), 200);
}

}  // namespace
}  // namespace kv
