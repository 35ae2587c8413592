// An in-process stand-in for the r6probe driver: a video BIOS image, the
// PLL registers and the chip registers of a Radeon, answering the five
// control requests with the driver's request and reply layouts.
#pragma once

#include "probe_client.h"

#include <cstdint>
#include <map>
#include <vector>

struct SimulatedChip {
    std::vector<uint8_t> bios;
    std::map<uint32_t, uint32_t> pll;
    std::map<uint32_t, uint32_t> registers;
    int requests = 0;

    // A BIOS whose PLL block gives these limits (units of 0.01 MHz).
    static SimulatedChip WithLimits(uint16_t reference, uint16_t lowest, uint16_t highest);
};

class SimulatedProbe : public pellam::ProbeTransport {
public:
    explicit SimulatedProbe(SimulatedChip& chip) : chip_(chip) {}
    bool Control(uint32_t code, const void* input, size_t inputSize, void* output,
                 size_t outputSize, size_t& returned) override;

private:
    SimulatedChip& chip_;
};
