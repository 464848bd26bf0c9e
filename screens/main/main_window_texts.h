#pragma once
// The texts of the main window's panels and squad grid, each built as a string from the game
// so that it can be checked without a window. No platform header here.

#include <string>
#include <utility>

#include "season/coach_dismissals.h"

namespace kv {

class GameData;

// "<shad>N jogadores</shad>".
std::string SquadCountText(int players);
// The unread-news line: one, several or none.
std::string UnreadNewsText(int unread);
// "<shad><b>Téc:</b><u>name</u></shad>".
std::string CoachText(const std::string& coach_name);
// The division line of the club panel: the league division with the club's league position,
// or on a state-championship day (`kind` is today's match kind) its state division.
std::string DivisionLineText(const GameData& data, int club, int kind);
// The cash in words, in shadow.
std::string MoneyText(long long cash_units);
// The salary cell's hint from the days left on the contract.
std::string ContractHint(double days_left);
// The characteristics cell and its hint (empty when the two are the same). A value outside
// 0..13 is first put right in the player record.
std::pair<std::string, std::string> CharacteristicsCell(GameData& data, int player);
// The availability picture of a player today and whether he is unavailable.
std::pair<int, bool> AvailabilityPicture(const GameData& data, int player, int kind);
// The club's opponent in today's match, -1 when it has none today; `away` tells where it plays.
int TodaysOpponentOf(const GameData& data, int club, bool& away);
// The dismissal message of the leaving coach, with the reason he was given.
std::string DismissalText(const GameData& data, int club, int coach, DismissalReason reason);

// The next-match panel: the opponent (with his table position where it counts), the
// competition and the round, and whether the club plays at home or away.
std::string NextMatchText(const GameData& data, int club, int opponent, bool away);
// The referee of the club's match today, 1-based into referees (0 = none): the turn's entry of
// the round's home-country referees for a club of the home country, else of the international
// ones.
int TurnReferee(const GameData& data, int club, int human_turn);
// "Árbitro: " and the referee's name; empty for no referee.
std::string RefereeHint(const GameData& data, int referee);

// The texts of the head-to-head panel against today's opponent.
struct HeadToHeadTexts {
    std::string title;         // lb_conf1: meetings and draws
    std::string records;       // lb_conf2: both clubs' wins, losses and goals
    std::string last_meeting;  // lb_conf3
    std::string heading;       // lb_conf4
    std::string club;          // lb_conft1
    std::string opponent;      // lb_conft2
};
HeadToHeadTexts HeadToHeadPanelTexts(const GameData& data, int club, int opponent);

// The player panel's name line and details. `tall` on screens taller than 600 pixels, where
// the lines are spaced and the second column starts further right.
std::string PlayerNameLine(const GameData& data, int player, bool tall);
std::string PlayerDetailsText(const GameData& data, int player, bool tall, int games, int goals);

}  // namespace kv
