#include "hook_state.h"

#include "log_text.h"
#include "log_write.h"

#include <cstdarg>

namespace pellamhook {

// Every process appends; only Pellam starts the file afresh.
void LogLine(int level, const char* format, ...) {
    if (!pellam::LogLevelWrites(level, Setting(pellam::kDebug))) return;
    va_list arguments;
    va_start(arguments, format);
    std::string line = pellam::FormatLogLine(format, arguments);
    va_end(arguments);
    pellam::WriteLogLine(line, false);
}

void LogError(DWORD error) {
    if (error == 0) return;
    char text[256] = "";
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, error, 0, text, sizeof text, nullptr);
    if (length == 0) text[0] = '\0';
    LogLine(2, "(%d)=>%s", static_cast<int>(error), text);
}

}  // namespace pellamhook
