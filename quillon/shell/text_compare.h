// Names the user and the file system treat alike: case-insensitive with
// multibyte rules, as file names and registry keys compare on Windows.
#pragma once

#include <mbstring.h>

#include <string>

inline bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return ::_mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                      reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
}
