#include "core/display_names.h"

#include <array>
#include <utility>

#include "core/game_data.h"
#include "core/text_tables.h"

namespace kv {

namespace {

using CountryWord = std::pair<int, std::string_view>;

constexpr std::array<CountryWord, 28> kAdjectives = {{
    {3, "Alemão"},      {11, "Argentino"},  {26, "Boliviano"},    {29, "Brasileiro"},
    {42, "Chileno"},    {43, "Chinês"},     {46, "Colombiano"},   {60, "Equatoriano"},
    {62, "Escocês"},    {65, "Espanhol"},   {72, "Francês"},      {78, "Grego"},
    {85, "Holandês"},   {97, "Inglês"},     {104, "Italiano"},    {107, "Japonês"},
    {131, "Mexicano"},  {150, "Paraguaio"}, {151, "Peruano"},     {154, "Português"},
    {162, "Russo"},     {179, "Sueco"},     {180, "Suiço"},       {192, "Turco"},
    {193, "Ucraniano"}, {195, "Uruguaio"},  {198, "Venezuelano"}, {202, "Personalizado"},
}};

// The custom championship's cup is feminine: "Copa Personalizada".
constexpr std::array<CountryWord, 13> kWithArticle = {{
    {3, "da Alemanha"},
    {11, "da Argentina"},
    {29, "do Brasil"},
    {65, "da Espanha"},
    {72, "da França"},
    {85, "da Holanda"},
    {97, "da Inglaterra"},
    {104, "da Itália"},
    {107, "do Japão"},
    {131, "do México"},
    {154, "de Portugal"},
    {162, "da Rússia"},
    {202, "Personalizada"},
}};

template <std::size_t N>
std::string WordOrCountryName(const std::array<CountryWord, N>& words, int country) {
    for (const auto& [index, word] : words)
        if (index == country) return std::string(word);
    return std::string(CountryName(country));
}

}  // namespace

std::string NationalityAdjective(int country) {
    return WordOrCountryName(kAdjectives, country);
}

std::string CountryWithArticle(int country) {
    return WordOrCountryName(kWithArticle, country);
}

std::string CompetitionName(int competition_id) {
    return CompetitionName(Game(), competition_id);
}

std::string CompetitionName(const GameData& data, int competition_id) {
    const std::vector<t_competition>& registry = data.competitions;
    if (competition_id < 0 || static_cast<std::size_t>(competition_id) >= registry.size())
        return {};
    const t_competition& c = registry[static_cast<std::size_t>(competition_id)];
    switch (c.kind) {
        case ckNationalLeague: {
            static constexpr std::array<std::string_view, 5> kDivisionSuffix = {
                "", " - 2ª divisão", " - 3ª divisão", " - 4ª divisão", " - Regional"};
            if (c.division < 1 || c.division > 5) return {};
            return "Camp. " + NationalityAdjective(c.area) +
                   std::string(kDivisionSuffix[static_cast<std::size_t>(c.division - 1)]);
        }
        case ckNationalCup:
            return "Copa " + CountryWithArticle(c.area);
        case ckStateChampionship:
            // A state read from a saved game may be out of range; name it by nothing then.
            if (c.area < 0 || c.area >= kStateCount) return {};
            return "Camp. " + std::string(state_adjectives[static_cast<std::size_t>(c.area)]);
        case ckContinentalCup:
            switch (c.division) {
                case ctSouthAmerica:
                    return "Libertadores";
                case ctEurope:
                    return "Liga dos Campeões";
                case ctAfrica:
                    return std::string(continental_cup_names[2]);
                case ctAsia:
                    return std::string(continental_cup_names[3]);
                default:
                    return {};
            }
        case ckClubWorldCup:
            return "Mundial de Clubes";
        case ckSecondContinentalCup:
            switch (c.division) {
                case ctSouthAmerica:
                    return "Sul-Americana";
                case ctEurope:
                    return "Liga Europa da UEFA";
                default:
                    return {};
            }
        case ckWorldCup:
            return "Copa do Mundo";
        case ckAmericasNationsCup:
            return "Copa América";
        case ckEuropeanNationsCup:
            return "Eurocopa";
        case ckSuperCup:
            switch (c.division) {
                case ctSouthAmerica:
                    return "Recopa Sul-Americana";
                case ctEurope:
                    return "Recopa Europeia";
                default:
                    return {};
            }
        default:
            return {};
    }
}

std::string RemoveAccents(std::string_view text) {
    // Every letter folded here is two bytes in UTF-8, and a lead byte never appears inside
    // another character, so matching at each byte is safe.
    constexpr std::string_view kAccented = "àáâãéèêóòôõúùûüíìîçñäëïö";
    constexpr std::string_view kPlain = "aaaaeeeoooouuuuiiicnaeio";
    static_assert(kAccented.size() == 2 * kPlain.size());
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool folded = false;
        if (i + 1 < text.size()) {
            for (std::size_t k = 0; k < kPlain.size(); ++k) {
                if (text.compare(i, 2, kAccented.substr(2 * k, 2)) == 0) {
                    out += kPlain[k];
                    ++i;
                    folded = true;
                    break;
                }
            }
        }
        if (!folded) out += text[i];
    }
    return out;
}

}  // namespace kv
