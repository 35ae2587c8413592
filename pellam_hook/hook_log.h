// The hook library's log: "c:\Pellam.txt", appended to by every process.
#pragma once

#include <windows.h>

namespace pellamhook {

// A line is written when its level is at most the shared Debug setting.
void LogLine(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));
// A non-zero Windows error as "(%d)=>%s" with its system text, at level 2.
void LogError(DWORD error);

}  // namespace pellamhook
