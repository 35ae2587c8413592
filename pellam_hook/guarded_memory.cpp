#include "guarded_memory.h"

namespace pellamhook {

// Two copy routines, each one instruction whose address an exception
// handler knows: a fault there resumes at the routine's fault label, which
// returns 0 with the stack as the routine left it. MinGW's 32-bit GCC has no
// __try, so the routines are written out here.
//
// pellam_copy_bytes(destination, source, count) relies on the vectored
// handler below (Windows XP and later). pellam_copy_bytes_framed registers
// its own handler on fs:[0] for the copy alone, which every Win32 system
// dispatches to (Windows 98, ME and 2000 have no vectored handlers).
extern "C" int pellam_copy_bytes(void* destination, const void* source, size_t count);
extern "C" int pellam_copy_bytes_framed(void* destination, const void* source, size_t count);
extern "C" char pellam_copy_bytes_at[], pellam_copy_bytes_fault[];
extern "C" char pellam_copy_framed_at[], pellam_copy_framed_fault[];
extern "C" EXCEPTION_DISPOSITION __cdecl pellam_copy_frame_handler(EXCEPTION_RECORD* record, void* frame,
                                                                  CONTEXT* context, void* dispatcher);
asm(".text\n"
    ".globl _pellam_copy_bytes\n"
    "_pellam_copy_bytes:\n"
    "  pushl %esi\n"
    "  pushl %edi\n"
    "  movl 12(%esp), %edi\n"
    "  movl 16(%esp), %esi\n"
    "  movl 20(%esp), %ecx\n"
    "  cld\n"
    ".globl _pellam_copy_bytes_at\n"
    "_pellam_copy_bytes_at:\n"
    "  rep movsb\n"
    "  movl $1, %eax\n"
    "  popl %edi\n"
    "  popl %esi\n"
    "  ret\n"
    ".globl _pellam_copy_bytes_fault\n"
    "_pellam_copy_bytes_fault:\n"
    "  xorl %eax, %eax\n"
    "  popl %edi\n"
    "  popl %esi\n"
    "  ret\n"
    // The registration record (previous record, handler) lives on this
    // routine's stack and is taken off the chain before it returns, also
    // after a fault: the handler resumes with the stack of the fault.
    ".globl _pellam_copy_bytes_framed\n"
    "_pellam_copy_bytes_framed:\n"
    "  pushl %esi\n"
    "  pushl %edi\n"
    "  pushl $_pellam_copy_frame_handler\n"
    "  pushl %fs:0\n"
    "  movl %esp, %fs:0\n"
    "  movl 20(%esp), %edi\n"
    "  movl 24(%esp), %esi\n"
    "  movl 28(%esp), %ecx\n"
    "  cld\n"
    ".globl _pellam_copy_framed_at\n"
    "_pellam_copy_framed_at:\n"
    "  rep movsb\n"
    "  movl $1, %eax\n"
    "pellam_copy_framed_done:\n"
    "  popl %fs:0\n"
    "  addl $4, %esp\n"
    "  popl %edi\n"
    "  popl %esi\n"
    "  ret\n"
    ".globl _pellam_copy_framed_fault\n"
    "_pellam_copy_framed_fault:\n"
    "  xorl %eax, %eax\n"
    "  jmp pellam_copy_framed_done\n");

namespace {

bool IsMemoryFault(DWORD code) {
    return code == EXCEPTION_ACCESS_VIOLATION || code == STATUS_GUARD_PAGE_VIOLATION ||
           code == EXCEPTION_IN_PAGE_ERROR;
}

}  // namespace

extern "C" EXCEPTION_DISPOSITION __cdecl pellam_copy_frame_handler(EXCEPTION_RECORD* record, void*,
                                                                  CONTEXT* context, void*) {
    // An unwind passing through the record is none of its business.
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return ExceptionContinueSearch;
    if (IsMemoryFault(record->ExceptionCode) &&
        context->Eip == reinterpret_cast<DWORD>(pellam_copy_framed_at)) {
        context->Eip = reinterpret_cast<DWORD>(pellam_copy_framed_fault);
        return ExceptionContinueExecution;
    }
    return ExceptionContinueSearch;
}

namespace {

void* g_guard = nullptr;
FaultGuard g_kind = FaultGuard::None;

LONG CALLBACK CopyFaultHandler(EXCEPTION_POINTERS* info) {
    if (IsMemoryFault(info->ExceptionRecord->ExceptionCode) &&
        info->ContextRecord->Eip == reinterpret_cast<DWORD>(pellam_copy_bytes_at)) {
        info->ContextRecord->Eip = reinterpret_cast<DWORD>(pellam_copy_bytes_fault);
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE |
                            PAGE_EXECUTE_WRITECOPY;

// Walks the regions covering the range; 'end' receives the end of the
// last region checked, so callers can cache it.
bool RangeHas(uint32_t address, size_t size, DWORD wanted, uint32_t* regionStart = nullptr,
              uint32_t* regionEnd = nullptr) {
    if (size == 0) return true;
    uint64_t end = uint64_t(address) + size;
    if (address == 0 || end > 0x100000000ull) return false;
    uint64_t at = address;
    bool first = true;
    while (at < end) {
        MEMORY_BASIC_INFORMATION info{};
        if (::VirtualQuery(reinterpret_cast<void*>(static_cast<uintptr_t>(at)), &info, sizeof info) == 0)
            return false;
        if (info.State != MEM_COMMIT || (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) ||
            !(info.Protect & wanted))
            return false;
        uint64_t regionEnd64 = uint64_t(reinterpret_cast<uintptr_t>(info.BaseAddress)) + info.RegionSize;
        if (first && regionStart) *regionStart = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(info.BaseAddress));
        first = false;
        if (regionEnd) *regionEnd = static_cast<uint32_t>(regionEnd64 > 0xFFFFFFFFull ? 0xFFFFFFFFull : regionEnd64);
        at = regionEnd64;
    }
    return true;
}

}  // namespace

void InstallFaultGuard() {
    if (g_kind != FaultGuard::None) return;
    // Looked up, not imported: Windows 98, ME and 2000 do not export it.
    using AddHandlerFn = PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER);
    auto add = reinterpret_cast<AddHandlerFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "AddVectoredExceptionHandler")));
    g_guard = add ? add(1, CopyFaultHandler) : nullptr;
    g_kind = g_guard ? FaultGuard::Vectored : FaultGuard::Frame;
}

void ForceFrameFaultGuard() {
    RemoveFaultGuard();
    g_kind = FaultGuard::Frame;
}

void RemoveFaultGuard() {
    if (g_guard) {
        using RemoveHandlerFn = ULONG(WINAPI*)(PVOID);
        auto remove = reinterpret_cast<RemoveHandlerFn>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "RemoveVectoredExceptionHandler")));
        if (remove) remove(g_guard);
    }
    g_guard = nullptr;
    g_kind = FaultGuard::None;
}

FaultGuard CurrentFaultGuard() { return g_kind; }

bool CopyCatchingFaults(void* destination, const void* source, size_t size) {
    // Without a vectored handler only the framed routine is safe.
    if (g_kind == FaultGuard::Vectored) return pellam_copy_bytes(destination, source, size) == 1;
    return pellam_copy_bytes_framed(destination, source, size) == 1;
}

bool RangeReadable(uint32_t address, size_t size) { return RangeHas(address, size, kReadable); }
bool RangeWritable(uint32_t address, size_t size) { return RangeHas(address, size, kWritable); }

bool GuardedCopy(void* destination, const void* source, size_t size) {
    if (!RangeReadable(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(source)), size)) return false;
    return CopyCatchingFaults(destination, source, size);
}

bool ProcessMemory::Read(uint32_t address, void* out, size_t size) const {
    uint64_t end = uint64_t(address) + size;
    if (!(address >= regionStart_ && end <= regionEnd_) &&
        !RangeHas(address, size, kReadable, &regionStart_, &regionEnd_))
        return false;
    return CopyCatchingFaults(out, reinterpret_cast<const void*>(static_cast<uintptr_t>(address)), size);
}

}  // namespace pellamhook
