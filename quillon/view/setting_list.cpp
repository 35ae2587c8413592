#include "setting_list.h"

#include "add_setting_dialog.h"
#include "app_messages.h"
#include "popup_menu.h"
#include "prompt.h"
#include "backup.h"
#include "restore_dialog.h"
#include "view_style_dialog.h"

#include <cstring>

namespace {

const DWORD kListStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | LVS_REPORT;  // 0x40810001
const char* const kColumnHeaders[5] = {"Setting", "Value", "Registry key", "Type", "Comment"};
const UINT kTicked = INDEXTOSTATEIMAGEMASK(2);
const UINT kUnticked = INDEXTOSTATEIMAGEMASK(1);

int IconOf(const Setting& setting) {
    return dynamic_cast<const DWordSetting*>(&setting) ? 1 : 0;
}

}  // namespace

std::vector<MenuEntry> BuildSettingListMenu(bool onRow, int selectedCount,
                                            const Setting* firstSelected) {
    std::vector<MenuEntry> menu;
    if (!onRow) {
        menu.push_back({"Add setting ...", ID_LIST_ADD_SETTING});
    } else if (selectedCount == 1 && firstSelected) {
        std::string name = EscapeMenuText(firstSelected->name);
        if (firstSelected->present)
            menu.push_back({"Remove \"" + name + "\" from registry", ID_LIST_REMOVE_FROM_REGISTRY});
        else
            menu.push_back({"Add \"" + name + "\" to registry", ID_LIST_ADD_TO_REGISTRY});
        menu.push_back({"", 0});
        menu.push_back({"Add setting ...", ID_LIST_ADD_SETTING});
        menu.push_back({"Edit \"" + name + "\" ...", ID_LIST_EDIT_SETTING});
        menu.push_back({"Delete \"" + name + "\"", ID_LIST_DELETE_SETTINGS});
    } else {
        menu.push_back({"Add setting ...", ID_LIST_ADD_SETTING});
        menu.push_back({"Delete selected settings", ID_LIST_DELETE_SETTINGS});
    }
    const MenuEntry always[] = {
        {"", 0},
        {"Edit category ...", ID_LIST_EDIT_CATEGORY},
        {"Backup category", ID_LIST_BACKUP_CATEGORY},
        {"Restore category from backup ...", ID_LIST_RESTORE_CATEGORY},
        {"", 0},
        {"Copy column widths to all categories", ID_LIST_COPY_COLUMN_WIDTHS},
        {"Copy view style to all categories", ID_LIST_COPY_VIEW_STYLE},
        {"", 0},
        {"View style ...", ID_LIST_VIEW_STYLE},
        {"", 0},
        {"Refresh", ID_LIST_REFRESH},
    };
    menu.insert(menu.end(), std::begin(always), std::end(always));
    return menu;
}

CSettingList::CSettingList(Category& owner) : owner_(owner), model_(owner.model()) {}

CSettingList::~CSettingList() {
    // The icons belong to the main window and are shared by every list; a
    // list view destroys the image lists it still holds.
    if (m_hWnd) SetImageList(nullptr, LVSIL_SMALL);
}

bool CSettingList::CreateControl() {
    if (m_hWnd) return true;
    RECT page{};
    ::SendMessageA(mainWindow(), UM_GETPAGERECT, reinterpret_cast<WPARAM>(&page), 0);
    HWND hwnd = ::CreateWindowExA(0, WC_LISTVIEWA, "", kListStyle, page.left, page.top,
                                  page.right - page.left, page.bottom - page.top, mainWindow(),
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kControlId)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd || !SubclassWindow(hwnd)) return false;

    SetExtendedStyle(static_cast<DWORD>(::SendMessageA(mainWindow(), UM_GETLISTSTYLE, 0, 0)));
    auto images = reinterpret_cast<HIMAGELIST>(::SendMessageA(mainWindow(), UM_GETIMAGELIST, 0, 0));
    SetImageList(images, LVSIL_SMALL);
    for (int column = 0; column < 5; ++column)
        InsertColumn(column, kColumnHeaders[column], model_.columnWidths[column]);
    ApplyViewStyle();
    return true;
}

void CSettingList::ApplyViewStyle() {
    SetTextColor(model_.textColor);
    SetTextBkColor(model_.textBkColor);
    SetBkColor(model_.bkColor);
    LVBKIMAGEA image{};
    image.ulFlags = LVBKIF_SOURCE_URL | (model_.bkImageTiled ? LVBKIF_STYLE_TILE : 0);
    image.pszImage = const_cast<char*>(model_.bkImage.c_str());
    SendMessage(LVM_SETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&image));
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CSettingList::SetRow(int row, bool insert) {
    if (!rowsCurrent_) return;  // built whole when the list is shown
    const Setting& setting = *model_.settings[static_cast<size_t>(row)];
    if (insert) {
        InsertItem(row, setting.ColumnText(0), IconOf(setting));
    } else {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = row;
        std::string name = setting.ColumnText(0);
        item.pszText = const_cast<char*>(name.c_str());
        item.iImage = IconOf(setting);
        SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    for (int column = 1; column < 5; ++column) SetItemText(row, column, setting.ColumnText(column));
    SetCheck(row, setting.present);
}

void CSettingList::Fill() {
    rowsCurrent_ = false;
    if (!m_hWnd) return;
    // The list's own visibility: the current tab's list keeps its rows while
    // the main window is hidden in the notification area.
    if (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE) {
        BuildRows();
        return;
    }
    filling_ = true;
    DeleteAllItems();  // no stale row is ever seen or touched
    filling_ = false;
}

void CSettingList::Show() {
    if (!CreateControl()) return;
    if (!rowsCurrent_) BuildRows();
    ShowWindow(SW_SHOW);
}

void CSettingList::Hide() {
    if (m_hWnd) ShowWindow(SW_HIDE);
}

void CSettingList::MoveTo(const RECT& page) {
    if (m_hWnd) MoveWindow(page, true);
}

void CSettingList::SetListStyle(DWORD style) {
    if (m_hWnd) SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style);
}

void CSettingList::BuildRows() {
    filling_ = true;
    rowsCurrent_ = true;
    SendMessage(WM_SETREDRAW, FALSE, 0);
    DeleteAllItems();
    SendMessage(LVM_SETITEMCOUNT, model_.settings.size(), 0);
    for (size_t i = 0; i < model_.settings.size(); ++i) SetRow(static_cast<int>(i), true);
    SendMessage(WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    filling_ = false;
}

void CSettingList::UpdateRow(int row) {
    if (!rowsCurrent_ || row < 0 || static_cast<size_t>(row) >= model_.settings.size()) return;
    filling_ = true;
    const Setting& setting = *model_.settings[static_cast<size_t>(row)];
    for (int column = 0; column < 5; ++column) SetItemText(row, column, setting.ColumnText(column));
    filling_ = false;
}

void CSettingList::Sort(int column) {
    owner_.SortBy(column);
    filling_ = true;
    for (size_t i = 0; i < model_.settings.size(); ++i) SetRow(static_cast<int>(i), false);
    filling_ = false;
}

void CSettingList::NextValue(int row) { StepValue(row, true); }

void CSettingList::PreviousValue(int row) { StepValue(row, false); }

void CSettingList::StepValue(int row, bool forward) {
    if (owner_.Step(row, forward)) UpdateRow(row);
}

std::vector<int> CSettingList::SelectedRows() const {
    std::vector<int> rows;
    for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

void CSettingList::OnItemChanged(const NMLISTVIEW& change) {
    if (filling_ || change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return;
    UINT newState = change.uNewState & LVIS_STATEIMAGEMASK;
    UINT oldState = change.uOldState & LVIS_STATEIMAGEMASK;
    bool changed = false;
    if (newState == kTicked && oldState == kUnticked)
        changed = owner_.SetPresent(change.iItem, true);
    else if (newState == kUnticked && oldState == kTicked)
        changed = owner_.SetPresent(change.iItem, false);
    if (changed) UpdateRow(change.iItem);
}

void CSettingList::OnKeyDown(WORD keyCode) {
    std::vector<int> rows = SelectedRows();
    switch (keyCode) {
    case VK_ESCAPE:
        ::PostMessageA(mainWindow(), WM_CLOSE, 0, 0);
        break;
    case VK_INSERT:
        for (int row : rows) SetCheck(row, true);
        break;
    case VK_DELETE:
        for (int row : rows) SetCheck(row, false);
        break;
    case VK_ADD:
        if (rows.size() == 1) NextValue(rows[0]);
        break;
    case VK_SUBTRACT:
        if (rows.size() == 1) PreviousValue(rows[0]);
        break;
    default:
        break;
    }
}

void CSettingList::ShowContextMenu() {
    DWORD position = ::GetMessagePos();
    POINT screen{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    POINT client = screen;
    ::ScreenToClient(m_hWnd, &client);
    LVHITTESTINFO hit{};
    hit.pt = client;
    bool onRow = SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0;
    std::vector<int> rows = SelectedRows();
    const Setting* first =
        rows.empty() ? nullptr : model_.settings[static_cast<size_t>(rows[0])].get();
    UINT command =
        TrackMenuEntries(m_hWnd, BuildSettingListMenu(onRow, static_cast<int>(rows.size()), first),
                         screen, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON);
    if (command) OnCommand(command);
}

void CSettingList::RemoveSettings() {
    std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    std::string question;
    if (rows.size() == 1) {
        question = "Do you want to remove \"" + model_.settings[static_cast<size_t>(rows[0])]->name +
                   "\" from the list?";
    } else {
        question = "Do you want to remove these settings from the list?\n\n";
        for (int row : rows) question += model_.settings[static_cast<size_t>(row)]->name + "\n";
    }
    if (CurrentPrompt().Ask(mainWindow(), question, "Confirm remove",
                            MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
        return;
    owner_.RemoveRows(rows);
    Fill();
}

bool CSettingList::RunSettingDialog(const Setting* prefill, std::unique_ptr<Setting>& result) {
    AddSettingDialog dialog(mainWindow(), model_.key.root, model_.key.subKey);
    if (prefill) dialog.PrefillFrom(*prefill);
    if (dialog.DoModal() != IDOK || !dialog.result) return false;
    result = std::move(dialog.result);
    return true;
}

void CSettingList::AddSetting() {
    std::unique_ptr<Setting> setting;
    if (!RunSettingDialog(nullptr, setting)) return;
    owner_.AddSetting(std::move(setting));
    filling_ = true;
    SetRow(static_cast<int>(model_.settings.size() - 1), true);
    filling_ = false;
}

void CSettingList::AddSettingOfType(bool isString) {
    AddSettingDialog::ChooseStringType(isString);
    std::unique_ptr<Setting> setting;
    if (!RunSettingDialog(nullptr, setting)) return;
    owner_.AddSetting(std::move(setting));
    Fill();
}

void CSettingList::EditSetting(int row) {
    const Setting* old = owner_.SettingAt(row);
    std::unique_ptr<Setting> replacement;
    if (!old || !RunSettingDialog(old, replacement)) return;
    owner_.ReplaceSetting(row, std::move(replacement));
    filling_ = true;
    DeleteItem(row);
    SetRow(row, true);
    SetCheck(row, false);
    filling_ = false;
}

void CSettingList::OnCommand(UINT id) {
    std::vector<int> rows = SelectedRows();
    switch (id) {
    case ID_LIST_ADD_SETTING:
        AddSetting();
        break;
    case ID_LIST_EDIT_SETTING:
        if (!rows.empty()) EditSetting(rows[0]);
        break;
    case ID_LIST_DELETE_SETTINGS:
        RemoveSettings();
        break;
    case ID_LIST_ADD_TO_REGISTRY:
        if (!rows.empty()) SetCheck(rows[0], true);
        break;
    case ID_LIST_REMOVE_FROM_REGISTRY:
        if (!rows.empty()) SetCheck(rows[0], false);
        break;
    case ID_LIST_VIEW_STYLE: {
        CategoryViewStyleDialog dialog(mainWindow(), *this);
        dialog.DoModal();
        break;
    }
    case ID_LIST_COPY_COLUMN_WIDTHS:
        ::SendMessageA(mainWindow(), UM_COPYCOLUMNWIDTHS, reinterpret_cast<WPARAM>(this), 0);
        break;
    case ID_LIST_COPY_VIEW_STYLE:
        if (CurrentPrompt().Ask(mainWindow(),
                                "Do you want to copy the style of the current category to all "
                                "categories?",
                                "Confirm copy style", MB_YESNO) == IDYES)
            ::SendMessageA(mainWindow(), UM_COPYVIEWSTYLE, reinterpret_cast<WPARAM>(this), 0);
        break;
    case ID_LIST_REFRESH:
        owner_.Refresh();
        break;
    case ID_LIST_BACKUP_CATEGORY:
        BackupCategoryWithReport(mainWindow(), owner_);
        break;
    case ID_LIST_RESTORE_CATEGORY: {
        RestoreDialog dialog(mainWindow(), owner_);
        dialog.DoModal();
        break;
    }
    case ID_LIST_EDIT_CATEGORY:
        owner_.RequestEdit();
        break;
    default:
        break;
    }
}

void CSettingList::CopyViewStyleFrom(const CSettingList& source) {
    const CategoryModel& style = source.model_;
    model_.textColor = style.textColor;
    model_.textBkColor = style.textBkColor;
    model_.bkColor = style.bkColor;
    model_.bkImage = style.bkImage;
    model_.bkImageTiled = style.bkImageTiled;
    if (m_hWnd) ApplyViewStyle();
}

void CSettingList::CopyColumnWidthsFrom(const CSettingList& source) {
    for (int column = 0; column < 5; ++column) {
        model_.columnWidths[column] = source.model_.columnWidths[column];
        if (m_hWnd) SetColumnWidth(column, model_.columnWidths[column]);
    }
}

void CSettingList::StoreViewStyle() {
    if (!m_hWnd) return;  // never shown: the model holds what it would show
    for (int column = 0; column < 5; ++column) model_.columnWidths[column] = GetColumnWidth(column);
    model_.textColor = GetTextColor();
    model_.textBkColor = GetTextBkColor();
    model_.bkColor = GetBkColor();
    char path[256] = "";
    LVBKIMAGEA image{};
    image.ulFlags = LVBKIF_SOURCE_URL;
    image.pszImage = path;
    image.cchImageMax = sizeof path;
    if (SendMessage(LVM_GETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&image))) {
        model_.bkImage.assign(path, strnlen(path, sizeof path - 1));
        model_.bkImageTiled = (image.ulFlags & LVBKIF_STYLE_TILE) ? 1 : 0;
    }
}

bool CSettingList::OnReflectedNotify(NMHDR* header, LRESULT& result) {
    result = 0;
    switch (header->code) {
    case LVN_KEYDOWN:
        OnKeyDown(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
        return true;
    case LVN_ITEMACTIVATE:
        NextValue(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
        return true;
    case LVN_ITEMCHANGED:
        OnItemChanged(*reinterpret_cast<NMLISTVIEW*>(header));
        return true;
    case NM_RCLICK:
        ShowContextMenu();
        return true;
    case LVN_COLUMNCLICK:
        Sort(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
        return true;
    default:
        return false;
    }
}

void BackupCategoryWithReport(HWND owner, const Category& category) {
    // A backup that could not be written is not reported as a success.
    if (BackupCategory(category))
        CurrentPrompt().Ask(owner, "Category successfully backed up!", "Backup",
                            MB_OK | MB_ICONINFORMATION);
    else
        CurrentPrompt().Ask(owner, "The category could not be backed up.", "Backup",
                            MB_OK | MB_ICONERROR);
}

CSettingList* AttachSettingList(Category& category) {
    auto list = std::make_unique<CSettingList>(category);
    CSettingList* shown = list.get();
    category.SetView(std::move(list));
    return shown;
}

CSettingList* SettingListOf(TabObject* tab) {
    auto* category = dynamic_cast<Category*>(tab);
    return category ? dynamic_cast<CSettingList*>(category->view()) : nullptr;
}
