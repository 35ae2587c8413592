#include "extlist_page.h"

#include "app_messages.h"
#include "file.h"
#include "gl_strip.h"
#include "list_background.h"
#include "page_container.h"
#include "registry.h"
#include "web_page.h"

#include <algorithm>

#include <GL/gl.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

namespace extlist {

const char kStreamFile[] = "Extensions.stream";

namespace {

const char kDefaultPageAddress[] = "https://registry.khronos.org/OpenGL/index_gl.php";
const char kPluginKey[] = "SOFTWARE\\Quillon\\Plugins\\OpenGL info";

std::string BackgroundPath(const char* file) {
    char folder[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder) + "\\" + file;
}

std::string GlString(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "";
}

}  // namespace

bool DesktopPageHost::ChooseExportFile(HWND owner, bool html, std::string& path) {
    char file[MAX_PATH] = "";
    lstrcpyA(file, html ? "Extensions.html" : "Extensions.txt");
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = html ? "Html files\0*.html;*.htm\0" : "Text files\0*.txt\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrDefExt = html ? "html" : "txt";
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_NONETWORKBUTTON |
                   OFN_LONGNAMES | OFN_EXPLORER;
    if (!::GetSaveFileNameA(&dialog)) return false;
    path = file;
    return true;
}

void DesktopPageHost::ShowMessage(HWND owner, const std::string& text, const std::string& caption) {
    ::MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK);
}

void DesktopPageHost::Open(HWND owner, const std::string& address) {
    ::ShellExecuteA(owner, "open", address.c_str(), "", "", SW_SHOW);
}

std::string RegistryPageAddress() {
    // A REG_SZ only (not one to expand), of at most 1023 bytes.
    winlib::RegistryKey key;
    DWORD type = 0;
    std::vector<uint8_t> data;
    if (key.Open(HKEY_LOCAL_MACHINE, kPluginKey, KEY_QUERY_VALUE) == ERROR_SUCCESS &&
        key.QueryValue("RegistryPage", type, data, 1023) == ERROR_SUCCESS && type == REG_SZ) {
        std::string address(data.begin(), std::find(data.begin(), data.end(), 0));
        if (!address.empty()) return address;
    }
    return kDefaultPageAddress;
}

ExtlistPage::ExtlistPage(PageHost& host, std::string pageAddress)
    : TabPage(kMinimumWidth, kMinimumHeight), host_(host), pageAddress_(std::move(pageAddress)) {}

ExtlistPage::~ExtlistPage() {
    buttons_.clear();
    list_.reset();
    info_.reset();
}

// The buttons' clicks and the list's clicks.
bool ExtlistPage::OnContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case kUpdateId: OnUpdate(); return true;
        case kVisitId: OnVisit(); return true;
        case kHtmlExportId: OnExport(true); return true;
        case kTextExportId: OnExport(false); return true;
        }
    }
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == kListId && header->code == NM_CLICK) {
            OnListClick(ClickPoint(*header));
            return true;
        }
    }
    return false;
}

bool ExtlistPage::Init(HWND mainWindow) {
    if (!CreateContainer(mainWindow)) return false;
    HFONT font = HostFont();
    RECT page = PageRect();

    info_ = std::make_unique<winlib::CStatic>();
    if (!info_->Create("", WS_CHILD | WS_VISIBLE | WS_DLGFRAME | SS_CENTER, page, container(), kInfoId))
        return false;
    info_->SetFont(font);

    struct ButtonText {
        UINT id;
        const char* caption;
    } buttons[] = {{kUpdateId, "Update from OpenGL registry"},
                   {kVisitId, "Visit OpenGL registry"},
                   {kHtmlExportId, "Export to html"},
                   {kTextExportId, "Export to text"}};
    for (const ButtonText& text : buttons) {
        auto button = std::make_unique<winlib::CButton>();
        if (!button->Create(text.caption, WS_CHILD | WS_VISIBLE, page, container(), text.id)) return false;
        button->SetFont(font);
        buttons_.push_back(std::move(button));
    }

    list_ = std::make_unique<winlib::CListCtrl>();
    if (!list_->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT, page, container(),
                       kListId))
        return false;
    list_->SetFont(font);
    list_->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT);
    list_->SetTextColor(0);
    list_->SetTextBkColor(CLR_NONE);
    list_->SetBkColor(CLR_NONE);
    winlib::SetTiledBackground(*list_, BackgroundPath("opengl.png"));
    list_->InsertColumn(0, "Nr", 30);
    list_->InsertColumn(1, "OpenGL extension", 200);
    list_->InsertColumn(2, "Number", 90);
    list_->InsertColumn(3, "Documentation", 420);
    return true;
}

void ExtlistPage::QueryOpenGl(std::vector<std::string>& names, std::string& info) {
    // A context of its own on the container, only for the strings.
    HDC dc = ::GetDC(container());
    glstrip::SetUpPixelFormat(dc);
    HGLRC context = ::wglCreateContext(dc);
    if (context && ::wglMakeCurrent(dc, context)) {
        std::vector<std::string> wgl;
        using ExtensionsString = const char*(WINAPI*)(HDC);
        // Through void*, as winlib's export lookup casts, to keep GCC quiet.
        auto wglExtensions = reinterpret_cast<ExtensionsString>(
            reinterpret_cast<void*>(::wglGetProcAddress("wglGetExtensionsStringARB")));
        if (wglExtensions) {
            const char* text = wglExtensions(dc);
            if (text) wgl = SplitExtensionNames(text);
        }
        names = MergeExtensionNames(SplitExtensionNames(GlString(GL_EXTENSIONS)), wgl);
        info = GlString(GL_VENDOR) + "\r\n" + GlString(GL_RENDERER) + "\r\n" + GlString(GL_VERSION);
    }
    // Without a context there is nothing to list and the info box stays empty.
    ::wglMakeCurrent(nullptr, nullptr);
    if (context) ::wglDeleteContext(context);
    ::ReleaseDC(container(), dc);
}

void ExtlistPage::Fill() {
    filled_ = true;
    std::vector<uint8_t> bytes;
    if (winlib::CFile::ReadAll(kStreamFile, bytes)) ReadExtensionStream(bytes, database_);

    std::vector<std::string> names;
    std::string info;
    QueryOpenGl(names, info);
    for (size_t i = 0; i < names.size(); ++i) {
        rows_.push_back({names[i], "", ""});
        int row = list_->InsertItem(static_cast<int>(i), std::to_string(i + 1));
        list_->SetItemText(row, 1, names[i]);
    }
    info_->SetWindowText(info);
    ShowRegistryColumns();
}

void ExtlistPage::ShowRegistryColumns() {
    FillRegistryColumns(rows_, database_, pageAddress_);
    for (size_t i = 0; i < rows_.size(); ++i) {
        list_->SetItemText(static_cast<int>(i), 2, rows_[i].number);
        list_->SetItemText(static_cast<int>(i), 3, rows_[i].documentation);
    }
}

void ExtlistPage::EnableButtons(bool enable) {
    for (auto& button : buttons_) ::EnableWindow(*button, enable);
}

void ExtlistPage::OnUpdate() {
    EnableButtons(false);
    std::string page;
    bool fetched = FetchWebPage(pageAddress_, page);
    if (fetched) {
        database_ = ParseRegistryPage(page);
        // The copy on disk is replaced whole or not at all.
        winlib::CFile::WriteReplacing(kStreamFile, WriteExtensionStream(database_));
        ShowRegistryColumns();
        host_.ShowMessage(container(), "Extensions succesfully updated", "Update successful");
    } else {
        host_.ShowMessage(container(), "Could not update the extension database", "Error");
    }
    EnableButtons(true);
}

void ExtlistPage::OnVisit() { host_.Open(container(), pageAddress_); }

void ExtlistPage::OnExport(bool html) {
    std::string path;
    if (!host_.ChooseExportFile(container(), html, path)) return;
    std::string info = info_->GetWindowText();
    std::string text = html ? HtmlExport(info, rows_) : TextExport(info, rows_);
    winlib::CFile::WriteReplacing(path, std::vector<uint8_t>(text.begin(), text.end()));
}

void ExtlistPage::OnListClick(POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    int row = static_cast<int>(list_->SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    if (rows_[row].documentation != "---" && !rows_[row].documentation.empty())
        host_.Open(container(), rows_[row].documentation);
}

void ExtlistPage::OnShowing() {
    if (!filled_) Fill();
}

void ExtlistPage::Arrange(int width, int height) {
    info_->MoveWindow(RECT{2, 2, 322, 62});
    buttons_[0]->MoveWindow(RECT{340, 2, 520, 30});
    buttons_[1]->MoveWindow(RECT{340, 32, 520, 60});
    buttons_[2]->MoveWindow(RECT{540, 32, 668, 60});
    buttons_[3]->MoveWindow(RECT{540, 2, 668, 30});
    list_->MoveWindow(RECT{0, 64, width, height});
}

}  // namespace extlist
