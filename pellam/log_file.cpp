#include "companion.h"
#include "log_text.h"
#include "scoped.h"

#include <cstdarg>

namespace pellam {
namespace {

const char kLogPath[] = "c:\\Pellam.txt";
bool g_loggedThisRun = false;

// Each line goes out in one write. Appends use FILE_APPEND_DATA, so lines
// from Pellam and from every process of the hook library land whole, one
// after another, without a lock; the first line of a run replaces the file.
void WriteLine(const std::string& line, bool replace) {
    DWORD access = replace ? GENERIC_WRITE : FILE_APPEND_DATA;
    winlib::ScopedFileHandle file(::CreateFileA(
        kLogPath, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        replace ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;  // no log file: the line is dropped
    DWORD written = 0;
    ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace

void LogLine(int level, const char* format, ...) {
    if (!LogLevelWrites(level, g_companion.settings[kDebug])) return;
    va_list arguments;
    va_start(arguments, format);
    std::string line = FormatLogLine(format, arguments);
    va_end(arguments);
    bool replace = !g_loggedThisRun;
    g_loggedThisRun = true;
    WriteLine(line, replace);
}

}  // namespace pellam
