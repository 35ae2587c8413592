// The Radeon card as the overclocking tab reads and sets it through the
// r6probe driver, and the texts the tab makes of it. The clock formulas and
// the memory tables are Pellam's (radeon_clocks.h); this only puts them
// together the way the tab uses them. No Windows headers.
#pragma once

#include "probe_client.h"

#include <optional>
#include <string>

namespace clockwork {

// What the page shows of the card.
struct CardReading {
    double core = 0;          // MHz
    double memory = 0;        // MHz
    double defaultClock = 0;  // the video BIOS's default core clock, MHz
    bool synchronous = true;  // the page's view: both clocks equal
    int latency = 0;          // 0 "Fast", 1 "Medium", else the raw register value
    int timings = 0;          // 0 "Slow", 1 "Medium", 2 "Fast", else the raw register value
};

// Reads the PLL block of the video BIOS, the clocks and both memory
// settings. Nothing when the device does not answer, or when it gives a zero
// reference clock or reference divider (the formulas divide by them): such a
// device counts as one that cannot be read.
std::optional<CardReading> ReadCard(pellam::ProbeTransport& probe);

// The three apply options of the page.
struct ApplyOptions {
    bool frequencies = false;
    bool timings = false;
    bool latency = false;
};

// Clocks outside this range are never written.
constexpr double kLowestAppliedClock = 120;
constexpr double kHighestAppliedClock = 250;
bool InApplyRange(double core, double memory);

// Writes what the options ask for: the clocks (each asked clock plus
// 1.125 MHz, so the divider lands on it; one clock for both when they are
// equal), the timings and the latency (an index outside its table writes
// nothing). False when the device cannot be read, and then nothing is
// written.
bool WriteCard(pellam::ProbeTransport& probe, const ApplyOptions& options, double core,
               double memory, int timings, int latency);

// The status line: the clocks with the default and the saved-settings text,
// or the complaint that the driver cannot be reached (no clocks read).
std::string StatusText(double core, double memory, double defaultClock,
                       const std::string& savedText);
constexpr char kNoSavedSettings[] = "No saved settings.";
std::string SavedText(double core, double memory);
// The saved-settings text of a stored "CurrentSettings": "No saved
// settings." when there is none or it is not a settings text.
std::string SavedTextOf(const std::optional<std::string>& currentSettings);
// "CurrentSettings": "%g %g %d %d", with -1 for a memory setting the page
// does not set when applying.
std::string CurrentSettingsText(double core, double memory, int latency, int timings);

// Slider positions in whole MHz; the overclocked region starts at 120% of
// the default clock.
int SliderPosition(double clock);
int OverclockedFrom(double defaultClock);

}  // namespace clockwork
