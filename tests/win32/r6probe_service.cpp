#include "r6probe_service.h"

namespace testsupport {
namespace {

struct ServiceHandle {
    SC_HANDLE handle;
    explicit ServiceHandle(SC_HANDLE h) : handle(h) {}
    ~ServiceHandle() {
        if (handle) ::CloseServiceHandle(handle);
    }
};

std::string LastError(const char* what) { return std::string(what) + " failed, error " + std::to_string(::GetLastError()); }

}  // namespace

bool StartSimulatedR6probe(const std::string& driverPath, std::string& error) {
    {
        R6probeDevice device;
        if (device.IsOpen()) return true;
    }
    ServiceHandle manager(::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager.handle) {
        error = LastError("OpenSCManager");
        return false;
    }
    // Wine loads a driver only from an absolute image path.
    ServiceHandle service(::CreateServiceA(manager.handle, "r6probe", "r6probe", SERVICE_ALL_ACCESS,
                                           SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START,
                                           SERVICE_ERROR_NORMAL, driverPath.c_str(), nullptr, nullptr,
                                           nullptr, nullptr, nullptr));
    if (!service.handle && ::GetLastError() == ERROR_SERVICE_EXISTS)
        service.handle = ::OpenServiceA(manager.handle, "r6probe", SERVICE_ALL_ACCESS);
    if (!service.handle) {
        error = LastError("CreateService");
        return false;
    }
    if (!::StartServiceA(service.handle, 0, nullptr) && ::GetLastError() != ERROR_SERVICE_ALREADY_RUNNING) {
        error = LastError("StartService");
        return false;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        R6probeDevice device;
        if (device.IsOpen()) return true;
        ::Sleep(100);
    }
    error = "the device \\\\.\\r6probe.vxd did not appear";
    return false;
}

bool StopSimulatedR6probe(bool remove, std::string& error) {
    ServiceHandle manager(::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    ServiceHandle service(manager.handle ? ::OpenServiceA(manager.handle, "r6probe", SERVICE_ALL_ACCESS)
                                         : nullptr);
    if (!service.handle) {
        error = LastError("OpenService");
        return false;
    }
    SERVICE_STATUS status{};
    ::ControlService(service.handle, SERVICE_CONTROL_STOP, &status);
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::QueryServiceStatus(service.handle, &status) && status.dwCurrentState == SERVICE_STOPPED)
            break;
        ::Sleep(100);
    }
    if (status.dwCurrentState != SERVICE_STOPPED) {
        error = "the service did not stop";
        return false;
    }
    if (remove && !::DeleteService(service.handle)) {
        error = LastError("DeleteService");
        return false;
    }
    return true;
}

R6probeDevice::R6probeDevice()
    : handle_(::CreateFileA("\\\\.\\r6probe.vxd", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}

R6probeDevice::~R6probeDevice() {
    if (IsOpen()) ::CloseHandle(handle_);
}

bool R6probeDevice::Request(uint32_t code, const void* in, DWORD inSize, void* out, DWORD outSize) {
    DWORD returned = 0;
    return IsOpen() && ::DeviceIoControl(handle_, code, const_cast<void*>(in), inSize, out, outSize,
                                         &returned, nullptr) &&
           returned == outSize;
}

bool R6probeDevice::ReadBios(uint32_t offset, std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> buffer(bytes.size() < 4 ? 4 : bytes.size());
    if (!Request(0x9C406414, &offset, 4, buffer.data(), static_cast<DWORD>(bytes.size()))) return false;
    bytes.assign(buffer.begin(), buffer.begin() + static_cast<long>(bytes.size()));
    return true;
}

bool R6probeDevice::ReadPll(uint32_t index, uint32_t& value) {
    return Request(0x9C40640C, &index, 4, &value, 4);
}

bool R6probeDevice::WritePllMasked(uint32_t index, uint32_t mask, uint32_t value) {
    uint32_t words[3] = {index, mask, value};
    return Request(0x9C406410, words, sizeof words, nullptr, 0);
}

bool R6probeDevice::ReadRegister(uint32_t offset, uint32_t& value) {
    return Request(0x9C406404, &offset, 4, &value, 4);
}

bool R6probeDevice::WriteRegisterMasked(uint32_t offset, uint32_t mask, uint32_t value) {
    uint32_t words[3] = {offset, mask, value};
    return Request(0x9C406408, words, sizeof words, nullptr, 0);
}

bool R6probeDevice::ResetCard() {
    return WritePllMasked(10, 0xFFFFFFFF, (74u << 16) | (74u << 8) | 12u) &&
           WritePllMasked(13, 0xFFFFFFFF, 7) && WriteRegisterMasked(0x144, 0xFFFFFFFF, 0x1405356A) &&
           WriteRegisterMasked(0x154, 0xFFFFFFFF, 0x44334244);
}

}  // namespace testsupport
