// Clockwork_Tab.dll through the program's plug-in host, on a frame that
// presents the card, against the simulated r6probe driver: what the page
// reads, what "Apply" writes (read back through the device), the saved
// settings, another card, no driver and the driver installation offer.
#include "dialog_driver.h"
#include "page_frame.h"
#include "r6probe_service.h"
#include "tab_plugin.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

const char kSuiteKey[] = "Software\\Pellam Suite";
const char kOverclockerKey[] = "Software\\Pellam Suite\\ATI Radeon Overclocker";
const char kOptionsKey[] = "SOFTWARE\\Quillon\\Plugins\\Radeon overclocking";
const int kSaveButton = 7023;  // "Redraw screen" has the same ID

// A frame that reports a card and the NT family, as the main window does.
class CardFrame : public PageFrame {
public:
    explicit CardFrame(int32_t card) : PageFrame("clockwork host"), card_(card) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == UM_GETPLATFORM) {
            int32_t record[6] = {2, 1000, 1, card_, 8, 1};
            std::memcpy(reinterpret_cast<void*>(lParam), record, std::min<size_t>(wParam, sizeof record));
            return 0;
        }
        return PageFrame::WindowProc(message, wParam, lParam);
    }

private:
    int32_t card_;
};

std::string Text(HKEY root, const char* key, const char* name) {
    char value[300] = "";
    DWORD size = sizeof value;
    if (::RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return "(none)";
    return value;
}

DWORD Number(HKEY root, const char* key, const char* name) {
    DWORD value = 0xDEAD, size = sizeof value;
    ::RegGetValueA(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

// The child of 'parent' with this ID and caption (two buttons share an ID).
HWND Child(HWND parent, int id, const char* caption = nullptr) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char text[64] = "";
        ::GetWindowTextA(child, text, sizeof text);
        if (::GetDlgCtrlID(child) == id && (!caption || std::strcmp(text, caption) == 0)) return child;
    }
    return nullptr;
}

class ClockworkTab : public testing::Test {
protected:
    void SetUp() override {
        dll_ = testsupport::WindowsPathFromEnvironment("CLOCKWORK_TAB_DLL");
        ASSERT_FALSE(dll_.empty()) << "CLOCKWORK_TAB_DLL is not set";
        std::string error;
        ASSERT_TRUE(testsupport::StartSimulatedR6probe(
            testsupport::WindowsPathFromEnvironment("R6PROBE_SYS"), error)) << error;
        ASSERT_TRUE(testsupport::R6probeDevice().ResetCard());
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kSuiteKey);
        ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, kOptionsKey);
    }
    void Load(int32_t card = 1) {
        frame_ = std::make_unique<CardFrame>(card);
        frame_->ShowWindow(SW_SHOW);
        host_.m_hWnd = frame_->m_hWnd;
        plugin_ = std::make_unique<TabPlugin>(dll_, &host_);
        if (!plugin_->IsValid()) return;
        plugin_->Show();
        plugin_->Resize();
        page_ = ::GetDlgItem(frame_->m_hWnd, 0xFFFF);
    }
    HWND Control(int id, const char* caption = nullptr) const {
        HWND found = Child(page_, id, caption);
        for (int box : {7014, 7020, 7021})
            if (!found) found = Child(Child(page_, box), id, caption);
        return found;
    }
    int Position(int slider) const { return static_cast<int>(::SendMessageA(Control(slider), TBM_GETPOS, 0, 0)); }
    // Moves a slider as the user drags it: the container hears of it.
    void Slide(int slider, int position) {
        ::SendMessageA(Control(slider), TBM_SETPOS, TRUE, position);
        ::SendMessageA(page_, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(Control(slider)));
    }
    void Click(int id, const char* caption = nullptr) { ::SendMessageA(Control(id, caption), BM_CLICK, 0, 0); }
    void Pick(int list, int item) {
        ::SendMessageA(Control(list), CB_SETCURSEL, item, 0);
        ::SendMessageA(::GetParent(Control(list)), WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Control(list)));
    }
    int Selected(int list) const { return static_cast<int>(::SendMessageA(Control(list), CB_GETCURSEL, 0, 0)); }
    std::string Status() const { return frame_->statusTexts.empty() ? "" : frame_->statusTexts.back(); }
    void Unload() {
        plugin_.reset();
        frame_.reset();
    }

    std::string dll_;
    std::unique_ptr<CardFrame> frame_;
    QuillonHostWindow host_{};
    std::unique_ptr<TabPlugin> plugin_;
    HWND page_ = nullptr;
};

TEST_F(ClockworkTab, ReadsTheCardIntoTheControls) {
    Load();
    ASSERT_TRUE(plugin_->IsValid());
    EXPECT_EQ(plugin_->GetName(), "Radeon overclocking");
    EXPECT_EQ(::GetProcAddress(::GetModuleHandleA("Clockwork_Tab.dll"), "ExportedInterface"), nullptr);
    for (int slider : {7011, 7010}) {
        EXPECT_EQ(Position(slider), 167) << "166.5 MHz";
        EXPECT_EQ(::SendMessageA(Control(slider), TBM_GETSELSTART, 0, 0), 199) << "120% of 166";
        EXPECT_EQ(::SendMessageA(Control(slider), TBM_GETSELEND, 0, 0), 260);
    }
    EXPECT_EQ(::SendMessageA(Control(7013), BM_GETCHECK, 0, 0), BST_CHECKED) << "synchronous";
    EXPECT_EQ(Selected(7018), 1) << "latency Medium";
    EXPECT_EQ(Selected(7019), 1) << "timings Medium";
    EXPECT_FALSE(::IsWindowEnabled(Control(7012))) << "Apply";
    EXPECT_EQ(Status(), "Core: 166.50 MHz, Mem: 166.50 MHz (Default: 166 MHz)     No saved settings.");
}

TEST_F(ClockworkTab, ApplyWritesTheDividersAt250AndNothingAt251) {
    Load();
    ASSERT_TRUE(plugin_->IsValid());
    Slide(7011, 200);
    EXPECT_EQ(Position(7010), 200) << "synchronous: the memory follows the core";
    Slide(7011, 251);
    Click(7012);
    testsupport::R6probeDevice device;
    uint32_t pll10 = 0, value = 0;
    ASSERT_TRUE(device.ReadPll(10, pll10));
    EXPECT_EQ(pll10, (74u << 16) | (74u << 8) | 12u) << "251 MHz is never written";
    EXPECT_TRUE(::IsWindowEnabled(Control(7012)));

    Click(7016);  // "Set timing when I hit apply"
    Click(7017);  // "Set latency when I hit apply"
    Pick(7018, 0);
    Pick(7019, 2);
    Slide(7010, 250);
    EXPECT_EQ(Position(7011), 250);
    Click(7012);
    ASSERT_TRUE(device.ReadPll(10, pll10));
    EXPECT_EQ(pll10, (111u << 16) | (111u << 8) | 12u) << "floor(251.125 x 12 / 27)";
    ASSERT_TRUE(device.ReadPll(13, value));
    EXPECT_EQ(value & 0xF, 7u);
    ASSERT_TRUE(device.ReadRegister(0x154, value));
    EXPECT_EQ(value, 0x7FFFF1FFu) << "latency Fast";
    ASSERT_TRUE(device.ReadRegister(0x144, value));
    EXPECT_EQ(value, 0x1405256Au) << "timings Fast";
    EXPECT_FALSE(::IsWindowEnabled(Control(7012)));
    EXPECT_EQ(Status().rfind("Core: 249.75 MHz, Mem: 249.75 MHz", 0), 0u) << Status();

    Unload();
    EXPECT_EQ(Number(HKEY_LOCAL_MACHINE, kOptionsKey, "Set frequencies when I hit apply"), 1u);
    EXPECT_EQ(Number(HKEY_LOCAL_MACHINE, kOptionsKey, "Set timing when I hit apply"), 1u);
    EXPECT_EQ(Number(HKEY_LOCAL_MACHINE, kOptionsKey, "Set latency when I hit apply"), 1u);
}

TEST_F(ClockworkTab, SwitchingSyncOnMovesTheHigherSliderDown) {
    Load();
    ASSERT_TRUE(plugin_->IsValid());
    Click(7013);
    EXPECT_EQ(::SendMessageA(Control(7013), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Slide(7011, 200);
    Slide(7010, 183);
    EXPECT_EQ(Position(7011), 200) << "not synchronous";
    Click(7013);
    EXPECT_EQ(Position(7011), 183);
    EXPECT_EQ(Position(7010), 183);
    EXPECT_EQ(Status().rfind("Core: 183.00 MHz, Mem: 183.00 MHz", 0), 0u) << Status();
}

TEST_F(ClockworkTab, SavedSettingsAreShownStoredAndCleared) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kOverclockerKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &key, nullptr), ERROR_SUCCESS);
    ::RegSetValueExA(key, "CurrentSettings", 0, REG_SZ, reinterpret_cast<const BYTE*>("183 166 1 1"), 12);
    ::RegCloseKey(key);
    Load();
    ASSERT_TRUE(plugin_->IsValid());
    EXPECT_EQ(Status(), "Core: 166.50 MHz, Mem: 166.50 MHz (Default: 166 MHz)     "
                        "Saved settings: 183.00 MHz/166.00 MHz");

    Click(7013);
    Slide(7011, 200);  // both clocks are the sliders' positions now
    Click(7017);       // latency kept, timings not
    Click(kSaveButton, "Save settings");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kOverclockerKey, "CurrentSettings"), "200 167 1 -1");
    EXPECT_EQ(Number(HKEY_CURRENT_USER, kSuiteKey, "DoRadeonOverclocking"), 1u);
    EXPECT_EQ(Status().substr(Status().find("     ")), "     Saved settings: 200.00 MHz/167.00 MHz");

    Click(7024);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kOverclockerKey, "CurrentSettings"), "(none)");
    EXPECT_EQ(Number(HKEY_CURRENT_USER, kSuiteKey, "DoRadeonOverclocking"), 0u);
    EXPECT_EQ(Status().substr(Status().find("     ")), "     No saved settings.");
}

TEST_F(ClockworkTab, AnotherCardGivesALoadError) {
    for (int32_t card : {0, 2, 4, 8}) {
        Load(card);
        EXPECT_FALSE(plugin_->IsValid()) << card;
        EXPECT_EQ(plugin_->GetErrorText(), "Load error");
        Unload();
    }
    HKEY options = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kOptionsKey, 0, KEY_READ, &options), ERROR_SUCCESS)
        << "no options stored by a page that was never made";
}

TEST_F(ClockworkTab, WithoutTheDriverTheStatusSaysSo) {
    std::string error;
    ASSERT_TRUE(testsupport::StopSimulatedR6probe(false, error)) << error;
    Load();
    EXPECT_TRUE(plugin_->IsValid());
    EXPECT_EQ(Status(), "Unable to connect to r6probe :(");
    Unload();
    ASSERT_TRUE(testsupport::StartSimulatedR6probe(
        testsupport::WindowsPathFromEnvironment("R6PROBE_SYS"), error)) << error;
}

TEST_F(ClockworkTab, OnNtWithoutTheServiceItOffersTheInstallation) {
    std::string error;
    ASSERT_TRUE(testsupport::StopSimulatedR6probe(true, error)) << error;
    char system[MAX_PATH] = "";
    ::GetSystemDirectoryA(system, MAX_PATH);
    std::string installed = std::string(system) + "\\drivers\\r6probe.sys";
    ::DeleteFileA(installed.c_str());
    // The tab copies the driver from the working folder.
    ::SetCurrentDirectoryA(testsupport::TestBinFolder().c_str());
    std::string question, answer;
    {
        DialogDriver dialogs;
        dialogs.Then([&](HWND box) {
            question = DialogDriver::Caption(box) + "|" + DialogDriver::Text(box, 0xFFFF);
            DialogDriver::Click(box, IDYES);
        });
        dialogs.Then([&](HWND box) {
            answer = DialogDriver::Caption(box) + "|" + DialogDriver::Text(box, 0xFFFF);
            DialogDriver::Click(box, IDOK);
        });
        Load();
    }
    EXPECT_EQ(question, "Install|To make overclocking possible the r6probe.sys file needs to be "
                        "installed and a few registry keys set.\nDo you want to do that now?");
    EXPECT_EQ(answer, "Installation successful|Installation successful!\nThe system needs to be "
                      "rebooted before you can use overclocking.");
    const char* service = "SYSTEM\\CurrentControlSet\\Services\\r6probe";
    EXPECT_EQ(Number(HKEY_LOCAL_MACHINE, service, "Start"), 2u) << "at boot";
    EXPECT_EQ(Number(HKEY_LOCAL_MACHINE, service, "Type"), 1u) << "kernel driver";
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, service, "ImagePath"), "\\SystemRoot\\System32\\Drivers\\r6probe.sys");
    EXPECT_NE(::GetFileAttributesA(installed.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(plugin_->IsValid());
    EXPECT_FALSE(::IsWindowEnabled(Control(7011))) << "disabled until a restart";
    Unload();
}

}  // namespace

namespace {

// Run by driver_boot_test.sh after the installation offer and a restart of
// Wine: the service the tab wrote starts at boot and the device answers.
TEST(ClockworkDriverBoot, TheInstalledServiceStartsAtBoot) {
    if (::GetEnvironmentVariableA("CLOCKWORK_AFTER_BOOT", nullptr, 0) == 0)
        GTEST_SKIP() << "only after the installation and a restart of Wine";
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\r6probe", "ImagePath"),
              "\\SystemRoot\\System32\\Drivers\\r6probe.sys");
    bool opened = testsupport::PumpUntil([] { return testsupport::R6probeDevice().IsOpen(); }, 60000);
    ASSERT_TRUE(opened);
    uint32_t pll10 = 0;
    EXPECT_TRUE(testsupport::R6probeDevice().ReadPll(10, pll10));
    EXPECT_EQ(pll10 & 0xFF, 12u);
}

}  // namespace
