#include "core/byte_io.h"

#include <bit>
#include <cstring>

namespace kv {

void ByteWriter::f32(float v) {
    put(std::bit_cast<std::uint32_t>(v), 4);
}
void ByteWriter::f64(double v) {
    put(std::bit_cast<std::uint64_t>(v), 8);
}

void ByteWriter::bytes(const void* p, std::size_t n) {
    const auto* b = static_cast<const std::uint8_t*>(p);
    buf_.insert(buf_.end(), b, b + n);
}

std::uint64_t ByteReader::get(int n) {
    if (!ok_ || data_.size() - pos_ < static_cast<std::size_t>(n)) {
        ok_ = false;
        return 0;
    }
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<std::uint64_t>(data_[pos_ + i]) << (8 * i);
    pos_ += n;
    return v;
}

std::uint8_t ByteReader::u8() {
    return static_cast<std::uint8_t>(get(1));
}
float ByteReader::f32() {
    return std::bit_cast<float>(static_cast<std::uint32_t>(get(4)));
}
double ByteReader::f64() {
    return std::bit_cast<double>(get(8));
}

bool ByteReader::bytes(void* p, std::size_t n) {
    if (!ok_ || data_.size() - pos_ < n) {
        ok_ = false;
        if (n) std::memset(p, 0, n);
        return false;
    }
    if (n) std::memcpy(p, data_.data() + pos_, n);
    pos_ += n;
    return true;
}

bool ByteReader::skip(std::size_t n) {
    if (!ok_ || data_.size() - pos_ < n) {
        ok_ = false;
        return false;
    }
    pos_ += n;
    return true;
}

std::int32_t ByteReader::count(std::size_t record_size, std::int32_t max_count) {
    const std::int32_t n = i32();
    if (!ok_) return -1;
    if (n < 0 || n > max_count ||
        (record_size != 0 && static_cast<std::size_t>(n) > remaining() / record_size)) {
        ok_ = false;
        return -1;
    }
    return n;
}

}  // namespace kv
