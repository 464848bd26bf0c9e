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



StreamByteReader::StreamByteReader(std::size_t size, Source source, std::size_t buffer_size)
    : size_(size),
      source_(std::move(source)),
      buffer_(new char[std::max<std::size_t>(buffer_size, 8)]),
      capacity_(std::max<std::size_t>(buffer_size, 8)) {}

bool StreamByteReader::Pull(char* into, std::size_t n) {
    const std::size_t want = std::min(n, size_ - pulled_);
    const std::size_t got = want ? source_(into, want) : 0;
    pulled_ += got;
    if (got < want) {
        // The source ended before the bytes it was said to hold.
        size_ = pulled_;
        ok_ = false;
    }
    return got == n;
}

void StreamByteReader::Fill(std::size_t n) {
    if (end_ - begin_ >= n) return;
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    const std::size_t room = capacity_ - end_;
    const std::size_t want = std::min(room, size_ - pulled_);
    const std::size_t before = pulled_;
    Pull(buffer_.get() + end_, want);
    end_ += pulled_ - before;
}

std::uint64_t StreamByteReader::Get(int n) {
    const auto count = static_cast<std::size_t>(n);
    Fill(count);
    const std::size_t have = std::min(count, end_ - begin_);
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < have; ++i)
        v |= static_cast<std::uint64_t>(static_cast<std::uint8_t>(buffer_[begin_ + i])) << (8 * i);
    begin_ += have;
    if (have < count) ok_ = false;
    pos_ += count;
    return v;
}

void StreamByteReader::Gap(std::size_t n) {
    char discard[256];
    while (n > 0) {
        const std::size_t step = std::min(n, sizeof discard);
        Bytes(discard, step);
        n -= step;
    }
}

void StreamByteReader::Bytes(void* p, std::size_t n) {
    auto* out = static_cast<char*>(p);
    std::size_t done = std::min(n, end_ - begin_);
    std::memcpy(out, buffer_.get() + begin_, done);
    begin_ += done;
    if (n - done >= capacity_) {
        // A large block goes straight from the source to its place, not through the buffer.
        const std::size_t before = pulled_;
        Pull(out + done, n - done);
        done += pulled_ - before;
    } else if (done < n) {
        Fill(n - done);
        const std::size_t more = std::min(n - done, end_ - begin_);
        std::memcpy(out + done, buffer_.get() + begin_, more);
        begin_ += more;
        done += more;
    }
    if (done < n) {
        std::memset(out + done, 0, n - done);
        ok_ = false;
    }
    pos_ += n;
}

bool StreamByteReader::AtEnd() {
    if (pos_ != size_ || begin_ != end_ || pulled_ != size_) return false;
    // A source with more bytes than expected (a file that grew while it was read) is not
    // the whole of what was read.
    char extra = 0;
    return source_(&extra, 1) == 0;
}

}  // namespace kv
