// Helpers for tests on the test desktop (tests/wine/with_desktop.sh): what it
// offers, the display as another program reads it, and keys pressed the way
// a user presses them.
#pragma once

#include <windows.h>

#include <array>
#include <string>

namespace testsupport {

// Display modes, refresh rates and gamma ramps that really change: the Xorg
// dummy display. Under the Xvfb fallback the tests that need them skip.
bool DesktopHasDisplayModes();
// A mixer with a master volume (PulseAudio's null sink).
bool DesktopHasSound();
// Real key presses through xdotool.
bool DesktopCanPressKeys();

// The display as display_probe.exe, a separate program, reads it.
struct DisplayProbe {
    bool modeRead = false;
    DWORD width = 0, height = 0, bitsPerPixel = 0, frequency = 0;
    bool rampRead = false;
    std::array<WORD, 768> ramp{};
};
bool ProbeDisplay(DisplayProbe& out);

// Gives 'window' the keyboard focus of the X server and presses a key
// combination into it through xdotool, as a person does: the modifiers go
// down first, then the key is pressed and released, then the modifiers come
// up in reverse order. 'combination' is xdotool's key names joined by '+'
// ("ctrl+shift+F5", "alt+g"). Messages are dispatched while xdotool runs.
bool PressKeys(HWND window, const std::string& combination, DWORD timeoutMs = 10000);

}  // namespace testsupport
