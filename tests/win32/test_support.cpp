#include "test_support.h"

#include <commctrl.h>

#include <cstdlib>

namespace testsupport {

std::string TestBinFolder() {
    char path[MAX_PATH] = "";
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string WindowsPathFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value || !*value) return "";
    std::string path = value;
    if (path[0] != '/') return path;
    // Wine maps drive Z: to the Unix root.
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs) return done();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

ChildProcess::~ChildProcess() {
    if (info_.hProcess) {
        if (::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(info_.hProcess, 99);
        ::CloseHandle(info_.hProcess);
        ::CloseHandle(info_.hThread);
    }
}

bool ChildProcess::Start(const std::string& program, const std::string& arguments,
                         const std::string& folder) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return ::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &info_) != FALSE;
}

long ChildProcess::WaitForExit(DWORD timeoutMs) {
    if (!info_.hProcess || ::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

HWND WaitForWindow(const char* title, DWORD pid, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    for (;;) {
        HWND found = nullptr;
        while ((found = ::FindWindowExA(nullptr, found, nullptr, title)) != nullptr) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(found, &owner);
            if (pid == 0 || owner == pid) return found;
        }
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        ::Sleep(50);
    }
}

std::string ListViewCell(HWND list, int row, int column) {
    char text[1024] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::vector<std::vector<std::string>> ListViewRows(HWND list, int columns) {
    std::vector<std::vector<std::string>> rows;
    int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) cells.push_back(ListViewCell(list, row, column));
        rows.push_back(std::move(cells));
    }
    return rows;
}

}  // namespace testsupport
