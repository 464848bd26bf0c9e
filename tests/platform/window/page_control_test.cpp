// The page control: tabs over pages, only the active page shown and reached.
#include <gtest/gtest.h>

#include "platform/window/button.h"
#include "platform/window/edit.h"
#include "platform/window/list_view.h"
#include "platform/window/page_control.h"
#include "platform/window/panel.h"
#include "tests/platform/window/window_fixture.h"

namespace kv {
namespace {

struct PagesFixture : FormFixture {
    PageControl& pages = form.Add<PageControl>("pages");
    TabSheet& geral = pages.AddPage("tsGeral", "Geral");
    TabSheet& elenco = pages.AddPage("tsElenco", "Elenco");
    TabSheet& financas = pages.AddPage("tsFinancas", "Finanças");
    TabSheet& estadio = pages.AddPage("tsEstadio", "&Estádio");
    Edit& nome = geral.Add<Edit>("edNome");
    Edit& busca = elenco.Add<Edit>("edBusca");
    Panel& escudo = elenco.Add<Panel>("escudo");
    Button& vender = elenco.Add<Button>("btVender");
    int changes = 0, escudo_clicks = 0;
    PagesFixture() {
        pages.SetBounds(10, 10, 300, 200);
        nome.SetBounds(10, 10, 120, 21);
        busca.SetBounds(10, 10, 120, 21);
        escudo.SetBounds(10, 60, 50, 50);
        escudo.SetColor(clRed);
        escudo.bevel_outer = bvNone;
        escudo.on_click = [this] { ++escudo_clicks; };
        vender.SetBounds(150, 10, 75, 25);
        pages.on_change = [this] { ++changes; };
        form.Show();
    }
    void ClickTab(int index) {
        const Rect tab = pages.TabRect(index);
        ClickOwn(pages, {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
    }
    Point EscudoOnScreen() { return escudo.ClientToScreen({25, 25}); }
};

TEST(PageControls, OnlyTheActivePageIsPaintedHitAndReachedByTab) {
    PagesFixture f;
    EXPECT_EQ(f.pages.ActivePageIndex(), 0) << "the first page added is shown";
    EXPECT_TRUE(f.geral.Showing());
    EXPECT_FALSE(f.elenco.Showing());
    f.d.Pump();
    const Point p = f.EscudoOnScreen();
    EXPECT_NE(f.d.screen().PixelAt(p.x, p.y), clRed);
    f.d.MouseDown(p);
    f.d.MouseUp(p);
    EXPECT_EQ(f.escudo_clicks, 0);
    for (int i = 0; i < 6; ++i) {
        f.d.Press(VK_TAB);
        EXPECT_NE(f.d.screen().Focused(), &f.vender);
        EXPECT_NE(f.d.screen().Focused(), &f.busca);
    }

    f.pages.SetActivePageIndex(1);
    EXPECT_EQ(f.changes, 0) << "pages turned by code fire nothing";
    f.d.Pump();
    EXPECT_EQ(f.d.screen().PixelAt(p.x, p.y), clRed);
    f.d.MouseDown(p);
    f.d.MouseUp(p);
    EXPECT_EQ(f.escudo_clicks, 1);
    EXPECT_EQ(f.pages.ActivePage(), &f.elenco);
    EXPECT_EQ(f.elenco.PageIndex(), 1);

    f.pages.SetActivePageIndex(9);
    EXPECT_EQ(f.pages.ActivePageIndex(), -1);
    EXPECT_EQ(f.pages.ClientArea().top, f.pages.TabHeight() + 4);
}

TEST(PageControls, TheUserTurnsPagesByTabsKeysAndAccelerators) {
    PagesFixture f;
    f.financas.SetTabVisible(false);
    int refusing = -1;
    f.pages.on_changing = [&](bool& allow) { allow = f.pages.ActivePageIndex() != refusing; };

    f.ClickTab(1);
    EXPECT_EQ(f.pages.ActivePageIndex(), 1);
    EXPECT_EQ(f.d.screen().Focused(), &f.pages) << "a press on a tab focuses the tabs";
    f.busca.SetFocus();

    struct Step {
        int key;
        ShiftState shift;
        int page, changes;
    } steps[] = {
        {VK_TAB, ssCtrl, 3, 2},            // from inside a page; the hidden tab is skipped
        {VK_TAB, ssCtrl, 0, 3},            // wraps round
        {VK_TAB, ssCtrl | ssShift, 3, 4},  // backwards
        {VK_LEFT, 0, 1, 5},                // the tabs have the focus now
        {VK_LEFT, 0, 0, 6},
        {VK_LEFT, 0, 0, 6},  // the arrows stop at the ends
        {'E', ssAlt, 3, 7},  // the tab's accelerator
        {VK_TAB, ssAlt | ssCtrl, 3, 7},
    };
    for (const auto& s : steps) {
        f.d.Press(s.key, s.shift);
        EXPECT_EQ(f.pages.ActivePageIndex(), s.page) << "key " << s.key << " shift " << s.shift;
        EXPECT_EQ(f.changes, s.changes) << "key " << s.key << " shift " << s.shift;
    }
    EXPECT_EQ(f.d.screen().Focused(), &f.pages);

    refusing = 3;
    f.ClickTab(0);
    EXPECT_EQ(f.pages.ActivePageIndex(), 3) << "on_changing refused the turn";
    EXPECT_EQ(f.changes, 7);
}

TEST(PageControls, ANotebookHasNoTabsAndTurnsOnlyByCode) {
    PagesFixture f;
    f.pages.SetShowTabs(false);
    EXPECT_EQ(f.pages.ClientArea(), Rect(0, 0, 300, 200));
    EXPECT_EQ(f.geral.BoundsRect(), Rect(0, 0, 300, 200));
    EXPECT_TRUE(f.pages.TabRect(0).empty());
    f.nome.SetFocus();
    f.d.Press(VK_TAB, ssCtrl);
    EXPECT_EQ(f.pages.ActivePageIndex(), 0);
    f.pages.SetActivePageIndex(1);
    EXPECT_EQ(f.elenco.BoundsRect(), Rect(0, 0, 300, 200));
}

TEST(PageControls, Snapshot) {
    PagesFixture f;
    f.form.SetBounds(20, 20, 340, 250);
    f.pages.SetActivePageIndex(1);
    f.vender.SetCaption("Vender");
    auto& list = f.elenco.Add<ListView>("lvElenco");
    list.SetBounds(70, 45, 210, 110);
    list.row_select = true;
    list.AddColumn("P", 25, taCenter);
    list.AddColumn("Nome", 120);
    list.AddColumn("Força", 45, taRightJustify);
    list.AddItem("G", {"Marcos", "78"});
    list.AddItem("A", {"Ronaldo Silva", "91"});
    list.SetItemIndex(1);
    f.pages.SetFocus();
    const std::string path = f.d.SavePng("page_control.png");
    EXPECT_FALSE(path.empty());
    // The active tab stands out over the frame: its face covers the frame's top edge.
    const Rect active = f.pages.TabRect(1);
    EXPECT_EQ(f.PixelAt(f.pages, {active.left + 4, f.pages.TabHeight()}), ColorToRGB(clBtnFace));
    EXPECT_EQ(f.PixelAt(f.pages, {f.pages.TabRect(0).left + 4, f.pages.TabHeight()}),
              ColorToRGB(clBtnHighlight));
}

}  // namespace
}  // namespace kv
