// What every tab page is: a hidden container over the main window's page
// rectangle that holds the page's controls, takes their notifications and
// paints the page background between them. The container shows and hides
// the whole page at once; the page makes its own controls inside it and
// places them when the main window's size changes.
#pragma once

#include "controls.h"

#include <windows.h>

#include <memory>

namespace tabplugin {

class TabPage {
public:
    virtual ~TabPage();
    TabPage(const TabPage&) = delete;
    TabPage& operator=(const TabPage&) = delete;

    void Show();
    void Hide();
    // Moves the container over the page rectangle and places the controls.
    void Resize();
    virtual int MinimumWidth() const { return minimumWidth_; }
    virtual int MinimumHeight() const { return minimumHeight_; }

    HWND container() const;

protected:
    TabPage(int minimumWidth, int minimumHeight);

    // Makes the hidden container on the main window; the page's controls
    // are made inside it afterwards.
    bool CreateContainer(HWND mainWindow);
    HWND mainWindow() const { return mainWindow_; }
    // The host's font and the page rectangle in the main window's client
    // coordinates.
    HFONT HostFont() const;
    RECT PageRect() const;

    // Where the click a notification tells of happened, in the client
    // coordinates of the control that sent it.
    static POINT ClickPoint(const NMHDR& notification);

    // Places the controls in a container client area of this size.
    virtual void Arrange(int width, int height) = 0;
    // Just before the page is shown (a first fill, the status text).
    virtual void OnShowing() {}
    // A message to the container; true when the page handled it.
    virtual bool OnContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    class Container;

    int minimumWidth_;
    int minimumHeight_;
    HWND mainWindow_ = nullptr;
    std::unique_ptr<Container> container_;
};

}  // namespace tabplugin
