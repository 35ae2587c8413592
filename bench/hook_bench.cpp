// The hook library's cost in every program (prints figures; not a test):
//   hook_bench <Pellam.dll>
// (Run in a throwaway prefix: it replaces the companion's Exclude list and
// per-game values for its own programs.)
// This program installs the library's hooks as Pellam does and answers
// start commands as Pellam does, then starts copies of itself that time
// their first message (which maps the library and runs its start
// sequence): with nothing stored for them, with a stored gamma, and as a
// game (hook_bench_game.exe, which imports DDraw.dll) with a profile
// command; and the handling of keys that are no hot key, pressed through
// SendInput. The same copies run again after Uninstall, and the difference
// is the library's.
#include <windows.h>

#ifdef HOOK_BENCH_GAME
#include <ddraw.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using HookEntry = int(WINAPI*)(HWND, HMODULE, const char*, const DWORD*);
using NamesEntry = void(WINAPI*)(BOOL);
constexpr char kSuiteKey[] = "Software\\Pellam Suite";
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

std::string SiblingPath(const char* name) {
    char self[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

// Waits for the child while answering the messages its start sends here.
void WaitPumping(HANDLE process) {
    while (::MsgWaitForMultipleObjects(1, &process, FALSE, 60000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
}

double MedianChild(const char* program, const char* mode) {
    std::string path = SiblingPath(program);
    std::vector<double> figures;
    for (int run = 0; run < kRuns; ++run) {
        std::string commandLine = "\"" + path + "\" child " + mode;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!::CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info))
            return -1;
        WaitPumping(info.hProcess);
        DWORD code = 0;
        ::GetExitCodeProcess(info.hProcess, &code);
        ::CloseHandle(info.hProcess);
        ::CloseHandle(info.hThread);
        figures.push_back(code);
    }
    std::sort(figures.begin(), figures.end());
    return figures[figures.size() / 2];
}

// Pellam's answer to a start command: the command runs, and the sender
// gets a handle to wait on.
LRESULT CALLBACK CompanionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (message != WM_COPYDATA || !data || data->dwData != 2 || !data->cbData)
        return ::DefWindowProcA(window, message, wParam, lParam);
    std::string commandLine(static_cast<const char*>(data->lpData), data->cbData - 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info))
        return 1;
    ::CloseHandle(info.hThread);
    DWORD senderId = 0;
    ::GetWindowThreadProcessId(reinterpret_cast<HWND>(wParam), &senderId);
    HANDLE sender = ::OpenProcess(PROCESS_DUP_HANDLE, FALSE, senderId);
    HANDLE copy = nullptr;
    if (!sender || !::DuplicateHandle(::GetCurrentProcess(), info.hProcess, sender, &copy, SYNCHRONIZE, FALSE, 0))
        copy = nullptr;
    if (sender) ::CloseHandle(sender);
    if (!copy) ::WaitForSingleObject(info.hProcess, 60000);
    ::CloseHandle(info.hProcess);
    return copy ? reinterpret_cast<LRESULT>(copy) : 1;
}

void StoreText(const char* subkey, const char* name, const std::string& value) {
    std::string path = std::string(kSuiteKey) + "\\" + subkey;
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}

struct Figures {
    double nothingStored, excluded, storedGamma, gameWithCommand, key;
};

void StoreExcluded(const char* name) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSuiteKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    std::string list = std::string(name) + '\0' + '\0';
    if (*name) ::RegSetValueExA(key, "Exclude", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(list.data()),
                                static_cast<DWORD>(list.size()));
    else ::RegDeleteValueA(key, "Exclude");
    ::RegCloseKey(key);
}

void PrintRatio(const char* what, double with, double without, const char* unit) {
    std::printf("%s: %.0f %s with the library, %.0f %s without: %.2fx\n", what, with, unit, without, unit,
                without > 0 ? with / without : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "child") return Child(argc >= 3 && std::string(argv[2]) == "keys");
#ifdef HOOK_BENCH_GAME
    volatile bool never = argc < 0;
    if (never) DirectDrawCreate(nullptr, nullptr, nullptr);  // keeps DDraw.dll among the imports
#endif
    if (argc < 2) {
        std::printf("usage: hook_bench <Pellam.dll>\n");
        return 2;
    }
    HMODULE library = ::LoadLibraryA(argv[1]);
    auto install = reinterpret_cast<HookEntry>(reinterpret_cast<void*>(::GetProcAddress(library, "Install")));
    auto uninstall = reinterpret_cast<HookEntry>(reinterpret_cast<void*>(::GetProcAddress(library, "Uninstall")));
    auto renewNames =
        reinterpret_cast<NamesEntry>(reinterpret_cast<void*>(::GetProcAddress(library, "RenewProgramNames")));
    if (!install || !uninstall) {
        std::printf("%s has no Install and Uninstall\n", argv[1]);
        return 1;
    }
    // The companion's defaults: patching off, every action on, the default keys.
    const DWORD defaults[26] = {0, 0, 0, 1, 1, 1, 1, 1, 0, 0x10053, 0x50053, 0x70053, 0x10047,
                                0x50047, 0x70047, 0x10042, 0x50042, 0x70042, 0x10043, 0x50043, 0x70043,
                                0x70051, 0x70052, 0, 0, 0};
    WNDCLASSA companionClass{};
    companionClass.lpfnWndProc = CompanionProc;
    companionClass.hInstance = ::GetModuleHandleA(nullptr);
    companionClass.lpszClassName = "HookBenchCompanion";
    ::RegisterClassA(&companionClass);
    HWND window = ::CreateWindowA("HookBenchCompanion", "hook bench", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  companionClass.hInstance, nullptr);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pellam Suite\\Game Gamma");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pellam Suite\\Game Profile");
    if (!install(window, library, nullptr, defaults)) {
        std::printf("Install failed\n");
        return 1;
    }
    Figures hooked{}, plain{};
    hooked.nothingStored = MedianChild("hook_bench.exe", "first");
    hooked.key = MedianChild("hook_bench.exe", "keys");
    // Excluded: what mapping the library and calling its hook cost alone.
    StoreExcluded("hook_bench.exe");
    if (renewNames) renewNames(TRUE);
    hooked.excluded = MedianChild("hook_bench.exe", "first");
    StoreExcluded("");
    // Pellam renews the library's lists when the configuration changes.
    StoreText("Game Gamma", "hook_bench.exe", "128 128 0");
    StoreText("Game Profile", "hook_bench_game.exe", "\"" + SiblingPath("trivial_console.exe") + "\"");
    if (renewNames) renewNames(TRUE);
    hooked.storedGamma = MedianChild("hook_bench.exe", "first");
    hooked.gameWithCommand = MedianChild("hook_bench_game.exe", "first");
    uninstall(nullptr, nullptr, nullptr, nullptr);
    plain.nothingStored = MedianChild("hook_bench.exe", "first");
    plain.key = MedianChild("hook_bench.exe", "keys");
    plain.gameWithCommand = MedianChild("hook_bench_game.exe", "first");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pellam Suite\\Game Gamma");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pellam Suite\\Game Profile");

    PrintRatio("first message, nothing stored", hooked.nothingStored, plain.nothingStored, "us");
    PrintRatio("first message, excluded (mapping and hook call alone)", hooked.excluded, plain.nothingStored,
               "us");
    PrintRatio("first message, a stored gamma", hooked.storedGamma, plain.nothingStored, "us");
    PrintRatio("first message of a game with a profile command", hooked.gameWithCommand, plain.gameWithCommand,
               "us");
    if (hooked.key == 0 || plain.key == 0)
        std::printf("key events: none arrived (no foreground window on this desktop)\n");
    else
        PrintRatio("key event that is no hot key", hooked.key, plain.key, "ns");
    ::FreeLibrary(library);
    return 0;
}
