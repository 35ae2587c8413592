// The folder of the running program's executable as the current folder, so
// every relative path of the program ("Profiles\...", "Journal\...")
// resolves against it whoever started it from where.
#pragma once

#include <windows.h>

#include <string>

namespace winlib {

inline void EnterProgramFolder() {
    char path[MAX_PATH] = "";
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    std::string folder(path, length);
    size_t slash = folder.find_last_of('\\');
    if (slash == std::string::npos) return;
    folder.resize(slash);
    ::SetCurrentDirectoryA(folder.c_str());
}

}  // namespace winlib
