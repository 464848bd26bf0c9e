#include "ui/grid/column_classes.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/gfx/canvas.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/grid_locale.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

std::string Shown(const TGrCustomColumn& column, TCellInfo info) {
    std::string text;
    column.FormatText(info, text);
    return text;
}

TCellInfo Number(double value) {
    TCellInfo info;
    info.AsFloat = value;
    return info;
}

TCellInfo Date(double value) {
    TCellInfo info;
    info.AsDateTime = value;
    return info;
}

TEST(NumberColumn, FormatsThroughItsMask) {
    ScopedGridLocale locale{BrazilianGridLocale()};
    struct Case {
        const char* mask;
        double value;
        const char* expected;
    } cases[] = {
        {"#,##0", 1234567, "1.234.567"},
        {"#,##0.00", 1234.5, "1.234,50"},
        {"0.##", 2.5, "2,5"},
        {"0.##", 2, "2"},
        {"000", 7, "007"},
        {"#", 0, ""},
        {"0", -3.6, "-4"},
        {"0;(0)", -3, "(3)"},
        {"0;-0;'zero'", 0, "zero"},
        {"'R$ '#,##0", 1500, "R$ 1.500"},
        {"0' gols'", 12, "12 gols"},
        {"", 1.5, "1,5"},
    };
    TGrNumberColumn column("valor");
    for (const Case& c : cases) {
        column.FormatMask = c.mask;
        EXPECT_EQ(Shown(column, Number(c.value)), c.expected) << c.mask << " " << c.value;
    }
}

TEST(NumberColumn, EmptyCaptionAndSurroundingTexts) {
    ScopedGridLocale locale{NeutralGridLocale()};
    TGrNumberColumn column("valor");
    EXPECT_EQ(column.ColumnKind(), ckFloat);
    EXPECT_EQ(column.GetAlignment(), taRightJustify);
    column.HideWhenEmpty = true;
    column.EmptyCaption = "-";
    column.TextBefore = "$";
    column.TextAfter = "k";
    EXPECT_EQ(Shown(column, Number(0)), "-");
    EXPECT_EQ(Shown(column, Number(12)), "$12k");
    column.HideWhenEmpty = false;
    EXPECT_EQ(Shown(column, Number(0)), "$0k");
}

TEST(DateColumn, ShowsTheDateThroughMaskAndSeparator) {
    ScopedGridLocale locale{BrazilianGridLocale()};
    double date = 0;
    ASSERT_TRUE(GridEncodeDate(2014, 3, 5, date));
    TGrDateColumn column("data");
    EXPECT_EQ(column.ColumnKind(), ckDate);
    EXPECT_EQ(Shown(column, Date(date)), "05/03/2014");
    column.FormatMask = "dd/mm/yyyy";
    EXPECT_EQ(Shown(column, Date(date)), "05/03/2014");
    column.DateSeparator = '-';
    EXPECT_EQ(Shown(column, Date(date)), "05-03-2014");
    column.FormatMask = "d/m/yy 'at' hh:nn";
    EXPECT_EQ(Shown(column, Date(date + 0.75)), "5-3-14 at 18:00");
    column.HideWhenEmpty = true;
    column.EmptyCaption = "never";
    EXPECT_EQ(Shown(column, Date(0)), "never");
}

TEST(IncrementColumn, NumbersTheRowsWhateverTheCellsHold) {
    ScopedGridLocale locale{NeutralGridLocale()};
    TReportGrid grid("g");
    grid.Columns().Add(std::make_unique<TGrIncrementColumn>("n"));
    for (const char* text : {"9", "abc", ""}) grid.SetCellText(0, grid.AddRow(), text);
    std::string shown;
    for (int row = 0; row < 3; ++row) {
        grid.GetDrawText(0, row, shown);
        EXPECT_EQ(shown, std::to_string(row + 1));
    }
}

TEST(NumberColumn, PainterDrawsTheDisplayTextRightAligned) {
    TGrNumberColumn column("valor");
    Canvas canvas(100, 20);
    canvas.brush.color = clWhite;
    canvas.FillRect({0, 0, 100, 20});
    canvas.font.color = clBlack;
    TColumnDisplay& display = column.Display();
    display.canvas = &canvas;
    display.ClientRect = {0, 0, 100, 20};
    display.AsString = "1.234";
    display.Paint();
    bool left_ink = false, right_ink = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (canvas.Pixel(x, y) != ColorToRGB(clWhite)) (x < 50 ? left_ink : right_ink) = true;
    EXPECT_TRUE(right_ink);
    EXPECT_FALSE(left_ink);
}

TEST(TextColumn, SurroundsOrMasksTheText) {
    TGrTextColumn column("nome");
    EXPECT_EQ(column.Options().Bits(), 9230u);
    EXPECT_TRUE(column.DefaultValue.empty());
    TCellInfo info;
    info.AsString = "Tião!";
    column.TextBefore = "Sr.";
    EXPECT_EQ(Shown(column, info), "Sr.Tião!");
    column.PasswordChar = '*';
    EXPECT_EQ(Shown(column, info), "********");
    EXPECT_EQ(column.WrapKind(), wkEllipsis);
    column.SetMultiLine(true);
    EXPECT_EQ(column.WrapKind(), wkWordWrap);
}

TEST(TextColumn, PainterWrapsAMultiLineCellAndCutsTheOthers) {
    TGrTextColumn column("nome");
    const auto rows_inked = [&] {
        Canvas canvas(60, 40);
        canvas.brush.color = clWhite;
        canvas.FillRect({0, 0, 60, 40});
        canvas.font.color = clBlack;
        column.SetVerticalAlignment(taAlignTop);
        TColumnDisplay& display = column.Display();
        display.canvas = &canvas;
        display.ClientRect = {0, 0, 60, 40};
        display.AsString = "Júlio César Gonçalves Filho";
        display.Paint();
        int inked = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                if (canvas.Pixel(x, y) != ColorToRGB(clWhite)) {
                    inked = y;
                    break;
                }
        return inked;
    };
    const int cut = rows_inked();
    column.SetMultiLine(true);
    EXPECT_GT(rows_inked(), cut + 5) << "the wrapped text goes down a line";
}

TEST(TreeColumn, IndentsByLevelAndDrawsTheButton) {
    TGrTreeColumn column("arvore");
    column.SetSorted(true);
    EXPECT_FALSE(column.Sorted());
    Canvas canvas(120, 20);
    canvas.brush.color = clWhite;
    canvas.FillRect({0, 0, 120, 20});
    canvas.font.color = clBlack;
    auto& display = column.Display();
    display.canvas = &canvas;
    display.ClientRect = {0, 0, 120, 20};
    display.Level = 2;
    display.ChildCount = 1;
    display.Expanded = true;
    display.AsString = "Base";
    Rect content;
    display.GetContentRect(content);
    EXPECT_EQ(content.left, 56);
    display.Paint();
    // The button's frame at x 40..48, y 5..13, a minus across its middle and no plus stroke.
    EXPECT_EQ(canvas.Pixel(40, 7), ColorToRGB(clGrayText));
    EXPECT_EQ(canvas.Pixel(44, 9), ColorToRGB(clBlack));
    EXPECT_EQ(canvas.Pixel(44, 7), ColorToRGB(clWhite));
    bool ink_before_text = false;
    for (int x = 50; x < 56; ++x)
        for (int y = 0; y < 20; ++y) ink_before_text |= canvas.Pixel(x, y) != ColorToRGB(clWhite);
    EXPECT_FALSE(ink_before_text);
}

TEST(TreeColumn, LinesJoinChildrenToTheirParentAndSiblings) {
    ScopedGridLocale locale{NeutralGridLocale()};
    TReportGrid grid;
    grid.SetBounds(0, 0, 200, 120);
    auto tree = std::make_unique<TGrTreeColumn>("arvore");
    tree->ShowLines = true;
    grid.Columns().Add(std::move(tree)).SetWidth(150);
    const int parent = grid.AddRow();
    const int first = grid.AddChildRow(parent);
    const int grandchild = grid.AddChildRow(first);
    const int last = grid.AddChildRow(parent);
    for (int r : {parent, first, grandchild, last}) grid.SetCellText(0, r, "");
    Canvas canvas(200, 120);
    grid.Paint(canvas);
    const TColor grey = ColorToRGB(clGrayText);
    const Rect client = grid.ClientArea();  // inside the grid's border
    const auto pixel = [&](int x, int y) { return canvas.Pixel(client.left + x, client.top + y); };
    auto mid = [&](int row) {
        const Rect r = grid.GetCellRect(0, row);
        return (r.top + r.bottom) / 2;
    };
    const int x1 = 19 + 6;  // the line of the children of row 0
    const Rect g = grid.GetCellRect(0, grandchild);
    // The first child goes on down to its sibling, through the grandchild's row too.
    EXPECT_EQ(pixel(x1, grid.GetCellRect(0, first).top + 1), grey);
    EXPECT_EQ(pixel(x1, g.top + 1), grey);
    EXPECT_EQ(pixel(x1, g.bottom - 2), grey);
    // The last child's line stops at its middle, where its connector turns right.
    const Rect l = grid.GetCellRect(0, last);
    EXPECT_EQ(pixel(x1, l.top + 1), grey);
    EXPECT_NE(pixel(x1, l.bottom - 2), grey);
    EXPECT_EQ(pixel(x1 + 8, mid(last) - 1), grey);
    // The grandchild is an only child: its own level's line ends at its middle.
    EXPECT_NE(pixel(2 * 19 + 6, g.bottom - 2), grey);
    // Without ShowLines nothing is drawn there.
    dynamic_cast<TGrTreeColumn&>(grid.Columns().GetItem(0)).ShowLines = false;
    grid.Paint(canvas);
    EXPECT_NE(pixel(x1, g.top + 1), grey);
}

TEST(TreeColumn, ButtonAndKeysToggleUnlessLocked) {
    TGrTreeColumn column("arvore");
    auto* play = dynamic_cast<TTreeColumnPlay*>(column.Play());
    ASSERT_NE(play, nullptr);
    int toggles = 0;
    play->on_toggle = [&](TColumnPlay&) { ++toggles; };
    play->Level = 1;
    play->CellHeight = 20;
    play->MouseUp(mbLeft, {}, 25, 9);  // inside the square at 21..29, 5..13
    play->MouseUp(mbLeft, {}, 40, 9);  // on the text
    EXPECT_EQ(toggles, 1);
    for (char32_t key : {U'+', U'-', U'a'}) play->KeyPress(key);
    EXPECT_EQ(toggles, 3);
    column.ExpandLock = true;
    char32_t plus = U'+';
    play->KeyPress(plus);
    play->MouseUp(mbLeft, {}, 25, 9);
    EXPECT_EQ(toggles, 3);
}

TEST(GraphicColumn, KeepsThePictureProportionsUnlessStretched) {
    // A 16 x 11 picture in a 40 x 18 area after a margin of 2 and no frame: scaled by 18/11 to
    // 26 x 18, centred from x 9 to 35.
    Picture picture(16, 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 16; ++x) picture.SetPixelARGB(x, y, 0xFFFF0000u);
    TGrGraphicColumn column("escudo");
    column.Margin = 2;
    column.BorderWidth = 0;
    const auto paint = [&](const Picture* shown, int x) {
        Canvas canvas(44, 22);
        canvas.brush.color = clWhite;
        canvas.FillRect({0, 0, 44, 22});
        TColumnDisplay& display = column.Display();
        display.canvas = &canvas;
        display.ClientRect = {0, 0, 44, 22};
        display.ObjectReference = shown;
        display.Paint();
        return canvas.Pixel(x, 11);
    };
    EXPECT_EQ(paint(&picture, 10), ColorToRGB(clRed));
    EXPECT_EQ(paint(&picture, 34), ColorToRGB(clRed));
    EXPECT_EQ(paint(&picture, 6), ColorToRGB(clWhite));
    EXPECT_EQ(paint(&picture, 37), ColorToRGB(clWhite));
    column.Stretch = true;
    EXPECT_EQ(paint(&picture, 3), ColorToRGB(clRed));
    EXPECT_EQ(paint(nullptr, 20), ColorToRGB(clWhite)) << "no picture";
    column.BorderWidth = 1;
    EXPECT_EQ(paint(nullptr, 2), ColorToRGB(clBtnFace)) << "the frame without a picture";
}

TEST(ImageColumn, DrawsThePictureOfItsIndexOrNothing) {
    ImageList images(8, 8);
    for (const uint32_t argb : {0xFFFF0000u, 0xFF0000FFu}) {
        Picture picture(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) picture.SetPixelARGB(x, y, argb);
        images.Add(picture);
    }
    TGrImageColumn column("bandeira");
    EXPECT_EQ(column.ColumnKind(), ckInteger);
    EXPECT_EQ(column.Display().GetContentWidth(), 0);
    column.SetAlignment(taLeftJustify);
    column.SetVerticalAlignment(taVerticalCenter);
    const auto paint = [&](int index) {
        Canvas canvas(40, 20);
        canvas.brush.color = clWhite;
        canvas.FillRect({0, 0, 40, 20});
        TColumnDisplay& display = column.Display();
        display.canvas = &canvas;
        display.ClientRect = {0, 0, 40, 20};
        display.AsInteger = index;
        display.Paint();
        // The picture sits at x 2, centred: rows 6 to 13.
        return std::pair{canvas.Pixel(3, 7), canvas.Pixel(3, 4)};
    };
    EXPECT_EQ(paint(0).first, ColorToRGB(clWhite)) << "no image list";
    column.Images = &images;
    EXPECT_EQ(column.Display().GetContentWidth(), 8);
    EXPECT_EQ(paint(1).first, ColorToRGB(clBlue)) << "the last image";
    EXPECT_EQ(paint(1).second, ColorToRGB(clWhite)) << "above the picture";
    EXPECT_EQ(paint(0).first, ColorToRGB(clRed));
    EXPECT_EQ(paint(2).first, ColorToRGB(clWhite)) << "one past the list";
    EXPECT_EQ(paint(-1).first, ColorToRGB(clWhite)) << "a negative index";
}

TEST(ComboBoxColumn, ShowsThePictureOfTheTextsPlaceInItems) {
    ImageList images(8, 8);
    for (const uint32_t argb : {0xFFFF0000u, 0xFF0000FFu}) {
        Picture picture(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) picture.SetPixelARGB(x, y, argb);
        images.Add(picture);
    }
    TGrComboBoxColumn column("posicao");
    column.Items = {"Goleiro", "Zagueiro"};
    column.Images = &images;
    column.DisplayMode = dmImageOnly;
    const auto paint = [&](const char* text) {
        Canvas canvas(40, 20);
        canvas.brush.color = clWhite;
        canvas.FillRect({0, 0, 40, 20});
        TColumnDisplay& display = column.Display();
        display.canvas = &canvas;
        display.ClientRect = {0, 0, 40, 20};
        display.AsString = text;
        display.Paint();
        return canvas.Pixel(4, 9);
    };
    EXPECT_EQ(paint("Zagueiro"), ColorToRGB(clBlue));
    EXPECT_EQ(paint("Goleiro"), ColorToRGB(clRed));
    EXPECT_EQ(paint("Atacante"), ColorToRGB(clWhite)) << "not among the items";
    column.DisplayMode = dmTextOnly;
    EXPECT_NE(paint("Zagueiro"), ColorToRGB(clBlue)) << "text only: no picture";
}

TEST(ColumnClasses, LayoutTablesCreateThemByName) {
    RegisterGridControlClasses();
    struct Case {
        const char* class_name;
        TColumnKind kind;
    } cases[] = {
        {"TGrTextColumn", ckString},     {"TGrNumberColumn", ckFloat},
        {"TGrImageColumn", ckInteger},   {"TGrGraphicColumn", ckGraphic},
        {"TGrProgressColumn", ckFloat},  {"TGrDateColumn", ckDate},
        {"TGrTreeColumn", ckString},     {"TGrIncrementColumn", ckIncrement},
        {"TGrComboBoxColumn", ckString},
    };
    for (const Case& c : cases) {
        const auto column = CreateGridColumn(c.class_name, "col");
        ASSERT_NE(column, nullptr) << c.class_name;
        EXPECT_EQ(column->Name(), "col");
        EXPECT_EQ(column->ColumnKind(), c.kind) << c.class_name;
    }
    EXPECT_EQ(CreateGridColumn("TGrNoSuchColumn", "col"), nullptr);
}

}  // namespace
}  // namespace kv
