// What the benchmarks that start Quillon as a program share.
#pragma once

#include <windows.h>

namespace benchsupport {

// A top-level window of the process (with that title, when one is given;
// only a visible unowned one, when asked), or null.
HWND FindProcessWindow(DWORD processId, const char* title, bool shownOnly);

// Stores the card choice, so no start asks for the graphics card: Wine's
// display adapter is not one the program knows.
void RememberCard();

}  // namespace benchsupport
