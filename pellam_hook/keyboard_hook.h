// The keyboard hook: Pellam's hot keys in whichever program has the focus.
#pragma once

#include <windows.h>

namespace pellamhook {

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace pellamhook
