// Allowed-value grammars of the two setting kinds.
//
// DWORD settings take a range text such as "0-10:5;20;": items separated by
// ';', each either a single number or "from-to" with an optional ":step".
// Each item becomes a triple (from, to, step); the allowed values are the
// items in text order, each from `from` up to `to` in steps of `step`.
// String settings take a list text "a;b;c;": every text between separators
// is one allowed string, empty ones included.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

// Checks triples that did not come from Parse (for instance read from a
// file): the count must be a multiple of three and every triple must satisfy
// what Parse demands (signed from <= to, step > 0, step divides to - from).
// The total number of allowed values must fit in 32 bits. On success stores
// that total in valueCount; on failure leaves it alone.
bool ValidTriples(const std::vector<std::uint32_t>& triples, std::uint32_t& valueCount);

// The ranges of a DWORD setting. Always holds a valid set of triples (see
// ValidTriples), so IndexOf and ValueAt never divide by zero.
class DWordRanges {
public:
    // Parses a range text. Returns false, leaving this object unchanged, for
    // a range with from > to, step <= 0 or a step that does not divide
    // to - from (signed 32-bit values), and for a text whose allowed values
    // would number more than 2^32 - 1.
    bool Parse(const std::string& text);

    // Replaces the triples with already split ones; false (unchanged) if
    // they fail ValidTriples.
    bool AssignTriples(const std::vector<std::uint32_t>& triples);

    // Canonical text: "%d;" for from == to, "%d-%d;" for step 1, otherwise
    // "%d-%d:%d;", numbers signed decimal.
    std::string RangeText() const;

    // Position of value among the allowed values: the first triple holding
    // it (unsigned compare) gives count-before + (value - from) / step, so a
    // value between steps maps to the step below. 0 when no triple holds it.
    std::uint32_t IndexOf(std::uint32_t value) const;

    // The allowed value at position index; 0 for index >= valueCount().
    std::uint32_t ValueAt(std::uint32_t index) const;

    const std::vector<std::uint32_t>& triples() const { return triples_; }
    std::uint32_t valueCount() const { return valueCount_; }
    std::uint32_t rangeIntCount() const { return static_cast<std::uint32_t>(triples_.size()); }

    bool operator==(const DWordRanges& o) const {
        return triples_ == o.triples_ && valueCount_ == o.valueCount_;
    }
    bool operator!=(const DWordRanges& o) const { return !(*this == o); }

private:
    std::vector<std::uint32_t> triples_;
    std::uint32_t valueCount_ = 0;
};

// Signed decimal rendering of a 32-bit register value ("%d").
std::string SignedDecimal(std::uint32_t value);

// String list grammar: appends ';' if missing, then every text between
// separators is one item. Never fails; "" gives one empty item.
std::vector<std::string> ParseStringList(const std::string& text);

// Each item followed by ';'.
std::string StringListText(const std::vector<std::string>& items);

// Position of the first item equal to value; failing that the first equal
// ignoring case (ASCII letters only; other bytes, including the trail bytes
// of double-byte characters, compare exactly); failing that 0.
std::uint32_t StringIndexOf(const std::vector<std::string>& items, const std::string& value);

// Entry index of a tweak map "name0;name1;...": the index-th text that is
// followed by ';'. A last text without ';' does not count; a missing entry
// gives "".
std::string TweakMapEntry(const std::string& tweakMap, std::uint32_t index);

// Cycling through count allowed values with wrap-around. A count of 0 gives 0;
// an index already out of range steps to 0 (next) or count - 1 (previous).
std::uint32_t NextIndex(std::uint32_t index, std::uint32_t count);
std::uint32_t PrevIndex(std::uint32_t index, std::uint32_t count);

}  // namespace quillon
