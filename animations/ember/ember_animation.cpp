// Ember_Animation.dll: the fire, drawn with OpenGL into the main window's
// animation strip. All calls come from the animation thread, which owns the
// rendering context made in Init.
#include "animation_abi.h"
#include "fire_field.h"
#include "gl_strip.h"

#include <cstdlib>

namespace {

// Module state: one fire per process.
ember::FireField* fire = nullptr;
glstrip::GlStrip strip;

}  // namespace

extern "C" {

__declspec(dllexport) int Init(HWND window) {
    if (!fire) fire = new ember::FireField();
    return strip.Init(window) ? 1 : 0;
}

__declspec(dllexport) int DrawFrame(long long microseconds) {
    if (!strip.FrameDue(microseconds)) return 0;
    fire->Step([] { return std::rand(); });
    strip.Draw(fire->texels(), ember::kColumns, ember::kPictureRows);
    return 1;
}

__declspec(dllexport) int Resize(void) { return 0; }

__declspec(dllexport) int Exit(void) {
    strip.Exit();
    return 0;
}

}  // extern "C"
