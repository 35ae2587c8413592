// Tweak databases: import (merge by key, shown or hidden by platform,
// damaged files) and the three exports.
#include "backup.h"
#include "dialog_driver.h"
#include "preview_dialog_res.h"
#include "byte_io.h"
#include "category_record.h"
#include "database_fixture.h"
#include "resource.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using dbtest::DWordRecord;
using dbtest::Entry;
using Names = std::vector<std::string>;

bool KeyExists(const std::string& subKey) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

class Databases : public DatabaseFixture {
protected:
    void Import(const std::vector<Entry>& entries) {
        dbtest::WriteFile(folder_ + "\\import.tweakdb", dbtest::Database(entries));
        window_->ImportDatabase(folder_ + "\\import.tweakdb");
    }
    size_t SettingCount(size_t shownIndex) const {
        auto* category = dynamic_cast<Category*>(window_->tabs().shown()[shownIndex].get());
        return category ? category->model().settings.size() : 0;
    }
    // The names and setting counts of an exported file.
    std::vector<std::pair<std::string, size_t>> ReadExport(const std::string& path) {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(dbtest::ReadFile(path, bytes)) << path;
        quillon::ByteReader in(bytes);
        uint32_t format = 0, count = 0;
        EXPECT_TRUE(in.ReadU32(format) && in.ReadU32(count));
        EXPECT_EQ(format, 1u);
        std::vector<std::pair<std::string, size_t>> entries;
        for (uint32_t i = 0; i < count; ++i) {
            std::string name;
            quillon::CategoryExportRecord record;
            EXPECT_TRUE(quillon::ReadNamedExport(in, name, record));
            entries.emplace_back(name, record.body.settings.size());
        }
        EXPECT_TRUE(in.AtEnd());
        return entries;
    }
    RecordingPrompt prompt_;
    RecordingChooser chooser_;
};

TEST_F(Databases, ImportingTwiceAddsNothingAndAsksNothing) {
    std::vector<Entry> entries = {
        {"Direct3D", KeyPath("D3D"), {DWordRecord("Fog", "FogMode"), DWordRecord("Z", "ZBias")}},
        {"OpenGL", KeyPath("GL"), {DWordRecord("Swap", "SwapMode")}},
    };
    Import(entries);
    ASSERT_EQ(ShownNames(), (Names{"Direct3D", "OpenGL"}));
    EXPECT_EQ(window_->currentTab(), window_->tabs().shown()[0].get()) << "first import becomes current";
    EXPECT_EQ(window_->tabBar().GetItemCount(), 2);

    Import(entries);
    EXPECT_EQ(ShownNames(), (Names{"Direct3D", "OpenGL"}));
    EXPECT_EQ(SettingCount(0), 2u);
    EXPECT_EQ(SettingCount(1), 1u);
    EXPECT_TRUE(prompt_.asked.empty());

    // Records after an already present category are still read.
    Import({entries[0], {"Extra", KeyPath("Extra"), {DWordRecord("X", "XValue")}}});
    EXPECT_EQ(ShownNames(), (Names{"Direct3D", "OpenGL", "Extra"}));
    EXPECT_EQ(SettingCount(2), 1u);
}

TEST_F(Databases, KeysDifferingInCaseMergeAndDifferingSettingsAsk) {
    Import({{"Mixed", KeyPath("Mixed"), {DWordRecord("Fog", "FogMode")}}});
    ASSERT_EQ(ShownNames(), (Names{"Mixed"}));
    prompt_.answers = {IDYES};
    quillon::SettingRecord wider = DWordRecord("Fog changed", "FOGMODE");
    wider.triples = {0, 2, 1};
    wider.valueCount = 3;
    Import({{"Other name", KeyPath("MIXED"), {wider, DWordRecord("New", "NewValue")}}});
    EXPECT_EQ(ShownNames(), (Names{"Mixed"})) << "name and place stay";
    ASSERT_EQ(SettingCount(0), 2u);
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].text,
              "The \"Fog changed\" setting already exists but differs.\nDo you want to overwrite it?");
    auto* category = dynamic_cast<Category*>(window_->tabs().shown()[0].get());
    EXPECT_EQ(category->model().settings[0]->name, "Fog changed");
}

TEST_F(Databases, OnlyANewCategoryBacksItsKeyUp) {
    Import({{"Fresh", KeyPath("Fresh"), {DWordRecord("A", "A")}}});
    Import({{"Fresh again", KeyPath("Fresh"), {DWordRecord("B", "B")}}});
    std::vector<std::string> files;
    for (const BackupListing& listing : ListBackups()) files.push_back(listing.fileText);
    EXPECT_EQ(files, (Names{"Fresh 0"})) << "the merge backs nothing up";
}

TEST_F(Databases, CategoriesForAnotherCardAreHiddenAndNotMadeCurrent) {
    // The test machine's remembered card is bit 8; bit 1 is another card.
    Import({{"Other card", KeyPath("Other"), {DWordRecord("A", "A")}, 0x1},
            {"This card", KeyPath("This"), {DWordRecord("B", "B")}, 0x8}});
    ASSERT_EQ(ShownNames(), (Names{"This card"}));
    EXPECT_EQ(HiddenNames(), (Names{"Other card"}));
    EXPECT_EQ(window_->currentTab(), window_->tabs().shown()[0].get());
    EXPECT_EQ(window_->tabBar().GetItemCount(), 1);
}

TEST_F(Databases, DamagedDatabaseKeepsEarlierRecordsAndReportsTheRest) {
    std::vector<uint8_t> bytes = dbtest::Database(
        {{"Good", KeyPath("Good"), {DWordRecord("A", "A")}},
         {"Cut", KeyPath("Cut"), {DWordRecord("B", "B"), DWordRecord("C", "C")}}});
    bytes.resize(bytes.size() - 6);
    dbtest::WriteFile(folder_ + "\\cut.tweakdb", bytes);
    window_->ImportDatabase(folder_ + "\\cut.tweakdb");
    EXPECT_EQ(ShownNames(), (Names{"Good"}));
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].caption, "Error");
    EXPECT_NE(prompt_.asked[0].text.find("damaged"), std::string::npos);
    EXPECT_FALSE(KeyExists(KeyPath("Cut"))) << "nothing made of the damaged record";

    // A huge string length, a record of another type and a missing file.
    quillon::ByteWriter huge;
    huge.WriteU32(1);
    huge.WriteU32(1);
    huge.WriteU32(0);
    huge.WriteU32(0x7FFFFFFF);
    dbtest::WriteFile(folder_ + "\\huge.tweakdb", huge.bytes());
    window_->ImportDatabase(folder_ + "\\huge.tweakdb");
    quillon::ByteWriter plugin;
    plugin.WriteU32(1);
    plugin.WriteU32(1);
    plugin.WriteU32(1);  // not a category: the end of what is read, silently
    dbtest::WriteFile(folder_ + "\\plugin.tweakdb", plugin.bytes());
    window_->ImportDatabase(folder_ + "\\plugin.tweakdb");
    window_->ImportDatabase(folder_ + "\\missing.tweakdb");
    EXPECT_EQ(ShownNames(), (Names{"Good"}));
    EXPECT_EQ(prompt_.asked.size(), 2u) << "only the huge length is damage";
}

TEST_F(Databases, ImportCommandUsesTheOpenDialogAndKeepsItsName) {
    dbtest::WriteFile(folder_ + "\\a.tweakdb",
                      dbtest::Database({{"A", KeyPath("A"), {DWordRecord("A", "A")}}}));
    chooser_.answers = {folder_ + "\\a.tweakdb", ""};
    Command(ID_FILE_IMPORT);
    Command(ID_FILE_IMPORT);
    ASSERT_EQ(chooser_.calls.size(), 2u);
    EXPECT_TRUE(chooser_.calls[0].open);
    EXPECT_EQ(chooser_.calls[0].flags, 0x0022180Cu);
    EXPECT_EQ(chooser_.calls[1].proposed, folder_ + "\\a.tweakdb");
    EXPECT_EQ(ShownNames(), (Names{"A"}));
}

// With "Preview before applying" checked, an import first lists what its
// merge would add and change; Cancel imports nothing.
TEST_F(Databases, WithPreviewOnAnImportListsWhatItAddsAndChangesFirst) {
    Import({{"A", KeyPath("A"), {DWordRecord("One", "One"), DWordRecord("Two", "Two")}}});
    quillon::SettingRecord wider = DWordRecord("Two", "Two");
    wider.triples = {0, 3, 1};
    wider.valueCount = 4;
    dbtest::WriteFile(folder_ + "\\more.tweakdb",
                      dbtest::Database({{"A", KeyPath("A"), {DWordRecord("One", "One"), wider, DWordRecord("Three", "Three")}},
                                        {"B", KeyPath("B"), {DWordRecord("X", "X")}}}));
    Command(ID_PROFILES_PREVIEW);
    for (int button : {IDCANCEL, IDOK}) {
        std::vector<Names> rows;
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            rows = testsupport::ListViewRows(::GetDlgItem(dialog, IDC_PREVIEW_LIST), 3);
            DialogDriver::Click(dialog, button);
        });
        chooser_.answers = {folder_ + "\\more.tweakdb"};
        prompt_.answers = {IDYES};  // the changed setting is overwritten
        Command(ID_FILE_IMPORT);
        EXPECT_EQ(rows, (std::vector<Names>{{"A", "Two", "changed setting"},
                                            {"A", "Three", "new setting"},
                                            {"B", "", "new category, 1 setting"}}));
        if (button == IDCANCEL) {
            EXPECT_EQ(ShownNames(), (Names{"A"})) << "a cancelled preview imports nothing";
            EXPECT_EQ(SettingCount(0), 2u);
        }
    }
    EXPECT_EQ(ShownNames(), (Names{"A", "B"}));
    EXPECT_EQ(SettingCount(0), 3u);
    Command(ID_PROFILES_PREVIEW);
}

TEST_F(Databases, ExportsWriteShownThenHiddenAndSkipPages) {
    Import({{"Shown 1", KeyPath("S1"), {DWordRecord("A", "A")}},
            {"Hidden", KeyPath("H"), {DWordRecord("B", "B"), DWordRecord("C", "C")}, 0x1}});
    AddPageTab("Plug-in page");
    Import({{"Shown 2", KeyPath("S2"), {}}});

    chooser_.answers = {folder_ + "\\all", folder_ + "\\shown.TWEAKDB", folder_ + "\\current.db"};
    Command(ID_FILE_EXPORT_ALL);
    Command(ID_FILE_EXPORT_SHOWN);
    Command(ID_FILE_EXPORT_CURRENT);
    for (const auto& call : chooser_.calls) {
        EXPECT_FALSE(call.open);
        EXPECT_EQ(call.flags, 0x0022080Cu);
    }
    using Entries = std::vector<std::pair<std::string, size_t>>;
    EXPECT_EQ(ReadExport(folder_ + "\\all.tweakdb"),
              (Entries{{"Shown 1", 1}, {"Shown 2", 0}, {"Hidden", 2}}));
    EXPECT_EQ(ReadExport(folder_ + "\\shown.TWEAKDB"), (Entries{{"Shown 1", 1}, {"Shown 2", 0}}));
    EXPECT_EQ(ReadExport(folder_ + "\\current.db.tweakdb"), (Entries{{"Shown 1", 1}}));

    // Each command proposes its own last name; a cancelled dialog writes nothing.
    chooser_.answers = {""};
    Command(ID_FILE_EXPORT_SHOWN);
    EXPECT_EQ(chooser_.calls.back().proposed, folder_ + "\\shown.TWEAKDB");

    // The exported database brings the categories back into another window
    // (which first offers the databases it finds in its folder: declined).
    MakeWindow();
    prompt_.asked.clear();
    window_->ImportDatabase(folder_ + "\\all.tweakdb");
    EXPECT_EQ(ShownNames(), (Names{"Shown 1", "Shown 2"}));
    EXPECT_EQ(HiddenNames(), (Names{"Hidden"}));
    EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(Databases, ExportCurrentNeedsACategoryAndAFailedWriteIsReported) {
    TestPage* page = AddPageTab("Page");
    window_->SelectTab(page);
    Command(ID_FILE_EXPORT_CURRENT);
    EXPECT_TRUE(chooser_.calls.empty()) << "no dialog without a current category";

    // A folder that does not exist: the user is told, nothing is left behind.
    chooser_.answers = {folder_ + "\\no such folder\\x"};
    Command(ID_FILE_EXPORT_ALL);
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].text, "Couldn't create \"" + folder_ + "\\no such folder\\x.tweakdb\"");

    // An export over an existing file replaces it whole ...
    const std::string old = folder_ + "\\old.tweakdb";
    dbtest::WriteFile(old, std::vector<uint8_t>(1000, 0xAB));
    chooser_.answers = {old};
    Command(ID_FILE_EXPORT_ALL);
    EXPECT_TRUE(ReadExport(old).empty());

    // ... or, when it cannot be replaced, leaves it exactly as it was and
    // no half-written file beside it.
    dbtest::WriteFile(old, std::vector<uint8_t>(1000, 0xAB));
    HANDLE locked = ::CreateFileA(old.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    chooser_.answers = {old};
    Command(ID_FILE_EXPORT_ALL);
    ::CloseHandle(locked);
    EXPECT_EQ(prompt_.asked.size(), 2u);
    std::vector<uint8_t> kept;
    ASSERT_TRUE(dbtest::ReadFile(old, kept));
    EXPECT_EQ(kept, std::vector<uint8_t>(1000, 0xAB));
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder_ + "\\*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
}

}  // namespace
