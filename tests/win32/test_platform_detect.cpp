// Platform identification: the card dialog, the remembered card, the choice
// of display device, and detection on the machine the tests run on.
#include "dialog_driver.h"
#include "platform_detect.h"
#include "platform_names.h"
#include "reg_key.h"
#include "select_card_dialog.h"
#include "select_card_dialog_res.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

// HKLM\SOFTWARE\Quillon "GraphicCard": cleared for the test, put back after.
class RememberedCard {
public:
    RememberedCard() : saved_(Value()) { Store(-1); }
    ~RememberedCard() { Store(saved_); }
    // -1 when absent.
    static long Value() {
        RegKey key;
        DWORD type = 0, value = 0, size = sizeof value;
        key.Open(HKEY_LOCAL_MACHINE, kQuillonKey);
        bool found = ::RegQueryValueExA(key.handle(), kRememberedCardValue, nullptr, &type,
                                        reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS;
        return found && type == REG_DWORD ? static_cast<long>(value) : -1;
    }
    // -1 deletes the value.
    static void Store(long value, DWORD type = REG_DWORD) {
        RegKey key;
        key.Create(HKEY_LOCAL_MACHINE, kQuillonKey);
        DWORD data = static_cast<DWORD>(value);
        if (value < 0)
            ::RegDeleteValueA(key.handle(), kRememberedCardValue);
        else
            ::RegSetValueExA(key.handle(), kRememberedCardValue, 0, type,
                             reinterpret_cast<const BYTE*>(&data), sizeof data);
    }

private:
    long saved_;
};

// Presses the mouse on a list item, as the user does, then a button; Cancel
// when OK stayed disabled, so the dialog cannot hang the test.
DialogDriver::Step Choose(int index, int button) {
    return [index, button](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, IDC_CARD_LIST);
        RECT item{};
        ::SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageA(list, WM_LBUTTONUP, 0, at);
        bool okEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) != FALSE;
        DialogDriver::Click(dialog, okEnabled ? button : IDCANCEL);
    };
}

TEST(SelectCardDialog, ListsTheCardsAndRemembersOnlyAnAcceptedChoice) {
    RememberedCard remembered;
    DialogDriver driver;
    std::vector<std::string> names;
    bool okAtStart = true;
    driver.Then([&](HWND dialog) {
        okAtStart = ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) != FALSE;
        for (int i = 0; i < ::SendDlgItemMessageA(dialog, IDC_CARD_LIST, LB_GETCOUNT, 0, 0); ++i) {
            char text[64] = "";
            ::SendDlgItemMessageA(dialog, IDC_CARD_LIST, LB_GETTEXT, i,
                                  reinterpret_cast<LPARAM>(text));
            names.push_back(text);
        }
        Choose(1, IDCANCEL)(dialog);
    });
    SelectCardDialog cancelled(nullptr);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_FALSE(okAtStart);
    EXPECT_EQ(names, std::vector<std::string>(kCardNames, kCardNames + kCardCount));
    EXPECT_EQ(cancelled.card, 0);
    EXPECT_EQ(RememberedCard::Value(), -1);

    driver.Then(Choose(5, IDOK));
    SelectCardDialog accepted(nullptr);
    EXPECT_EQ(accepted.DoModal(), IDOK);
    EXPECT_EQ(accepted.card, 32) << "GeForce 3";
    EXPECT_EQ(RememberedCard::Value(), 32);
}

TEST(RememberedCard, UsedForgottenOrAskedFor) {
    RememberedCard remembered;
    DialogDriver driver;
    // A bare "Voodoo" names the vendor but no card: the remembered card wins.
    RememberedCard::Store(32);
    PlatformInfo unknown;
    unknown.cardVendor = 4;
    ResolveRememberedCard(unknown, nullptr);
    EXPECT_EQ(unknown.card, 32);
    EXPECT_EQ(unknown.cardVendor, 2);

    PlatformInfo recognised;
    recognised.card = 4;
    recognised.cardVendor = 1;
    ResolveRememberedCard(recognised, nullptr);
    EXPECT_EQ(recognised.card, 4);
    EXPECT_EQ(RememberedCard::Value(), -1) << "a recognised card drops the remembered one";
    EXPECT_EQ(driver.dialogsSeen(), 0);

    driver.Then(Choose(2, IDOK));
    PlatformInfo asked;
    ResolveRememberedCard(asked, nullptr);
    EXPECT_EQ(driver.dialogsSeen(), 1);
    EXPECT_EQ(asked.card, 4) << "Radeon 8500";
    EXPECT_EQ(asked.cardVendor, 1);
    EXPECT_EQ(RememberedCard::Value(), 4);

    // A value of another type cannot be read: the user is asked again.
    RememberedCard::Store(32, REG_BINARY);
    driver.Then([](HWND dialog) { DialogDriver::Click(dialog, IDCANCEL); });
    PlatformInfo cancelled;
    ResolveRememberedCard(cancelled, nullptr);
    EXPECT_EQ(driver.dialogsSeen(), 2);
    EXPECT_EQ(cancelled.card, 0);
    EXPECT_EQ(cancelled.cardVendor, 0);
}

TEST(DisplayDevices, OnlyThePrimaryDeviceIsExamined) {
    std::vector<std::pair<std::string, DWORD>> devices;
    std::vector<DWORD> asked;
    auto enumerate = [&](DWORD index, DISPLAY_DEVICEA& device) {
        asked.push_back(index);
        EXPECT_EQ(device.cb, 168u);
        if (index >= devices.size()) return false;
        const std::string& text = devices[index].first;
        std::memcpy(device.DeviceString, text.data(),
                    std::min(text.size(), sizeof device.DeviceString));
        device.StateFlags = devices[index].second;
        return true;
    };
    devices = {{"GeForce 3", DISPLAY_DEVICE_ATTACHED_TO_DESKTOP},
               {"Radeon 7500", DISPLAY_DEVICE_PRIMARY_DEVICE | DISPLAY_DEVICE_ATTACHED_TO_DESKTOP},
               {"Voodoo 5", DISPLAY_DEVICE_PRIMARY_DEVICE}};
    CardId card = CardFromDisplayDevices(enumerate);
    EXPECT_EQ(card.card, 2);
    EXPECT_EQ(card.vendor, 1);
    EXPECT_EQ(asked, (std::vector<DWORD>{0, 1})) << "enumeration stops at the primary device";

    devices = {{"GeForce 3", 0}};
    EXPECT_EQ(CardFromDisplayDevices(enumerate).card, 0);

    // A full, unterminated device string: the flags after it spell "7500",
    // which must not be read as part of the name.
    devices = {{"RADEON" + std::string(122, ' '), 0x30303537}};
    EXPECT_EQ(CardFromDisplayDevices(enumerate).card, 1);
}

TEST(DetectPlatform, ReportsThisMachine) {
    // The host's processor, as Linux reports it.
    std::ifstream cpuinfo("Z:\\proc\\cpuinfo");
    std::string line, vendor;
    while (std::getline(cpuinfo, line) && (vendor.empty() || line.rfind("flags", 0) != 0))
        if (line.rfind("vendor_id", 0) == 0) vendor = line.substr(line.find(": ") + 2);
    bool hasTsc = (line + " ").find(" tsc ") != std::string::npos;
    if (vendor.empty()) GTEST_SKIP() << "no /proc/cpuinfo";

    RememberedCard remembered;
    RememberedCard::Store(64);
    DialogDriver driver;
    PlatformInfo info = DetectPlatform(nullptr);
    EXPECT_EQ(driver.dialogsSeen(), 0);
    EXPECT_EQ(info.cpuVendor, CpuVendorFromText(vendor)) << vendor;
    if (hasTsc) {
        EXPECT_GT(info.cpuMhz, 0);
        EXPECT_LT(info.cpuMhz, 20000);
    }
    EXPECT_EQ(info.osFamily, 1) << "a fresh prefix reports an NT version";
    EXPECT_NE(info.os, 0) << "Wine's own Windows version has a name";
    int32_t detected = DetectCard().card;
    EXPECT_EQ(info.card, detected ? detected : 64);
    EXPECT_EQ(info.cardVendor, CardVendorFromCard(info.card));
}

TEST(DetectPlatform, EachWindowsVersionMapsToItsFamily) {
    RememberedCard remembered;
    RememberedCard::Store(32);  // the helper must not need the card dialog
    // Wine's version for this one program; removed afterwards.
    const std::string wineKey = "Software\\Wine\\AppDefaults\\platform_report.exe";
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    std::string output = std::string(temp) + "platform_report.txt";
    struct Case {
        std::string version;
        int os, osFamily;
    };
    for (const Case& c : {Case{"winxp", 8, 1}, Case{"win98", 1, 2}, Case{"win2k", 4, 1},
                          Case{"vista", 16, 1}, Case{"win7", 32, 1}, Case{"win81", 64, 1},
                          Case{"win10", 128, 1}, Case{"win11", 256, 1}}) {
        SCOPED_TRACE(c.version);
        RegKey key;
        key.Create(HKEY_CURRENT_USER, wineKey);
        ::RegSetValueExA(key.handle(), "Version", 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(c.version.c_str()),
                         static_cast<DWORD>(c.version.size() + 1));
        ::DeleteFileA(output.c_str());
        testsupport::ChildProcess child;
        ASSERT_TRUE(child.Start(testsupport::TestBinFolder() + "\\platform_report.exe",
                                "\"" + output + "\""));
        EXPECT_EQ(child.WaitForExit(30000), 0);
        std::ifstream report(output);
        int os = -1, osFamily = -1, card = -1, cardVendor = -1;
        std::string version;
        report >> os >> osFamily >> card >> cardVendor >> version;
        EXPECT_EQ(os, c.os) << version;
        EXPECT_EQ(osFamily, c.osFamily) << version;
        EXPECT_EQ(cardVendor, CardVendorFromCard(card));
    }
    ::RegDeleteKeyA(HKEY_CURRENT_USER, wineKey.c_str());
    ::DeleteFileA(output.c_str());
}

}  // namespace
