// The open and save dialogs of the database commands. Each command keeps its
// own 256-byte name buffer for the life of the program, so the dialog
// proposes the name last chosen with that command. The program shows the
// common dialogs; tests install a chooser that answers and records.
#pragma once

#include <windows.h>

// OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_NONETWORKBUTTON
// | OFN_LONGNAMES; opening adds OFN_FILEMUSTEXIST.
constexpr DWORD kSaveDatabaseFlags = 0x0022080C;
constexpr DWORD kOpenDatabaseFlags = 0x0022180C;
constexpr int kFileNameBufferSize = 256;

struct FileNameBuffer {
    char text[kFileNameBufferSize] = "";
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Shows the dialog over 'owner' with 'name' as proposal; true with the
    // chosen name in 'name', false when cancelled.
    virtual bool Choose(HWND owner, bool open, DWORD flags, FileNameBuffer& name) = 0;
};

class CommonDialogChooser : public FileChooser {
public:
    bool Choose(HWND owner, bool open, DWORD flags, FileNameBuffer& name) override;
};

FileChooser& CurrentFileChooser();
void SetFileChooser(FileChooser* chooser);  // null: back to the common dialogs
