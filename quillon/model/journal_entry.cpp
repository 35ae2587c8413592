#include "journal_entry.h"

#include "byte_io.h"

#include <cstdio>

namespace quillon {
namespace {

constexpr char kMagic[4] = {'Q', 'L', 'J', '1'};
// Registry types a listing can spell out.
constexpr std::uint32_t kRegSz = 1, kRegExpandSz = 2, kRegDword = 4;
// The smallest value record: root, view, two empty strings, two states.
constexpr std::size_t kMinValueBytes = 4 + 1 + 4 + 4 + 2 * (1 + 4 + 4);

void WriteState(ByteWriter& out, const JournalState& state) {
    out.WriteU8(state.exists ? 1 : 0);
    out.WriteU32(state.type);
    out.WriteString(state.exists ? state.data : std::string(), kMaxJournalData);
}

bool ReadState(ByteReader& in, JournalState& state) {
    std::uint8_t exists = 0;
    if (!in.ReadU8(exists) || exists > 1 || !in.ReadU32(state.type) || !in.ReadString(state.data, kMaxJournalData))
        return false;
    state.exists = exists == 1;
    return true;
}

}  // namespace

bool WriteJournalEntry(const JournalEntry& entry, std::vector<std::uint8_t>& bytes) {
    ByteWriter out;
    for (char c : kMagic) out.WriteU8(static_cast<std::uint8_t>(c));
    out.WriteU8(entry.complete ? 1 : 0);
    out.WriteString(entry.title, kMaxJournalString);
    out.WriteString(entry.tag, kMaxJournalString);
    out.WriteU32(static_cast<std::uint32_t>(entry.values.size()));
    for (const JournalValue& value : entry.values) {
        out.WriteU32(value.root);
        out.WriteU8(value.nativeView ? 1 : 0);
        out.WriteString(value.subKey, kMaxJournalString);
        out.WriteString(value.valueName, kMaxJournalString);
        WriteState(out, value.before);
        WriteState(out, value.after);
    }
    if (!out.ok()) return false;
    bytes = out.TakeBytes();
    return true;
}

bool ReadJournalEntry(const std::vector<std::uint8_t>& bytes, JournalEntry& entry, std::string& error) {
    ByteReader in(bytes);
    JournalEntry read;
    std::uint8_t magic[4] = {}, complete = 0;
    for (std::uint8_t& b : magic) in.ReadU8(b);
    if (!in.ok() || std::string(magic, magic + 4) != std::string(kMagic, 4)) {
        error = "it is not a journal entry";
        return false;
    }
    std::uint32_t count = 0;
    if (!in.ReadU8(complete) || complete > 1 || !in.ReadString(read.title, kMaxJournalString) ||
        !in.ReadString(read.tag, kMaxJournalString) || !in.ReadU32(count)) {
        error = "its header is damaged";
        return false;
    }
    if (count > in.remaining() / kMinValueBytes) {
        error = "it counts more values than it holds";
        return false;
    }
    read.complete = complete == 1;
    read.values.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        JournalValue& value = read.values[i];
        std::uint8_t view = 0;
        if (!in.ReadU32(value.root) || !in.ReadU8(view) || view > 1 ||
            !in.ReadString(value.subKey, kMaxJournalString) || !in.ReadString(value.valueName, kMaxJournalString) ||
            !ReadState(in, value.before) || !ReadState(in, value.after)) {
            error = "value " + std::to_string(i + 1) + " of " + std::to_string(count) + " is damaged";
            return false;
        }
        value.nativeView = view == 1;
    }
    if (!in.AtEnd()) {
        error = "it has bytes after its last value";
        return false;
    }
    entry = std::move(read);
    return true;
}

std::string JournalValueLabel(const JournalValue& value) {
    return value.valueName.empty() ? "(Default)" : value.valueName;
}

std::string JournalStateText(const JournalState& state) {
    if (!state.exists) return "(absent)";
    if (state.type == kRegDword && state.data.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(state.data[i]);
        return std::to_string(number);
    }
    if (state.type == kRegSz || state.type == kRegExpandSz) {
        std::string text = state.data;
        while (!text.empty() && text.back() == '\0') text.pop_back();
        return "\"" + text + "\"";
    }
    std::string hex;
    for (unsigned char c : state.data) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x", c);
        if (!hex.empty()) hex += ' ';
        hex += pair;
    }
    return hex.empty() ? "(empty)" : hex;
}

}  // namespace quillon
