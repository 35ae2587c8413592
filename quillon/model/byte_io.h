// Little-endian record primitives shared by every Quillon file format
// (Tabs.stream, tweak databases, profiles, backups).
//
// A record string is a uint32 byte count followed by that many bytes, no
// terminator. Readers in the rest of the program keep strings in 256-byte
// buffers, so a string is at most kMaxRecordString bytes; the reader rejects
// longer ones and the writer refuses to produce them (it never truncates,
// which would silently change the saved data).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quillon {

constexpr std::size_t kMaxRecordString = 255;

// Reads from a byte buffer it does not own. Every read is bounds-checked and
// returns false on failure. Failure is sticky: once a read has failed, ok()
// is false and every later read fails too, so a caller may check only once at
// the end of a record. A failed read leaves the offset and its output
// argument unchanged.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size);
    explicit ByteReader(const std::vector<std::uint8_t>& bytes);

    bool ReadU8(std::uint8_t& out);
    bool ReadU32(std::uint32_t& out);
    bool ReadI32(std::int32_t& out);
    bool ReadU64(std::uint64_t& out);
    // Rejects a count above maxLength and a count that runs past the end.
    bool ReadString(std::string& out, std::size_t maxLength = kMaxRecordString);

    // Marks the reader failed; used when a record reads fine byte-wise but
    // its contents are inconsistent.
    void Fail() { ok_ = false; }

    bool ok() const { return ok_; }
    std::size_t offset() const { return offset_; }
    std::size_t size() const { return size_; }
    std::size_t remaining() const { return size_ - offset_; }
    bool AtEnd() const { return offset_ == size_; }

private:
    // True and advances past n bytes if they are all available.
    bool Take(std::size_t n, const std::uint8_t*& at);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
    bool ok_ = true;
};

// Appends records to a byte vector it owns. Failure is sticky like the
// reader's; a failed write appends nothing.
class ByteWriter {
public:
    void WriteU8(std::uint8_t v);
    void WriteU32(std::uint32_t v);
    void WriteI32(std::int32_t v);
    void WriteU64(std::uint64_t v);
    // Returns false (and appends nothing) for a string over kMaxRecordString
    // bytes, so nothing the reader would reject is ever written.
    bool WriteString(const std::string& s, std::size_t maxLength = kMaxRecordString);
    // Appends everything another writer produced; fails if that one failed.
    bool Append(const ByteWriter& other);

    void Fail() { ok_ = false; }
    bool ok() const { return ok_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
    bool ok_ = true;
};

}  // namespace quillon
