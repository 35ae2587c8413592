#include "probe_client.h"

namespace pellam {
namespace {

void PutLittleEndian(uint8_t* out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetLittleEndian(const uint8_t* in) {
    return uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16 | uint32_t(in[3]) << 24;
}

}  // namespace

bool ProbeClient::ReadBios(uint32_t offset, uint8_t* out, size_t size) {
    uint8_t request[4];
    PutLittleEndian(request, offset);
    size_t returned = 0;
    return transport_.Control(kProbeReadBios, request, sizeof request, out, size, returned) &&
           returned >= size;
}

std::optional<uint16_t> ProbeClient::ReadBiosWord(uint32_t offset) {
    uint8_t reply[4] = {};
    if (!ReadBios(offset, reply, sizeof reply)) return std::nullopt;
    return static_cast<uint16_t>(reply[0] | reply[1] << 8);
}

std::optional<uint32_t> ProbeClient::ReadValue(uint32_t code, uint32_t input) {
    uint8_t request[4];
    uint8_t reply[4] = {};
    PutLittleEndian(request, input);
    size_t returned = 0;
    if (!transport_.Control(code, request, sizeof request, reply, sizeof reply, returned) ||
        returned < sizeof reply)
        return std::nullopt;
    return GetLittleEndian(reply);
}

bool ProbeClient::WriteMasked(uint32_t code, const MaskedWrite& write) {
    uint8_t request[12];
    PutLittleEndian(request, write.index);
    PutLittleEndian(request + 4, write.mask);
    PutLittleEndian(request + 8, write.value);
    size_t returned = 0;
    return transport_.Control(code, request, sizeof request, nullptr, 0, returned);
}

std::optional<uint32_t> ProbeClient::ReadPll(uint32_t index) { return ReadValue(kProbeReadPll, index); }
bool ProbeClient::WritePll(const MaskedWrite& write) { return WriteMasked(kProbeWritePll, write); }
std::optional<uint32_t> ProbeClient::ReadRegister(uint32_t offset) {
    return ReadValue(kProbeReadRegister, offset);
}
bool ProbeClient::WriteRegister(const MaskedWrite& write) {
    return WriteMasked(kProbeWriteRegister, write);
}

std::optional<BiosLimits> ProbeClient::ReadLimits() {
    std::optional<uint16_t> pointer = ReadBiosWord(kBiosPointerOffset);
    if (!pointer) return std::nullopt;
    std::optional<uint16_t> block = ReadBiosWord(uint32_t(*pointer) + kBiosPointerBias);
    if (!block) return std::nullopt;
    uint8_t bytes[kBiosPllBlockBytes] = {};
    if (!ReadBios(*block, bytes, sizeof bytes)) return std::nullopt;
    return ParseBiosLimits(bytes, sizeof bytes);
}

}  // namespace pellam
