// Where the refresh-rate tab keeps a resolution's chosen rate. On the NT
// family it is the companion's override ("RefreshRate" under
// HKEY_CURRENT_USER\Software\Pellam Suite\Custom Display Modes\Modes\<bits>\<w>,<h>),
// which the companion applies when a game or the desktop changes mode; on
// Windows 9x it is the display driver's own mode table in HKEY_LOCAL_MACHINE.
#pragma once

#include "refresh_modes.h"

#include <cstdint>
#include <string>

namespace cadence {

class RefreshStore {
public:
    explicit RefreshStore(bool windows9x) : windows9x_(windows9x) {}

    // The rate stored for a resolution ("1024,768") at 32 bits a pixel; 0
    // when none is stored.
    uint32_t Read(const std::string& resolutionKey) const;
    // Stores a choice for 8, 16, 24 and 32 bits a pixel at once: the rate as
    // decimal text, or no value at all for "Default". False when a key could
    // not be opened or written.
    bool Store(const ItemChoice& choice) const;

    bool windows9x() const { return windows9x_; }

private:
    std::string KeyPath(int bitsPerPixel, const std::string& resolutionKey) const;

    bool windows9x_;
};

}  // namespace cadence
