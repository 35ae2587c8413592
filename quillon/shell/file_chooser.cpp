#include "file_chooser.h"

#include <commdlg.h>

namespace {
FileChooser* installedChooser = nullptr;
}

bool CommonDialogChooser::Choose(HWND owner, bool open, DWORD flags, FileNameBuffer& name) {
    static const char kFilter[] = "Tweaker database files (*.tweakdb)\0*.tweakdb\0";
    OPENFILENAMEA dialog{};
    // The pre-2000 structure size, so the dialog also opens on Windows 98.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.text;
    dialog.nMaxFile = sizeof name.text;
    dialog.Flags = flags;
    return open ? ::GetOpenFileNameA(&dialog) != FALSE : ::GetSaveFileNameA(&dialog) != FALSE;
}

FileChooser& CurrentFileChooser() {
    static CommonDialogChooser common;
    return installedChooser ? *installedChooser : common;
}

void SetFileChooser(FileChooser* chooser) { installedChooser = chooser; }
