#include "core/sound_effects.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "platform/sound/sound_effects.h"
#include "platform/sound/sound_output.h"
#include "tests/fixtures/tiny_wav.h"

namespace kv {
namespace {

class SoundEffectsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kv_sounds_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        std::filesystem::create_directories(dir_ / "sons");
        SetGameFolder(dir_.string());
        auto output = std::make_unique<RecordingSoundOutput>();
        recorder_ = output.get();
        effects_ = std::make_unique<SoundEffects>(std::move(output));
        SetSoundEffects(effects_.get());
        Game().Reset();
    }
    void TearDown() override {
        SetSoundEffects(nullptr);
        SetGameFolder("");
        Game().Reset();
        std::filesystem::remove_all(dir_);
    }
    void WriteSound(const char* name) {
        std::ofstream(dir_ / "sons" / name, std::ios::binary) << TinyWav();
    }

    std::filesystem::path dir_;
    std::unique_ptr<SoundEffects> effects_;
    RecordingSoundOutput* recorder_ = nullptr;
};

TEST_F(SoundEffectsTest, OnlyEffectsWhoseFilesExistAreOpened) {
    WriteSound("gol1.wav");
    WriteSound("EXPULSAO.WAV");  // the database may come from a case-insensitive file system
    WriteSound("penalti.wav");   // not the name the game looks for
    OpenSoundAliases();
    for (const SoundEffectFile& e : kSoundEffectFiles) {
        EXPECT_EQ(effects_->Has(std::string(e.alias)), e.alias == "gol" || e.alias == "expulsao")
            << e.alias;
    }

    Game().game_state.sound_on = 1;
    for (const char* alias : {"gol", "penalty", "expulsao", "gol"}) PlaySoundAlias(alias);
    EXPECT_EQ(recorder_->played, (std::vector<std::string>{"gol", "expulsao", "gol"}));
}

TEST_F(SoundEffectsTest, SoundsAreReadOnFirstUseAndAFailingFileStaysSilent) {
    WriteSound("gol1.wav");
    std::ofstream(dir_ / "sons" / "penalty.wav", std::ios::binary) << TinyWav();
    OpenSoundAliases();
    for (const SoundEffectFile& e : kSoundEffectFiles)
        EXPECT_FALSE(effects_->Loaded(std::string(e.alias))) << e.alias;

    // What is read is the file as it stands at first use: nothing was decoded at start-up.
    std::ofstream(dir_ / "sons" / "penalty.wav", std::ios::binary | std::ios::trunc) << "not a sound";
    Game().game_state.sound_on = 1;
    for (const char* alias : {"gol", "penalty", "gol", "penalty", "fimjogo"}) PlaySoundAlias(alias);
    EXPECT_EQ(recorder_->played, (std::vector<std::string>{"gol", "gol"}));
    EXPECT_TRUE(effects_->Loaded("gol"));
    EXPECT_FALSE(effects_->Has("penalty"));  // failed to load, as an eager open would say
    EXPECT_FALSE(effects_->Has("fimjogo"));

    // Asking about a waiting sound loads it.
    std::filesystem::remove(dir_ / "sons" / "gol1.wav");
    WriteSound("intervalo.wav");
    OpenSoundAliases();
    EXPECT_FALSE(effects_->Loaded("intervalo"));
    EXPECT_TRUE(effects_->Has("intervalo"));
    EXPECT_TRUE(effects_->Loaded("intervalo"));
    EXPECT_TRUE(effects_->Has("gol"));  // the sound already read stays
}

TEST_F(SoundEffectsTest, NothingPlaysWithSoundOff) {
    WriteSound("gol1.wav");
    OpenSoundAliases();
    Game().game_state.sound_on = 0;
    PlaySoundAlias("gol");
    EXPECT_TRUE(recorder_->played.empty());
}

}  // namespace
}  // namespace kv
