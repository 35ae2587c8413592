// The setting list on a test frame: the same notifications a user's clicks
// and keys produce, checked against the row texts and Wine's registry.
#include "add_setting_dialog.h"
#include "app_messages.h"
#include "backup.h"
#include "dialog_driver.h"
#include "add_setting_dialog_res.h"
#include "restore_dialog_res.h"
#include "view_style_dialog_res.h"
#include "model_test_support.h"
#include "page_frame.h"
#include "reg_key.h"
#include "setting_list.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SettingListTest : public testing::Test {
protected:
    void SetUp() override {
        scratch.SetDWord("Present", 5);
        category = std::make_unique<Category>("List", frame, HKEY_CURRENT_USER, scratch.path());
        RegKey key;
        key.Open(HKEY_CURRENT_USER, scratch.path());
        AddDWord("Present", "Present", "0-10:5;", key.handle(), "Low;Mid;High;");
        AddDWord("Absent", "Absent", "1-3;", key.handle(), "");
        AddDWord("B&W", "Mono", "0-1;", key.handle(), "");
        auto owned = std::make_unique<CSettingList>(*category);
        list = owned.get();
        ASSERT_TRUE(list->CreateControl());
        category->SetView(std::move(owned));
        category->Show();  // as the main window shows its current tab
    }
    void AddDWord(const char* name, const char* valueName, const char* range, HKEY key,
                  const char* tweakMap) {
        auto setting = std::make_unique<DWordSetting>(name, valueName, "", key);
        ASSERT_TRUE(setting->ParseRange(range));
        setting->tweakMap = tweakMap;
        // As after a Refresh: present values come from the registry, absent
        // ones keep the first allowed value.
        if (setting->present) setting->Read(key);
        category->model().settings.push_back(std::move(setting));
    }
    void Select(std::initializer_list<int> rows) {
        for (int row = 0; row < list->GetItemCount(); ++row) list->SetItemState(row, 0, LVIS_SELECTED);
        for (int row : rows) list->SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
    void Notify(NMHDR& header, UINT code) {
        header.hwndFrom = *list;
        header.idFrom = CSettingList::kControlId;
        header.code = code;
        ::SendMessageA(frame, WM_NOTIFY, CSettingList::kControlId, reinterpret_cast<LPARAM>(&header));
    }
    void PressKey(WORD key) {
        NMLVKEYDOWN down{};
        down.wVKey = key;
        Notify(down.hdr, LVN_KEYDOWN);
    }

    ScratchKey scratch{"SettingList"};
    RecordingPrompt prompt;
    PageFrame frame;
    std::unique_ptr<Category> category;
    CSettingList* list = nullptr;
};

TEST_F(SettingListTest, RowsShowSettingsAndFillingWritesNothing) {
    ASSERT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetItemText(0, 0), "Present");
    EXPECT_EQ(list->GetItemText(0, 1), "Mid");
    EXPECT_EQ(list->GetItemText(0, 2), "Present");
    EXPECT_EQ(list->GetItemText(0, 3), "DWord");
    EXPECT_TRUE(list->GetCheck(0));
    EXPECT_FALSE(list->GetCheck(1));
    EXPECT_EQ(list->GetItemText(1, 1), "");
    EXPECT_FALSE(scratch.HasValue("Absent")) << "showing rows must not write";
    EXPECT_TRUE(scratch.HasValue("Present")) << "showing rows must not delete";
    EXPECT_EQ(list->GetExtendedStyle() & (LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT),
              static_cast<DWORD>(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT));
}

// A list builds its rows when it is shown, so a start with many categories
// makes only the current tab's rows; what changed while it was hidden is
// there when it is shown again.
TEST_F(SettingListTest, AHiddenListBuildsItsRowsWhenShown) {
    category->Hide();
    scratch.SetDWord("Absent", 3);
    category->Refresh();
    EXPECT_EQ(list->GetItemCount(), 0) << "a hidden list is not filled";
    category->Show();
    ASSERT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetItemText(1, 1), "3");
    EXPECT_TRUE(list->GetCheck(1));

    category->Refresh();  // shown: the rows are rebuilt at once
    EXPECT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetItemText(1, 1), "3");
}

TEST_F(SettingListTest, TickingWritesAndClearingDeletes) {
    list->SetCheck(1, true);  // what a click on the check box does
    DWORD value = 0;
    ASSERT_TRUE(scratch.GetDWord("Absent", value));
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(list->GetItemText(1, 1), "1");

    list->SetCheck(0, false);
    EXPECT_FALSE(scratch.HasValue("Present"));
    EXPECT_EQ(list->GetItemText(0, 1), "");

    Select({0, 1});
    PressKey(VK_INSERT);
    EXPECT_TRUE(scratch.HasValue("Present"));
    PressKey(VK_DELETE);
    EXPECT_FALSE(scratch.HasValue("Present"));
    EXPECT_FALSE(scratch.HasValue("Absent"));
}

TEST_F(SettingListTest, KeypadAndActivationCycleValues) {
    Select({0});
    PressKey(VK_ADD);
    DWORD value = 0;
    ASSERT_TRUE(scratch.GetDWord("Present", value));
    EXPECT_EQ(value, 10u);
    EXPECT_EQ(list->GetItemText(0, 1), "High");
    PressKey(VK_ADD);
    ASSERT_TRUE(scratch.GetDWord("Present", value));
    EXPECT_EQ(value, 0u) << "wraps to the first value";
    PressKey(VK_SUBTRACT);
    ASSERT_TRUE(scratch.GetDWord("Present", value));
    EXPECT_EQ(value, 10u);

    Select({0, 1});
    PressKey(VK_ADD);
    ASSERT_TRUE(scratch.GetDWord("Present", value));
    EXPECT_EQ(value, 10u) << "two selected rows: keypad + does nothing";

    NMITEMACTIVATE activate{};
    activate.iItem = 1;
    Notify(activate.hdr, LVN_ITEMACTIVATE);
    EXPECT_FALSE(scratch.HasValue("Absent")) << "a value not in the registry changes in memory only";
    EXPECT_EQ(static_cast<DWordSetting&>(*category->model().settings[1]).value, 2u);

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return frame.closeRequests == 1; }, 1000));
}

TEST_F(SettingListTest, ColumnClicksSortWithoutTouchingTheRegistry) {
    NMLISTVIEW click{};
    click.iSubItem = 0;
    Notify(click.hdr, LVN_COLUMNCLICK);  // same column as the initial state: descending
    EXPECT_EQ(list->GetItemText(0, 0), "Present");
    EXPECT_EQ(list->GetItemText(1, 0), "B&W");
    EXPECT_EQ(list->GetItemText(2, 0), "Absent");
    Notify(click.hdr, LVN_COLUMNCLICK);
    EXPECT_EQ(list->GetItemText(0, 0), "Absent");
    EXPECT_EQ(list->GetItemText(2, 0), "Present");
    EXPECT_TRUE(list->GetCheck(2)) << "check boxes move with their rows";
    EXPECT_FALSE(scratch.HasValue("Absent"));
    EXPECT_TRUE(scratch.HasValue("Present"));

    click.iSubItem = 2;  // another column keeps the direction (ascending)
    Notify(click.hdr, LVN_COLUMNCLICK);
    EXPECT_EQ(list->GetItemText(0, 2), "Absent");
    EXPECT_EQ(list->GetItemText(1, 2), "Mono");
    EXPECT_EQ(category->model().sortColumn, 2);
}

TEST_F(SettingListTest, RemovingAPresentSettingDeletesItsValue) {
    Select({0});
    prompt.answers = {IDNO};
    list->OnCommand(ID_LIST_DELETE_SETTINGS);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Do you want to remove \"Present\" from the list?");
    EXPECT_EQ(prompt.asked[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2));
    EXPECT_EQ(list->GetItemCount(), 3);

    Select({0, 2});
    prompt.answers = {IDYES};
    list->OnCommand(ID_LIST_DELETE_SETTINGS);
    EXPECT_EQ(prompt.asked[1].text,
              "Do you want to remove these settings from the list?\n\nPresent\nB&W\n");
    ASSERT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(list->GetItemText(0, 0), "Absent");
    EXPECT_FALSE(scratch.HasValue("Present"));
}

TEST_F(SettingListTest, CommandsReachTheMainWindow) {
    list->OnCommand(ID_LIST_COPY_COLUMN_WIDTHS);
    EXPECT_EQ(frame.widthCopies, 1);
    Select({1});
    list->OnCommand(ID_LIST_ADD_TO_REGISTRY);
    EXPECT_TRUE(scratch.HasValue("Absent"));
    list->OnCommand(ID_LIST_REMOVE_FROM_REGISTRY);
    EXPECT_FALSE(scratch.HasValue("Absent"));
}

TEST_F(SettingListTest, AddSettingDialogFillsDefaultsAndRemembersType) {
    DialogDriver driver;
    AddSettingDialog::ChooseStringType(true);
    bool openedWithString = false, secondOpenedWithDWord = false;
    std::string caption;
    driver.Then([&](HWND dialog) {
        caption = DialogDriver::Caption(dialog);
        openedWithString = DialogDriver::Checked(dialog, IDC_SETTING_STRING);
        DialogDriver::SetText(dialog, IDC_SETTING_NAME, "Fog");
        DialogDriver::SetText(dialog, IDC_SETTING_VALUE_NAME, "FogMode");
        DialogDriver::Click(dialog, IDC_SETTING_DWORD);
        DialogDriver::SetText(dialog, IDC_SETTING_TWEAK_MAP, "Typed;Map");
        DialogDriver::Click(dialog, IDOK);
    });
    list->OnCommand(ID_LIST_ADD_SETTING);
    EXPECT_EQ(caption, "Add setting");
    EXPECT_TRUE(openedWithString);
    ASSERT_EQ(list->GetItemCount(), 4);
    const Setting& added = *category->model().settings[3];
    EXPECT_EQ(added.name, "Fog");
    EXPECT_EQ(added.GetRangeText(), "0-1;");
    EXPECT_EQ(added.tweakMap, "Off;On;") << "an empty range replaces a typed tweak map";
    EXPECT_EQ(list->GetItemText(3, 3), "DWord");
    EXPECT_FALSE(scratch.HasValue("FogMode")) << "adding writes nothing";

    driver.Then([&](HWND dialog) {
        secondOpenedWithDWord = DialogDriver::Checked(dialog, IDC_SETTING_DWORD);
        DialogDriver::Click(dialog, IDCANCEL);
    });
    list->OnCommand(ID_LIST_ADD_SETTING);
    EXPECT_TRUE(secondOpenedWithDWord);
    EXPECT_EQ(list->GetItemCount(), 4);
}

TEST_F(SettingListTest, MisformedRangeKeepsDialogOpenWithTypedTexts) {
    DialogDriver driver;
    AddSettingDialog::ChooseStringType(false);
    scratch.SetDWord("Depth", 3);
    std::string rangeAfterError, nameAfterError;
    size_t questionsAfterError = 0;
    driver.Then([&](HWND dialog) {
        DialogDriver::SetText(dialog, IDC_SETTING_NAME, "Depth");
        DialogDriver::SetText(dialog, IDC_SETTING_VALUE_NAME, "Depth");
        DialogDriver::SetText(dialog, IDC_SETTING_RANGE, "3-1;");
        DialogDriver::Click(dialog, IDOK);
        questionsAfterError = prompt.asked.size();
        rangeAfterError = DialogDriver::Text(dialog, IDC_SETTING_RANGE);
        nameAfterError = DialogDriver::Text(dialog, IDC_SETTING_NAME);
        DialogDriver::SetText(dialog, IDC_SETTING_RANGE, "1-3");
        DialogDriver::SetText(dialog, IDC_SETTING_TWEAK_MAP, "A;B;C");
        DialogDriver::Click(dialog, IDOK);
    });
    list->OnCommand(ID_LIST_ADD_SETTING);
    ASSERT_EQ(questionsAfterError, 1u);
    EXPECT_EQ(prompt.asked[0].text, "The range is misformated");
    EXPECT_EQ(prompt.asked[0].caption, "Error");
    EXPECT_EQ(prompt.asked[0].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(rangeAfterError, "3-1;");
    EXPECT_EQ(nameAfterError, "Depth");
    ASSERT_EQ(list->GetItemCount(), 4);
    EXPECT_EQ(category->model().settings[3]->tweakMap, "A;B;C;");
    // The value exists already: the row is ticked, the registry is left alone
    // and the first allowed value shows until the next Refresh.
    EXPECT_TRUE(list->GetCheck(3));
    EXPECT_EQ(list->GetItemText(3, 1), "A");
    DWORD value = 0;
    ASSERT_TRUE(scratch.GetDWord("Depth", value));
    EXPECT_EQ(value, 3u);
}

TEST_F(SettingListTest, EditingAPresentSettingDeletesOldValue) {
    DialogDriver driver;
    std::string prefilledRange, prefilledTweakMap;
    driver.Then([&](HWND dialog) {
        prefilledRange = DialogDriver::Text(dialog, IDC_SETTING_RANGE);
        prefilledTweakMap = DialogDriver::Text(dialog, IDC_SETTING_TWEAK_MAP);
        DialogDriver::SetText(dialog, IDC_SETTING_NAME, "Present edited");
        DialogDriver::Click(dialog, IDOK);
    });
    Select({0});
    list->OnCommand(ID_LIST_EDIT_SETTING);
    EXPECT_EQ(prefilledRange, "0-10:5;");
    EXPECT_EQ(prefilledTweakMap, "Low;Mid;High;");
    EXPECT_FALSE(scratch.HasValue("Present"));
    EXPECT_EQ(list->GetItemText(0, 0), "Present edited");
    EXPECT_FALSE(list->GetCheck(0));
    EXPECT_FALSE(category->model().settings[0]->present);
    EXPECT_EQ(list->GetItemCount(), 3);
}

TEST_F(SettingListTest, ViewStyleAppliedBeforeCloseStaysAndIsSaved) {
    DialogDriver driver;
    std::string shownText, shownBackground, shownTiling;
    driver.Then([&](HWND dialog) {
        shownText = DialogDriver::Text(dialog, IDC_STYLE_TEXT_COLOUR);
        shownBackground = DialogDriver::Text(dialog, IDC_STYLE_BK_COLOUR);
        shownTiling = DialogDriver::Text(dialog, IDC_STYLE_TILING);
        DialogDriver::SetText(dialog, IDC_STYLE_TEXT_COLOUR, "123456");
        DialogDriver::SetText(dialog, IDC_STYLE_TEXT_BK_COLOUR, "");
        DialogDriver::SetText(dialog, IDC_STYLE_BK_COLOUR, "00FF00");
        DialogDriver::Click(dialog, IDC_STYLE_APPLY);
        DialogDriver::SetText(dialog, IDC_STYLE_TEXT_COLOUR, "FFFFFF");  // not applied
        DialogDriver::Click(dialog, IDCANCEL);
    });
    list->OnCommand(ID_LIST_VIEW_STYLE);
    EXPECT_EQ(shownText, "FFFF00") << "the default yellow";
    EXPECT_EQ(shownBackground, "NONE");
    EXPECT_EQ(shownTiling, "Normal");
    EXPECT_EQ(list->GetTextColor(), 0x00563412u);
    EXPECT_EQ(list->GetTextBkColor(), CLR_NONE);
    EXPECT_EQ(list->GetBkColor(), 0x0000FF00u);

    // Saving takes the look from the live list.
    quillon::ByteWriter out;
    ASSERT_TRUE(category->Save(out));
    EXPECT_EQ(category->model().textColor, 0x00563412u);
    EXPECT_EQ(category->model().bkColor, 0x0000FF00u);
}

// Runs a test in a fresh folder, where backups are written and listed.
class ScratchFolder {
public:
    ScratchFolder() {
        char temp[MAX_PATH] = "", previous[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        ::GetCurrentDirectoryA(MAX_PATH, previous);
        previous_ = previous;
        path_ = std::string(temp) + "quillon_list_" + std::to_string(::GetTickCount());
        ::CreateDirectoryA(path_.c_str(), nullptr);
        ::SetCurrentDirectoryA(path_.c_str());
    }
    ~ScratchFolder() {
        ::SetCurrentDirectoryA(previous_.c_str());
        WIN32_FIND_DATAA found;
        HANDLE find = ::FindFirstFileA((path_ + "\\*.backup").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do ::DeleteFileA((path_ + "\\" + found.cFileName).c_str());
            while (::FindNextFileA(find, &found));
            ::FindClose(find);
        }
        ::RemoveDirectoryA(path_.c_str());
    }

private:
    std::string path_, previous_;
};

TEST_F(SettingListTest, BackupCommandAndRestoreDialog) {
    ScratchFolder folder;
    list->OnCommand(ID_LIST_BACKUP_CATEGORY);  // holds Present = 5 and Mono
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Category successfully backed up!");
    EXPECT_EQ(prompt.asked[0].caption, "Backup");
    EXPECT_EQ(prompt.asked[0].flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    Category other("Another", frame, HKEY_CURRENT_USER, scratch.path() + "\\Other");
    ASSERT_TRUE(BackupCategory(other));

    scratch.SetDWord("Present", 10);
    scratch.SetDWord("Extra", 1);
    DialogDriver driver;
    std::vector<std::string> rows;
    size_t askedAfterNo = 0;
    driver.Then([&](HWND dialog) {
        HWND files = ::GetDlgItem(dialog, IDC_RESTORE_LIST);
        for (const std::vector<std::string>& cells : testsupport::ListViewRows(files, 1)) rows.push_back(cells[0]);
        LVITEMA select{};
        select.state = select.stateMask = LVIS_SELECTED;
        ::SendMessageA(files, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select));
        prompt.answers = {IDNO, IDYES};
        DialogDriver::Click(dialog, IDOK);
        askedAfterNo = prompt.asked.size();
        DialogDriver::Click(dialog, IDOK);
    });
    list->OnCommand(ID_LIST_RESTORE_CATEGORY);
    EXPECT_EQ(rows, (std::vector<std::string>{"Another 0", "List 0"})) << "sorted, every category";
    EXPECT_EQ(askedAfterNo, 2u) << "No keeps the dialog open";
    ASSERT_EQ(prompt.asked.size(), 3u);
    EXPECT_EQ(prompt.asked[1].text, "Are you sure you want to restore the \"List 0\" backup?");
    EXPECT_EQ(prompt.asked[1].caption, "Confirm restore");
    DWORD value = 0;
    ASSERT_TRUE(scratch.GetDWord("Present", value));
    EXPECT_EQ(value, 5u);
    EXPECT_FALSE(scratch.HasValue("Extra")) << "values absent from the backup are deleted";
    EXPECT_EQ(list->GetItemText(0, 1), "Mid") << "the list was refreshed";
}

TEST(SettingListMenu, EntriesFollowClickAndSelection) {
    auto texts = [](const std::vector<MenuEntry>& menu) {
        std::vector<std::string> out;
        for (const auto& entry : menu) out.push_back(entry.text);
        return out;
    };
    const std::vector<std::string> categoryEntries = {
        "", "Edit category ...", "Backup category", "Restore category from backup ...", "",
        "Copy column widths to all categories", "Copy view style to all categories", "",
        "View style ...", "", "Refresh"};

    auto empty = texts(BuildSettingListMenu(false, 1, nullptr));
    std::vector<std::string> expected = {"Add setting ..."};
    expected.insert(expected.end(), categoryEntries.begin(), categoryEntries.end());
    EXPECT_EQ(empty, expected);

    DWordSetting setting("R&D", "Value", "", nullptr);
    auto one = BuildSettingListMenu(true, 1, &setting);
    EXPECT_EQ(one[0].text, "Add \"R&&D\" to registry");
    EXPECT_EQ(one[0].id, 3003u);
    EXPECT_EQ(one[3].text, "Edit \"R&&D\" ...");
    EXPECT_EQ(one[4].text, "Delete \"R&&D\"");
    setting.present = true;
    EXPECT_EQ(BuildSettingListMenu(true, 1, &setting)[0].text, "Remove \"R&&D\" from registry");

    auto many = texts(BuildSettingListMenu(true, 2, &setting));
    EXPECT_EQ(many[0], "Add setting ...");
    EXPECT_EQ(many[1], "Delete selected settings");
    EXPECT_EQ(many.size(), 2 + categoryEntries.size());
}

}  // namespace
