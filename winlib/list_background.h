// A picture file tiled behind a list view's rows, as the information tabs
// show their lists.
#pragma once

#include <windows.h>

#include <string>

namespace winlib {

// Loads the picture (PNG or any format GDI+ reads) and tiles it behind the
// list's rows; the list owns the bitmap from then on. False when the file
// cannot be read; the list then keeps its plain background.
bool SetTiledBackground(HWND list, const std::string& path);

}  // namespace winlib
