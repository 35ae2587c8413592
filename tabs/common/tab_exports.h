// The exports every tab plug-in of this suite has, around one page object
// that lives in the DLL (one per process; every export runs on the main
// window's thread). A plug-in's DLL file is then only this, for example:
//
//   QUILLON_TAB_PLUGIN("Refresh rates", cadence::CadencePage,
//                      new (std::nothrow) cadence::CadencePage(EnumerateDisplayModes()))
//
// The page type offers bool Init(HWND), Show(), Hide(), Resize(),
// int MinimumWidth() const and int MinimumHeight() const.
// QUILLON_TAB_PAGE_EXPORTS is the same without ExportedInterface, for a
// plug-in whose Init takes the main window object by the host's default.
#pragma once

#include "plugin_abi.h"

#include <memory>
#include <new>

namespace tabplugin {

template <typename Page>
std::unique_ptr<Page>& ThePage() {
    static std::unique_ptr<Page> page;
    return page;
}

// Makes the page; one half made is taken down at once, because the host
// frees a DLL whose Init failed without calling Exit.
template <typename Page, typename Make>
int InitPage(QuillonHostWindow* mainWindow, Make make) {
    std::unique_ptr<Page>& page = ThePage<Page>();
    if (!mainWindow || page) return 0;
    page.reset(make());
    if (!page || !page->Init(mainWindow->m_hWnd)) {
        page.reset();
        return 0;
    }
    return 1;
}

}  // namespace tabplugin

#define QUILLON_TAB_PLUGIN(NAME, PAGE, MAKE_PAGE)                                              \
    extern "C" __declspec(dllexport) void ExportedInterface(int* initStyle, int* interfaceVersion, \
                                                            int*) {                            \
        *initStyle = kInitWithWindowObject;                                                    \
        *interfaceVersion = 1;                                                                 \
    }                                                                                          \
    QUILLON_TAB_PAGE_EXPORTS(NAME, PAGE, MAKE_PAGE)

#define QUILLON_TAB_PAGE_EXPORTS(NAME, PAGE, MAKE_PAGE)                                        \
    extern "C" {                                                                               \
    __declspec(dllexport) int Init(QuillonHostWindow* mainWindow) {                            \
        return tabplugin::InitPage<PAGE>(mainWindow, [] { return MAKE_PAGE; });                \
    }                                                                                          \
    __declspec(dllexport) void Show(void) {                                                    \
        if (auto& page = tabplugin::ThePage<PAGE>()) page->Show();                             \
    }                                                                                          \
    __declspec(dllexport) void Hide(void) {                                                    \
        if (auto& page = tabplugin::ThePage<PAGE>()) page->Hide();                             \
    }                                                                                          \
    __declspec(dllexport) void Resize(void) {                                                  \
        if (auto& page = tabplugin::ThePage<PAGE>()) page->Resize();                           \
    }                                                                                          \
    __declspec(dllexport) void GetConstraints(int* minWidth, int* minHeight, int*, int*) {     \
        if (auto& page = tabplugin::ThePage<PAGE>()) {                                         \
            *minWidth = page->MinimumWidth();                                                  \
            *minHeight = page->MinimumHeight();                                                \
        }                                                                                      \
    }                                                                                          \
    __declspec(dllexport) const char* GetName(void) { return NAME; }                           \
    __declspec(dllexport) void Exit(void) { tabplugin::ThePage<PAGE>().reset(); }              \
    }
