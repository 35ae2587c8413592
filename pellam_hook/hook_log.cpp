#include "hook_log.h"

#include "hook_state.h"

#include "log_text.h"
#include "log_write.h"
#include "system_error.h"

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
    LogLine(2, "(%d)=>%s", static_cast<int>(error), winlib::SystemErrorText(error).c_str());
}

}  // namespace pellamhook
