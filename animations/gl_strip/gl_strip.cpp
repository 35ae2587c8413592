#include "gl_strip.h"

#include <GL/gl.h>

#ifndef GL_RGBA8
#define GL_RGBA8 0x8058
#endif

namespace glstrip {
namespace {

// Frames closer together than this are skipped.
constexpr long long kFrameMicroseconds = 12000;

}  // namespace

void SetUpPixelFormat(HDC deviceContext) {
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

bool GlStrip::Init(HWND window) {
    window_ = window;
    deviceContext_ = ::GetDC(window_);
    SetUpPixelFormat(deviceContext_);
    renderingContext_ = ::wglCreateContext(deviceContext_);
    ::wglMakeCurrent(deviceContext_, renderingContext_);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 1, 0, 1, -1);  // (0,0) top left, (1,1) bottom right
    GLuint texture = 0;
    glGenTextures(1, &texture);
    texture_ = texture;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    return true;
}

bool GlStrip::FrameDue(long long microseconds) {
    long long elapsed = microseconds - lastFrame_;
    if (elapsed < 0 || elapsed <= kFrameMicroseconds) return false;
    lastFrame_ = microseconds;
    return true;
}

void GlStrip::Draw(const unsigned char* texels, int width, int height) {
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
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
    ::SwapBuffers(deviceContext_);
}

void GlStrip::Exit() {
    if (texture_) {
        GLuint texture = texture_;
        glDeleteTextures(1, &texture);
    }
    texture_ = 0;
    ::wglMakeCurrent(nullptr, nullptr);
    if (renderingContext_) ::wglDeleteContext(renderingContext_);
    renderingContext_ = nullptr;
    if (deviceContext_) ::ReleaseDC(window_, deviceContext_);
    deviceContext_ = nullptr;
}

}  // namespace glstrip
