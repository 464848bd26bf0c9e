// Our own reader of device-independent bitmaps: 1, 4, 8, 16, 24 and 32 bits per
// pixel, uncompressed or with bit-field masks, bottom-up or top-down.

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

#include "platform/gfx/picture.h"

namespace kv {
namespace {

constexpr int kBiRgb = 0;
constexpr int kBiBitfields = 3;
constexpr int kBiAlphaBitfields = 6;

uint32_t U16(const uint8_t* p) {
    return p[0] | (p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
int32_t I32(const uint8_t* p) {
    return static_cast<int32_t>(U32(p));
}

// Reads one channel through its mask, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint64_t max = 0;

    explicit Channel(uint32_t m = 0) : mask(m) {
        if (!mask) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    uint32_t operator()(uint32_t v) const {
        if (!mask) return 0;
        const uint64_t value = (v & mask) >> shift;
        return static_cast<uint32_t>((value * 255 + max / 2) / max);
    }
};

bool Fail(Picture& out, const char* message) {
    out.Fail(message);
    return false;
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, Picture& out) {
    if (size < 14 + 12) return Fail(out, "Imagem BMP truncada.");
    const uint32_t pixel_offset = U32(data + 10);
    const uint32_t header_size = U32(data + 14);
    const bool core = header_size == 12;
    if (!core && header_size != 40 && header_size != 52 && header_size != 56 && header_size != 64 &&
        header_size != 108 && header_size != 124)
        return Fail(out, "Cabeçalho de imagem BMP inválido.");
    if (size < 14 + static_cast<size_t>(header_size)) return Fail(out, "Imagem BMP truncada.");
    const uint8_t* h = data + 14;

    int64_t width, height;
    int bpp, compression = kBiRgb;
    uint32_t colors_used = 0;
    if (core) {
        width = U16(h + 4);
        height = U16(h + 6);
        bpp = U16(h + 10);
    } else {
        width = I32(h + 4);
        height = I32(h + 8);
        bpp = U16(h + 14);
        compression = static_cast<int>(U32(h + 16));
        colors_used = U32(h + 32);
    }
    const bool top_down = height < 0;
    if (top_down) height = -height;
    if (!PictureSizeAllowed(width, height)) return Fail(out, "Dimensões de imagem BMP inválidas.");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return Fail(out, "Profundidade de cor de imagem BMP não suportada.");
    if (compression != kBiRgb && compression != kBiBitfields && compression != kBiAlphaBitfields)
        return Fail(out, "Compressão de imagem BMP não suportada.");

    // Masks: after a 40-byte header, inside the larger ones (as many as they
    // hold), else the defaults of the depth.
    uint32_t masks[4] = {0, 0, 0, 0};
    size_t table_at = 14 + header_size;
    if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
        if (bpp != 16 && bpp != 32) return Fail(out, "Imagem BMP inválida.");
        const size_t wanted = compression == kBiAlphaBitfields ? 4 : 3;
        const uint8_t* m = h + 40;
        size_t count = std::min<size_t>(4, (header_size - 40) / 4);
        if (header_size == 40) {
            if (size < table_at + wanted * 4) return Fail(out, "Imagem BMP truncada.");
            m = data + table_at;
            count = wanted;
            table_at += wanted * 4;
        }
        for (size_t i = 0; i < count; ++i) masks[i] = U32(m + i * 4);
    } else if (bpp == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else if (bpp == 32) {
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);

    uint32_t palette[256];
    std::fill(std::begin(palette), std::end(palette), 0xFF000000u);
    if (bpp <= 8) {
        const uint32_t max_colors = 1u << bpp;
        if (colors_used == 0) colors_used = max_colors;
        if (colors_used > max_colors) return Fail(out, "Paleta de imagem BMP inválida.");
        const size_t entry = core ? 3 : 4;
        if (table_at + colors_used * entry > size) return Fail(out, "Imagem BMP truncada.");
        for (uint32_t i = 0; i < colors_used; ++i) {
            const uint8_t* e = data + table_at + i * entry;
            palette[i] = 0xFF000000u | (e[2] << 16) | (e[1] << 8) | e[0];
        }
    }

    const uint64_t stride = ((static_cast<uint64_t>(width) * bpp + 31) / 32) * 4;
    if (pixel_offset > size || stride * static_cast<uint64_t>(height) > size - pixel_offset)
        return Fail(out, "Imagem BMP truncada.");

    Picture picture;
    if (!picture.SetSize(static_cast<int>(width), static_cast<int>(height)))
        return Fail(out, "Memória insuficiente para a imagem.");
    cairo_surface_t* s = picture.surface();
    cairo_surface_flush(s);
    unsigned char* pixels = cairo_image_surface_get_data(s);
    const int out_stride = cairo_image_surface_get_stride(s);
    bool any_alpha = false;
    for (int64_t row = 0; row < height; ++row) {
        const uint8_t* src = data + pixel_offset + stride * static_cast<uint64_t>(row);
        const int64_t y = top_down ? row : height - 1 - row;
        auto* dst = reinterpret_cast<uint32_t*>(pixels + y * out_stride);
        for (int64_t x = 0; x < width; ++x) {
            uint32_t p;
            switch (bpp) {
                case 1:
                    p = palette[(src[x / 8] >> (7 - x % 8)) & 1];
                    break;
                case 4:
                    p = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
                    break;
                case 8:
                    p = palette[src[x]];
                    break;
                case 16: {
                    const uint32_t v = U16(src + x * 2);
                    p = (alpha.mask ? alpha(v) : 255u) << 24 | red(v) << 16 | green(v) << 8 |
                        blue(v);
                    break;
                }
                case 24:
                    p = 0xFF000000u | (src[x * 3 + 2] << 16) | (src[x * 3 + 1] << 8) | src[x * 3];
                    break;
                default: {
                    const uint32_t v = U32(src + x * 4);
                    // Plain 32-bit files keep their fourth byte: most leave it 0
                    // meaning opaque, so it is only trusted when some pixel sets it.
                    const uint32_t a = alpha.mask ? alpha(v) : v >> 24;
                    any_alpha |= a != 0;
                    p = a << 24 | red(v) << 16 | green(v) << 8 | blue(v);
                }
            }
            dst[x] = p;
        }
    }
    if (bpp == 32 && !any_alpha) {
        for (int64_t y = 0; y < height; ++y) {
            auto* dst = reinterpret_cast<uint32_t*>(pixels + y * out_stride);
            for (int64_t x = 0; x < width; ++x) dst[x] |= 0xFF000000u;
        }
    }
    PremultiplyPixels(s);
    cairo_surface_t* adopted = cairo_surface_reference(s);
    out.Adopt(adopted, PictureFormat::Bmp);
    return true;
}

}  // namespace kv
