#include "core/options.h"

#include "core/game_data.h"
#include "core/picture_paths.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace kv {
namespace {

class OptionsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kv_options_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        SetGameFolder(dir_.string());
    }
    void TearDown() override {
        SetGameFolder("");
        std::filesystem::remove_all(dir_);
    }
    void WriteText(const std::string& text) {
        std::ofstream(dir_ / "korvanel.ini", std::ios::binary) << text;
    }
    std::string Text() {
        std::ifstream in(dir_ / "korvanel.ini", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::filesystem::path dir_;
};

TEST_F(OptionsFile, WithNoFileEveryOptionHasItsDefault) {
    EXPECT_EQ(ReadOption("opcoes", "opsom"), "nofound");
    const LoadedOptions o = ReadOptionsFile();
    EXPECT_EQ(o.match_delay, 800);
    EXPECT_EQ(o.match_delay_no_humans, 600);
    EXPECT_TRUE(o.halftime_window);
    EXPECT_TRUE(o.sound_on);
    EXPECT_FALSE(o.show_ai_shootouts || o.show_coach_changes || o.auto_renew_contracts ||
                 o.list_colours_on || o.bold_home_events || o.keep_lineup);
    EXPECT_EQ(o.autosave_mode, 0);
    EXPECT_EQ(o.contract_notices, 0);
    for (std::int32_t c : o.list_colours) EXPECT_EQ(c, 255);
}

TEST_F(OptionsFile, ValuesAreReadWithinTheirRanges) {
    struct Case {
        const char* key;
        const char* value;
        std::int32_t LoadedOptions::*field;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"opvelocidade", "0", &LoadedOptions::match_delay, 3000},
        {"opvelocidade", "6", &LoadedOptions::match_delay, 50},
        {"opvelocidade", "9", &LoadedOptions::match_delay, 600},
        {"opvelocidade", "-1", &LoadedOptions::match_delay, 600},
        {"opvelocidade", "abc", &LoadedOptions::match_delay, 800},
        {"opvelocidade", "", &LoadedOptions::match_delay, 800},
        {"opnhvelocidade", "6", &LoadedOptions::match_delay_no_humans, 5},
        {"opnhvelocidade", "x1", &LoadedOptions::match_delay_no_humans, 600},
        {"opsalvar", " 2 ", &LoadedOptions::autosave_mode, 2},
        {"opsalvar", "5", &LoadedOptions::autosave_mode, 0},
        {"opsalvar", "-1", &LoadedOptions::autosave_mode, 0},
        {"opemails", "3", &LoadedOptions::contract_notices, 3},
        {"opemails", "9", &LoadedOptions::contract_notices, 0},
        {"opemails", "abc", &LoadedOptions::contract_notices, 0},
    };
    for (const Case& c : cases) {
        WriteText(std::string("[opcoes]\n") + c.key + "=" + c.value + "\n");
        EXPECT_EQ(ReadOptionsFile().*c.field, c.expected) << c.key << "=" << c.value;
    }
}

TEST_F(OptionsFile, FlagsFollowTheirOwnRule) {
    struct Case {
        const char* key;
        const char* value;
        bool LoadedOptions::*field;
        bool expected;
    };
    const Case cases[] = {
        {"opsom", "0", &LoadedOptions::sound_on, false},
        {"opsom", "7", &LoadedOptions::sound_on, true},
        {"opsom", "abc", &LoadedOptions::sound_on, true},
        {"op_verpenalty", "1", &LoadedOptions::show_ai_shootouts, true},
        {"op_verpenalty", "2", &LoadedOptions::show_ai_shootouts, false},
        {"opvertrocatecnicos", "2", &LoadedOptions::show_coach_changes, true},
        {"opintervalo", "0", &LoadedOptions::halftime_window, false},
        {"opescalacao", "1", &LoadedOptions::keep_lineup, true},
        {"opcornalista", "1", &LoadedOptions::list_colours_on, true},
    };
    for (const Case& c : cases) {
        WriteText(std::string("[OPCOES]\r\n ") + c.key + " = " + c.value + "\r\n");
        EXPECT_EQ(ReadOptionsFile().*c.field, c.expected) << c.key << "=" << c.value;
    }
}

TEST_F(OptionsFile, ListColoursAreAllOrNothing) {
    WriteText("[opcoes]\ncor0=clRed\ncor1=$00A0B0C0\ncor2=8503488\ncor3=clwhite\ncor4=$0000FF00\n");
    EXPECT_EQ(ReadOptionsFile().list_colours,
              (std::array<std::int32_t, 5>{0x0000FF, 0xA0B0C0, 8503488, 0xFFFFFF, 0x00FF00}));
    for (const char* bad : {"verde", "$FF000000", "-5", "$", ""}) {
        WriteText(std::string("[opcoes]\ncor0=clRed\ncor1=clRed\ncor2=") + bad +
                  "\ncor3=clRed\ncor4=clRed\n");
        EXPECT_EQ(ReadOptionsFile().list_colours,
                  (std::array<std::int32_t, 5>{255, 255, 255, 255, 255}))
            << bad;
    }
    for (std::int32_t c : {0x0000FF, 4822164, 0, 0xFFFFFF}) {
        EXPECT_EQ(ColourFromText(ColourToText(c)), c) << ColourToText(c);
    }
    EXPECT_EQ(ColourToText(0x0000FF), "clRed");
    EXPECT_EQ(ColourToText(4822164), "$00499494");
}

TEST_F(OptionsFile, WriteOptionKeepsEveryOtherLine) {
    WriteOption("opcoes", "opsom", "0");
    EXPECT_EQ(Text(), "[opcoes]\nopsom=0\n");

    WriteText(
        "; notas do jogador\r\n[outra]\r\nopsom=9\r\n\r\n[Opcoes]\r\nver41=1\r\nOPSOM=1\r\n\r\n");
    WriteOption("opcoes", "opsom", "0");
    WriteOption("opcoes", "ver42", "0");
    EXPECT_EQ(Text(),
              "; notas do jogador\r\n[outra]\r\nopsom=9\r\n\r\n[Opcoes]\r\nver41=1\r\nopsom=0\r\n"
              "ver42=0\r\n\r\n");
    EXPECT_EQ(ReadOption("opcoes", "opsom"), "0");
    EXPECT_EQ(ReadOption("outra", "opsom"), "9");
    EXPECT_EQ(ReadOption("opcoes", "ver43"), "nofound");

    WriteText("[outra]\nx=1\n");
    WriteOption("opcoes", "opsalvar", "2");
    EXPECT_EQ(Text(), "[outra]\nx=1\n\n[opcoes]\nopsalvar=2\n");
}

// Editors that save UTF-8 may start the file with a byte-order mark: the section is still found
// and the mark stays when a key is written.
TEST_F(OptionsFile, AByteOrderMarkIsReadPastAndKept) {
    WriteText("\xEF\xBB\xBF[opcoes]\nopsalvar=2\n");
    EXPECT_EQ(ReadOptionsFile().autosave_mode, 2);
    WriteOption("opcoes", "opsom", "0");
    EXPECT_EQ(Text(), "\xEF\xBB\xBF[opcoes]\nopsalvar=2\nopsom=0\n");
}

TEST_F(OptionsFile, LoadOptionsGivesTheGameItsStartingOptions) {
    Game().Reset();
    Game().game_state.season = 3;
    WriteText(
        "[opcoes]\nopvelocidade=4\nopsom=0\nopsalvar=1\nopemails=2\nopcontrato=1\n"
        "cor0=clRed\ncor1=clBlue\ncor2=clLime\ncor3=clWhite\ncor4=clBlack\n");
    LoadOptions();
    const t_game_state& s = Game().game_state;
    EXPECT_EQ(s.match_delay, 300);
    EXPECT_EQ(s.match_delay_no_humans, 600);
    EXPECT_EQ(s.sound_on, 0);
    EXPECT_EQ(s.halftime_window, 1);
    EXPECT_EQ(s.auto_renew_contracts, 1);
    EXPECT_EQ(s.autosave_mode, 1);
    EXPECT_EQ(s.contract_notices, 2);
    EXPECT_EQ(s.list_colours[1], 0xFF0000);
    EXPECT_EQ(s.list_colours[4], 0);
    EXPECT_EQ(s.season, 3);  // nothing but the options changes
    Game().Reset();
}

// Whatever stands in the options file's place, a new game starts with the defaults at once, and
// a write leaves it as it was: rewriting a file that could not be read would lose its options.
TEST_F(OptionsFile, AnythingButASmallRegularFileReadsAsNoFileAndIsNeverRewritten) {
    namespace fs = std::filesystem;
    const fs::path ini = dir_ / "korvanel.ini";
    const std::string big = "[opcoes]\nopsom=0\n" + std::string(kMaxOptionsFileSize, ';');
    const struct {
        const char* what;
        std::function<void()> make;
    } cases[] = {
        {"pipe", [&] { ASSERT_EQ(mkfifo(ini.c_str(), 0644), 0); }},
        {"link to an endless device", [&] { fs::create_symlink("/dev/zero", ini); }},
        {"folder", [&] { fs::create_directory(ini); }},
        {"link that loops", [&] { fs::create_symlink("korvanel.ini", ini); }},
        {"file too large", [&] { WriteText(big); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(ini);
        c.make();
        const auto kind = fs::symlink_status(ini).type();
        const LoadedOptions o = ReadOptionsFile();
        EXPECT_TRUE(o.sound_on);
        EXPECT_EQ(o.match_delay, 800);
        WriteOption("opcoes", "ver41", "0");
        EXPECT_EQ(fs::symlink_status(ini).type(), kind);
        if (kind == fs::file_type::regular) {
            EXPECT_EQ(Text(), big);
        }
    }
    fs::remove_all(ini);
}

TEST_F(OptionsFile, UnwritableFileIsSwallowed) {
    SetGameFolder((dir_ / "missing-folder").string());
    WriteOption("opcoes", "opsom", "0");
    EXPECT_EQ(ReadOption("opcoes", "opsom"), "nofound");
}

}  // namespace
}  // namespace kv
