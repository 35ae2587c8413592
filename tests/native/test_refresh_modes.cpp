// The refresh-rate tab's rows and item texts.
#include "refresh_modes.h"

#include <gtest/gtest.h>

using namespace cadence;

namespace {

std::vector<DisplayMode> DriverList() {
    // As a driver lists them: 1024x768 at 60, 75 and 85 Hz in 16 and 32 bits,
    // 800x600 twice, and modes the page never offers.
    return {{1024, 768, 32, 85}, {1024, 768, 16, 60}, {800, 600, 32, 60}, {1024, 768, 32, 60},
            {640, 400, 32, 70},  {1024, 768, 16, 75}, {1024, 768, 8, 100}, {800, 600, 16, 60},
            {1024, 768, 32, 75}, {1024, 768, 16, 85}, {640, 480, 32, 60}};
}

}  // namespace

TEST(RefreshModes, NtRowsHoldEachRateOnceInOrder) {
    std::vector<Resolution> rows = RowsByResolution(UsableModes(DriverList(), false));
    ASSERT_EQ(rows.size(), 3u) << "640x400 is too low; 8 bits are too few";
    EXPECT_EQ(rows[0].width, 640u);
    EXPECT_EQ(rows[1].width, 800u);
    EXPECT_EQ(rows[1].rates, std::vector<uint32_t>({60}));
    EXPECT_EQ(rows[2].width, 1024u);
    EXPECT_EQ(rows[2].rates, std::vector<uint32_t>({60, 75, 85}));
}

TEST(RefreshModes, Win9xKeepsOneEntryPerResolution) {
    std::vector<DisplayMode> usable = UsableModes(DriverList(), true);
    ASSERT_EQ(usable.size(), 3u);
    EXPECT_EQ(usable[2].width, 1024u);
    EXPECT_EQ(usable[2].refresh, 60u) << "the lowest rate of the resolution comes first";
    EXPECT_TRUE(UsableModes({}, false).empty());
}

TEST(RefreshModes, ItemTextsAndWhatTheyStandFor) {
    EXPECT_EQ(DefaultItemText(1024, 768), "1024 x 768 @ Default");
    EXPECT_EQ(RateItemText(1024, 768, 85), "1024 x 768 @ 85Hz");

    struct Case {
        const char* text;
        bool valid;
        const char* key;
        bool isDefault;
        const char* rateText;
        uint32_t rate;
    } cases[] = {
        {"1024 x 768 @ 85Hz", true, "1024,768", false, "85", 85},
        {"1280 x 1024 @ Default", true, "1280,1024", true, "", 0},
        {"640 x 480 @ 160Hz", true, "640,480", false, "160", 160},
        {"1024 x 768 @ 85", false, "", false, "", 0},
        {"1024 x 768 @ Hz", false, "", false, "", 0},
        {"1024x768 @ 85Hz", false, "", false, "", 0},
        {"", false, "", false, "", 0},
        {"99999999999 x 768 @ 85Hz", false, "", false, "", 0},
    };
    for (const Case& c : cases) {
        ItemChoice choice;
        ASSERT_EQ(ParseItemText(c.text, choice), c.valid) << c.text;
        if (!c.valid) continue;
        EXPECT_EQ(choice.resolutionKey, c.key) << c.text;
        EXPECT_EQ(choice.isDefault, c.isDefault) << c.text;
        EXPECT_EQ(choice.rateText, c.rateText) << c.text;
        EXPECT_EQ(choice.rate, c.rate) << c.text;
    }
}

TEST(RefreshModes, StoredRatesAndTheWin9xItemThatShowsThem) {
    using namespace std::string_literals;
    struct Case {
        std::string bytes;
        bool isText;
        uint32_t rate;
    } cases[] = {
        {"85\0"s, true, 85},     {"160\0"s, true, 160},  {"1000\0"s, true, 1000},
        {"85000\0"s, true, 0},   {"8a\0"s, true, 0},     {""s, true, 0},
        {"\x55\0\0\0"s, false, 85}, {"\xa0\0\0\0"s, false, 160}, {""s, false, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(StoredRate(c.bytes, c.isText), c.rate) << c.bytes;

    EXPECT_EQ(Win9xItemForRate(60), 0);
    EXPECT_EQ(Win9xItemForRate(85), 3);
    EXPECT_EQ(Win9xItemForRate(160), 7);
    EXPECT_EQ(Win9xItemForRate(0), -1) << "nothing stored: nothing shown";
    EXPECT_EQ(Win9xItemForRate(70), -1) << "a rate the list does not hold is not shown as another";
}
