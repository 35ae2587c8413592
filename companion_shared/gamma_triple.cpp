#include "gamma_triple.h"

#include <cstdio>

namespace pellam {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// atoi over text[pos..]: leading white space, an optional sign, digits.
// Held at kLargest instead of overflowing.
constexpr long kLargest = 100000000;
long AtoiAt(const std::string& text, size_t pos) {
    while (pos < text.size() && (IsBlank(text[pos]) || text[pos] == '\n' || text[pos] == '\r'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    long value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        if (value > kLargest) value = kLargest;
        ++pos;
    }
    return negative ? -value : value;
}

// Skips blanks, then one number (its characters up to the next blank), then
// the blanks after it.
size_t SkipField(const std::string& text, size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    while (pos < text.size() && !IsBlank(text[pos])) ++pos;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    return pos;
}

}  // namespace

bool ParseGammaTriple(const std::string& text, GammaTriple& out) {
    if (text.empty()) return false;
    long g = AtoiAt(text, 0), c = 128, b = 0;
    if (g == 0) {
        g = 128;
    } else {
        size_t pos = SkipField(text, 0);
        if (pos < text.size()) {
            c = AtoiAt(text, pos);
            pos = SkipField(text, pos);
            if (pos < text.size()) b = AtoiAt(text, pos);
        }
    }
    out.gamma = g / 128.0;
    out.contrast = c / 128.0;
    out.brightness = b / 256.0;
    return true;
}

std::string FormatGammaTriple(const GammaTriple& triple) {
    char text[128];
    std::snprintf(text, sizeof text, "%3.0f %3.0f %3.0f", triple.gamma * 128,
                  triple.contrast * 128, triple.brightness * 256);
    return text;
}

}  // namespace pellam
