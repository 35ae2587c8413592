// Categories against Wine's registry: the three records, dynamic keys,
// Refresh, Merge and applying profile values.
#include "category.h"
#include "model_test_support.h"
#include "reg_key.h"
#include "test_support.h"
#include "wnd.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

using quillon::ByteReader;
using quillon::ByteWriter;

std::unique_ptr<DWordSetting> MakeDWord(const std::string& name, const std::string& valueName,
                                        const std::string& range, HKEY key,
                                        const std::string& tweakMap = "") {
    auto setting = std::make_unique<DWordSetting>(name, valueName, "", key);
    EXPECT_TRUE(setting->ParseRange(range));
    setting->tweakMap = tweakMap;
    setting->Read(key);
    return setting;
}

std::string LookupDll() { return testsupport::TestBinFolder() + "\\fixture_key_lookup.dll"; }

class CategoryTest : public testing::Test {
protected:
    ScratchKey scratch{"Category"};
    RecordingPrompt prompt;
};

TEST_F(CategoryTest, TabsStreamRecordRoundTripsAndRereadsValues) {
    scratch.SetDWord("A", 1);
    scratch.SetString("B", "two");
    Category original("Driver", nullptr, HKEY_CURRENT_USER, scratch.path());
    RegKey key;
    key.Open(HKEY_CURRENT_USER, scratch.path());
    CategoryModel& model = original.model();
    model.settings.push_back(MakeDWord("Alpha", "A", "0-1;", key.handle(), "Off;On;"));
    auto text = std::make_unique<StringSetting>("Beta", "B", "c", key.handle());
    text->ParseRange("one;two;");
    text->Read(key.handle());
    model.settings.push_back(std::move(text));
    model.cardMask = 0x8000000000000001ull;
    model.osMask = 0x12;
    model.sortColumn = 3;
    model.sortAscending = 0;
    model.columnWidths = {{1, 2, 3, 4, 5}};
    model.textColor = 0x112233;
    model.bkImage = "C:\\pic.bmp";
    model.bkImageTiled = 1;

    ByteWriter out;
    ASSERT_TRUE(original.Save(out));
    scratch.SetDWord("A", 0);  // changed meanwhile: the copy shows the new value

    ByteReader in(out.bytes().data(), out.bytes().size());
    uint32_t tag = 9;
    ASSERT_TRUE(in.ReadU32(tag));
    EXPECT_EQ(tag, 0u);
    auto copy = Category::Read(in, nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(copy->GetName(), "Driver");
    const CategoryModel& read = copy->model();
    ASSERT_EQ(read.settings.size(), 2u);
    EXPECT_EQ(read.settings[0]->ColumnText(1), "Off");
    EXPECT_EQ(read.settings[1]->ColumnText(1), "\"two\"");
    EXPECT_EQ(read.key.subKey, scratch.path());
    EXPECT_EQ(read.key.KeyPathText(), "HKCU\\" + scratch.path());
    EXPECT_EQ(read.cardMask, model.cardMask);
    EXPECT_EQ(read.osMask, model.osMask);
    EXPECT_EQ(read.sortColumn, 3);
    EXPECT_EQ(read.sortAscending, 0);
    EXPECT_EQ(read.columnWidths, model.columnWidths);
    EXPECT_EQ(read.textColor, model.textColor);
    EXPECT_EQ(read.bkImage, model.bkImage);
    EXPECT_EQ(read.bkImageTiled, 1u);

    // A record cut short anywhere yields no category at all.
    for (size_t cut = 4; cut < out.bytes().size(); cut += 7) {
        ByteReader partial(out.bytes().data(), cut);
        partial.ReadU32(tag);
        EXPECT_EQ(Category::Read(partial, nullptr), nullptr) << "cut at " << cut;
    }
}

TEST_F(CategoryTest, DynamicKeyIsLookedUpAtTheRightMoments) {
    CountingKeyLookup lookup;
    Category category("Dyn", LookupDll(), "card1", nullptr);
    EXPECT_EQ(lookup.calls, 1) << "a new dynamic category resolves at once";
    EXPECT_EQ(category.model().key.root, HKEY_CURRENT_USER);
    EXPECT_EQ(category.model().key.subKey, "Software\\QuillonTest\\Dynamic\\card1");

    category.Refresh();
    EXPECT_EQ(lookup.calls, 2);

    ByteWriter out;
    ASSERT_TRUE(category.Save(out));
    ByteReader in(out.bytes().data(), out.bytes().size());
    uint32_t tag;
    in.ReadU32(tag);
    auto copy = Category::Read(in, nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(lookup.calls, 3) << "reading a dynamic record resolves it";
    EXPECT_EQ(copy->model().key.subKey, "Software\\QuillonTest\\Dynamic\\card1");

    // The DLL going missing keeps the last key on Refresh.
    copy->model().key.dllFile = "no_such_lookup.dll";
    copy->Refresh();
    EXPECT_EQ(copy->model().key.subKey, "Software\\QuillonTest\\Dynamic\\card1");
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuillonTest\\Dynamic");
}

TEST_F(CategoryTest, MissingLookupDllLeavesNoKeyAndNothingPresent) {
    Category category("Dyn", "no_such_lookup.dll", "x", nullptr);
    EXPECT_EQ(category.model().key.root, nullptr);
    EXPECT_EQ(category.model().key.subKey, "");
    RegKey key;
    EXPECT_NE(key.Open(category.model().key.root, category.model().key.subKey), ERROR_SUCCESS);
    DWordSetting setting("S", "S", "", key.handle());
    EXPECT_FALSE(setting.present);
}

TEST_F(CategoryTest, LookupSubkeyOf255CharactersIsAcceptedWhole) {
    Category category("Dyn", LookupDll(), "long", nullptr);
    EXPECT_EQ(category.model().key.subKey.size(), 255u);
}

TEST_F(CategoryTest, RefreshCreatesMissingKeyAndRereads) {
    Category category("New", nullptr, HKEY_CURRENT_USER, scratch.path());
    ASSERT_FALSE(scratch.Exists());
    category.model().settings.push_back(MakeDWord("A", "A", "0-3;", nullptr));
    category.Refresh();
    EXPECT_TRUE(scratch.Exists());
    EXPECT_FALSE(category.model().settings[0]->present);
    scratch.SetDWord("A", 3);
    category.Refresh();
    EXPECT_TRUE(category.model().settings[0]->present);
    EXPECT_EQ(category.model().settings[0]->ColumnText(1), "3");
}

// A database export body with the given settings.
std::vector<uint8_t> ExportBody(const std::vector<quillon::SettingRecord>& settings) {
    quillon::CategoryExportBody body;
    body.cardMask = 0xF0;
    body.osMask = 0x3;
    body.settings = settings;
    ByteWriter out;
    EXPECT_TRUE(quillon::WriteExportBody(out, body));
    return out.bytes();
}

quillon::SettingRecord DWordRecord(const std::string& name, const std::string& valueName,
                                   const std::string& range, const std::string& tweakMap) {
    DWordSetting setting(name, valueName, "", nullptr);
    EXPECT_TRUE(setting.ParseRange(range));
    setting.tweakMap = tweakMap;
    return setting.ToRecord();
}

TEST_F(CategoryTest, MergeAppendsKeepsAndReplacesOnlyWithConsent) {
    scratch.SetDWord("Same", 1);
    scratch.SetDWord("Diff", 1);
    scratch.SetDWord("Keep", 1);
    Category category("Merge", nullptr, HKEY_CURRENT_USER, scratch.path());
    RegKey key;
    key.Open(HKEY_CURRENT_USER, scratch.path());
    auto& settings = category.model().settings;
    settings.push_back(MakeDWord("Same", "Same", "0-1;", key.handle(), "a;b;"));
    settings.push_back(MakeDWord("Diff", "Diff", "0-1;", key.handle(), "a;b;"));
    settings.push_back(MakeDWord("Keep", "Keep", "0-1;", key.handle(), "a;b;"));

    auto bytes = ExportBody({
        DWordRecord("Renamed", "SAME", "0-1;", "a;b;"),  // same apart from name: kept, no question
        DWordRecord("Diff2", "diff", "0-2;", "a;b;c;"),  // differs: Yes replaces
        DWordRecord("Keep2", "Keep", "0-5;", "a;b;"),    // differs: No keeps
        DWordRecord("New", "New", "0-1;", ""),           // appended
        DWordRecord("New again", "NEW", "0-9;", ""),     // matches the appended one
    });
    prompt.answers = {IDYES, IDNO, IDNO};
    ByteReader in(bytes.data(), bytes.size());
    ASSERT_TRUE(category.Merge(in));

    ASSERT_EQ(prompt.asked.size(), 3u);
    EXPECT_EQ(prompt.asked[0].text,
              "The \"Diff2\" setting already exists but differs.\nDo you want to overwrite it?");
    EXPECT_EQ(prompt.asked[0].caption, "Confirm overwrite");
    EXPECT_EQ(prompt.asked[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(prompt.asked[2].text.find("\"New again\""), 4u);

    ASSERT_EQ(settings.size(), 4u);
    EXPECT_EQ(settings[0]->name, "Same");
    EXPECT_EQ(settings[1]->name, "Diff2") << "replaced in place";
    EXPECT_EQ(settings[2]->name, "Keep");
    EXPECT_EQ(settings[3]->name, "New");
    EXPECT_FALSE(scratch.HasValue("Diff")) << "Yes deletes the old present value";
    EXPECT_TRUE(scratch.HasValue("Keep")) << "No keeps the old value";
    EXPECT_EQ(category.model().cardMask, 0xF0u);
    EXPECT_EQ(category.model().osMask, 0x3u);

    // Merging the same database again asks nothing and adds nothing.
    prompt.asked.clear();
    prompt.answers = {IDNO};
    auto again = ExportBody({DWordRecord("Renamed", "SAME", "0-1;", "a;b;"),
                             DWordRecord("Diff2", "diff", "0-2;", "a;b;c;")});
    ByteReader in2(again.data(), again.size());
    ASSERT_TRUE(category.Merge(in2));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(settings.size(), 4u);
}

TEST_F(CategoryTest, DamagedMergeChangesNothing) {
    Category category("Merge", nullptr, HKEY_CURRENT_USER, scratch.path());
    category.model().settings.push_back(MakeDWord("A", "A", "0-1;", nullptr));
    category.model().cardMask = 7;
    auto bytes = ExportBody({DWordRecord("B", "B", "0-1;", ""), DWordRecord("C", "C", "0-1;", "")});
    bytes.resize(bytes.size() - 3);
    ByteReader in(bytes.data(), bytes.size());
    EXPECT_FALSE(category.Merge(in));
    EXPECT_EQ(category.model().settings.size(), 1u);
    EXPECT_EQ(category.model().cardMask, 7u);
}

TEST_F(CategoryTest, ProfileValuesApplyDeleteAndStopAtDamage) {
    scratch.SetDWord("Old", 5);
    scratch.SetDWord("Keep", 5);
    Category category("P", nullptr, HKEY_CURRENT_USER, scratch.path());
    RegKey key;
    key.Open(HKEY_CURRENT_USER, scratch.path());
    auto& settings = category.model().settings;
    settings.push_back(MakeDWord("Old", "Old", "0-9;", key.handle()));
    settings.push_back(MakeDWord("Num", "Num", "0-9;", key.handle()));
    auto text = std::make_unique<StringSetting>("Txt", "Txt", "", key.handle());
    text->ParseRange("a;b;");
    settings.push_back(std::move(text));
    settings[1]->SelectValue(8);
    settings[1]->Write(key.handle());
    settings[2]->SelectValue(1);
    settings[2]->Write(key.handle());
    settings[0]->Delete(key.handle());  // the profile remembers: not present

    ByteWriter out;
    ASSERT_TRUE(category.SaveValues(out));

    // Undo everything, then apply the profile.
    scratch.SetDWord("Old", 5);
    ::RegDeleteValueA(key.handle(), "Num");
    ::RegDeleteValueA(key.handle(), "Txt");
    ByteReader in(out.bytes().data(), out.bytes().size());
    quillon::CategoryKeyRecord keyRecord;
    ASSERT_TRUE(quillon::ReadCategoryKey(in, keyRecord));
    ASSERT_TRUE(CategoryModel::ApplyValues(in, key.handle()));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_FALSE(scratch.HasValue("Old")) << "present 0 deletes the value";
    DWORD num = 0;
    ASSERT_TRUE(scratch.GetDWord("Num", num));
    EXPECT_EQ(num, 8u);
    std::string txt;
    ASSERT_TRUE(scratch.GetString("Txt", txt));
    EXPECT_EQ(txt, "b");

    // Skipping reads the same bytes and touches nothing.
    ::RegDeleteValueA(key.handle(), "Num");
    ByteReader skip(out.bytes().data(), out.bytes().size());
    ASSERT_TRUE(quillon::ReadCategoryKey(skip, keyRecord));
    ASSERT_TRUE(CategoryModel::SkipValues(skip));
    EXPECT_TRUE(skip.AtEnd());
    EXPECT_FALSE(scratch.HasValue("Num"));

    // Cut inside the last value: the record is read whole before anything is
    // written, so none of its values is applied.
    scratch.SetDWord("Old", 5);
    ::RegDeleteValueA(key.handle(), "Txt");
    ByteReader cut(out.bytes().data(), out.bytes().size() - 1);
    ASSERT_TRUE(quillon::ReadCategoryKey(cut, keyRecord));
    EXPECT_FALSE(CategoryModel::ApplyValues(cut, key.handle()));
    EXPECT_TRUE(scratch.HasValue("Old")) << "the deletion before the damage is not done";
    EXPECT_FALSE(scratch.HasValue("Num")) << "nor the value before the damage written";
    EXPECT_FALSE(scratch.HasValue("Txt"));
}

TEST_F(CategoryTest, ShowSendsKeyPathToMainWindow) {
    struct StatusWindow : winlib::CWnd {
        std::string status;
        LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
            if (m == WM_APP) status = reinterpret_cast<const char*>(w);
            return CWnd::WindowProc(m, w, l);
        }
    } frame;
    ASSERT_TRUE(frame.CreateEx(0, winlib::CWnd::RegisterWindowClass(0, nullptr, nullptr, nullptr),
                              "main", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
    Category category("C", frame, reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000009u)), "Sub");
    category.Show();
    EXPECT_EQ(frame.status, "HKDD\\Sub");
}

}  // namespace
