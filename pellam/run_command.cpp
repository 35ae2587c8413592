#include "command_split.h"
#include "companion.h"
#include "scoped.h"
#include "system_error.h"

#include <shellapi.h>

namespace pellam {

void RunCommand(const std::string& commandLine, bool wait) {
    SplitCommand split = SplitCommandLine(commandLine);
    char systemFolder[MAX_PATH] = "";
    ::GetSystemDirectoryA(systemFolder, MAX_PATH);

    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_DOENVSUBST | SEE_MASK_FLAG_NO_UI | (wait ? SEE_MASK_NOCLOSEPROCESS : 0);
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
        return;
    }
    winlib::ScopedHandle process(info.hProcess);
    if (wait && process) ::WaitForSingleObject(process.get(), INFINITE);
    LogLine(1, "%s (%s) completed.", split.file.c_str(), split.parameters.c_str());
}

}  // namespace pellam
