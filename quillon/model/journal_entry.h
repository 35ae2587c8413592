// An apply journal entry: for every registry value a change of several
// values is about to write or delete, what the value was before and what
// the change makes it, so that the change can be undone exactly (values
// that did not exist are deleted again) and checked afterwards.
//
// File "Journal\<serial>.qlj", little-endian, strings as in the other
// files (int32 length, bytes, no terminator):
//   4 bytes "QLJ1", uint8 complete (0 while the change runs, 1 once its
//   last value was written), string title, string tag (the game whose start
//   made the change, or empty), uint32 value count, then per value:
//   uint32 root (the key's handle value), uint8 view (0 the program's,
//   1 the native registry), string subkey, string value name, and twice,
//   before and after: uint8 exists, uint32 type, string data (the raw
//   bytes, at most 1 MB).
// No Windows headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

struct JournalState {
    bool exists = false;
    std::uint32_t type = 0;
    std::string data;  // raw bytes as the registry holds them

    bool operator==(const JournalState& o) const {
        return exists == o.exists && (!exists || (type == o.type && data == o.data));
    }
    bool operator!=(const JournalState& o) const { return !(*this == o); }
};

struct JournalValue {
    std::uint32_t root = 0;
    bool nativeView = false;
    std::string subKey;
    std::string valueName;
    JournalState before;
    JournalState after;
};

struct JournalEntry {
    bool complete = false;
    std::string title;
    std::string tag;
    std::vector<JournalValue> values;
};

constexpr std::size_t kJournalCompleteOffset = 4;  // the byte marked at the end
constexpr std::size_t kMaxJournalString = 4096;
constexpr std::size_t kMaxJournalData = 1024 * 1024;

// False when a string or data is over its limit (nothing is then written).
bool WriteJournalEntry(const JournalEntry& entry, std::vector<std::uint8_t>& bytes);
// False, with what is wrong in 'error', for anything but a whole entry:
// another file, a truncated one, strings or data over their limits, a
// count larger than the bytes could hold, bytes after the last value.
bool ReadJournalEntry(const std::vector<std::uint8_t>& bytes, JournalEntry& entry, std::string& error);

// "value" or the default value's "(Default)", for listings.
std::string JournalValueLabel(const JournalValue& value);
// A state as a listing shows it: "(absent)", a DWORD as a number, a string
// as its text, other types as hexadecimal bytes.
std::string JournalStateText(const JournalState& state);

}  // namespace quillon
