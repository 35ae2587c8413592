// The simulated r6probe driver (fixtures/r6probe) as the tests use it: a
// kernel driver service of this prefix, started so that "\\.\r6probe.vxd"
// answers, and a client of its five control codes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Registers the driver file (a Windows path) as the kernel driver service
// "r6probe" when it is not registered yet and starts it. True when the
// device then opens.
bool StartSimulatedR6probe(const std::string& driverPath, std::string& error);
// Stops the running service ("no driver"); with 'remove' it is also deleted
// from the service manager, as on a machine that never had it.
bool StopSimulatedR6probe(bool remove, std::string& error);

// The device, opened for one test.
class R6probeDevice {
public:
    R6probeDevice();
    ~R6probeDevice();
    R6probeDevice(const R6probeDevice&) = delete;
    R6probeDevice& operator=(const R6probeDevice&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool ReadBios(uint32_t offset, std::vector<uint8_t>& bytes);  // bytes.size() bytes
    bool ReadPll(uint32_t index, uint32_t& value);
    bool WritePllMasked(uint32_t index, uint32_t mask, uint32_t value);
    bool ReadRegister(uint32_t offset, uint32_t& value);
    bool WriteRegisterMasked(uint32_t offset, uint32_t mask, uint32_t value);
    // Puts back the card's clocks (166.5 MHz, synchronous) and memory
    // settings ("Medium" both), as the driver starts with them.
    bool ResetCard();

private:
    bool Request(uint32_t code, const void* in, DWORD inSize, void* out, DWORD outSize);
    HANDLE handle_;
};

}  // namespace testsupport
