#include "desktop_support.h"

#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace testsupport {
namespace {

bool EnvironmentIs(const char* variable, const char* value) {
    const char* actual = std::getenv(variable);
    return actual && std::strcmp(actual, value) == 0;
}

std::vector<std::string> SplitCombination(const std::string& combination) {
    std::vector<std::string> keys;
    std::string::size_type start = 0;
    while (start <= combination.size()) {
        std::string::size_type plus = combination.find('+', start);
        if (plus == std::string::npos) plus = combination.size();
        if (plus > start) keys.push_back(combination.substr(start, plus - start));
        start = plus + 1;
    }
    return keys;
}

// The X window behind a top-level Wine window, as Wine's X11 driver records it.
unsigned long XWindowOf(HWND window) {
    return static_cast<unsigned long>(
        reinterpret_cast<ULONG_PTR>(::GetPropA(window, "__wine_x11_whole_window")));
}

// Wine starts a Unix program when CreateProcess is given one, but hands back
// no process handle; the command therefore ends by creating a marker file,
// which this waits for while it dispatches messages.
bool RunUnixShell(const std::string& script, DWORD timeoutMs) {
    static int serial = 0;
    char marker[64];
    std::snprintf(marker, sizeof marker, "/tmp/quillon-keys-%lu-%d.done",
                  ::GetCurrentProcessId(), ++serial);
    std::string windowsMarker = std::string("Z:") + marker;
    for (char& c : windowsMarker)
        if (c == '/') c = '\\';
    ::DeleteFileA(windowsMarker.c_str());

    std::string commandLine = "Z:\\bin\\sh -c \"" + script + "; touch " + marker + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return false;
    if (info.hProcess) ::CloseHandle(info.hProcess);
    if (info.hThread) ::CloseHandle(info.hThread);
    bool done = PumpUntil(
        [&] { return ::GetFileAttributesA(windowsMarker.c_str()) != INVALID_FILE_ATTRIBUTES; },
        timeoutMs);
    ::DeleteFileA(windowsMarker.c_str());
    return done;
}

}  // namespace

bool DesktopHasDisplayModes() { return EnvironmentIs("QUILLON_TEST_DISPLAY", "xorg"); }
bool DesktopHasSound() { return EnvironmentIs("QUILLON_TEST_SOUND", "pulse"); }
bool DesktopCanPressKeys() { return EnvironmentIs("QUILLON_TEST_KEYS", "xdotool"); }

bool ProbeDisplay(DisplayProbe& out) {
    out = DisplayProbe{};
    char tempFolder[MAX_PATH] = "";
    char reportPath[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, tempFolder);
    if (!::GetTempFileNameA(tempFolder, "prb", 0, reportPath)) return false;

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE report = ::CreateFileA(reportPath, GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                  CREATE_ALWAYS, 0, nullptr);
    if (report == INVALID_HANDLE_VALUE) return false;
    std::string program = TestBinFolder() + "\\display_probe.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = report;
    startup.hStdError = report;
    PROCESS_INFORMATION info{};
    bool started = ::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE,
                                    CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info) != FALSE;
    ::CloseHandle(report);
    bool ended = false;
    if (started) {
        ended = ::WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0;
        if (!ended) ::TerminateProcess(info.hProcess, 1);
        ::CloseHandle(info.hProcess);
        ::CloseHandle(info.hThread);
    }

    std::ifstream file(reportPath);
    std::string line;
    while (ended && std::getline(file, line)) {
        std::istringstream fields(line);
        std::string name;
        fields >> name;
        if (name == "mode") {
            out.modeRead = static_cast<bool>(fields >> out.width >> out.height >>
                                             out.bitsPerPixel >> out.frequency);
        } else if (name == "ramp") {
            size_t count = 0;
            unsigned value = 0;
            while (count < out.ramp.size() && fields >> value)
                out.ramp[count++] = static_cast<WORD>(value);
            out.rampRead = count == out.ramp.size();
        }
    }
    file.close();
    ::DeleteFileA(reportPath);
    return ended;
}

bool PressKeys(HWND window, const std::string& combination, DWORD timeoutMs) {
    std::vector<std::string> keys = SplitCombination(combination);
    if (keys.empty()) return false;
    std::string script = "xdotool";
    unsigned long xWindow = XWindowOf(::GetAncestor(window, GA_ROOT));
    if (xWindow) script += " windowfocus --sync " + std::to_string(xWindow);
    for (size_t i = 0; i + 1 < keys.size(); ++i) script += " keydown " + keys[i];
    script += " key " + keys.back();
    for (size_t i = keys.size() - 1; i-- > 0;) script += " keyup " + keys[i];
    return RunUnixShell(script, timeoutMs);
}

}  // namespace testsupport
