#include "probe_device.h"

#include <windows.h>

namespace pellam {
namespace {

const char kProbeDevice[] = "\\\\.\\r6probe.vxd";

class DeviceTransport : public ProbeTransport {
public:
    explicit DeviceTransport(HANDLE device) : device_(device) {}
    ~DeviceTransport() override { ::CloseHandle(device_); }
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

}  // namespace

std::unique_ptr<ProbeTransport> OpenProbeDevice() {
    HANDLE device =
        ::CreateFileA(kProbeDevice, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<DeviceTransport>(device);
}

}  // namespace pellam
