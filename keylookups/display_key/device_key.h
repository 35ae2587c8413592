// The registry key a display device names, in the form Windows reports it
// ("\Registry\Machine\System\CurrentControlSet\Control\Video\{...}\0000" on
// the NT family, a path below HKEY_LOCAL_MACHINE on Windows 9x), as a root
// and a subkey. No Windows headers.
#pragma once

#include <string>

namespace displaykey {

enum class Root { None, LocalMachine, CurrentUser };

struct RegistryKey {
    Root root = Root::None;
    std::string subKey;
};

// Root::None for a key that names no root this program can open, or whose
// subkey (with 'parameter' appended as a further subkey when it is not
// empty) would not fit a 255-character buffer.
RegistryKey SplitDeviceKey(const std::string& deviceKey, const std::string& parameter);

}  // namespace displaykey
