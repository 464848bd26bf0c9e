#pragma once
// The texts a match is shown with on the match-day screens: an event's icon, its line in a row
// or in a match's event list, the possession shares and statistics, the formation of an
// archived eleven and whether a player plays out of his position.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/records_match.h"

namespace kv {

// "i_gol", "i_golv", "i_ca", "i_cv", "i_cacv", "i_ct" or "i_sub"; empty for any other kind.
std::string_view EventIconName(const t_match_event& event);

// Who the event is about: the player's name, or "(off) on" for a substitution, with the
// goal's or the penalty's suffix (" (contra)", " (de falta)", " (de penalti)", " (perdeu
// penalti)"). Plain text, not mark-up.
std::string EventSubject(const t_match_event& event);

// "1º" for a tick of the first half, else "2º".
std::string_view HalfOfTick(int tick);

// The mark-up of an event in its match-day row: coloured by kind, bold for a home event when
// `bold_home` is set, with the minute.
std::string EventRowMarkup(const t_match_event& event, bool home_side, bool bold_home);
// The colour name that row is written in: "clred" for sendings-off and injuries.
std::string_view EventRowColour(const t_match_event& event);

// The event list of one match: one line per event of `events` (already the match's own), a
// home event (of `home_team`) to the left with its icon first, an away event to the right
// with its icon last, goals with the running score. At most `listed` lines; a list of
// `ellipsis_at` events or more ends with "...".
std::string EventListMarkup(std::span<const t_match_event> events, int home_team, int listed,
                            int ellipsis_at);

struct PossessionShares {
    int home;
    int away;
};

// The possession a running match shows: the trailing side's ticks count 90 %, a
// counter-attacking side's 70 %, each rounded; two zeros count as one each.
PossessionShares LivePossessionShares(const jogos& match, int home_style, int away_style);

// The possession of an archived match: whole per cents of the ticks, 0 and 100 when nobody had
// the ball.
PossessionShares ArchivedPossessionShares(int home_ticks, int away_ticks);

struct MatchFigures {
    PossessionShares possession;
    int shots[2];
    int tackles[2];
    int wrong_passes[2];
    int fouls[2];
};

// The five lines of the statistics box.
std::string StatisticsMarkup(const MatchFigures& figures);
MatchFigures LiveMatchFigures(const jogos& match, int home_style, int away_style);
MatchFigures ArchivedMatchFigures(const t_archived_match& match);

// The hint over an attendance: "(G:" geral " A:" arquibancada " Cd:" cadeiras " Cm:" camarotes ")".
std::string AttendanceHint(const std::int32_t (&sectors)[4]);

// The first leg of a two-legged tie whose second leg day match `match` is: its home team and
// goals, then the other team and goals, as the in-match line-up shows them; empty when the
// match is no second leg or its first leg is not found.
std::string FirstLegMarkup(int match);

// Defenders, midfielders and forwards of slots 1..10 of a set of position codes ("4-4-2").
std::string FormationOfCodes(std::span<const std::int32_t> codes);

// Whether a player stands on a code of another position group (a midfielder on a wing-back
// code 10 or 17 does not count).
bool PlaysOutOfPosition(int player, int code);

}  // namespace kv
