#include "backup.h"

#include "backup_file.h"
#include "category.h"
#include "file.h"
#include "find_files.h"
#include "reg_key.h"
#include "registry_journal.h"
#include "same_name.h"
#include "scoped.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

using quillon::BackupFile;
using quillon::BackupValue;

// Longest registry value name plus its terminator.
constexpr DWORD kMaxValueNameBuffer = 16384;
// A value that keeps growing while it is being enumerated is skipped.
constexpr int kMaxEnumRetries = 8;

// Creates the first free "<base> <n>.backup". Only a taken name moves on to
// the next number.
winlib::ScopedFileHandle CreateBackupFile(const std::string& base, std::string& fileName) {
    winlib::ScopedFileHandle file;
    quillon::CreateFirstFreeBackup(
        base,
        [&file](const std::string& name) {
            file.reset(::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
            if (file) return quillon::CreateResult::Created;
            const DWORD error = ::GetLastError();
            return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS
                       ? quillon::CreateResult::NameTaken
                       : quillon::CreateResult::Failed;
        },
        fileName);
    return file;
}

// Every value directly under the key, in enumeration order. The buffer sizes
// come from RegQueryInfoKeyA but are raised to what was actually read, since
// values may change between the query and the enumeration.
void ReadValues(HKEY key, BackupFile& backup) {
    DWORD count = 0, maxName = 0, maxData = 0;
    if (!winlib::registry::ValueCounts(key, count, maxName, maxData)) maxName = maxData = 0;
    std::vector<char> name(maxName + 1);
    std::vector<BYTE> data(maxData + 1);
    backup.hasValues = true;
    backup.nameBufferSize = maxName + 1;
    backup.dataBufferSize = maxData + 1;

    int retries = 0;
    for (DWORD index = 0;;) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG result =
            winlib::registry::EnumValueInto(key, index, name.data(), nameSize, &type, data.data(), &dataSize);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result == ERROR_MORE_DATA && retries < kMaxEnumRetries) {
            ++retries;
            name.resize(std::max<std::size_t>(name.size(), kMaxValueNameBuffer));
            data.resize(std::max<std::size_t>(data.size() * 2, std::size_t{dataSize} + 1));
            continue;
        }
        if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) break;
        retries = 0;
        ++index;
        if (result != ERROR_SUCCESS) continue;
        BackupValue value;
        value.type = type;
        value.name.assign(name.data(), nameSize);
        value.data.assign(data.begin(), data.begin() + dataSize);
        backup.nameBufferSize = std::max<std::uint32_t>(backup.nameBufferSize, nameSize + 1);
        backup.dataBufferSize = std::max<std::uint32_t>(backup.dataBufferSize, dataSize + 1);
        backup.values.push_back(std::move(value));
    }
}

BackupFile Snapshot(const CategoryKey& key) {
    BackupFile backup;
    backup.root = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(key.root));
    backup.subKey = key.subKey;
    RegKey handle;
    if (handle.Open(key.root, key.subKey, RegistryView::Native) == ERROR_SUCCESS) ReadValues(handle.handle(), backup);
    return backup;
}

bool WriteAll(HANDLE file, const std::vector<std::uint8_t>& bytes) {
    DWORD written = 0;
    return ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool EndsWithBackup(const std::string& name) {
    static const char kExtension[] = ".backup";
    const std::size_t length = sizeof kExtension - 1;
    return name.size() >= length &&
           SameName(name.substr(name.size() - length), kExtension);
}

}  // namespace

bool BackupCategory(const Category& category, std::string* writtenFile) {
    std::string fileName;
    winlib::ScopedFileHandle file =
        CreateBackupFile(quillon::BackupBaseName(category.GetName()), fileName);
    if (!file) return false;

    quillon::ByteWriter out;
    const bool ok = quillon::WriteBackupFile(out, Snapshot(category.model().key)) &&
                    WriteAll(file.get(), out.bytes());
    file.reset();
    if (!ok) {
        ::DeleteFileA(fileName.c_str());  // no damaged backup is left behind
        return false;
    }
    if (writtenFile) *writtenFile = fileName;
    return true;
}

bool RestoreCategory(Category& category, const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    BackupFile backup;
    if (!winlib::CFile::ReadAll(fileName, bytes) ||
        !quillon::ReadBackupFile(bytes.data(), bytes.size(), backup))
        return false;

    CategoryKey& key = category.model().key;
    if (key.dynamic) key.Resolve();
    RegKey reg;
    if (reg.Create(key.root, key.subKey, RegistryView::Native) != ERROR_SUCCESS) return false;
    reg.Close();

    // One journalled change: every value there now goes, every value of the
    // backup comes, so "Undo last change" gives the key back as it was.
    quillon::JournalEntry entry;
    entry.title = "Restore " + category.GetName();
    auto valueNamed = [&](const std::string& name) {
        for (quillon::JournalValue& value : entry.values)
            if (SameName(value.valueName, name)) return &value;
        quillon::JournalValue value;
        value.root = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(key.root));
        value.nativeView = true;
        value.subKey = key.subKey;
        value.valueName = name;
        entry.values.push_back(value);
        return &entry.values.back();
    };
    for (const BackupValue& present : Snapshot(key).values) valueNamed(present.name);
    for (const BackupValue& value : backup.values)
        valueNamed(value.name)->after = {true, value.type, std::string(value.data.begin(), value.data.end())};
    quillon::Journal journal;
    return quillon::ApplyChange(journal, std::move(entry)).Succeeded();
}

std::vector<BackupListing> ListBackups() {
    std::vector<BackupListing> listings;
    for (const WIN32_FIND_DATAA& found : winlib::ListFiles("*.backup")) {
        const std::string name = found.cFileName;
        if (!EndsWithBackup(name)) continue;
        FILETIME local;
        SYSTEMTIME time{};
        ::FileTimeToLocalFileTime(&found.ftCreationTime, &local);
        ::FileTimeToSystemTime(&local, &time);
        char date[64];
        std::snprintf(date, sizeof date, "%.4d-%.2d-%.2d    %.2d:%.2d", time.wYear, time.wMonth,
                      time.wDay, time.wHour, time.wMinute);
        listings.push_back({name.substr(0, name.size() - 7), date});
    }
    std::sort(listings.begin(), listings.end(),
              [](const BackupListing& a, const BackupListing& b) { return a.fileText < b.fileText; });
    return listings;
}
