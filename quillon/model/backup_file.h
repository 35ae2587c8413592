// The *.backup file: a snapshot of the values directly under a category key.
//
//   uint32 version (1), uint32 root (handle value), uint32 key length,
//   subkey bytes (no terminator);
//   then, only when the key could be opened:
//   uint32 value count, uint32 name buffer size (longest name + 1),
//   uint32 data buffer size (longest data + 1), and per value
//   uint32 type, uint32 name length, name bytes, uint32 data length, data bytes.
//
// A file that ends right after the subkey is a complete "header only" backup
// of a key that did not exist. Everything else must be exactly as above: the
// reader rejects a file that ends early, names or data longer than the
// buffer sizes it announces, more entries than its bytes can hold and bytes
// after the last entry. Restore replaces every value of a key with the
// file's, so a file is parsed completely before the registry is touched.
#pragma once

#include "byte_io.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quillon {

constexpr std::uint32_t kBackupVersion = 1;
// Registry paths are far shorter; anything longer is not a backup we wrote.
constexpr std::size_t kMaxBackupSubKey = 4096;
// type, name length and data length of an entry with empty name and data.
constexpr std::size_t kMinBackupEntrySize = 12;

struct BackupValue {
    std::uint32_t type = 0;
    std::string name;
    std::vector<std::uint8_t> data;

    bool operator==(const BackupValue& o) const {
        return type == o.type && name == o.name && data == o.data;
    }
};

struct BackupFile {
    std::uint32_t version = kBackupVersion;
    std::uint32_t root = 0;
    std::string subKey;
    bool hasValues = false;  // false: the key could not be opened
    std::uint32_t nameBufferSize = 0;
    std::uint32_t dataBufferSize = 0;
    std::vector<BackupValue> values;

    bool operator==(const BackupFile& o) const {
        return version == o.version && root == o.root && subKey == o.subKey &&
               hasValues == o.hasValues && nameBufferSize == o.nameBufferSize &&
               dataBufferSize == o.dataBufferSize && values == o.values;
    }
};

// Appends the file. Refuses (false, writer failed) anything ReadBackupFile
// would reject, so every written backup can be restored: a wrong version,
// an over-long subkey, values without hasValues, or an entry that does not
// fit the announced buffer sizes.
bool WriteBackupFile(ByteWriter& out, const BackupFile& file);

// Parses a whole file. On any damage returns false and leaves 'out' as it was.
bool ReadBackupFile(const std::uint8_t* data, std::size_t size, BackupFile& out);

// The category name with each of  : / \ " * < > ? |  replaced by '_', so the
// name is a single file name in the current folder.
std::string BackupBaseName(const std::string& categoryName);
// base + " " + number + ".backup"
std::string BackupFileName(const std::string& base, unsigned number);

// Numbers tried before giving up on a folder that is full of backups.
constexpr unsigned kMaxBackupNumber = 100000;
enum class CreateResult { Created, NameTaken, Failed };
// Offers BackupFileName(base, 0), (base, 1), ... to 'create' while it answers
// NameTaken; any other failure ends the search at once, as does reaching
// kMaxBackupNumber. True, with 'fileName' set, when a file was created.
bool CreateFirstFreeBackup(const std::string& base,
                           const std::function<CreateResult(const std::string&)>& create,
                           std::string& fileName);

}  // namespace quillon
