// The requests Pellam makes of the r6probe driver, over a transport that
// carries one control request at a time (DeviceIoControl in the program, a
// simulation of the chip in the tests). Every reply is checked for length
// before it is read. No Windows headers.
#pragma once

#include "radeon_clocks.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace pellam {

enum ProbeControlCode : uint32_t {
    kProbeReadBios = 0x9C406414,      // in: offset; out: the bytes asked for (4 for a word)
    kProbeReadPll = 0x9C40640C,       // in: index; out: value
    kProbeWritePll = 0x9C406410,      // in: index, mask, value; out: none
    kProbeReadRegister = 0x9C406404,  // in: offset; out: value
    kProbeWriteRegister = 0x9C406408  // in: offset, mask, value; out: none
};

class ProbeTransport {
public:
    virtual ~ProbeTransport() = default;
    // One request; 'returned' is how many bytes of 'output' the driver filled.
    virtual bool Control(uint32_t code, const void* input, size_t inputSize, void* output,
                         size_t outputSize, size_t& returned) = 0;
};

class ProbeClient {
public:
    explicit ProbeClient(ProbeTransport& transport) : transport_(transport) {}

    bool ReadBios(uint32_t offset, uint8_t* out, size_t size);
    std::optional<uint16_t> ReadBiosWord(uint32_t offset);
    std::optional<uint32_t> ReadPll(uint32_t index);
    bool WritePll(const MaskedWrite& write);
    std::optional<uint32_t> ReadRegister(uint32_t offset);
    bool WriteRegister(const MaskedWrite& write);

    // The clock limits: the word at 0x48, plus 0x30, points to a word that
    // holds the offset of the 24-byte PLL block.
    std::optional<BiosLimits> ReadLimits();

private:
    std::optional<uint32_t> ReadValue(uint32_t code, uint32_t input);
    bool WriteMasked(uint32_t code, const MaskedWrite& write);
    ProbeTransport& transport_;
};

}  // namespace pellam
