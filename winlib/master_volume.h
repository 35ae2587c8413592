// The master volume of the first waveform mixer: the volume control of its
// speakers line, 0 to 65535. One plain get and set, for the tests and their
// programs to set and read back what the hook library's volume keys change.
#pragma once

#include <windows.h>

namespace winlib {

// False when there is no mixer, no speakers line or no volume control on it.
bool GetMasterVolume(DWORD& volume);
bool SetMasterVolume(DWORD volume);

}  // namespace winlib
