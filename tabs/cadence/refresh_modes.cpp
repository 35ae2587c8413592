#include "refresh_modes.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace cadence {
namespace {

auto SortKey(const DisplayMode& mode) {
    return std::make_tuple(mode.width, mode.height, mode.refresh);
}

}  // namespace

std::vector<DisplayMode> UsableModes(std::vector<DisplayMode> modes, bool windows9x) {
    modes.erase(std::remove_if(modes.begin(), modes.end(),
                               [](const DisplayMode& mode) {
                                   return mode.bitsPerPixel < 16 || mode.height < 480;
                               }),
                modes.end());
    std::stable_sort(modes.begin(), modes.end(), [](const DisplayMode& a, const DisplayMode& b) {
        return SortKey(a) < SortKey(b);
    });
    auto same = [windows9x](const DisplayMode& a, const DisplayMode& b) {
        if (a.width != b.width || a.height != b.height) return false;
        return windows9x || a.refresh == b.refresh;
    };
    modes.erase(std::unique(modes.begin(), modes.end(), same), modes.end());
    return modes;
}

std::vector<Resolution> RowsByResolution(const std::vector<DisplayMode>& usable) {
    std::vector<Resolution> rows;
    for (const DisplayMode& mode : usable) {
        if (rows.empty() || rows.back().width != mode.width || rows.back().height != mode.height)
            rows.push_back({mode.width, mode.height, {}});
        rows.back().rates.push_back(mode.refresh);
    }
    return rows;
}

std::string DefaultItemText(uint32_t width, uint32_t height) {
    char text[64];
    std::snprintf(text, sizeof text, "%u x %u @ Default", width, height);
    return text;
}

std::string RateItemText(uint32_t width, uint32_t height, uint32_t rate) {
    char text[64];
    std::snprintf(text, sizeof text, "%u x %u @ %uHz", width, height, rate);
    return text;
}

const std::vector<uint32_t>& Win9xRates() {
    static const std::vector<uint32_t> rates = {60, 72, 75, 85, 90, 100, 120, 160};
    return rates;
}

namespace {

// Digits at the front of 'text' from 'pos'; false when there are none or the
// number does not fit.
bool ReadNumber(const std::string& text, size_t& pos, uint32_t& value) {
    size_t start = pos;
    uint64_t number = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        number = number * 10 + static_cast<uint32_t>(text[pos] - '0');
        if (number > 0xFFFFFFFFu) return false;
        ++pos;
    }
    value = static_cast<uint32_t>(number);
    return pos > start;
}

bool Expect(const std::string& text, size_t& pos, const char* literal) {
    std::string wanted(literal);
    if (text.compare(pos, wanted.size(), wanted) != 0) return false;
    pos += wanted.size();
    return true;
}

}  // namespace

bool ParseItemText(const std::string& text, ItemChoice& out) {
    ItemChoice choice;
    size_t pos = 0;
    if (!ReadNumber(text, pos, choice.width) || !Expect(text, pos, " x ") ||
        !ReadNumber(text, pos, choice.height) || !Expect(text, pos, " @ "))
        return false;
    choice.resolutionKey = std::to_string(choice.width) + "," + std::to_string(choice.height);
    std::string rest = text.substr(pos);
    if (rest == "Default") {
        choice.isDefault = true;
    } else {
        size_t ratePos = 0;
        if (!ReadNumber(rest, ratePos, choice.rate) || rest.substr(ratePos) != "Hz") return false;
        choice.rateText = rest.substr(0, ratePos);
    }
    out = choice;
    return true;
}

uint32_t StoredRate(const std::string& bytes, bool isText) {
    if (!isText) {
        uint32_t number = 0;
        for (size_t i = std::min<size_t>(bytes.size(), 4); i-- > 0;)
            number = (number << 8) | static_cast<unsigned char>(bytes[i]);
        return number;
    }
    std::string digits = bytes.substr(0, bytes.find('\0'));
    size_t pos = 0;
    uint32_t rate = 0;
    if (digits.size() > 4 || !ReadNumber(digits, pos, rate) || pos != digits.size()) return 0;
    return rate;
}

int Win9xItemForRate(uint32_t storedRate) {
    const std::vector<uint32_t>& rates = Win9xRates();
    for (size_t i = 0; i < rates.size(); ++i)
        if (rates[i] == storedRate) return static_cast<int>(i);
    return -1;
}

}  // namespace cadence
