// The clock operations with the program's log, question box, registry and
// the r6probe driver opened as a device.
#include "clock_operations.h"
#include "companion.h"
#include "companion_registry.h"

namespace pellam {
namespace {

const char kProbeDevice[] = "\\\\.\\r6probe.vxd";

class DriverTransport : public ProbeTransport {
public:
    explicit DriverTransport(HANDLE device) : device_(device) {}
    ~DriverTransport() override { ::CloseHandle(device_); }
    bool Control(uint32_t code, const void* input, size_t inputSize, void* output,
                 size_t outputSize, size_t& returned) override {
        DWORD bytes = 0;
        BOOL ok = ::DeviceIoControl(device_, code, const_cast<void*>(input),
                                    static_cast<DWORD>(inputSize), output,
                                    static_cast<DWORD>(outputSize), &bytes, nullptr);
        returned = bytes;
        return ok != FALSE;
    }

private:
    HANDLE device_;
};

class ProgramClockHost : public ClockHost {
public:
    void Log(int level, const std::string& line) override { LogLine(level, "%s", line.c_str()); }
    std::unique_ptr<ProbeTransport> OpenProbe() override {
        HANDLE device = ::CreateFileA(kProbeDevice, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                      nullptr);
        if (device == INVALID_HANDLE_VALUE) return nullptr;
        return std::make_unique<DriverTransport>(device);
    }
    bool Confirm(const std::string& text) override {
        return ::MessageBoxA(nullptr, text.c_str(), "Pellam Radeon Clocks",
                             MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    void StoreFactorySettings(const std::string& text) override {
        WriteCompanionText(kOverclockerKey, kFactorySettingsValue, text);
    }
};

}  // namespace

void ApplyStoredClocks() {
    std::optional<std::string> text =
        ReadCompanionText(kOverclockerKey, kCurrentSettingsValue, kClockSettingsBytes);
    if (!text) return;
    ProgramClockHost host;
    SetRadeonClocks(host, *text, g_companion.disableMemorySettings != 0);
}

void StoreDefaultClocks() {
    ProgramClockHost host;
    ReadDefaultClocks(host, g_companion.disableMemorySettings != 0);
}

}  // namespace pellam
