// Pellam's Radeon clocks end to end against the simulated r6probe driver:
// the factory clocks stored on the first start of a session, the stored
// clocks applied at start, again on a resume and on a change of the key.
#include "pellam_harness.h"
#include "r6probe_service.h"

#include <gtest/gtest.h>

namespace {

const char kOverclocker[] = "ATI Radeon Overclocker";
const char kSessionAtom[] = "Pellam was here..";
const uint32_t kStartDividers = (74u << 16) | (74u << 8) | 12u;
// "200 183": trunc(200 / 2.25) = 88 steps (198 MHz), 81 steps (182.25 MHz).
const uint32_t kStoredDividers = (88u << 16) | (81u << 8) | 12u;

uint32_t Pll(uint32_t index) {
    uint32_t value = 0;
    testsupport::R6probeDevice().ReadPll(index, value);
    return value;
}

uint32_t ChipRegister(uint32_t offset) {
    uint32_t value = 0;
    testsupport::R6probeDevice().ReadRegister(offset, value);
    return value;
}

std::string StoredText(const char* name) {
    char value[300] = "";
    DWORD size = sizeof value;
    std::string key = std::string("Software\\Pellam Suite\\") + kOverclocker;
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return "(none)";
    return value;
}

// A new logon: the session atom is gone; later starts in it find it.
void SetSession(bool firstStart) {
    while (ATOM atom = ::GlobalFindAtomA(kSessionAtom)) ::GlobalDeleteAtom(atom);
    if (!firstStart) ::GlobalAddAtomA(kSessionAtom);
}

class PellamClocks : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(testsupport::StartSimulatedR6probe(
            testsupport::WindowsPathFromEnvironment("R6PROBE_SYS"), error)) << error;
        ASSERT_TRUE(testsupport::R6probeDevice().ResetCard());
    }
    void TearDown() override { SetSession(false); }
};

TEST_F(PellamClocks, TheFirstStartStoresTheFactoryClocksAndAppliesTheStoredOnes) {
    PellamHarness pellam;
    SetSession(true);
    PellamHarness::SetNumber("DoRadeonOverclocking", 1);
    PellamHarness::SetText("CurrentSettings", "200 183 0 2", kOverclocker);
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    EXPECT_EQ(StoredText("FactorySettings"), "166.50 166.50 1 1");
    EXPECT_EQ(Pll(10), kStoredDividers);
    EXPECT_EQ(Pll(13) & 0xF, 2u) << "not synchronous";
    EXPECT_EQ(ChipRegister(0x154), 0x7FFFF1FFu);
    EXPECT_EQ(ChipRegister(0x144), 0x1405256Au);

    // A resume sets them again; another power event does nothing.
    ASSERT_TRUE(testsupport::R6probeDevice().ResetCard());
    EXPECT_EQ(::SendMessageA(pellam.Window(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0), 1);
    EXPECT_EQ(Pll(10), kStartDividers);
    EXPECT_EQ(::SendMessageA(pellam.Window(), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0), 0);
    EXPECT_EQ(Pll(10), kStoredDividers);
    EXPECT_EQ(ChipRegister(0x154), 0x7FFFF1FFu);
    EXPECT_EQ(pellam.Stop(), 0);
}

TEST_F(PellamClocks, AChangedSettingIsAppliedWhenPellamWatchesTheKey) {
    PellamHarness pellam;
    PellamHarness::SetNumber("DoRadeonOverclocking", 1);
    PellamHarness::SetNumber("DoRadeonOverclockingOnRegChange", 1);
    // Pellam watches the key only when it exists at its start.
    PellamHarness::SetText("FactorySettings", "166.50 166.50 1 1", kOverclocker);
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    EXPECT_EQ(Pll(10), kStartDividers) << "nothing stored";
    // The worker arms its watch on its own thread, perhaps after Install:
    // another value of the key is changed until it has answered (differently
    // each time, as a value written unchanged is no change to the registry).
    PellamHarness::SetText("CurrentSettings", "220 220 -1 -1", kOverclocker);
    bool applied = false;
    for (DWORD attempt = 1; attempt <= 10 && !applied; ++attempt) {
        PellamHarness::SetNumber("TestNudge", attempt, kOverclocker);
        applied = testsupport::PumpUntil([] { return Pll(10) != kStartDividers; }, 3000);
    }
    ASSERT_TRUE(applied);
    EXPECT_EQ(Pll(10), (97u << 16) | (97u << 8) | 12u) << "218.25 MHz for both";
    EXPECT_EQ(Pll(13) & 0xF, 7u) << "synchronous";
    EXPECT_EQ(ChipRegister(0x154), 0x44334244u) << "-1 leaves the latency alone";
    EXPECT_EQ(pellam.Stop(), 0);
}

}  // namespace
