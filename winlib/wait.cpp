#include "wait.h"

namespace winlib {

bool WaitAnsweringSentMessages(HANDLE handle, DWORD waitMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        DWORD elapsed = ::GetTickCount() - start;
        DWORD left = elapsed >= waitMs ? 0 : waitMs - elapsed;
        DWORD result = ::MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0) return true;
        if (result != WAIT_OBJECT_0 + 1) return false;  // timed out or failed
        // Peeking delivers the sent messages; nothing posted is removed.
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace winlib
