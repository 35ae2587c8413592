// Caps3D_Tab.dll: the "DirectX info" tab over Direct3D 8's HAL device.
#include "caps3d_page.h"
#include "tab_exports.h"

namespace {

caps3d::Direct3DCapsSource direct3d;

}  // namespace

QUILLON_TAB_PLUGIN("DirectX info", caps3d::Caps3DPage, new (std::nothrow) caps3d::Caps3DPage(direct3d))
