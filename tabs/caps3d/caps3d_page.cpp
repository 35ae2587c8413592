#include "caps3d_page.h"

#include "app_messages.h"
#include "caps_tables.h"
#include "list_background.h"
#include "page_container.h"

#include <commctrl.h>

namespace caps3d {
namespace {

// Yellow text straight on the tiled picture.
constexpr COLORREF kTextColour = RGB(255, 255, 0);

std::string BackgroundPath(const char* file) {
    char folder[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder) + "\\" + file;
}

}  // namespace

bool Direct3DCapsSource::Read(D3DCAPS8& caps, D3DADAPTER_IDENTIFIER8& adapter) {
    IDirect3D8* direct3d = ::Direct3DCreate8(120);
    if (!direct3d) return false;
    direct3d->GetDeviceCaps(0, D3DDEVTYPE_HAL, &caps);
    direct3d->GetAdapterIdentifier(0, D3DENUM_NO_WHQL_LEVEL, &adapter);
    direct3d->Release();
    return true;
}

Caps3DPage::Caps3DPage(CapsSource& source)
    : TabPage(kMinimumWidth, kMinimumHeight), source_(source) {}

Caps3DPage::~Caps3DPage() {
    capabilities_.reset();
    groups_.reset();
    header_.reset();
}

// The group list's clicks.
bool Caps3DPage::OnContainerMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) return false;
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom != kGroupListId || header->code != NM_CLICK) return false;
    OnGroupClick(ClickPoint(*header));
    result = 0;
    return true;
}

bool Caps3DPage::Init(HWND mainWindow) {
    if (!CreateContainer(mainWindow)) return false;
    HFONT font = HostFont();
    RECT page = PageRect();

    header_ = std::make_unique<winlib::CStatic>();
    if (!header_->Create("", WS_CHILD | WS_VISIBLE | WS_DLGFRAME | SS_CENTER, page, container(),
                         kHeaderId))
        return false;
    header_->SetFont(font);

    std::string background = BackgroundPath("directx.png");
    auto makeList = [&](std::unique_ptr<winlib::CListCtrl>& list, UINT id) {
        list = std::make_unique<winlib::CListCtrl>();
        if (!list->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT, page,
                          container(), id))
            return false;
        list->SetFont(font);
        list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
        list->SetTextColor(kTextColour);
        list->SetTextBkColor(CLR_NONE);
        list->SetBkColor(CLR_NONE);
        winlib::SetTiledBackground(*list, background);
        return true;
    };
    if (!makeList(groups_, kGroupListId) || !makeList(capabilities_, kCapabilityListId)) return false;
    groups_->InsertColumn(0, "Category", 256);
    capabilities_->InsertColumn(0, "Capability", 300);
    capabilities_->InsertColumn(1, "Value", 150);
    return true;
}

void Caps3DPage::Fill() {
    filled_ = true;
    for (int group = 0; group < kGroupCount; ++group) groups_->InsertItem(group, GroupText(group));
    for (int row = 0; row < kCapabilityRows; ++row) capabilities_->InsertItem(row, "");
    D3DADAPTER_IDENTIFIER8 adapter{};
    if (!source_.Read(caps_, adapter)) return;
    header_->SetWindowText(HeaderText(adapter.Description, adapter.Driver,
                                      static_cast<unsigned long long>(adapter.DriverVersion.QuadPart)));
    ShowGroup(0);
}

void Caps3DPage::ShowGroup(int group) {
    std::vector<Row> rows = GroupRows(caps_, group);
    for (int row = 0; row < kCapabilityRows; ++row) {
        bool used = row < static_cast<int>(rows.size());
        capabilities_->SetItemText(row, 0, used ? rows[row].first : "");
        capabilities_->SetItemText(row, 1, used ? rows[row].second : "");
    }
}

void Caps3DPage::OnGroupClick(POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    int row = static_cast<int>(groups_->SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    ShowGroup(row);
}

void Caps3DPage::OnShowing() {
    if (!filled_) Fill();
}

void Caps3DPage::Arrange(int width, int height) {
    header_->MoveWindow(RECT{0, 0, width, 60});
    groups_->MoveWindow(RECT{0, 64, 256, height});
    capabilities_->MoveWindow(RECT{270, 64, width, height});
}

}  // namespace caps3d
