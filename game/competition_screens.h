#pragma once
// What the competition screens show, worked out from the game's tables with no window: table
// positions and bands, the walk over a knock-out bracket, the rounds of a fixture list, the
// stored best elevens, the day's results with their match details, and the season review.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "game/table_order.h"

namespace kv {

class GameData;
struct t_fixture;

// ---- tables

// Whether two rows stand level on points, goal difference, goals for and wins.
bool LevelInTable(const TableRow& a, const TableRow& b);
// "1º", "2º", ...; a row level with the row above shows no position.
std::vector<std::string> ShownPositions(std::span<const TableRow> rows);

// A division of a league in the order the round close keeps; an empty place is a row of team -1.
std::vector<TableRow> DivisionTable(const GameData& data, int config, int division);
// A group of teams with their tallies of `kind`, sorted; empty places (-1) come last as rows of
// team -1, so the group keeps its size.
std::vector<TableRow> GroupTable(const GameData& data, std::span<const std::int32_t> teams,
                                 int kind);

enum TableBand : int {
    kBandPlain = 1,
    kBandFirstCup = 2,
    kBandSecondCup = 3,
    kBandUp = 4,
    kBandDown = 5,
};
// Band of every row (1..20) of every division (1..4) of a league: [division - 1][row - 1].
using LeagueBands = std::array<std::array<int, 20>, 4>;
LeagueBands LeagueTableBands(const GameData& data, int config);

// ---- knock-out brackets

struct BracketTie {
    int team1 = -1;
    int team2 = -1;
    int fixture = -1;  // the first leg
    std::string score;
};

// A knock-out team not drawn yet: no index of a team.
bool UnknownKnockoutTeam(const GameData& data, int team);
// "2x1", "2x1-0x3", "1x0-0x1;P:5x4"; empty while the first leg is unplayed.
std::string TieScoreText(const t_fixture& leg1, const t_fixture* leg2);
// Up to `slots` ties read as leg pairs from `first_fixture` on. The walk stops at the end of
// the list, where the kind or the owner changes, and at the first tie not fully drawn.
std::vector<BracketTie> WalkBracket(const GameData& data, int first_fixture, int slots);

// ---- fixtures by round

struct RoundEntry {
    int round = 1;
    int half = 1;
};
// Every round of the first half, then every round of the second.
std::vector<RoundEntry> RoundEntries(int rounds_per_half);
std::string RoundEntryText(const RoundEntry& entry);  // "3ª rodada-1º turno"
// The entry of a round counter and half counter (any half but 1 is the second), clamped.
int RoundEntryIndex(int rounds_per_half, int round, int half);

struct FixtureRow {
    int fixture = -1;  // -1 on a section row
    std::string title;
};
// The fixtures of one round in list order, with a title row before each division or group.
std::vector<FixtureRow> RoundFixtureRows(const GameData& data, int owner, int kind, int round,
                                         int half);

// ---- best elevens

// "1ª R - 1º T", ...: the rounds of the league played so far this season.
std::vector<std::string> BestElevenRoundEntries(const GameData& data);
// The newest stored eleven that matches, null when none.
const struct t_round_best_eleven* FindRoundBestEleven(const GameData& data, int competition,
                                                      int season, int round);
const struct t_season_best_eleven* FindSeasonBestEleven(const GameData& data, int competition,
                                                        int season);
// The caption under a shirt: position initial, name and club.
std::string BestElevenSlotMarkup(const GameData& data, int player, int team);

// ---- round results

// The day's archived matches of a kind and group, in archive order.
std::vector<int> DayResults(const GameData& data, int kind, int group, double date);

struct ResultsRow {
    int match = -1;  // archive index; -1 on a heading row
    std::string heading;
};
// The rows of the results list with the heading rows of the kind inserted.
std::vector<ResultsRow> ResultsRows(const GameData& data, int kind, int group,
                                    std::span<const int> matches);

std::string PlayingStyleText(int style);  // empty for an unknown value
std::string AttackRouteText(int route);
std::string MarkingText(int marking);
int HomePossessionPercent(int home, int away);
// The side's line-up as mark-up: one block per rated player in pitch display order, with the
// substitutes that took his place.
std::string LineupMarkup(const GameData& data, int match, int team);
std::string GoalsMarkup(const GameData& data, int match);
// The cards of one team's players.
std::string CardsMarkup(const GameData& data, int match, int team);

// ---- season review

struct ReviewRow {
    int icon = 0;  // 0 heading, 1 champion, 2 runner-up, 5 top scorer
    int team = -1;
    std::string text;
};
std::vector<ReviewRow> NationalReviewRows(const GameData& data, int config, int season);
std::vector<ReviewRow> InternationalReviewRows(const GameData& data, int season);
bool ReviewShowsInternational(const GameData& data, int season);

}  // namespace kv
