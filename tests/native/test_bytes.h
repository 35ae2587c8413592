// Test helpers: a raw little-endian byte builder that, unlike ByteWriter,
// writes whatever it is told (over-long strings, bad counts), so tests can
// make damaged records; and prefix/whole-buffer read checks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillon_test {

class Bytes {
public:
    Bytes& U8(std::uint8_t v) {
        data_.push_back(v);
        return *this;
    }
    Bytes& U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    Bytes& U64(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) data_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    // Count prefix taken from the text itself.
    Bytes& Str(const std::string& s) { return StrWithCount(static_cast<std::uint32_t>(s.size()), s); }
    // Count prefix chosen freely (e.g. larger than the bytes that follow).
    Bytes& StrWithCount(std::uint32_t count, const std::string& s) {
        U32(count);
        data_.insert(data_.end(), s.begin(), s.end());
        return *this;
    }
    Bytes& Raw(const std::vector<std::uint8_t>& more) {
        data_.insert(data_.end(), more.begin(), more.end());
        return *this;
    }
    const std::vector<std::uint8_t>& data() const { return data_; }
    operator const std::vector<std::uint8_t>&() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
};

}  // namespace quillon_test
