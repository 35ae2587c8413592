// How the processor, graphics card and Windows version are turned into the
// bits of the platform record. No Windows headers: the detection code feeds
// these with what CPUID, the display devices and the version report.
#pragma once

#include <cstdint>
#include <string>

struct PlatformInfo {
    int32_t cpuVendor = 0;  // 1 AMD, 2 Intel, 4 Cyrix
    int32_t cpuMhz = 0;
    int32_t cardVendor = 0;  // 1 ATI, 2 NVidia, 4 3dfx
    int32_t card = 0;        // one bit of the card names
    int32_t os = 0;          // one bit of the OS names
    int32_t osFamily = 0;    // 1 NT, 2 Windows 9x
};
static_assert(sizeof(PlatformInfo) == 24, "the record plug-ins copy is 24 bytes");

// The 12-character CPUID vendor text.
int32_t CpuVendorFromText(const std::string& vendor);

// Clock to the nearest MHz (halves upwards) from time-stamp ticks over
// performance-counter ticks at a counter frequency; 0 when nothing was counted.
int32_t ClockMhz(uint64_t timeStampTicks, uint64_t counterTicks, uint64_t counterFrequency);

struct CardId {
    int32_t vendor = 0;
    int32_t card = 0;
};
// The primary display device's string, as the driver reports it.
CardId CardFromDeviceString(const std::string& deviceString);
// The vendor of a remembered card bit.
int32_t CardVendorFromCard(int32_t card);

// platformId: 2 NT, 1 Windows 9x (as GetVersionEx reports). The build number
// tells Windows 11 (10.0, build 22000 and later) from Windows 10.
void OsFromVersion(uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build,
                   PlatformInfo& info);

// Whether a category's target masks include this platform.
bool PlatformMatches(const PlatformInfo& info, uint64_t cardMask, uint32_t osMask);
