// ProfileDialog ("Profile"): the user picks shown categories and a name; OK
// writes "Profiles\<name>.qlp" with the chosen categories' current values and
// adds a new profile to the main window's Profiles menu.
#pragma once

#include "dialog.h"

class CTweakerWindow;
class Category;

#include <vector>

class ProfileDialog : public winlib::CDialog {
public:
    explicit ProfileDialog(CTweakerWindow& window);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // The shown categories in tab order; list entry k is categories_[k].
    std::vector<const Category*> categories_;
    CTweakerWindow& window_;
};
