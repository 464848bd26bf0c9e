#pragma once
// Small pictures encoded in memory for the decoder tests: each writer takes
// straight-alpha 0xAARRGGBB pixels, row by row from the top.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kv::fixtures {

using Bytes = std::vector<uint8_t>;
using Pixels = std::vector<uint32_t>;

Bytes EncodePng(int width, int height, const Pixels& pixels, bool interlaced = false);
// A palette PNG whose entry 0 is fully transparent through a tRNS chunk.
Bytes EncodePalettePng(int width, int height, const std::vector<uint8_t>& indices,
                       const Pixels& palette, int transparent_entries);
Bytes EncodeJpeg(int width, int height, const Pixels& pixels, bool grayscale = false);
// A GIF of one frame, palette indices row by row; transparent_index -1 for none.
Bytes EncodeGif(int width, int height, const std::vector<uint8_t>& indices, const Pixels& palette,
                int transparent_index, bool interlaced = false);

// A device-independent bitmap: 1, 4 or 8 bits take palette indices, 24 and 32
// take pixels (32 keeps their alpha), 16 takes raw 16-bit words. Height < 0 writes the rows
// top-down.
Bytes EncodeBmp(int bpp, int width, int height, const std::vector<uint32_t>& values,
                const Pixels& palette = {});

// Adds red, green, blue (and alpha) masks after the header of an uncompressed
// 16- or 32-bit bitmap and marks it as using them.
Bytes WithBitMasks(Bytes bmp, const std::vector<uint32_t>& masks);

void PutU16(Bytes& b, size_t at, uint32_t v);
void PutU32(Bytes& b, size_t at, uint32_t v);

}  // namespace kv::fixtures
