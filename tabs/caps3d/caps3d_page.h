// The page of the Direct3D tab: a header naming the adapter and its driver,
// the capability groups on the left and the chosen group's rows on the
// right. The device is asked once, when the page is first shown.
#pragma once

#include "controls.h"
#include "page_container.h"
#include "tab_page.h"

#include <d3d8.h>
#include <windows.h>

#include <memory>

namespace caps3d {

constexpr UINT kHeaderId = 0xFFFF;
constexpr UINT kGroupListId = 7030;
constexpr UINT kCapabilityListId = 7031;
constexpr int kMinimumWidth = 680;
constexpr int kMinimumHeight = 70;

// Where the page gets the device's capabilities: Direct3D 8's HAL device of
// the first adapter; tests put a device of known capabilities in its place.
class CapsSource {
public:
    virtual ~CapsSource() = default;
    // False when Direct3D 8 is not there; the page then stays empty.
    virtual bool Read(D3DCAPS8& caps, D3DADAPTER_IDENTIFIER8& adapter) = 0;
};

class Direct3DCapsSource : public CapsSource {
public:
    bool Read(D3DCAPS8& caps, D3DADAPTER_IDENTIFIER8& adapter) override;
};

class Caps3DPage : public tabplugin::TabPage {
public:
    explicit Caps3DPage(CapsSource& source);
    ~Caps3DPage() override;

    bool Init(HWND mainWindow);

    // Writes group 'group' into the capability list; any number that is not a
    // group with rows blanks it.
    void ShowGroup(int group);
    // A click on the group list at a point of its client area.
    void OnGroupClick(POINT point);

protected:
    void Arrange(int width, int height) override;
    // The first showing fills the page.
    void OnShowing() override;
    bool OnContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Fill();

    CapsSource& source_;
    std::unique_ptr<winlib::CStatic> header_;
    std::unique_ptr<winlib::CListCtrl> groups_;
    std::unique_ptr<winlib::CListCtrl> capabilities_;
    D3DCAPS8 caps_{};
    bool filled_ = false;
};

}  // namespace caps3d
