// Owned GDI objects and image lists. CFont keeps its handle as its first and
// only member, so code built apart from the program can read the HFONT from a
// CFont pointer it is handed.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace winlib {

class CFont {
public:
    HFONT m_hObject = nullptr;

    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    bool CreateFont(int height, const char* faceName);
    void DeleteObject();
    operator HFONT() const { return m_hObject; }
};

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    bool Create(int width, int height, UINT flags, int initial, int grow);
    int Add(HICON icon) { return list_ ? ImageList_AddIcon(list_, icon) : -1; }
    int GetImageCount() const { return list_ ? ImageList_GetImageCount(list_) : 0; }
    COLORREF SetBkColor(COLORREF color) { return ImageList_SetBkColor(list_, color); }
    void DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return list_; }

private:
    HIMAGELIST list_ = nullptr;
};

}  // namespace winlib
