#include "colour_text.h"

#include <cstdio>
#include <cstdlib>

namespace {
// Swaps the red and blue bytes; the byte order of COLORREF is blue-green-red.
std::uint32_t SwapRedBlue(std::uint32_t c) {
    return ((c << 16) & 0xFFFFFFu) | ((c >> 16) & 0xFFu) | (c & 0xFF00FF00u);
}
}  // namespace

std::string ColourText(std::uint32_t colour) {
    if (colour == kNoColour) return "NONE";
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(SwapRedBlue(colour)));
    return text;
}

std::uint32_t ColourFromText(const std::string& text) {
    if (text.size() != 6) return kNoColour;
    // Six hexadecimal digits never overflow a long.
    long value = std::strtol(text.c_str(), nullptr, 16);
    return SwapRedBlue(static_cast<std::uint32_t>(value < 0 ? 0 : value));
}
