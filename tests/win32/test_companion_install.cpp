// The first run installs the companion: a stand-in Pellam (the companion
// fixture) is closed before its files are replaced and started again from the
// system directory; the Startup shortcut is read back through the shell.
#include "companion_install.h"
#include "companion_key.h"
#include "companion_settings.h"
#include "main_window_fixture.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <shobjidl.h>

#include <cctype>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string FixtureLog() {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "companion_fixture.log";
}

Lines LogLines() {
    std::ifstream in(FixtureLog());
    Lines lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string StartupShortcut() {
    char folder[MAX_PATH] = "";
    if (!::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, FALSE)) return "";
    return std::string(folder) + "\\Pellam.lnk";
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Stops whatever stand-in runs, and removes what an installation leaves.
void Uninstall() {
    for (int i = 0; i < 3 && ::FindWindowA(pellam::kWindowClass, pellam::kWindowTitle); ++i) {
        ::PostMessageA(::FindWindowA(pellam::kWindowClass, pellam::kWindowTitle), WM_CLOSE, 0, 0);
        WaitForCompanionToEnd(10000);
    }
    ::DeleteFileA(InstalledCompanionFile("Pellam.exe").c_str());
    ::DeleteFileA(InstalledCompanionFile("Pellam.dll").c_str());
    ::DeleteFileA(StartupShortcut().c_str());
    ::DeleteFileA(FixtureLog().c_str());
    ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, pellam::kSuiteKey);
    companionkey::Remove();
}

class CompanionInstall : public MainWindowFixture {
protected:
    void SetUp() override {
        Uninstall();
        MainWindowFixture::SetUp();
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        Uninstall();
    }
    // The program folder as shipped: the stand-in as Pellam.exe, and a
    // Pellam.dll unless 'withLibrary' is false.
    void ShipCompanion(bool withLibrary = true) {
        ASSERT_TRUE(::CopyFileA(Fixture().c_str(), "Pellam.exe", FALSE));
        if (withLibrary) {
            ASSERT_TRUE(::CopyFileA(Fixture().c_str(), "Pellam.dll", FALSE));
        }
    }
    static std::string Fixture() { return testsupport::TestBinFolder() + "\\companion_fixture.exe"; }
    static HWND WaitForCompanion() {
        HWND found = nullptr;
        testsupport::PumpUntil(
            [&] { return (found = ::FindWindowA(pellam::kWindowClass, pellam::kWindowTitle)) != nullptr; },
            20000);
        return found;
    }
    RecordingPrompt prompt_;
};

TEST_F(CompanionInstall, TheFirstRunClosesTheRunningCompanionCopiesAndStartsIt) {
    ShipCompanion();
    testsupport::ChildProcess running;
    ASSERT_TRUE(running.Start(Fixture(), ""));
    ASSERT_NE(WaitForCompanion(), nullptr);
    companionkey::SetText(pellam::kSuiteKey, "LogoBitmap", "logo.bmp");
    ::SHSetValueA(HKEY_LOCAL_MACHINE, pellam::kSuiteKey, "LogoBitmap", REG_SZ, "m.bmp", 6);
    ::SHSetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Refresh",
                  REG_SZ, "old", 4);

    OpenWithLayout(nullptr);
    EXPECT_TRUE(prompt_.asked.empty()) << prompt_.asked[0].text;
    EXPECT_EQ(running.WaitForExit(0), 0) << "ended before the copies";
    EXPECT_TRUE(FileExists(InstalledCompanionFile("Pellam.exe")));
    EXPECT_TRUE(FileExists(InstalledCompanionFile("Pellam.dll")));
    ASSERT_NE(WaitForCompanion(), nullptr) << "started again";
    testsupport::PumpUntil([] { return LogLines().size() >= 3; }, 10000);
    Lines log = LogLines();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].rfind("start ", 0), 0u);
    EXPECT_EQ(log[1], "close 0") << "closed before its files were copied";
    EXPECT_EQ(Lower(log[2]), Lower("start " + InstalledCompanionFile("Pellam.exe")));

    EXPECT_EQ(companionkey::Text(pellam::kSuiteKey, "LogoBitmap"), "");
    char machine[16] = "x";
    DWORD size = sizeof machine;
    EXPECT_EQ(::SHGetValueA(HKEY_LOCAL_MACHINE, pellam::kSuiteKey, "LogoBitmap", nullptr, machine, &size),
              DWORD(ERROR_SUCCESS));
    EXPECT_STREQ(machine, "");
    EXPECT_NE(::SHGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                            "Refresh", nullptr, nullptr, nullptr),
              DWORD(ERROR_SUCCESS));

    // The shortcut, as the shell reads it.
    IShellLinkA* link = nullptr;
    ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IShellLinkA, reinterpret_cast<void**>(&link))));
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    WCHAR path[MAX_PATH] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, StartupShortcut().c_str(), -1, path, MAX_PATH);
    EXPECT_TRUE(SUCCEEDED(file->Load(path, STGM_READ))) << StartupShortcut();
    char target[MAX_PATH] = "", description[MAX_PATH] = "";
    link->GetPath(target, MAX_PATH, nullptr, 0);
    link->GetDescription(description, MAX_PATH);
    file->Release();
    link->Release();
    EXPECT_EQ(Lower(target), Lower(InstalledCompanionFile("Pellam.exe")));
    EXPECT_STREQ(description, "Pellam. Needed for Quillon.");

    // Installing again while the installed copy runs: it is waited for, so
    // its own file can be replaced.
    OpenWithLayout(nullptr);
    EXPECT_TRUE(prompt_.asked.empty()) << prompt_.asked[0].text;
    testsupport::PumpUntil([] { return LogLines().size() >= 5; }, 20000);
    log = LogLines();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[3], "close 1");
    EXPECT_EQ(log[4].rfind("start ", 0), 0u);
}

TEST_F(CompanionInstall, ALaterRunLeavesTheCompanionAlone) {
    ShipCompanion();
    ReopenWindow();  // from the Tabs.stream the first window saved
    EXPECT_FALSE(FileExists(InstalledCompanionFile("Pellam.exe")));
    EXPECT_FALSE(FileExists(StartupShortcut()));
    EXPECT_EQ(::FindWindowA(pellam::kWindowClass, pellam::kWindowTitle), nullptr);
    EXPECT_FALSE(companionkey::Exists(pellam::kSuiteKey));
}

TEST_F(CompanionInstall, AFailedCopyIsReportedAndTheRestIsStillDone) {
    ShipCompanion(false);
    OpenWithLayout(nullptr);
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].text,
              "Pellam couldn't be properly installed, you need to have write access to the "
              "system directory.\nYou could try to manually copy the Pellam.exe and Pellam.dll "
              "files to the system directory.");
    EXPECT_EQ(prompt_.asked[0].caption, "Error");
    EXPECT_EQ(prompt_.asked[0].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(FileExists(StartupShortcut()));
    EXPECT_NE(WaitForCompanion(), nullptr) << "the copied Pellam.exe is started";
}

// Pellam.dll stays mapped into programs after Pellam ends, so the copy over
// it is refused; when the file in use is the shipped one, nothing is wrong.
TEST_F(CompanionInstall, AnInstalledFileInUseCountsAsInstalledOnlyWhenItIsTheSame) {
    ShipCompanion();
    for (bool same : {true, false}) {
        std::string installed = InstalledCompanionFile("Pellam.dll");
        ASSERT_TRUE(::CopyFileA(same ? "Pellam.dll" : "Pellam.exe", installed.c_str(), FALSE));
        if (!same) {
            std::ofstream(installed, std::ios::app) << "an older build";
        }
        HANDLE inUse = ::CreateFileA(installed.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
        prompt_.asked.clear();
        OpenWithLayout(nullptr);
        ::CloseHandle(inUse);
        EXPECT_EQ(prompt_.asked.size(), same ? 0u : 1u) << (same ? "the same file" : "another file");
        Uninstall();
    }
}

}  // namespace
