#pragma once
// Prize money: paid into the club's cash and booked on the prizes line of its finances.

namespace kv {

class GameData;

// Nothing is paid to a team outside the table.
void PayPrize(GameData& data, int team, int units);

}  // namespace kv
