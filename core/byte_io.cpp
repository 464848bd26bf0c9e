#include "core/byte_io.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace kv {

ByteWriter::ByteWriter(std::size_t buffer_size, Sink sink)
    : sink_(std::move(sink)), capacity_(std::max<std::size_t>(buffer_size, 8)) {
    bytes_.reserve(capacity_);
}

void ByteWriter::Hand(std::string_view bytes) {
    handed_ += bytes.size();
    if (sink_ok_ && !bytes.empty()) sink_ok_ = sink_(bytes);
}

bool ByteWriter::Flush() {
    if (capacity_ != 0) {
        Hand(bytes_);
        bytes_.clear();
    }
    return sink_ok_;
}

void ByteWriter::Spill(const void* p, std::size_t n) {
    const char* c = static_cast<const char*>(p);
    Flush();
    if (n >= capacity_)
        Hand(std::string_view(c, n));
    else
        bytes_.append(c, n);
}

void ByteWriter::Zeros(std::size_t n) {
    while (n > 0) {
        Room(1);
        const std::size_t step = capacity_ != 0 ? std::min(n, capacity_ - bytes_.size()) : n;
        bytes_.append(step, '\0');
        n -= step;
    }
}

void ByteWriter::F32(float v) {
    Put(std::bit_cast<std::uint32_t>(v), 4);
}
void ByteWriter::F64(double v) {
    Put(std::bit_cast<std::uint64_t>(v), 8);
}

std::uint64_t ByteReader::Get(int n) {
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i, ++pos_) {
        if (pos_ < bytes_.size()) {
            v |= static_cast<std::uint64_t>(static_cast<std::uint8_t>(bytes_[pos_])) << (8 * i);
        } else {
            ok_ = false;
        }
    }
    return v;
}

float ByteReader::F32() {
    return std::bit_cast<float>(static_cast<std::uint32_t>(Get(4)));
}
double ByteReader::F64() {
    return std::bit_cast<double>(Get(8));
}

void ByteReader::Bytes(void* p, std::size_t n) {
    auto* out = static_cast<char*>(p);
    const std::size_t have = std::min(n, remaining());
    if (have) std::memcpy(out, bytes_.data() + pos_, have);
    if (have < n) {
        std::memset(out + have, 0, n - have);
        ok_ = false;
    }
    pos_ += n;
}

void ByteReader::Skip(std::size_t n) {
    if (remaining() < n) ok_ = false;
    pos_ += n;
}

std::int32_t ByteReader::Count(std::size_t record_size, std::int32_t max_count) {
    const std::int32_t n = I32();
    if (!ok_ || n < 0 || n > max_count ||
        (record_size != 0 && static_cast<std::size_t>(n) > remaining() / record_size)) {
        ok_ = false;
        return -1;
    }
    return n;
}

}  // namespace kv
