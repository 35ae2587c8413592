// The controls of the overclocking page that carry their own behaviour: each
// reacts to its own notification, which its parent hands back to it (the
// page container, or the group box the control sits in).
#pragma once

#include "controls.h"

#include <functional>
#include <string>

namespace clockwork {

// A push button or check box that runs 'onClick' when clicked.
class ClickButton : public winlib::CButton {
public:
    std::function<void()> onClick;
    // Creates the button and binds it, so its parent's notification reaches it.
    bool Make(const std::string& caption, DWORD style, const RECT& rect, HWND parent, UINT id,
              HFONT font);

protected:
    bool OnReflectedCommand(UINT notifyCode) override;
};

// A group box that hands its children's notifications back to them.
class GroupBox : public winlib::CButton {
public:
    bool Make(const std::string& caption, const RECT& rect, HWND parent, UINT id, HFONT font);
};

// A drop-down list that runs 'onChange' when the user picks an item.
class ChoiceList : public winlib::CComboBox {
public:
    std::function<void()> onChange;
    bool Make(DWORD style, const RECT& rect, HWND parent, UINT id, HFONT font);

protected:
    bool OnReflectedCommand(UINT notifyCode) override;
};

// An apply option: a check box whose tick is kept under HKEY_LOCAL_MACHINE
// "SOFTWARE\Quillon\Plugins\Radeon overclocking" in a value named by its
// caption, read when it is made and written back when it is destroyed.
class ApplyOption : public ClickButton {
public:
    // 'ticked' is the state when nothing is stored yet.
    ApplyOption(const std::string& caption, bool ticked);
    ~ApplyOption() override;
    bool Make(const RECT& rect, HWND parent, UINT id, HFONT font);
    bool ticked() const { return ticked_ != 0; }
    // Toggles the tick; true when it is now ticked.
    bool Toggle();

private:
    std::string caption_;
    DWORD ticked_;
    bool made_ = false;  // only a check box that was shown stores its tick
};

constexpr char kOptionsKey[] = "SOFTWARE\\Quillon\\Plugins\\Radeon overclocking";

}  // namespace clockwork
