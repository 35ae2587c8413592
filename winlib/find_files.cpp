#include "find_files.h"

#include "scoped.h"

namespace winlib {

std::vector<WIN32_FIND_DATAA> ListFiles(const std::string& pattern) {
    std::vector<WIN32_FIND_DATAA> files;
    WIN32_FIND_DATAA found;
    ScopedFind search(::FindFirstFileA(pattern.c_str(), &found));
    if (!search) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(found);
    } while (::FindNextFileA(search.get(), &found));
    return files;
}

}  // namespace winlib
