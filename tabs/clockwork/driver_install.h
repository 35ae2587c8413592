// Putting the r6probe driver where the system loads it: on the NT family a
// kernel driver service "r6probe" that starts at boot (after the user
// agrees), on Windows 9x a copy of "r6probe.vxd" in the system folder. The
// driver files come from the working folder.
#pragma once

#include <windows.h>

namespace clockwork {

constexpr char kServiceKey[] = "SYSTEM\\CurrentControlSet\\Services\\r6probe";

// True when the service is registered (its key has a "Start" value).
bool DriverServiceInstalled();

// Offers the installation with a question owned by 'owner' and, on "Yes",
// writes the service and copies the driver, reporting the outcome. The
// driver can be used after the next restart either way.
void OfferDriverInstallation(HWND owner);

// 64-bit Windows loads no 32-bit kernel driver: instead of the offer, the
// user is told why the clocks cannot be read or set there.
constexpr char kNoDriverOn64BitText[] =
    "This is 64-bit Windows. The r6probe driver is a 32-bit kernel driver, which 64-bit Windows "
    "cannot load, so the clocks cannot be read or set here.";
void TellDriverCannotRun(HWND owner);

// Windows 9x: copies "r6probe.vxd" unless the system folder has one.
void CopyVxdDriver();

}  // namespace clockwork
