// GoogleTest's Notification on a Win32 event. The Win32 thread model of
// MinGW's GCC 12 has no std::mutex or std::condition_variable, which
// GoogleTest's own Notification needs; the rest of its Windows threading
// already uses Win32 calls. Included before every GoogleTest header.
#pragma once

#include <windows.h>

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : event_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { ::CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { ::SetEvent(event_); }
    void WaitForNotification() { ::WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

}  // namespace internal
}  // namespace testing
