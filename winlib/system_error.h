// The system's own text for an error code, as Windows words it. Header-only,
// so that Pellam and its hook library, which do not link the class layer,
// word errors the same way.
#pragma once

#include <windows.h>

#include <string>

namespace winlib {

// The text without its trailing line break; "error <code>" when the system
// has none.
inline std::string SystemErrorText(DWORD code) {
    char text[512] = "";
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                    code, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}

}  // namespace winlib
