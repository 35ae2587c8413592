// The maths of the gamma tab: power-law ramps in the 3 x 256 layout of the
// device gamma ramp, reading a gamma back from a ramp, and the slider scale.
// No Windows headers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ramp {

using GammaRamp = std::array<uint16_t, 768>;  // red, green, blue; 256 entries each

constexpr int kSliderMin = 80;
constexpr int kSliderMax = 176;
constexpr int kSliderIdentity = 128;  // gamma 1.0

// Entry i of each channel is (i / 256)^(1 / gamma) * 65536, truncated and
// kept below 65536. A gamma that is not a positive finite number gives the
// identity ramp, never a black screen.
GammaRamp BuildRamp(double gamma);

// 1 / log2(65536 / v) for v = entry 128 of the red channel; 1.0 when the ramp
// could not be read or that entry is 0.
double GammaFromRamp(const GammaRamp& ramp, bool readOk);

// Slider position p stands for e^(p / 32 - 4).
double GammaFromSlider(int position);
// (ln(gamma) + 4) * 32 truncated, kept within the slider's range.
int SliderFromGamma(double gamma);

// "Gamma: %.2f"
std::string GammaStatusText(double gamma);

}  // namespace ramp
