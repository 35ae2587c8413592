// Strobe_Animation.dll: the lightning flash, drawn with OpenGL into the main
// window's animation strip. All calls come from the animation thread, which
// owns the rendering context made in Init.
#include "animation_abi.h"
#include "flash_field.h"
#include "gl_strip.h"

#include <cstdlib>
#include <new>

namespace {

// Module state: one flash per process; its random walk carries on across
// frames and across a second Init.
strobe::FlashField* flash = nullptr;
glstrip::GlStrip strip;

}  // namespace

extern "C" {

__declspec(dllexport) int Init(HWND window) {
    if (!flash) {
        // The C library's sequence, never seeded here.
        std::vector<uint32_t> table(strobe::kRandomTableSize);
        for (uint32_t& value : table) value = static_cast<uint32_t>(std::rand());
        flash = new (std::nothrow) strobe::FlashField(std::move(table));
        if (!flash) return 0;
    }
    return strip.Init(window) ? 1 : 0;
}

__declspec(dllexport) int DrawFrame(long long microseconds) {
    if (!strip.FrameDue(microseconds)) return 0;
    flash->Step();
    strip.Draw(flash->texels(), strobe::kColumns, strobe::kRows);
    return 1;
}

__declspec(dllexport) int Resize(void) { return 0; }

__declspec(dllexport) int Exit(void) {
    strip.Exit();
    return 0;
}

}  // extern "C"
