// The files a FindFirstFile pattern matches, folders left out. The list is
// taken whole before the caller acts on it, so a file the caller moves or
// writes while it works is neither met twice nor missed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace winlib {

std::vector<WIN32_FIND_DATAA> ListFiles(const std::string& pattern);

}  // namespace winlib
