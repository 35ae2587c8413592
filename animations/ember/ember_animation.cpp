// Ember_Animation.dll: the fire, drawn with OpenGL into the main window's
// animation strip. All calls come from the animation thread, which owns the
// rendering context made in Init.
#include "animation_abi.h"
#include "fire_field.h"

#include <windows.h>
#include <GL/gl.h>

#include <cstdlib>

#ifndef GL_RGBA8
#define GL_RGBA8 0x8058
#endif

namespace {

// Module state: one fire per process.
ember::FireField* fire = nullptr;
HWND window = nullptr;
HDC deviceContext = nullptr;
HGLRC renderingContext = nullptr;
GLuint texture = 0;
long long lastFrame = 0;

// Frames closer together than this are skipped.
constexpr long long kFrameMicroseconds = 12000;

void SetUpPixelFormat() {
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 32;
    int chosen = ::ChoosePixelFormat(deviceContext, &format);
    ::SetPixelFormat(deviceContext, chosen, &format);
    ::DescribePixelFormat(deviceContext, chosen, sizeof format, &format);
}

void Upload() {
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, ember::kColumns, ember::kPictureRows, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, fire->texels());
}

}  // namespace

extern "C" {

__declspec(dllexport) int Init(HWND strip) {
    if (!fire) fire = new ember::FireField();
    window = strip;
    deviceContext = ::GetDC(window);
    SetUpPixelFormat();
    renderingContext = ::wglCreateContext(deviceContext);
    ::wglMakeCurrent(deviceContext, renderingContext);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 1, 0, 1, -1);  // (0,0) top left, (1,1) bottom right
    glGenTextures(1, &texture);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    return 1;
}

__declspec(dllexport) int DrawFrame(long long microseconds) {
    long long elapsed = microseconds - lastFrame;
    if (elapsed < 0 || elapsed <= kFrameMicroseconds) return 0;
    lastFrame = microseconds;
    fire->Step([] { return std::rand(); });
    Upload();
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(1, 0);
    glVertex2f(1, 0);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(0, 1);
    glEnd();
    ::SwapBuffers(deviceContext);
    return 1;
}

__declspec(dllexport) int Resize(void) { return 0; }

__declspec(dllexport) int Exit(void) {
    if (texture) glDeleteTextures(1, &texture);
    texture = 0;
    ::wglMakeCurrent(nullptr, nullptr);
    if (renderingContext) ::wglDeleteContext(renderingContext);
    renderingContext = nullptr;
    if (deviceContext) ::ReleaseDC(window, deviceContext);
    deviceContext = nullptr;
    return 0;
}

}  // extern "C"
