#include "command_split.h"
#include "companion.h"
#include "scoped.h"
#include "system_error.h"

#include <shellapi.h>

#include <memory>

namespace pellam {
namespace {

struct RunningCommand {
    winlib::ScopedHandle process;
    SplitCommand split;
};

// Starts the command, with its process handle in 'process' when one is
// wanted (it may still be none: a document opened in a running program);
// false, logged, when it could not be started.
bool StartCommand(const SplitCommand& split, bool wantProcess, winlib::ScopedHandle& process) {
    char systemFolder[MAX_PATH] = "";
    ::GetSystemDirectoryA(systemFolder, MAX_PATH);

    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_DOENVSUBST | SEE_MASK_FLAG_NO_UI | (wantProcess ? SEE_MASK_NOCLOSEPROCESS : 0);
    info.hwnd = ::GetDesktopWindow();
    info.lpFile = split.file.c_str();
    info.lpParameters = split.parameters.empty() ? nullptr : split.parameters.c_str();
    info.lpDirectory = systemFolder;
    info.nShow = SW_SHOWNORMAL;

    LogLine(1, "Running %s (%s)", split.file.c_str(), split.parameters.c_str());
    if (!::ShellExecuteExA(&info)) {
        DWORD error = ::GetLastError();
        LogLine(1, "Couldn't run %s (%s)=>%s", split.file.c_str(), split.parameters.c_str(),
                winlib::SystemErrorText(error).c_str());
        return false;
    }
    process.reset(info.hProcess);
    return true;
}

void WaitAndReport(const RunningCommand& command) {
    if (command.process) ::WaitForSingleObject(command.process.get(), INFINITE);
    LogLine(1, "%s (%s) completed.", command.split.file.c_str(), command.split.parameters.c_str());
}

DWORD WINAPI ReportWhenEnded(void* context) {
    std::unique_ptr<RunningCommand> command(static_cast<RunningCommand*>(context));
    WaitAndReport(*command);
    return 0;
}

// A copy of 'process' in the process of 'window', able only to wait.
HANDLE HandleForWindowProcess(HWND window, HANDLE process) {
    DWORD processId = 0;
    if (!window || !::GetWindowThreadProcessId(window, &processId) || !processId) return nullptr;
    winlib::ScopedHandle target(::OpenProcess(PROCESS_DUP_HANDLE, FALSE, processId));
    HANDLE copy = nullptr;
    if (!target || !::DuplicateHandle(::GetCurrentProcess(), process, target.get(), &copy, SYNCHRONIZE, FALSE, 0))
        return nullptr;
    return copy;
}

}  // namespace

void RunCommand(const std::string& commandLine, bool wait) {
    RunningCommand command{winlib::ScopedHandle(), SplitCommandLine(commandLine)};
    if (StartCommand(command.split, wait, command.process)) WaitAndReport(command);
}

LRESULT RunCommandFor(HWND sender, const std::string& commandLine) {
    DWORD senderId = 0;
    if (sender) ::GetWindowThreadProcessId(sender, &senderId);
    std::string undoCommand;
    std::string game = senderId ? GameToUndoAtEnd(senderId, commandLine, undoCommand) : std::string();
    auto command = std::make_unique<RunningCommand>();
    command->split = SplitCommandLine(commandLine);
    // The command's process inherits the tag; Pellam's own environment goes
    // back as it was at once.
    if (!game.empty()) ::SetEnvironmentVariableA(kJournalTagVariable, game.c_str());
    bool started = StartCommand(command->split, true, command->process);
    if (!game.empty()) {
        ::SetEnvironmentVariableA(kJournalTagVariable, nullptr);
        UndoAtEnd(senderId, game, undoCommand);
    }
    if (!started) return 1;
    HANDLE senderCopy = HandleForWindowProcess(sender, command->process.get());
    if (!senderCopy) {
        WaitAndReport(*command);
        return 1;
    }
    // The log still says when the command has ended.
    DWORD threadId = 0;
    winlib::ScopedHandle reporter(::CreateThread(nullptr, 0, ReportWhenEnded, command.get(), 0, &threadId));
    if (reporter) command.release();
    return static_cast<LRESULT>(reinterpret_cast<uintptr_t>(senderCopy));
}

}  // namespace pellam
