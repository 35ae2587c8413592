// The text of one line of "c:\Pellam.txt". No Windows headers.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

namespace pellam {

// Lines go out in one write; this is their longest text.
constexpr size_t kLogLineChars = 259;

// A line of 'level' is written when level is at most the Debug setting.
inline bool LogLevelWrites(int level, uint32_t debug) {
    return level >= 0 && static_cast<uint32_t>(level) <= debug;
}

// printf-style formatting cut at kLogLineChars characters, followed by the
// line end the log file uses ("\r\n": the file is a text file on Windows).
std::string FormatLogLine(const char* format, va_list arguments);

}  // namespace pellam
