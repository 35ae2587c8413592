// The system's own text for an error code, as Windows words it.
#pragma once

#include <windows.h>

#include <string>

namespace winlib {

// The text without its trailing line break; "error <code>" when the system
// has none.
std::string SystemErrorText(DWORD code);

}  // namespace winlib
