#include "core/text_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "platform/base/cp1252.h"

namespace kv {
namespace {

struct NamedTable {
    const char* name;
    std::span<const std::string_view> entries;
};

const std::vector<NamedTable>& AllTables() {
    static const std::vector<NamedTable> tables = {
        {"country_names", country_names},
        {"state_codes", state_codes},
        {"state_names", state_names},
        {"state_adjectives", state_adjectives},
        {"position_names", position_names},
        {"position_letters", position_letters},
        {"reputation_names", reputation_names},
        {"role_names", role_names},
        {"characteristic_names", characteristic_names},
        {"characteristic_abbrevs", characteristic_abbrevs},
        {"continental_cup_names", continental_cup_names},
        {"group_letters", group_letters},
        {"pitch_position_letters", pitch_position_letters},
        {"tactic_names", tactic_names},
        {"tournament_venues", tournament_venues},
        {"club_world_cup_venues", club_world_cup_venues},
        {"foreign_cities", foreign_cities},
        {"news_bodies", news_bodies},
        {"news_title_pieces", news_title_pieces},
    };
    return tables;
}

// Records and files hold these texts in the 1252 code page: a character it lacks would be
// saved as '?'.
TEST(TextTables, EveryTextSurvivesTheRecordCodePage) {
    for (const NamedTable& t : AllTables())
        for (std::size_t i = 0; i < t.entries.size(); ++i)
            EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(t.entries[i])), t.entries[i]) << t.name << " " << i;
    for (const RefereeDefault& r : referee_defaults)
        EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(r.name)), r.name);
}

TEST(TextTables, OnlyTheDocumentedEntriesAreEmpty) {
    const std::map<std::string, std::set<std::size_t>> empty = {
        {"role_names", {4, 9, 14, 19, 24}},
        {"tactic_names", {5}},
        {"news_bodies", {48, 49, 63, 64, 65}},  // bodies 49, 50, 64, 65 and 66
    };
    for (const NamedTable& t : AllTables()) {
        const auto it = empty.find(t.name);
        for (std::size_t i = 0; i < t.entries.size(); ++i) {
            const bool expected = it != empty.end() && it->second.contains(i);
            EXPECT_EQ(t.entries[i].empty(), expected) << t.name << " " << i;
        }
    }
}

// The blanks at the edges are part of the texts: names are glued to them.
TEST(TextTables, EdgeBlanksStayExactlyWhereTheTextsHaveThem) {
    struct Edge {
        bool leading, trailing;
    };
    const std::map<std::string, std::map<std::size_t, Edge>> edges = {
        {"country_names", {{18, {false, true}}}},
        {"news_bodies", {{34, {false, true}}, {55, {false, true}}, {68, {false, true}}}},
        {"news_title_pieces",
         {{0, {false, true}},
          {1, {true, false}},
          {3, {true, false}},
          {7, {true, true}},
          {8, {false, true}},
          {12, {false, true}},
          {13, {false, true}},
          {14, {true, true}},
          {16, {false, true}},
          {17, {false, true}},
          {18, {true, false}}}},
    };
    for (const NamedTable& t : AllTables()) {
        const auto table_edges = edges.find(t.name);
        for (std::size_t i = 0; i < t.entries.size(); ++i) {
            const std::string_view s = t.entries[i];
            if (s.empty()) continue;
            Edge expected{false, false};
            if (table_edges != edges.end() && table_edges->second.contains(i))
                expected = table_edges->second.at(i);
            EXPECT_EQ(s.front() == ' ', expected.leading) << t.name << " " << i;
            EXPECT_EQ(s.back() == ' ', expected.trailing) << t.name << " " << i;
        }
    }
}

TEST(TextTables, EntriesSitAtTheIndexesFilesStore) {
    struct Case {
        std::string_view actual, expected;
    };
    const Case cases[] = {
        {country_names[0], "Afeganistão"},
        {country_names[18], "Bahrain "},
        {country_names[29], "Brasil"},
        {country_names[105], "Montenegro"},
        {country_names[201], "Zimbabue"},
        {country_names[202], "Personalizado"},
        {country_names[27], "Bósnia"},
        {country_names[180], "Suíça"},
        {state_codes[25], "SP"},
        {state_names[25], "São Paulo"},
        {state_names[7], "Espírito Santo"},
        {state_names[11], "Mato Grosso do Sul"},
        {state_names[19], "Rio Grande do Norte"},
        {state_names[22], "Rio Grande do Sul"},
        {state_adjectives[25], "Paulista"},
        {state_adjectives[26], "Tocantinense"},
        {position_letters[4], "A"},
        {reputation_names[5], "Mundial"},
        {RoleName(2, 1), "Líbero"},
        {RoleName(4, 2), "Pela ponta"},
        {characteristic_abbrevs[13], "Vel"},
        {continental_cup_names[3], "Liga Asiática"},
        {pitch_position_letters[8], "L"},
        {pitch_position_letters[24], "A"},
        {tactic_names[8], "Muito Pesada"},
        {TournamentVenue(0, 0), "Maracanã"},
        {TournamentVenue(2, 7), "Doha"},
        {TournamentVenue(10, 7), "Nuremberg"},
        {club_world_cup_venues[5], "Toyota"},
        {foreign_cities[27], "Rosário"},
        {foreign_cities[28], "Paris"},
        {foreign_cities[55], "Turim"},
        {NewsBody(1).substr(0, 23), "Seja bem vind@ ao nosso"},
        {NewsBody(69), "O jogador que estava à venda foi vendido por "},
        {NewsBody(74).substr(0, 28), "O jogador teve seu contrato "},
        {NewsTitlePiece(1), "Bem vindo ao "},
        {NewsTitlePiece(19), " não pode voltar."},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(TextTables, LookUpsOutsideATableGiveAnEmptyText) {
    EXPECT_EQ(CountryName(-1), "");
    EXPECT_EQ(CountryName(203), "");
    EXPECT_EQ(CountryName(202), "Personalizado");
    EXPECT_EQ(RoleName(5, 0), "");
    EXPECT_EQ(RoleName(0, 5), "");
    EXPECT_EQ(RoleName(-1, 0), "");
    EXPECT_EQ(NewsBody(0), "");
    EXPECT_EQ(NewsBody(75), "");
    EXPECT_EQ(NewsTitlePiece(0), "");
    EXPECT_EQ(NewsTitlePiece(20), "");
    EXPECT_EQ(TournamentVenue(11, 0), "");
    EXPECT_EQ(TournamentVenue(0, 8), "");
}

TEST(TextTables, RefereesKeepTheirOriginsAndRatings) {
    GameData game;
    game.referees = {};
    LoadReferees(game);
    const auto& referees = game.referees;
    std::map<std::string, std::vector<int>> by_name;
    for (int i = 0; i < 42; ++i) {
        const arbitro_& r = referees[static_cast<std::size_t>(i)];
        EXPECT_EQ(r.origin, i < 25 ? kHomeRefereeOrigin : kInternationalRefereeOrigin) << i;
        EXPECT_GE(r.technique, 2) << i;
        EXPECT_LE(r.technique, 5) << i;
        EXPECT_GE(r.strictness, 2) << i;
        EXPECT_LE(r.strictness, 5) << i;
        EXPECT_FALSE(r.name.empty()) << i;
        by_name[r.name.str()].push_back(i);
    }
    EXPECT_EQ(referees[0].technique, 3);
    EXPECT_EQ(referees[5].strictness, 2);
    EXPECT_EQ(referees[30].technique, 5);
    EXPECT_EQ(referees[41].strictness, 2);
    // Two pairs share a name; everyone else is unique.
    std::set<std::vector<int>> shared;
    for (const auto& [name, indexes] : by_name)
        if (indexes.size() > 1) shared.insert(indexes);
    EXPECT_EQ(shared, (std::set<std::vector<int>>{{4, 17}, {27, 28}}));
    EXPECT_EQ(referees[3].name.str(), referee_defaults[3].name);

    // A clean game already has them: they are part of the program, not of a saved game.
    Game().Reset();
    EXPECT_EQ(Game().referees[41].origin, kInternationalRefereeOrigin);
    EXPECT_EQ(Game().referees[41].name.str(), referee_defaults[41].name);
}

}  // namespace
}  // namespace kv
