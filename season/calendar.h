#pragma once
// The season calendar: which competition kind is played on each of the 366 days of
// the season's year. Laid out from a fixed sequence of weekday slots, so a competition
// that is switched off keeps its days and every other one keeps its dates.

namespace kv {

struct GameData;
struct t_league_config;

// The national-team tournament of the season's year (2013 + season); the years
// exclude each other and a year with remainder 1 has none.
bool IsWorldCupYear(const GameData& data);
bool IsAmericasNationsCupYear(const GameData& data);
bool IsEuropeanNationsCupYear(const GameData& data);

// The home country's cup opens with an extra round of 32 ties: divisions of 20 and a
// home-country league of more than 80 clubs.
bool NationalCupHasExtraRound(const GameData& data);
bool LeagueCupHasExtraRound(const GameData& data, const t_league_config& config);

// Rebuilds the whole calendar of the current season from the season number and the switches.
void BuildSeasonCalendar(GameData& data);

// Gives the first free day of the weekday (1 Sunday .. 7 Saturday) after the last used
// day the type; returns its 1-based number, -1 when none is left.
int AssignCalendarDay(GameData& data, int weekday, int day_type);

// Lays out the slot sequence of the league format onto a calendar of free days.
void AssignCompetitionDays(GameData& data);

}  // namespace kv
