#include "season/career_texts.h"

#include <array>
#include <string_view>
#include <vector>

#include "core/game_data.h"
#include "core/markup_escape.h"

namespace kv {
namespace {

constexpr std::string_view kCoachHeader =
    "<IND x=\"5\">Ano <IND x=\"40\">Clube <IND x=\"173\">J<IND x=\"205\">V<IND x=\"235\">D"
    "<IND x=\"265\">PR<IND x=\"297\"><br>";
constexpr std::string_view kPlayerHeader =
    "<IND x=\"5\">Ano <IND x=\"40\">Clube <IND x=\"173\">J<IND x=\"205\"><IMG src=\"i_gol\">"
    "<IND x=\"235\"><IMG src=\"i_ca\"><IND x=\"265\"><IMG src=\"i_cv\"><IND x=\"292\">"
    "<IMG src=\"i_ct\"><br>";

// The rows' columns; the header draws its titles a few pixels to the left of them.
constexpr std::array<int, 5> kColumnX = {173, 207, 238, 268, 295};
// The total line draws its first four figures in the row columns, then a blank and a tab.
constexpr int kTotalFigures = 4;

struct CareerLine {
    int season = 0;
    int club = -1;
    std::array<int, 5> figures{};
};

struct PageLayout {
    std::string_view header;
    int rows;
    int figures;       // coach: games, wins, losses, points; player: and the fifth, injuries
    int total_tail_x;  // where the total line's last tab goes
};

constexpr PageLayout kCoachLayout{kCoachHeader, kCoachCareerPageRows, 4, 300};
constexpr PageLayout kPlayerLayout{kPlayerHeader, kPlayerCareerPageRows, 5, 295};

std::string Tab(int x) {
    return "<IND x=\"" + std::to_string(x) + "\">";
}

std::string ClubName(const GameData& data, int club) {
    if (!InTable(data.teams, club)) return "";
    return EscapeMarkupText(data.teams[static_cast<std::size_t>(club)].name.str());
}

std::string Row(const GameData& data, const CareerLine& line, bool show_year, int figures) {
    std::string row = show_year ? std::to_string(SeasonYear(line.season)) : "";
    row += Tab(40) + ClubName(data, line.club);
    for (int i = 0; i < figures; ++i)
        row += Tab(kColumnX[static_cast<std::size_t>(i)]) +
               std::to_string(line.figures[static_cast<std::size_t>(i)]);
    return row + "<br>";
}

std::string TotalLine(const std::vector<CareerLine>& lines, const PageLayout& layout) {
    std::array<long long, 5> total{};
    for (const CareerLine& line : lines)
        for (std::size_t i = 0; i < total.size(); ++i) total[i] += line.figures[i];
    std::string text = "<b>Total na carreira:";
    for (int i = 0; i < kTotalFigures; ++i)
        text += Tab(kColumnX[static_cast<std::size_t>(i)]) +
                std::to_string(total[static_cast<std::size_t>(i)]);
    text += " " + Tab(layout.total_tail_x);
    for (int i = kTotalFigures; i < layout.figures; ++i)
        text += std::to_string(total[static_cast<std::size_t>(i)]);
    return text + "</b>";
}

// The subject's lines, newest first.
template <class Record, class ToLine>
std::vector<CareerLine> NewestFirst(const std::vector<Record>& table,
                                    std::int32_t Record::*subject_field, int subject,
                                    ToLine to_line) {
    std::vector<CareerLine> lines;
    for (auto r = table.rbegin(); r != table.rend(); ++r)
        if ((*r).*subject_field == subject) lines.push_back(to_line(*r));
    return lines;
}

struct Page {
    t_info info;
    int first_row = 0;
    std::string rows;
    int current_season_rows = 0;
};

Page BuildPage(const GameData& data, const std::vector<CareerLine>& lines, int first_row,
               const PageLayout& layout) {
    Page page;
    page.first_row = first_row = first_row < 0 ? 0 : first_row;
    const int count = static_cast<int>(lines.size());
    const int end = first_row < count - layout.rows ? first_row + layout.rows : count;
    // The year is written once per season: on the page's first row and where it changes.
    int previous_season = 0;
    for (int r = first_row; r < end; ++r) {
        const CareerLine& line = lines[static_cast<std::size_t>(r)];
        page.rows +=
            Row(data, line, r == first_row || line.season != previous_season, layout.figures);
        previous_season = line.season;
        if (line.season == data.game_state.season) ++page.current_season_rows;
    }
    page.info.next_page = end < count ? end : -1;
    page.info.prev_page = first_row > 0 ? 1 : -1;
    return page;
}

}  // namespace

t_info CoachCareerPage(GameData& data, int coach, int first_row) {
    data.profile_subject = coach;
    const std::vector<CareerLine> lines =
        NewestFirst(data.coach_seasons, &t_coach_season::coach, coach, [](const t_coach_season& s) {
            return CareerLine{s.season, s.team, {s.games, s.wins, s.losses, s.points, 0}};
        });
    Page page = BuildPage(data, lines, first_row, kCoachLayout);
    page.info.text = std::string(kCoachLayout.header) + page.rows + TotalLine(lines, kCoachLayout);
    return page.info;
}

t_info PlayerCareerPage(GameData& data, int player, int first_row) {
    data.profile_subject = player;
    const std::vector<CareerLine> lines = NewestFirst(
        data.player_seasons, &t_player_season::player, player, [](const t_player_season& s) {
            return CareerLine{
                s.season, s.club, {s.games, s.goals, s.yellow_cards, s.red_cards, s.injuries}};
        });
    Page page = BuildPage(data, lines, first_row, kPlayerLayout);

    std::string current_season;
    if (page.first_row == 0 && page.current_season_rows == 0 && InTable(data.players, player)) {
        const int club = data.players[static_cast<std::size_t>(player)].team;
        if (InTable(data.teams, club))
            current_season = Row(data, {data.game_state.season, club, {}}, true, 5);
    }
    page.info.text = std::string(kPlayerLayout.header) + current_season + page.rows +
                     TotalLine(lines, kPlayerLayout);
    return page.info;
}

}  // namespace kv
