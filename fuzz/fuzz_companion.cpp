// libFuzzer target for the companion's readers. Every reader gets the whole
// input; none may read outside it, and what each returns must hold to its
// own rules.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_split.h"
#include "companion_settings.h"
#include "gamma_triple.h"
#include "radeon_clocks.h"
#include "splash_mask.h"

using namespace pellam;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);

    Check(DecodeNumber(text, 7) == (size == 4 ? DecodeNumber(text, 8) : 7));
    if (auto rate = ParseRefreshRate(text)) Check(*rate > 0 && *rate <= 9999);

    GammaTriple triple;
    Check(ParseGammaTriple(text, triple) == !text.empty());

    SplitCommand split = SplitCommandLine(text);
    Check(split.file.size() + split.parameters.size() <= size);

    if (auto clocks = ParseClockSettings(text)) ConfirmText(*clocks);
    ParseBiosLimits(data, size);

    // The first two bytes give the picture's width, the rest are its pixels.
    if (size >= 2) {
        int width = data[0] % 64 + 1;
        size_t count = (size - 2) / 4;
        std::vector<uint32_t> pixels(count);
        for (size_t i = 0; i < count; ++i)
            pixels[i] = uint32_t(data[2 + 4 * i]) | uint32_t(data[3 + 4 * i]) << 8 |
                        uint32_t(data[4 + 4 * i]) << 16;
        int height = static_cast<int>(count / size_t(width));
        TransparencyMask mask =
            BuildMask(pixels.data(), pixels.size(), width, height, data[1] & 1, data[1] >> 1);
        for (const RegionCut& cut : BackgroundCuts(mask))
            for (const MaskRect& r : cut.rects)
                Check(r.left >= 0 && r.top >= 0 && r.right <= mask.width() &&
                      r.bottom <= mask.height() && !mask.Kept(r.left, r.top));
    }
    return 0;
}
