#pragma once
// The words the screens show for countries and competitions, and the accent folding of the
// player search.

#include <string>
#include <string_view>

namespace kv {

class GameData;

// The masculine adjective of a country's league ("Brasileiro"), else the country's name.
std::string NationalityAdjective(int country);
// The country's name with its article as used after "Copa " ("do Brasil"), else its name.
std::string CountryWithArticle(int country);

// The display name of a competition of the registry ("Camp. Brasileiro - 2ª divisão",
// "Copa do Brasil", "Libertadores"); empty for the friendly placeholder, an unknown id or a
// kind and division that name no competition.
std::string CompetitionName(int competition_id);
std::string CompetitionName(const GameData& data, int competition_id);

// Folds the accented lower-case letters (à á â ã é è ê ó ò ô õ ú ù û ü í ì î ç ñ ä ë ï ö) to
// their plain letters; everything else, capitals included, is kept.
std::string RemoveAccents(std::string_view text);

}  // namespace kv
