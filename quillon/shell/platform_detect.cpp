#include "platform_detect.h"

#include "exports.h"
#include "reg_key.h"
#include "scoped.h"
#include "select_card_dialog.h"

#include <cpuid.h>
#include <x86intrin.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace {

// CPUID exists when the ID flag (bit 21) of EFLAGS can be toggled.
bool HasCpuid() {
#if defined(__x86_64__)
    return true;
#else
    uint32_t changed = 0;
    __asm__ volatile(
        "pushfl\n\t"  // kept to put the flags back afterwards
        "pushfl\n\t"
        "popl %%eax\n\t"
        "movl %%eax, %%ecx\n\t"
        "xorl $0x200000, %%eax\n\t"
        "pushl %%eax\n\t"
        "popfl\n\t"
        "pushfl\n\t"
        "popl %%eax\n\t"
        "xorl %%ecx, %%eax\n\t"
        "popfl\n\t"
        : "=a"(changed)
        :
        : "ecx", "cc");
    return (changed & 0x200000u) != 0;
#endif
}

// Time-stamp ticks over a fixed busy loop, measured against the performance
// counter.
int32_t MeasureClockMhz() {
    LARGE_INTEGER frequency{}, counterStart{}, counterEnd{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counterStart);
    uint64_t stampStart = __rdtsc();
    // volatile: the compiler must not drop the loop.
    for (volatile uint32_t remaining = 2500000; remaining != 0; remaining = remaining - 1) {
    }
    ::QueryPerformanceCounter(&counterEnd);
    uint64_t stampEnd = __rdtsc();
    return ClockMhz(stampEnd - stampStart,
                    static_cast<uint64_t>(counterEnd.QuadPart - counterStart.QuadPart),
                    static_cast<uint64_t>(frequency.QuadPart));
}

// CPUID leaf 1, EDX: the processor has a time-stamp counter.
constexpr unsigned int kTimeStampCounterBit = 1u << 4;

// The fields up to StateFlags: what the oldest EnumDisplayDevicesA fills.
constexpr DWORD kDisplayDeviceSize = 168;
static_assert(offsetof(DISPLAY_DEVICEA, DeviceID) == kDisplayDeviceSize,
              "DeviceID follows StateFlags");

}  // namespace

void DetectProcessor(PlatformInfo& info) {
    info.cpuVendor = 0;
    info.cpuMhz = 0;
    if (!HasCpuid()) return;
    unsigned int maxLeaf = 0, ebx = 0, ecx = 0, edx = 0;
    __cpuid(0, maxLeaf, ebx, ecx, edx);
    char vendor[12];
    std::memcpy(vendor, &ebx, 4);
    std::memcpy(vendor + 4, &edx, 4);
    std::memcpy(vendor + 8, &ecx, 4);
    info.cpuVendor = CpuVendorFromText(std::string(vendor, sizeof vendor));
    if (maxLeaf < 1) return;
    unsigned int eax = 0;
    __cpuid(1, eax, ebx, ecx, edx);
    if (edx & kTimeStampCounterBit) info.cpuMhz = MeasureClockMhz();
}

CardId CardFromDisplayDevices(const DisplayDeviceEnumerator& enumerate) {
    DISPLAY_DEVICEA device;
    for (DWORD index = 0;; ++index) {
        std::memset(&device, 0, sizeof device);
        device.cb = kDisplayDeviceSize;
        if (!enumerate(index, device)) return {};
        if (!(device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE)) continue;
        size_t length = strnlen(device.DeviceString, sizeof device.DeviceString);
        return CardFromDeviceString(std::string(device.DeviceString, length));
    }
}

CardId DetectCard() {
    using EnumDisplayDevicesFn = BOOL(WINAPI*)(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD);
    winlib::ScopedLibrary user32(::LoadLibraryA("User32.DLL"));
    auto enumDevices =
        winlib::GetExport<EnumDisplayDevicesFn>(user32.get(), "EnumDisplayDevicesA");
    if (!enumDevices) return {};
    return CardFromDisplayDevices([enumDevices](DWORD index, DISPLAY_DEVICEA& device) {
        return enumDevices(nullptr, index, &device, 0) != FALSE;
    });
}

void DetectOs(PlatformInfo& info) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExA(&version)) {
        OsFromVersion(0, 0, 0, 0, info);
        return;
    }
    // Windows 9x keeps the version in the build number's high word.
    uint32_t build = version.dwPlatformId == 2 ? version.dwBuildNumber : version.dwBuildNumber & 0xFFFF;
    OsFromVersion(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion, build, info);
}

void ResolveRememberedCard(PlatformInfo& info, HWND owner) {
    RegKey key;
    bool haveKey = key.Create(HKEY_LOCAL_MACHINE, kQuillonKey) == ERROR_SUCCESS;
    if (info.card != 0) {
        if (haveKey) key.key().DeleteValue(kRememberedCardValue);
        return;
    }
    DWORD value = 0;
    bool remembered = haveKey && key.key().QueryDword(kRememberedCardValue, value);
    if (remembered) {
        info.card = static_cast<int32_t>(value);
    } else {
        key.Close();  // the dialog stores the choice through its own handle
        SelectCardDialog dialog(owner);
        dialog.DoModal();
        info.card = dialog.card;
    }
    info.cardVendor = CardVendorFromCard(info.card);
}

PlatformInfo DetectPlatform(HWND owner) {
    PlatformInfo info;
    DetectProcessor(info);
    CardId card = DetectCard();
    info.cardVendor = card.vendor;
    info.card = card.card;
    DetectOs(info);
    ResolveRememberedCard(info, owner);
    return info;
}
