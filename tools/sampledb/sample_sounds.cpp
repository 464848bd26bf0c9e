#include "tools/sampledb/sample_sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tools/sampledb/output_files.h"
#include "tools/sampledb/sample_random.h"

namespace kv::sampledb {
namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

Samples Silence(double seconds) {
    return Samples(static_cast<std::size_t>(seconds * kRate), 0.0);
}

// A referee's whistle: a pea whistle warbles around 3 kHz.
void AddWhistle(Samples& out, double start, double length, double volume) {
    const auto from = static_cast<std::size_t>(start * kRate);
    const auto n = static_cast<std::size_t>(length * kRate);
    double phase = 0;
    for (std::size_t i = 0; i < n && from + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double freq = 2900 + 180 * std::sin(2 * kPi * 32 * t);
        phase += 2 * kPi * freq / kRate;
        const double envelope = std::min({1.0, t / 0.02, (length - t) / 0.03});
        out[from + i] += volume * envelope * (0.8 * std::sin(phase) + 0.2 * std::sin(2 * phase));
    }
}

// A crowd: noise smoothed to a murmur, shaped by `envelope` over the sound's length.
template <typename Envelope>
void AddCrowd(Samples& out, SampleRandom& rng, double start, double length, double brightness,
              Envelope envelope) {
    const auto from = static_cast<std::size_t>(start * kRate);
    const auto n = static_cast<std::size_t>(length * kRate);
    double low = 0;
    double band = 0;
    for (std::size_t i = 0; i < n && from + i < out.size(); ++i) {
        const double white = rng.Unit();
        low += (white - low) * 0.08;
        band += (white - band) * brightness;
        const double t = static_cast<double>(i) / n;
        out[from + i] += envelope(t) * (0.7 * low * 4 + 0.3 * (band - low));
    }
}

// A low voice-like drone that falls in pitch: the groan of a stadium.
void AddGroan(Samples& out, double start, double length, double volume) {
    const auto from = static_cast<std::size_t>(start * kRate);
    const auto n = static_cast<std::size_t>(length * kRate);
    double phase = 0;
    for (std::size_t i = 0; i < n && from + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / n;
        phase += 2 * kPi * (220 - 90 * t) / kRate;
        const double envelope = std::sin(kPi * t);
        out[from + i] += volume * envelope * (std::sin(phase) + 0.4 * std::sin(3 * phase)) / 1.4;
    }
}

bool WriteWav(const std::filesystem::path& path, const Samples& samples, std::string* error) {
    double peak = 0;
    for (double s : samples) peak = std::max(peak, std::abs(s));
    const double scale = peak > 0 ? 0.85 / peak : 0;
    std::string out = "RIFF";
    const auto le = [&out](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    const auto data_size = static_cast<std::uint32_t>(samples.size() * 2);
    le(36 + data_size, 4);
    out += "WAVEfmt ";
    le(16, 4);
    le(1, 2);  // PCM
    le(1, 2);  // mono
    le(kRate, 4);
    le(kRate * 2, 4);
    le(2, 2);
    le(16, 2);
    out += "data";
    le(data_size, 4);
    for (double s : samples) {
        const auto v =
            static_cast<std::int16_t>(std::lround(std::clamp(s * scale, -1.0, 1.0) * 32767));
        le(static_cast<std::uint16_t>(v), 2);
    }
    return WriteOutputFile(path, out, error);
}

}  // namespace

bool WriteSoundEffects(const std::string& folder, std::string* error) {
    namespace fs = std::filesystem;
    if (!MakeOutputFolder(folder, error)) return false;
    SampleRandom rng(1952);
    const auto swell = [](double t) { return std::min(1.0, t * 5) * (1 - 0.6 * t); };
    const auto fade = [](double t) { return (1 - t) * std::min(1.0, t * 20); };

    Samples goal = Silence(2.4);
    AddCrowd(goal, rng, 0, 2.4, 0.6, swell);
    Samples away_goal = Silence(1.6);
    AddCrowd(away_goal, rng, 0, 1.6, 0.2, fade);
    AddGroan(away_goal, 0, 1.4, 0.5);
    Samples full_time = Silence(2.2);
    AddWhistle(full_time, 0.0, 0.35, 0.8);
    AddWhistle(full_time, 0.5, 0.35, 0.8);
    AddWhistle(full_time, 1.0, 1.1, 0.8);
    Samples penalty = Silence(1.0);
    AddWhistle(penalty, 0.0, 0.7, 0.9);
    AddCrowd(penalty, rng, 0.0, 1.0, 0.3, fade);
    Samples injury = Silence(1.3);
    AddCrowd(injury, rng, 0, 1.3, 0.15, [](double t) { return 0.6 * std::sin(kPi * t); });
    AddGroan(injury, 0.1, 0.9, 0.35);
    Samples half_time = Silence(1.3);
    AddWhistle(half_time, 0.0, 0.35, 0.8);
    AddWhistle(half_time, 0.5, 0.7, 0.8);
    Samples sending_off = Silence(1.8);
    AddWhistle(sending_off, 0.0, 0.25, 0.9);
    AddWhistle(sending_off, 0.3, 0.25, 0.9);
    AddCrowd(sending_off, rng, 0.4, 1.4, 0.25, fade);
    AddGroan(sending_off, 0.5, 1.2, 0.3);

    const fs::path dir = folder;
    return WriteWav(dir / "gol1.wav", goal, error) &&
           WriteWav(dir / "goladv.wav", away_goal, error) &&
           WriteWav(dir / "fimjogo.wav", full_time, error) &&
           WriteWav(dir / "penalty.wav", penalty, error) &&
           WriteWav(dir / "contusao.wav", injury, error) &&
           WriteWav(dir / "intervalo.wav", half_time, error) &&
           WriteWav(dir / "expulsao.wav", sending_off, error);
}

}  // namespace kv::sampledb
