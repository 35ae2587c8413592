// The Preferences dialog driven through its controls: moving and deleting
// tabs, the animation, full-row selection and starting with Windows, each
// seen on the main window at once and after a restart.
#include "app_messages.h"
#include "byte_io.h"
#include "dialog_driver.h"
#include "file.h"
#include "main_window_fixture.h"
#include "preferences_dialog_res.h"
#include "resource.h"
#include "setting_list.h"
#include "tab_plugin.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class Preferences : public MainWindowFixture {
protected:
    // Opens the dialog, runs 'step' in it and closes it with "Close".
    void WithDialog(const std::function<void(HWND)>& step) {
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            EXPECT_EQ(DialogDriver::Caption(dialog), "Preferences");
            step(dialog);
            DialogDriver::Click(dialog, IDOK);
        });
        ::SendMessageA(hwnd_, WM_COMMAND, ID_OPTIONS_PREFERENCES, 0);
        EXPECT_EQ(driver.dialogsSeen(), 1);
    }
    static void Select(HWND dialog, int list, int index) { DialogDriver::Select(dialog, list, index); }
    static Names Entries(HWND dialog, int list) {
        Names entries;
        int count = static_cast<int>(::SendDlgItemMessageA(dialog, list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = "";
            ::SendDlgItemMessageA(dialog, list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }
    static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)); }
    Names ShownNames() const {
        Names names;
        for (const auto& tab : window_->tabs().shown()) names.push_back(tab->GetName());
        return names;
    }
    Names HiddenNames() const {
        Names names;
        for (const auto& tab : window_->tabs().hidden()) names.push_back(tab->GetName());
        return names;
    }
    std::string CurrentName() const {
        return window_->currentTab() ? window_->currentTab()->GetName() : "(none)";
    }
    int TabBarWidth() const {
        RECT bar = window_->tabBar().GetWindowRect();
        return bar.right - bar.left;
    }
};

TEST_F(Preferences, HidingTheCurrentTabMakesItsRightThenItsLeftNeighbourCurrent) {
    AddCategoryTab("A");
    Category* b = AddCategoryTab("B");
    AddCategoryTab("C");
    window_->SelectTab(b);
    WithDialog([&](HWND dialog) {
        EXPECT_EQ(Entries(dialog, IDC_PREF_SHOWN), (Names{"A", "B", "C"}));
        for (int id : {IDC_PREF_HIDE, IDC_PREF_SHOW, IDC_PREF_DELETE_SHOWN, IDC_PREF_DELETE_HIDDEN})
            EXPECT_FALSE(Enabled(dialog, id)) << id;
        Select(dialog, IDC_PREF_SHOWN, 1);
        EXPECT_TRUE(Enabled(dialog, IDC_PREF_HIDE));
        EXPECT_TRUE(Enabled(dialog, IDC_PREF_DELETE_SHOWN));
        DialogDriver::Click(dialog, IDC_PREF_HIDE);
        EXPECT_EQ(CurrentName(), "C") << "the right neighbour";
        EXPECT_FALSE(Enabled(dialog, IDC_PREF_HIDE));
        Select(dialog, IDC_PREF_SHOWN, 1);
        DialogDriver::Click(dialog, IDC_PREF_HIDE);
        EXPECT_EQ(CurrentName(), "A") << "the left neighbour of the last tab";
        EXPECT_EQ(Entries(dialog, IDC_PREF_SHOWN), (Names{"A"}));
        EXPECT_EQ(Entries(dialog, IDC_PREF_HIDDEN), (Names{"B", "C"}));
    });
    EXPECT_EQ(window_->tabBar().GetItemCount(), 1);
    EXPECT_EQ(TabText(0), "A");
    EXPECT_EQ(Highlighted(), 0);

    ReopenWindow();
    EXPECT_EQ(ShownNames(), (Names{"A"}));
    EXPECT_EQ(HiddenNames(), (Names{"B", "C"}));
}

TEST_F(Preferences, HidingTheOnlyTabLeavesNoneAndDisablesTheCategoryCommands) {
    window_->SelectTab(AddCategoryTab("Only"));
    window_->UpdateCommandState();
    ASSERT_TRUE(window_->toolBar().IsButtonEnabled(ID_ADD_DWORD_SETTING));
    WithDialog([&](HWND dialog) {
        Select(dialog, IDC_PREF_SHOWN, 0);
        DialogDriver::Click(dialog, IDC_PREF_HIDE);
    });
    EXPECT_EQ(window_->currentTab(), nullptr);
    for (int command : {ID_ADD_STRING_SETTING, ID_ADD_DWORD_SETTING, ID_FILE_EXPORT_CURRENT,
                        ID_FILE_EXPORT_SHOWN, ID_FILE_EXPORT_ALL})
        EXPECT_FALSE(window_->toolBar().IsButtonEnabled(command)) << command;
    EXPECT_NE(::GetMenuState(::GetMenu(hwnd_), ID_EDIT_BACKUP_CATEGORY, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(Preferences, ShowingIntoAnEmptyBarSelectsTheTabAndBesideOthersChangesNothing) {
    AddPageTab("First");
    TestPage* second = AddPageTab("Second");
    window_->HideShownTab(0);
    window_->HideShownTab(0);
    ASSERT_EQ(window_->tabs().shownCount(), 0);
    const int resizesBefore = second->resizes;
    WithDialog([&](HWND dialog) {
        EXPECT_EQ(Entries(dialog, IDC_PREF_HIDDEN), (Names{"First", "Second"}));
        Select(dialog, IDC_PREF_HIDDEN, 0);
        EXPECT_TRUE(Enabled(dialog, IDC_PREF_SHOW));
        EXPECT_TRUE(Enabled(dialog, IDC_PREF_DELETE_HIDDEN));
        DialogDriver::Click(dialog, IDC_PREF_SHOW);
        EXPECT_EQ(CurrentName(), "First") << "alone on the bar: current at once";
        EXPECT_FALSE(Enabled(dialog, IDC_PREF_SHOW));
        Select(dialog, IDC_PREF_HIDDEN, 0);
        DialogDriver::Click(dialog, IDC_PREF_SHOW);
        EXPECT_EQ(CurrentName(), "First") << "beside another tab: the current one stays";
        EXPECT_EQ(Entries(dialog, IDC_PREF_SHOWN), (Names{"First", "Second"}));
        EXPECT_TRUE(Entries(dialog, IDC_PREF_HIDDEN).empty());
    });
    EXPECT_EQ(ShownNames(), (Names{"First", "Second"}));
    EXPECT_EQ(TabText(1), "Second");
    EXPECT_EQ(Highlighted(), 0);
    EXPECT_GT(second->resizes, resizesBefore) << "placed on the page area";
}

TEST_F(Preferences, APluginThatDidNotLoadShowsItsErrorAndCannotBeShown) {
    window_->AddShownTab(std::make_unique<TabPlugin>("Missing_Tab.dll", window_->hostWindow()));
    window_->HideShownTab(0);
    const std::string name = window_->tabs().hidden()[0]->GetName();
    WithDialog([&](HWND dialog) {
        EXPECT_EQ(Entries(dialog, IDC_PREF_HIDDEN), (Names{name + "  (Load error)"}));
        Select(dialog, IDC_PREF_HIDDEN, 0);
        EXPECT_FALSE(Enabled(dialog, IDC_PREF_SHOW));
        EXPECT_TRUE(Enabled(dialog, IDC_PREF_DELETE_HIDDEN));
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PREF_SHOW, BN_CLICKED), 0);
    });
    EXPECT_EQ(window_->tabs().shownCount(), 0);
    EXPECT_EQ(HiddenNames(), (Names{name}));
}

TEST_F(Preferences, DeletingAsksAndRemovesTheTabForGood) {
    RecordingPrompt prompt;
    prompt.answers = {IDNO, IDYES, IDYES};
    window_->SelectTab(AddCategoryTab("Keep"));
    AddCategoryTab("Shown");
    AddCategoryTab("Hidden");
    window_->HideShownTab(2);
    WithDialog([&](HWND dialog) {
        Select(dialog, IDC_PREF_SHOWN, 1);
        DialogDriver::Click(dialog, IDC_PREF_DELETE_SHOWN);  // No
        EXPECT_EQ(Entries(dialog, IDC_PREF_SHOWN), (Names{"Keep", "Shown"}));
        DialogDriver::Click(dialog, IDC_PREF_DELETE_SHOWN);  // Yes
        EXPECT_EQ(Entries(dialog, IDC_PREF_SHOWN), (Names{"Keep"}));
        EXPECT_FALSE(Enabled(dialog, IDC_PREF_DELETE_SHOWN));
        Select(dialog, IDC_PREF_HIDDEN, 0);
        DialogDriver::Click(dialog, IDC_PREF_DELETE_HIDDEN);  // Yes
        EXPECT_TRUE(Entries(dialog, IDC_PREF_HIDDEN).empty());
    });
    ASSERT_EQ(prompt.asked.size(), 3u);
    EXPECT_EQ(prompt.asked[1].text, "Are you sure you want to permanently remove the \"Shown\" tab?");
    EXPECT_EQ(prompt.asked[2].text,
              "Are you sure you want to permanentely remove the \"Hidden\" tab?");
    for (const auto& question : prompt.asked) {
        EXPECT_EQ(question.caption, "Confirm remove tab");
        EXPECT_EQ(question.flags, 0x124u);
    }
    EXPECT_EQ(ShownNames(), (Names{"Keep"}));
    EXPECT_TRUE(HiddenNames().empty());
    EXPECT_EQ(CurrentName(), "Keep");
    EXPECT_EQ(window_->tabBar().GetItemCount(), 1);
}

TEST_F(Preferences, NoneStopsTheAnimationAndWidensTheBars) {
    // A file that does not load still runs as an (empty) animation.
    ::CloseHandle(::CreateFileA("Spark_Animation.dll", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                nullptr));
    MakeWindow();
    ASSERT_EQ(window_->animationNames(), (Names{"Spark_Animation.dll"}));
    const int fullWidth = TabBarWidth();
    WithDialog([&](HWND dialog) {
        EXPECT_EQ(Entries(dialog, IDC_PREF_ANIMATION), (Names{"None", "Spark_Animation.dll"}));
        EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_PREF_ANIMATION, LB_GETCURSEL, 0, 0), 0);
        Select(dialog, IDC_PREF_ANIMATION, 1);
        EXPECT_EQ(window_->runningAnimation(), "Spark_Animation.dll");
        EXPECT_TRUE(window_->animationStrip().IsWindowVisible());
        EXPECT_EQ(TabBarWidth(), fullWidth - 96);
        Select(dialog, IDC_PREF_ANIMATION, 0);
        EXPECT_EQ(window_->runningAnimation(), "");
        EXPECT_FALSE(window_->animationStrip().IsWindowVisible());
        EXPECT_EQ(TabBarWidth(), fullWidth);
        Select(dialog, IDC_PREF_ANIMATION, 1);
    });
    ReopenWindow();
    EXPECT_EQ(window_->runningAnimation(), "Spark_Animation.dll") << "kept in Tabs.stream";
}

TEST_F(Preferences, ARunningAnimationNamedInAnotherLetterCaseSelectsNothing) {
    ::CloseHandle(::CreateFileA("Spark_Animation.dll", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                nullptr));
    quillon::ByteWriter layout;
    layout.WriteU32(0x24);
    layout.WriteI32(0);
    layout.WriteI32(0);
    layout.WriteI32(-1);
    layout.WriteString("spark_animation.dll");
    layout.WriteU8(0);
    std::vector<uint8_t> bytes = layout.TakeBytes();
    OpenWithLayout(&bytes);
    ASSERT_EQ(window_->runningAnimation(), "spark_animation.dll");
    WithDialog([&](HWND dialog) {
        EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_PREF_ANIMATION, LB_GETCURSEL, 0, 0), LB_ERR);
    });
}

TEST_F(Preferences, TheFullRowBoxStylesEveryCategoryListAndSurvivesARestart) {
    WithDialog([&](HWND dialog) {
        EXPECT_FALSE(Enabled(dialog, IDC_PREF_FULL_ROW)) << "no category to style";
        EXPECT_FALSE(DialogDriver::Checked(dialog, IDC_PREF_FULL_ROW));
    });
    Category* shown = AddCategoryTab("Shown");
    Category* hidden = AddCategoryTab("Hidden");
    window_->HideShownTab(1);
    shown->Show();
    WithDialog([&](HWND dialog) {
        EXPECT_TRUE(Enabled(dialog, IDC_PREF_FULL_ROW));
        EXPECT_TRUE(DialogDriver::Checked(dialog, IDC_PREF_FULL_ROW)) << "the default style";
        DialogDriver::Click(dialog, IDC_PREF_FULL_ROW);
    });
    EXPECT_EQ(window_->listStyle() & LVS_EX_FULLROWSELECT, 0u);
    for (Category* category : {shown, hidden}) {
        category->Show();  // a list not made yet takes the style when it is
        EXPECT_EQ(SettingListOf(category)->GetExtendedStyle() & LVS_EX_FULLROWSELECT, 0u);
        category->Hide();
    }

    ReopenWindow();
    EXPECT_EQ(window_->listStyle() & LVS_EX_FULLROWSELECT, 0u);
    WithDialog([&](HWND dialog) {
        EXPECT_FALSE(DialogDriver::Checked(dialog, IDC_PREF_FULL_ROW));
        DialogDriver::Click(dialog, IDC_PREF_FULL_ROW);
    });
    EXPECT_NE(window_->listStyle() & LVS_EX_FULLROWSELECT, 0u);
}

std::string RunValue() {
    char data[600] = "";
    DWORD size = sizeof data, type = 0;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                        KEY_READ, &key) != ERROR_SUCCESS)
        return "(no key)";
    LONG result = ::RegQueryValueExA(key, "Quillon", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS) return "(no value)";
    return type == REG_SZ ? std::string(data) : "(not text)";
}

TEST_F(Preferences, TheStartBoxWritesAndDeletesExactlyTheRunValue) {
    char program[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, program, sizeof program);
    ASSERT_EQ(RunValue().rfind("(no", 0), 0u) << "left over: " << RunValue();
    WithDialog([&](HWND dialog) {
        EXPECT_FALSE(DialogDriver::Checked(dialog, IDC_PREF_START));
        DialogDriver::Click(dialog, IDC_PREF_START);
        EXPECT_EQ(RunValue(), "\"" + std::string(program) + "\" -minimize");
    });
    EXPECT_EQ(window_->startCommand(), program);

    ReopenWindow();
    EXPECT_EQ(window_->startCommand(), program) << "the flag of Tabs.stream";
    WithDialog([&](HWND dialog) {
        EXPECT_TRUE(DialogDriver::Checked(dialog, IDC_PREF_START));
        DialogDriver::Click(dialog, IDC_PREF_START);
    });
    EXPECT_EQ(RunValue(), "(no value)");
    EXPECT_EQ(window_->startCommand(), "");
}

}  // namespace
