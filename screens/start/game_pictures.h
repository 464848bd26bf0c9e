#pragma once
// The pictures every window shares for the whole run, loaded once at start-up: the background
// painted behind the windows and one flag per country.

#include <vector>

#include "platform/gfx/picture.h"

namespace kv {

// One entry per country index and one more, left empty, for the custom championship.
inline constexpr int kFlagCountries = 202;
inline constexpr int kFlagPictureEntries = kFlagCountries + 1;

// Empty when img\f01.jpg is missing: every window then keeps its own colour.
Picture& background_bitmap();
std::vector<Picture>& flag_pictures();

// Reads img\f01.jpg of the game folder into background_bitmap().
void LoadBackgroundBitmap();
// Fills flag_pictures() from img\flags\<country>.png; a country whose file is missing or cannot
// be read shows `default_flag`.
void LoadFlagPictures(const Picture& default_flag);

}  // namespace kv
