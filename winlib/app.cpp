#include "app.h"

#include "wnd.h"

namespace winlib {

namespace {
CWinApp* theApplication = nullptr;
}

CWinApp::CWinApp() { theApplication = this; }

CWinApp::~CWinApp() {
    if (theApplication == this) theApplication = nullptr;
}

CWinApp* AfxGetApp() { return theApplication; }

int CWinApp::Run() {
    MSG msg;
    BOOL got;
    while ((got = ::GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) break;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    exitCode_ = got == -1 ? 1 : static_cast<int>(msg.wParam);
    return ExitInstance();
}

int AfxWinMain(HINSTANCE instance, const char* commandLine) {
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine ? commandLine : "";
    bool run = false;
    try {
        run = app->InitInstance();
    } catch (...) {
        return 1;
    }
    if (!run) return app->ExitInstance();
    return app->Run();
}

}  // namespace winlib
