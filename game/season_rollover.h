#pragma once
// The change of season: the best elevens of the season, promotion and relegation, the state
// championship groups, values, wages, ages and retirements, the computer clubs' transfer
// window, and the next season's calendar, competitions and draws, then the season money.
// It runs once when the last playing day is closed; running it twice advances two seasons.

#include "game/game_windows.h"

namespace kv {

class GameData;

void RecordSeasonBestElevens(GameData& data);
void PromoteAndRelegate(GameData& data, int config);
void RolloverStateChampionships(GameData& data);
void PaySeasonMoney(GameData& data);
// `review_season` is the season being closed.
void RunSeasonRollover(GameData& data, int review_season);

// The season-end review opens: returns the season being closed (the one the review shows)
// after turning the season over. Once only: a second call before the new season starts
// changes nothing.
int EndSeason(GameData& data);

// The review's "Continuar >>": coaches of clubs out of the league lose them, the coaches the
// state championships left without a club get their invitation back, the pre-season
// friendlies are offered, and the calendar moves to the first playing day of the new season.
NextScreen StartNewSeason(GameData& data, GameWindows& windows);

// Whether a human club plays on the day the calendar stands on, by its kind.
bool HumanPlaysOnFirstDay(const GameData& data);

}  // namespace kv
