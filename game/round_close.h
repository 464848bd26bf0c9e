#pragma once
// The end of a match day. Opening the round results closes the league tables (and the
// world cup groups); its "Continuar >>" closes the round: the calendar moves to the next
// playing day, loans and stadium works that are due end, the group stages just played are
// settled, national-team squads are called up or sent home, the day's match data is cleared,
// the referees drawn, the players revalued once a season, jobs offered, coaches sacked,
// computer clubs trade, and the next screen is chosen.

#include "game/game_windows.h"

namespace kv {

class GameData;

// Set when the league's last round is played; cleared by the season change.
bool LeagueSeasonOver(const GameData& data);
void SetLeagueSeasonOver(GameData& data, bool over);

// The round results window opens.
void OpenRoundResults(GameData& data);

struct RoundCloseResult {
    NextScreen next = NextScreen::kMatchDay;
    int auctions = 0;  // auctions before the main window (kAuction)
};

// "Continuar >>" of the round results.
RoundCloseResult CloseRound(GameData& data, GameWindows& windows);

// Whether a human club (or national team) plays on a day of this kind.
bool HumanPlaysNextDay(const GameData& data, int kind);

// The computer transfers after a league day, by the league format, the day the calendar
// moved to and the season.
int RandomTransfersAfterLeagueDay(int league_format, int day, int season);

// The next match day at once: the group shown first, the computer line-ups.
void PrepareNextMatchDay(GameData& data);

// Moves to the next playing day of a new season (or a loaded one) and decides the screen.
NextScreen StartNextPlayDay(GameData& data);

}  // namespace kv
