// Prints the time of one flash step (blur and fade of 62 x 256 cells, the
// bolt and the palette colours) and the share of one core it takes at the
// animation's pace of one frame per 12 ms.
#include "flash_field.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main() {
    std::vector<uint32_t> table(strobe::kRandomTableSize);
    for (uint32_t& value : table) value = static_cast<uint32_t>(std::rand());
    strobe::FlashField flash(table);
    for (int i = 0; i < 200; ++i) flash.Step();  // warm up: earlier bolts fading
    constexpr int kSteps = 20000;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kSteps; ++i) flash.Step();
    auto end = std::chrono::steady_clock::now();
    double microseconds =
        std::chrono::duration<double, std::micro>(end - start).count() / kSteps;
    std::printf("flash step (256 x 64 cells + palette): %.1f us\n", microseconds);
    std::printf("share of one core at one frame per 12 ms: %.3f %%\n",
                100.0 * microseconds / 12000.0);
    std::printf("(middle intensity after the run: %d)\n", flash.intensity(32, 128));
    return 0;
}
