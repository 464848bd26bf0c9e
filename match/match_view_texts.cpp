#include "match/match_view_texts.h"

#include "core/markup_escape.h"
#include "core/money_text.h"
#include "core/types.h"
#include "match/match_day_helpers.h"
#include "match/match_engine.h"
#include "match/match_tables.h"
#include "match/position_codes.h"
#include "match/round_even.h"

namespace kv {
namespace {

std::string NameOf(int player) {
    const t_player* p = PlayerAt(player);
    return p ? p->name.str() : std::string();
}

bool IsGoal(int kind) {
    return kind == meGoal || kind == meOwnGoal || kind == meFreeKickGoal || kind == mePenaltyGoal;
}

std::string MinuteOf(int tick) {
    return std::to_string(TickToMinute(tick)) + "'";
}

}  // namespace

std::string_view EventIconName(const t_match_event& event) {
    switch (event.kind) {
        case meGoal:
        case meFreeKickGoal:
        case mePenaltyGoal:
            return "i_gol";
        case meOwnGoal:
        case mePenaltyMissed:
            return "i_golv";
        case meCard:
            return event.value == 1 ? "i_ca" : event.value == 3 ? "i_cacv" : "i_cv";
        case meInjury:
            return "i_ct";
        case meSubstitution:
        case meInjurySubstitution:
            return "i_sub";
        default:
            return {};
    }
}

static std::string_view EventSuffix(int kind) {
    switch (kind) {
        case meOwnGoal:
            return " (contra)";
        case meFreeKickGoal:
            return " (de falta)";
        case mePenaltyGoal:
            return " (de penalti)";
        case mePenaltyMissed:
            return " (perdeu penalti)";
        default:
            return {};
    }
}

std::string EventSubject(const t_match_event& event) {
    if (event.kind == meSubstitution || event.kind == meInjurySubstitution)
        return "(" + NameOf(event.player) + ") " + NameOf(event.value);
    return NameOf(event.player) + std::string(EventSuffix(event.kind));
}

std::string_view HalfOfTick(int tick) {
    return tick < kFirstHalfLastTick + 1 ? "1º" : "2º";
}

std::string_view EventRowColour(const t_match_event& event) {
    std::string_view colour = "#DFDF00";
    switch (event.kind) {
        case meGoal:
        case meFreeKickGoal:
        case mePenaltyGoal:
        case meSubstitution:
            colour = "clwhite";
            break;
        case meCard:
            colour = event.value == 1 ? "clyellow" : "clred";
            break;
        case meInjury:
        case meInjurySubstitution:
            colour = "clred";
            break;
        default:
            break;
    }
    return colour;
}

std::string EventRowMarkup(const t_match_event& event, bool home_side, bool bold_home) {
    const std::string_view colour = EventRowColour(event);
    // The row's label gives the size, which follows the window's.
    std::string s = "<FONT color=\"" + std::string(colour) + "\"><SHAD>";
    if (bold_home && home_side) s += "<b>";
    s += EscapeMarkupText(EventSubject(event)) + " " + MinuteOf(event.tick);
    if (bold_home && home_side) s += "</b>";
    return s + "</SHAD></FONT>";
}

std::string EventListMarkup(std::span<const t_match_event> events, int home_team, int listed,
                            int ellipsis_at) {
    std::string s;
    int home_goals = 0;
    int away_goals = 0;
    int n = 0;
    for (const t_match_event& e : events) {
        ++n;
        const bool home = e.team == home_team;
        if (IsGoal(e.kind)) ++(home ? home_goals : away_goals);
        if (n > listed) continue;
        const std::string when = MinuteOf(e.tick) + " - " + std::string(HalfOfTick(e.tick));
        const std::string name = EscapeMarkupText(NameOf(e.player));
        const std::string_view suffix = EventSuffix(e.kind);
        std::string text;
        if (IsGoal(e.kind))
            text = std::to_string(home_goals) + "x" + std::to_string(away_goals) + " - " + name +
                   " - " + when + std::string(suffix);
        else if (e.kind == meSubstitution || e.kind == meInjurySubstitution)
            text = EscapeMarkupText(EventSubject(e)) + " " + when;
        else
            text = name + " " + when + std::string(suffix);
        const std::string icon = "<IMG src=\"" + std::string(EventIconName(e)) + "\">";
        s += "<P align=\"" + std::string(home ? "left" : "right") +
             "\"><FONT color=\"#DFDF00\"  size=\"8\" face=\"Arial\"><B>" + (home ? icon : "") +
             "<SHAD>" + text + " </SHAD>" + (home ? "" : icon) + "</b></font></p>";
    }
    if (n >= ellipsis_at) s += "<FONT color=\"#DFDF00\">...</font>";
    return s;
}

PossessionShares LivePossessionShares(const jogos& match, int home_style, int away_style) {
    int figures[2] = {match.possession[0], match.possession[1]};
    const int styles[2] = {home_style, away_style};
    for (int side = 0; side < 2; ++side) {
        if (match.goals[side] < match.goals[1 - side])
            figures[side] = RoundEven(figures[side] * 0.9);
        if (styles[side] == 2) figures[side] = RoundEven(figures[side] * 0.7);
    }
    if (figures[0] == 0 && figures[1] == 0) figures[0] = figures[1] = 1;
    const int total = figures[0] + figures[1];
    if (total <= 0) return {50, 50};
    const int home = RoundEven(100.0 * figures[0] / total);
    return {home, 100 - home};
}

PossessionShares ArchivedPossessionShares(int home_ticks, int away_ticks) {
    const long long total = static_cast<long long>(home_ticks) + away_ticks;
    if (total <= 0) return {0, 100};
    const int home = static_cast<int>(100LL * home_ticks / total);
    return {home, 100 - home};
}

std::string StatisticsMarkup(const MatchFigures& f) {
    auto line = [](const std::string& home, std::string_view label, const std::string& away) {
        return "<shad>" + home + std::string(label) + away + "</shad><BR>";
    };
    auto pair = [&](const int(&v)[2], std::string_view label) {
        return line(std::to_string(v[0]), label, std::to_string(v[1]));
    };
    return line(std::to_string(f.possession.home) + "%",
                "<IND x=\"40\">Posse de Bola<IND x=\"150\">",
                std::to_string(f.possession.away) + "%") +
           pair(f.shots, "<IND x=\"45\">Finalizações<IND x=\"150\">") +
           pair(f.tackles, "<IND x=\"40\">Roubadas bola<IND x=\"150\">") +
           pair(f.wrong_passes, "<IND x=\"40\">Passes errados<IND x=\"150\">") +
           pair(f.fouls, "<IND x=\"40\">Faltas cometidas<IND x=\"150\">");
}

MatchFigures LiveMatchFigures(const jogos& m, int home_style, int away_style) {
    return {LivePossessionShares(m, home_style, away_style),
            {m.shots[0], m.shots[1]},
            {m.tackles[0], m.tackles[1]},
            {m.wrong_passes[0], m.wrong_passes[1]},
            {m.fouls[0], m.fouls[1]}};
}

MatchFigures ArchivedMatchFigures(const t_archived_match& m) {
    // Per side: possession, balls won, shots, wrong passes, fouls, passes completed.
    const auto& h = m.stats[0];
    const auto& a = m.stats[1];
    return {ArchivedPossessionShares(h[0], a[0]),
            {h[2], a[2]},
            {h[1], a[1]},
            {h[3], a[3]},
            {h[4], a[4]}};
}

std::string FirstLegMarkup(int match) {
    const GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    const jogos* m = DayMatchAt(match);
    if (!m) return {};
    int round = -1;
    switch (gs.match_kind) {
        case ckNationalCup:
            if (gs.national_cup_leg == 2) round = gs.national_cup_round;
            break;
        case ckContinentalCup:
            if (gs.continental_cup_round >= 4 && gs.continental_cup_leg == 2)
                round = gs.continental_cup_round;
            break;
        case ckSecondContinentalCup:
            if (gs.second_cup_leg != 2) break;
            if (gd.match_day_group == crSouthAmerica)
                round = gd.second_cup_south_round;
            else if (gs.second_cup_round >= 4)
                round = gs.second_cup_round;
            break;
        default:
            break;
    }
    FixtureScore first{-1, -1};
    if (gs.match_kind == ckStateChampionship && gs.state_league_round == 7 &&
        gd.state_position >= 0 && gd.state_position < kStateCount) {
        // The state keeps its first final: the runner-up (finalist b) was at home.
        const t_state_league& s = gd.state_leagues[gd.state_position];
        if (s.finalist_b == m->team[1] && s.finalist_a == m->team[0])
            first = {s.final_goals_b1, s.final_goals_a1};
    } else if (round >= 0) {
        // Today's away team was at home in the first leg.
        first = FixtureScoreOfRound(round, m->team[1], m->team[0]);
    }
    if (first.home_goals < 0 || first.away_goals < 0) return {};
    auto name = [](int team) {
        const t_team* t = TeamAt(team);
        return t ? EscapeMarkupText(t->name.str()) : std::string();
    };
    return "<SHAD>Primeiro Jogo</SHAD><BR><SHAD><FONT color=\"#FFFFFF\">" + name(m->team[1]) +
           "</FONT></SHAD><IND x=\"120\"><SHAD>" + std::to_string(first.home_goals) +
           "</SHAD><BR><SHAD><FONT color=\"#FFFFFF\">" + name(m->team[0]) +
           "</FONT></SHAD><IND x=\"120\"><SHAD>" + std::to_string(first.away_goals) + "</SHAD><BR>";
}

std::string AttendanceHint(const std::int32_t (&sectors)[4]) {
    return "(G:" + FormatThousands(sectors[0]) + " A:" + FormatThousands(sectors[1]) +
           " Cd:" + FormatThousands(sectors[2]) + " Cm:" + FormatThousands(sectors[3]) + ")";
}

std::string FormationOfCodes(std::span<const std::int32_t> codes) {
    int lines[3] = {0, 0, 0};
    for (std::size_t slot = 0; slot < codes.size() && slot < 10; ++slot) {
        const int c = codes[slot];
        if (c >= 1 && c <= 9)
            ++lines[0];
        else if (c >= 10 && c <= 17)
            ++lines[1];
        else if (c >= 18 && c <= 25)
            ++lines[2];
    }
    return std::to_string(lines[0]) + "-" + std::to_string(lines[1]) + "-" +
           std::to_string(lines[2]);
}

bool PlaysOutOfPosition(int player, int code) {
    const t_player* p = PlayerAt(player);
    if (!p || !IsPositionCode(code)) return false;
    if (p->position == 3 && (code == 10 || code == 17)) return false;
    return p->position != position_codes(code).group;
}

}  // namespace kv
