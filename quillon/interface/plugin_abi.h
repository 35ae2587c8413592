// What a tab plug-in ("*_Tab.dll") exports and what it is handed. Shared by
// the program and by plug-ins built on their own: every export is a plain C
// function under its undecorated name, with the C calling convention.
//
//   void ExportedInterface(int* initStyle, int* interfaceVersion, int* reserved)
//       optional; the host presets initStyle 0 and interfaceVersion 1 and
//       reads back initStyle only: 0 = Init takes a QuillonHostWindow*,
//       1 = Init takes the main window's HWND, anything else = no Init call.
//   int  Init(QuillonHostWindow* mainWindow)  or  int Init(HWND mainWindow)
//       creates the page (hidden) as children of the main window; nonzero =
//       success. Called once, on the main window's thread.
//   void Exit(void)    destroys what Init made; called just before unloading.
//   void Show(void)    void Hide(void)    void Resize(void)
//   void GetConstraints(int* minWidth, int* minHeight, int* maxWidth, int* maxHeight)
//       overwrites only the limits the page has.
//   void Paint(HDC dc) during the main window's WM_PAINT.
//   const char* GetName(void)   the tab caption, valid while loaded.
//
// A plug-in reaches the host only through these and the main window's
// application messages (UM_GETFONT, UM_GETPAGERECT, UM_SETSTATUSTEXT,
// UM_GETPLATFORM).
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// The main window object of the window-object form of Init: a plug-in uses
// it as its parent window and reads the window handle from it.
typedef struct QuillonHostWindow {
    HWND m_hWnd;
} QuillonHostWindow;

enum { kInitWithWindowObject = 0, kInitWithWindowHandle = 1 };

typedef void (*ExportedInterfaceFunction)(int* initStyle, int* interfaceVersion, int* reserved);
typedef int (*InitWithObjectFunction)(QuillonHostWindow* mainWindow);
typedef int (*InitWithHandleFunction)(HWND mainWindow);
typedef void (*PageFunction)(void);
typedef void (*GetConstraintsFunction)(int* minWidth, int* minHeight, int* maxWidth,
                                       int* maxHeight);
typedef void (*PaintFunction)(HDC dc);
typedef const char* (*GetNameFunction)(void);

#ifdef __cplusplus
}
#endif
