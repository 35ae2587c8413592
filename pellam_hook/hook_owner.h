// The two global hooks belong to a thread of the library's own in Pellam's
// process, and they go when that thread ends rather than by unhooking.
//
// Unhooking while some program is inside the hook chain leaves the hook
// marked for removal until the program leaves it; Wine's server then counts
// the same hook out a second time when the thread that set it ends, and
// stops on its own assertion, taking every program of the session with it.
// A hook that goes only with its thread is counted out once, on Windows and
// under Wine alike.
//
// The thread also pumps messages: on 64-bit Windows a 64-bit program's hook
// calls are run on the thread that set the hook.
#pragma once

#include <windows.h>

namespace pellamhook {

// Sets both hooks on the owner thread and stores them in the shared state;
// false (and no thread) when either could not be set.
bool StartHookOwner(HMODULE module, HOOKPROC keyboardProc, HOOKPROC messageProc);

// Ends the owner thread, which takes the hooks with it; waits for it, since
// its code lives in this library.
void EndHookOwner();

}  // namespace pellamhook
