// Auto-profiles from end to end: a game paired with a profile in Quillon's
// "Autoprofiles" dialog gets that profile applied by the hook library, through
// Pellam and Quillon's command line, before the game goes on; with "Undo the
// profile when the game ends" its values are given back when it ends.
#include "auto_profile_dialog_res.h"
#include "byte_io.h"
#include "category_record.h"
#include "companion_key.h"
#include "companion_settings.h"
#include "dialog_driver.h"
#include "file.h"
#include "hook_session.h"
#include "main_window_fixture.h"
#include "resource.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {

using namespace hooktest;

const char kProfileKey[] = "Software\\QuillonTest\\AutoProfile";

DWORD StoredNumber() {
    DWORD value = 0;
    companionkey::Number(kProfileKey, "Applied", value);
    return value;
}

// A profile that sets "Applied" to 7.
std::vector<uint8_t> GameProfile() {
    quillon::ByteWriter out;
    out.WriteU32(1);  // format
    out.WriteU32(1);  // one category
    quillon::CategoryValuesRecord record;
    record.key.root = 0x80000001u;  // HKEY_CURRENT_USER
    record.key.subKey = kProfileKey;
    quillon::SettingValueRecord value;
    value.present = true;
    value.valueName = "Applied";
    value.type = quillon::kSettingTypeDWord;
    value.dwordValue = 7;
    record.values.push_back(value);
    quillon::WriteCategoryValues(out, record);
    return out.TakeBytes();
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(AutoProfiles, AGamePairedInTheDialogHasItsProfileAppliedBeforeItGoesOnAndUndoneAtItsEnd) {
    HookSession session;
    programkey::Prepare();
    ProgramCopy program;
    ::CreateDirectoryA((program.folder() + "\\Profiles").c_str(), nullptr);
    ASSERT_TRUE(winlib::CFile::WriteReplacing(program.folder() + "\\Profiles\\Game.qlp", GameProfile()));
    companionkey::SetNumber(kProfileKey, "Applied", 1);

    // The user pairs the game with "Game" in the running program's dialog.
    testsupport::ChildProcess quillon;
    ASSERT_TRUE(quillon.Start(program.exe(), "", program.folder()));
    HWND window = testsupport::WaitForWindow("Quillon - v1.1", quillon.Id(), 120000);
    ASSERT_NE(window, nullptr);
    ::PostMessageA(window, WM_COMMAND, ID_PROFILES_AUTOPROFILES, 0);
    HWND dialog = testsupport::WaitForWindow("Autoprofiles", quillon.Id(), 30000);
    ASSERT_NE(dialog, nullptr);
    // Shown once its controls are filled.
    ASSERT_TRUE(testsupport::PumpUntil([&] { return ::IsWindowVisible(dialog) != FALSE; }, 30000));
    ASSERT_EQ(::SendDlgItemMessageA(dialog, IDC_AUTO_PROFILE, CB_GETCOUNT, 0, 0), 1);
    DialogDriver::Select(dialog, IDC_AUTO_PROFILE, 0);
    DialogDriver::SetText(dialog, IDC_AUTO_EXECUTABLE, "hook_game.exe");
    ::CheckDlgButton(dialog, IDC_AUTO_UNDO, BST_CHECKED);
    DialogDriver::Click(dialog, IDC_AUTO_ADD);
    DWORD undo = 0;
    EXPECT_TRUE(companionkey::Number(pellam::kGameProfileUndoKey, "hook_game.exe", undo) && undo == 1);
    EXPECT_EQ(companionkey::Text(pellam::kGameProfileKey, "hook_game.exe"),
              "\"" + program.exe() + "\" Profile=\"Game\"");
    DialogDriver::Click(dialog, IDOK);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(quillon.WaitForExit(60000), 0);
    EXPECT_EQ(StoredNumber(), 1u) << "nothing applied yet";

    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.StartGame("hook_game.exe")) << PellamHarness::Log();
    EXPECT_EQ(StoredNumber(), 7u) << "applied before the game's first message came back\n"
                                  << PellamHarness::Log();
    EXPECT_EQ(session.CloseGame(), 0);
    EXPECT_TRUE(testsupport::PumpUntil([] { return StoredNumber() == 1; }, 60000))
        << "given back when the game ended\n" << PellamHarness::Log();

    // Killed: given back all the same.
    const std::string undone = "(undo-game \"hook_game.exe\") completed.";
    ASSERT_TRUE(session.StartGame("hook_game.exe"));
    EXPECT_EQ(StoredNumber(), 7u);
    HANDLE game = ::OpenProcess(PROCESS_TERMINATE, FALSE, session.game.Id());
    ASSERT_TRUE(game && ::TerminateProcess(game, 9));
    ::CloseHandle(game);
    EXPECT_TRUE(testsupport::PumpUntil([] { return StoredNumber() == 1; }, 60000)) << PellamHarness::Log();

    // A value something else changed while the game ran keeps that change.
    size_t undos = Count(PellamHarness::Log(), undone);
    ASSERT_TRUE(session.StartGame("hook_game.exe"));
    companionkey::SetNumber(kProfileKey, "Applied", 9);
    EXPECT_EQ(session.CloseGame(), 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return Count(PellamHarness::Log(), undone) > undos; }, 60000))
        << PellamHarness::Log();
    EXPECT_EQ(StoredNumber(), 9u);
    EXPECT_EQ(session.pellam.Stop(), 0);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuillonTest");
}

}  // namespace
