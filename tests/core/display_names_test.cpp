#include "core/display_names.h"

#include <gtest/gtest.h>

#include "core/game_data.h"

namespace kv {
namespace {

TEST(DisplayNames, CountryWordsFallBackToTheCountryName) {
    const struct {
        int country;
        const char* adjective;
        const char* with_article;
    } cases[] = {
        {0, "Afeganistão", "Afeganistão"},
        {3, "Alemão", "da Alemanha"},
        {18, "Bahrain ", "Bahrain "},
        {29, "Brasileiro", "do Brasil"},
        {43, "Chinês", "China"},
        {131, "Mexicano", "do México"},
        {154, "Português", "de Portugal"},
        {198, "Venezuelano", "Venezuela"},
        {202, "Personalizado", "Personalizada"},
        {-1, "", ""},
        {203, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NationalityAdjective(c.country), c.adjective) << c.country;
        EXPECT_EQ(CountryWithArticle(c.country), c.with_article) << c.country;
    }
}

TEST(DisplayNames, RemoveAccentsFoldsOnlyLowerCaseAccents) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"Ceará", "Ceara"},
        {"CEARÁ", "CEARÁ"},
        {"àáâãéèêóòôõúùûüíìîçñäëïö", "aaaaeeeoooouuuuiiicnaeio"},
        {"João Conceição", "Joao Conceicao"},
        {"Ângelo Índio", "Ângelo Índio"},
        {"Jürgen Müller", "Jurgen Muller"},
        {"ÿ ß å ø", "ÿ ß å ø"},
        {"", ""},
        {"plain 123", "plain 123"},
    };
    for (const auto& c : cases) EXPECT_EQ(RemoveAccents(c.text), c.folded) << c.text;
}

TEST(DisplayNames, CompetitionNameForEveryKindAndDivision) {
    const struct {
        t_competition entry;
        const char* name;
    } cases[] = {
        {{0, -1, -1}, ""},
        {{1, 29, 1}, "Camp. Brasileiro"},
        {{1, 29, 2}, "Camp. Brasileiro - 2ª divisão"},
        {{1, 29, 3}, "Camp. Brasileiro - 3ª divisão"},
        {{1, 29, 4}, "Camp. Brasileiro - 4ª divisão"},
        {{1, 29, 5}, "Camp. Brasileiro - Regional"},
        {{1, 29, 0}, ""},
        {{1, 29, 6}, ""},
        {{1, 0, 1}, "Camp. Afeganistão"},
        {{1, 202, 2}, "Camp. Personalizado - 2ª divisão"},
        {{2, 29, -1}, "Copa do Brasil"},
        {{2, 29, 3}, "Copa do Brasil"},
        {{2, 42, -1}, "Copa Chile"},
        {{2, 202, -1}, "Copa Personalizada"},
        {{3, 25, 1}, "Camp. Paulista"},
        {{3, 0, 2}, "Camp. Acreano"},
        {{3, 27, 1}, ""},
        {{3, -1, 1}, ""},
        {{4, -1, 1}, "Libertadores"},
        {{4, -1, 0}, "Liga dos Campeões"},
        {{4, -1, 2}, "Liga Africana"},
        {{4, -1, 3}, "Liga Asiática"},
        {{4, -1, 4}, ""},
        {{4, -1, -1}, ""},
        {{5, -1, -1}, "Mundial de Clubes"},
        {{6, -1, 1}, "Sul-Americana"},
        {{6, -1, 0}, "Liga Europa da UEFA"},
        {{6, -1, 2}, ""},
        {{7, -1, -1}, "Copa do Mundo"},
        {{8, -1, -1}, "Copa América"},
        {{9, -1, -1}, "Eurocopa"},
        {{10, -1, 1}, "Recopa Sul-Americana"},
        {{10, -1, 0}, "Recopa Europeia"},
        {{10, -1, 3}, ""},
        {{11, -1, -1}, ""},
        {{-1, -1, -1}, ""},
    };
    Game().Reset();
    for (const auto& c : cases) Game().competitions.push_back(c.entry);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(CompetitionName(static_cast<int>(i)), cases[i].name)
            << cases[i].entry.kind << " " << cases[i].entry.area << " " << cases[i].entry.division;
    EXPECT_EQ(CompetitionName(-1), "");
    EXPECT_EQ(CompetitionName(static_cast<int>(std::size(cases))), "");
    Game().Reset();
}

}  // namespace
}  // namespace kv
