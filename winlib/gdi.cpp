#include "gdi.h"

namespace winlib {

bool CFont::CreateFont(int height, const char* faceName) {
    DeleteObject();
    m_hObject = ::CreateFontA(height, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, faceName);
    return m_hObject != nullptr;
}

void CFont::DeleteObject() {
    if (m_hObject) ::DeleteObject(m_hObject);
    m_hObject = nullptr;
}

bool CImageList::Create(int width, int height, UINT flags, int initial, int grow) {
    DeleteImageList();
    list_ = ImageList_Create(width, height, flags, initial, grow);
    return list_ != nullptr;
}

void CImageList::DeleteImageList() {
    if (list_) ImageList_Destroy(list_);
    list_ = nullptr;
}

}  // namespace winlib
