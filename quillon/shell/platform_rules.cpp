#include "platform_rules.h"

#include <cctype>

int32_t CpuVendorFromText(const std::string& vendor) {
    if (vendor == "AuthenticAMD") return 1;
    if (vendor == "GenuineIntel") return 2;
    if (vendor == "CyrixInstead") return 4;
    return 0;
}

int32_t ClockMhz(uint64_t timeStampTicks, uint64_t counterTicks, uint64_t counterFrequency) {
    if (counterTicks == 0) return 0;
    // ticks * frequency can pass 2^64 on fast machines with a fine counter;
    // long double keeps the product without wrapping.
    long double hz = static_cast<long double>(timeStampTicks) *
                     static_cast<long double>(counterFrequency) /
                     static_cast<long double>(counterTicks);
    long double mhz = (hz + 500000.0L) / 1000000.0L;
    if (mhz >= 2147483647.0L) return 2147483647;
    return static_cast<int32_t>(mhz);
}

CardId CardFromDeviceString(const std::string& deviceString) {
    std::string text = deviceString;
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto at = [&text](size_t position) { return position < text.size() ? text[position] : '\0'; };
    CardId id;
    if (text.find("RADEON") != std::string::npos) {
        id.vendor = 1;
        id.card = text.find("7500") != std::string::npos   ? 2
                  : text.find("8500") != std::string::npos ? 4
                                                           : 1;
    } else if (size_t p = text.find("GEFORCE"); p != std::string::npos) {
        id.vendor = 2;
        id.card = (at(p + 7) == '2' || at(p + 8) == '2') ? 16 : at(p + 7) == '3' ? 32 : 8;
    } else if (size_t v = text.find("VOODOO"); v != std::string::npos) {
        id.vendor = 4;
        id.card = (at(v + 6) == '4' || at(v + 6) == '5') ? 64 : 0;
    }
    return id;
}

int32_t CardVendorFromCard(int32_t card) {
    switch (card) {
    case 1: case 2: case 4:
        return 1;
    case 8: case 16: case 32:
        return 2;
    case 64:
        return 4;
    default:
        return 0;
    }
}

namespace {

// The OS bit of an NT version; 0 for one outside the names (NT 4, versions
// after 10.0).
int32_t NtOsBit(uint32_t major, uint32_t minor, uint32_t build) {
    if (major == 5) return minor == 0 ? 4 : 8;  // 2000; XP and Server 2003
    if (major == 6) {
        switch (minor) {
        case 0: return 16;          // Vista
        case 1: return 32;          // 7
        case 2: case 3: return 64;  // 8 and 8.1
        default: return 0;
        }
    }
    if (major == 10 && minor == 0) return build >= 22000 ? 256 : 128;  // 11 : 10
    return 0;
}

}  // namespace

void OsFromVersion(uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build,
                   PlatformInfo& info) {
    if (platformId == 2) {
        info.osFamily = 1;
        info.os = NtOsBit(major, minor, build);
    } else if (platformId == 1) {
        info.osFamily = 2;
        info.os = 1;  // every 9x version, ME included, counts as Windows 98
    } else {
        info.osFamily = 0;
        info.os = 0;
    }
}

bool PlatformMatches(const PlatformInfo& info, uint64_t cardMask, uint32_t osMask) {
    uint64_t card = static_cast<uint64_t>(static_cast<int64_t>(info.card));
    return (static_cast<uint32_t>(info.os) & osMask) != 0 && (card & cardMask) != 0;
}
