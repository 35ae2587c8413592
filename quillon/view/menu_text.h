// Menu captions made from user text (setting and tab names).
#pragma once

#include <string>

// Doubles every '&' so a menu shows it instead of underlining the next letter.
std::string EscapeMenuText(const std::string& text);
