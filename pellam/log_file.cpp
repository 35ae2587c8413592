#include "companion.h"
#include "log_text.h"
#include "log_write.h"

#include <cstdarg>

namespace pellam {
namespace {
bool g_loggedThisRun = false;
}  // namespace

// The first line of a run replaces the file.
void LogLine(int level, const char* format, ...) {
    if (!LogLevelWrites(level, g_companion.settings[kDebug])) return;
    va_list arguments;
    va_start(arguments, format);
    std::string line = FormatLogLine(format, arguments);
    va_end(arguments);
    bool replace = !g_loggedThisRun;
    g_loggedThisRun = true;
    WriteLogLine(line, replace);
}

}  // namespace pellam
