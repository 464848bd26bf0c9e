#include "core/game_data.h"

#include <utility>

#include "core/text_tables.h"

namespace kv {

GameData::GameData() {
    SetStartValues();
}

void GameData::Reset() {
    *this = GameData();
}

void GameData::SetStartValues() {
    regional_cup_entrants.fill(-1);
    job_offers.fill(-1);
    players.assign(1, t_player{});
    players[0].team = -1;
    LoadReferees(*this);
}

GameData& Game() {
    static GameData game;
    return game;
}

void SwapInGame(GameData& fresh) {
    std::swap(Game(), fresh);
}

}  // namespace kv
