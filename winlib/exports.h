// Typed lookup of a DLL export: the one place where GetProcAddress results
// are cast to function pointer types.
#pragma once

#include <windows.h>

namespace winlib {

template <typename Function>
Function GetExport(HMODULE module, const char* name) {
    if (!module) return nullptr;
    FARPROC address = ::GetProcAddress(module, name);
    // FARPROC to another function pointer type: the cast goes through void*
    // so GCC's -Wcast-function-type stays quiet.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace winlib
