#include "season/career_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/season/season_setup.h"

namespace kv {
namespace {

using test::AddTeam;
using test::NewSeason;

int AddNamedTeam(GameData& data, const char* name) {
    const int team = AddTeam(data, 29);
    data.teams[team].name.set(name);
    return team;
}

// The first figure of every season row of a page (games), in the order shown.
std::vector<int> GamesShown(const std::string& text) {
    std::vector<int> games;
    const std::string column = "<IND x=\"173\">";
    std::size_t row = text.find("<br>") + 4;  // after the header
    for (std::size_t end; (end = text.find("<br>", row)) != std::string::npos; row = end + 4) {
        const std::size_t at = text.find(column, row) + column.size();
        games.push_back(std::stoi(text.substr(at)));
    }
    return games;
}

TEST(CareerTexts, CoachPageText) {
    auto data = NewSeason(2, 2);
    const int a = AddNamedTeam(*data, "Alvorada");
    const int b = AddNamedTeam(*data, "Bandeirante");
    const int c = AddNamedTeam(*data, "Grêmio & <b>Cia</b>");
    data->coach_seasons = {
        {0, 10, 5, 2, 30, 0, a, 1},
        {1, 99, 0, 0, 0, 0, a, 1},  // another coach
        {0, 20, 8, 4, 40, 1, b, 2},
        {0, 5, 1, 3, 6, 0, c, 2},
    };
    const t_info page = CoachCareerPage(*data, 0, -1);
    EXPECT_EQ(data->profile_subject, 0);
    EXPECT_EQ(page.next_page, -1);
    EXPECT_EQ(page.prev_page, -1);
    // Newest first; the year once per season; a name from the teams database stays text.
    EXPECT_EQ(page.text,
              "<IND x=\"5\">Ano <IND x=\"40\">Clube <IND x=\"173\">J<IND x=\"205\">V"
              "<IND x=\"235\">D<IND x=\"265\">PR<IND x=\"297\"><br>"
              "2015<IND x=\"40\">Grêmio &amp; &lt;b&gt;Cia&lt;/b&gt;<IND x=\"173\">5"
              "<IND x=\"207\">1<IND x=\"238\">3<IND x=\"268\">6<br>"
              "<IND x=\"40\">Bandeirante<IND x=\"173\">20<IND x=\"207\">8<IND x=\"238\">4"
              "<IND x=\"268\">40<br>"
              "2014<IND x=\"40\">Alvorada<IND x=\"173\">10<IND x=\"207\">5<IND x=\"238\">2"
              "<IND x=\"268\">30<br>"
              "<b>Total na carreira:<IND x=\"173\">35<IND x=\"207\">14<IND x=\"238\">9"
              "<IND x=\"268\">76 <IND x=\"300\"></b>");

    const t_info nobody = CoachCareerPage(*data, 7, 0);
    EXPECT_EQ(data->profile_subject, 7);
    EXPECT_EQ(nobody.text,
              "<IND x=\"5\">Ano <IND x=\"40\">Clube <IND x=\"173\">J<IND x=\"205\">V"
              "<IND x=\"235\">D<IND x=\"265\">PR<IND x=\"297\"><br>"
              "<b>Total na carreira:<IND x=\"173\">0<IND x=\"207\">0<IND x=\"238\">0"
              "<IND x=\"268\">0 <IND x=\"300\"></b>");
    EXPECT_EQ(nobody.next_page, -1);
    EXPECT_EQ(nobody.prev_page, -1);
}

TEST(CareerTexts, PlayerPageTextWithTheCurrentSeasonLine) {
    auto data = NewSeason(2, 3);
    const int old_club = AddNamedTeam(*data, "Alvorada");
    const int new_club = AddNamedTeam(*data, "Bandeirante");
    t_player& player = data->players.emplace_back();
    player.team = new_club;
    data->player_seasons = {{1, 4, 2, 1, 30, 1, 2, old_club}};

    // Bought in the close season: his new club's empty line of this season comes first.
    const std::string header =
        "<IND x=\"5\">Ano <IND x=\"40\">Clube <IND x=\"173\">J<IND x=\"205\"><IMG src=\"i_gol\">"
        "<IND x=\"235\"><IMG src=\"i_ca\"><IND x=\"265\"><IMG src=\"i_cv\"><IND x=\"292\">"
        "<IMG src=\"i_ct\"><br>";
    const std::string old_line =
        "2015<IND x=\"40\">Alvorada<IND x=\"173\">30<IND x=\"207\">4<IND x=\"238\">2"
        "<IND x=\"268\">1<IND x=\"295\">1<br>";
    const t_info page = PlayerCareerPage(*data, 1, 0);
    EXPECT_EQ(data->profile_subject, 1);
    EXPECT_EQ(page.text, header +
                             "2016<IND x=\"40\">Bandeirante<IND x=\"173\">0<IND x=\"207\">0"
                             "<IND x=\"238\">0<IND x=\"268\">0<IND x=\"295\">0<br>" +
                             old_line +
                             "<b>Total na carreira:<IND x=\"173\">30<IND x=\"207\">4"
                             "<IND x=\"238\">2<IND x=\"268\">1 <IND x=\"295\">1</b>");

    // Once he has a line of this season (at any club) the empty line goes.
    data->player_seasons.push_back({1, 0, 0, 0, 1, 0, 3, old_club});
    EXPECT_EQ(GamesShown(PlayerCareerPage(*data, 1, 0).text), (std::vector<int>{1, 30}));
    // Without a club there is none either.
    data->player_seasons.pop_back();
    data->players[1].team = -1;
    EXPECT_EQ(GamesShown(PlayerCareerPage(*data, 1, 0).text), (std::vector<int>{30}));
}

TEST(CareerTexts, PlayerPagesShowEveryLineOnce) {
    struct Case {
        int lines;
        std::vector<int> first_rows;  // the pages reached by ">>"
    };
    const Case cases[] = {
        {0, {0}},
        {17, {0}},
        {18, {0, 17}},
        {40, {0, 17, 34}},
    };
    for (const Case& c : cases) {
        auto data = NewSeason(2, 50);
        const int club = AddNamedTeam(*data, "Alvorada");
        data->players.emplace_back().team = -1;
        // Line i has i games; the newest (shown first) has the most.
        for (int i = 1; i <= c.lines; ++i)
            data->player_seasons.push_back({1, 0, 0, 0, i, 0, i, club});

        std::vector<int> shown;
        std::vector<int> first_rows;
        int row = -1;
        do {
            first_rows.push_back(row < 0 ? 0 : row);
            const t_info page = PlayerCareerPage(*data, 1, row);
            EXPECT_EQ(page.prev_page, row > 0 ? 1 : -1) << c.lines << " from " << row;
            const std::vector<int> games = GamesShown(page.text);
            EXPECT_LE(games.size(), 17u);
            shown.insert(shown.end(), games.begin(), games.end());
            // "<<" steps back by the page size to the page before.
            if (row > 0) {
                const int back = row - kPlayerCareerPageRows;
                EXPECT_EQ(GamesShown(PlayerCareerPage(*data, 1, back).text).front(), c.lines - back)
                    << c.lines << " from " << row;
            }
            row = page.next_page;
        } while (row > 0);
        EXPECT_EQ(first_rows, c.first_rows) << c.lines;
        std::vector<int> all;
        for (int i = c.lines; i >= 1; --i) all.push_back(i);
        EXPECT_EQ(shown, all) << c.lines;
        const std::string total = "<b>Total na carreira:<IND x=\"173\">" +
                                  std::to_string(c.lines * (c.lines + 1) / 2) + "<IND";
        EXPECT_NE(PlayerCareerPage(*data, 1, 0).text.find(total), std::string::npos) << c.lines;
    }
}

TEST(CareerTexts, CoachPagesOfFifteen) {
    struct Case {
        int lines, first_row;
        std::vector<int> games;
        int next_page, prev_page;
    };
    const Case cases[] = {
        {0, 0, {}, -1, -1},
        {15, 0, {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, -1, -1},
        {16, 0, {16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}, 15, -1},
        {16, 15, {1}, -1, 1},
        {16, 40, {}, -1, 1},
    };
    for (const Case& c : cases) {
        auto data = NewSeason(2, 50);
        const int club = AddNamedTeam(*data, "Alvorada");
        for (int i = 1; i <= c.lines; ++i)
            data->coach_seasons.push_back({2, i, 0, 0, 0, 0, club, i});
        const t_info page = CoachCareerPage(*data, 2, c.first_row);
        EXPECT_EQ(GamesShown(page.text), c.games) << c.lines << " from " << c.first_row;
        EXPECT_EQ(page.next_page, c.next_page) << c.lines << " from " << c.first_row;
        EXPECT_EQ(page.prev_page, c.prev_page) << c.lines << " from " << c.first_row;
    }
}

}  // namespace
}  // namespace kv
