#include "guarded_memory.h"

namespace pellamhook {

// copy_bytes(destination, source, count): 1 when copied, 0 when the copy
// faulted. MinGW's 32-bit GCC has no __try, so the copy is one instruction
// whose address the exception handler knows: a fault there resumes at
// copy_bytes_fault, which returns 0 with the stack as the routine left it.
extern "C" int pellam_copy_bytes(void* destination, const void* source, size_t count);
extern "C" char pellam_copy_bytes_at[], pellam_copy_bytes_fault[];
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
    "  ret\n");

namespace {

void* g_guard = nullptr;

LONG CALLBACK CopyFaultHandler(EXCEPTION_POINTERS* info) {
    DWORD code = info->ExceptionRecord->ExceptionCode;
    if ((code == EXCEPTION_ACCESS_VIOLATION || code == STATUS_GUARD_PAGE_VIOLATION ||
         code == EXCEPTION_IN_PAGE_ERROR) &&
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
    if (!g_guard) g_guard = ::AddVectoredExceptionHandler(1, CopyFaultHandler);
}

void RemoveFaultGuard() {
    if (g_guard) ::RemoveVectoredExceptionHandler(g_guard);
    g_guard = nullptr;
}

bool RangeReadable(uint32_t address, size_t size) { return RangeHas(address, size, kReadable); }
bool RangeWritable(uint32_t address, size_t size) { return RangeHas(address, size, kWritable); }

bool GuardedCopy(void* destination, const void* source, size_t size) {
    if (!RangeReadable(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(source)), size)) return false;
    return pellam_copy_bytes(destination, source, size) == 1;
}

bool ProcessMemory::Read(uint32_t address, void* out, size_t size) const {
    uint64_t end = uint64_t(address) + size;
    if (!(address >= regionStart_ && end <= regionEnd_) &&
        !RangeHas(address, size, kReadable, &regionStart_, &regionEnd_))
        return false;
    return pellam_copy_bytes(out, reinterpret_cast<const void*>(static_cast<uintptr_t>(address)), size) == 1;
}

}  // namespace pellamhook
