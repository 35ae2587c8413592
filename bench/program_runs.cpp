#include "program_runs.h"

#include "program_key.h"

#include <cstring>

namespace benchsupport {
namespace {

struct Search {
    DWORD processId;
    const char* title;
    bool shownOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    if (search->shownOnly && (!::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER)))
        return TRUE;
    char title[128] = "";
    ::GetWindowTextA(window, title, sizeof title);
    if (search->title && std::strcmp(title, search->title) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* title, bool shownOnly) {
    Search search{processId, title, shownOnly, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void RememberCard() {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kQuillonKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return;
    DWORD geForce = 8;
    ::RegSetValueExA(key, "GraphicCard", 0, REG_DWORD, reinterpret_cast<BYTE*>(&geForce),
                     sizeof geForce);
    ::RegCloseKey(key);
}

}  // namespace benchsupport
