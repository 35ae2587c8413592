// Thin wrappers over the system and common controls. Each holds the control's
// handle (CWnd) and turns the control's messages into typed calls.
#pragma once

#include "wnd.h"

#include <commctrl.h>

#include <string>

namespace winlib {

class CListCtrl : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    int InsertColumn(int index, const std::string& heading, int width, int format = LVCFMT_LEFT);
    int InsertItem(int index, const std::string& text, int image = -1, LPARAM data = 0);
    bool SetItemText(int item, int subItem, const std::string& text);
    std::string GetItemText(int item, int subItem) const;
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    bool DeleteItem(int item) { return SendMessage(LVM_DELETEITEM, item) != 0; }
    bool DeleteAllItems() { return SendMessage(LVM_DELETEALLITEMS) != 0; }
    LPARAM GetItemData(int item) const;
    bool SetItemData(int item, LPARAM data);
    bool GetCheck(int item) const;
    void SetCheck(int item, bool checked);
    DWORD GetExtendedStyle() const {
        return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    }
    void SetExtendedStyle(DWORD style) { SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }
    HIMAGELIST SetImageList(HIMAGELIST list, int kind);
    int GetColumnWidth(int column) const {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column));
    }
    bool SetColumnWidth(int column, int width) {
        return SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0;
    }
    COLORREF GetTextColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR)); }
    bool SetTextColor(COLORREF color) { return SendMessage(LVM_SETTEXTCOLOR, 0, color) != 0; }
    COLORREF GetTextBkColor() const {
        return static_cast<COLORREF>(SendMessage(LVM_GETTEXTBKCOLOR));
    }
    bool SetTextBkColor(COLORREF color) { return SendMessage(LVM_SETTEXTBKCOLOR, 0, color) != 0; }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR)); }
    bool SetBkColor(COLORREF color) { return SendMessage(LVM_SETBKCOLOR, 0, color) != 0; }
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, start, flags));
    }
    UINT GetItemState(int item, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, mask));
    }
    bool SetItemState(int item, UINT state, UINT mask);
};

class CTabCtrl : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    int InsertItem(int index, const std::string& text);
    bool SetItemText(int index, const std::string& text);
    std::string GetItemText(int index) const;
    bool DeleteItem(int index) { return SendMessage(TCM_DELETEITEM, index) != 0; }
    bool DeleteAllItems() { return SendMessage(TCM_DELETEALLITEMS) != 0; }
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(TCM_SETCURSEL, index)); }
    int HitTest(POINT clientPoint) const;
};

class CToolBarCtrl : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    // Adds a bitmap strip of 'count' images from a resource of 'module'.
    int AddBitmap(int count, HINSTANCE module, UINT bitmapId);
    bool AddButtons(int count, const TBBUTTON* buttons);
    bool EnableButton(int commandId, bool enable) {
        return SendMessage(TB_ENABLEBUTTON, commandId, MAKELPARAM(enable ? TRUE : FALSE, 0)) != 0;
    }
    bool IsButtonEnabled(int commandId) const {
        return SendMessage(TB_ISBUTTONENABLED, commandId) != 0;
    }
    int GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
};

class CStatusBar : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    // Right edges of the panes; -1 stretches the last one to the border.
    bool SetParts(int count, const int* rightEdges) {
        return SendMessage(SB_SETPARTS, count, reinterpret_cast<LPARAM>(rightEdges)) != 0;
    }
    bool SetText(int pane, const std::string& text);
    std::string GetText(int pane) const;
};

class CSliderCtrl : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    void SetRange(int minimum, int maximum, bool redraw = true) {
        SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
        SendMessage(TBM_SETRANGEMAX, redraw, maximum);
    }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }
};

class CComboBox : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    int AddString(const std::string& text);
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    std::string GetLBText(int index) const;
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
};

class CButton : public CWnd {
public:
    bool Create(const std::string& caption, DWORD style, const RECT& rect, HWND parent, UINT id);
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, state); }
};

class CStatic : public CWnd {
public:
    bool Create(const std::string& text, DWORD style, const RECT& rect, HWND parent, UINT id);
};

}  // namespace winlib
