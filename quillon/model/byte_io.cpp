#include "byte_io.h"

namespace quillon {

ByteReader::ByteReader(const std::uint8_t* data, std::size_t size)
    : data_(data), size_(data ? size : 0) {}

ByteReader::ByteReader(const std::vector<std::uint8_t>& bytes)
    : ByteReader(bytes.data(), bytes.size()) {}

bool ByteReader::Take(std::size_t n, const std::uint8_t*& at) {
    if (!ok_ || n > remaining()) {
        ok_ = false;
        return false;
    }
    at = data_ + offset_;
    offset_ += n;
    return true;
}

bool ByteReader::ReadU8(std::uint8_t& out) {
    const std::uint8_t* p = nullptr;
    if (!Take(1, p)) return false;
    out = p[0];
    return true;
}

bool ByteReader::ReadU32(std::uint32_t& out) {
    const std::uint8_t* p = nullptr;
    if (!Take(4, p)) return false;
    out = static_cast<std::uint32_t>(p[0]) |
          static_cast<std::uint32_t>(p[1]) << 8 |
          static_cast<std::uint32_t>(p[2]) << 16 |
          static_cast<std::uint32_t>(p[3]) << 24;
    return true;
}

bool ByteReader::ReadI32(std::int32_t& out) {
    std::uint32_t u = 0;
    if (!ReadU32(u)) return false;
    // Two's complement reinterpretation without relying on an
    // implementation-defined narrowing conversion.
    out = u <= 0x7FFFFFFFu
              ? static_cast<std::int32_t>(u)
              : static_cast<std::int32_t>(static_cast<std::int64_t>(u) - 0x100000000LL);
    return true;
}

bool ByteReader::ReadU64(std::uint64_t& out) {
    const std::uint8_t* p = nullptr;
    if (!Take(8, p)) return false;
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = v << 8 | p[i];
    out = v;
    return true;
}

bool ByteReader::ReadString(std::string& out, std::size_t maxLength) {
    if (!ok_) return false;
    const std::size_t start = offset_;
    std::uint32_t count = 0;
    if (!ReadU32(count)) return false;
    const std::uint8_t* p = nullptr;
    if (count > maxLength || !Take(count, p)) {
        offset_ = start;  // a rejected string consumes nothing
        ok_ = false;
        return false;
    }
    out.assign(reinterpret_cast<const char*>(p), count);
    return true;
}

void ByteWriter::WriteU8(std::uint8_t v) {
    if (ok_) bytes_.push_back(v);
}

void ByteWriter::WriteU32(std::uint32_t v) {
    if (!ok_) return;
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::WriteI32(std::int32_t v) {
    WriteU32(static_cast<std::uint32_t>(v));  // well-defined modulo 2^32
}

void ByteWriter::WriteU64(std::uint64_t v) {
    if (!ok_) return;
    for (int i = 0; i < 8; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

bool ByteWriter::WriteString(const std::string& s, std::size_t maxLength) {
    if (!ok_ || s.size() > maxLength) {
        ok_ = false;
        return false;
    }
    WriteU32(static_cast<std::uint32_t>(s.size()));
    bytes_.insert(bytes_.end(), s.begin(), s.end());
    return true;
}

bool ByteWriter::Append(const ByteWriter& other) {
    if (!ok_ || !other.ok_) {
        ok_ = false;
        return false;
    }
    bytes_.insert(bytes_.end(), other.bytes_.begin(), other.bytes_.end());
    return true;
}

}  // namespace quillon
