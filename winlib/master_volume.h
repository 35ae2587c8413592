// The master volume of the first waveform mixer: the volume control of its
// speakers line, 0 to 65535. Plain Win32, so the companion's hook library
// can use it as well as the program and the tests.
#pragma once

#include <windows.h>

namespace winlib {

// False when there is no mixer, no speakers line or no volume control on it.
bool GetMasterVolume(DWORD& volume);
bool SetMasterVolume(DWORD volume);

}  // namespace winlib
