// CTweakerWindow: the program's frame window.
#pragma once

#include "frame_wnd.h"

#include <string>

// The caption; a second start finds the running instance by it.
extern const char kMainWindowTitle[];

class CMainWnd : public winlib::CFrameWnd {};

class CTweakerWindow : public CMainWnd {
public:
    CTweakerWindow(HINSTANCE instance, const std::string& commandLine);

    // Creates the (hidden) frame; false when the window could not be made.
    bool CreateFrame();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    void OnCommand(WORD id);
    void OnClose();

    HINSTANCE instance_;
    std::string commandLine_;
    RECT placement_;
};
