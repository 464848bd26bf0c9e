// The flat combo box driven through the headless back end: its list opened with the mouse and
// the keyboard, items chosen by typing, Escape, the pictures of its items, its colours and its
// caption label.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/window/image_list.h"
#include "platform/window/list_box.h"
#include "platform/window/test_driver.h"
#include "ui/controls/ui_combo_box.h"

namespace kv {
namespace {

Picture Solid(TColor color) {
    Picture p(16, 11);
    Canvas c(p);
    c.brush = Brush{color};
    c.FillRect({0, 0, 16, 11});
    return p;
}

struct ComboFixture : ::testing::Test {
    TestDriver d{400, 300};
    Form& form = d.screen().Create<Form>("form");
    TUiComboBox& combo = form.Add<TUiComboBox>("cbpais");
    std::vector<std::string> events;

    ComboFixture() {
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 400, 300);
        combo.SetBounds(100, 20, 150, 21);
        combo.SetItems({"Argentina", "Bolívia", "Brasil", "Chile", "Peru"});
        combo.SetItemIndex(0);
        combo.on_change = [this] { events.push_back("change"); };
        combo.on_select = [this] { events.push_back("select"); };
        combo.on_drop_down = [this] { events.push_back("dropdown"); };
        combo.on_close_up = [this] { events.push_back("closeup"); };
        combo.on_drop_up = [this] { events.push_back("dropup"); };
        form.Show();
    }
};

TEST_F(ComboFixture, ListOpenedWithTheMouseChoosesAnItem) {
    d.Then([&] {
        ListBox* list = combo.DropDownList();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->ItemIndex(), 0);
        d.ClickAt(*list, {10, list->ItemHeight() * 3 + 4});
    });
    d.Click(combo);
    EXPECT_EQ(combo.Text(), "Chile");
    EXPECT_EQ(events,
              (std::vector<std::string>{"dropdown", "closeup", "dropup", "change", "select"}));
    EXPECT_FALSE(combo.DroppedDown());
}

TEST_F(ComboFixture, ListOpenedWithTheKeyboard) {
    combo.SetFocus();
    d.Then([&] {
        d.Press(VK_DOWN);
        d.Press(VK_DOWN);
        d.Press(VK_RETURN);
    });
    d.Press(VK_DOWN, ssAlt);
    EXPECT_EQ(combo.Text(), "Brasil");
    d.Then([&] {
        d.Press(VK_UP);
        d.Press(VK_RETURN);
    });
    d.Press(VK_F4);
    EXPECT_EQ(combo.Text(), "Bolívia");
}

TEST_F(ComboFixture, EscapeAndAPressOutsideCloseTheListWithoutAChange) {
    combo.SetFocus();
    d.Then([&] {
        d.Press(VK_DOWN);
        d.Press(VK_ESCAPE);
    });
    d.Press(VK_F4);
    EXPECT_EQ(combo.Text(), "Argentina");
    d.Then([&] { d.MouseDown({380, 280}); });
    d.Click(combo);
    EXPECT_EQ(combo.Text(), "Argentina");
    EXPECT_EQ(events, (std::vector<std::string>{"dropdown", "closeup", "dropup", "dropdown",
                                                "closeup", "dropup"}));
    EXPECT_FALSE(combo.DroppedDown());
}

TEST_F(ComboFixture, TypingChoosesTheItemThatStartsWithWhatWasTyped) {
    combo.SetFocus();
    d.Type("br");
    EXPECT_EQ(combo.Text(), "Brasil");
    d.Advance(1000);  // a pause starts a new search
    d.Type("bo");
    EXPECT_EQ(combo.Text(), "Bolívia");
    d.Advance(1000);
    d.Type("p");
    EXPECT_EQ(combo.Text(), "Peru");
    d.Advance(1000);
    d.Type("x");  // nothing starts with it: nothing changes
    EXPECT_EQ(combo.Text(), "Peru");
    // Without auto-complete each letter jumps to the next item starting with it.
    combo.SetAutoComplete(false);
    d.Type("bb");
    EXPECT_EQ(combo.Text(), "Brasil");
}

TEST_F(ComboFixture, EachItemShowsItsOwnPictureWhateverTheOrder) {
    ImageList flags(16, 11);
    flags.Add(Solid(clRed));    // 0
    flags.Add(Solid(clBlue));   // 1
    flags.Add(Solid(clGreen));  // 2
    combo.images = &flags;
    combo.SetItems({"Chile", "Argentina", "Brasil"}, {0, 1, 2});
    combo.SetItemIndex(2);
    d.screen().Paint();
    const Point at = combo.ClientToScreen({3 + 2 + 8, 10});
    EXPECT_EQ(d.screen().PixelAt(at.x, at.y), clGreen);
    combo.SetItemIndex(0);
    d.screen().Paint();
    EXPECT_EQ(d.screen().PixelAt(at.x, at.y), clRed);
    d.Then([&] {
        ListBox* list = combo.DropDownList();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->ItemImage(1), 1);
        d.Press(VK_ESCAPE);
    });
    d.Click(combo);
}

TEST_F(ComboFixture, DropWidthWidensTheList) {
    combo.SetDropWidth(260);
    int width = 0;
    d.Then([&] {
        width = combo.DropDownList()->Width();
        d.Press(VK_ESCAPE);
    });
    d.Click(combo);
    EXPECT_EQ(width, 260);
}

TEST_F(ComboFixture, FlatColoursButtonWidthAndFocusColours) {
    d.screen().SetFocus(nullptr);
    form.SetColor(RGBColor(0, 90, 40));
    combo.SetFlat(true);
    EXPECT_EQ(combo.Color(), RGBColor(0, 90, 40));  // the parent's colour
    combo.SetButtonWidth(13);
    combo.SetButtonWidth(33);
    EXPECT_EQ(combo.ButtonWidth(), 19);
    combo.SetButtonWidth(24);
    EXPECT_EQ(combo.ButtonWidth(), 24);

    combo.SetFocusColor(clNavy);
    combo.SetFocus();
    EXPECT_EQ(combo.Color(), clNavy);
    EXPECT_EQ(combo.font().color, clWindowText);  // no focus font colour: the font stays
    d.screen().SetFocus(nullptr);
    EXPECT_EQ(combo.Color(), RGBColor(0, 90, 40));

    combo.SetFocusFontColor(clYellow);
    combo.SetFocus();
    EXPECT_EQ(combo.font().color, clYellow);
    d.screen().SetFocus(nullptr);
    EXPECT_EQ(combo.font().color, clWindowText);

    form.SetColor(clBtnFace);
    combo.SetFlatParentColor(false);
    combo.SetFieldColor(clWhite);
    combo.SetEnabled(false);
    EXPECT_EQ(combo.Color(), clBtnFace);  // disabled, a flat combo shows its parent's colour
    combo.SetEnabled(true);
    EXPECT_EQ(combo.Color(), clWhite);
}

// The grey placeholder shows while nothing is chosen, and while focused only when asked to.
TEST_F(ComboFixture, EmptyTextShowsWhileNothingIsChosen) {
    struct Case {
        bool flat;
        int item;
        bool focused;
        bool keep_when_focused;
        bool shown;
    };
    for (const Case& c : std::vector<Case>{{true, -1, false, false, true},
                                           {false, -1, false, false, true},
                                           {true, 2, false, false, false},
                                           {true, -1, true, false, false},
                                           {true, -1, true, true, true}}) {
        SCOPED_TRACE(std::to_string(c.flat) + std::to_string(c.item) + std::to_string(c.focused) +
                     std::to_string(c.keep_when_focused));
        combo.SetFlat(c.flat);
        combo.SetItemIndex(c.item);
        combo.SetEmptyTextFocused(c.keep_when_focused);
        if (c.focused)
            combo.SetFocus();
        else
            d.screen().SetFocus(nullptr);
        // What the placeholder changes on screen: the field with it against the field without.
        auto field = [&](const char* text) {
            combo.SetEmptyText(text);
            combo.Invalidate();
            d.screen().Paint();
            std::vector<TColor> pixels;
            for (int y = 0; y < combo.Height(); ++y)
                for (int x = 0; x < combo.Width() - combo.ButtonWidth(); ++x)
                    pixels.push_back(d.screen().PixelAt(combo.Left() + x, combo.Top() + y));
            return pixels;
        };
        const std::vector<TColor> without = field("");
        const std::vector<TColor> with = field("Escolha o país");
        int grey = 0;
        for (std::size_t i = 0; i < with.size(); ++i) grey += with[i] != without[i];
        EXPECT_EQ(grey > 20, c.shown) << grey;
    }
}

TEST_F(ComboFixture, CaptionLabelIsPlacedAndFollowsTheCombo) {
    combo.SetLabelCaption("País:");
    Label* label = combo.CaptionLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Top(), combo.Top());
    EXPECT_EQ(label->Left() + label->Width() + combo.LabelMargin(), combo.Left());
    combo.SetLabelPosition(lpTopLeft);
    EXPECT_EQ(label->Left(), combo.Left());
    EXPECT_EQ(label->Top() + label->Height() + 4, combo.Top());
    combo.SetLeft(150);
    EXPECT_EQ(label->Left(), 150);

    // A LabelFont given while the combo uses its parent's font changes nothing.
    combo.SetLabelFont(Font{"Arial", 14, fsBold});
    EXPECT_EQ(label->font(), combo.font());

    combo.SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    combo.SetEnabled(true);
    combo.Hide();
    EXPECT_FALSE(label->Visible());
    combo.Show();
    EXPECT_TRUE(label->Visible());

    combo.SetFocusLabel(true);
    d.screen().SetFocus(nullptr);
    combo.SetFocus();
    EXPECT_TRUE(label->font().bold());
    d.screen().SetFocus(nullptr);
    EXPECT_FALSE(label->font().bold());
}

TEST_F(ComboFixture, SelectItemByTextOnlyForAnItem) {
    combo.SelectItemByText("Uruguai");
    EXPECT_EQ(combo.Text(), "Argentina");
    EXPECT_TRUE(events.empty());
    combo.SelectItemByText("Peru");
    EXPECT_EQ(combo.Text(), "Peru");
    EXPECT_EQ(events, std::vector<std::string>{"change"});
    EXPECT_EQ(combo.Version(), "1.5.1.0");
}

TEST_F(ComboFixture, FreeingTheComboTakesItsLabel) {
    combo.SetLabelCaption("País:");
    combo.Free();
    d.Pump();
    EXPECT_FALSE(d.Exists("cbpais_label"));
}

}  // namespace
}  // namespace kv
