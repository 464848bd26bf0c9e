#pragma once
// An eleven drawn on the pitch picture: a shirt and a name label for each of the eleven slots
// at its position code's place, and seven bench places beside it. The in-match line-up window
// and the match view share it.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/picture.h"

namespace kv {

class Control;
class Image;
class TMarkupLabel;

// Where a position code's 55 x 55 shirt stands on the pitch picture (left, top).
struct PitchPlace {
    int left;
    int top;
};
PitchPlace PitchPlaceOf(int code);
// The first code whose 42 x 42 drop square holds a point of the pitch, 0 for none.
int PitchCodeAt(int x, int y);

// A player's name short enough for a shirt label: the name, or its first word, a blank, the
// first letter after it and a full stop when the name is wider than `max_width` pixels in the
// labels' font and holds a blank.
std::string ShortShirtName(const std::string& name, int max_width);

// The letter of the position code of the line-up slot that holds `player`; empty when none does.
std::string SlotLetterOf(int strength, int player);
// The cells after the first of a player's row in the match windows' lists: name, strength,
// energy with its per cent sign and, hidden, the player's index.
std::vector<std::string> PlayerRowCells(int player);

class PitchLineup {
  public:
    static constexpr int kPlaces = 18;  // 1..11 the eleven, 12..18 the bench
    // Creates the places on `pitch` (the picture's own control), named "camisa" n and
    // "labescal" n, and the bench places on `bench` at its top-left. The places stand where the
    // 800x600 design puts them, times numerator / denominator: the scale of their window.
    void Create(Control& pitch, Control& bench, int numerator = 1, int denominator = 1);
    // The position code whose drop square holds a point of the (scaled) pitch, 0 for none.
    int CodeAt(int x, int y) const;

    // Shows a player at place n (1..18) on code c (the bench ignores it): shirt picture, name
    // label, out-of-position colour and hint. Player 0 shows the empty shirt without a label.
    void ShowPlace(int n, int player, int code, const Picture& shirt, bool with_energy);
    void HidePlace(int n);
    // Packs the bench places that are shown from the top.
    void PackBench();

    Image& shirt(int n) { return *shirts_[n - 1]; }
    TMarkupLabel& label(int n) { return *labels_[n - 1]; }

  private:
    std::array<Image*, kPlaces> shirts_{};
    std::array<TMarkupLabel*, kPlaces> labels_{};
    std::array<int, kPlaces> codes_{};
    int numerator_ = 1;
    int denominator_ = 1;
    int Scaled(int v) const;
};

}  // namespace kv
