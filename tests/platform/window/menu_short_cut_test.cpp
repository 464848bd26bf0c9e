// Short cuts of menu items: shown at the right of the item, fired while their form has the focus.
#include <gtest/gtest.h>

#include "platform/gfx/text_layout.h"
#include "platform/window/edit.h"
#include "platform/window/popup_menu.h"
#include "tests/platform/window/window_fixture.h"

namespace kv {
namespace {

TEST(ShortCuts, TextsBothWays) {
    const struct {
        int key;
        ShiftState shift;
        const char* text;
    } cases[] = {
        {'S', ssCtrl, "Ctrl+S"},
        {VK_F2, 0, "F2"},
        {VK_F12, 0, "F12"},
        {VK_F3, ssCtrl | ssShift, "Ctrl+Shift+F3"},
        {VK_DELETE, ssAlt, "Alt+Del"},
        {'7', ssCtrl | ssLeft | ssDouble, "Ctrl+7"},  // mouse state is no part of a short cut
        {VK_PRIOR, ssShift, "Shift+PgUp"},
    };
    for (const auto& c : cases) {
        const ShortCut sc = MakeShortCut(c.key, c.shift);
        EXPECT_EQ(ShortCutToText(sc), c.text);
        EXPECT_EQ(TextToShortCut(c.text), sc) << c.text;
    }
    EXPECT_EQ(TextToShortCut("shift+ctrl+f3"), MakeShortCut(VK_F3, ssCtrl | ssShift));
    for (const char* bad : {"", "Ctrl+", "Hyper+X", "Ctrl+SS", "F13", "Ctrl+Ç"})
        EXPECT_EQ(TextToShortCut(bad), 0) << bad;
    EXPECT_EQ(MakeShortCut(0, ssCtrl), 0);
    EXPECT_EQ(MakeShortCut(0x1234), 0);
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0xE5)), "") << "a key without a name";
}

struct MenuFixture : FormFixture {
    PopupMenu& menu = form.AddComponent<PopupMenu>("PopupMenu2");
    Edit& edit = form.Add<Edit>("edNome");
    std::string ran, seen;
    MenuItem& salvar = Item("mnuSalvar", "Salvar jogo", VK_F2, 0);
    MenuItem& tabela = Item("mnuTabela", "Tabela de jogos", 'T', ssCtrl);
    MenuItem& amistosos = Item("mnuAmistosos", "Jogos Amistosos", VK_F9, 0);
    MenuItem& copa = Item("mnuCopa", "Tabela Copa", VK_F4, 0);
    MenuFixture() {
        amistosos.enabled = false;
        copa.visible = false;
        MenuItem& more = menu.Add("mnuFinancas", "Finanças");
        more.Add("mnuContas", "Finanças do Time", [this] { ran += "contas "; }).short_cut =
            MakeShortCut('F', ssCtrl);
        form.key_preview = true;
        form.on_key_down = [this](int& key, ShiftState) { seen += std::to_string(key) + " "; };
        edit.SetBounds(10, 10, 150, 21);
        form.Show();
        edit.SetFocus();
    }
    MenuItem& Item(const std::string& name, const std::string& caption, int key, ShiftState s) {
        MenuItem& item = menu.Add(name, caption, [this, name] { ran += name + " "; });
        item.short_cut = MakeShortCut(key, s);
        return item;
    }
};

TEST(ShortCuts, RunTheirEnabledShownItemBeforeAnyControlSeesTheKey) {
    MenuFixture f;
    const struct {
        int key;
        ShiftState shift;
        const char* ran;
        const char* seen;  // what the form's key preview saw
    } steps[] = {
        {VK_F2, 0, "mnuSalvar ", ""},
        {'T', ssCtrl, "mnuTabela ", ""},
        {'F', ssCtrl, "contas ", ""},  // inside a sub-menu
        {VK_F9, 0, "", "120 "},        // disabled: the key goes on to the window
        {VK_F4, 0, "", "115 "},        // hidden
        {'T', ssCtrl | ssShift, "", "84 "},
    };
    for (const auto& s : steps) {
        f.ran.clear();
        f.seen.clear();
        f.d.Press(s.key, s.shift);
        EXPECT_EQ(f.ran, s.ran) << "key " << s.key;
        EXPECT_EQ(f.seen, s.seen) << "key " << s.key;
    }
    // A plain-key short cut keeps its letter out of the focused text box.
    f.ran.clear();
    f.tabela.short_cut = MakeShortCut('T');
    f.d.KeyDown('T');
    f.d.Type("t");  // the text a keyboard sends between the key's press and release
    f.d.KeyUp('T');
    EXPECT_EQ(f.ran, "mnuTabela ");
    EXPECT_EQ(f.edit.Text(), "");

    // Under a modal window the form has no focus: its short cuts sleep.
    f.ran.clear();
    Form& dialog = f.d.screen().Create<Form>("dialog");
    dialog.SetBounds(100, 100, 200, 100);
    f.d.Then([&] {
        f.d.Press(VK_F2);
        dialog.SetModalResult(mrOk);
    });
    dialog.ShowModal();
    EXPECT_EQ(f.ran, "");
    f.d.Press(VK_F2);
    EXPECT_EQ(f.ran, "mnuSalvar ");
}

TEST(ShortCuts, DrawnRightAlignedInTheirMenuItems) {
    MenuFixture f;
    f.menu.Add("mnuSair", "Sair do jogo");
    int row_width = 0, ink_right = 0, ink_plain = 0;
    f.d.Then([&] {
        Control& salvar = f.d.Get("mnuSalvar");
        Control& sair = f.d.Get("mnuSair");
        row_width = salvar.Width();
        const int caption = MeasureTextWidth(salvar.font(), "Tabela de jogos");
        EXPECT_GE(row_width, 22 + caption + MeasureTextWidth(salvar.font(), "Ctrl+T"));
        // Ink at the right end of a row with a short cut, none on a row without one.
        const Rect right{row_width - 40, 0, row_width - 4, salvar.Height()};
        ink_right = f.InkPixels(salvar, right, clMenu);
        ink_plain = f.InkPixels(sair, right, clMenu);
        EXPECT_FALSE(f.d.SavePng("menu_short_cuts.png").empty());
        f.d.Press(VK_ESCAPE);
    });
    f.menu.Popup(100, 100);
    EXPECT_GT(ink_right, 10);
    EXPECT_EQ(ink_plain, 0);
}

}  // namespace
}  // namespace kv
