// The one scroll bar, alone and inside the list box, memo and scroll box that share it.
#include <gtest/gtest.h>

#include <climits>

#include "platform/window/classic_look.h"
#include "platform/window/combo_box.h"
#include "platform/window/list_box.h"
#include "platform/window/memo.h"
#include "platform/window/panel.h"
#include "platform/window/scroll_bar.h"
#include "platform/window/scroll_box.h"
#include "tests/platform/window/window_fixture.h"

namespace kv {
namespace {

using Part = ScrollBar::Part;

TEST(ScrollBar, ThumbIsAsLongAsThePageIsOfTheRange) {
    Control owner;
    // A 216-pixel bar: two 16-pixel arrows and a 184-pixel track.
    struct Case {
        ScrollBarKind kind;
        int range, page, position;
        int thumb_start, thumb_length;  // 0 length: no thumb
    } cases[] = {
        {sbVertical, 100, 25, 0, 16, 46},
        {sbVertical, 100, 25, 75, 154, 46},
        {sbVertical, 100, 25, 500, 154, 46},  // past the end: kept at the end
        {sbHorizontal, 100, 25, 75, 154, 46},
        {sbVertical, 1000, 10, 495, 104, 8},  // never thinner than 8 pixels
        {sbVertical, 100, 100, 0, 0, 0},      // nothing to scroll: no thumb
        {sbVertical, -5, -1, 3, 0, 0},
        {sbVertical, 2000000000, 1, 1999999999, 192, 8},
    };
    for (const auto& c : cases) {
        ScrollBar bar(owner, c.kind);
        bar.SetBounds(c.kind == sbVertical ? Rect{0, 0, 16, 216} : Rect{0, 0, 216, 16});
        bar.SetParams(c.range, c.page, c.position);
        const Rect thumb = bar.PartRect(Part::Thumb);
        const int start = c.kind == sbVertical ? thumb.top : thumb.left;
        const int length = c.kind == sbVertical ? thumb.height() : thumb.width();
        EXPECT_EQ(length, c.thumb_length) << c.range << "/" << c.page << " at " << c.position;
        if (c.thumb_length) {
            EXPECT_EQ(start, c.thumb_start) << c.range << " at " << c.position;
        }
        EXPECT_EQ(bar.PartAt(c.kind == sbVertical ? Point{8, 5} : Point{5, 8}), Part::LineBack);
        EXPECT_EQ(bar.PartAt({215, 215}), Part::None);
    }
    // A bar too short for its arrows: they share its length, and there is no track.
    ScrollBar stub(owner, sbVertical);
    stub.SetBounds({0, 0, 16, 20});
    stub.SetParams(100, 10, 50);
    EXPECT_EQ(stub.PartRect(Part::LineBack), Rect(0, 0, 16, 10));
    EXPECT_EQ(stub.PartRect(Part::LineForward), Rect(0, 10, 16, 20));
    EXPECT_TRUE(stub.PartRect(Part::Thumb).empty());

    // A step that would run past the end of int stops at the end.
    ScrollBar big(owner, sbVertical);
    big.SetBounds({0, 0, 16, 216});
    big.SetParams(INT_MAX, 1, INT_MAX - 3);
    big.line_step = INT_MAX;
    int scrolled = -1;
    big.on_scroll = [&](int position) { scrolled = position; };
    EXPECT_TRUE(big.MouseDown({8, 210}));
    EXPECT_TRUE(big.MouseUp({8, 210}));
    EXPECT_EQ(scrolled, INT_MAX - 1);
}

// A list of 40 names whose bar lies at x 132..148, y 2..108 of the list.
struct ListFixture : FormFixture {
    ListBox& list = form.Add<ListBox>("lista");
    int clicks = 0, presses = 0;
    ListFixture() {
        list.SetBounds(10, 10, 150, 110);
        std::vector<std::string> items;
        for (int i = 0; i < 40; ++i) items.push_back("Jogador " + std::to_string(i));
        list.SetItems(items);
        list.on_click = [this] { ++clicks; };
        list.on_mouse_down = [this](MouseButton, ShiftState, int, int) { ++presses; };
        form.Show();
    }
    int MaxTop() { return list.Count() - (list.Height() - 4) / list.ItemHeight(); }
};

TEST(ScrollBar, ArrowsStepAndRepeatWhileHeldOverThem) {
    ListFixture f;
    const Point arrow{140, 100};
    f.Move(f.list, arrow);
    f.Press(f.list, arrow);
    EXPECT_EQ(f.list.TopIndex(), 1);
    f.d.Advance(AutoRepeat::kDelayMs - 1);
    EXPECT_EQ(f.list.TopIndex(), 1) << "the first repeat waits";
    f.d.Advance(1);
    EXPECT_EQ(f.list.TopIndex(), 2);
    f.d.Advance(3 * AutoRepeat::kIntervalMs);
    EXPECT_EQ(f.list.TopIndex(), 5);
    f.Move(f.list, {60, 60});  // off the arrow: held, but not repeating
    f.d.Advance(5 * AutoRepeat::kIntervalMs);
    EXPECT_EQ(f.list.TopIndex(), 5);
    f.Move(f.list, arrow);
    f.d.Advance(AutoRepeat::kIntervalMs);
    EXPECT_EQ(f.list.TopIndex(), 6);
    f.Release(f.list, arrow);
    f.d.Advance(1000);
    EXPECT_EQ(f.list.TopIndex(), 6);

    f.ClickOwn(f.list, {140, 10});  // the up arrow
    EXPECT_EQ(f.list.TopIndex(), 5);
    // The bar's presses are its own: no selection, no click, no press for the list's handlers.
    EXPECT_EQ(f.list.ItemIndex(), -1);
    EXPECT_EQ(f.clicks, 0);
    EXPECT_EQ(f.presses, 0);
}

TEST(ScrollBar, TrackPressPagesUntilTheThumbIsUnderTheMouse) {
    ListFixture f;
    const int rows = (f.list.Height() - 4) / f.list.ItemHeight();
    const Point on_track{140, 70};
    f.Move(f.list, on_track);
    f.Press(f.list, on_track);
    EXPECT_EQ(f.list.TopIndex(), rows) << "one page at the press";
    f.d.Advance(3000);
    EXPECT_GT(f.list.TopIndex(), rows);
    EXPECT_LT(f.list.TopIndex(), f.MaxTop()) << "stopped before the end, where the mouse is";
    EXPECT_EQ(f.PixelAt(f.list, on_track), ColorToRGB(clBtnFace)) << "the thumb is under it";
    f.Release(f.list, on_track);

    f.ClickOwn(f.list, {140, 20});  // above the thumb: a page back
    EXPECT_LT(f.list.TopIndex(), f.MaxTop() - rows + 1);
}

TEST(ScrollBar, DraggedThumbFollowsTheMouseAlongTheTrack) {
    ListFixture f;
    f.Move(f.list, {140, 20});
    f.Press(f.list, {140, 20});  // the thumb, at the top of the track
    EXPECT_EQ(f.list.TopIndex(), 0);
    f.Move(f.list, {140, 400});  // far past the end
    EXPECT_EQ(f.list.TopIndex(), f.MaxTop());
    f.Move(f.list, {300, 20});  // beside the bar, level with the start
    EXPECT_EQ(f.list.TopIndex(), 0);
    f.Move(f.list, {140, 20 + 20});
    const int middle = f.list.TopIndex();
    EXPECT_GT(middle, 0);
    EXPECT_LT(middle, f.MaxTop());
    f.Release(f.list, {140, 40});
    f.Move(f.list, {140, 100});  // released: moves no longer scroll
    EXPECT_EQ(f.list.TopIndex(), middle);
    EXPECT_EQ(f.list.ItemIndex(), -1);
    EXPECT_EQ(f.presses, 0);

    // Rows are still chosen beside the bar, and never under it.
    f.ClickOwn(f.list, {20, 4});
    EXPECT_EQ(f.list.ItemIndex(), middle);
    EXPECT_EQ(f.list.ItemAtPos({140, 4}), -1);
}

TEST(ScrollBar, DraggingADropDownListsBarChoosesNothing) {
    FormFixture f;
    auto& combo = f.form.Add<ComboBox>("cbClube");
    std::vector<std::string> clubs;
    for (int i = 0; i < 30; ++i) clubs.push_back("Clube " + std::to_string(i));
    combo.SetItems(clubs);
    combo.SetItemIndex(0);
    int changes = 0;
    combo.on_change = [&] { ++changes; };
    f.form.Show();
    int top = 0;
    f.d.Then([&] {
        ListBox& list = *combo.DropDownList();
        const int bar = list.Width() - 2 - 8;
        f.Move(list, {bar, 22});
        f.Press(list, {bar, 22});  // the thumb
        f.Move(list, {bar, 60});
        f.Move(list, {20, 40});  // released over a row: the press was the bar's
        f.Release(list, {20, 40});
        top = list.TopIndex();
        EXPECT_TRUE(combo.DroppedDown());
        f.d.Press(VK_ESCAPE);
    });
    f.d.Click(combo);
    EXPECT_GT(top, 0);
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(changes, 0);
}

TEST(ScrollBar, MemoScrollsByTheSameBar) {
    FormFixture f;
    auto& memo = f.form.Add<Memo>("memo");
    memo.SetBounds(10, 10, 185, 89);
    std::vector<std::string> lines;
    for (int i = 0; i < 30; ++i) lines.push_back("Linha " + std::to_string(i));
    memo.SetLines(lines);
    f.form.Show();
    f.ClickOwn(memo, {175, 80});  // the down arrow
    EXPECT_EQ(memo.TopLine(), 1);
    f.Move(memo, {175, 22});
    f.Press(memo, {175, 22});  // the thumb
    f.Move(memo, {175, 300});
    f.Release(memo, {175, 300});
    const int visible = static_cast<int>(memo.ShownLines().size()) - memo.TopLine();
    EXPECT_GT(memo.TopLine(), 20);
    memo.SetTopLine(1000);
    EXPECT_EQ(static_cast<int>(memo.ShownLines().size()) - memo.TopLine(), visible)
        << "the thumb at the end shows the last page";

    // A memo with nothing to scroll keeps its bar, and a press on it stays the bar's.
    int releases = 0;
    memo.on_mouse_up = [&](MouseButton, ShiftState, int, int) { ++releases; };
    f.ClickOwn(memo, {100, 40});
    EXPECT_EQ(releases, 1);
    memo.SetLines({"Uma linha"});
    f.ClickOwn(memo, {175, 40});
    EXPECT_EQ(releases, 1);
}

struct BoxFixture : FormFixture {
    ScrollBox& box = form.Add<ScrollBox>("box");
    BoxFixture() { box.SetBounds(10, 10, 200, 100); }
    Panel& AddPanel(const std::string& name, int left, int top, int width, int height) {
        auto& p = box.Add<Panel>(name);
        p.SetBounds(left, top, width, height);
        return p;
    }
};

TEST(ScrollBoxes, WiderContentGetsAHorizontalBar) {
    // Inside the 2-pixel border the box has 196 x 96 pixels.
    struct Case {
        int width, height;
        bool vertical, horizontal;
    } cases[] = {
        {150, 50, false, false}, {150, 300, true, false}, {500, 50, false, true},
        {500, 90, true, true},   // the horizontal bar leaves 80 pixels: too few for 90
        {190, 300, true, true},  // the vertical bar leaves 180 pixels: too few for 190
    };
    for (const auto& c : cases) {
        BoxFixture f;
        f.AddPanel("p", 0, 0, c.width, c.height);
        f.form.Show();
        EXPECT_EQ(f.box.VertBarShown(), c.vertical) << c.width << " x " << c.height;
        EXPECT_EQ(f.box.HorzBarShown(), c.horizontal) << c.width << " x " << c.height;
        const Rect client = f.box.ClientArea();
        EXPECT_EQ(client.width(), 196 - (c.vertical ? kScrollBarWidth : 0));
        EXPECT_EQ(client.height(), 96 - (c.horizontal ? kScrollBarWidth : 0));
    }
}

TEST(ScrollBoxes, HorizontalBarScrollsAndClicksFindTheChildUnderThem) {
    BoxFixture f;
    std::string clicked;
    for (int i = 0; i < 2; ++i)
        f.AddPanel("p" + std::to_string(i), i * 250, 0, 250, 60).on_click = [&clicked, i] {
            clicked = std::to_string(i);
        };
    f.form.Show();
    const int most = 500 - f.box.ClientWidth();
    f.ClickOwn(f.box, {190, 90});  // the right arrow
    EXPECT_EQ(f.box.HorzScrollPos(), f.box.line_step);
    f.ClickOwn(f.box, {170, 90});  // the track right of the thumb: a page
    EXPECT_EQ(f.box.HorzScrollPos(), f.box.line_step + f.box.ClientWidth());
    f.ClickOwn(f.box, {170, 90});
    EXPECT_EQ(f.box.HorzScrollPos(), most);
    f.d.ClickAt(f.box, {10, 10});
    EXPECT_EQ(clicked, "1");
    f.d.MoveTo(f.box, {10, 10});
    f.d.Wheel(120 * 10);  // only a sideways bar: the wheel scrolls sideways
    EXPECT_EQ(f.box.HorzScrollPos(), 0);
    f.d.ClickAt(f.box, {10, 10});
    EXPECT_EQ(clicked, "0");
    EXPECT_EQ(f.box.ScrollPos(), 0);
}

TEST(ScrollBoxes, FocusScrollsSidewaysToo) {
    BoxFixture f;
    Panel& wide = f.AddPanel("wide", 0, 0, 600, 60);
    auto& edit = wide.Add<ListBox>("far");
    edit.SetBounds(450, 5, 100, 40);
    f.form.Show();
    edit.SetFocus();
    EXPECT_EQ(f.box.HorzScrollPos(), 450 + 100 + 1 - f.box.ClientWidth());  // the bevel is 1
}

TEST(ScrollBar, Snapshot) {
    ListFixture f;
    f.list.SetTopIndex(12);
    auto& memo = f.form.Add<Memo>("memo");
    memo.SetBounds(170, 10, 185, 89);
    memo.SetText("Uma linha\nOutra linha");
    auto& box = f.form.Add<ScrollBox>("box");
    box.SetBounds(10, 130, 250, 120);
    auto& wide = box.Add<Panel>("wide");
    wide.SetBounds(0, 0, 400, 200);
    wide.SetCaption("Conteúdo maior que a caixa");
    box.SetHorzScrollPos(60);
    // The down arrow held: drawn pressed.
    f.Move(f.list, {140, 100});
    f.Press(f.list, {140, 100});
    EXPECT_EQ(f.PixelAt(f.list, {132, 92}), ColorToRGB(cl3DDkShadow));
    EXPECT_FALSE(f.d.SavePng("scroll_bars.png").empty());
    f.Release(f.list, {140, 100});
    EXPECT_EQ(f.PixelAt(f.list, {132, 92}), ColorToRGB(clBtnHighlight));
}

}  // namespace
}  // namespace kv
