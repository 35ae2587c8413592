// Extlist_Tab.dll: the "OpenGL info" tab. The page lives in this module, one
// per process, and every export runs on the main window's thread.
#include "extlist_page.h"
#include "plugin_abi.h"

#include <memory>
#include <new>

namespace {

extlist::DesktopPageHost desktop;
std::unique_ptr<extlist::ExtlistPage> page;

}  // namespace

extern "C" {

__declspec(dllexport) void ExportedInterface(int* initStyle, int* interfaceVersion, int*) {
    *initStyle = kInitWithWindowObject;
    *interfaceVersion = 1;
}

__declspec(dllexport) int Init(QuillonHostWindow* mainWindow) {
    if (!mainWindow || page) return 0;
    page.reset(new (std::nothrow) extlist::ExtlistPage(desktop, extlist::RegistryPageAddress()));
    // The host frees a DLL whose Init failed without calling Exit.
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
    *minWidth = extlist::kMinimumWidth;
    *minHeight = extlist::kMinimumHeight;
}

__declspec(dllexport) const char* GetName(void) { return "OpenGL info"; }

__declspec(dllexport) void Exit(void) { page.reset(); }

}  // extern "C"
