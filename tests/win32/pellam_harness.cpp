#include "pellam_harness.h"

#include <shlwapi.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const char kSuiteKey[] = "Software\\Pellam Suite";

std::string KeyPath(const char* subkey) {
    return subkey ? std::string(kSuiteKey) + "\\" + subkey : kSuiteKey;
}

HKEY CreateKey(const char* subkey) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr);
    return key;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

PellamHarness::PellamHarness(bool withLibrary) {
    static int serial = 0;
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    // Wine gives the next test program the same process number, so the name
    // also carries the time: an earlier program's folder, with its record
    // of Install calls, must never be taken for this one's.
    folder = std::string(temp) + "pellam" + std::to_string(::GetCurrentProcessId()) + "_" +
             std::to_string(++serial) + "_" + std::to_string(::GetTickCount());
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CopyFileA(testsupport::WindowsPathFromEnvironment("PELLAM_EXE").c_str(),
                (folder + "\\Pellam.exe").c_str(), FALSE);
    if (withLibrary)
        ::CopyFileA((testsupport::TestBinFolder() + "\\fixture_pellam_hook.dll").c_str(),
                    (folder + "\\Pellam.dll").c_str(), FALSE);
    record_ = folder + "\\calls.txt";
    ::DeleteFileA(record_.c_str());
    ::SetEnvironmentVariableA("PELLAM_FIXTURE_RECORD", record_.c_str());
    ::SetEnvironmentVariableA("PELLAM_FIXTURE_FAIL", nullptr);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSuiteKey);
    ::DeleteFileA("c:\\Pellam.txt");
    // No splash unless a test asks for one: it holds start-up for two seconds.
    SetText("LogoBitmap", "");
}

PellamHarness::~PellamHarness() {
    if (process.WaitForExit(0) == -1) Stop();
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSuiteKey);
}

void PellamHarness::SetNumber(const char* name, DWORD value, const char* subkey) {
    HKEY key = CreateKey(subkey);
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(key);
}

void PellamHarness::SetText(const char* name, const std::string& value, const char* subkey) {
    HKEY key = CreateKey(subkey);
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}

bool PellamHarness::Start(const std::string& arguments) {
    return process.Start(folder + "\\Pellam.exe", arguments, folder);
}

std::vector<std::string> PellamHarness::Records() const {
    std::vector<std::string> lines;
    std::istringstream text(ReadFile(record_));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

std::vector<InstallCall> PellamHarness::Installs() const {
    std::vector<InstallCall> calls;
    for (const std::string& line : Records()) {
        if (line.rfind("Install ", 0) != 0) continue;
        InstallCall call;
        std::istringstream fields(line.substr(8));
        std::string settings;
        fields >> call.window >> call.module >> settings;
        call.hasSettings = settings != "-";
        std::istringstream numbers(call.hasSettings ? settings : "");
        for (std::string n; std::getline(numbers, n, ',');) call.settings.push_back(std::stoul(n));
        std::string::size_type bar = line.find(" |");
        call.hasText = bar != std::string::npos;
        if (call.hasText) call.text = line.substr(bar + 2);
        calls.push_back(call);
    }
    return calls;
}

bool PellamHarness::WaitForInstalls(size_t count, DWORD timeoutMs) {
    return testsupport::PumpUntil([&] { return Installs().size() >= count; }, timeoutMs);
}

HWND PellamHarness::Window() const { return ::FindWindowA("Pellam Class", "Pellam"); }

long PellamHarness::Stop() {
    // This harness's Pellam only, should an earlier one still be ending.
    for (HWND w = nullptr; (w = ::FindWindowExA(nullptr, w, "Pellam Class", "Pellam")) != nullptr;) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == process.Id()) ::PostMessageA(w, WM_CLOSE, 0, 0);
    }
    // Under emulation the first closing sound of a session can hold the exit.
    return process.WaitForExit(60000);
}

bool PellamHarness::SignalEvent(int entry) {
    std::vector<InstallCall> calls = Installs();
    if (calls.empty() || calls[0].settings.size() != 26) return false;
    HANDLE pellam = ::OpenProcess(PROCESS_DUP_HANDLE, FALSE, process.Id());
    HANDLE event = nullptr;
    bool ok = pellam && ::DuplicateHandle(pellam, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(
                                                      calls[0].settings[entry])),
                                          ::GetCurrentProcess(), &event, 0, FALSE,
                                          DUPLICATE_SAME_ACCESS);
    if (ok) ok = ::SetEvent(event) != FALSE;
    if (event) ::CloseHandle(event);
    if (pellam) ::CloseHandle(pellam);
    return ok;
}

std::string PellamHarness::Log() { return ReadFile("c:\\Pellam.txt"); }
