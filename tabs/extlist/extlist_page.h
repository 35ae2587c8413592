// The page of the OpenGL tab: the driver's vendor, renderer and version, its
// OpenGL and WGL extensions with their registry numbers and documentation
// links from the local registry copy ("Extensions.stream"), the update of
// that copy from the registry's web page, and the two exports.
#pragma once

#include "controls.h"
#include "page_container.h"
#include "extension_registry.h"
#include "tab_page.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace extlist {

constexpr UINT kInfoId = 0xFFFF;
constexpr UINT kListId = 7030;
constexpr UINT kUpdateId = 7031;
constexpr UINT kVisitId = 7032;
constexpr UINT kHtmlExportId = 7033;
constexpr UINT kTextExportId = 7034;
constexpr int kMinimumWidth = 680;
constexpr int kMinimumHeight = 70;

extern const char kStreamFile[];  // "Extensions.stream", in the working folder

// What the page asks of the desktop: a file to export to, a message for the
// user, a link opened in the browser. Tests answer and record.
class PageHost {
public:
    virtual ~PageHost() = default;
    // False when the user cancels.
    virtual bool ChooseExportFile(HWND owner, bool html, std::string& path) = 0;
    virtual void ShowMessage(HWND owner, const std::string& text, const std::string& caption) = 0;
    virtual void Open(HWND owner, const std::string& address) = 0;
};

// The desktop's own: the save dialog, a message box and the shell.
class DesktopPageHost : public PageHost {
public:
    bool ChooseExportFile(HWND owner, bool html, std::string& path) override;
    void ShowMessage(HWND owner, const std::string& text, const std::string& caption) override;
    void Open(HWND owner, const std::string& address) override;
};

// The registry page's address: the plug-in's "RegistryPage" value under
// HKEY_LOCAL_MACHINE\SOFTWARE\Quillon\Plugins\OpenGL info, or the public
// index page.
std::string RegistryPageAddress();

class ExtlistPage : public tabplugin::TabPage {
public:
    ExtlistPage(PageHost& host, std::string pageAddress);
    ~ExtlistPage() override;

    bool Init(HWND mainWindow);

    void OnUpdate();
    void OnVisit();
    void OnExport(bool html);
    void OnListClick(POINT point);

    const std::vector<ExtensionRow>& rows() const { return rows_; }

protected:
    void Arrange(int width, int height) override;
    // The first showing fills the page.
    void OnShowing() override;
    bool OnContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:

    void Fill();
    void QueryOpenGl(std::vector<std::string>& names, std::string& info);
    void ShowRegistryColumns();
    void EnableButtons(bool enable);

    PageHost& host_;
    std::string pageAddress_;
    std::unique_ptr<winlib::CStatic> info_;
    std::unique_ptr<winlib::CListCtrl> list_;
    std::vector<std::unique_ptr<winlib::CButton>> buttons_;  // update, visit, html, text
    std::vector<ExtensionEntry> database_;
    std::vector<ExtensionRow> rows_;
    bool filled_ = false;
};

}  // namespace extlist
