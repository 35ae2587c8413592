// The page of the Direct3D tab: a header naming the adapter and its driver,
// the capability groups on the left and the chosen group's rows on the
// right. The device is asked once, when the page is first shown.
#pragma once

#include "controls.h"
#include "page_container.h"

#include <d3d8.h>
#include <windows.h>

#include <memory>

namespace caps3d {

constexpr UINT kHeaderId = 0xFFFF;
constexpr UINT kContainerId = tabplugin::kContainerId;
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

class Caps3DPage {
public:
    explicit Caps3DPage(CapsSource& source);
    ~Caps3DPage();
    Caps3DPage(const Caps3DPage&) = delete;
    Caps3DPage& operator=(const Caps3DPage&) = delete;

    bool Init(HWND mainWindow);
    // The first call fills the page.
    void Show();
    void Hide();
    void Resize();
    int MinimumWidth() const { return kMinimumWidth; }
    int MinimumHeight() const { return kMinimumHeight; }

    // Writes group 'group' into the capability list; any number that is not a
    // group with rows blanks it.
    void ShowGroup(int group);
    // A click on the group list at a point of its client area.
    void OnGroupClick(POINT point);

    HWND container() const;

private:
    class Container;

    void Fill();
    RECT PageRect() const;

    CapsSource& source_;
    HWND mainWindow_ = nullptr;
    std::unique_ptr<Container> container_;
    std::unique_ptr<winlib::CStatic> header_;
    std::unique_ptr<winlib::CListCtrl> groups_;
    std::unique_ptr<winlib::CListCtrl> capabilities_;
    D3DCAPS8 caps_{};
    bool filled_ = false;
};

}  // namespace caps3d
