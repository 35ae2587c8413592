#include "animation_thread.h"

#include "exports.h"

bool AnimationPlugin::Load(HWND window) {
    module.reset(::LoadLibraryA(fileName.c_str()));
    if (!module) return false;
    EntryPoints found;
    found.init = winlib::GetExport<AnimationInitFunction>(module.get(), "Init");
    found.exit = winlib::GetExport<AnimationPlainFunction>(module.get(), "Exit");
    found.drawFrame = winlib::GetExport<AnimationDrawFrameFunction>(module.get(), "DrawFrame");
    found.resize = winlib::GetExport<AnimationPlainFunction>(module.get(), "Resize");
    if (found.init && found.init(window) != 0) {
        entry = found;
        return true;
    }
    module.reset();
    return false;
}

void AnimationPlugin::Tick() {
    if (entry.drawFrame) {
        LARGE_INTEGER counter, frequency;
        ::QueryPerformanceCounter(&counter);
        ::QueryPerformanceFrequency(&frequency);
        // Whole seconds and the remainder apart, so the product cannot
        // overflow after a long uptime.
        long long seconds = counter.QuadPart / frequency.QuadPart;
        long long rest = counter.QuadPart % frequency.QuadPart;
        entry.drawFrame(seconds * 1000000 + rest * 1000000 / frequency.QuadPart);
    }
    ::Sleep(16);
}

void AnimationPlugin::Unload() {
    if (!module) return;
    if (entry.exit) entry.exit();
    entry = EntryPoints{};
    module.reset();
}

AnimationThread::AnimationThread(HWND stripWindow, std::string fileName)
    : stripWindow_(stripWindow), fileName_(std::move(fileName)) {}

AnimationThread::~AnimationThread() {
    if (thread_) ::CloseHandle(thread_);
}

bool AnimationThread::Start() {
    if (thread_) return false;
    thread_ = ::CreateThread(nullptr, 0, &AnimationThread::ThreadMain, this, 0, &threadId_);
    return thread_ != nullptr;
}

DWORD WINAPI AnimationThread::ThreadMain(void* self) {
    try {
        static_cast<AnimationThread*>(self)->Run();
    } catch (...) {
        // An exception must not leave the thread: the process would end.
        return 1;
    }
    return 0;
}

void AnimationThread::Run() {
    AnimationPlugin plugin(fileName_);
    plugin.Load(stripWindow_);  // a failed load still idles until stopped
    MSG message;
    // The flag covers a stop that came before this thread had a message
    // queue to receive WM_QUIT in.
    while (!stopRequested_) {
        if (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) break;
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
            continue;
        }
        plugin.Tick();
    }
    plugin.Unload();
}

bool AnimationThread::Stop(DWORD waitMs) {
    if (!thread_) return true;
    stopRequested_ = true;
    ::PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    return ::WaitForSingleObject(thread_, waitMs) == WAIT_OBJECT_0;
}

bool AnimationThread::Running() const {
    return thread_ && ::WaitForSingleObject(thread_, 0) == WAIT_TIMEOUT;
}
