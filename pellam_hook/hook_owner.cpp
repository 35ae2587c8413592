#include "hook_owner.h"

#include "hook_log.h"
#include "hook_state.h"
#include "import_patching.h"
#include "scoped.h"
#include "system_error.h"

namespace pellamhook {
namespace {

struct OwnerStart {
    HMODULE module;
    HOOKPROC keyboardProc;
    HOOKPROC messageProc;
    HANDLE ready;  // set once both hooks were tried
    bool hooked;
};

// Pellam's process only.
winlib::ScopedHandle g_stop;
winlib::ScopedHandle g_thread;

constexpr DWORD kOwnerStartMs = 30000;
constexpr DWORD kOwnerEndMs = 10000;

DWORD WINAPI OwnHooks(void* parameter) {
    OwnerStart& start = *static_cast<OwnerStart*>(parameter);
    HHOOK keyboard = ::SetWindowsHookExA(WH_KEYBOARD, start.keyboardProc, start.module, 0);
    HHOOK message = ::SetWindowsHookExA(WH_GETMESSAGE, start.messageProc, start.module, 0);
    bool hooked = keyboard && message;
    if (hooked) {
        g_shared.keyboardHook = keyboard;
        g_shared.messageHook = message;
    }
    start.hooked = hooked;
    HANDLE stop = g_stop.get();
    ::SetEvent(start.ready);  // `start` is gone after this
    if (!hooked) return 1;  // the one hook that was set goes with the thread
    while (::MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    return 0;  // the system removes the thread's hooks as it ends
}

}  // namespace

bool StartHookOwner(HMODULE module, HOOKPROC keyboardProc, HOOKPROC messageProc) {
    if (g_thread) return true;
    winlib::ScopedHandle ready(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    g_stop.reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!ready || !g_stop) return false;
    OwnerStart start = {module, keyboardProc, messageProc, ready.get(), false};
    winlib::ScopedHandle thread(::CreateThread(nullptr, 0, OwnHooks, &start, 0, nullptr));
    if (!thread) {
        LogLine(1, "The hook thread could not be started: %s", winlib::SystemErrorText(::GetLastError()).c_str());
        return false;
    }
    HANDLE waits[] = {ready.get(), thread.get()};
    DWORD which = ::WaitForMultipleObjects(2, waits, FALSE, kOwnerStartMs);
    if (which != WAIT_OBJECT_0) {
        // Not ready in time (or gone): `start` must outlive the thread.
        ::SetEvent(g_stop.get());
        ::WaitForSingleObject(thread.get(), INFINITE);
        return false;
    }
    if (!start.hooked) {
        ::WaitForSingleObject(thread.get(), INFINITE);
        return false;
    }
    g_thread = std::move(thread);
    return true;
}

void EndHookOwner() {
    if (!g_thread) return;
    ::SetEvent(g_stop.get());
    if (::WaitForSingleObject(g_thread.get(), kOwnerEndMs) != WAIT_OBJECT_0) {
        LogLine(1, "The hook thread did not end; the library stays loaded");
        KeepLibraryLoaded();
        g_stop.release();  // the thread still waits on it
    }
    g_shared.keyboardHook = g_shared.messageHook = nullptr;
    g_thread.reset();
    g_stop.reset();
}

}  // namespace pellamhook
