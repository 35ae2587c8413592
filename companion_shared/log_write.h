// Writing one finished line to the log "c:\Pellam.txt". Shared by Pellam and
// the hook library, which append to the same file from many processes.
#pragma once

#include <string>

namespace pellam {

// Appends 'line' in one write; with 'replace' the file is emptied first.
// A log file that cannot be opened drops the line.
void WriteLogLine(const std::string& line, bool replace);

}  // namespace pellam
