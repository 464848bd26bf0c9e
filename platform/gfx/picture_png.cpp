#include <png.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/gfx/picture.h"

namespace kv {
namespace {

// Everything the decoder changes lives here, outside the frame that called
// setjmp, so nothing is left indeterminate when libpng jumps back on an error.
struct PngRead {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    png_structp png = nullptr;
    png_infop info = nullptr;
    cairo_surface_t* surface = nullptr;
    bool done = false;
    std::vector<png_bytep> rows;
    const char* message = "Imagem PNG danificada.";
};

void ReadBytes(png_structp png, png_bytep out, png_size_t length) {
    auto* r = static_cast<PngRead*>(png_get_io_ptr(png));
    if (length > r->size - r->pos) {
        r->message = "Imagem PNG truncada.";
        png_error(png, "truncated");
    }
    std::memcpy(out, r->data + r->pos, length);
    r->pos += length;
}

void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

// Runs between setjmp and any longjmp: no locals with destructors.
void Decode(PngRead* r) {
    png_set_read_fn(r->png, r, ReadBytes);
    png_set_user_limits(r->png, kMaxPictureSide, kMaxPictureSide);
    png_set_chunk_malloc_max(r->png, 8 * 1024 * 1024);
    png_read_info(r->png, r->info);
    const png_uint_32 width = png_get_image_width(r->png, r->info);
    const png_uint_32 height = png_get_image_height(r->png, r->info);
    if (!PictureSizeAllowed(width, height)) {
        r->message = "Dimensões de imagem PNG inválidas.";
        png_error(r->png, "size");
    }
    const int color = png_get_color_type(r->png, r->info);
    if (png_get_bit_depth(r->png, r->info) == 16) png_set_strip_16(r->png);
    if (color == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(r->png);
    if (color == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(r->png, r->info) < 8)
        png_set_expand_gray_1_2_4_to_8(r->png);
    if (png_get_valid(r->png, r->info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(r->png);
    if (color == PNG_COLOR_TYPE_GRAY || color == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(r->png);
    png_set_filler(r->png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(r->png);  // B,G,R,A in memory: one little-endian 0xAARRGGBB word
    png_set_interlace_handling(r->png);
    png_read_update_info(r->png, r->info);
    if (png_get_rowbytes(r->png, r->info) != width * 4) png_error(r->png, "row size");

    r->surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width),
                                            static_cast<int>(height));
    if (cairo_surface_status(r->surface) != CAIRO_STATUS_SUCCESS) {
        r->message = "Memória insuficiente para a imagem.";
        png_error(r->png, "memory");
    }
    cairo_surface_flush(r->surface);
    unsigned char* pixels = cairo_image_surface_get_data(r->surface);
    const int stride = cairo_image_surface_get_stride(r->surface);
    r->rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) r->rows[y] = pixels + static_cast<size_t>(y) * stride;
    png_read_image(r->png, r->rows.data());
    png_read_end(r->png, nullptr);
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, Picture& out) {
    auto r = std::make_unique<PngRead>();
    r->data = data;
    r->size = size;
    r->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (r->png) r->info = png_create_info_struct(r->png);
    if (!r->png || !r->info) {
        png_destroy_read_struct(&r->png, &r->info, nullptr);
        out.Fail("Memória insuficiente para a imagem.");
        return false;
    }
    if (setjmp(png_jmpbuf(r->png)) == 0) {
        Decode(r.get());
        r->done = true;
    }
    png_destroy_read_struct(&r->png, &r->info, nullptr);
    if (!r->done) {
        if (r->surface) cairo_surface_destroy(r->surface);
        out.Fail(r->message);
        return false;
    }
    PremultiplyPixels(r->surface);
    out.Adopt(r->surface, PictureFormat::Png);
    return true;
}

}  // namespace kv
