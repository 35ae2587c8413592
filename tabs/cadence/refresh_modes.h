// What the refresh-rate tab offers and stores, without Windows headers: the
// display modes it lists, the texts of its list items and what a chosen item
// stands for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cadence {

struct DisplayMode {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitsPerPixel = 0;
    uint32_t refresh = 0;
};

// One row of the page: a resolution and the rates the driver lists for it,
// each once, ascending.
struct Resolution {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint32_t> rates;
};

// The modes games can use (at least 16 bits a pixel, at least 480 lines),
// sorted by width, height and rate, with repeats dropped: a mode listed in
// several colour depths counts once. Windows 9x drivers list one refresh
// rate that means nothing, so there one entry per resolution is kept.
std::vector<DisplayMode> UsableModes(std::vector<DisplayMode> modes, bool windows9x);

// The rows of the NT family: one per resolution of the usable modes.
std::vector<Resolution> RowsByResolution(const std::vector<DisplayMode>& usable);

// "1024 x 768 @ Default" and "1024 x 768 @ 85Hz".
std::string DefaultItemText(uint32_t width, uint32_t height);
std::string RateItemText(uint32_t width, uint32_t height, uint32_t rate);

// The eight rates a Windows 9x row offers, 60 to 160 Hz.
const std::vector<uint32_t>& Win9xRates();

// What a list item stands for.
struct ItemChoice {
    uint32_t width = 0;
    uint32_t height = 0;
    std::string resolutionKey;  // "1024,768": the name of the registry key
    bool isDefault = false;     // "Default": no override
    std::string rateText;       // "85": the stored value; empty for Default
    uint32_t rate = 0;          // 0 for Default
};
// False for a text that is not one of the page's items.
bool ParseItemText(const std::string& text, ItemChoice& out);

// A stored "RefreshRate" value as a rate: decimal text (what the tab writes
// and the companion reads, at most four digits; anything longer or not a
// number counts as nothing stored) or, when the value is not text, the
// little-endian number in its first four bytes. 0: no rate stored.
uint32_t StoredRate(const std::string& bytes, bool isText);

// The item of a Windows 9x row that shows a stored rate: the row's rate that
// equals it, or -1 (no item selected) when nothing or something else is
// stored, so the row never shows a rate that is not the one in effect.
int Win9xItemForRate(uint32_t storedRate);

}  // namespace cadence
