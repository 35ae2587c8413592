// Profiles: the Profile dialog, the Profiles menu, applying a profile with
// and without a window, damaged files, and "Quillon.exe Profile=<name>".
#include "byte_io.h"
#include "database_fixture.h"
#include "dialog_driver.h"
#include "profile_file.h"
#include "resource.h"
#include "profile_dialog_res.h"
#include "preview_dialog_res.h"
#include "registry_journal.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace {

using dbtest::DWordRecord;
using Names = std::vector<std::string>;

class Profiles : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        if (HasFatalFailure()) return;
        // A page before the categories, as a plug-in tab would be.
        AddPageTab("Page");
        dbtest::WriteFile(folder_ + "\\start.tweakdb",
                          dbtest::Database({{"A", KeyPath("A"), {DWordRecord("One", "One")}},
                                            {"B",
                                             KeyPath("B"),
                                             {DWordRecord("Two", "Two"),
                                              DWordRecord("Three", "Three")}}}));
        window_->ImportDatabase(folder_ + "\\start.tweakdb");
        ASSERT_EQ(ShownNames(), (Names{"Page", "A", "B"}));
    }
    Category* Shown(size_t index) {
        return dynamic_cast<Category*>(window_->tabs().shown()[index].get());
    }
    void SetValue(const std::string& key, const std::string& value, DWORD data) {
        ASSERT_EQ(::SHSetValueA(HKEY_CURRENT_USER, KeyPath(key).c_str(), value.c_str(), REG_DWORD,
                                &data, sizeof data),
                  ERROR_SUCCESS);
    }
    bool GetValue(const std::string& key, const std::string& value, DWORD& data) {
        DWORD type = 0, size = sizeof data;
        return ::SHGetValueA(HKEY_CURRENT_USER, KeyPath(key).c_str(), value.c_str(), &type, &data,
                             &size) == ERROR_SUCCESS;
    }
    // Runs the Profile dialog: 'keep' lists the entries left selected.
    void CreateProfile(const std::string& name, std::vector<int> keep, std::deque<int> answers = {}) {
        prompt_.answers = std::move(answers);
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            HWND list = ::GetDlgItem(dialog, IDC_PROFILE_CATEGORIES);
            int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                EXPECT_GT(::SendMessageA(list, LB_GETSEL, i, 0), 0) << "all start selected";
                bool keepIt = std::find(keep.begin(), keep.end(), i) != keep.end();
                ::SendMessageA(list, LB_SETSEL, keepIt, i);
            }
            EXPECT_EQ(DialogDriver::Text(dialog, IDC_PROFILE_NAME), "New profile");
            DialogDriver::SetText(dialog, IDC_PROFILE_NAME, name);
            DialogDriver::Click(dialog, IDOK);
            // Still open after a "No" or an error: cancel it.
            if (::IsWindow(dialog)) DialogDriver::Click(dialog, IDCANCEL);
        });
        Command(ID_PROFILES_CREATE);
        EXPECT_EQ(driver.dialogsSeen(), 1);
    }
    Names ProfileItems(std::vector<UINT>* ids = nullptr) {
        HMENU profiles = ::GetSubMenu(::GetMenu(hwnd_), 3);
        Names items;
        for (int i = 0; i < ::GetMenuItemCount(profiles); ++i) {
            char text[256] = "";
            ::GetMenuStringA(profiles, i, text, sizeof text, MF_BYPOSITION);
            items.push_back(text);
            if (ids) ids->push_back(::GetMenuItemID(profiles, i));
        }
        return items;
    }
    RecordingPrompt prompt_;
};

TEST_F(Profiles, ChosenCategoriesAreStoredAndApplyingRestoresThem) {
    SetValue("A", "One", 1);
    SetValue("B", "Two", 2);  // "Three" does not exist when the profile is taken
    Shown(1)->Refresh();
    Shown(2)->Refresh();
    CreateProfile("Game", {1});  // entries: 0 "A", 1 "B"

    std::vector<uint8_t> bytes;
    ASSERT_TRUE(dbtest::ReadFile(folder_ + "\\Profiles\\Game.qlp", bytes));
    quillon::ByteReader in(bytes);
    uint32_t format = 0, count = 0;
    ASSERT_TRUE(in.ReadU32(format) && in.ReadU32(count));
    ASSERT_EQ(count, 1u);
    quillon::CategoryValuesRecord record;
    ASSERT_TRUE(quillon::ReadCategoryValues(in, record));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(record.key.subKey, KeyPath("B"));

    std::vector<UINT> ids;
    EXPECT_EQ(ProfileItems(&ids), (Names{"&Create profile ...", "&Autoprofiles ...", "", "&Undo last change",
                                         "&Preview before applying", "", "Game"}));
    EXPECT_EQ(ids[6], 5000u);
    EXPECT_EQ(window_->profileCount(), 1);

    SetValue("A", "One", 10);
    SetValue("B", "Two", 20);
    SetValue("B", "Three", 30);
    Command(5000);
    DWORD data = 0;
    EXPECT_TRUE(GetValue("B", "Two", data));
    EXPECT_EQ(data, 2u);
    EXPECT_FALSE(GetValue("B", "Three", data)) << "absent when taken: deleted";
    EXPECT_TRUE(GetValue("A", "One", data));
    EXPECT_EQ(data, 10u) << "not in the profile";
    // The category on screen was reloaded.
    auto* two = dynamic_cast<DWordSetting*>(Shown(2)->model().settings[0].get());
    EXPECT_EQ(two->value, 2u);
    EXPECT_FALSE(Shown(2)->model().settings[1]->present);
    EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(Profiles, AnExistingProfileIsOverwrittenOnlyWhenConfirmed) {
    SetValue("A", "One", 1);
    Shown(1)->Refresh();
    CreateProfile("Game", {0});
    SetValue("A", "One", 5);
    Shown(1)->Refresh();
    CreateProfile("Game", {0}, {IDNO});
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].text, "Profile already exists.\nDo you want to overwrite it?");
    EXPECT_EQ(prompt_.asked[0].caption, "Confirm overwrite");
    EXPECT_EQ(prompt_.asked[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));

    Command(5000);
    DWORD data = 0;
    EXPECT_TRUE(GetValue("A", "One", data));
    EXPECT_EQ(data, 1u) << "the refused overwrite kept the old profile";

    SetValue("A", "One", 5);
    Shown(1)->Refresh();
    CreateProfile("Game", {0}, {IDYES});
    SetValue("A", "One", 9);
    Command(5000);
    EXPECT_TRUE(GetValue("A", "One", data));
    EXPECT_EQ(data, 5u);
    EXPECT_EQ(ProfileItems().size(), 7u) << "no second item for an overwritten profile";
}

TEST_F(Profiles, NoCategoriesGiveAnEmptyProfile) {
    CreateProfile("Empty", {});
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(dbtest::ReadFile(folder_ + "\\Profiles\\Empty.qlp", bytes));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ApplyProfile("Profiles\\Empty.qlp", &window_->tabs(), hwnd_), ProfileResult::Applied);
    EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(Profiles, ACategoryNoLongerOnScreenIsStillWritten) {
    SetValue("A", "One", 1);
    Shown(1)->Refresh();
    CreateProfile("Game", {0});
    window_->SelectTab(Shown(1));
    prompt_.answers = {IDYES};
    Command(ID_EDIT_REMOVE_CATEGORY);
    ASSERT_EQ(ShownNames(), (Names{"Page", "B"}));
    SetValue("A", "One", 7);
    Command(5000);
    DWORD data = 0;
    EXPECT_TRUE(GetValue("A", "One", data));
    EXPECT_EQ(data, 1u);
}

TEST_F(Profiles, DamagedAndMissingProfilesAreReported) {
    SetValue("A", "One", 3);
    SetValue("B", "Two", 3);
    std::vector<uint8_t> bytes =
        dbtest::Profile({dbtest::ValuesFor(KeyPath("A"), {dbtest::DWordValue("One", 1)}),
                         dbtest::ValuesFor(KeyPath("B"), {dbtest::DWordValue("Two", 2),
                                                          dbtest::DWordValue("Three", 3)})});
    bytes.resize(bytes.size() - 2);
    ::CreateDirectoryA("Profiles", nullptr);
    dbtest::WriteFile("Profiles\\Cut.qlp", bytes);
    EXPECT_EQ(ApplyProfile("Profiles\\Cut.qlp", &window_->tabs(), hwnd_), ProfileResult::Damaged);
    DWORD data = 0;
    EXPECT_TRUE(GetValue("A", "One", data));
    EXPECT_EQ(data, 3u) << "a damaged profile changes nothing, not even its records before the damage";
    EXPECT_TRUE(GetValue("B", "Two", data));
    EXPECT_EQ(data, 3u) << "nothing of the damaged record is applied, not even its first value";
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].caption, "Error");

    // A string over the profile limit is damage, not a read past a buffer.
    auto longString =
        dbtest::Profile({dbtest::ValuesFor(KeyPath("A"), {dbtest::StringValue("S", std::string(252, 'x'))})});
    dbtest::WriteFile("Profiles\\Long.qlp", longString);
    EXPECT_EQ(ApplyProfile("Profiles\\Long.qlp", nullptr, nullptr), ProfileResult::Damaged);

    // So is a value name over it: profiles keep no string over 251 bytes.
    auto longName =
        dbtest::Profile({dbtest::ValuesFor(KeyPath("A"), {dbtest::DWordValue(std::string(252, 'n'), 7)})});
    dbtest::WriteFile("Profiles\\LongName.qlp", longName);
    EXPECT_EQ(ApplyProfile("Profiles\\LongName.qlp", nullptr, nullptr), ProfileResult::Damaged);
    EXPECT_FALSE(GetValue("A", std::string(252, 'n'), data));

    EXPECT_EQ(ApplyProfile("Profiles\\Missing.qlp", nullptr, nullptr), ProfileResult::NotFound);
    ASSERT_EQ(prompt_.asked.size(), 4u);
    EXPECT_EQ(prompt_.asked[3].text, "Profiles\\Missing.qlp not found.");
    EXPECT_EQ(prompt_.asked[3].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

// Records damaged after their first value, as users met them: the value
// before the damage used to reach the registry.
TEST_F(Profiles, ARecordDamagedHalfWayChangesNothing) {
    const char* reproductions[] = {
        "010000000100000000010000800f000000536f6674776172655c5152656c5c500200000001000000010200000044"
        "777856341200000000010200000053740300",
        "010000000100000000010000800f000000536f6674776172655c5152656c5c50ffffff7f010000000102000000"
        "447778563412",
    };
    for (const char* hex : reproductions) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QRel\\P", 0, nullptr, 0, KEY_ALL_ACCESS,
                                    nullptr, &key, nullptr), ERROR_SUCCESS);
        DWORD one = 1;
        ::RegSetValueExA(key, "Dw", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
        std::vector<uint8_t> bytes;
        for (size_t i = 0; hex[i] && hex[i + 1]; i += 2)
            bytes.push_back(static_cast<uint8_t>(std::stoul(std::string(hex + i, 2), nullptr, 16)));
        ::CreateDirectoryA("Profiles", nullptr);
        dbtest::WriteFile("Profiles\\X.qlp", bytes);
        EXPECT_EQ(ApplyProfile("Profiles\\X.qlp", nullptr, nullptr), ProfileResult::Damaged) << hex;
        DWORD data = 0, size = sizeof data;
        EXPECT_EQ(::RegQueryValueExA(key, "Dw", nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(data, 1u) << "the value before the damage is not written: " << hex;
        ::RegCloseKey(key);
    }
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QRel\\P");
}

TEST_F(Profiles, TheMenuIsFilledFromTheFolderAtStart) {
    ::CreateDirectoryA("Profiles", nullptr);
    dbtest::WriteFile("Profiles\\First.qlp", dbtest::Profile({}));
    dbtest::WriteFile("Profiles\\v1.2.qlp", dbtest::Profile({}));
    dbtest::WriteFile("Profiles\\notes.txt", {});
    MakeWindow();
    Names items = ProfileItems();
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[5], "");
    std::sort(items.begin() + 6, items.end());
    EXPECT_EQ(items[6], "First");
    EXPECT_EQ(items[7], "v1.2") << "cut at the last dot";
    EXPECT_EQ(window_->profileCount(), 2);
}


// Every value of both keys, type and data, as a registry export lists them.
std::map<std::string, std::string> KeyValues(const std::string& path) {
    std::map<std::string, std::string> values;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
        char name[256] = "";
        BYTE data[512];
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        if (::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
        values[name] = std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), dataSize);
    }
    ::RegCloseKey(key);
    return values;
}

std::string ProfilesMenuItem(HWND window, UINT id) {
    HMENU profiles = ::GetSubMenu(::GetMenu(window), 3);
    ::SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(profiles), 3);
    char text[256] = "";
    ::GetMenuStringA(profiles, id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

TEST_F(Profiles, ApplyingThenUndoingGivesBackTheRegistryOfBefore) {
    SetValue("A", "One", 1);
    SetValue("B", "Three", 3);  // "Two" does not exist when the profile is taken
    Shown(1)->Refresh();
    Shown(2)->Refresh();
    CreateProfile("Game", {0, 1});
    EXPECT_EQ(ProfilesMenuItem(hwnd_, ID_PROFILES_UNDO), "&Undo last change");

    SetValue("A", "One", 5);
    SetValue("B", "Two", 2);
    ::SHDeleteValueA(HKEY_CURRENT_USER, KeyPath("B").c_str(), "Three");
    auto beforeA = KeyValues(KeyPath("A")), beforeB = KeyValues(KeyPath("B"));
    Command(5000);
    DWORD data = 0;
    EXPECT_FALSE(GetValue("B", "Two", data)) << "deleted by the profile";
    EXPECT_TRUE(GetValue("B", "Three", data));
    EXPECT_EQ(ProfilesMenuItem(hwnd_, ID_PROFILES_UNDO), "&Undo \"Game\" (3 values)");

    Command(ID_PROFILES_UNDO);
    EXPECT_EQ(KeyValues(KeyPath("A")), beforeA);
    EXPECT_EQ(KeyValues(KeyPath("B")), beforeB) << "Two is back and Three is gone again";
    EXPECT_TRUE(prompt_.asked.empty());
    EXPECT_EQ(ProfilesMenuItem(hwnd_, ID_PROFILES_UNDO), "&Undo \"Undo \"Game\"\" (3 values)")
        << "the undo is journalled itself";
}

TEST_F(Profiles, APreviewListsExactlyTheValuesThatDifferAndWritesNothingUnlessApplied) {
    SetValue("A", "One", 1);
    SetValue("B", "Two", 2);
    SetValue("B", "Three", 3);
    Shown(1)->Refresh();
    Shown(2)->Refresh();
    CreateProfile("Game", {0, 1});
    SetValue("A", "One", 10);
    ::SHDeleteValueA(HKEY_CURRENT_USER, KeyPath("B").c_str(), "Three");
    auto before = KeyValues(KeyPath("B"));
    Command(ID_PROFILES_PREVIEW);
    EXPECT_NE(::GetMenuState(::GetMenu(hwnd_), ID_PROFILES_PREVIEW, MF_BYCOMMAND) & MF_CHECKED, 0u);

    for (int button : {IDCANCEL, IDOK}) {
        std::vector<Names> rows;
        std::string summary;
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            summary = DialogDriver::Text(dialog, IDC_PREVIEW_SUMMARY);
            rows = testsupport::ListViewRows(::GetDlgItem(dialog, IDC_PREVIEW_LIST), 4);
            DialogDriver::Click(dialog, button);
        });
        Command(5000);
        EXPECT_EQ(summary, "Applying \"Game\" changes 2 values:");
        EXPECT_EQ(rows, (std::vector<Names>{{"A", "One", "10", "1"}, {"B", "Three", "(absent)", "3"}}))
            << "Two already holds its value";
        DWORD data = 0;
        if (button == IDCANCEL) {
            EXPECT_EQ(KeyValues(KeyPath("B")), before) << "a cancelled preview writes nothing";
            EXPECT_TRUE(GetValue("A", "One", data) && data == 10);
        } else {
            EXPECT_TRUE(GetValue("A", "One", data) && data == 1);
            EXPECT_TRUE(GetValue("B", "Three", data) && data == 3);
        }
    }
    Command(ID_PROFILES_PREVIEW);
}

// A change the program did not finish: the journal entry is there, only
// its first value was written, and the entry was never marked complete.
TEST_F(Profiles, AnUnfinishedChangeIsOfferedForUndoAtTheNextStart) {
    SetValue("A", "One", 1);
    SetValue("B", "Two", 2);
    quillon::JournalEntry entry;
    entry.title = "Game";
    for (const char* key : {"A", "B"}) {
        quillon::JournalValue value;
        value.root = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(HKEY_CURRENT_USER));
        value.subKey = KeyPath(key);
        value.valueName = key[0] == 'A' ? "One" : "Two";
        value.before = quillon::ReadRegistryState(value);
        value.after = {true, REG_DWORD, std::string("\x09\0\0\0", 4)};
        entry.values.push_back(value);
    }
    std::string path, error;
    quillon::Journal journal;
    ASSERT_TRUE(journal.Begin(entry, path, error)) << error;
    SetValue("A", "One", 9);

    ::DeleteFileA((folder_ + "\\start.tweakdb").c_str());  // no database offered at the start
    prompt_.answers = {IDYES};
    MakeWindow();
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].caption, "Unfinished change");
    EXPECT_NE(prompt_.asked[0].text.find("\"Game\""), std::string::npos) << prompt_.asked[0].text;
    DWORD data = 0;
    EXPECT_TRUE(GetValue("A", "One", data) && data == 1) << "given back";
    EXPECT_TRUE(GetValue("B", "Two", data) && data == 2);
    prompt_.asked.clear();
    MakeWindow();
    EXPECT_TRUE(prompt_.asked.empty()) << "the undo finished, so nothing is offered again";
}

// The command-line use: a separate Quillon.exe in a folder of its own.
class ProfileCommandLine : public testing::Test {
protected:
    void SetUp() override {
        programkey::Prepare();
        folder_ = copy_.folder();
        exe_ = copy_.exe();
        ::CreateDirectoryA((folder_ + "\\Profiles").c_str(), nullptr);
    }
    // Runs the program and watches for windows of its own until it ends.
    long Run(const std::string& arguments, bool& sawMainWindow) {
        testsupport::ChildProcess child;
        EXPECT_TRUE(child.Start(exe_, arguments, "C:\\"));
        sawMainWindow = false;
        for (int i = 0; i < 600; ++i) {
            if (testsupport::WaitForWindow("Quillon - v1.1", child.Id(), 0)) sawMainWindow = true;
            long code = child.WaitForExit(50);
            if (code != -1) return code;
        }
        return -1;
    }
    ProgramCopy copy_;
    std::string folder_, exe_;
    ScratchKey scratch_{"ProfileCommandLine"};
};

TEST_F(ProfileCommandLine, AppliesAQuotedProfileWithoutAnyWindow) {
    scratch_.SetDWord("Speed", 1);
    scratch_.SetDWord("Old", 1);
    dbtest::WriteFile(folder_ + "\\Profiles\\My profile.qlp",
                      dbtest::Profile({dbtest::ValuesFor(
                          scratch_.path(), {dbtest::DWordValue("Speed", 7),
                                            dbtest::StringValue("Mode", "fast"),
                                            dbtest::Absent("Old")})}));
    bool sawWindow = true;
    EXPECT_EQ(Run("Profile=\"My profile\" -minimize", sawWindow), 0);
    EXPECT_FALSE(sawWindow);
    DWORD speed = 0;
    std::string mode;
    EXPECT_TRUE(scratch_.GetDWord("Speed", speed));
    EXPECT_EQ(speed, 7u);
    EXPECT_TRUE(scratch_.GetString("Mode", mode));
    EXPECT_EQ(mode, "fast");
    EXPECT_FALSE(scratch_.HasValue("Old"));
}

// The name a loaded DLL gives itself in its export directory, read from the
// debugged process; empty when it has none.
std::string ExportedName(HANDLE process, const void* base) {
    auto read = [&](uintptr_t address, void* out, size_t size) {
        SIZE_T got = 0;
        return ::ReadProcessMemory(process, reinterpret_cast<const void*>(address), out, size, &got) &&
               got == size;
    };
    uintptr_t image = reinterpret_cast<uintptr_t>(base);
    IMAGE_DOS_HEADER dos{};
    IMAGE_NT_HEADERS32 nt{};
    IMAGE_EXPORT_DIRECTORY exports{};
    char name[64] = "";
    if (!read(image, &dos, sizeof dos) || !read(image + dos.e_lfanew, &nt, sizeof nt)) return "";
    DWORD rva = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress;
    if (rva == 0 || !read(image + rva, &exports, sizeof exports)) return "";
    for (size_t i = 0; i + 1 < sizeof name && read(image + exports.Name + i, &name[i], 1) && name[i]; ++i) {
    }
    name[sizeof name - 1] = '\0';
    return name;
}

// "Profile=" applies without a window and starts like a console tool: the
// user-interface DLLs are never loaded (each DLL the run loads is seen as a
// debugging event).
TEST_F(ProfileCommandLine, AWindowlessApplyLoadsNoUserInterfaceLibrary) {
    scratch_.SetDWord("Speed", 1);
    dbtest::WriteFile(folder_ + "\\Profiles\\Fast.qlp",
                      dbtest::Profile({dbtest::ValuesFor(scratch_.path(),
                                                         {dbtest::DWordValue("Speed", 9)})}));
    std::string commandLine = "\"" + exe_ + "\" Profile=Fast";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE,
                                 DEBUG_ONLY_THIS_PROCESS, nullptr, "C:\\", &startup, &process));
    std::vector<std::string> loaded;
    for (bool running = true; running;) {
        DEBUG_EVENT event{};
        if (!::WaitForDebugEvent(&event, 30000)) break;
        DWORD status = DBG_CONTINUE;
        if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT) {
            loaded.push_back(ExportedName(process.hProcess, event.u.LoadDll.lpBaseOfDll));
            if (event.u.LoadDll.hFile) ::CloseHandle(event.u.LoadDll.hFile);
        } else if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT) {
            if (event.u.CreateProcessInfo.hFile) ::CloseHandle(event.u.CreateProcessInfo.hFile);
        } else if (event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT &&
                   event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
            status = DBG_EXCEPTION_NOT_HANDLED;
        } else if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) {
            running = false;
        }
        ::ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    DWORD speed = 0;
    EXPECT_TRUE(scratch_.GetDWord("Speed", speed));
    EXPECT_EQ(speed, 9u);
    ASSERT_FALSE(loaded.empty());
    for (const std::string& name : loaded) {
        std::string lower = name;
        for (char& c : lower) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
        for (const char* ui : {"user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll", "shell32.dll"})
            EXPECT_NE(lower, ui) << "loaded for a windowless apply";
    }
}

TEST_F(ProfileCommandLine, AMissingProfileIsReportedWithoutAnOwner) {
    testsupport::ChildProcess child;
    ASSERT_TRUE(child.Start(exe_, "Profile=Missing", "C:\\"));
    HWND message = testsupport::WaitForWindow("Error", child.Id(), 30000);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(::GetWindow(message, GW_OWNER), nullptr);
    EXPECT_EQ(testsupport::WaitForWindow("Quillon - v1.1", child.Id(), 0), nullptr);
    char text[256] = "";
    ::GetDlgItemTextA(message, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, "Profiles\\Missing.qlp not found.");
    ::PostMessageA(message, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.WaitForExit(20000), 2) << "a launcher can tell that nothing was applied";
}

// The console program: what scripts and game launchers act on.
struct ToolRun {
    long code = -1;
    std::string out;
};

ToolRun RunTool(const std::string& exe, const std::string& arguments, const std::string& folder) {
    ToolRun run;
    std::string outPath = folder + "\\tool_out.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = ::CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = out;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + exe + "\" " + arguments;
    if (::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, "C:\\", &startup, &process)) {
        if (::WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
            DWORD code = 0;
            ::GetExitCodeProcess(process.hProcess, &code);
            run.code = static_cast<long>(code);
        }
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(out);
    std::ifstream file(outPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    run.out = text.str();
    return run;
}

TEST_F(ProfileCommandLine, TheConsoleProgramShowsAppliesVerifiesAndUndoesWithExitCodes) {
    const std::string& tool = copy_.commandTool();
    scratch_.SetDWord("Speed", 1);
    dbtest::WriteFile(folder_ + "\\Profiles\\Fast.qlp",
                      dbtest::Profile({dbtest::ValuesFor(scratch_.path(), {dbtest::DWordValue("Speed", 7),
                                                                           dbtest::StringValue("Mode", "fast")})}));
    ToolRun run = RunTool(tool, "list", folder_);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "Fast\r\n");

    run = RunTool(tool, "show Fast", folder_);
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("\\Speed: now 1, then 7"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\\Mode: now (absent), then \"fast\""), std::string::npos) << run.out;
    EXPECT_EQ(RunTool(tool, "verify Fast", folder_).code, 1) << "nothing was written by show";

    EXPECT_EQ(RunTool(tool, "apply Fast", folder_).code, 0);
    EXPECT_EQ(RunTool(tool, "verify Fast", folder_).code, 0);
    scratch_.SetDWord("Speed", 3);  // behind its back
    run = RunTool(tool, "verify Fast", folder_);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("\\Speed: the registry holds 3, the profile has 7"), std::string::npos) << run.out;

    scratch_.SetDWord("Speed", 7);
    run = RunTool(tool, "journal", folder_);
    EXPECT_NE(run.out.find("1  complete    Fast (2 values)"), std::string::npos) << run.out;
    EXPECT_EQ(RunTool(tool, "undo 1", folder_).code, 0);
    DWORD speed = 0;
    EXPECT_TRUE(scratch_.GetDWord("Speed", speed));
    EXPECT_EQ(speed, 1u);
    EXPECT_FALSE(scratch_.HasValue("Mode")) << "absent before the apply, absent again";

    // Bad arguments, a missing profile and a damaged journal entry: exit 2.
    struct Bad {
        const char* arguments;
        const char* says;
    } bad[] = {{"", "No command given."},
               {"fly", "Unknown command \"fly\"."},
               {"apply", "\"apply\" takes one profile name."},
               {"undo x", "\"x\" is no journal entry number."},
               {"verify Missing", "Profiles\\Missing.qlp not found."},
               {"undo 99", "The journal holds no change 99."}};
    for (const Bad& b : bad) {
        run = RunTool(tool, b.arguments, folder_);
        EXPECT_EQ(run.code, 2) << b.arguments;
        EXPECT_NE(run.out.find(b.says), std::string::npos) << run.out;
    }
    dbtest::WriteFile(folder_ + "\\Journal\\00000002.qlj", {'Q', 'L', 'J', '1', 1, 0});
    run = RunTool(tool, "undo 2", folder_);
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.out.find("is damaged: its header is damaged. Nothing was changed."), std::string::npos) << run.out;
    EXPECT_TRUE(scratch_.GetDWord("Speed", speed) && speed == 1) << "a damaged entry changes nothing";

    // A journal that cannot be written stops the apply before any value.
    for (const char* entry : {"00000001.qlj", "00000002.qlj"})
        ::DeleteFileA((folder_ + "\\Journal\\" + entry).c_str());
    ASSERT_TRUE(::RemoveDirectoryA((folder_ + "\\Journal").c_str()));
    dbtest::WriteFile(folder_ + "\\Journal", {'x'});  // a file where the folder belongs
    run = RunTool(tool, "apply Fast", folder_);
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.out.find("The journal folder Journal cannot be written. Nothing was changed."), std::string::npos)
        << run.out;
    EXPECT_TRUE(scratch_.GetDWord("Speed", speed) && speed == 1);
}

}  // namespace
