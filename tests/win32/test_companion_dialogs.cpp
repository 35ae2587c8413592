// The auto-profiles and hot-keys dialogs driven through their controls,
// reading and writing the companion's real registry key.
#include "auto_profile_dialog.h"
#include "auto_profile_dialog_res.h"
#include "companion_key.h"
#include "companion_settings.h"
#include "dialog_driver.h"
#include "hot_key_dialog.h"
#include "hot_key_dialog_res.h"
#include "main_window_fixture.h"
#include "model_test_support.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using pellam::kGameProfileKey;
using pellam::kSuiteKey;

class CompanionDialogs : public testing::Test {
protected:
    void SetUp() override {
        companionkey::Remove();
        ::CreateDirectoryA("Profiles", nullptr);
        for (const char* file : {"Profiles\\Fast.qlp", "Profiles\\Slow.qlp"})
            ::CloseHandle(::CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    void TearDown() override { companionkey::Remove(); }

    template <typename Dialog>
    void Run(const std::function<void(HWND)>& step) {
        DialogDriver driver;
        driver.Then(step);
        Dialog dialog(nullptr);
        dialog.DoModal();
        EXPECT_EQ(driver.dialogsSeen(), 1);
    }
    static void Choose(HWND dialog, int id, int index) { DialogDriver::Select(dialog, id, index); }
    static int Chosen(HWND dialog, int id) {
        return static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
    }
    static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)); }
    static Names Rows(HWND dialog, int column) {
        HWND list = ::GetDlgItem(dialog, IDC_AUTO_LIST);
        Names rows;
        for (const Names& cells : testsupport::ListViewRows(list, column + 1)) rows.push_back(cells[column]);
        return rows;
    }
    static std::string ProfileCommand(const char* profile) {
        char program[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, program, sizeof program);
        return "\"" + std::string(program) + "\" Profile=\"" + profile + "\"";
    }
    TempFolder folder_{"companion_dialogs", true};
};

TEST_F(CompanionDialogs, WithoutDoProfilesTheSwitchIsOnAndClickingItCreatesTheKey) {
    Run<AutoProfileDialog>([&](HWND dialog) {
        EXPECT_EQ(DialogDriver::Caption(dialog), "Autoprofiles");
        EXPECT_TRUE(DialogDriver::Checked(dialog, IDC_AUTO_ENABLE)) << "as Pellam treats it";
        EXPECT_TRUE(Enabled(dialog, IDC_AUTO_LIST));
        EXPECT_FALSE(Enabled(dialog, IDC_AUTO_ADD));
        EXPECT_FALSE(Enabled(dialog, IDC_AUTO_REMOVE));
        DialogDriver::Click(dialog, IDC_AUTO_ENABLE);
        DWORD value = 99;
        EXPECT_TRUE(companionkey::Number(kSuiteKey, "DoProfiles", value)) << "key created";
        EXPECT_EQ(value, 0u);
        for (int id : {IDC_AUTO_LIST, IDC_AUTO_BROWSE, IDC_AUTO_EXECUTABLE, IDC_AUTO_COMMAND,
                       IDC_AUTO_RESET, IDC_AUTO_PROFILE, IDC_AUTO_UNDO})
            EXPECT_FALSE(Enabled(dialog, id)) << id;
        DialogDriver::Click(dialog, IDC_AUTO_ENABLE);
        EXPECT_TRUE(companionkey::Number(kSuiteKey, "DoProfiles", value));
        EXPECT_EQ(value, 1u);
        EXPECT_TRUE(Enabled(dialog, IDC_AUTO_COMMAND));
        DialogDriver::Click(dialog, IDOK);
    });
    companionkey::SetNumber(kSuiteKey, "DoProfiles", 0);
    Run<AutoProfileDialog>([&](HWND dialog) {
        EXPECT_FALSE(DialogDriver::Checked(dialog, IDC_AUTO_ENABLE));
        EXPECT_FALSE(Enabled(dialog, IDC_AUTO_LIST));
        DialogDriver::Click(dialog, IDOK);
    });
}

TEST_F(CompanionDialogs, AProfilePickBuildsTheCommandAndTypingClearsThePick) {
    Run<AutoProfileDialog>([&](HWND dialog) {
        HWND profiles = ::GetDlgItem(dialog, IDC_AUTO_PROFILE);
        ASSERT_EQ(::SendMessageA(profiles, CB_GETCOUNT, 0, 0), 2);
        Choose(dialog, IDC_AUTO_PROFILE, 0);  // sorted: "Fast"
        EXPECT_EQ(DialogDriver::Text(dialog, IDC_AUTO_COMMAND), ProfileCommand("Fast"));
        EXPECT_EQ(Chosen(dialog, IDC_AUTO_PROFILE), 0) << "the dialog's own text keeps the pick";
        DialogDriver::SetText(dialog, IDC_AUTO_COMMAND, ProfileCommand("Fast") + " -x");
        EXPECT_EQ(Chosen(dialog, IDC_AUTO_PROFILE), -1);
        Choose(dialog, IDC_AUTO_PROFILE, 1);
        EXPECT_EQ(DialogDriver::Text(dialog, IDC_AUTO_COMMAND), ProfileCommand("Slow"));

        EXPECT_FALSE(Enabled(dialog, IDC_AUTO_ADD)) << "no executable yet";
        DialogDriver::SetText(dialog, IDC_AUTO_EXECUTABLE, "game.exe");
        EXPECT_TRUE(Enabled(dialog, IDC_AUTO_ADD));
        DialogDriver::Click(dialog, IDC_AUTO_ADD);
        EXPECT_EQ(Rows(dialog, 0), (Names{"game.exe"}));
        EXPECT_EQ(Rows(dialog, 1), (Names{ProfileCommand("Slow")}));
        EXPECT_EQ(DialogDriver::Text(dialog, IDC_AUTO_EXECUTABLE), "");
        EXPECT_EQ(DialogDriver::Text(dialog, IDC_AUTO_COMMAND), "");
        DialogDriver::Click(dialog, IDOK);
    });
    EXPECT_EQ(companionkey::Text(kGameProfileKey, "game.exe"), ProfileCommand("Slow"));
}

TEST_F(CompanionDialogs, ResetInAnyCaseIsTheResetCommandAndDoneStoresIt) {
    companionkey::SetText(kGameProfileKey, "rESet", "cleanup.bat");
    companionkey::SetText(kGameProfileKey, "quake.exe", "fast.bat");
    Run<AutoProfileDialog>([&](HWND dialog) {
        EXPECT_EQ(DialogDriver::Text(dialog, IDC_AUTO_RESET), "cleanup.bat");
        EXPECT_EQ(Rows(dialog, 0), (Names{"quake.exe"}));
        DialogDriver::SetText(dialog, IDC_AUTO_RESET, "");
        DialogDriver::Click(dialog, IDOK);
    });
    EXPECT_EQ(companionkey::Text(kGameProfileKey, "Reset"), "(missing)");

    // Typed before any auto-profile exists: the key is made for it.
    companionkey::Remove();
    Run<AutoProfileDialog>([&](HWND dialog) {
        DialogDriver::SetText(dialog, IDC_AUTO_RESET, "restore.bat");
        DialogDriver::Click(dialog, IDOK);
    });
    EXPECT_EQ(companionkey::Text(kGameProfileKey, "Reset"), "restore.bat");
}

TEST_F(CompanionDialogs, RemovingSeveralRowsDeletesEachValue) {
    for (const char* exe : {"a.exe", "b.exe", "c.exe"})
        companionkey::SetText(kGameProfileKey, exe, std::string("run ") + exe);
    RecordingPrompt prompt;
    prompt.answers = {IDYES};
    Run<AutoProfileDialog>([&](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, IDC_AUTO_LIST);
        ASSERT_EQ(Rows(dialog, 0), (Names{"a.exe", "b.exe", "c.exe"}));
        ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
        ListView_SetItemState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_TRUE(Enabled(dialog, IDC_AUTO_REMOVE));
        DialogDriver::Click(dialog, IDC_AUTO_REMOVE);
        EXPECT_EQ(Rows(dialog, 0), (Names{"b.exe"}));
        DialogDriver::Click(dialog, IDOK);
    });
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Do you want to delete these autoprofiles?");
    EXPECT_EQ(prompt.asked[0].caption, "Confirm delete");
    EXPECT_EQ(prompt.asked[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
    EXPECT_EQ(companionkey::Text(kGameProfileKey, "a.exe"), "(missing)");
    EXPECT_EQ(companionkey::Text(kGameProfileKey, "b.exe"), "run b.exe");
    EXPECT_EQ(companionkey::Text(kGameProfileKey, "c.exe"), "(missing)");
}

TEST_F(CompanionDialogs, AddingAListedExecutableAgainUpdatesItsRow) {
    companionkey::SetText(kGameProfileKey, "game.exe", "old.bat");
    Run<AutoProfileDialog>([&](HWND dialog) {
        DialogDriver::SetText(dialog, IDC_AUTO_EXECUTABLE, "GAME.EXE");
        DialogDriver::SetText(dialog, IDC_AUTO_COMMAND, "new.bat");
        DialogDriver::Click(dialog, IDC_AUTO_ADD);
        EXPECT_EQ(Rows(dialog, 0), (Names{"game.exe"}));
        EXPECT_EQ(Rows(dialog, 1), (Names{"new.bat"}));
        DialogDriver::Click(dialog, IDOK);
    });
    EXPECT_EQ(companionkey::Text(kGameProfileKey, "game.exe"), "new.bat");
}

TEST_F(CompanionDialogs, AFunctionWithoutAValueShowsPellamsDefaultKey) {
    Run<HotKeyDialog>([&](HWND dialog) {
        EXPECT_EQ(DialogDriver::Caption(dialog), "HotKeys");
        EXPECT_EQ(Chosen(dialog, IDC_HOTKEY_FUNCTION), 0);
        EXPECT_EQ(Chosen(dialog, IDC_HOTKEY_LETTER), 'G' - 'A') << "Alt+G for \"Gamma up\"";
        EXPECT_TRUE(DialogDriver::Checked(dialog, IDC_HOTKEY_ALT));
        for (int id : {IDC_HOTKEY_SHIFT, IDC_HOTKEY_CTRL, IDC_HOTKEY_WIN})
            EXPECT_FALSE(DialogDriver::Checked(dialog, id)) << id;
        Choose(dialog, IDC_HOTKEY_FUNCTION, 5);  // "Brightness reset": Alt+Ctrl+Shift+B
        EXPECT_EQ(Chosen(dialog, IDC_HOTKEY_LETTER), 'B' - 'A');
        for (int id : {IDC_HOTKEY_ALT, IDC_HOTKEY_SHIFT, IDC_HOTKEY_CTRL})
            EXPECT_TRUE(DialogDriver::Checked(dialog, id)) << id;
        DialogDriver::Click(dialog, IDOK);
    });
    EXPECT_FALSE(companionkey::Exists(kSuiteKey)) << "nothing changed, nothing written";
}

TEST_F(CompanionDialogs, AltCtrlQIsStoredAndNoModifierDeletesTheValue) {
    companionkey::SetNumber(kSuiteKey, "GammaDownHotKey", 0x30041);
    Run<HotKeyDialog>([&](HWND dialog) {
        Choose(dialog, IDC_HOTKEY_LETTER, 'Q' - 'A');
        DialogDriver::Click(dialog, IDC_HOTKEY_CTRL);  // with the default's Alt
        Choose(dialog, IDC_HOTKEY_FUNCTION, 1);  // stores "Gamma up"
        EXPECT_EQ(Chosen(dialog, IDC_HOTKEY_LETTER), 'A' - 'A');
        DialogDriver::Click(dialog, IDC_HOTKEY_ALT);
        DialogDriver::Click(dialog, IDC_HOTKEY_CTRL);
        DialogDriver::Click(dialog, IDOK);
    });
    DWORD value = 0;
    EXPECT_TRUE(companionkey::Number(kSuiteKey, "GammaUpHotKey", value));
    EXPECT_EQ(value, 0x30051u);
    EXPECT_FALSE(companionkey::Number(kSuiteKey, "GammaDownHotKey", value)) << "Pellam's default again";

    // Leaving without "Done" keeps the function being edited as it was.
    Run<HotKeyDialog>([&](HWND dialog) {
        DialogDriver::Click(dialog, IDC_HOTKEY_SHIFT);
        DialogDriver::Click(dialog, IDCANCEL);
    });
    EXPECT_TRUE(companionkey::Number(kSuiteKey, "GammaUpHotKey", value));
    EXPECT_EQ(value, 0x30051u);
}

}  // namespace
