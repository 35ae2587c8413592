// Whether this 32-bit program runs on 64-bit Windows (WOW64), where the
// registry and the system folder it sees are redirected and 32-bit kernel
// drivers cannot load.
#pragma once

namespace winlib {

// IsWow64Process came with Windows XP SP2: older systems are 32-bit and
// answer false. Asked once; the answer never changes while a process runs.
bool RunsUnderWow64();

}  // namespace winlib
