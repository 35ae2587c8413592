#include "gamma_ramp.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ramp;

TEST(GammaRamp, IdentityReadsBackAsOneAndStartsTheSliderInTheMiddle) {
    GammaRamp identity = BuildRamp(1.0);
    for (size_t i = 0; i < identity.size(); ++i) ASSERT_EQ(identity[i], (i % 256) * 256) << i;
    EXPECT_DOUBLE_EQ(GammaFromRamp(identity, true), 1.0);
    EXPECT_EQ(SliderFromGamma(GammaFromRamp(identity, true)), 128);
    EXPECT_EQ(GammaStatusText(GammaFromRamp(identity, true)), "Gamma: 1.00");
}

TEST(GammaRamp, SliderEndsAndTheirRamps) {
    EXPECT_NEAR(GammaFromSlider(80), 0.2231, 1e-4);
    EXPECT_DOUBLE_EQ(GammaFromSlider(128), 1.0);
    EXPECT_NEAR(GammaFromSlider(176), 4.4817, 1e-4);
    GammaRamp top = BuildRamp(GammaFromSlider(176));
    EXPECT_EQ(top[128], static_cast<uint16_t>(65536 * std::pow(0.5, 1 / GammaFromSlider(176))));
    EXPECT_EQ(top[256 + 128], top[128]) << "all channels alike";
    EXPECT_EQ(top[0], 0);
    // A ramp read back gives its gamma to within the truncation of entry 128.
    EXPECT_NEAR(GammaFromRamp(top, true), GammaFromSlider(176), 1e-3);
    EXPECT_NEAR(SliderFromGamma(GammaFromRamp(BuildRamp(GammaFromSlider(100)), true)), 100, 1);
}

TEST(GammaRamp, UnreadableOrDegenerateInputsNeverBlankTheScreen) {
    GammaRamp zero{};
    EXPECT_EQ(GammaFromRamp(zero, true), 1.0) << "entry 128 of 0";
    EXPECT_EQ(GammaFromRamp(BuildRamp(2.0), false), 1.0) << "ramp not read";
    EXPECT_EQ(BuildRamp(0.0), BuildRamp(1.0));
    EXPECT_EQ(BuildRamp(-3.0), BuildRamp(1.0));
    EXPECT_EQ(BuildRamp(std::nan("")), BuildRamp(1.0));
    // A huge gamma keeps the top entries at the maximum instead of wrapping to 0.
    GammaRamp huge = BuildRamp(1e9);
    EXPECT_EQ(huge[255], 65535);
    EXPECT_GT(huge[1], 60000);
    // A nearly flat ramp reads as a huge gamma; the slider stays in range.
    GammaRamp flat{};
    flat[128] = 65535;
    EXPECT_EQ(SliderFromGamma(GammaFromRamp(flat, true)), kSliderMax);
    EXPECT_EQ(SliderFromGamma(0.0001), kSliderMin);
    EXPECT_EQ(SliderFromGamma(0.0), kSliderIdentity);
}
