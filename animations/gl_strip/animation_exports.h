// The four exports every animation plug-in of this suite has, around one
// picture that lives in the DLL (one per process; every export runs on the
// animation thread). The picture is made at the first Init and carries on
// across a later one; frames are stepped and drawn at most every 12 ms. A
// plug-in's DLL file is then its picture and, for example:
//
//   QUILLON_ANIMATION_PLUGIN(new (std::nothrow) FirePicture())
#pragma once

#include "animation_abi.h"
#include "gl_strip.h"

#include <new>

namespace glstrip {

// What an animation computes: texels (red, green, blue, alpha; row 0 first)
// of a fixed size, one step further at each frame.
class Picture {
public:
    virtual ~Picture() = default;
    virtual void Step() = 0;
    virtual const unsigned char* Texels() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

}  // namespace glstrip

#define QUILLON_ANIMATION_PLUGIN(MAKE_PICTURE)                                          \
    namespace {                                                                         \
    glstrip::Picture* thePicture = nullptr;                                             \
    glstrip::GlStrip theStrip;                                                          \
    }                                                                                   \
    extern "C" {                                                                        \
    __declspec(dllexport) int Init(HWND window) {                                       \
        if (!thePicture) thePicture = MAKE_PICTURE;                                     \
        if (!thePicture) return 0;                                                      \
        return theStrip.Init(window) ? 1 : 0;                                           \
    }                                                                                   \
    __declspec(dllexport) int DrawFrame(long long microseconds) {                       \
        if (!thePicture || !theStrip.FrameDue(microseconds)) return 0;                  \
        thePicture->Step();                                                             \
        theStrip.Draw(thePicture->Texels(), thePicture->Width(), thePicture->Height()); \
        return 1;                                                                       \
    }                                                                                   \
    __declspec(dllexport) int Resize(void) { return 0; }                                \
    __declspec(dllexport) int Exit(void) {                                              \
        theStrip.Exit();                                                                \
        return 0;                                                                       \
    }                                                                                   \
    }
