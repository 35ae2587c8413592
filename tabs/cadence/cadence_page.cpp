#include "cadence_page.h"

#include "app_messages.h"
#include "page_container.h"

#include <cstdint>

namespace cadence {

std::vector<DisplayMode> EnumerateDisplayModes() {
    std::vector<DisplayMode> modes;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    for (DWORD i = 0; ::EnumDisplaySettingsA(nullptr, i, &mode); ++i)
        modes.push_back({mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel,
                         mode.dmDisplayFrequency});
    return modes;
}

CadencePage::CadencePage(std::vector<DisplayMode> modes)
    : TabPage(kMinimumWidth, 0), modes_(std::move(modes)) {}

CadencePage::~CadencePage() {
    lists_.clear();
    buttons_.clear();
}

// The rows' notifications.
bool CadencePage::OnContainerMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND) return false;
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    if (code == CBN_SELCHANGE && id >= kFirstListId && id < kFirstButtonId) {
        OnChoice(id - kFirstListId);
    } else if (code == BN_CLICKED && id >= kFirstButtonId && id < kFirstButtonId + 100) {
        OnSetDisplayMode(id - kFirstButtonId);
    } else {
        return false;
    }
    result = 0;
    return true;
}

bool CadencePage::Init(HWND mainWindow) {
    // Only the family counts: the record's last field, 2 for Windows 9x.
    int32_t platform[6] = {};
    ::SendMessageA(mainWindow, UM_GETPLATFORM, sizeof platform, reinterpret_cast<LPARAM>(platform));
    bool windows9x = platform[5] == 2;
    store_ = std::make_unique<RefreshStore>(windows9x);

    if (!CreateContainer(mainWindow)) return false;
    HFONT font = HostFont();
    RECT page = PageRect();

    usable_ = UsableModes(modes_, windows9x);
    bool filled = windows9x ? FillWin9xRows(font, page) : FillNtRows(font, page);
    if (!filled) return false;
    for (size_t row = 0; row < lists_.size(); ++row) {
        auto button = std::make_unique<winlib::CButton>();
        if (!button->Create("Set display mode", WS_CHILD | WS_VISIBLE, page, container(),
                            kFirstButtonId + static_cast<UINT>(row)))
            return false;
        button->SetFont(font);
        buttons_.push_back(std::move(button));
    }
    return true;
}

bool CadencePage::AddRow(HFONT font, const RECT& page) {
    auto list = std::make_unique<winlib::CComboBox>();
    if (!list->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, page, container(),
                      kFirstListId + static_cast<UINT>(lists_.size())))
        return false;
    list->SetFont(font);
    lists_.push_back(std::move(list));
    return true;
}

bool CadencePage::FillNtRows(HFONT font, const RECT& page) {
    for (const Resolution& row : RowsByResolution(usable_)) {
        if (!AddRow(font, page)) return false;
        winlib::CComboBox& list = *lists_.back();
        list.AddString(DefaultItemText(row.width, row.height));
        uint32_t stored = store_->Read(std::to_string(row.width) + "," + std::to_string(row.height));
        int selected = 0;
        for (uint32_t rate : row.rates) {
            int item = list.AddString(RateItemText(row.width, row.height, rate));
            if (stored != 0 && rate == stored) selected = item;
        }
        list.SetCurSel(selected);
    }
    return true;
}

bool CadencePage::FillWin9xRows(HFONT font, const RECT& page) {
    for (const DisplayMode& mode : usable_) {
        if (!AddRow(font, page)) return false;
        winlib::CComboBox& list = *lists_.back();
        for (uint32_t rate : Win9xRates()) list.AddString(RateItemText(mode.width, mode.height, rate));
        uint32_t stored = store_->Read(std::to_string(mode.width) + "," + std::to_string(mode.height));
        list.SetCurSel(Win9xItemForRate(stored));
    }
    return true;
}

bool CadencePage::SelectedChoice(size_t row, ItemChoice& choice) const {
    if (row >= lists_.size()) return false;
    int selected = lists_[row]->GetCurSel();
    return selected >= 0 && ParseItemText(lists_[row]->GetLBText(selected), choice);
}

void CadencePage::OnChoice(size_t row) {
    ItemChoice choice;
    if (SelectedChoice(row, choice)) store_->Store(choice);
}

void CadencePage::OnSetDisplayMode(size_t row) {
    ItemChoice choice;
    if (!SelectedChoice(row, choice)) return;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmBitsPerPel = 32;
    mode.dmPelsWidth = choice.width;
    mode.dmPelsHeight = choice.height;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    if (!store_->windows9x()) {
        mode.dmDisplayFrequency = choice.rate;
        mode.dmFields |= DM_DISPLAYFREQUENCY;
    }
    ::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN);
}

void CadencePage::Arrange(int width, int) {
    int middle = width / 2;
    for (size_t row = 0; row < lists_.size(); ++row) {
        int offset = kRowHeight * static_cast<int>(row);
        // A drop-down list's height includes its opened list.
        lists_[row]->MoveWindow(RECT{middle - 140, 10 + offset, middle + 20, 10 + offset + 1000});
        buttons_[row]->MoveWindow(RECT{middle + 40, 8 + offset, middle + 140, 8 + offset + 24});
    }
}

}  // namespace cadence
