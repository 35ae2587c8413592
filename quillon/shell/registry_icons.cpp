#include "registry_icons.h"

#include "resource.h"

#include <shellapi.h>

#include <string>

namespace {

const UINT kEditorIconIndex[RegistryIcons::kCount] = {7, 8, 5, 6};
const UINT kOwnIcon[RegistryIcons::kCount] = {IDI_VALUE_STRING, IDI_VALUE_BINARY, IDI_KEY_CLOSED,
                                              IDI_KEY_OPEN};

std::string EditorPath() {
    char folder[MAX_PATH] = "";
    UINT length = ::GetWindowsDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return "";
    return std::string(folder, length) + "\\RegEdit.exe";
}

}  // namespace

void RegistryIcons::Load(HINSTANCE program) {
    Destroy();
    std::string editor = EditorPath();
    for (int slot = 0; slot < kCount; ++slot) {
        HICON icon = editor.empty() ? nullptr
                                    : ::ExtractIconA(program, editor.c_str(), kEditorIconIndex[slot]);
        // ExtractIcon answers 1 when the file is not a program or icon file.
        fromEditor_[slot] = icon != nullptr && icon != reinterpret_cast<HICON>(1);
        if (!fromEditor_[slot])
            icon = static_cast<HICON>(::LoadImageA(program, MAKEINTRESOURCEA(kOwnIcon[slot]),
                                                   IMAGE_ICON, 16, 16, 0));
        icons_[slot] = icon;
    }
}

void RegistryIcons::Destroy() {
    for (HICON& icon : icons_) {
        if (icon) ::DestroyIcon(icon);
        icon = nullptr;
    }
}
