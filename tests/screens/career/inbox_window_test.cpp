// The inbox window on a game from the sample database.

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "core/money_text.h"
#include "platform/window/memo.h"
#include "platform/window/screen.h"
#include "screens/career/inbox_window.h"
#include "screens/main/main_window.h"
#include "screens/start/window_layout.h"
#include "season/news.h"
#include "tests/screens/sample_game_day.h"
#include "tests/screens/sample_game_world.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

class InboxWindowTest : public test::SampleGameTest {
  protected:
    TReportGrid& Grid() { return driver_->Get<TReportGrid>("grid1"); }
    std::string Cell(const char* column, int row) {
        return Grid().GetCellTextByVariant(column, row);
    }
    static bool FineQuestionShown() {
        return ControlNamed<Control>(*Screen::Get().FindForm("Form62"), "Panel1").Visible();
    }
    std::string MemoText() {
        std::string text;
        for (const std::string& line : driver_->Get<Memo>("Memo1").Lines()) text += line;
        return text;
    }
};

TEST_F(InboxWindowTest, ListsTheClubsNewsNewestFirstAndMarksThemReadWhenOpened) {
    GameData& data = Game();
    const int player = StrongestPlayer(club_);
    const int buyer = ComputerClub();
    const std::size_t before = data.inbox.size();
    const int sent_off = AddNewsItem(data, club_, neSentOff, 5, player, 0, 0);
    const int sold = AddNewsItem(data, club_, nePlayerSold, 0, player, buyer, 2'500'000);
    AddNewsItem(data, buyer, neFansProtest, 0, 0, 0, 0);  // another club's: not listed
    ASSERT_GE(sold, 0);
    // Dated today: the calendar entry of the current day.
    EXPECT_EQ(data.inbox[sold].date, data.calendar[data.game_state.calendar_day - 1].date);
    int own = 0;
    for (const t_news_item& item : data.inbox) own += item.club == club_ ? 1 : 0;

    driver_->Then([&] {
        ASSERT_EQ(Grid().GetRowCount(), own);
        EXPECT_EQ(Cell("id", 0), std::to_string(sold));
        EXPECT_EQ(Cell("id", 1), std::to_string(sent_off));
        EXPECT_EQ(Cell("assunto", 0),
                  data.players[player].name.str() + " vendido ao " + data.teams[buyer].name.str());
        EXPECT_EQ(Cell("from", 0), "Diretoria");
        EXPECT_EQ(Cell("lido", 0), "0");
        EXPECT_EQ(Cell("gcdata", 0).size(), 10u);

        // The sale's text ends with its price in words; no question is asked.
        Grid().SelectCell(2, 0);
        const std::string text = MemoText();
        EXPECT_NE(text.find(FormatMoneyInWords(2'500'000)), std::string::npos) << text;
        EXPECT_FALSE(FineQuestionShown());
        EXPECT_EQ(Cell("lido", 0), "1");
        EXPECT_EQ(data.inbox[sold].read, 1);

        // The sending-off asks about the fine once.
        Grid().SelectCell(2, 1);
        ASSERT_TRUE(FineQuestionShown());
        driver_->SavePng("inbox_window.png");
        driver_->Click("SchemeButton2");
        EXPECT_FALSE(FineQuestionShown());
        EXPECT_EQ(data.inbox[sent_off].answer_wanted, 0);
        driver_->Click("bt1");
    });
    ShowInboxWindow();
    EXPECT_EQ(Screen::Get().FindForm("Form62"), nullptr);
    EXPECT_EQ(data.inbox.size(), before + 3);

    // Opened again, the messages read stay read and the question is not asked again.
    driver_->Then([&] {
        EXPECT_EQ(Cell("lido", 0), "1");
        EXPECT_EQ(Cell("lido", 1), "1");
        Grid().SelectCell(2, 1);
        EXPECT_FALSE(FineQuestionShown());
        driver_->Click("bt1");
    });
    ShowInboxWindow();
}

// The main window's count of unread messages follows what was read in the inbox it opened.
TEST(InboxAndMainWindow, ClosingTheInboxRewritesTheMainWindowsUnreadCount) {
    testing::StartSampleGameOnAHumanDay(1, 2014);
    GameData& data = Game();
    const int club = data.game_state.user_club;
    for (t_news_item& item : data.inbox)
        if (item.club == club) item.club = -1;  // an inbox of the four messages alone
    for (int n = 0; n < 4; ++n) AddNewsItem(data, club, neFansProtest, 0, 0, 0, 0);
    TestDriver driver(1024, 768);
    MainWindowOpener("TForm62") = [] { ShowInboxWindow(); };
    TForm13* main = ShowMainWindow();
    ASSERT_NE(main, nullptr);
    driver.Pump();
    auto unread_label = [&driver] {
        return driver.Get<TMarkupLabel>("label32").HTMLLines().front();
    };
    EXPECT_EQ(unread_label(), "<shad>4 notícias não lidas</shad>");

    driver.Then([&] {
        auto& grid = driver.Get<TReportGrid>("grid1");
        ASSERT_EQ(grid.GetRowCount(), 4);
        grid.SelectCell(2, 1);
        driver.Click("bt1");
    });
    driver.Click("label32");  // the count opens the inbox
    EXPECT_EQ(Screen::Get().FindForm("Form62"), nullptr);
    EXPECT_EQ(unread_label(), "<shad>3 notícias não lidas</shad>");

    // Every message read: the label says there is nothing new.
    for (t_news_item& item : data.inbox) item.read = 1;
    driver.Then([&] { driver.Click("bt1"); });
    driver.Click("label32");
    EXPECT_EQ(unread_label(), "<shad>Sem novas notícias</shad>");

    MainWindowOpener("TForm62") = nullptr;
    main->Release();
    driver.Pump();
    Game().Reset();
}

}  // namespace
}  // namespace kv
