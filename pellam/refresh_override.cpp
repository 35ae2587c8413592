#include "companion.h"
#include "companion_registry.h"
#include "scoped.h"

namespace pellam {

void ApplyRefreshOverride() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return;
    std::string path = DisplayModeKey(mode.dmBitsPerPel, mode.dmPelsWidth, mode.dmPelsHeight);
    winlib::RegistryKey key = OpenCompanionKey(path.c_str());
    std::optional<uint32_t> rate =
        ParseRefreshRate(QueryRawValue(key.handle(), kRefreshRateValue, kRefreshRateBytes));
    // The change causes another WM_DISPLAYCHANGE, which finds the rate equal.
    if (!rate || *rate == mode.dmDisplayFrequency) return;
    mode.dmDisplayFrequency = *rate;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    ::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN);
}

}  // namespace pellam
