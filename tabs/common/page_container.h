// What every tab page asks of the main window and builds first: the host's
// font, the page rectangle, and the page container (a plain static with ID
// 0xFFFF over the page rectangle, hidden until the page is shown) that holds
// the page's controls and takes their notifications.
#pragma once

#include "controls.h"

#include <windows.h>

namespace tabplugin {

constexpr UINT kContainerId = 0xFFFF;

// The main window's font handle; null when it has none.
HFONT HostFont(HWND mainWindow);
// The page rectangle in the main window's client coordinates.
RECT HostPageRect(HWND mainWindow);
// Creates 'container' over the page rectangle and binds it to its object,
// so that its WindowProc sees the controls' notifications.
bool CreatePageContainer(winlib::CStatic& container, HWND mainWindow);

}  // namespace tabplugin
