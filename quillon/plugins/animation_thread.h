// The animation strip's drawing thread. AnimationThread runs an animation
// plug-in ("*_Animation.dll") on a thread of its own: the DLL is loaded,
// initialised, drawn with and unloaded there, so its OpenGL context belongs
// to that thread. Its loop draws a frame whenever no message waits and
// sleeps 16 ms between frames; a failed load leaves it idling.
#pragma once

#include "animation_abi.h"
#include "scoped.h"

#include <windows.h>

#include <atomic>
#include <string>

// The loaded DLL and its entry points; made and used on the thread only.
struct AnimationPlugin {
    explicit AnimationPlugin(std::string file) : fileName(std::move(file)) {}
    // Loads the DLL and calls Init with the window; false (and nothing
    // loaded) when the DLL, its Init or the Init call fails.
    bool Load(HWND window);
    // One frame at the performance counter's time, then the 16 ms pause.
    void Tick();
    // Exit and unload.
    void Unload();

    // The DLL's exports; all null while nothing is loaded.
    struct EntryPoints {
        AnimationInitFunction init = nullptr;
        AnimationPlainFunction exit = nullptr;
        AnimationDrawFrameFunction drawFrame = nullptr;
        AnimationPlainFunction resize = nullptr;
    };

    std::string fileName;
    winlib::ScopedLibrary module;
    EntryPoints entry;
};

class AnimationThread {
public:
    AnimationThread(HWND stripWindow, std::string fileName);
    ~AnimationThread();  // the owner deletes it only once the thread has ended
    AnimationThread(const AnimationThread&) = delete;
    AnimationThread& operator=(const AnimationThread&) = delete;

    // Starts the thread and returns once it has loaded and initialised the
    // animation (or at most after 5 s). Setting up the OpenGL drawing into
    // the strip while this thread changes windows could deadlock inside
    // Wine's display driver, so the two never overlap.
    bool Start();
    // Asks the thread to end and waits for it up to 'waitMs', answering
    // what the thread sends to this thread's windows meanwhile; true when it
    // has ended (and the object may be deleted).
    bool Stop(DWORD waitMs = 1000);
    bool Running() const;
    std::string GetFileName() const { return fileName_; }

private:
    static DWORD WINAPI ThreadMain(void* self);
    void Run();

    HWND stripWindow_;
    const std::string fileName_;
    winlib::ScopedHandle thread_;
    winlib::ScopedHandle loaded_;  // set once Load has returned, whatever it returned
    DWORD threadId_ = 0;
    std::atomic<bool> stopRequested_{false};
};
