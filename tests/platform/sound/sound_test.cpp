#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/sound/mixer.h"
#include "platform/sound/sound_clip.h"
#include "platform/sound/sound_effects.h"

namespace kv {
namespace {

void Put32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>(v >> (8 * i));
}
void Put16(std::string& s, uint16_t v) {
    s += static_cast<char>(v);
    s += static_cast<char>(v >> 8);
}

// A PCM WAV file as the usual tools write it.
std::string Wav(int channels, int rate, int bits, const std::string& data, uint16_t tag = 1) {
    std::string fmt;
    Put16(fmt, tag);
    Put16(fmt, static_cast<uint16_t>(channels));
    Put32(fmt, static_cast<uint32_t>(rate));
    Put32(fmt, static_cast<uint32_t>(rate * channels * bits / 8));
    Put16(fmt, static_cast<uint16_t>(channels * bits / 8));
    Put16(fmt, static_cast<uint16_t>(bits));
    std::string body = "WAVEfmt ";
    Put32(body, static_cast<uint32_t>(fmt.size()));
    body += fmt + "data";
    Put32(body, static_cast<uint32_t>(data.size()));
    body += data;
    std::string out = "RIFF";
    Put32(out, static_cast<uint32_t>(body.size()));
    return out + body;
}

std::string Samples16(std::initializer_list<int16_t> values) {
    std::string s;
    for (int16_t v : values) Put16(s, static_cast<uint16_t>(v));
    return s;
}

TEST(Wav, DecodesToStereoAtTheMixRate) {
    SoundClip clip;
    ASSERT_TRUE(DecodeWav(Wav(2, kMixRate, 16, Samples16({100, -100, 200, -200})), clip));
    EXPECT_EQ(clip.samples, (std::vector<int16_t>{100, -100, 200, -200}));

    ASSERT_TRUE(DecodeWav(Wav(1, kMixRate / 2, 8, std::string("\x80\xC0", 2)), clip));
    ASSERT_EQ(clip.frames(), 4u);  // twice the frames, both channels the same
    EXPECT_EQ(clip.samples[0], 0);
    EXPECT_EQ(clip.samples[1], 0);
    EXPECT_EQ(clip.samples[2], 0x20 << 8);  // halfway between the two samples
    EXPECT_EQ(clip.samples[4], 0x40 << 8);
}

TEST(Wav, RefusesDamagedAndUnsupportedFiles) {
    const std::string good = Wav(1, 22050, 16, Samples16({1, 2, 3}));
    std::string huge_fmt = good;
    huge_fmt[16] = '\x7F';  // the format chunk claims more bytes than the file has
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"not RIFF", "RIFX" + good.substr(4)},
        {"truncated header", good.substr(0, 20)},
        {"format chunk too big", huge_fmt},
        {"24-bit", Wav(1, 22050, 24, "abc")},
        {"no channels", Wav(0, 22050, 16, "ab")},
        {"compressed", Wav(1, 22050, 16, "ab", 2)},
        {"silly rate", Wav(1, 5, 16, "ab")},
        {"no data chunk", good.substr(0, 36)},
    };
    for (const auto& c : cases) {
        SoundClip clip;
        std::string error;
        EXPECT_FALSE(DecodeWav(c.bytes, clip, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    // A data chunk that claims more than the file holds plays what is there.
    std::string short_data = good;
    short_data[40] = '\x7F';
    SoundClip clip;
    EXPECT_TRUE(DecodeWav(short_data, clip));
}

TEST(Wav, EveryTruncationAndByteDamageIsHandled) {
    const std::string good = Wav(2, 22050, 16, Samples16({1, 2, 3, 4, 5, 6, 7, 8}));
    SoundClip clip;
    for (size_t n = 0; n < good.size(); ++n) DecodeWav(good.substr(0, n), clip);
    for (size_t i = 0; i < good.size(); ++i) {
        for (unsigned char v : {0x00, 0x7F, 0xFF}) {
            std::string bad = good;
            bad[i] = static_cast<char>(v);
            if (DecodeWav(bad, clip)) {
                EXPECT_EQ(clip.samples.size() % 2, 0u);
            }
        }
    }
}

TEST(Mixer, SameClipRestartsOthersMixAndClip) {
    SoundClip loud{{30000, 30000, 30000, 30000, 30000, 30000}};
    SoundClip soft{{1000, -1000, 1000, -1000}};
    Mixer mixer;
    int16_t out[4];
    mixer.Play(loud);
    mixer.Play(soft);
    mixer.Mix(out, 2);
    EXPECT_EQ(out[0], 31000);
    EXPECT_EQ(out[1], 29000);
    EXPECT_EQ(mixer.Playing(), 1) << "the soft clip has ended";
    mixer.Play(loud);  // again: from its start, not a second voice
    mixer.Play(loud);
    EXPECT_EQ(mixer.Playing(), 1);
    mixer.Play(soft);
    mixer.Play(soft);
    mixer.Mix(out, 2);
    EXPECT_EQ(out[0], 31000);
    SoundClip louder{{30000, 30000}};
    mixer.Play(louder);
    mixer.Mix(out, 1);
    EXPECT_EQ(out[0], 32767);  // clipped, not wrapped
}

class NoDevice : public SoundOutput {
public:
    bool Start(Mixer&) override { return false; }
    void Played(const std::string&) override { ++plays; }
    int plays = 0;
};

TEST(SoundEffects, MissingFilesAndAliasesAreSilent) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "kv_sound_test";
    fs::create_directories(dir / "Sons");
    std::ofstream(dir / "Sons" / "Gol1.WAV", std::ios::binary)
        << Wav(1, 22050, 16, Samples16({1, 2, 3, 4}));
    std::ofstream(dir / "Sons" / "ruim.wav", std::ios::binary) << "not a sound";

    auto recorder = std::make_unique<RecordingSoundOutput>();
    RecordingSoundOutput& played = *recorder;
    SoundEffects effects(std::move(recorder));
    EXPECT_TRUE(effects.Open("gol", (dir / "sons\\gol1.wav").string()));
    EXPECT_FALSE(effects.Open("penalty", (dir / "sons\\penalty.wav").string()));
    EXPECT_FALSE(effects.Open("ruim", (dir / "sons\\ruim.wav").string()));
    EXPECT_TRUE(effects.Has("gol"));
    EXPECT_FALSE(effects.Has("penalty"));
    EXPECT_FALSE(effects.Has("ruim"));
    effects.Play("penalty");
    effects.Play("gol");
    effects.Play("gol");
    EXPECT_EQ(played.played, (std::vector<std::string>{"gol", "gol"}));

    auto none = std::make_unique<NoDevice>();
    NoDevice& silent = *none;
    SoundEffects quiet(std::move(none));
    ASSERT_TRUE(quiet.Open("gol", (dir / "sons/gol1.wav").string()));
    quiet.Play("gol");
    EXPECT_FALSE(quiet.DeviceOpen());
    EXPECT_EQ(silent.plays, 0);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace kv
