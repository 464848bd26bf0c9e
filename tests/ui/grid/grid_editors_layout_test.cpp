// Layout tables place the grid's edits by class name.
#include <gtest/gtest.h>

#include "platform/gfx/canvas.h"
#include "platform/window/control_factory.h"
#include "platform/window/form.h"
#include "platform/window/layout_builder.h"
#include "platform/window/layout_check.h"
#include "platform/window/test_driver.h"
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

// The pop-ups of the table's edits, opened where the window places them: each lies on the
// screen under its edit and every text it draws fits the room it is drawn in.
TEST(GridEditorsLayout, ThePopupsOfTheTablesEditsFitTheirTexts) {
    TestDriver d(800, 600);
    Form& form = d.screen().Create<Form>("FormEditores");
    BuildLayout(form, kLayout);
    form.SetBounds(600, 420, form.Width(), form.Height());  // near a corner: pop-ups must turn
    form.Show();
    d.Pump();
    const Rect screen{0, 0, 800, 600};
    const auto on_screen = [&](const Form& popup, const Control& edit) {
        const Rect r = popup.BoundsRect();
        EXPECT_EQ(r.intersect(screen), r);
        const Point edit_at = edit.ClientToScreen({0, 0});
        EXPECT_TRUE(r.top >= edit_at.y + edit.Height() || r.bottom <= edit_at.y)
            << "the pop-up covers its edit";
    };

    auto& combo = ControlNamed<TGrComboBox>(form, "cbposicao");
    combo.SetFocus();
    combo.SetDropped(true);
    ASSERT_TRUE(combo.Dropped());
    TGrPopupList& list = combo.List();
    on_screen(list, combo);
    const Rect inner = list.GetInnerRect();
    EXPECT_EQ(list.GetVisibleRows(), list.GetItemCount());  // three items: no bar needed
    for (int i = 0; i < list.GetItemCount(); ++i) {
        const Rect row{inner.left + 2, 0, inner.right, list.ItemHeight()};
        EXPECT_EQ(CheckTextFits(list.ItemText(i), list.font(), row, DT_SINGLELINE), "")
            << list.ItemText(i);
    }
    combo.SetDropped(false);

    auto& picker = ControlNamed<TGrDatePicker>(form, "dtnasc");
    picker.SetFocus();
    picker.SetDropped(true);
    ASSERT_TRUE(picker.Dropped());
    TGrDatePopup& calendar = picker.Calendar();
    on_screen(calendar, picker);
    EXPECT_EQ(CheckTextFits(calendar.TodayCaption, calendar.font(), calendar.TodayButtonRect(),
                            DT_SINGLELINE),
              "");
    EXPECT_EQ(CheckTextFits(calendar.NoneCaption, calendar.font(), calendar.NoneButtonRect(),
                            DT_SINGLELINE),
              "");
    EXPECT_LE(calendar.NoneButtonRect().right, calendar.ClientWidth());
    picker.SetDropped(false);
}

}  // namespace
}  // namespace kv
