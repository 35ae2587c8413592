// The replacements that patched import slots point to.
#pragma once

#include <windows.h>

namespace pellamhook {

// Fills the patch table: which function of which module each replacement
// stands in for.
void InitPatchTable();
// SetDeviceGammaRamp through the entry point saved by patching, if any.
BOOL SetRampThroughSaved(HDC dc, void* ramp);

}  // namespace pellamhook
