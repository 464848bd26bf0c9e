#include "screens/layouts/window_layouts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/window/layout_check.h"
#include "ui/markup/markup_control_classes.h"

namespace kv {
namespace {

std::string Lines(const std::vector<std::string>& faults) {
    std::string out;
    for (const std::string& f : faults) out += "\n  " + f;
    return out;
}

TEST(WindowLayouts, EveryWindowsTableIsSound) {
    ASSERT_FALSE(EveryWindowLayout().empty());
    std::set<std::string_view> windows;
    for (const WindowLayout* layout : EveryWindowLayout()) {
        SCOPED_TRACE(layout->name);
        EXPECT_TRUE(windows.insert(layout->name).second) << "listed twice";
        EXPECT_FALSE(layout->controls.empty());
        const std::vector<std::string> faults = CheckWindowLayout(*layout);
        EXPECT_TRUE(faults.empty()) << Lines(faults);
    }
}

// Misspellings once shown to the player; none may come back in any window's captions or properties.
TEST(WindowLayouts, NoCaptionCarriesAKnownMisspelling) {
    const std::string_view wrong[] = {"contrata-lo", "equivale à 300", "ténicos", "milhao",
                                      "demitir,conforme", "Espirito Santo", "Suica"};
    int captions = 0;
    for (const WindowLayout* layout : EveryWindowLayout())
        for (const LayoutControl& control : layout->controls) {
            std::vector<std::string_view> texts = {control.caption};
            for (const LayoutProperty& p : control.properties) texts.push_back(p.value);
            captions += !control.caption.empty();
            for (const std::string_view text : texts)
                for (const std::string_view w : wrong)
                    EXPECT_EQ(text.find(w), std::string_view::npos)
                        << layout->name << "." << control.name << ": " << text;
        }
    EXPECT_GT(captions, 500);
}

// Tables each broken in one way, checked in a 200 x 100 window.
const LayoutControl kNameTwice[] = {
    {.name = "Button1",
     .class_name = "TButton",
     .bounds = {10, 10, 75, 25},
     .caption = "OK",
     .properties = {{"TabOrder", "0"}}},
    {.name = "Button1",
     .class_name = "TButton",
     .bounds = {100, 10, 75, 25},
     .caption = "Sair",
     .properties = {{"TabOrder", "1"}}},
};
const LayoutControl kOutsideWindow[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {150, 10, 80, 13},
     .caption = "Nome:",
     .properties = {{"AutoSize", "False"}}},
};
const LayoutControl kOutsidePanel[] = {
    {.name = "Panel1", .class_name = "TPanel", .bounds = {0, 0, 200, 60}},
    {.name = "Shape1", .class_name = "TShape", .parent = "Panel1", .bounds = {20, 40, 30, 30}},
};
const LayoutControl kBelowScrollBox[] = {
    {.name = "ScrollBox1", .class_name = "TScrollBox", .bounds = {0, 0, 200, 60}},
    {.name = "Shape1", .class_name = "TShape", .parent = "ScrollBox1", .bounds = {20, 40, 30, 90}},
};
const LayoutControl kButtonCaptionTooLong[] = {
    {.name = "Button1",
     .class_name = "TButton",
     .bounds = {10, 10, 75, 25},
     .caption = "Confirmar a transferência",
     .properties = {{"TabOrder", "0"}}},
};
const LayoutControl kWrappedLabelTooShort[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 10, 120, 16},
     .caption = "O seu sistema está usando fontes grandes.",
     .properties = {{"AutoSize", "False"}, {"WordWrap", "True"}}},
};
const LayoutControl kCheckBoxCaptionTooLong[] = {
    {.name = "CheckBox1",
     .class_name = "TCheckBox",
     .bounds = {10, 10, 60, 17},
     .caption = "Jogar Estaduais",
     .properties = {{"TabOrder", "0"}}},
};
const LayoutControl kMarkupCaptionTooLong[] = {
    {.name = "MarkupLabel1",
     .class_name = "TMarkupLabel",
     .bounds = {10, 10, 120, 15},
     .caption = "<B>Gol</B> de Fulano aos 43<BR>e de Beltrano aos 44"},
};
const LayoutControl kFocusWithoutTabOrder[] = {
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {10, 10, 80, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Button1", .class_name = "TButton", .bounds = {100, 10, 75, 25}, .caption = "OK"},
};
const LayoutControl kTabOrderTwice[] = {
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {10, 10, 80, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Button1",
     .class_name = "TButton",
     .bounds = {100, 10, 75, 25},
     .caption = "OK",
     .properties = {{"TabOrder", "0"}}},
};
const LayoutControl kTabOrderGap[] = {
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {10, 10, 80, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Button1",
     .class_name = "TButton",
     .bounds = {100, 10, 75, 25},
     .caption = "OK",
     .properties = {{"TabOrder", "2"}}},
};
const LayoutControl kParentBelow[] = {
    {.name = "Label1", .class_name = "TLabel", .parent = "Panel1", .bounds = {5, 5, 40, 13}},
    {.name = "Panel1", .class_name = "TPanel", .bounds = {0, 0, 100, 50}},
};
const LayoutControl kUnknownClass[] = {
    {.name = "Botao1", .class_name = "TBotao", .bounds = {10, 10, 75, 25}},
};
const LayoutControl kUnknownProperty[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 10, 40, 13},
     .properties = {{"Checked", "True"}}},
};
const LayoutControl kBadValue[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 10, 40, 13},
     .properties = {{"Visible", "Sim"}}},
};
const LayoutControl kUnknownPicture[] = {
    {.name = "Image1",
     .class_name = "TImage",
     .bounds = {10, 10, 40, 40},
     .properties = {{"Picture", "escudo"}}},
};

TEST(WindowLayouts, BrokenTablesAreRefusedWithAClearMessage) {
    RegisterMarkupControlClasses();
    struct Case {
        std::span<const LayoutControl> controls;
        std::string fault;  // the one message the check gives
    };
    const Case cases[] = {
        {kNameTwice, "FormTeste.Button1 (TButton): the name is used twice"},
        {kOutsideWindow,
         "FormTeste.Label1 (TLabel): (150, 10, 80 x 13) lies outside FormTeste's client area "
         "(0, 0, 200 x 100)"},
        {kOutsidePanel,  // the panel's client area lies inside its bevel
         "FormTeste.Shape1 (TShape): (20, 40, 30 x 30) lies outside Panel1's client area "
         "(0, 0, 198 x 58)"},
        {kButtonCaptionTooLong,
         "FormTeste.Button1 (TButton): the caption does not fit: \"Confirmar a transferência\""},
        {kWrappedLabelTooShort, "FormTeste.Label1 (TLabel): the caption does not fit"},
        {kCheckBoxCaptionTooLong, "FormTeste.CheckBox1 (TCheckBox): the caption does not fit"},
        {kMarkupCaptionTooLong, "FormTeste.MarkupLabel1 (TMarkupLabel): the caption does not fit"},
        {kFocusWithoutTabOrder,
         "FormTeste.Button1 (TButton): it takes the focus but has no TabOrder"},
        {kTabOrderTwice, "FormTeste.Button1 (TButton): TabOrder 0 is used twice in FormTeste"},
        {kTabOrderGap, "FormTeste.Button1 (TButton): TabOrder 2 breaks the run 0..1 of FormTeste"},
        {kParentBelow, "FormTeste.Label1 (TLabel): its parent Panel1 is not a row above it"},
        {kUnknownClass, "FormTeste.Botao1 (TBotao): no control class TBotao"},
        {kUnknownProperty, "FormTeste.Label1 (TLabel): TLabel has no property Checked"},
        {kBadValue,
         "FormTeste.Label1 (TLabel): property Visible: \"Sim\" is neither True nor False"},
        {kUnknownPicture,
         "FormTeste.Image1 (TImage): property Picture: the window names no source of pictures"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const WindowLayout layout{
            .name = "FormTeste", .client_width = 200, .client_height = 100, .controls = c.controls};
        const std::vector<std::string> faults = CheckWindowLayout(layout);
        ASSERT_EQ(faults.size(), 1u) << Lines(faults);
        EXPECT_EQ(faults[0].substr(0, c.fault.size()), c.fault);
    }

    // A scroll box scrolls what runs below it, but not what runs beyond its sides.
    EXPECT_TRUE(CheckWindowLayout({.name = "FormTeste",
                                   .client_width = 200,
                                   .client_height = 100,
                                   .controls = kBelowScrollBox})
                    .empty());
}

}  // namespace
}  // namespace kv
