// Waiting on the user-interface thread without blocking the other threads
// that talk to its windows.
#pragma once

#include <windows.h>

namespace winlib {

// Waits up to 'waitMs' for the handle to be signalled while answering the
// messages other threads send to this thread's windows (a plain wait would
// leave such a sender blocked for as long as this thread waits for it).
// Posted messages stay queued. True when the handle was signalled.
bool WaitAnsweringSentMessages(HANDLE handle, DWORD waitMs);

}  // namespace winlib
