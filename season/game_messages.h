#pragma once
// The few messages the season's rules show the player themselves. The window layer
// shows them in a message box; a game run with no display records or ignores them.

#include <string_view>

namespace kv {

class GameMessages {
  public:
    virtual ~GameMessages() = default;

    // An error the player must read before the game goes on.
    virtual void ShowError(std::string_view text) = 0;
};

}  // namespace kv
