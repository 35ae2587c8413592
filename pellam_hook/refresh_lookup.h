// The refresh rate stored for a display mode under "Custom Display Modes".
#pragma once

#include <cstdint>

namespace pellamhook {

// The fields of a DEVMODEA or DEVMODEW that the override reads and sets.
struct RefreshRequest {
    uint32_t fields;
    uint32_t bitsPerPixel, width, height;
    uint32_t frequency;
};

// Sets 'frequency' to the stored rate of the requested mode and returns
// true, unless the request sets no rate, nothing usable is stored, or the
// stored rate is the one requested.
bool LookupRefreshOverride(RefreshRequest& request);

}  // namespace pellamhook
