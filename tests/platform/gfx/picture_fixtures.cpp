#include "tests/platform/gfx/picture_fixtures.h"

#include <gif_lib.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>

namespace kv::fixtures {
namespace {

void AppendPng(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushPng(png_structp) {}

// Writes rows prepared by `fill` with the header set by `setup`.
template <typename Setup>
Bytes WritePng(int height, Setup setup, std::vector<std::vector<uint8_t>>& rows) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) throw std::runtime_error("png write");
    png_set_write_fn(png, &out, AppendPng, FlushPng);
    setup(png, info);
    png_write_info(png, info);
    std::vector<png_bytep> pointers;
    for (int y = 0; y < height; ++y) pointers.push_back(rows[y].data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

int WriteGif(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

}  // namespace

void PutU16(Bytes& b, size_t at, uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}

void PutU32(Bytes& b, size_t at, uint32_t v) {
    PutU16(b, at, v & 0xFFFF);
    PutU16(b, at + 2, v >> 16);
}

Bytes EncodePng(int width, int height, const Pixels& pixels, bool interlaced) {
    std::vector<std::vector<uint8_t>> rows(height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixels[y * width + x];
            rows[y].insert(rows[y].end(),
                           {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
        }
    }
    return WritePng(
        height,
        [&](png_structp png, png_infop info) {
            png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA,
                         interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                         PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            if (interlaced) png_set_interlace_handling(png);
        },
        rows);
}

Bytes EncodePalettePng(int width, int height, const std::vector<uint8_t>& indices,
                       const Pixels& palette, int transparent_entries) {
    std::vector<std::vector<uint8_t>> rows(height);
    for (int y = 0; y < height; ++y)
        rows[y].assign(indices.begin() + y * width, indices.begin() + (y + 1) * width);
    std::vector<png_color> colors;
    for (uint32_t c : palette) colors.push_back({uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    std::vector<png_byte> alpha(transparent_entries, 0);
    return WritePng(
        height,
        [&](png_structp png, png_infop info) {
            png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                         PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            png_set_PLTE(png, info, colors.data(), static_cast<int>(colors.size()));
            if (transparent_entries > 0)
                png_set_tRNS(png, info, alpha.data(), transparent_entries, nullptr);
        },
        rows);
}

Bytes EncodeJpeg(int width, int height, const Pixels& pixels, bool grayscale) {
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = grayscale ? 1 : 3;
    info.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row;
    for (int y = 0; y < height; ++y) {
        row.clear();
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixels[y * width + x];
            if (grayscale)
                row.push_back(uint8_t(p >> 8));
            else
                row.insert(row.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes EncodeGif(int width, int height, const std::vector<uint8_t>& indices, const Pixels& palette,
                int transparent_index, bool interlaced) {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteGif, &error);
    std::vector<GifColorType> colors;
    for (uint32_t c : palette) colors.push_back({uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    int bits = 1;
    while ((1 << bits) < static_cast<int>(colors.size())) ++bits;
    colors.resize(1u << bits);
    ColorMapObject* map = GifMakeMapObject(1 << bits, colors.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width, height, bits, 0, map);
    if (transparent_index >= 0) {
        const GifByteType control[4] = {1, 0, 0, GifByteType(transparent_index)};
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control);
    }
    EGifPutImageDesc(gif, 0, 0, width, height, interlaced, nullptr);
    // Interlaced frames are written in the order of their four passes.
    std::vector<int> order;
    if (interlaced) {
        for (int start : {0, 4, 2, 1}) {
            const int step = start == 0 || start == 4 ? 8 : start == 2 ? 4 : 2;
            for (int y = start; y < height; y += step) order.push_back(y);
        }
    } else {
        for (int y = 0; y < height; ++y) order.push_back(y);
    }
    for (int y : order) {
        std::vector<GifPixelType> line(indices.begin() + y * width,
                                       indices.begin() + (y + 1) * width);
        EGifPutLine(gif, line.data(), width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

Bytes EncodeBmp(int bpp, int width, int height, const std::vector<uint32_t>& values,
                const Pixels& palette) {
    const int rows = height < 0 ? -height : height;
    const size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    const size_t palette_bytes = palette.size() * 4;
    const size_t offset = 14 + 40 + palette_bytes;
    Bytes b(offset + stride * rows, 0);
    b[0] = 'B';
    b[1] = 'M';
    PutU32(b, 2, static_cast<uint32_t>(b.size()));
    PutU32(b, 10, static_cast<uint32_t>(offset));
    PutU32(b, 14, 40);
    PutU32(b, 18, static_cast<uint32_t>(width));
    PutU32(b, 22, static_cast<uint32_t>(height));
    PutU16(b, 26, 1);
    PutU16(b, 28, bpp);
    PutU32(b, 46, static_cast<uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) PutU32(b, 54 + i * 4, palette[i] & 0xFFFFFF);
    for (int r = 0; r < rows; ++r) {
        const int y = height < 0 ? r : rows - 1 - r;  // file row r holds picture row y
        uint8_t* row = b.data() + offset + stride * r;
        for (int x = 0; x < width; ++x) {
            const uint32_t v = values[y * width + x];
            switch (bpp) {
                case 1:
                    row[x / 8] |= (v & 1) << (7 - x % 8);
                    break;
                case 4:
                    row[x / 2] |= (v & 0xF) << (x % 2 ? 0 : 4);
                    break;
                case 8:
                    row[x] = v & 0xFF;
                    break;
                case 16:
                    row[x * 2] = v & 0xFF, row[x * 2 + 1] = (v >> 8) & 0xFF;
                    break;
                case 24:
                    row[x * 3] = v & 0xFF, row[x * 3 + 1] = (v >> 8) & 0xFF,
                            row[x * 3 + 2] = (v >> 16) & 0xFF;
                    break;
                case 32:
                    for (int k = 0; k < 4; ++k) row[x * 4 + k] = (v >> (8 * k)) & 0xFF;
                    break;
            }
        }
    }
    return b;
}

Bytes WithBitMasks(Bytes bmp, const std::vector<uint32_t>& masks) {
    Bytes field(4 * masks.size());
    for (size_t i = 0; i < masks.size(); ++i) PutU32(field, i * 4, masks[i]);
    bmp.insert(bmp.begin() + 54, field.begin(), field.end());
    PutU32(bmp, 2, static_cast<uint32_t>(bmp.size()));
    PutU32(bmp, 10, static_cast<uint32_t>(54 + field.size()));
    PutU32(bmp, 30, masks.size() == 4 ? 6 : 3);
    return bmp;
}

}  // namespace kv::fixtures
