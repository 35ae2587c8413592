// AddCategoryDialog ("Add category"): the name, static or dynamic key and
// target platform of a new category, or of an edited one in edit mode.
#pragma once

#include "category.h"
#include "dialog.h"

#include <cstdint>
#include <string>

class AddCategoryDialog : public winlib::CDialog {
public:
    // Add mode: the caller builds the category from the fields after IDOK.
    explicit AddCategoryDialog(HWND mainWindow);
    // Edit mode: preset from the category, which OK updates and refreshes.
    AddCategoryDialog(HWND mainWindow, Category& category);

    HKEY root = HKEY_LOCAL_MACHINE;
    std::string subKey;
    std::string name;
    std::string dllFile;
    std::string parameter;
    bool dynamic = false;
    uint64_t cardMask = ~0ull;
    uint32_t osMask = ~0u;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void EnableKeyControls(bool isDynamic);
    // An existing static key is accepted; a missing one only if the user
    // agrees to create it.
    bool AcceptStaticKey();
    Category* category_ = nullptr;
};
