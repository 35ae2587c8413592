// Colour text of the view-style dialog.
#include "colour_text.h"

#include <gtest/gtest.h>

TEST(ColourText, ShowsRedFirstAndNoneForNoColour) {
    EXPECT_EQ(ColourText(0x0000FFFF), "FFFF00");  // yellow
    EXPECT_EQ(ColourText(0x00FF0000), "0000FF");  // blue
    EXPECT_EQ(ColourText(0x00000000), "000000");
    EXPECT_EQ(ColourText(kNoColour), "NONE");
}

TEST(ColourText, ReadsSixCharactersOnly) {
    struct Case {
        const char* text;
        uint32_t colour;
    } cases[] = {
        {"FFFF00", 0x0000FFFF},
        {"123456", 0x00563412},
        {"NONE", kNoColour},
        {"", kNoColour},
        {"FFFFF", kNoColour},
        {"FFFFFFF", kNoColour},
        // Conversion stops at the first non-hex character: "12" is 0x12,
        // red 0, green 0, blue 0x12 after the swap.
        {"12XY34", 0x00120000},
        {"zzzzzz", 0x00000000},
    };
    for (const auto& c : cases) EXPECT_EQ(ColourFromText(c.text), c.colour) << c.text;
    for (uint32_t colour : {0x00123456u, 0x00ABCDEFu, 0x00000001u})
        EXPECT_EQ(ColourFromText(ColourText(colour)), colour);
}
