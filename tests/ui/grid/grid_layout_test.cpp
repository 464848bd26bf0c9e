// A window's layout table places a report grid by class name.
#include <gtest/gtest.h>

#include "platform/window/form.h"
#include "platform/window/layout_builder.h"
#include "platform/window/layout_check.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "gcelenco",
     .class_name = "TReportGrid",
     .bounds = {8, 8, 384, 200},
     .properties = {{"Options", "goHeader, goFooter, goSelectFullRow"},
                    {"RowSize", "18"},
                    {"TabOrder", "0"},
                    {"AutoScroll", "True"},
                    {"SelectionColor", "clNavy"}}},
};

const WindowLayout kLayout{
    .name = "FormTeste",
    .class_name = "TFormTeste",
    .client_width = 400,
    .client_height = 216,
    .controls = kControls,
    .register_classes = RegisterGridControlClasses,
};

TEST(GridLayout, TablesPlaceAReportGrid) {
    for (const std::string& fault : CheckWindowLayout(kLayout)) ADD_FAILURE() << fault;
    Form form("FormTeste");
    BuildLayout(form, kLayout);
    auto& grid = ControlNamed<TReportGrid>(form, "gcelenco");
    EXPECT_TRUE(grid.Options().Has(goFooter));
    EXPECT_TRUE(grid.Options().Has(goSelectFullRow));
    EXPECT_FALSE(grid.Options().Has(goGrid));
    EXPECT_EQ(grid.RowSize(), 18);
    EXPECT_TRUE(grid.AutoScroll);
    EXPECT_EQ(grid.SelectionColor, clNavy);
    EXPECT_EQ(grid.Width(), 384);
}

}  // namespace
}  // namespace kv
