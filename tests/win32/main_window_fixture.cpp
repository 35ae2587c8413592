#include "main_window_fixture.h"

#include "byte_io.h"
#include "file.h"
#include "setting_list.h"
#include "test_support.h"

#include <shellapi.h>

namespace {
const char kProgramKey[] = "SOFTWARE\\Quillon";
}

namespace programkey {

void SetDWord(const char* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof value);
    ::RegCloseKey(key);
}

bool GetDWord(const char* name, DWORD& value) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0, size = sizeof value;
    bool found = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                    &size) == ERROR_SUCCESS &&
                 type == REG_DWORD;
    ::RegCloseKey(key);
    return found;
}

void Delete(const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(key, name);
    ::RegCloseKey(key);
}

void Prepare() {
    for (const char* name :
         {"MainWindowLeft", "MainWindowRight", "MainWindowTop", "MainWindowBottom", "ShowStyle"})
        Delete(name);
    SetDWord("GraphicCard", 8);  // GeForce: Wine's display adapter is not recognised
}

}  // namespace programkey

namespace {
void RemoveFolder(const std::string& folder) {
    std::string doubleNull = folder + std::string(1, '\0');
    SHFILEOPSTRUCTA remove{nullptr, FO_DELETE, doubleNull.c_str(), nullptr,
                           FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI, FALSE, nullptr, nullptr};
    ::SHFileOperationA(&remove);
}
}  // namespace

TempFolder::TempFolder(const std::string& name, bool enter) {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + name;
    RemoveFolder(path_);
    ::CreateDirectoryA(path_.c_str(), nullptr);
    if (!enter) return;
    char current[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof current, current);
    previous_ = current;
    ::SetCurrentDirectoryA(path_.c_str());
}

TempFolder::~TempFolder() {
    if (!previous_.empty()) ::SetCurrentDirectoryA(previous_.c_str());
    RemoveFolder(path_);
}

ProgramCopy::ProgramCopy() {
    std::string program = testsupport::WindowsPathFromEnvironment("QUILLON_EXE");
    EXPECT_FALSE(program.empty()) << "QUILLON_EXE is not set";
    exe_ = folder_.path() + "\\Quillon.exe";
    EXPECT_TRUE(::CopyFileA(program.c_str(), exe_.c_str(), FALSE)) << program;
    // The console program is built beside it and shipped beside it.
    std::string console = program.substr(0, program.find_last_of('\\') + 1) + "QuillonCmd.exe";
    commandTool_ = folder_.path() + "\\QuillonCmd.exe";
    ::CopyFileA(console.c_str(), commandTool_.c_str(), FALSE);
    WriteEmptyLayout(folder_.path() + "\\Tabs.stream");
}

void WriteEmptyLayout(const std::string& path) {
    quillon::ByteWriter out;
    out.WriteU32(0x24);  // list style
    out.WriteI32(0);     // shown
    out.WriteI32(0);     // hidden
    out.WriteI32(-1);    // current
    out.WriteU32(0);     // no animation
    out.WriteU8(0);      // not started with Windows
    ASSERT_TRUE(winlib::CFile::WriteReplacing(path, out.bytes()));
}

void MainWindowFixture::SetUp() {
    workFolder_ = std::make_unique<TempFolder>("quillon_window_test", true);
    folder_ = workFolder_->path();
    programkey::Prepare();
    MakeWindow();
}

void MainWindowFixture::TearDown() {
    window_.reset();
    workFolder_.reset();
    programkey::Prepare();
}

void MainWindowFixture::MakeWindow(const std::string& commandLine) {
    window_.reset();
    WriteEmptyLayout("Tabs.stream");
    window_ = std::make_unique<CTweakerWindow>(::GetModuleHandleA(nullptr), commandLine);
    ASSERT_TRUE(window_->CreateFrame());
    hwnd_ = *window_;
}

void MainWindowFixture::ReopenWindow(const std::string& commandLine) {
    if (window_) ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    window_.reset();
    window_ = std::make_unique<CTweakerWindow>(::GetModuleHandleA(nullptr), commandLine);
    ASSERT_TRUE(window_->CreateFrame());
    hwnd_ = *window_;
}

Category* MainWindowFixture::AddCategoryTab(const std::string& name) {
    auto category =
        std::make_unique<Category>(name, hwnd_, HKEY_CURRENT_USER, scratch_.path() + "\\" + name);
    EXPECT_NE(AttachSettingList(*category), nullptr);
    Category* added = category.get();
    window_->AddShownTab(std::move(category));
    return added;
}

TestPage* MainWindowFixture::AddPageTab(const std::string& name) {
    auto page = std::make_unique<TestPage>(name);
    TestPage* added = page.get();
    window_->AddShownTab(std::move(page));
    return added;
}

std::string MainWindowFixture::TabText(int index) const {
    return window_->tabBar().GetItemText(index);
}

int MainWindowFixture::Highlighted() const { return window_->tabBar().GetCurSel(); }

void MainWindowFixture::OpenWithLayout(const std::vector<uint8_t>* layout,
                                       const std::string& commandLine) {
    window_.reset();
    ::DeleteFileA("Tabs.stream");
    if (layout) {
        ASSERT_TRUE(winlib::CFile::WriteReplacing("Tabs.stream", *layout));
    }
    window_ = std::make_unique<CTweakerWindow>(::GetModuleHandleA(nullptr), commandLine);
    ASSERT_TRUE(window_->CreateFrame());
    hwnd_ = *window_;
}
