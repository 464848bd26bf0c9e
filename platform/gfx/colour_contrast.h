#pragma once
// How well one colour reads on another, by the relative luminance of the two (the ratio of
// the lighter's to the darker's, each plus 0.05: 1 for equal colours, 21 for black on white).

#include <cstdint>
#include <initializer_list>

namespace kv {

// Colours as the game stores them: 0x00BBGGRR.
double ContrastRatio(std::uint32_t colour, std::uint32_t other);

// The least contrast a text needs with what lies under it to be read.
inline constexpr double kReadableContrast = 3.0;

// `preferred` when it reads on every colour of `under`; otherwise black or white, whichever
// reads better on the worst of them.
std::uint32_t ReadableTextColour(std::uint32_t preferred, std::initializer_list<std::uint32_t> under);

}  // namespace kv
