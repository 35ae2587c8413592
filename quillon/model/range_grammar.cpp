#include "range_grammar.h"

#include <utility>

namespace quillon {
namespace {

constexpr std::int64_t kTwoTo32 = 0x100000000LL;

std::int32_t ToSigned(std::uint32_t u) {
    return u <= 0x7FFFFFFFu ? static_cast<std::int32_t>(u)
                            : static_cast<std::int32_t>(static_cast<std::int64_t>(u) - kTwoTo32);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atoi over text[begin, end): leading blanks, an optional sign, then digits
// up to the first non-digit. Digits accumulate modulo 2^32 like the classic
// runtime, so "4294967295" reads as 0xFFFFFFFF (-1); no overflow is possible.
std::int32_t AtoI(const std::string& text, std::size_t begin, std::size_t end) {
    std::size_t i = begin;
    while (i < end && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::uint32_t v = 0;
    for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i)
        v = v * 10u + static_cast<std::uint32_t>(text[i] - '0');
    return ToSigned(negative ? 0u - v : v);
}

// Number of allowed values of a triple already known to be valid.
std::uint32_t TripleCount(std::uint32_t from, std::uint32_t to, std::uint32_t step) {
    return (to - from) / step + 1u;  // (to - from) < 2^32 and step >= 1
}

// Validates one triple with the parser's signed rules; returns its value
// count (1 to 2^32) or 0 when invalid. Computed in 64 bits so that ranges
// spanning most of the 32-bit space cannot overflow.
std::int64_t CheckedCount(std::int32_t from, std::int32_t to, std::int32_t step) {
    if (from > to || step <= 0) return 0;
    const std::int64_t span = static_cast<std::int64_t>(to) - from;
    if (span % step != 0) return 0;
    return span / step + 1;
}

// Adds a triple's count to a running total; false when the total would no
// longer fit the 32-bit value count.
bool AddCount(std::int64_t count, std::uint64_t& total) {
    total += static_cast<std::uint64_t>(count);
    return total <= 0xFFFFFFFFu;
}

}  // namespace

std::string SignedDecimal(std::uint32_t value) {
    return std::to_string(ToSigned(value));
}

bool ValidTriples(const std::vector<std::uint32_t>& triples, std::uint32_t& valueCount) {
    if (triples.size() % 3 != 0) return false;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < triples.size(); i += 3) {
        const std::int64_t count =
            CheckedCount(ToSigned(triples[i]), ToSigned(triples[i + 1]), ToSigned(triples[i + 2]));
        if (count == 0 || !AddCount(count, total)) return false;
    }
    valueCount = static_cast<std::uint32_t>(total);
    return true;
}

bool DWordRanges::Parse(const std::string& input) {
    std::string text = input;
    if (text.empty() || text.back() != ';') text += ';';

    std::vector<std::uint32_t> triples;
    std::uint64_t total = 0;
    std::size_t d = 0;
    for (std::size_t c; (c = text.find(';', d)) != std::string::npos; d = c + 1) {
        std::int32_t from, to, step = 1;
        const std::size_t e = text.find('-', d);
        if (e == std::string::npos || e >= c) {
            from = to = AtoI(text, d, c);
        } else {
            from = AtoI(text, d, e);
            const std::size_t colon = text.find(':', e + 1);
            if (colon != std::string::npos && colon < c) {
                to = AtoI(text, e + 1, colon);
                step = AtoI(text, colon + 1, c);
            } else {
                to = AtoI(text, e + 1, c);
            }
        }
        const std::int64_t count = CheckedCount(from, to, step);
        if (count == 0 || !AddCount(count, total)) return false;
        triples.push_back(static_cast<std::uint32_t>(from));
        triples.push_back(static_cast<std::uint32_t>(to));
        triples.push_back(static_cast<std::uint32_t>(step));
    }
    triples_ = std::move(triples);
    valueCount_ = static_cast<std::uint32_t>(total);
    return true;
}

bool DWordRanges::AssignTriples(const std::vector<std::uint32_t>& triples) {
    std::uint32_t count = 0;
    if (!ValidTriples(triples, count)) return false;
    triples_ = triples;
    valueCount_ = count;
    return true;
}

std::string DWordRanges::RangeText() const {
    std::string out;
    for (std::size_t i = 0; i < triples_.size(); i += 3) {
        const std::uint32_t from = triples_[i], to = triples_[i + 1], step = triples_[i + 2];
        out += SignedDecimal(from);
        if (from != to) {
            out += '-';
            out += SignedDecimal(to);
            if (step != 1) {
                out += ':';
                out += SignedDecimal(step);
            }
        }
        out += ';';
    }
    return out;
}

std::uint32_t DWordRanges::IndexOf(std::uint32_t value) const {
    std::uint32_t before = 0;
    for (std::size_t i = 0; i < triples_.size(); i += 3) {
        const std::uint32_t from = triples_[i], to = triples_[i + 1], step = triples_[i + 2];
        if (from <= value && value <= to) return before + (value - from) / step;
        before += TripleCount(from, to, step);
    }
    return 0;
}

std::uint32_t DWordRanges::ValueAt(std::uint32_t index) const {
    std::uint32_t before = 0;
    for (std::size_t i = 0; i < triples_.size(); i += 3) {
        const std::uint32_t from = triples_[i], to = triples_[i + 1], step = triples_[i + 2];
        const std::uint32_t count = TripleCount(from, to, step);
        if (index - before < count) return from + step * (index - before);
        before += count;
    }
    return 0;
}

std::uint32_t NextIndex(std::uint32_t index, std::uint32_t count) {
    if (count == 0 || index >= count - 1) return 0;
    return index + 1;
}

std::uint32_t PrevIndex(std::uint32_t index, std::uint32_t count) {
    if (count == 0) return 0;
    if (index == 0 || index >= count) return count - 1;
    return index - 1;
}

}  // namespace quillon
