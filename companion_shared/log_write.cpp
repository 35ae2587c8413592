#include "log_write.h"

#include "scoped.h"

#include <windows.h>

namespace pellam {
namespace {
const char kLogPath[] = "c:\\Pellam.txt";
}  // namespace

// Appends use FILE_APPEND_DATA, so lines from Pellam and from every process
// of the hook library land whole, one after another, without a lock.
void WriteLogLine(const std::string& line, bool replace) {
    DWORD access = replace ? GENERIC_WRITE : FILE_APPEND_DATA;
    winlib::ScopedFileHandle file(::CreateFileA(
        kLogPath, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        replace ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD written = 0;
    ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace pellam
