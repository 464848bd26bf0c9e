#include "ui/markup/encoded_picture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/base/files.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"

namespace kv {

std::optional<Bytes> ReadFileBytes(std::string_view path) {
    const std::string name = NativePath(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error)) return std::nullopt;
    std::ifstream in(name, std::ios::binary);
    if (!in) return std::nullopt;
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool EncodedPicture::UpdateImageSize() {
    if (empty_ || bytes_.empty()) return false;
    SetSize(ImageSizeFromBytes(bytes_));
    return true;
}

void EncodedPicture::AssignFrom(const EncodedPicture* source, bool same_kind) {
    empty_ = true;
    if (!source) {
        bytes_.clear();
        Changed();
        Cleared();
        return;
    }
    bytes_ = source->bytes_;
    empty_ = same_kind && bytes_.empty();
    Changed();
    UpdateImageSize();
}

bool EncodedPicture::TakeFile(std::string_view file_name) {
    auto bytes = ReadFileBytes(file_name);
    if (!bytes) {
        empty_ = true;
        return false;
    }
    bytes_ = std::move(*bytes);
    empty_ = false;
    Cleared();
    return true;
}

bool EncodedPicture::Decode(Picture& out) const {
    out = Picture();
    if (empty_ || bytes_.empty() || !out.LoadFromMemory(bytes_.data(), bytes_.size())) return false;
    if (out.format() == PictureFormat::Bmp) out.transparent = true;
    return true;
}

void EncodedPicture::DrawOnCanvas(Canvas& canvas, const Rect& r, bool bitmap_at_own_size) {
    Picture p;
    if (!Decode(p)) return;
    if (p.format() == PictureFormat::Bmp) {
        if (bitmap_at_own_size) {
            canvas.Draw(r.left, r.top, p);
        } else {
            canvas.StretchDraw(r, p);
        }
        return;
    }
    SetSize({p.width(), p.height()});
    canvas.StretchDraw(r, p);
}

std::string FormatVersion(std::uint32_t packed) {
    return std::to_string(packed >> 24) + "." + std::to_string((packed >> 16) & 0xFF) + "." +
           std::to_string((packed >> 8) & 0xFF) + "." + std::to_string(packed & 0xFF);
}

}  // namespace kv
