// The four row icons of the category lists: the registry editor's own when
// they can be taken from it, the program's look-alikes otherwise.
#pragma once

#include <windows.h>

class RegistryIcons {
public:
    RegistryIcons() = default;
    ~RegistryIcons() { Destroy(); }
    RegistryIcons(const RegistryIcons&) = delete;
    RegistryIcons& operator=(const RegistryIcons&) = delete;

    // Takes icons 7, 8, 5 and 6 of the registry editor in the Windows folder
    // (string value, binary value, closed key, open key). A slot the editor
    // cannot supply gets the program's icon for it.
    void Load(HINSTANCE program);
    void Destroy();

    static const int kCount = 4;
    HICON icon(int slot) const { return icons_[slot]; }
    // Whether the slot holds the registry editor's icon.
    bool fromEditor(int slot) const { return fromEditor_[slot]; }

private:
    HICON icons_[kCount] = {};
    bool fromEditor_[kCount] = {};
};
