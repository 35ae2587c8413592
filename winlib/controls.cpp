#include "controls.h"

#include <vector>

namespace winlib {

namespace {
const DWORD kChild = WS_CHILD;
}

bool CListCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(WC_LISTVIEWA, "", style | kChild, rect, parent, id);
}

int CListCtrl::InsertColumn(int index, const std::string& heading, int width, int format) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(heading.c_str());
    column.iSubItem = index;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::InsertItem(int index, const std::string& text, int image, LPARAM data) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = image;
    item.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListCtrl::SetItemText(int index, int subItem, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<char*>(text.c_str());
    return SendMessage(LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string CListCtrl::GetItemText(int index, int subItem) const {
    std::vector<char> buffer(1024, '\0');
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    SendMessage(LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    return buffer.data();
}

LPARAM CListCtrl::GetItemData(int index) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
    return item.lParam;
}

bool CListCtrl::SetItemData(int index, LPARAM data) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.lParam = data;
    return SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0;
}

bool CListCtrl::GetCheck(int index) const {
    // The state image index is 1 for unchecked and 2 for checked.
    return ((GetItemState(index, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1;
}

void CListCtrl::SetCheck(int index, bool checked) {
    SetItemState(index, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

bool CListCtrl::SetItemState(int index, UINT state, UINT mask) {
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    return SendMessage(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

HIMAGELIST CListCtrl::SetImageList(HIMAGELIST list, int kind) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_SETIMAGELIST, kind, reinterpret_cast<LPARAM>(list)));
}

bool CTabCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(WC_TABCONTROLA, "", style | kChild, rect, parent, id);
}

int CTabCtrl::InsertItem(int index, const std::string& text) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(SendMessage(TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item)));
}

bool CTabCtrl::SetItemText(int index, const std::string& text) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    return SendMessage(TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string CTabCtrl::GetItemText(int index) const {
    char buffer[512] = "";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    if (!SendMessage(TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return "";
    return item.pszText ? item.pszText : "";
}

int CTabCtrl::HitTest(POINT clientPoint) const {
    TCHITTESTINFO info{};
    info.pt = clientPoint;
    return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

bool CToolBarCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    if (!CreateControl(TOOLBARCLASSNAMEA, "", style | kChild, rect, parent, id)) return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return true;
}

int CToolBarCtrl::AddBitmap(int count, HINSTANCE module, UINT bitmapId) {
    TBADDBITMAP bitmap{};
    bitmap.hInst = module;
    bitmap.nID = bitmapId;
    return static_cast<int>(SendMessage(TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&bitmap)));
}

bool CToolBarCtrl::AddButtons(int count, const TBBUTTON* buttons) {
    return SendMessage(TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons)) != 0;
}

bool CStatusBar::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(STATUSCLASSNAMEA, "", style | kChild, rect, parent, id);
}

bool CStatusBar::SetText(int pane, const std::string& text) {
    return SendMessage(SB_SETTEXTA, pane, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

std::string CStatusBar::GetText(int pane) const {
    int length = LOWORD(SendMessage(SB_GETTEXTLENGTHA, pane));
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    SendMessage(SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

bool CSliderCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(TRACKBAR_CLASSA, "", style | kChild, rect, parent, id);
}

bool CComboBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl("COMBOBOX", "", style | kChild, rect, parent, id);
}

int CComboBox::AddString(const std::string& text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::string CComboBox::GetLBText(int index) const {
    LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR) return "";
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

bool CButton::Create(const std::string& caption, DWORD style, const RECT& rect, HWND parent,
                     UINT id) {
    return CreateControl("BUTTON", caption.c_str(), style | kChild, rect, parent, id);
}

bool CStatic::Create(const std::string& text, DWORD style, const RECT& rect, HWND parent,
                     UINT id) {
    return CreateControl("STATIC", text.c_str(), style | kChild, rect, parent, id);
}

}  // namespace winlib
