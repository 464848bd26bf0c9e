#include "ui/markup/encoded_picture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/base/files.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"

namespace kv {

std::optional<Bytes> ReadFileBytes(std::string_view path) {
    // A text may name any path at all: only a regular file of a picture's size is read, so
    // devices, pipes and the system's pseudo-files neither block, nor fail, nor fill memory.
    const std::string name = NativePath(path);
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    std::optional<Bytes> bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0 &&
        static_cast<std::uintmax_t>(st.st_size) <= kMaxPictureFileBytes) {
        Bytes read_so_far;
        std::uint8_t chunk[65536];
        while (true) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 || read_so_far.size() + static_cast<std::size_t>(n) > kMaxPictureFileBytes) {
                read_so_far.clear();
                break;
            }
            if (n == 0) {
                bytes = std::move(read_so_far);
                break;
            }
            read_so_far.insert(read_so_far.end(), chunk, chunk + n);
        }
    }
    ::close(fd);
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
