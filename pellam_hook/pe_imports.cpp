#include "pe_imports.h"

namespace pellamhook {
namespace {

constexpr uint16_t kMzSignature = 0x5A4D;
constexpr uint32_t kPeSignature = 0x00004550;
constexpr uint32_t kNtHeadersOffsetField = 60;
constexpr uint32_t kNtHeadersSize = 248;
constexpr uint32_t kSizeOfImageField = 80;       // within the NT headers
constexpr uint32_t kImportDirectoryField = 128;
constexpr uint32_t kDescriptorSize = 20;
constexpr uint32_t kOrdinalFlag = 0x80000000u;
constexpr size_t kMaxName = 255;

bool Read32(const MemoryReader& memory, uint32_t address, uint32_t& value) {
    uint8_t bytes[4];
    if (!memory.Read(address, bytes, sizeof bytes)) return false;
    value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    return true;
}

// base + relative address, false when it wraps round the address space.
bool Absolute(uint32_t base, uint32_t relative, uint32_t& address) {
    address = base + relative;
    return address >= base;
}

// A zero-terminated name, read one byte at a time so that a name at the very
// end of readable memory is still found; false when it is unreadable or
// longer than a name can be.
bool ReadName(const MemoryReader& memory, uint32_t address, std::string& name) {
    name.clear();
    for (size_t i = 0; i <= kMaxName; ++i) {
        char c = 0;
        if (address + i < address || !memory.Read(static_cast<uint32_t>(address + i), &c, 1)) return false;
        if (c == '\0') return true;
        name.push_back(c);
    }
    return false;
}

}  // namespace

ImportTable FindImportTable(const MemoryReader& memory, uint32_t base, uint32_t& descriptor) {
    descriptor = 0;
    uint8_t dosHeader[64];
    if (!memory.Read(base, dosHeader, sizeof dosHeader)) return ImportTable::None;
    if ((dosHeader[0] | (dosHeader[1] << 8)) != kMzSignature) return ImportTable::None;
    uint32_t ntOffset = dosHeader[kNtHeadersOffsetField] | (dosHeader[kNtHeadersOffsetField + 1] << 8) |
                        (dosHeader[kNtHeadersOffsetField + 2] << 16) |
                        (static_cast<uint32_t>(dosHeader[kNtHeadersOffsetField + 3]) << 24);
    uint32_t nt = 0;
    if (!Absolute(base, ntOffset, nt) || nt > UINT32_MAX - kNtHeadersSize) return ImportTable::None;
    uint8_t ntHeaders[kNtHeadersSize];
    if (!memory.Read(nt, ntHeaders, sizeof ntHeaders)) return ImportTable::None;
    uint32_t signature = 0, imageSize = 0, importRva = 0;
    if (!Read32(memory, nt, signature) || signature != kPeSignature) return ImportTable::None;
    if (!Read32(memory, nt + kImportDirectoryField, importRva) || importRva == 0) return ImportTable::None;
    if (!Read32(memory, nt + kSizeOfImageField, imageSize) || importRva >= imageSize ||
        imageSize - importRva < kDescriptorSize || !Absolute(base, importRva, descriptor)) {
        descriptor = 0;
        return ImportTable::Damaged;
    }
    return ImportTable::Found;
}

uint32_t GetImportDescriptor(const MemoryReader& memory, uint32_t base) {
    uint32_t descriptor = 0;
    return FindImportTable(memory, base, descriptor) == ImportTable::Found ? descriptor : 0;
}

bool ImportedModuleAt(const MemoryReader& memory, uint32_t base, uint32_t firstDescriptor,
                      uint32_t index, ImportedModule& module) {
    if (firstDescriptor == 0 || index > (UINT32_MAX - firstDescriptor) / kDescriptorSize) return false;
    uint32_t descriptor = firstDescriptor + index * kDescriptorSize;
    uint32_t nameRva = 0, name = 0;
    if (!Read32(memory, descriptor + 12, nameRva) || nameRva == 0) return false;
    if (!Absolute(base, nameRva, name) || !ReadName(memory, name, module.name)) return false;
    module.descriptor = descriptor;
    return true;
}

bool WalkImports(const MemoryReader& memory, uint32_t base, uint32_t descriptor,
                 const ImportVisitor& visit) {
    uint32_t namesRva = 0, slotsRva = 0, names = 0, slots = 0;
    if (!Read32(memory, descriptor, namesRva) || !Read32(memory, descriptor + 16, slotsRva)) return false;
    // An image bound without a name table keeps the names in the address
    // table itself until it is loaded.
    if (namesRva == 0) namesRva = slotsRva;
    if (!Absolute(base, namesRva, names) || !Absolute(base, slotsRva, slots)) return false;
    for (uint32_t offset = 0;; offset += 4) {
        uint32_t nameEntry = 0, slotValue = 0;
        if (names + offset < names || slots + offset < slots) return false;
        if (!Read32(memory, names + offset, nameEntry) || !Read32(memory, slots + offset, slotValue))
            return false;
        if (nameEntry == 0 || slotValue == 0) return false;
        if (nameEntry & kOrdinalFlag) continue;
        uint32_t record = 0;
        std::string name;
        // The name follows the two-byte hint.
        if (!Absolute(base, nameEntry, record) || record + 2 < record ||
            !ReadName(memory, record + 2, name) || name.empty())
            continue;
        if (visit(name, slots + offset)) return true;
    }
}

bool SameImportName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace pellamhook
