// Reading and writing memory of other modules of this process without ever
// faulting the host: every range is first checked with VirtualQuery (committed,
// readable, no guard page), and the copy itself runs in a routine whose faults
// an exception handler turns into a failed read, for the case where another
// thread changes the memory between the check and the copy. The handler is a
// vectored one where Windows has them (XP and later), else a frame-based one
// registered on fs:[0] around the copy alone.
#pragma once

#include <windows.h>

#include "pe_imports.h"

namespace pellamhook {

enum class FaultGuard { None, Vectored, Frame };

// Installed at process attach, removed at detach (the handler lives in
// this library's code). Chooses the vectored handler when kernel32 exports
// one, else the frame-based one.
void InstallFaultGuard();
void RemoveFaultGuard();
// The frame-based handler whatever this Windows offers (tests of the path
// Windows 98, ME and 2000 take).
void ForceFrameFaultGuard();
FaultGuard CurrentFaultGuard();

// The copy without the range check: false when it faulted. With no guard
// installed it takes the frame-based way, which needs nothing installed.
bool CopyCatchingFaults(void* destination, const void* source, size_t size);

// False when any byte of the range is not committed readable memory.
bool RangeReadable(uint32_t address, size_t size);
bool RangeWritable(uint32_t address, size_t size);
// Copies after the check; false when the check fails or the copy faulted.
bool GuardedCopy(void* destination, const void* source, size_t size);

// The PE walker's reader inside this process. It remembers the last region
// found readable, so a walk over one module costs few VirtualQuery calls.
class ProcessMemory : public MemoryReader {
public:
    bool Read(uint32_t address, void* out, size_t size) const override;

private:
    mutable uint32_t regionStart_ = 0, regionEnd_ = 0;
};

}  // namespace pellamhook
