// What an animation plug-in ("*_Animation.dll") exports. Shared by the
// program and the plug-ins: plain C functions under undecorated names, all
// called on the animation thread.
//
//   int Init(HWND window)          sets up drawing into the strip window
//                                  (an OpenGL context made current on this
//                                  thread); nonzero = success.
//   int DrawFrame(long long time)  draws the next frame if it is due; time is
//                                  in microseconds, only differences matter.
//   int Resize(void)               the window size changed.
//   int Exit(void)                 releases what Init made.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int (*AnimationInitFunction)(HWND window);
typedef int (*AnimationDrawFrameFunction)(long long microseconds);
typedef int (*AnimationPlainFunction)(void);

#ifdef __cplusplus
}
#endif
