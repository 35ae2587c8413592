// Pellam's cost beside games (prints figures; not a test):
//   pellam_bench <Pellam.exe> <recording Pellam.dll>
// For start-ups without and with the splash: the time from CreateProcess
// until the hook library's Install was called (the recording fixture's
// file appears), then Pellam's private memory and the processor time it
// used while idle for three seconds.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

const char kSuiteKey[] = "Software\\Pellam Suite";

ULONGLONG ProcessorMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) { return (ULONGLONG(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10000; };
    return ms(kernel) + ms(user);
}

void Measure(const std::string& folder, bool splash) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kSuiteKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (splash)
        ::RegDeleteValueA(key, "LogoBitmap");
    else
        ::RegSetValueExA(key, "LogoBitmap", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    ::RegCloseKey(key);
    std::string record = folder + "\\calls.txt";
    ::DeleteFileA(record.c_str());
    ::SetEnvironmentVariableA("PELLAM_FIXTURE_RECORD", record.c_str());

    std::string program = folder + "\\Pellam.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    DWORD start = ::GetTickCount();
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info)) {
        std::printf("Pellam.exe did not start\n");
        return;
    }
    while (::GetFileAttributesA(record.c_str()) == INVALID_FILE_ATTRIBUTES &&
           ::GetTickCount() - start < 30000)
        ::Sleep(1);
    DWORD toInstall = ::GetTickCount() - start;
    ::Sleep(500);  // let start-up settle

    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory);
    ULONGLONG before = ProcessorMs(info.hProcess);
    ::Sleep(3000);
    ULONGLONG idle = ProcessorMs(info.hProcess) - before;

    // Wine leaves PrivateUsage (and on some versions PagefileUsage) at 0:
    // then the figure is unknown, not zero.
    SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    char privateText[32] = "not reported";
    if (privateBytes) std::snprintf(privateText, sizeof privateText, "%.2f MB", privateBytes / 1048576.0);
    std::printf("Pellam %s splash: Install after %lu ms; private memory %s, "
                "working set %.2f MB (with the shared system DLLs); processor time while idle 3 s: %llu ms\n",
                splash ? "with" : "without", toInstall, privateText,
                memory.WorkingSetSize / 1048576.0, idle);

    HWND window = ::FindWindowA("Pellam Class", "Pellam");
    if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0) ::TerminateProcess(info.hProcess, 1);
    ::CloseHandle(info.hProcess);
    ::CloseHandle(info.hThread);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: pellam_bench <Pellam.exe> <recording Pellam.dll>\n");
        return 2;
    }
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "pellam_bench";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CopyFileA(argv[1], (folder + "\\Pellam.exe").c_str(), FALSE);
    ::CopyFileA(argv[2], (folder + "\\Pellam.dll").c_str(), FALSE);
    for (int run = 0; run < 3; ++run) Measure(folder, false);
    Measure(folder, true);
    return 0;
}
