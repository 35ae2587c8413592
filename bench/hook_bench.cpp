// The hook library's cost in every program (prints figures; not a test):
//   hook_bench <Pellam.dll>
// This program installs the library's hooks as Pellam does, then starts
// copies of itself that time their first message (which maps the library
// and runs its start sequence, with nothing stored for them) and the
// handling of keys that are no hot key, pressed through SendInput. The same
// copies run again after Uninstall, and the difference is the library's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using HookEntry = int(WINAPI*)(HWND, HMODULE, const char*, const DWORD*);
constexpr int kRuns = 7;
constexpr int kKeyPresses = 200;
constexpr DWORD kNoHotKey = VK_F13;

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return (to.QuadPart - from.QuadPart) * 1e6 / frequency.QuadPart;
}

LONG g_keyMessages = 0;
LRESULT CALLBACK CountKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_KEYUP) ++g_keyMessages;
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// The child: its exit code is the first message's time in microseconds, or
// with "keys" the time per key event in nanoseconds (0: no keys arrived).
int Child(bool keys) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CountKeys;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "HookBench";
    ::RegisterClassA(&windowClass);
    HWND window = ::CreateWindowA("HookBench", "Hook Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    ::PostMessageA(window, WM_NULL, 0, 0);
    LARGE_INTEGER before, after;
    MSG msg;
    ::QueryPerformanceCounter(&before);
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    ::QueryPerformanceCounter(&after);
    if (!keys) return static_cast<int>(Microseconds(before, after));

    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    ::SetForegroundWindow(window);
    ::SetFocus(window);
    g_keyMessages = 0;
    ::QueryPerformanceCounter(&before);
    DWORD start = ::GetTickCount();
    for (int i = 0; i < kKeyPresses; ++i) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = static_cast<WORD>(kNoHotKey);
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    while (g_keyMessages < 2 * kKeyPresses && ::GetTickCount() - start < 20000)
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    ::QueryPerformanceCounter(&after);
    if (g_keyMessages == 0) return 0;
    return static_cast<int>(Microseconds(before, after) * 1000 / g_keyMessages);
}

double MedianChild(const char* mode) {
    char self[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::vector<double> figures;
    for (int run = 0; run < kRuns; ++run) {
        std::string commandLine = std::string("\"") + self + "\" child " + mode;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!::CreateProcessA(self, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &info))
            return -1;
        ::WaitForSingleObject(info.hProcess, 60000);
        DWORD code = 0;
        ::GetExitCodeProcess(info.hProcess, &code);
        ::CloseHandle(info.hProcess);
        ::CloseHandle(info.hThread);
        figures.push_back(code);
    }
    std::sort(figures.begin(), figures.end());
    return figures[figures.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "child") return Child(argc >= 3 && std::string(argv[2]) == "keys");
    if (argc < 2) {
        std::printf("usage: hook_bench <Pellam.dll>\n");
        return 2;
    }
    HMODULE library = ::LoadLibraryA(argv[1]);
    auto install = reinterpret_cast<HookEntry>(reinterpret_cast<void*>(::GetProcAddress(library, "Install")));
    auto uninstall = reinterpret_cast<HookEntry>(reinterpret_cast<void*>(::GetProcAddress(library, "Uninstall")));
    if (!install || !uninstall) {
        std::printf("%s has no Install and Uninstall\n", argv[1]);
        return 1;
    }
    // The companion's defaults: patching off, every action on, the default keys.
    const DWORD defaults[26] = {0, 0, 0, 1, 1, 1, 1, 1, 0, 0x10053, 0x50053, 0x70053, 0x10047,
                                0x50047, 0x70047, 0x10042, 0x50042, 0x70042, 0x10043, 0x50043, 0x70043,
                                0x70051, 0x70052, 0, 0, 0};
    HWND window = ::CreateWindowA("STATIC", "hook bench", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (!install(window, library, nullptr, defaults)) {
        std::printf("Install failed\n");
        return 1;
    }
    double attachHooked = MedianChild("first"), keyHooked = MedianChild("keys");
    uninstall(nullptr, nullptr, nullptr, nullptr);
    double attachPlain = MedianChild("first"), keyPlain = MedianChild("keys");
    std::printf("first message: %.0f us with the library mapped and started, %.0f us without: %.0f us for attach\n",
                attachHooked, attachPlain, attachHooked - attachPlain);
    if (keyHooked == 0 || keyPlain == 0)
        std::printf("key events: none arrived (no foreground window on this desktop)\n");
    else
        std::printf("key event that is no hot key: %.0f ns with the hook, %.0f ns without: %.0f ns added\n",
                    keyHooked, keyPlain, keyHooked - keyPlain);
    ::FreeLibrary(library);
    return 0;
}
