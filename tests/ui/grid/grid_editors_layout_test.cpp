// Layout tables place the grid's edits by class name.
#include <gtest/gtest.h>

#include "platform/window/form.h"
#include "platform/window/layout_builder.h"
#include "platform/window/layout_check.h"
#include "ui/grid/editors/number_edit.h"
#include "ui/grid/editors/popup_edit.h"
#include "ui/grid/grid_control_classes.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "enome",
     .class_name = "TGrEdit",
     .bounds = {8, 8, 160, 21},
     .caption = "Korvanel",
     .properties = {{"MaxLength", "20"}, {"TabOrder", "0"}}},
    {.name = "cbposicao",
     .class_name = "TGrComboBox",
     .bounds = {8, 36, 160, 21},
     .properties = {{"Items", "Goleiro\nZagueiro\nMeia"},
                    {"Style", "dsDropDownList"},
                    {"ItemIndex", "1"},
                    {"TabOrder", "1"}}},
    {.name = "dtnasc",
     .class_name = "TGrDatePicker",
     .bounds = {8, 64, 160, 21},
     .properties = {{"EmptyText", "(sem data)"}, {"TabOrder", "2"}}},
    {.name = "sgols",
     .class_name = "TGrSpinEdit",
     .bounds = {8, 92, 160, 21},
     .properties = {{"MinValue", "0"}, {"MaxValue", "99"}, {"Value", "7"}, {"TabOrder", "3"}}},
    {.name = "ebotao",
     .class_name = "TGrButtonEdit",
     .bounds = {8, 120, 160, 21},
     .properties = {{"ReadOnly", "True"}, {"TabOrder", "4"}}},
};

const WindowLayout kLayout{
    .name = "FormEditores",
    .class_name = "TFormEditores",
    .client_width = 200,
    .client_height = 150,
    .controls = kControls,
    .register_classes = RegisterGridControlClasses,
};

TEST(GridEditorsLayout, TablesPlaceTheGridEdits) {
    for (const std::string& fault : CheckWindowLayout(kLayout)) ADD_FAILURE() << fault;
    Form form("FormEditores");
    BuildLayout(form, kLayout);
    EXPECT_EQ(ControlNamed<TGrEdit>(form, "enome").Text(), "Korvanel");
    EXPECT_EQ(ControlNamed<TGrEdit>(form, "enome").max_length, 20);
    auto& combo = ControlNamed<TGrComboBox>(form, "cbposicao");
    EXPECT_EQ(combo.Text(), "Zagueiro");
    EXPECT_EQ(combo.Style(), dsDropDownList);
    EXPECT_EQ(ControlNamed<TGrDatePicker>(form, "dtnasc").EmptyText, "(sem data)");
    EXPECT_EQ(ControlNamed<TGrSpinEdit>(form, "sgols").Text(), "7");
    EXPECT_TRUE(ControlNamed<TGrButtonEdit>(form, "ebotao").read_only);
}

}  // namespace
}  // namespace kv
