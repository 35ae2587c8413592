// Identifies the processor, graphics card and Windows version of this machine
// for the platform record. The main window does this once, when it is created.
#pragma once

#include "platform_rules.h"
#include "program_key.h"

#include <windows.h>

#include <functional>

// Where the card chosen by the user is remembered, under the program key.
constexpr const char kRememberedCardValue[] = "GraphicCard";

// Everything below; may show SelectCardDialog over 'owner' when the card is
// not recognised and none is remembered.
PlatformInfo DetectPlatform(HWND owner);

// cpuVendor and cpuMhz from CPUID and the time-stamp counter; both 0 on a
// processor without CPUID.
void DetectProcessor(PlatformInfo& info);

// Fills 'device' for display device 'index' (DISPLAY_DEVICEA with cb set);
// false when there is no such device.
using DisplayDeviceEnumerator = std::function<bool(DWORD index, DISPLAY_DEVICEA& device)>;
// The card of the first primary display device; secondary adapters are never
// looked at, and the enumeration stops at the primary one.
CardId CardFromDisplayDevices(const DisplayDeviceEnumerator& enumerate);
// CardFromDisplayDevices over EnumDisplayDevicesA; nothing when User32 lacks it.
CardId DetectCard();

// os and osFamily from GetVersionExA.
void DetectOs(PlatformInfo& info);

// A recognised card drops the remembered one. Otherwise the remembered card is
// used, or the user is asked (SelectCardDialog over 'owner'); cardVendor then
// follows the card.
void ResolveRememberedCard(PlatformInfo& info, HWND owner);
