#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/picture.h"

namespace kv {
namespace {

struct GifInput {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

int ReadBytes(GifFileType* gif, GifByteType* out, int length) {
    auto* in = static_cast<GifInput*>(gif->UserData);
    if (length < 0) return 0;
    const size_t n = std::min(static_cast<size_t>(length), in->size - in->pos);
    std::memcpy(out, in->data + in->pos, n);
    in->pos += n;
    return static_cast<int>(n);
}

struct GifCloser {
    GifFileType* gif;
    ~GifCloser() {
        int error = 0;
        if (gif) DGifCloseFile(gif, &error);
    }
};

bool Fail(Picture& out, const char* message) {
    out.Fail(message);
    return false;
}

}  // namespace

// Only the first frame is shown; its graphic control block gives the
// transparent index. Pixels outside the frame stay transparent.
bool DecodeGif(const uint8_t* data, size_t size, Picture& out) {
    GifInput in{data, size, 0};
    int error = 0;
    GifCloser file{DGifOpen(&in, ReadBytes, &error)};
    GifFileType* gif = file.gif;
    if (!gif) return Fail(out, "Imagem GIF danificada.");
    if (!PictureSizeAllowed(gif->SWidth, gif->SHeight))
        return Fail(out, "Dimensões de imagem GIF inválidas.");
    int transparent = -1;
    while (true) {
        GifRecordType type;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) return Fail(out, "Imagem GIF truncada.");
        if (type == TERMINATE_RECORD_TYPE) return Fail(out, "Imagem GIF sem quadros.");
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* ext = nullptr;
            if (DGifGetExtension(gif, &code, &ext) == GIF_ERROR)
                return Fail(out, "Imagem GIF truncada.");
            if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4 && (ext[1] & 1))
                transparent = ext[4];
            while (ext) {
                if (DGifGetExtensionNext(gif, &ext) == GIF_ERROR)
                    return Fail(out, "Imagem GIF truncada.");
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) continue;
        if (DGifGetImageDesc(gif) == GIF_ERROR) return Fail(out, "Imagem GIF truncada.");
        const GifImageDesc& frame = gif->Image;
        const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
        if (!map || map->ColorCount <= 0 || !map->Colors)
            return Fail(out, "Imagem GIF sem paleta.");
        if (!PictureSizeAllowed(frame.Width, frame.Height))
            return Fail(out, "Dimensões de imagem GIF inválidas.");

        Picture picture;
        if (!picture.SetSize(gif->SWidth, gif->SHeight))
            return Fail(out, "Memória insuficiente para a imagem.");
        cairo_surface_t* s = picture.surface();
        cairo_surface_flush(s);
        unsigned char* pixels = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
        // Interlaced frames send rows in four passes.
        static constexpr int kStart[] = {0, 4, 2, 1};
        static constexpr int kStep[] = {8, 8, 4, 2};
        const int passes = frame.Interlace ? 4 : 1;
        for (int pass = 0; pass < passes; ++pass) {
            const int first = frame.Interlace ? kStart[pass] : 0;
            const int step = frame.Interlace ? kStep[pass] : 1;
            for (int row = first; row < frame.Height; row += step) {
                if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
                    return Fail(out, "Imagem GIF truncada.");
                const int y = frame.Top + row;
                if (y < 0 || y >= gif->SHeight) continue;
                auto* dst = reinterpret_cast<uint32_t*>(pixels + static_cast<size_t>(y) * stride);
                for (int col = 0; col < frame.Width; ++col) {
                    const int x = frame.Left + col;
                    const int index = line[col];
                    if (x < 0 || x >= gif->SWidth || index == transparent) continue;
                    if (index >= map->ColorCount) continue;
                    const GifColorType& c = map->Colors[index];
                    dst[x] = 0xFF000000u | (c.Red << 16) | (c.Green << 8) | c.Blue;
                }
            }
        }
        cairo_surface_mark_dirty(s);
        out.Adopt(cairo_surface_reference(s), PictureFormat::Gif);
        return true;
    }
}

}  // namespace kv
