#include "log_text.h"

#include <cstdio>

namespace pellam {

std::string FormatLogLine(const char* format, va_list arguments) {
    char text[kLogLineChars + 1];
    int length = std::vsnprintf(text, sizeof text, format, arguments);
    if (length < 0) length = 0;  // an encoding error: an empty line still marks the event
    size_t kept = static_cast<size_t>(length) < kLogLineChars ? static_cast<size_t>(length)
                                                              : kLogLineChars;
    std::string line(text, kept);
    line += "\r\n";
    return line;
}

}  // namespace pellam
