// Backup files against Wine's registry and file system: numbering, file
// names, restore into the current key, damaged files, listing.
#include "backup.h"
#include "registry_journal.h"
#include "category.h"
#include "new_category.h"
#include "file.h"
#include "model_test_support.h"

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
    winlib::CFile file;
    ASSERT_TRUE(file.Open(path, winlib::CFile::modeCreate | winlib::CFile::modeWrite));
    ASSERT_TRUE(file.Write(bytes.data(), static_cast<uint32_t>(bytes.size())));
}

Bytes ReadFileBytes(const std::string& path) {
    Bytes bytes;
    winlib::CFile::ReadAll(path, bytes);
    return bytes;
}

// A value of HKCU\<path> as stored: type and raw bytes.
struct RawValue {
    DWORD type = 0;
    Bytes data;
    bool operator==(const RawValue& o) const { return type == o.type && data == o.data; }
};

void SetRaw(const ScratchKey& key, const std::string& name, DWORD type, const Bytes& data) {
    HKEY handle = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, key.path().c_str(), 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(handle, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    ::RegCloseKey(handle);
}

// Every value of the key, by name.
std::vector<std::pair<std::string, RawValue>> AllValues(const ScratchKey& key) {
    std::vector<std::pair<std::string, RawValue>> values;
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.path().c_str(), 0, KEY_READ, &handle) !=
        ERROR_SUCCESS)
        return values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        BYTE data[1024];
        DWORD nameSize = sizeof name, dataSize = sizeof data;
        RawValue value;
        if (::RegEnumValueA(handle, index, name, &nameSize, nullptr, &value.type, data,
                            &dataSize) != ERROR_SUCCESS)
            break;
        value.data.assign(data, data + dataSize);
        values.emplace_back(std::string(name, nameSize), value);
    }
    ::RegCloseKey(handle);
    std::sort(values.begin(), values.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return values;
}

Bytes DWordBytes(DWORD v) { return Bytes{BYTE(v), BYTE(v >> 8), BYTE(v >> 16), BYTE(v >> 24)}; }
Bytes SzBytes(const std::string& s) { return Bytes(s.c_str(), s.c_str() + s.size() + 1); }

// Each test runs in a fresh, empty current folder under the temp folder.
class BackupTest : public testing::Test {
protected:
    void SetUp() override {
        char buffer[MAX_PATH] = "";
        ::GetCurrentDirectoryA(sizeof buffer, buffer);
        previous_ = buffer;
        ::GetTempPathA(sizeof buffer, buffer);
        folder_ = std::string(buffer) + "QuillonBackupTest" +
                  std::to_string(::GetCurrentProcessId());
        RemoveFolder();
        ASSERT_TRUE(::CreateDirectoryA(folder_.c_str(), nullptr));
        ASSERT_TRUE(::SetCurrentDirectoryA(folder_.c_str()));
    }
    void TearDown() override {
        ::SetCurrentDirectoryA(previous_.c_str());
        RemoveFolder();
    }
    void RemoveFolder() { RemoveTree(folder_); }
    // Restores leave their journal in a folder of its own.
    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA found;
        HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string path = folder + "\\" + found.cFileName;
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    ::DeleteFileA(path.c_str());
                else if (found.cFileName[0] != '.')
                    RemoveTree(path);
            } while (::FindNextFileA(find, &found));
            ::FindClose(find);
        }
        ::RemoveDirectoryA(folder.c_str());
    }
    std::string Backup(const Category& category) {
        std::string file;
        EXPECT_TRUE(BackupCategory(category, &file)) << category.GetName();
        return file;
    }

    std::string previous_, folder_;
    ScratchKey scratch{"Backup"};
    ScratchKey other{"BackupOther"};
};

TEST_F(BackupTest, TakesTheFirstFreeNumber) {
    scratch.SetDWord("A", 1);
    Category category("Driver", nullptr, HKEY_CURRENT_USER, scratch.path());
    EXPECT_EQ(Backup(category), "Driver 0.backup");
    EXPECT_EQ(Backup(category), "Driver 1.backup");
    ASSERT_TRUE(::DeleteFileA("Driver 0.backup"));
    EXPECT_EQ(Backup(category), "Driver 0.backup");
    EXPECT_EQ(Backup(category), "Driver 2.backup");
}

TEST_F(BackupTest, ReservedCharactersBecomeUnderscoresInThisFolder) {
    const struct {
        const char* category;
        const char* file;
    } cases[] = {
        {"A/B", "A_B 0.backup"},
        {"A\\B", "A_B 1.backup"},
        {"C:\\x*?\"<>|", "C__x______ 0.backup"},
    };
    for (const auto& c : cases) {
        Category category(c.category, nullptr, HKEY_CURRENT_USER, scratch.path());
        EXPECT_EQ(Backup(category), c.file);
        EXPECT_TRUE(FileExists(folder_ + "\\" + c.file)) << c.file;
    }
    EXPECT_EQ(::GetFileAttributesA("A"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(::GetFileAttributesA("C_"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(BackupTest, RestoreReplacesEveryValueOfTheKey) {
    const std::vector<std::pair<std::string, RawValue>> saved = {
        {"", {REG_SZ, SzBytes("default")}},
        {"Bin", {REG_BINARY, {0, 1, 0, 0xFF, 0x80}}},
        {"Mode", {REG_DWORD, DWordBytes(0x12345678)}},
        {"Text", {REG_SZ, SzBytes("some text")}},
    };
    for (const auto& value : saved) SetRaw(scratch, value.first, value.second.type, value.second.data);
    Category category("Round trip", nullptr, HKEY_CURRENT_USER, scratch.path());
    const std::string file = Backup(category);

    scratch.SetDWord("Mode", 0);
    scratch.SetString("Extra", "not in the backup");
    SetRaw(scratch, "Bin", REG_DWORD, DWordBytes(5));
    ::SHDeleteValueA(HKEY_CURRENT_USER, scratch.path().c_str(), "Text");
    const auto beforeRestore = AllValues(scratch);

    ASSERT_TRUE(RestoreCategory(category, file));
    EXPECT_EQ(AllValues(scratch), saved);

    // The restore is one journalled change, and undoing it gives the key back.
    quillon::Journal journal;
    quillon::Journal::Listed newest;
    std::string error;
    ASSERT_TRUE(journal.Find(0, newest, error)) << error;
    EXPECT_EQ(newest.entry.title, "Restore Round trip");
    EXPECT_TRUE(newest.entry.complete);
    ASSERT_TRUE(quillon::UndoEntry(journal, newest.entry).Succeeded());
    EXPECT_EQ(AllValues(scratch), beforeRestore);
}

TEST_F(BackupTest, RestoreWritesIntoTheCurrentCategoryKey) {
    scratch.SetDWord("From", 7);
    Category source("Source", nullptr, HKEY_CURRENT_USER, scratch.path());
    const std::string file = Backup(source);
    scratch.SetDWord("Later", 1);

    other.SetString("Old", "x");
    Category target("Target", nullptr, HKEY_CURRENT_USER, other.path());
    ASSERT_TRUE(RestoreCategory(target, file));

    DWORD from = 0;
    EXPECT_TRUE(other.GetDWord("From", from));
    EXPECT_EQ(from, 7u);
    EXPECT_FALSE(other.HasValue("Old"));
    EXPECT_TRUE(scratch.HasValue("Later")) << "the key named in the file was touched";
}

TEST_F(BackupTest, DamagedOrMissingFileLeavesTheRegistryAlone) {
    scratch.SetDWord("Kept", 1);
    scratch.SetString("Name", "value");
    Category category("Damaged", nullptr, HKEY_CURRENT_USER, scratch.path());
    const std::string file = Backup(category);
    const Bytes whole = ReadFileBytes(file);
    ASSERT_GT(whole.size(), 30u);
    scratch.SetDWord("Added", 2);
    const auto before = AllValues(scratch);

    for (std::size_t cut : {whole.size() - 1, whole.size() - 5, std::size_t{30}}) {
        WriteFileBytes(file, Bytes(whole.begin(), whole.begin() + cut));
        EXPECT_FALSE(RestoreCategory(category, file)) << "cut at " << cut;
        EXPECT_EQ(AllValues(scratch), before) << "cut at " << cut;
    }
    Bytes longer = whole;
    longer.push_back(0);
    WriteFileBytes(file, longer);
    EXPECT_FALSE(RestoreCategory(category, file));
    EXPECT_FALSE(RestoreCategory(category, "No such 0.backup"));
    EXPECT_EQ(AllValues(scratch), before);
}

TEST_F(BackupTest, FailsWhenTheFileCannotBeCreated) {
    // A name too long for the folder fails with an error of its own.
    Category category(std::string(MAX_PATH + 20, 'n'), nullptr, HKEY_CURRENT_USER, scratch.path());
    std::string file = "unchanged";
    EXPECT_FALSE(BackupCategory(category, &file));
    EXPECT_EQ(file, "unchanged");
    EXPECT_TRUE(ListBackups().empty());
}

TEST_F(BackupTest, HeaderOnlyBackupOfMissingKeyRestoresToAnEmptyKey) {
    Category category("Missing", nullptr, HKEY_CURRENT_USER, scratch.path());
    ASSERT_FALSE(scratch.Exists());
    const std::string file = Backup(category);
    EXPECT_EQ(ReadFileBytes(file).size(), 12 + scratch.path().size());

    scratch.SetDWord("A", 1);
    scratch.SetString("B", "b");
    ASSERT_TRUE(RestoreCategory(category, file));
    EXPECT_TRUE(scratch.Exists());
    EXPECT_TRUE(AllValues(scratch).empty());
}

TEST_F(BackupTest, ListShowsAllBackupsSortedWithTheirDate) {
    for (const char* name : {"b 0.backup", "a 1.backup", "a 0.backup", "notes.txt", "a 0.backupx"})
        WriteFileBytes(name, {1});
    ASSERT_TRUE(::CreateDirectoryA("folder.backup", nullptr));
    SYSTEMTIME now;
    ::GetLocalTime(&now);

    const std::vector<BackupListing> list = ListBackups();
    std::vector<std::string> names;
    for (const BackupListing& row : list) names.push_back(row.fileText);
    EXPECT_EQ(names, (std::vector<std::string>{"a 0", "a 1", "b 0"}));

    char today[16];
    std::snprintf(today, sizeof today, "%.4d-%.2d-%.2d", now.wYear, now.wMonth, now.wDay);
    for (const BackupListing& row : list) {
        ASSERT_EQ(row.dateText.size(), 19u) << row.dateText;
        EXPECT_EQ(row.dateText.substr(0, 10), today);
        EXPECT_EQ(row.dateText.substr(10, 4), "    ");
        EXPECT_EQ(row.dateText[16], ':');
    }
}

TEST_F(BackupTest, NewCategoriesAreBackedUpWhenCreatedAsNew) {
    scratch.SetDWord("A", 3);
    CategoryKey key;
    key.root = HKEY_CURRENT_USER;
    key.subKey = scratch.path();
    EXPECT_NE(CreateNewCategory("Auto", key, nullptr), nullptr);
    { Category category("Manual", nullptr, HKEY_CURRENT_USER, scratch.path()); }

    const std::vector<BackupListing> list = ListBackups();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].fileText, "Auto 0");

    scratch.SetDWord("A", 0);
    Category category("Restore", nullptr, HKEY_CURRENT_USER, scratch.path());
    ASSERT_TRUE(RestoreCategory(category, "Auto 0.backup"));
    DWORD a = 0;
    EXPECT_TRUE(scratch.GetDWord("A", a));
    EXPECT_EQ(a, 3u);
}

}  // namespace
