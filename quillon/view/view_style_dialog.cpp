#include "view_style_dialog.h"

#include "colour_text.h"
#include "view_style_dialog_res.h"

#include <commdlg.h>

#include <cstring>

namespace {

// Kept for the whole run: the chooser's custom colours and the last image.
COLORREF customColours[16];
char imageFile[256] = "";

const char kImageFilter[] =
    "Image files (Jpeg/Png/Gif/Bmp)\0*.bmp;*.jpg;*jpeg;*.png;*.gif\0"
    "Jpeg files\0*.jpg;*jpeg\0"
    "Png files\0*.png\0"
    "Gif files\0*.gif\0"
    "Bmp files\0*.bmp\0";

}  // namespace

CategoryViewStyleDialog::CategoryViewStyleDialog(HWND parent, winlib::CListCtrl& list)
    : CDialog(IDD_VIEW_STYLE, parent), list_(list) {}

bool CategoryViewStyleDialog::OnInitDialog() {
    char path[256] = "";
    LVBKIMAGEA image{};
    image.ulFlags = LVBKIF_SOURCE_URL;
    image.pszImage = path;
    image.cchImageMax = sizeof path;
    list_.SendMessage(LVM_GETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&image));
    path[sizeof path - 1] = '\0';
    SetDlgItemText(IDC_STYLE_IMAGE, path);
    SetDlgItemText(IDC_STYLE_TEXT_COLOUR, ColourText(list_.GetTextColor()));
    SetDlgItemText(IDC_STYLE_TEXT_BK_COLOUR, ColourText(list_.GetTextBkColor()));
    SetDlgItemText(IDC_STYLE_BK_COLOUR, ColourText(list_.GetBkColor()));
    HWND tiling = GetDlgItem(IDC_STYLE_TILING);
    ::SendMessageA(tiling, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Normal"));
    ::SendMessageA(tiling, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Tiled"));
    ::SendMessageA(tiling, CB_SETCURSEL, (image.ulFlags & LVBKIF_STYLE_TILE) ? 1 : 0, 0);
    return true;
}

void CategoryViewStyleDialog::Apply() {
    auto colourOf = [this](int id) {
        std::string text = GetDlgItemText(id);
        if (text.size() > 255) text.resize(255);
        return static_cast<COLORREF>(ColourFromText(text));
    };
    list_.SetTextColor(colourOf(IDC_STYLE_TEXT_COLOUR));
    list_.SetTextBkColor(colourOf(IDC_STYLE_TEXT_BK_COLOUR));
    list_.SetBkColor(colourOf(IDC_STYLE_BK_COLOUR));
    std::string path = GetDlgItemText(IDC_STYLE_IMAGE);
    bool tiled = ::SendMessageA(GetDlgItem(IDC_STYLE_TILING), CB_GETCURSEL, 0, 0) == 1;
    LVBKIMAGEA image{};
    image.ulFlags = LVBKIF_SOURCE_URL | (tiled ? LVBKIF_STYLE_TILE : 0);
    image.pszImage = const_cast<char*>(path.c_str());
    list_.SendMessage(LVM_SETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&image));
    ::InvalidateRect(list_, nullptr, TRUE);
}

void CategoryViewStyleDialog::OnOK() {
    Apply();
    EndDialog(IDOK);
}

void CategoryViewStyleDialog::ChooseColour(int editId, COLORREF current) {
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = m_hWnd;
    choose.rgbResult = current;
    choose.lpCustColors = customColours;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR;
    if (::ChooseColorA(&choose)) SetDlgItemText(editId, ColourText(choose.rgbResult));
}

void CategoryViewStyleDialog::BrowseImage() {
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = m_hWnd;
    open.lpstrFilter = kImageFilter;
    open.lpstrFile = imageFile;
    open.nMaxFile = sizeof imageFile;
    open.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                 OFN_NONETWORKBUTTON | OFN_LONGNAMES;
    if (::GetOpenFileNameA(&open)) SetDlgItemText(IDC_STYLE_IMAGE, imageFile);
}

bool CategoryViewStyleDialog::OnCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDC_STYLE_APPLY:
        Apply();
        return true;
    case IDC_STYLE_CHOOSE_TEXT:
        ChooseColour(IDC_STYLE_TEXT_COLOUR, list_.GetTextColor());
        return true;
    case IDC_STYLE_CHOOSE_TEXT_BK:
        ChooseColour(IDC_STYLE_TEXT_BK_COLOUR, list_.GetTextBkColor());
        return true;
    case IDC_STYLE_CHOOSE_BK:
        ChooseColour(IDC_STYLE_BK_COLOUR, list_.GetBkColor());
        return true;
    case IDC_STYLE_BROWSE:
        BrowseImage();
        return true;
    default:
        return false;
    }
}
