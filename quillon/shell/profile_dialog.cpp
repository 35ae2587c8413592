#include "profile_dialog.h"

#include "category.h"
#include "file.h"
#include "file_names.h"
#include "profile_file.h"
#include "prompt.h"
#include "profile_dialog_res.h"
#include "tweaker_window.h"

#include <string>

ProfileDialog::ProfileDialog(CTweakerWindow& window)
    : winlib::CDialog(IDD_PROFILE, window.m_hWnd), window_(window) {}

bool ProfileDialog::OnInitDialog() {
    for (const Category* category : window_.tabs().Categories(false)) {
        categories_.push_back(category);
        LRESULT index = ::SendDlgItemMessageA(m_hWnd, IDC_PROFILE_CATEGORIES, LB_ADDSTRING, 0,
                                              reinterpret_cast<LPARAM>(category->GetName().c_str()));
        ::SendDlgItemMessageA(m_hWnd, IDC_PROFILE_CATEGORIES, LB_SETSEL, TRUE, index);
    }
    SetDlgItemText(IDC_PROFILE_NAME, "New profile");
    return true;
}

void ProfileDialog::OnOK() {
    std::string name = GetDlgItemText(IDC_PROFILE_NAME);
    std::vector<const Category*> chosen;
    for (size_t i = 0; i < categories_.size(); ++i)
        if (::SendDlgItemMessageA(m_hWnd, IDC_PROFILE_CATEGORIES, LB_GETSEL, i, 0) > 0)
            chosen.push_back(categories_[i]);

    ::CreateDirectoryA("Profiles", nullptr);
    const std::string path = ProfilePath(name);
    // Creating the file new tells a new profile from an existing one.
    HANDLE created = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool isNew = created != INVALID_HANDLE_VALUE;
    if (isNew) {
        ::CloseHandle(created);
    } else if (CurrentPrompt().Ask(m_hWnd, "Profile already exists.\nDo you want to overwrite it?",
                                   "Confirm overwrite", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;  // the dialog stays open
    }

    std::vector<uint8_t> bytes;
    std::string tooLong;
    if (!BuildProfile(chosen, bytes, tooLong)) {
        if (isNew) ::DeleteFileA(path.c_str());
        CurrentPrompt().Ask(m_hWnd,
                            "The \"" + tooLong +
                                "\" category holds a text longer than a profile can keep (" +
                                std::to_string(kMaxProfileString) + " characters).",
                            "Error", MB_OK | MB_ICONERROR);
        return;
    }
    // A failed write leaves an existing profile as it was.
    if (!winlib::CFile::WriteReplacing(path, bytes)) {
        if (isNew) ::DeleteFileA(path.c_str());
        CurrentPrompt().Ask(m_hWnd, "Couldn't create \"" + path + "\"", "Error",
                            MB_OK | MB_ICONERROR);
        return;
    }
    if (isNew) window_.AppendProfileItem(name);
    EndDialog(IDOK);
}
