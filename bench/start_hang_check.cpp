// Starts and closes Quillon many times with the fire animation on and
// reports every start whose main window does not answer within 10 s, or that
// does not end after being closed. A start that hangs is ended by force so
// the run goes on.
//
// Usage: start_hang_check.exe <folder holding Quillon.exe> [starts]
// The program runs in a scratch copy of the folder, with a layout that has no
// tabs and the fire animation, and with the graphics card remembered, so no
// question stops a start.
#include "file.h"
#include "layout_file.h"
#include "program_runs.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kWindowTitle[] = "Quillon - v1.1";
const char kFireFile[] = "Ember_Animation.dll";
constexpr DWORD kAnswerMs = 10000;
constexpr DWORD kAppearMs = 60000;  // Wine's first start of a prefix is slow
constexpr DWORD kEndMs = 60000;  // a first close under emulation is slow

HWND WaitForMainWindow(const PROCESS_INFORMATION& process) {
    for (DWORD waited = 0; waited < kAppearMs; waited += 50) {
        if (HWND found = benchsupport::FindProcessWindow(process.dwProcessId, kWindowTitle, false))
            return found;
        if (::WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &result) != 0;
}

bool PrepareFolder(const std::string& from, const std::string& to) {
    ::CreateDirectoryA(to.c_str(), nullptr);
    for (const char* file : {"Quillon.exe", kFireFile}) {
        if (!::CopyFileA((from + "\\" + file).c_str(), (to + "\\" + file).c_str(), FALSE)) {
            std::printf("cannot copy %s from %s\n", file, from.c_str());
            return false;
        }
    }
    quillon::Layout layout;
    layout.animation = kFireFile;
    std::vector<uint8_t> bytes;
    return quillon::LayoutBytes(layout, bytes) &&
           winlib::CFile::WriteReplacing(to + "\\Tabs.stream", bytes);
}

enum class Outcome { Fine, NoWindow, NoAnswer, DidNotEnd };

Outcome OneStart(const std::string& folder) {
    std::string commandLine = "\"" + folder + "\\Quillon.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process))
        return Outcome::NoWindow;
    Outcome outcome = Outcome::Fine;
    HWND window = WaitForMainWindow(process);
    if (!window) {
        outcome = Outcome::NoWindow;
    } else {
        // Give the animation time to set up; the hang came right after the
        // window appeared.
        ::Sleep(300);
        if (!Answers(window)) outcome = Outcome::NoAnswer;
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.hProcess, kEndMs) != WAIT_OBJECT_0) {
        if (outcome == Outcome::Fine) outcome = Outcome::DidNotEnd;
        ::TerminateProcess(process.hProcess, 1);
        ::WaitForSingleObject(process.hProcess, kEndMs);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return outcome;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: start_hang_check <folder holding Quillon.exe> [starts]\n");
        return 2;
    }
    int starts = argc > 2 ? std::atoi(argv[2]) : 300;
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "quillon_start_check";
    if (!PrepareFolder(argv[1], folder)) return 2;
    benchsupport::RememberCard();

    int counts[4] = {0, 0, 0, 0};
    for (int start = 1; start <= starts; ++start) {
        DWORD began = ::GetTickCount();
        Outcome outcome = OneStart(folder);
        ++counts[static_cast<int>(outcome)];
        if (outcome != Outcome::Fine) {
            static const char* const kWhat[] = {"", "no main window", "did not answer within 10 s",
                                                "did not end after closing"};
            std::printf("start %d: %s (%lu ms)\n", start, kWhat[static_cast<int>(outcome)],
                        ::GetTickCount() - began);
            std::fflush(stdout);
        }
    }
    std::printf("%d starts with the fire animation: %d fine, %d without a window, %d hung, "
                "%d did not end\n",
                starts, counts[0], counts[1], counts[2], counts[3]);
    return counts[0] == starts ? 0 : 1;
}
