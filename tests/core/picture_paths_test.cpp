#include "core/picture_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/game_data.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// A teams database on disk with two clubs and three national teams; file names differ in case
// from the picture names, as they may on a database copied from a case-insensitive system.
class PicturePathsTest : public testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("kv_pictures_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(folder_);
        for (const char* file : {"teams/Escudos/FLAMULA.PNG", "teams/camisas/flamula.png",
                                 "teams/camisas3/flamula.png", "teams/selecoes/brasil.png",
                                 "teams/selecoes/c_brasil.png", "teams/selecoes/c2_brasil.png",
                                 "teams/selecoes/Tonga.gif", "teams/selecoes/c3_tonga.png",
                                 "teams/Escudos/tonga.png", "secret.png"})
            Touch(file);

        Game().Reset();
        for (const char* picture : {"flamula", "semescudo", "brasil", "tonga", "..\\secret"})
            AppendRecord(Game().teams).picture_name.set(picture);
        Game().game_state.league_club_count = 1;
        Game().game_state.background_club_count = 1;  // teams 2.. are national teams
        SetGameFolder(folder_.string());
    }
    void TearDown() override {
        SetGameFolder("");
        Game().Reset();
        fs::remove_all(folder_);
    }

    void Touch(const std::string& relative) {
        fs::create_directories((folder_ / relative).parent_path());
        std::ofstream(folder_ / relative) << "x";
    }
    std::string On(const std::string& relative) { return (folder_ / relative).string(); }

    fs::path folder_;
};

TEST_F(PicturePathsTest, PathsNameTheFilesThatExist) {
    const struct {
        std::string (*build)(int);
        int team;
        std::string expected;  // relative to the game folder, empty when there is no file
    } cases[] = {
        {BuildCrestPath, 0, "teams/Escudos/FLAMULA.PNG"},
        {BuildCrestPath, 1, ""},
        {BuildCrestPath, 2, "teams/selecoes/brasil.png"},
        {BuildCrestPath, 3, ""},  // a national team's crest is never looked for among the clubs'
        {BuildNationalSymbolPath, 2, "teams/selecoes/brasil.png"},
        {BuildNationalSymbolPath, 3, "teams/selecoes/Tonga.gif"},
        {BuildNationalSymbolPath, 0, ""},
        {BuildShirtPath, 0, "teams/camisas/flamula.png"},
        {BuildShirt2Path, 0, ""},
        {BuildShirt3Path, 0, "teams/camisas3/flamula.png"},
        {BuildShirtPath, 2, "teams/selecoes/c_brasil.png"},
        {BuildShirt2Path, 2, "teams/selecoes/c2_brasil.png"},
        {BuildShirt3Path, 2, ""},
        {BuildShirt3Path, 3, "teams/selecoes/c3_tonga.png"},
        {BuildCrestPath, 4, ""},  // a picture name must not leave its folder
        {BuildNationalSymbolPath, 4, ""},
        {BuildCrestPath, -1, ""},
        {BuildCrestPath, 5, ""},
        {BuildShirtPath, 99, ""},
    };
    for (const auto& c : cases) {
        const std::string expected = c.expected.empty() ? "" : On(c.expected);
        EXPECT_EQ(c.build(c.team), expected) << c.team << " " << c.expected;
    }
}

TEST_F(PicturePathsTest, KitPicturesByNumber) {
    const struct {
        int team, kit;
        bool exists;
    } cases[] = {
        {0, 0, true}, {0, 1, true},  {0, 2, false}, {0, 3, true}, {0, 4, false}, {2, 1, true},
        {2, 2, true}, {2, 3, false}, {3, 1, false}, {3, 3, true}, {1, 1, false}, {-1, 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShirtPictureExists(c.team, c.kit), c.exists) << c.team << " kit " << c.kit;
}

TEST_F(PicturePathsTest, GamePathsLieInsideTheGameFolder) {
    EXPECT_EQ(GamePath("img\\f01.jpg"), folder_.string() + "/img/f01.jpg");
    SetGameFolder("");
    EXPECT_EQ(GamePath("img\\f01.jpg"), "img/f01.jpg");
}

}  // namespace
}  // namespace kv
