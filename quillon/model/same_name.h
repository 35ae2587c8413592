// One comparison for the names the registry and the file system treat as
// the same: value names, key paths, key-lookup parameters and file names.
#pragma once

#include <mbstring.h>

#include <string>

inline bool SameName(const std::string& a, const std::string& b) {
    return ::_mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                      reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
}
