#include "animation_thread.h"

#include "exports.h"
#include "wait.h"

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

AnimationThread::~AnimationThread() = default;

bool AnimationThread::Start() {
    if (thread_) return false;
    loaded_.reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!loaded_) return false;
    thread_.reset(::CreateThread(nullptr, 0, &AnimationThread::ThreadMain, this, 0, &threadId_));
    if (!thread_) return false;
    // The plug-in's Init may need this thread to answer for the strip
    // window, so the wait answers sent messages.
    winlib::WaitAnsweringSentMessages(loaded_.get(), 5000);
    return true;
}

DWORD WINAPI AnimationThread::ThreadMain(void* self) {
    auto* thread = static_cast<AnimationThread*>(self);
    try {
        thread->Run();
    } catch (...) {
        // An exception must not leave the thread: the process would end.
        ::SetEvent(thread->loaded_.get());
        return 1;
    }
    return 0;
}

void AnimationThread::Run() {
    AnimationPlugin plugin(fileName_);
    plugin.Load(stripWindow_);  // a failed load still idles until stopped
    ::SetEvent(loaded_.get());
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
    return winlib::WaitAnsweringSentMessages(thread_.get(), waitMs);
}

bool AnimationThread::Running() const {
    return thread_ && ::WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT;
}
