#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/gfx/picture.h"

namespace kv {
namespace {

struct JpegRead {
    jpeg_decompress_struct info{};
    jpeg_error_mgr err{};
    jmp_buf jump;
    bool created = false;
    cairo_surface_t* surface = nullptr;
    bool done = false;
    const char* message = "Imagem JPEG danificada.";
};

[[noreturn]] void OnError(j_common_ptr info) {
    auto* r = reinterpret_cast<JpegRead*>(info->client_data);
    std::longjmp(r->jump, 1);
}

// A picture cut short is refused rather than shown half grey.
void OnMessage(j_common_ptr info, int level) {
    if (level == -1 && info->err->msg_code == JWRN_JPEG_EOF) {
        reinterpret_cast<JpegRead*>(info->client_data)->message = "Imagem JPEG truncada.";
        std::longjmp(reinterpret_cast<JpegRead*>(info->client_data)->jump, 1);
    }
}

// Runs between setjmp and any longjmp: no locals with destructors.
void Decode(JpegRead* r, const uint8_t* data, size_t size) {
    jpeg_create_decompress(&r->info);
    r->created = true;
    r->info.mem->max_memory_to_use = 512L * 1024 * 1024;
    jpeg_mem_src(&r->info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&r->info, TRUE);
    if (!PictureSizeAllowed(r->info.image_width, r->info.image_height)) {
        r->message = "Dimensões de imagem JPEG inválidas.";
        std::longjmp(r->jump, 1);
    }
    const bool cmyk = r->info.jpeg_color_space == JCS_CMYK || r->info.jpeg_color_space == JCS_YCCK;
    r->info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&r->info);
    const int width = static_cast<int>(r->info.output_width);
    const int height = static_cast<int>(r->info.output_height);
    if (!PictureSizeAllowed(width, height) || r->info.output_components != 4)
        std::longjmp(r->jump, 1);
    r->surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(r->surface) != CAIRO_STATUS_SUCCESS) {
        r->message = "Memória insuficiente para a imagem.";
        std::longjmp(r->jump, 1);
    }
    cairo_surface_flush(r->surface);
    unsigned char* pixels = cairo_image_surface_get_data(r->surface);
    const int stride = cairo_image_surface_get_stride(r->surface);
    while (r->info.output_scanline < r->info.output_height) {
        JSAMPROW row = pixels + static_cast<size_t>(r->info.output_scanline) * stride;
        jpeg_read_scanlines(&r->info, &row, 1);
        if (cmyk) {
            // Adobe writes CMYK inverted: each byte is already 255 - ink.
            for (int x = 0; x < width; ++x) {
                unsigned char* p = row + x * 4;
                const unsigned k = p[3];
                const unsigned red = p[0] * k / 255, green = p[1] * k / 255, blue = p[2] * k / 255;
                p[0] = static_cast<unsigned char>(blue);
                p[1] = static_cast<unsigned char>(green);
                p[2] = static_cast<unsigned char>(red);
                p[3] = 255;
            }
        }
    }
    jpeg_finish_decompress(&r->info);
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, Picture& out) {
    auto r = std::make_unique<JpegRead>();
    r->info.err = jpeg_std_error(&r->err);
    r->err.error_exit = OnError;
    r->err.emit_message = OnMessage;
    r->info.client_data = r.get();
    if (setjmp(r->jump) == 0) {
        Decode(r.get(), data, size);
        r->done = true;
    }
    if (r->created) jpeg_destroy_decompress(&r->info);
    if (!r->done) {
        if (r->surface) cairo_surface_destroy(r->surface);
        out.Fail(r->message);
        return false;
    }
    cairo_surface_mark_dirty(r->surface);
    out.Adopt(r->surface, PictureFormat::Jpeg);
    return true;
}

}  // namespace kv
