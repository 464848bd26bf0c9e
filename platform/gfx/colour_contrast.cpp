#include "platform/gfx/colour_contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kv {
namespace {

// Texts are measured pixel by pixel while they are painted: the 256 channel values are worked
// out once.
double Linear(std::uint32_t channel) {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table[channel & 0xFF];
}

double Luminance(std::uint32_t bgr) {
    return 0.2126 * Linear(bgr) + 0.7152 * Linear(bgr >> 8) + 0.0722 * Linear(bgr >> 16);
}

double WorstContrast(std::uint32_t colour, std::initializer_list<std::uint32_t> under) {
    double worst = 21.0;
    for (std::uint32_t u : under) worst = std::min(worst, ContrastRatio(colour, u));
    return worst;
}

}  // namespace

double ContrastRatio(std::uint32_t colour, std::uint32_t other) {
    const double a = Luminance(colour), b = Luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::uint32_t ReadableTextColour(std::uint32_t preferred,
                                 std::initializer_list<std::uint32_t> under) {
    if (WorstContrast(preferred, under) >= kReadableContrast) return preferred;
    constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;
    return WorstContrast(kBlack, under) >= WorstContrast(kWhite, under) ? kBlack : kWhite;
}

}  // namespace kv
