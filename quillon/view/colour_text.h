// Colours as the view-style dialog shows and reads them: six hexadecimal
// digits RRGGBB, or "NONE" for no colour.
#pragma once

#include <cstdint>
#include <string>

constexpr std::uint32_t kNoColour = 0xFFFFFFFFu;

// A COLORREF (0x00BBGGRR) as "RRGGBB", kNoColour as "NONE".
std::string ColourText(std::uint32_t colour);

// Any text that is not exactly six characters is no colour; otherwise the
// hexadecimal digits up to the first other character, red first.
std::uint32_t ColourFromText(const std::string& text);
