#pragma once
// The words the screens show for countries and competitions, and the accent folding of the
// player search.

#include <string>
#include <string_view>

namespace kv {

// The masculine adjective of a country's league ("Brasileiro"), else the country's name.
std::string NationalityAdjective(int country);
// The country's name with its article as used after "Copa " ("do Brasil"), else its name.
std::string CountryWithArticle(int country);

// Folds the accented lower-case letters (à á â ã é è ê ó ò ô õ ú ù û ü í ì î ç ñ ä ë ï ö) to
// their plain letters; everything else, capitals included, is kept.
std::string RemoveAccents(std::string_view text);

}  // namespace kv
