// Editing cells in place on a headless screen: a click or a typed key opens the column's own
// editor over the cell, Enter or a click elsewhere stores its text, Escape drops it; the input
// line turns typed values into a new row.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid_test_helpers.h"
#include "platform/window/form.h"
#include "platform/window/test_driver.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/editors/number_edit.h"
#include "ui/grid/editors/popup_edit.h"
#include "ui/grid/grid_locale.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

struct EditGrid : ::testing::Test {
    ScopedGridLocale locale{BrazilianGridLocale()};
    TestDriver d;
    Form& form = d.screen().Create<Form>("fedicao");
    TReportGrid& grid = form.Add<TReportGrid>("gelenco");
    TGrNumberColumn* gols = nullptr;
    TGrComboBoxColumn* posicao = nullptr;
    enum { kNome, kGols, kData, kPosicao };

    EditGrid() {
        SetEditorToday([] { return DateOf(2014, 3, 12); });
        form.SetBounds(20, 20, 520, 300);
        form.SetCaption("Elenco");
        grid.SetBounds(10, 10, 480, 220);
        grid.SetOptions({goHeader, goGrid});
        grid.SetRowSize(20);
        Add<TGrTextColumn>("nome", "Nome", 140);
        gols = &Add<TGrNumberColumn>("gols", "Gols", 70);
        gols->Min = 0;
        gols->Max = 99;
        Add<TGrDateColumn>("data", "Nascimento", 110);
        posicao = &Add<TGrComboBoxColumn>("posicao", "Posição", 110);
        posicao->Items = {"Goleiro", "Zagueiro", "Lateral", "Volante", "Meia", "Atacante"};
        const struct {
            const char* nome;
            const char* gols;
            const char* data;
            const char* posicao;
        } rows[] = {{"Zico", "12", "03/03/1953", "Meia"},
                    {"Sócrates", "8", "19/02/1954", "Meia"},
                    {"Leandro", "1", "17/03/1959", "Lateral"}};
        for (const auto& r : rows) {
            const int row = grid.AddRow();
            grid.SetCellText(kNome, row, r.nome);
            grid.SetCellText(kGols, row, r.gols);
            grid.SetCellText(kData, row, r.data);
            grid.SetCellText(kPosicao, row, r.posicao);
        }
        form.Show();
        grid.SetFocus();
        d.Pump();
    }
    ~EditGrid() override { SetEditorToday(nullptr); }

    template <class T>
    T& Add(const std::string& name, const std::string& caption, int width) {
        auto& column = static_cast<T&>(grid.Columns().Add(std::make_unique<T>(name)));
        column.Header().SetCaption(caption);
        column.SetWidth(width);
        column.SetOptions(column.Options().With(coEditing));
        return column;
    }
    Point CellCentre(int col, int row) {
        const Rect r = grid.GetCellRect(col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void ClickCell(int col, int row) { d.ClickAt(grid, CellCentre(col, row)); }
    TGrCustomEdit& editor() {
        EXPECT_NE(grid.Editor(), nullptr);
        return *grid.Editor();
    }
    std::string Snapshot(const std::string& name) {
        return d.SavePng("grid_inplace_" + name + ".png");
    }
};

TEST_F(EditGrid, AClickOpensATextCellEnterStoresAndEscapeDrops) {
    int after_edits = 0;
    grid.on_after_edit = [&](int col, int row, const std::string& value) {
        ++after_edits;
        EXPECT_EQ(col, kNome);
        EXPECT_EQ(row, 1);
        EXPECT_EQ(value, "Sócrates Brasileiro");
    };
    ClickCell(kNome, 1);
    ASSERT_TRUE(grid.IsEditing());
    TGrCustomEdit& edit = editor();
    EXPECT_NE(dynamic_cast<TGrEdit*>(&edit), nullptr);
    EXPECT_TRUE(edit.Visible());
    EXPECT_EQ(d.screen().Focused(), &edit);
    EXPECT_EQ(edit.Text(), "Sócrates");
    // Over the cell, a pixel inside it, without a border of its own.
    const Rect cell = grid.GetCellRect(kNome, 1);
    EXPECT_EQ(edit.BoundsRect(),
              (Rect{cell.left + 1, cell.top + 1, cell.right - 2, cell.bottom - 1}));
    EXPECT_FALSE(edit.border);

    d.Type(" Brasileiro");
    EXPECT_FALSE(Snapshot("texto").empty());
    d.Press(VK_RETURN);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_FALSE(edit.Visible());
    EXPECT_EQ(d.screen().Focused(), &grid);
    EXPECT_EQ(grid.GetCellText(kNome, 1), "Sócrates Brasileiro");
    EXPECT_EQ(after_edits, 1);

    ClickCell(kNome, 2);
    d.Type("xyz");
    d.Press(VK_ESCAPE);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(kNome, 2), "Leandro");
    EXPECT_EQ(d.screen().Focused(), &grid);
    EXPECT_EQ(after_edits, 1);
}

TEST_F(EditGrid, TypingOnANumberCellStartsWithThatKeyAndTheValueIsClamped) {
    struct Case {
        const char* typed;
        bool opens;
        const char* stored;
    } cases[] = {
        {"7", true, "7"},
        {"150", true, "99"},  // past Max: the spin edit keeps it in range
        {"a", false, "12"},   // a letter opens no number editor
        {"4a2", true, "42"},  // and is filtered out once it is open
    };
    for (const Case& c : cases) {
        grid.SetCellText(kGols, 0, "12");
        grid.SelectCell(kGols, 0);
        grid.SetFocus();
        d.Type(std::string(1, c.typed[0]));
        ASSERT_EQ(grid.IsEditing(), c.opens) << c.typed;
        if (c.opens) {
            EXPECT_NE(dynamic_cast<TGrSpinEdit*>(&editor()), nullptr);
            EXPECT_EQ(editor().Text(), std::string(1, c.typed[0])) << c.typed;
            d.Type(c.typed + 1);
            d.Press(VK_RETURN);
        }
        EXPECT_EQ(grid.GetCellText(kGols, 0), c.stored) << c.typed;
    }
}

TEST_F(EditGrid, TheNumberEditorTakesTheColumnsRangeAndItsSpinButtonsClamp) {
    grid.SetCellText(kGols, 2, "97");
    ClickCell(kGols, 2);
    auto& spin = dynamic_cast<TGrSpinEdit&>(editor());
    EXPECT_EQ(spin.Max, 99);
    EXPECT_EQ(spin.Text(), "97");
    EXPECT_TRUE(spin.InplaceMode == false);  // a number editor keeps its arrow keys
    for (int i = 0; i < 4; ++i) d.Press(VK_UP);
    EXPECT_EQ(spin.Text(), "99");
    EXPECT_FALSE(Snapshot("numero").empty());
    ClickCell(kNome, 0);  // a click elsewhere in the grid stores the value
    EXPECT_EQ(grid.GetCellText(kGols, 2), "99");
}

TEST_F(EditGrid, ADateCellIsEditedWithThePickerAndItsCalendar) {
    ClickCell(kData, 0);
    auto& picker = dynamic_cast<TGrDatePicker&>(editor());
    EXPECT_EQ(picker.Text(), "03/03/1953");
    // The keyboard opens the calendar, moves a week on and Enter closes it on that date.
    d.Press(VK_DOWN, ssAlt);
    ASSERT_TRUE(picker.Dropped());
    d.Press(VK_DOWN);
    EXPECT_FALSE(Snapshot("data").empty());
    d.Press(VK_RETURN);
    EXPECT_FALSE(picker.Dropped());
    EXPECT_TRUE(grid.IsEditing());  // the first Enter belonged to the calendar
    d.Press(VK_RETURN);
    EXPECT_EQ(grid.GetCellText(kData, 0), "10/03/1953");

    // The mouse opens it too; a click on a day chooses it and Escape still drops the edit.
    ClickCell(kData, 1);
    d.Click(dynamic_cast<TGrDatePicker&>(editor()).Button());
    TGrDatePopup& calendar = dynamic_cast<TGrDatePicker&>(editor()).Calendar();
    ASSERT_TRUE(calendar.Visible());
    d.ClickAt(calendar, {15 + 17 * 3 + 8, 38 + 15 * 2 + 7});
    EXPECT_FALSE(calendar.Visible());
    EXPECT_NE(editor().Text(), "19/02/1954");
    d.Press(VK_ESCAPE);
    EXPECT_EQ(grid.GetCellText(kData, 1), "19/02/1954");
}

TEST_F(EditGrid, ADateThatDoesNotExistLeavesTheCellAsItWas) {
    ClickCell(kData, 2);
    editor().SelectAll();
    d.Type("31/02/1959");
    d.Press(VK_RETURN);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(kData, 2), "17/03/1959");
}

TEST_F(EditGrid, AComboCellChoosesFromItsListByMouseAndKeyboard) {
    ClickCell(kPosicao, 2);
    auto& combo = dynamic_cast<TGrComboBox&>(editor());
    EXPECT_EQ(combo.Items.size(), 6u);
    EXPECT_EQ(combo.ItemIndex(), 2);  // the cell's text is the current item
    d.Click(combo.Button());
    ASSERT_TRUE(combo.Dropped());
    EXPECT_FALSE(Snapshot("combo").empty());
    d.ClickAt(combo.List(), {10, 2 + 16 * 5 + 8});
    EXPECT_EQ(combo.Text(), "Atacante");
    d.Press(VK_RETURN);
    EXPECT_EQ(grid.GetCellText(kPosicao, 2), "Atacante");

    ClickCell(kPosicao, 0);
    d.Press(VK_DOWN, ssAlt);
    ASSERT_TRUE(dynamic_cast<TGrComboBox&>(editor()).Dropped());
    d.Press(VK_UP);
    d.Press(VK_RETURN);                                   // chooses and closes the list
    d.Press(VK_RETURN);                                   // stores
    EXPECT_EQ(grid.GetCellText(kPosicao, 0), "Volante");  // the item above "Meia"
}

// In the list style a cell takes only the column's items: a key no item begins with opens no
// editor, a typed letter completes to the first item it begins, and a cell's text in another
// letter case still finds its item. The drop-down style takes any text.
TEST_F(EditGrid, AComboColumnInTheListStyleTakesOnlyItsItems) {
    posicao->Style = cbsDropDownList;
    posicao->AutoComplete = true;
    grid.SelectCell(kPosicao, 0);
    grid.SetFocus();
    d.Type("x");
    EXPECT_FALSE(grid.IsEditing());
    d.Type("a");
    ASSERT_TRUE(grid.IsEditing());
    auto& combo = dynamic_cast<TGrComboBox&>(editor());
    EXPECT_EQ(combo.Style(), dsDropDownList);
    EXPECT_TRUE(combo.AutoComplete);
    EXPECT_EQ(combo.Text(), "Atacante");
    d.Press(VK_RETURN);
    EXPECT_EQ(grid.GetCellText(kPosicao, 0), "Atacante");

    grid.SetCellText(kPosicao, 1, "meia");
    grid.EditCell(kPosicao, 1);
    EXPECT_EQ(dynamic_cast<TGrComboBox&>(editor()).ItemIndex(), 4);
    d.Press(VK_ESCAPE);

    posicao->Style = cbsDropDown;
    grid.SelectCell(kPosicao, 2);
    grid.SetFocus();
    d.Type("x");
    ASSERT_TRUE(grid.IsEditing());
    EXPECT_EQ(dynamic_cast<TGrComboBox&>(editor()).Style(), dsDropDown);
    EXPECT_EQ(editor().Text(), "x");
    d.Press(VK_RETURN);
    EXPECT_EQ(grid.GetCellText(kPosicao, 2), "x");
}

TEST_F(EditGrid, EscapeWithEscClearEditEmptiesTheEditorAndKeepsItOpen) {
    grid.SetOptions(grid.Options().With(goEscClearEdit));
    ClickCell(kNome, 0);
    d.Press(VK_ESCAPE);
    ASSERT_TRUE(grid.IsEditing());
    EXPECT_EQ(editor().Text(), "");
    grid.SetOptions(grid.Options().Without(goEscClearEdit));
    d.Press(VK_ESCAPE);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(kNome, 0), "Zico");
}

TEST_F(EditGrid, WhatKeepsTheEditorShut) {
    int before = 0;
    grid.on_before_edit = [&](int, int, bool&) { ++before; };
    grid.EditCell(kNome, 0);
    grid.EditCell(kNome, 0);  // already editing that cell: nothing, not even the event
    EXPECT_EQ(before, 1);
    grid.EndEditing();

    grid.ReadOnly = true;
    grid.EditCell(kNome, 0);
    EXPECT_FALSE(grid.IsEditing());
    grid.ReadOnly = false;

    grid.on_before_edit = [](int, int, bool& accept) { accept = false; };
    grid.EditCell(kNome, 0);
    EXPECT_FALSE(grid.IsEditing());
    grid.on_before_edit = nullptr;

    // A column without coEditing, and a plain number column, which has no editor.
    posicao->SetOptions(posicao->Options().Without(coEditing));
    grid.EditCell(kPosicao, 0);
    EXPECT_FALSE(grid.IsEditing());
    auto& plain = grid.Columns().Add(std::make_unique<TGrCustomNumberColumn>("id"));
    plain.SetOptions(plain.Options().With(coEditing));
    grid.EditCell(plain.GetIndex(), 0);
    EXPECT_FALSE(grid.IsEditing());

    // An end refused by the program keeps the editor open with the text it chose.
    grid.EditCell(kNome, 1);
    grid.on_end_editing = [](int, int, std::string& value, bool& accept) {
        value = "Doutor";
        accept = false;
    };
    grid.EndEditing();
    ASSERT_TRUE(grid.IsEditing());
    EXPECT_EQ(editor().Text(), "Doutor");
    grid.on_end_editing = nullptr;
    d.Press(VK_RETURN);
    EXPECT_EQ(grid.GetCellText(kNome, 1), "Doutor");
}

TEST_F(EditGrid, TheWheelDoesNotScrollTheRowsFromUnderAnOpenEditor) {
    for (int i = 0; i < 30; ++i) grid.SetCellText(kNome, grid.AddRow(), "Reserva");
    ClickCell(kNome, 1);
    ASSERT_TRUE(grid.IsEditing());
    const Rect before = editor().BoundsRect();
    d.Wheel(-120);
    EXPECT_EQ(grid.TopRow(), 0);
    EXPECT_EQ(editor().BoundsRect(), before);
    d.Press(VK_ESCAPE);
    d.Wheel(-120);
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(EditGrid, AnEditorTheProgramChoseServesInsteadOfTheColumnsOwn) {
    auto& chosen = form.Add<TGrButtonEdit>("ecidade");
    chosen.SetVisible(false);
    int clicks = 0;
    chosen.OnButtonClick = [&] { ++clicks; };
    grid.Columns().GetItem(kNome).InplaceEdit = &chosen;
    ClickCell(kNome, 0);
    ASSERT_EQ(grid.Editor(), &chosen);
    EXPECT_EQ(chosen.Parent(), &grid);
    EXPECT_TRUE(chosen.Visible());
    d.Click(chosen.Button());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(grid.IsEditing());  // its button is part of the editor
    d.Type(" Galinho");
    d.Press(VK_RETURN);
    EXPECT_EQ(grid.GetCellText(kNome, 0), "Zico Galinho");
    EXPECT_FALSE(chosen.Visible());
}

TEST_F(EditGrid, LeavingTheGridStoresTheEdit) {
    auto& other = form.Add<TGrEdit>("eoutro");
    other.SetBounds(10, 240, 100, 20);
    ClickCell(kNome, 2);
    d.Type(" Souza");
    d.Click(other);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(kNome, 2), "Leandro Souza");
}

TEST_F(EditGrid, SecondClickEditOpensOnlyOnTheSelectedCell) {
    grid.SetOptions(grid.Options().With(goSecondClickEdit));
    ClickCell(kNome, 1);
    EXPECT_FALSE(grid.IsEditing());
    d.Advance(1000);  // no double-click
    ClickCell(kNome, 1);
    EXPECT_TRUE(grid.IsEditing());
}

TEST_F(EditGrid, EnterInTheInputLineAddsARowAndClearsTheInputs) {
    grid.SetOptions(grid.Options().With(goInput));
    gols->DefaultValue = "0";
    int added = 0;
    grid.on_input_added = [&] { ++added; };
    grid.BeginInputEdit(grid.Columns().GetItem(kNome));
    ASSERT_TRUE(grid.IsEditing());
    EXPECT_EQ(grid.EditingCell(), (Point{kNome, -1}));
    EXPECT_LT(editor().Top(), grid.GetRowTop(0));  // in the strip under the header
    d.Type("Júnior");
    d.Press(VK_RETURN);
    EXPECT_EQ(added, 1);
    ASSERT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetCellText(kNome, 3), "Júnior");
    EXPECT_EQ(grid.GetCellText(kGols, 3), "0");  // from the default value
    EXPECT_EQ(grid.Columns().GetItem(kNome).InputValue(), "");
    EXPECT_TRUE(grid.IsEditing());  // ready for the next row
    EXPECT_EQ(editor().Text(), "");

    grid.on_input_accept = [](bool& accept) { accept = false; };
    d.Type("Adílio");
    d.Press(VK_RETURN);
    EXPECT_EQ(grid.GetRowCount(), 4);
}

TEST_F(EditGrid, TheEditorOfADeletedColumnGoesWithIt) {
    ClickCell(kPosicao, 0);
    ASSERT_TRUE(grid.IsEditing());
    TGrCustomEdit* combo = grid.Editor();
    grid.Columns().Delete(kPosicao);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_TRUE(combo->Freed());
    d.Pump();
    ClickCell(kNome, 0);
    EXPECT_TRUE(grid.IsEditing());
}

}  // namespace
}  // namespace kv
