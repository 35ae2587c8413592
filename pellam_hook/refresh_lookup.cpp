#include "refresh_lookup.h"

#include "companion_registry.h"
#include "scoped.h"

namespace pellamhook {

bool LookupRefreshOverride(RefreshRequest& request) {
    if (!(request.fields & DM_DISPLAYFREQUENCY)) return false;
    std::string path = pellam::DisplayModeKey(request.bitsPerPixel, request.width, request.height);
    winlib::RegistryKey key = pellam::OpenCompanionKey(path.c_str());
    // A stored "0" or text without digits is no override: it would ask the
    // driver for its default rate instead of the one stored.
    std::optional<uint32_t> rate = pellam::ParseRefreshRate(
        pellam::QueryRawValue(key.handle(), pellam::kRefreshRateValue, pellam::kRefreshRateBytes));
    if (!rate || *rate == request.frequency) return false;
    request.frequency = *rate;
    return true;
}

}  // namespace pellamhook
