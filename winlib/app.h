// CWinApp: the one application object of a program. Its constructor makes it
// the object AfxGetApp returns; WinMain (app_main.cpp) runs InitInstance and,
// when that succeeds, the message loop.
#pragma once

#include <windows.h>

#include <string>

namespace winlib {

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    HINSTANCE m_hInstance = nullptr;
    std::string m_lpCmdLine;  // the arguments after the program name
    CWnd* m_pMainWnd = nullptr;

    // Returns false to end the program at once.
    virtual bool InitInstance() = 0;
    virtual int Run();
    virtual int ExitInstance() { return exitCode_; }

protected:
    int exitCode_ = 0;
};

CWinApp* AfxGetApp();

// Runs an application object: what WinMain does.
int AfxWinMain(HINSTANCE instance, const char* commandLine);

}  // namespace winlib
