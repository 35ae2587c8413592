#include "backup_file.h"

#include <utility>

namespace quillon {

namespace {

// A name is held in a buffer of nameBufferSize characters with its
// terminator, data in one of dataBufferSize bytes.
bool FitsBuffers(const BackupValue& value, std::uint32_t nameBufferSize,
                 std::uint32_t dataBufferSize) {
    return value.name.size() < nameBufferSize && value.data.size() <= dataBufferSize;
}

bool ReadValue(ByteReader& in, std::uint32_t nameBufferSize, std::uint32_t dataBufferSize,
               BackupValue& out) {
    BackupValue value;
    std::string data;
    if (nameBufferSize == 0 || !in.ReadU32(value.type) ||
        !in.ReadString(value.name, nameBufferSize - 1) || !in.ReadString(data, dataBufferSize))
        return false;
    value.data.assign(data.begin(), data.end());
    out = std::move(value);
    return true;
}

}  // namespace

bool WriteBackupFile(ByteWriter& out, const BackupFile& file) {
    bool valid = file.version == kBackupVersion && file.subKey.size() <= kMaxBackupSubKey &&
                 (file.hasValues || file.values.empty());
    for (const BackupValue& value : file.values)
        valid = valid && FitsBuffers(value, file.nameBufferSize, file.dataBufferSize);
    if (!valid || !out.ok()) {
        out.Fail();
        return false;
    }
    out.WriteU32(file.version);
    out.WriteU32(file.root);
    out.WriteU32(static_cast<std::uint32_t>(file.subKey.size()));
    for (char c : file.subKey) out.WriteU8(static_cast<std::uint8_t>(c));
    if (!file.hasValues) return out.ok();
    out.WriteU32(static_cast<std::uint32_t>(file.values.size()));
    out.WriteU32(file.nameBufferSize);
    out.WriteU32(file.dataBufferSize);
    for (const BackupValue& value : file.values) {
        out.WriteU32(value.type);
        out.WriteU32(static_cast<std::uint32_t>(value.name.size()));
        for (char c : value.name) out.WriteU8(static_cast<std::uint8_t>(c));
        out.WriteU32(static_cast<std::uint32_t>(value.data.size()));
        for (std::uint8_t b : value.data) out.WriteU8(b);
    }
    return out.ok();
}

bool ReadBackupFile(const std::uint8_t* data, std::size_t size, BackupFile& out) {
    ByteReader in(data, size);
    BackupFile file;
    if (!in.ReadU32(file.version) || file.version != kBackupVersion || !in.ReadU32(file.root) ||
        !in.ReadString(file.subKey, kMaxBackupSubKey))
        return false;
    if (in.AtEnd()) {  // header only: the key did not exist
        out = std::move(file);
        return true;
    }
    std::uint32_t count = 0;
    if (!in.ReadU32(count) || !in.ReadU32(file.nameBufferSize) ||
        !in.ReadU32(file.dataBufferSize))
        return false;
    // The count is untrusted: it may only promise what the bytes can hold.
    if (count > in.remaining() / kMinBackupEntrySize) return false;
    file.hasValues = true;
    file.values.resize(count);
    for (BackupValue& value : file.values)
        if (!ReadValue(in, file.nameBufferSize, file.dataBufferSize, value)) return false;
    if (!in.AtEnd()) return false;  // bytes after the last entry: not a file we wrote
    out = std::move(file);
    return true;
}

std::string BackupBaseName(const std::string& categoryName) {
    std::string base = categoryName;
    for (char& c : base) {
        switch (c) {
        case ':': case '/': case '\\': case '"': case '*':
        case '<': case '>': case '?': case '|':
            c = '_';
            break;
        default:
            break;
        }
    }
    return base;
}

std::string BackupFileName(const std::string& base, unsigned number) {
    return base + " " + std::to_string(number) + ".backup";
}

bool CreateFirstFreeBackup(const std::string& base,
                           const std::function<CreateResult(const std::string&)>& create,
                           std::string& fileName) {
    for (unsigned number = 0; number < kMaxBackupNumber; ++number) {
        const std::string name = BackupFileName(base, number);
        const CreateResult result = create(name);
        if (result == CreateResult::Created) {
            fileName = name;
            return true;
        }
        if (result != CreateResult::NameTaken) return false;
    }
    return false;
}

}  // namespace quillon
