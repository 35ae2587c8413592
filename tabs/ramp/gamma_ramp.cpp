#include "gamma_ramp.h"

#include <cmath>
#include <cstdio>

namespace ramp {

namespace {
bool Usable(double gamma) { return std::isfinite(gamma) && gamma > 0; }
}  // namespace

GammaRamp BuildRamp(double gamma) {
    if (!Usable(gamma)) gamma = 1.0;
    GammaRamp ramp{};
    for (size_t i = 0; i < ramp.size(); ++i) {
        double value = std::pow(static_cast<double>(i % 256) / 256.0, 1.0 / gamma) * 65536.0;
        // A very large gamma brings the top entries to 65536, which a 16-bit
        // entry would wrap to 0.
        ramp[i] = value >= 65535.0 ? 65535 : static_cast<uint16_t>(value);
    }
    return ramp;
}

double GammaFromRamp(const GammaRamp& ramp, bool readOk) {
    const uint16_t v = ramp[128];
    if (!readOk || v == 0) return 1.0;
    double gamma = 1.0 / (std::log(65536.0 / v) / std::log(2.0));
    return Usable(gamma) ? gamma : 1.0;
}

double GammaFromSlider(int position) { return std::exp(position * 0.03125 - 4.0); }

int SliderFromGamma(double gamma) {
    if (!Usable(gamma)) return kSliderIdentity;
    double position = (std::log(gamma) + 4.0) * 32.0;
    if (position < kSliderMin) return kSliderMin;
    if (position > kSliderMax) return kSliderMax;
    return static_cast<int>(position);
}

std::string GammaStatusText(double gamma) {
    char text[64];
    std::snprintf(text, sizeof text, "Gamma: %.2f", gamma);
    return text;
}

}  // namespace ramp
