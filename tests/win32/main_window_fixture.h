// A main window created in the test process, with the program's registry key
// prepared so start-up asks nothing, and helpers to put tabs on it.
#pragma once

#include "category.h"
#include "model_test_support.h"
#include "tweaker_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// HKEY_LOCAL_MACHINE "SOFTWARE\Quillon": cleared of the window values, with a
// remembered card so no card question appears.
namespace programkey {
void Prepare();
void SetDWord(const char* name, DWORD value);
bool GetDWord(const char* name, DWORD& value);
void Delete(const char* name);
}  // namespace programkey

// A page that is not a category (as a plug-in page is), counting what the
// window asks of it.
class TestPage : public TabObject {
public:
    explicit TestPage(std::string name) : name_(std::move(name)) {}
    std::string GetName() const override { return name_; }
    // Saved as a plug-in record of its name; no DLL answers to it.
    quillon::LayoutTab LayoutRecord() const override {
        quillon::LayoutTab tab;
        tab.type = quillon::kTabTypePlugin;
        tab.pluginFile = name_;
        return tab;
    }
    void Show() override { ++shows; }
    void Hide() override { ++hides; }
    void Resize() override { ++resizes; }
    void GetConstraints(int* minWidth, int* minHeight, int* maxWidth, int* maxHeight) override {
        if (minWidth) *minWidth = this->minWidth;
        if (minHeight) *minHeight = this->minHeight;
        (void)maxWidth, (void)maxHeight;
    }
    int shows = 0, hides = 0, resizes = 0;
    int minWidth = 0, minHeight = 0;

private:
    std::string name_;
};

// A fresh folder under the temporary folder, deleted with its contents
// afterwards; optionally the current directory while it lives.
class TempFolder {
public:
    explicit TempFolder(const std::string& name, bool enter = false);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string previous_;
};

// Quillon.exe copied into a folder of its own, so what it reads and writes
// next to itself (Tabs.stream, Profiles) belongs to the test.
class ProgramCopy {
public:
    ProgramCopy();
    const std::string& exe() const { return exe_; }
    const std::string& commandTool() const { return commandTool_; }
    const std::string& folder() const { return folder_.path(); }

private:
    TempFolder folder_{"quillon_program"};
    std::string exe_, commandTool_;
};

// A Tabs.stream without tabs or animation: a user who has run the program
// before and has nothing set up.
void WriteEmptyLayout(const std::string& path);

// Each test runs in a fresh working folder holding an empty layout, so
// windows start without tabs or animation unless a test arranges otherwise.
class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes (or remakes) the window with a command line, from an empty layout.
    void MakeWindow(const std::string& commandLine = "");
    // Closes the window as the user does and opens it again from what it saved.
    void ReopenWindow(const std::string& commandLine = "");
    // Opens the window from this Tabs.stream (none: a first run).
    void OpenWithLayout(const std::vector<uint8_t>* layout, const std::string& commandLine = "");
    // A static-key category on a scratch key, with its list, appended as a tab.
    Category* AddCategoryTab(const std::string& name);
    TestPage* AddPageTab(const std::string& name);
    // Tab-bar caption of item 'index'.
    std::string TabText(int index) const;
    int Highlighted() const;
    std::unique_ptr<TempFolder> workFolder_;
    std::string folder_;  // the working folder
    std::unique_ptr<CTweakerWindow> window_;
    HWND hwnd_ = nullptr;
    ScratchKey scratch_{"MainWindow"};
};
