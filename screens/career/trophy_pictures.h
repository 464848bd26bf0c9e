#pragma once
// The trophies of the trophy cabinet, drawn by code once and kept: a cup on a plinth whose
// size, handles and metal tell the competitions apart.

#include <string_view>

#include "platform/gfx/picture.h"

namespace kv {

// tr_mundial, tr_lib, tr_cl, tr_cafr, tr_casi, tr_sul, tr_uefa, tr_recopas, tr_recopae,
// tr_nac*, tr_copa* and tr_estadual; any other name gives the plain national trophy.
const Picture& TrophyPicture(std::string_view name);

}  // namespace kv
