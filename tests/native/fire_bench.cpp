// Prints the time of one fire step (128 x 128 cells and their palette
// colours) and the share of one core it takes at the animation's pace of one
// frame per 16 ms.
#include "fire_field.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main() {
    ember::FireField fire;
    const ember::FireField::Random random = [] { return std::rand(); };
    for (int i = 0; i < 200; ++i) fire.Step(random);  // warm up: a burning fire
    constexpr int kSteps = 5000;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kSteps; ++i) fire.Step(random);
    auto end = std::chrono::steady_clock::now();
    double microseconds =
        std::chrono::duration<double, std::micro>(end - start).count() / kSteps;
    std::printf("fire step (128 x 128 cells + palette): %.1f us\n", microseconds);
    std::printf("share of one core at one frame per 16 ms: %.2f %%\n",
                100.0 * microseconds / 16000.0);
    // Printing a cell keeps the work from being optimised away.
    std::printf("(bottom-left heat after the run: %d)\n", fire.heat(ember::kPictureRows - 1, 0));
    return 0;
}
