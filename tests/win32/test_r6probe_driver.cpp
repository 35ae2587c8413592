// The simulated r6probe driver, loaded as a kernel service of the prefix:
// the card it answers for through "\\.\r6probe.vxd", and masked writes that
// change only the masked bits.
#include "r6probe_service.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

uint16_t Word(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

class R6probe : public testing::Test {
protected:
    void SetUp() override {
        std::string driver = testsupport::WindowsPathFromEnvironment("R6PROBE_SYS");
        ASSERT_FALSE(driver.empty()) << "R6PROBE_SYS is not set";
        std::string error;
        ASSERT_TRUE(testsupport::StartSimulatedR6probe(driver, error)) << error;
    }
};

TEST_F(R6probe, AnswersForTheSimulatedCard) {
    testsupport::R6probeDevice device;
    ASSERT_TRUE(device.IsOpen());
    // The offset chain to the PLL block: the word at 0x48, then + 0x30.
    std::vector<uint8_t> word(4);
    ASSERT_TRUE(device.ReadBios(0x48, word));
    std::vector<uint8_t> next(4);
    ASSERT_TRUE(device.ReadBios(Word(word, 0) + 0x30u, next));
    std::vector<uint8_t> block(24);
    ASSERT_TRUE(device.ReadBios(Word(next, 0), block));
    EXPECT_EQ(Word(block, 8), 16600) << "default core clock 166.00 MHz";
    EXPECT_EQ(Word(block, 14), 2700) << "reference clock 27.00 MHz";
    EXPECT_EQ(Word(block, 16), 12);
    EXPECT_LT(Word(block, 18), Word(block, 22));

    uint32_t value = 0;
    ASSERT_TRUE(device.ReadPll(10, value));
    EXPECT_EQ(value & 0xFF, 12u) << "reference divider";
    EXPECT_EQ((value >> 8) & 0xFF, (value >> 16) & 0xFF) << "memory and core dividers";
    ASSERT_TRUE(device.ReadPll(13, value));
    EXPECT_EQ(value & 7, 7u) << "synchronous";
    ASSERT_TRUE(device.ReadRegister(0x144, value));
    EXPECT_EQ(value & 0xF0FF, 0x306Au) << "timings Medium";
    ASSERT_TRUE(device.ReadRegister(0x154, value));
    EXPECT_EQ(value, 0x44334244u) << "latency Medium";

    std::vector<uint8_t> outside(24);
    EXPECT_FALSE(device.ReadBios(0x10000, outside));
    EXPECT_FALSE(device.ReadRegister(0x148, value)) << "a register the card does not have";
}

TEST_F(R6probe, MaskedWritesChangeOnlyTheMaskedBits) {
    testsupport::R6probeDevice device;
    ASSERT_TRUE(device.IsOpen());
    uint32_t before = 0, after = 0;
    ASSERT_TRUE(device.ReadPll(10, before));
    ASSERT_TRUE(device.WritePllMasked(10, 0x00FFFF00, (80u << 16) | (70u << 8) | 0xFFu));
    ASSERT_TRUE(device.ReadPll(10, after));
    EXPECT_EQ(after, (before & 0xFF0000FFu) | (80u << 16) | (70u << 8));
    ASSERT_TRUE(device.WritePllMasked(10, 0x00FFFF00, before));

    ASSERT_TRUE(device.ReadRegister(0x144, before));
    ASSERT_TRUE(device.WriteRegisterMasked(0x144, 0xF0FF, 0x1405257F));
    ASSERT_TRUE(device.ReadRegister(0x144, after));
    EXPECT_EQ(after, (before & ~0xF0FFu) | (0x1405257Fu & 0xF0FFu));
    ASSERT_TRUE(device.WriteRegisterMasked(0x144, 0xFFFFFFFF, before));
}

}  // namespace
