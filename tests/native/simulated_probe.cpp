#include "simulated_probe.h"

#include <cstring>

namespace {

uint32_t Field(const void* input, size_t index) {
    const auto* b = static_cast<const uint8_t*>(input) + 4 * index;
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void PutWord(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

bool Reply(void* output, size_t outputSize, uint32_t value, size_t& returned) {
    if (outputSize < 4) return false;
    for (int i = 0; i < 4; ++i) static_cast<uint8_t*>(output)[i] = uint8_t(value >> (8 * i));
    returned = 4;
    return true;
}

}  // namespace

SimulatedChip SimulatedChip::WithLimits(uint16_t reference, uint16_t lowest, uint16_t highest) {
    SimulatedChip chip;
    chip.bios.assign(0x200, 0);
    PutWord(chip.bios, 0x48, 0x100);        // pointer table at 0x100
    PutWord(chip.bios, 0x100 + 0x30, 0x180);  // PLL block at 0x180
    PutWord(chip.bios, 0x180 + 14, reference);
    PutWord(chip.bios, 0x180 + 18, lowest);
    PutWord(chip.bios, 0x180 + 22, highest);
    return chip;
}

bool SimulatedProbe::Control(uint32_t code, const void* input, size_t inputSize, void* output,
                             size_t outputSize, size_t& returned) {
    ++chip_.requests;
    returned = 0;
    switch (code) {
        case pellam::kProbeReadBios: {
            if (inputSize < 4) return false;
            uint32_t offset = Field(input, 0);
            size_t count = outputSize < 4 ? 4 : outputSize;
            if (offset >= chip_.bios.size() || chip_.bios.size() - offset < count) return false;
            std::memcpy(output, &chip_.bios[offset], outputSize);
            returned = outputSize;
            return true;
        }
        case pellam::kProbeReadPll:
            return inputSize >= 4 && Reply(output, outputSize, chip_.pll[Field(input, 0)], returned);
        case pellam::kProbeReadRegister:
            return inputSize >= 4 &&
                   Reply(output, outputSize, chip_.registers[Field(input, 0)], returned);
        case pellam::kProbeWritePll:
        case pellam::kProbeWriteRegister: {
            if (inputSize < 12) return false;
            auto& bank = code == pellam::kProbeWritePll ? chip_.pll : chip_.registers;
            uint32_t& reg = bank[Field(input, 0)];
            uint32_t mask = Field(input, 1);
            reg = (reg & ~mask) | (Field(input, 2) & mask);
            return true;
        }
        default:
            return false;
    }
}
