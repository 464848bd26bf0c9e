// The custom-drawn controls the windows are made of: each control below is placed as the smooth
// label, smooth panel, glow button or flat combo box it is meant to be, not as a plain stand-in.
#include <gtest/gtest.h>

#include <string_view>

#include "platform/window/control_factory.h"
#include "screens/layouts/window_layouts.h"

namespace kv {
namespace {

struct Placed {
    std::string_view window;
    std::string_view control;
    std::string_view class_name;
};

constexpr std::string_view kLabel = "TUiSmoothLabel";
constexpr std::string_view kPanel = "TUiSmoothPanel";
constexpr std::string_view kGlow = "TUiGlowButton";
constexpr std::string_view kCombo = "TUiComboBox";

constexpr Placed kPlaced[] = {
    // main window: the club's name, its panels and buttons
    {"Form13", "nometime", kLabel},
    {"Form13", "nometime_shad", kLabel},
    {"Form13", "pinfo_panel", kPanel},
    {"Form13", "p_conf", kPanel},
    {"Form13", "btvender", kGlow},
    {"Form13", "btalterasal", kGlow},
    {"Form13", "btaposenta", kGlow},
    {"Form13", "Button4", kGlow},
    {"Form13", "btjogar", kGlow},
    // national-team hub
    {"Form75", "nometime", kLabel},
    {"Form75", "nometime_shad", kLabel},
    {"Form75", "btjogar", kGlow},
    // in-match line-up
    {"Form88", "nometime1", kLabel},
    {"Form88", "nometime2", kLabel},
    {"Form88", "nometime_s1", kLabel},
    {"Form88", "nometime_s2", kLabel},
    {"Form88", "teste", kPanel},
    {"Form88", "comboej", kCombo},
    {"Form88", "combomarc", kCombo},
    {"Form88", "combo_cataq", kCombo},
    {"Form88", "bt_irprojogo", kGlow},
    // match view
    {"Form52", "nometime1", kLabel},
    {"Form52", "nometime2", kLabel},
    {"Form52", "nometime_s1", kLabel},
    {"Form52", "nometime_s2", kLabel},
    {"Form52", "teste", kPanel},
    {"Form52", "bt_irprojogo", kGlow},
    // roll of honour and coach changes
    {"Form29", "p_camp", kPanel},
    {"Form57", "p_camp", kPanel},
    {"Form57", "schemebutton2", kGlow},
    // new-game setup
    {"Form9", "SchemeButton1", kGlow},
    {"Form9", "SchemeButton2", kGlow},
    {"Form9", "SchemeButton3", kGlow},
    // season review, round results, line-up
    {"Form26", "bt3", kGlow},
    {"Form26", "bttimeano", kGlow},
    {"Form67", "bt3", kGlow},
    {"Form87", "combtat", kCombo},
    // the editor's main window
    {"Form3", "bt1", kGlow},
    {"Form3", "UiGlowButton1", kGlow},
    {"Form3", "UiGlowButton2", kGlow},
    {"Form3", "UiGlowButton3", kGlow},
    {"Form3", "UiGlowButton4", kGlow},
    {"Form3", "UiGlowButton5", kGlow},
};

const LayoutControl* FindRow(std::string_view window, std::string_view control) {
    for (const WindowLayout* layout : EveryWindowLayout()) {
        if (layout->name != window) continue;
        for (const LayoutControl& row : layout->controls)
            if (row.name == control) return &row;
    }
    return nullptr;
}

TEST(WindowControlClasses, EachNamedControlIsPlacedAsItsCustomDrawnClass) {
    for (const Placed& p : kPlaced) {
        SCOPED_TRACE(std::string(p.window) + "." + std::string(p.control));
        const LayoutControl* row = FindRow(p.window, p.control);
        ASSERT_NE(row, nullptr) << "no such control in the window's table";
        EXPECT_EQ(row->class_name, p.class_name);
    }
}

// A window's controls of these classes are made by their own class, not by a plain stand-in
// registered under the same name.
TEST(WindowControlClasses, TheClassesMakeTheirOwnControls) {
    for (const WindowLayout* layout : EveryWindowLayout())
        if (layout->register_classes) layout->register_classes();
    for (std::string_view name : {kLabel, kPanel, kGlow, kCombo}) {
        SCOPED_TRACE(std::string(name));
        const ControlClass* control_class = FindControlClass(name);
        ASSERT_NE(control_class, nullptr);
        ASSERT_TRUE(control_class->create);
        const auto made = control_class->create();
        ASSERT_NE(made, nullptr);
        EXPECT_NE(std::string(typeid(*made).name()).find(std::string(name)), std::string::npos)
            << typeid(*made).name();
    }
}

}  // namespace
}  // namespace kv
