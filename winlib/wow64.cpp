#include "wow64.h"

#include "exports.h"

#include <windows.h>

namespace winlib {
namespace {

bool AskWow64() {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = GetExport<IsWow64ProcessFn>(::GetModuleHandleA("kernel32.dll"), "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(::GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace

bool RunsUnderWow64() {
    static const bool wow64 = AskWow64();
    return wow64;
}

}  // namespace winlib
