// The splash outline: the mask with its tolerance, and background cuts that
// leave exactly the kept pixels, for shapes that exercise every path of the
// quadtree and the row scan.
#include "splash_mask.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace pellam;

namespace {

using Shape = std::function<bool(int x, int y)>;

TransparencyMask MaskOf(int w, int h, const Shape& kept) {
    TransparencyMask mask(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (kept(x, y)) mask.Keep(x, y);
    return mask;
}

// Applies the cuts to a window that starts whole; counts overlapping cuts too.
std::vector<bool> Remaining(const TransparencyMask& mask, const std::vector<RegionCut>& cuts) {
    std::vector<bool> window(size_t(mask.width()) * mask.height(), true);
    for (const RegionCut& cut : cuts)
        for (const MaskRect& r : cut.rects)
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) {
                    EXPECT_TRUE(x >= 0 && y >= 0 && x < mask.width() && y < mask.height());
                    window[size_t(y) * mask.width() + x] = false;
                }
    return window;
}

}  // namespace

TEST(SplashMask, KeyIsTheTopLeftPixelAndToleranceIsThree) {
    // Bottom-up rows as a DIB section holds them: the top row comes last.
    const uint32_t pixels[] = {
        0x00102030, 0x00102033,  // bottom row: difference 0 and 3
        0x00102030, 0x00112132,  // top row: key, then difference 4
    };
    TransparencyMask mask = BuildMask(pixels, 4, 2, 2, true, 3);
    EXPECT_FALSE(mask.Kept(0, 0));
    EXPECT_TRUE(mask.Kept(1, 0));
    EXPECT_FALSE(mask.Kept(0, 1));
    EXPECT_FALSE(mask.Kept(1, 1));
    EXPECT_EQ(mask.stride(), 4u);
    EXPECT_EQ(BuildMask(pixels, 3, 2, 2, true, 3).width(), 0) << "too few pixels";
    EXPECT_EQ(BuildMask(pixels, 4, 0, 2, true, 3).width(), 0);
}

TEST(SplashMask, RowScanTakesWordsAndBytesAtOnce) {
    // From pixel 3 on: 3..76 background except pixel 50, 77..79 kept.
    TransparencyMask mask = MaskOf(80, 1, [](int x, int) { return x > 76 || x == 50; });
    std::vector<MaskRect> rects;
    RowScan(mask, {3, 0, 80, 1}, rects);
    std::vector<MaskRect> expected = {
        {3, 0, 4, 1}, {4, 0, 5, 1}, {5, 0, 6, 1}, {6, 0, 7, 1}, {7, 0, 8, 1},  // leading bits
        {8, 0, 40, 1},                                                          // a clear word
    };
    for (int x = 40; x < 72; ++x)  // the word holding pixel 50, bit by bit
        if (x != 50) expected.push_back({x, 0, x + 1, 1});
    for (int x = 72; x < 77; ++x) expected.push_back({x, 0, x + 1, 1});  // last byte, mixed
    EXPECT_EQ(rects, expected);
}

TEST(SplashMask, CutsLeaveExactlyTheKeptPixels) {
    struct Case {
        const char* name;
        int w, h;
        Shape kept;
    } cases[] = {
        {"disc", 90, 83, [](int x, int y) { return (x - 45) * (x - 45) + (y - 40) * (y - 40) < 900; }},
        {"ring", 300, 280,
         [](int x, int y) {
             int d = (x - 150) * (x - 150) + (y - 140) * (y - 140);
             return d < 120 * 120 && d > 60 * 60;
         }},
        {"stripes", 64, 16, [](int x, int) { return x % 3 == 0; }},
        {"tall", 10, 2000, [](int x, int y) { return (x + y) % 2 == 0; }},
        {"wide", 1500, 3, [](int x, int y) { return x % 7 == y; }},
        {"edge", 33, 17, [](int x, int) { return x == 32; }},
        {"one", 1, 1, [](int, int) { return false; }},
    };
    for (const auto& c : cases) {
        TransparencyMask mask = MaskOf(c.w, c.h, c.kept);
        std::vector<bool> window = Remaining(mask, BackgroundCuts(mask));
        int wrong = 0;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                if (window[size_t(y) * c.w + x] != mask.Kept(x, y)) ++wrong;
        EXPECT_EQ(wrong, 0) << c.name;
    }
}

TEST(SplashMask, UniformPicturesNeedAtMostOneCut) {
    TransparencyMask background = MaskOf(200, 100, [](int, int) { return false; });
    std::vector<RegionCut> cuts = BackgroundCuts(background);
    ASSERT_EQ(cuts.size(), 1u);
    EXPECT_TRUE(cuts[0].wholeRectangle);
    EXPECT_EQ(cuts[0].rects[0], (MaskRect{0, 0, 200, 100}));
    EXPECT_TRUE(BackgroundCuts(MaskOf(200, 100, [](int, int) { return true; })).empty());
    EXPECT_TRUE(BackgroundCuts(TransparencyMask()).empty());
}

TEST(SplashMask, ANarrowNoisyPictureIsNotLimitedByAFixedRectangleCount) {
    // 16 x 1000 with every other pixel background goes to the row scan whole:
    // 8000 rectangles, more than (1000 / 2 + 1) x 17.
    TransparencyMask mask = MaskOf(16, 1000, [](int x, int) { return x % 2 == 1; });
    std::vector<RegionCut> cuts = BackgroundCuts(mask);
    ASSERT_EQ(cuts.size(), 1u);
    EXPECT_EQ(cuts[0].rects.size(), 8000u);
}
