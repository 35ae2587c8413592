// Quillon on 64-bit Windows, run in a prefix of 64-bit Wine where this
// 32-bit program lives under WOW64: a category's key reaches the registry a
// 64-bit driver reads, not the WOW6432Node copy 32-bit programs are shown,
// and the Radeon tab says its 32-bit driver cannot run instead of offering it.
#include "category_record.h"
#include "dialog_driver.h"
#include "page_frame.h"
#include "tab_plugin.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

const char kKey[] = "SOFTWARE\\Quillon WOW64 test";

// What 64-bit reg.exe reports for the value: a 64-bit program's view.
// "sysnative" takes a 32-bit program to the 64-bit system folder.
std::string QueryWith64BitReg(const std::string& valueName) {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    std::string output = std::string(temp) + "wow64_reg_query.txt";
    std::string command = "/c C:\\windows\\sysnative\\reg.exe query \"HKLM\\" + std::string(kKey) +
                          "\" /v " + valueName + " > \"" + output + "\"";
    testsupport::ChildProcess child;
    char system[MAX_PATH] = "";
    ::GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_TRUE(child.Start(std::string(system) + "\\cmd.exe", command));
    EXPECT_EQ(child.WaitForExit(60000), 0) << "reg.exe query failed";
    std::ifstream in(output);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ::DeleteFileA(output.c_str());
    return text;
}

bool ValueInView(REGSAM view, const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
        return false;
    bool found = ::RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return found;
}

std::vector<uint8_t> ProfileSettingSpeed(DWORD speed) {
    quillon::CategoryValuesRecord record;
    record.key.root = 0x80000002u;  // HKEY_LOCAL_MACHINE
    record.key.subKey = kKey;
    quillon::SettingValueRecord value;
    value.type = quillon::kSettingTypeDWord;
    value.present = true;
    value.valueName = "Speed";
    value.dwordValue = speed;
    record.values.push_back(value);
    quillon::ByteWriter out;
    out.WriteU32(1);
    out.WriteU32(1);
    EXPECT_TRUE(quillon::WriteCategoryValues(out, record));
    return out.TakeBytes();
}

TEST(Wow64, AProfileWritesTheValueA64BitProgramReads) {
    // The category's key exists where the driver keeps it, in the 64-bit view.
    HKEY created = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                                nullptr, &created, nullptr), ERROR_SUCCESS);
    ::RegCloseKey(created);

    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "quillon_wow64";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    std::string exe = folder + "\\Quillon.exe";
    ASSERT_TRUE(::CopyFileA(testsupport::WindowsPathFromEnvironment("QUILLON_EXE").c_str(), exe.c_str(),
                            FALSE));
    ::CreateDirectoryA((folder + "\\Profiles").c_str(), nullptr);
    std::vector<uint8_t> bytes = ProfileSettingSpeed(77);
    std::ofstream(folder + "\\Profiles\\Wide.qlp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

    testsupport::ChildProcess quillon;
    ASSERT_TRUE(quillon.Start(exe, "Profile=Wide", folder));
    EXPECT_EQ(quillon.WaitForExit(120000), 0);

    std::string reported = QueryWith64BitReg("Speed");
    EXPECT_NE(reported.find("0x4d"), std::string::npos) << reported;
    EXPECT_FALSE(ValueInView(KEY_WOW64_32KEY, "Speed")) << "written to WOW6432Node";
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, &key) == ERROR_SUCCESS) {
        ::RegDeleteValueA(key, "Speed");
        ::RegCloseKey(key);
    }
}

// A frame that reports a plain Radeon on the NT family, as the main window does.
class RadeonFrame : public PageFrame {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == UM_GETPLATFORM) {
            int32_t record[6] = {2, 1000, 1, 1, 128, 1};
            std::memcpy(reinterpret_cast<void*>(lParam), record, std::min<size_t>(wParam, sizeof record));
            return 0;
        }
        return PageFrame::WindowProc(message, wParam, lParam);
    }
};

TEST(Wow64, TheRadeonTabSaysItsDriverCannotRunInsteadOfOfferingIt) {
    RadeonFrame frame;
    QuillonHostWindow host{};
    host.m_hWnd = frame.m_hWnd;
    std::vector<std::string> boxes;
    {
        DialogDriver dialogs;
        dialogs.Then([&](HWND box) {
            boxes.push_back(DialogDriver::Caption(box) + "|" + DialogDriver::Text(box, 0xFFFF));
            DialogDriver::Click(box, IDOK);
        });
        TabPlugin plugin(testsupport::WindowsPathFromEnvironment("CLOCKWORK_TAB_DLL"), &host);
        EXPECT_TRUE(plugin.IsValid());
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Radeon overclocking|This is 64-bit Windows. The r6probe driver is a 32-bit kernel "
                        "driver, which 64-bit Windows cannot load, so the clocks cannot be read or set here.");
    HKEY service = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\r6probe", 0,
                              KEY_QUERY_VALUE, &service), ERROR_SUCCESS) << "no service was written";
}

}  // namespace
