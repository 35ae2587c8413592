// The main window's application messages, sent by category pages and plug-ins.
#pragma once

#include <windows.h>

#define UM_SETSTATUSTEXT (WM_APP + 0)
#define UM_GETPAGERECT (WM_APP + 1)
#define UM_GETFONT (WM_APP + 2)
#define UM_GETIMAGELIST (WM_APP + 3)
#define UM_GETPLATFORM (WM_APP + 4)
#define UM_COPYVIEWSTYLE (WM_APP + 100)
#define UM_COPYCOLUMNWIDTHS (WM_APP + 101)
#define UM_SETLISTSTYLE (WM_APP + 102)
#define UM_GETLISTSTYLE (WM_APP + 103)
// wParam: the Category whose edit dialog its list asks for.
#define UM_EDITCATEGORY (WM_APP + 104)
#define UM_TRAYNOTIFY (WM_APP + 200)
