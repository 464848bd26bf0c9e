#include "platform/gfx/picture.h"

#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace kv {
namespace {

// Largest picture file read whole into memory.
constexpr std::streamoff kMaxPictureFile = 256 * 1024 * 1024;

uint32_t* Row(cairo_surface_t* s, int y) {
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) +
                                       static_cast<size_t>(y) * cairo_image_surface_get_stride(s));
}

cairo_surface_t* CopySurface(cairo_surface_t* s) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    if (cairo_surface_status(copy) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(copy);
        return nullptr;
    }
    cairo_surface_flush(s);
    for (int y = 0; y < h; ++y) std::memcpy(Row(copy, y), Row(s, y), static_cast<size_t>(w) * 4);
    cairo_surface_mark_dirty(copy);
    return copy;
}

// How many pictures hold a surface, kept on the surface itself when more than one does. Cairo's
// own count cannot tell: a context or pattern drawing into the surface holds it too.
cairo_user_data_key_t kHolders;

std::atomic<int>* Holders(cairo_surface_t* s) {
    return static_cast<std::atomic<int>*>(cairo_surface_get_user_data(s, &kHolders));
}

// One more picture holds `s`.
cairo_surface_t* Share(cairo_surface_t* s) {
    std::atomic<int>* holders = Holders(s);
    if (!holders) {
        holders = new std::atomic<int>(1);
        if (cairo_surface_set_user_data(s, &kHolders, holders, [](void* p) {
                delete static_cast<std::atomic<int>*>(p);
            }) != CAIRO_STATUS_SUCCESS) {
            delete holders;
            return CopySurface(s);
        }
    }
    ++*holders;
    return cairo_surface_reference(s);
}

// A picture lets go of `s`.
void Unhold(cairo_surface_t* s) {
    if (std::atomic<int>* holders = Holders(s)) --*holders;
    cairo_surface_destroy(s);
}

bool HeldByOthers(cairo_surface_t* s) {
    const std::atomic<int>* holders = Holders(s);
    return holders && holders->load() > 1;
}

ARGB Unpremultiply(uint32_t p) {
    const uint32_t a = p >> 24;
    if (a == 0) return 0;
    if (a == 255) return p;
    auto un = [a](uint32_t v) { return (v * 255 + a / 2) / a; };
    return (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
}

uint32_t Premultiply(ARGB c) {
    const uint32_t a = c >> 24;
    if (a == 255) return c;
    auto pre = [a](uint32_t v) { return (v * a + 127) / 255; };
    return (a << 24) | (pre((c >> 16) & 0xFF) << 16) | (pre((c >> 8) & 0xFF) << 8) | pre(c & 0xFF);
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

void PremultiplyPixels(cairo_surface_t* surface) {
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    for (int y = 0; y < h; ++y) {
        uint32_t* row = Row(surface, y);
        for (int x = 0; x < w; ++x) row[x] = Premultiply(row[x]);
    }
}

bool PictureSizeAllowed(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

Picture::Picture(int width, int height) {
    SetSize(width, height);
}

Picture::~Picture() {
    Release();
}

Picture::Picture(const Picture& other) {
    *this = other;
}

Picture& Picture::operator=(const Picture& other) {
    if (this == &other) return *this;
    Release();
    // A picture being drawn into is copied at once: its pixels are still changing.
    if (other.surface_)
        surface_ = other.open_for_drawing_ > 0 ? CopySurface(other.surface_)
                                               : Share(other.surface_);
    if (other.surface_ && !surface_) {
        error_ = "Memória insuficiente para a imagem.";
        return *this;
    }
    width_ = other.width_;
    height_ = other.height_;
    format_ = other.format_;
    error_ = other.error_;
    transparent = other.transparent;
    transparent_color = other.transparent_color;
    return *this;
}

Picture::Picture(Picture&& other) noexcept {
    *this = std::move(other);
}

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this == &other) return *this;
    Release();
    surface_ = std::exchange(other.surface_, nullptr);
    keyed_ = std::exchange(other.keyed_, nullptr);
    keyed_color_ = other.keyed_color_;
    scaled_ = std::exchange(other.scaled_, nullptr);
    scaled_from_ = std::exchange(other.scaled_from_, nullptr);
    scaled_width_ = other.scaled_width_;
    scaled_height_ = other.scaled_height_;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    format_ = std::exchange(other.format_, PictureFormat::None);
    error_ = std::move(other.error_);
    transparent = other.transparent;
    transparent_color = other.transparent_color;
    return *this;
}

void Picture::DropScaled() const {
    if (scaled_) cairo_surface_destroy(scaled_);
    scaled_ = nullptr;
    scaled_from_ = nullptr;
}

void Picture::Unshare() {
    if (!surface_ || !HeldByOthers(surface_)) return;
    cairo_surface_t* own = CopySurface(surface_);
    // Out of memory the pixels stay shared: better than none to draw into.
    if (!own) return;
    Unhold(surface_);
    surface_ = own;
    DropScaled();
    if (keyed_) cairo_surface_destroy(keyed_);
    keyed_ = nullptr;
}

void Picture::OpenForDrawing() {
    Unshare();
    ++open_for_drawing_;
}

void Picture::Release() {
    DropScaled();
    if (keyed_) cairo_surface_destroy(keyed_);
    if (surface_) Unhold(surface_);
    keyed_ = nullptr;
    surface_ = nullptr;
    width_ = height_ = 0;
    format_ = PictureFormat::None;
}

void Picture::Clear() {
    Release();
    error_.clear();
}

void Picture::Adopt(cairo_surface_t* surface, PictureFormat format) {
    Release();
    surface_ = surface;
    cairo_surface_mark_dirty(surface_);
    width_ = cairo_image_surface_get_width(surface_);
    height_ = cairo_image_surface_get_height(surface_);
    format_ = format;
    error_.clear();
}

void Picture::Fail(std::string message) {
    Release();
    error_ = std::move(message);
}

bool Picture::SetSize(int width, int height) {
    if (!PictureSizeAllowed(width, height)) {
        Fail("Tamanho de imagem inválido.");
        return false;
    }
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        Fail("Memória insuficiente para a imagem.");
        return false;
    }
    Adopt(s, PictureFormat::Memory);
    return true;
}

bool Picture::LoadFromMemory(const void* data, size_t size) {
    const auto* b = static_cast<const uint8_t*>(data);
    auto starts = [&](const char* magic, size_t n) {
        return size >= n && std::memcmp(b, magic, n) == 0;
    };
    bool ok;
    if (starts("\x89PNG\r\n\x1a\n", 8))
        ok = DecodePng(b, size, *this);
    else if (starts("\xFF\xD8\xFF", 3))
        ok = DecodeJpeg(b, size, *this);
    else if (starts("GIF87a", 6) || starts("GIF89a", 6))
        ok = DecodeGif(b, size, *this);
    else if (starts("BM", 2))
        ok = DecodeBmp(b, size, *this);
    else {
        Fail(size == 0 ? "Arquivo de imagem vazio." : "Formato de imagem desconhecido.");
        return false;
    }
    if (!ok && error_.empty()) error_ = "Imagem danificada.";
    return ok;
}

namespace {

// Pictures decoded from files, kept so that a window made again (the round's windows are made
// anew every round, each with its crests and flags) copies them instead of reading and decoding
// the file again. A file is known by its path and by its size, change time and identity on disk,
// so a file written anew is read anew.
class DecodedFiles {
  public:
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec changed{};
        bool operator==(const Stamp& o) const {
            return device == o.device && inode == o.inode && size == o.size &&
                   changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
        }
    };

    // The decoded picture of the file as it is now, or null.
    const Picture* Find(const std::string& path, const Stamp& stamp) {
        const auto it = pictures_.find(path);
        if (it == pictures_.end()) return nullptr;
        if (it->second.stamp == stamp) return &it->second.picture;
        bytes_ -= Bytes(it->second.picture);
        pictures_.erase(it);
        return nullptr;
    }

    void Keep(const std::string& path, const Stamp& stamp, const Picture& picture) {
        const size_t bytes = Bytes(picture);
        if (bytes > kMaxBytes / 4) return;  // a large background is read once anyway
        // Bounded: every crest of a large database must not stay in memory.
        if (bytes_ + bytes > kMaxBytes) {
            pictures_.clear();
            bytes_ = 0;
        }
        auto& kept = pictures_[path];
        bytes_ -= Bytes(kept.picture);
        kept.stamp = stamp;
        kept.picture = picture;
        bytes_ += bytes;
    }

  private:
    static constexpr size_t kMaxBytes = size_t{32} << 20;
    static size_t Bytes(const Picture& p) { return size_t(p.width()) * size_t(p.height()) * 4; }
    struct Kept {
        Stamp stamp;
        Picture picture;
    };
    std::unordered_map<std::string, Kept> pictures_;
    size_t bytes_ = 0;
};

DecodedFiles& Decoded() {
    static DecodedFiles files;
    return files;
}

std::mutex& DecodedLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

bool Picture::LoadFromFile(const std::string& path) {
    struct stat st {};
    const bool regular = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    const DecodedFiles::Stamp stamp{st.st_dev, st.st_ino, st.st_size, st.st_ctim};
    if (regular) {
        std::lock_guard<std::mutex> hold(DecodedLock());
        if (const Picture* kept = Decoded().Find(path, stamp)) {
            Adopt(Share(kept->surface_), kept->format_);
            error_.clear();
            return true;
        }
    }
    if (!LoadFileBytes(path, regular)) return false;
    std::lock_guard<std::mutex> hold(DecodedLock());
    Decoded().Keep(path, stamp, *this);
    return true;
}

bool Picture::LoadFileBytes(const std::string& path, bool regular) {
    std::ifstream in;
    if (regular) in.open(path, std::ios::binary | std::ios::ate);
    if (!in.is_open()) {
        Fail("Não foi possível abrir a imagem " + path + ".");
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxPictureFile) {
        Fail("Arquivo de imagem grande demais: " + path + ".");
        return false;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        Fail("Não foi possível ler a imagem " + path + ".");
        return false;
    }
    return LoadFromMemory(bytes.data(), bytes.size());
}

std::vector<uint8_t> Picture::SaveToPngMemory() const {
    std::vector<uint8_t> out;
    if (!surface_) return out;
    cairo_surface_flush(surface_);
    if (cairo_surface_write_to_png_stream(surface_, AppendBytes, &out) != CAIRO_STATUS_SUCCESS)
        out.clear();
    return out;
}

bool Picture::SaveToPng(const std::string& path) const {
    if (!surface_) return false;
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

TColor Picture::EffectiveTransparentColor() const {
    if (transparent_color != clDefault) return ColorToRGB(transparent_color);
    if (!surface_) return clNone;
    return ARGBToColor(PixelARGB(0, height_ - 1));
}

ARGB Picture::PixelARGB(int x, int y) const {
    if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    cairo_surface_flush(surface_);
    return Unpremultiply(Row(surface_, y)[x]);
}

void Picture::SetPixelARGB(int x, int y, ARGB color) {
    if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Unshare();
    cairo_surface_flush(surface_);
    Row(surface_, y)[x] = Premultiply(color);
    MarkDirty();
}

void Picture::MarkDirty() {
    DropScaled();
    if (surface_) cairo_surface_mark_dirty(surface_);
    if (keyed_) cairo_surface_destroy(keyed_);
    keyed_ = nullptr;
}

void Picture::CloseForDrawing() {
    if (open_for_drawing_ > 0) --open_for_drawing_;
    MarkDirty();
}

cairo_surface_t* Picture::DrawSurface() const {
    if (!surface_ || !transparent) return surface_;
    const TColor key = EffectiveTransparentColor();
    if (keyed_ && keyed_color_ == key && open_for_drawing_ == 0) return keyed_;
    // A scaled form made from the old keyed surface goes with it (a new one may take its address).
    DropScaled();
    if (keyed_) cairo_surface_destroy(keyed_);
    keyed_ = CopySurface(surface_);
    if (!keyed_) return surface_;  // out of memory: drawn unkeyed rather than not at all
    keyed_color_ = key;
    const ARGB opaque_key = ColorToOpaqueARGB(key);
    for (int y = 0; y < height_; ++y) {
        uint32_t* row = Row(keyed_, y);
        for (int x = 0; x < width_; ++x) {
            if (row[x] == opaque_key) row[x] = 0;
        }
    }
    cairo_surface_mark_dirty(keyed_);
    return keyed_;
}

cairo_surface_t* Picture::ScaledSurface(int width, int height) const {
    cairo_surface_t* source = DrawSurface();
    if (!source || width <= 0 || height <= 0) return nullptr;
    // The keyed form is a new surface whenever the key changes, so a scaled form made from
    // another source is stale.
    if (scaled_ && scaled_from_ == source && scaled_width_ == width && scaled_height_ == height &&
        open_for_drawing_ == 0)
        return scaled_;
    DropScaled();
    cairo_surface_t* scaled = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(scaled) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(scaled);
        return nullptr;
    }
    cairo_t* cr = cairo_create(scaled);
    cairo_scale(cr, double(width) / width_, double(height) / height_);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(scaled);
    scaled_ = scaled;
    scaled_from_ = source;
    scaled_width_ = width;
    scaled_height_ = height;
    return scaled_;
}

}  // namespace kv
