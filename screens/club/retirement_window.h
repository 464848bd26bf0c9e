#pragma once
// The coach retires one of his players and promotes a youth of his choosing in his place.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm48Layout;

class TForm48 : public Form {
  public:
    explicit TForm48(int player);
    void RetireClick();  // "Aposentar"
    // The promoted youth, -1 until a retirement.
    int successor() const { return successor_; }

  private:
    int player_;
    int successor_ = -1;
};

// The retirement window for the player, modal; the successor, -1 when nobody retired.
int ShowRetirementWindow(int player);

}  // namespace kv
