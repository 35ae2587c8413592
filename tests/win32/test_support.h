// Helpers shared by the Wine tests: paths, processes and message pumping.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Folder of the running test program, without a trailing backslash.
std::string TestBinFolder();

// A path from the build (a Unix path in an environment variable) as Wine sees it.
std::string WindowsPathFromEnvironment(const char* variable);

// Dispatches messages until 'done' is true or the time is up; returns 'done()'.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// A started process; the destructor kills it if it is still running.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Start(const std::string& program, const std::string& arguments,
               const std::string& folder = "");
    // Exit code, or -1 when it did not end in time.
    long WaitForExit(DWORD timeoutMs);
    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

// The top-level window of the given title owned by process 'pid' (0: any).
HWND WaitForWindow(const char* title, DWORD pid, DWORD timeoutMs);

// A cell of a list view of this process ('column' 0 is the item itself).
std::string ListViewCell(HWND list, int row, int column);
// Every row's first 'columns' cells.
std::vector<std::vector<std::string>> ListViewRows(HWND list, int columns);

}  // namespace testsupport
