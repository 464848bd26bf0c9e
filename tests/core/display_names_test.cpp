#include "core/display_names.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kv
