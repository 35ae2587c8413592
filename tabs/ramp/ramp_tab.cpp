// Ramp_Tab.dll: the "Gamma correction" tab. The page and its state live in
// this module, one per process, and every export runs on the main window's
// thread.
#include "gamma_page.h"
#include "plugin_abi.h"
#include "screen_gamma_device.h"

#include <memory>
#include <new>

namespace {

ramp::ScreenGammaDevice screen;
std::unique_ptr<ramp::GammaPage> page;

}  // namespace

extern "C" {

__declspec(dllexport) void ExportedInterface(int* initStyle, int* interfaceVersion, int*) {
    *initStyle = kInitWithWindowObject;
    *interfaceVersion = 1;
}

__declspec(dllexport) int Init(QuillonHostWindow* mainWindow) {
    if (!mainWindow || page) return 0;
    page.reset(new (std::nothrow) ramp::GammaPage(screen));
    // A page half made is taken down here: the host frees the DLL without
    // calling Exit when Init fails, and no window may outlive this code.
    if (!page || !page->Init(mainWindow->m_hWnd)) {
        page.reset();
        return 0;
    }
    return 1;
}

__declspec(dllexport) void Show(void) {
    if (page) page->Show();
}

__declspec(dllexport) void Hide(void) {
    if (page) page->Hide();
}

__declspec(dllexport) void Resize(void) {
    if (page) page->Resize();
}

__declspec(dllexport) void GetConstraints(int* minWidth, int* minHeight, int*, int*) {
    *minWidth = ramp::kMinimumWidth;
    *minHeight = ramp::kMinimumHeight;
}

__declspec(dllexport) const char* GetName(void) { return "Gamma correction"; }

__declspec(dllexport) void Exit(void) { page.reset(); }

}  // extern "C"
