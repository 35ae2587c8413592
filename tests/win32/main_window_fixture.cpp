#include "main_window_fixture.h"

#include "setting_list.h"

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

void MainWindowFixture::SetUp() {
    programkey::Prepare();
    MakeWindow();
}

void MainWindowFixture::TearDown() {
    window_.reset();
    programkey::Prepare();
}

void MainWindowFixture::MakeWindow(const std::string& commandLine) {
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
