#include "core/sound_effects.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"

namespace kv {
namespace {

// Records what the game asks of the sound device; plays only what was opened, like the real one.
class RecordingSound : public SoundOutput {
  public:
    bool Open(const std::string& path, std::string_view alias) override {
        opened.emplace_back(std::string(alias) + "=" +
                            std::filesystem::path(path).filename().string());
        aliases.insert(std::string(alias));
        return true;
    }
    void Play(std::string_view alias) override {
        if (aliases.count(std::string(alias))) played.emplace_back(alias);
    }
    std::vector<std::string> opened;
    std::vector<std::string> played;
    std::set<std::string> aliases;
};

class SoundEffects : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kv_sounds_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        std::filesystem::create_directories(dir_ / "sons");
        SetGameFolder(dir_.string());
        SetSoundOutput(&sound_);
        Game().Reset();
    }
    void TearDown() override {
        SetSoundOutput(nullptr);
        SetGameFolder("");
        Game().Reset();
        std::filesystem::remove_all(dir_);
    }
    void Touch(const char* name) { std::ofstream(dir_ / "sons" / name) << "RIFF"; }

    std::filesystem::path dir_;
    RecordingSound sound_;
};

TEST_F(SoundEffects, OnlyEffectsWhoseFilesExistAreOpened) {
    Touch("gol1.wav");
    Touch("EXPULSAO.WAV");  // the database may come from a case-insensitive file system
    Touch("penalti.wav");
    OpenSoundAliases();
    EXPECT_EQ(sound_.opened, (std::vector<std::string>{"gol=gol1.wav", "expulsao=EXPULSAO.WAV"}));

    Game().game_state.sound_on = 1;
    for (const char* alias : {"gol", "penalty", "expulsao", "gol"}) PlaySoundAlias(alias);
    EXPECT_EQ(sound_.played, (std::vector<std::string>{"gol", "expulsao", "gol"}));
}

TEST_F(SoundEffects, NothingPlaysWithSoundOffOrWithoutADevice) {
    Touch("gol1.wav");
    OpenSoundAliases();
    Game().game_state.sound_on = 0;
    PlaySoundAlias("gol");
    EXPECT_TRUE(sound_.played.empty());

    Game().game_state.sound_on = 1;
    SetSoundOutput(nullptr);
    PlaySoundAlias("gol");
    OpenSoundAliases();
    EXPECT_TRUE(sound_.played.empty());
}

}  // namespace
}  // namespace kv
