#include "season/shirt_numbers.h"

#include "core/game_data.h"

namespace kv {

bool SetShirtNumber(GameData& data, int player, int number) {
    if (player <= 0 || player >= static_cast<int>(data.players.size())) return false;
    if (number < 0 || number > kHighestShirtNumber) return false;
    const int club = data.players[player].team;
    if (club < 0) return false;
    if (number > 0)
        for (const int other : data.PlayersOf(club))
            if (data.players[other].shirt_number == number) data.players[other].shirt_number = 0;
    data.players[player].shirt_number = number;
    return true;
}

}  // namespace kv
