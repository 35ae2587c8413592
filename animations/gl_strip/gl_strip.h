// What the animation plug-ins share: an OpenGL context on the strip window
// with one texture, frames paced at least 12 ms apart, and one textured quad
// over the whole strip per frame. Each plug-in only computes its picture.
// All calls come from the animation thread, which owns the context.
#pragma once

#include <windows.h>

namespace glstrip {

// Chooses and sets the double-buffered 32-bit RGBA pixel format the suite
// draws with (also used by the OpenGL tab for its strings).
void SetUpPixelFormat(HDC deviceContext);

class GlStrip {
public:
    // Chooses a double-buffered RGBA pixel format on the window, makes a
    // context current with a top-left origin and sets up the texture.
    bool Init(HWND window);
    // True when more than 12 ms have passed since the last frame drawn; that
    // frame's time is then remembered.
    bool FrameDue(long long microseconds);
    // Uploads the texels (red, green, blue, alpha; row 0 first) and draws
    // them over the strip.
    void Draw(const unsigned char* texels, int width, int height);
    // Deletes the texture and the context and gives the device context back.
    void Exit();

private:
    HWND window_ = nullptr;
    HDC deviceContext_ = nullptr;
    HGLRC renderingContext_ = nullptr;
    unsigned int texture_ = 0;
    long long lastFrame_ = 0;
};

}  // namespace glstrip
