#include "import_patching.h"

#include "guarded_memory.h"
#include "hook_log.h"
#include "hook_state.h"
#include "searched_modules.h"

namespace pellamhook {
namespace {

constexpr int kMaxDepth = 4;
constexpr uint32_t kSharedSystemArea = 0x80000000u;  // Windows 9x
// The modules one table entry's search has been through.
SearchedModules* g_searched = nullptr;

uint32_t Address(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

bool IsNtFamily() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// The writable form of a protection, keeping its execute right, so a slot in
// a section that also holds code stays executable while it is written.
DWORD WritableProtection(DWORD old) {
    DWORD base = old & 0xFF;
    DWORD extra = old & ~0xFFu & ~static_cast<DWORD>(PAGE_GUARD);
    if (base == PAGE_EXECUTE || base == PAGE_EXECUTE_READ || base == PAGE_EXECUTE_READWRITE ||
        base == PAGE_EXECUTE_WRITECOPY)
        return PAGE_EXECUTE_READWRITE | extra;
    return PAGE_READWRITE | extra;
}

}  // namespace

// Slots left patched at the program's end point into this library, so the
// library must outlive the program's last call through them: it keeps
// itself loaded until the process ends, also when Windows frees hook
// libraries after the hooks are removed.
void KeepLibraryLoaded() {
    if (g_process.keptLoaded) return;
    using GetHandleEx = BOOL(WINAPI*)(DWORD, const char*, HMODULE*);
    // Found, not imported: Windows XP and later pin a module for good.
    auto pin = reinterpret_cast<GetHandleEx>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetModuleHandleExA")));
    HMODULE module = nullptr;
    const char* ownCode = reinterpret_cast<const char*>(&KeepLibraryLoaded);
    bool kept = pin && pin(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, ownCode,
                           &module);
    if (!kept) {
        // Older systems: one more reference that is never given back.
        char path[MAX_PATH] = "";
        DWORD length = ::GetModuleFileNameA(g_process.ownModule, path, sizeof path);
        kept = length > 0 && length < sizeof path && ::LoadLibraryA(path) != nullptr;
    }
    g_process.keptLoaded = kept;
    LogLine(2, "%s keeps the library until it ends: %s", g_process.exeName, kept ? "yes" : "no");
}

uint32_t GetImportDescriptor(HMODULE moduleBase) {
    ProcessMemory memory;
    uint32_t descriptor = 0;
    if (FindImportTable(memory, Address(moduleBase), descriptor) == ImportTable::Damaged)
        LogLine(1, "%s: the import table of the module at %X lies outside it; its imports are skipped",
                ExeNameOrUnknown(), static_cast<unsigned>(Address(moduleBase)));
    if (!descriptor) ::SetLastError(ERROR_INVALID_PARAMETER);
    return descriptor;
}

uint32_t WriteSlot(uint32_t slot, uint32_t value) {
    void* at = reinterpret_cast<void*>(static_cast<uintptr_t>(slot));
    MEMORY_BASIC_INFORMATION info{};
    if (::VirtualQuery(at, &info, sizeof info) == 0 || info.State != MEM_COMMIT) return 0;
    // Only the slot's own page changes protection: code sharing the region
    // with the table keeps running in other threads meanwhile.
    DWORD old = 0;
    if (!::VirtualProtect(at, sizeof(uint32_t), WritableProtection(info.Protect), &old)) return 0;
    uint32_t previous = 0;
    if (GuardedCopy(&previous, at, sizeof previous)) {
        if (RangeWritable(slot, sizeof(uint32_t))) {
            LogLine(1, "Actually changed");
            ::InterlockedExchange(static_cast<volatile LONG*>(at), static_cast<LONG>(value));
        } else {
            previous = 0;
        }
    }
    DWORD ignored = 0;
    ::VirtualProtect(at, sizeof(uint32_t), old, &ignored);
    return previous;
}

bool DoPatch(HMODULE moduleBase, const char* importedModuleName, const char* functionName,
             uint32_t replacement, uint32_t* savedOut, uint32_t* slotOut, uint32_t descriptor) {
    ProcessMemory memory;
    bool patched = false;
    WalkImports(memory, Address(moduleBase), descriptor, [&](const std::string& name, uint32_t slot) {
        if (!SameImportName(name, functionName)) {
            LogLine(3, "%s:%s", importedModuleName, name.c_str());
            return false;
        }
        LogLine(2, "%s->%s:%s****found****", g_process.exeName, importedModuleName, functionName);
        uint32_t previous = WriteSlot(slot, replacement);
        if (savedOut && previous != 0) {
            if (slotOut) *slotOut = slot;
            *savedOut = previous;
            patched = true;
            return true;
        }
        return false;
    });
    return patched;
}

bool PatchModule(HMODULE moduleBase, const char* moduleName, const char* functionName,
                 uint32_t replacement, uint32_t* savedOut, uint32_t* slotOut, int depth) {
    uint32_t base = Address(moduleBase);
    if (depth > kMaxDepth || !RangeReadable(base, 64) || moduleBase == g_process.ownModule) return false;
    if (base >= kSharedSystemArea && !IsNtFamily()) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (g_searched && !g_searched->FirstVisit(base, depth)) return false;
    uint32_t first = GetImportDescriptor(moduleBase);
    if (!first) return false;
    ProcessMemory memory;
    ImportedModule imported;
    // The module's own slots first: a search that went down into the first
    // imported module before looking at the rest would patch a slot of some
    // library below and stop, leaving the module's own calls unpatched.
    for (uint32_t index = 0; ImportedModuleAt(memory, base, first, index, imported); ++index) {
        if (moduleName && !SameImportName(imported.name, moduleName)) continue;
        if (DoPatch(moduleBase, imported.name.c_str(), functionName, replacement, savedOut, slotOut,
                    imported.descriptor))
            return true;
    }
    if (!Setting(pellam::kRecursivePatch)) return false;
    for (uint32_t index = 0; ImportedModuleAt(memory, base, first, index, imported); ++index) {
        HMODULE next = ::GetModuleHandleA(imported.name.c_str());
        if (!next || next == moduleBase || next == g_process.ownModule) continue;
        if (PatchModule(next, moduleName, functionName, replacement, savedOut, slotOut, depth + 1))
            return true;
    }
    return false;
}

bool ApplyPatches(bool install) {
    LogLine(1, "ApplyPatches(start)");
    HMODULE executable = ::GetModuleHandleA(nullptr);
    bool changed = false;
    for (PatchEntry& entry : g_process.patches) {
        uint32_t replacement = Address(entry.replacement);
        if (install) {
            if (entry.attempted) continue;
            entry.attempted = 1;
            if (entry.patched) continue;
            SearchedModules searched;
            g_searched = &searched;
            bool found = PatchModule(executable, entry.module, entry.function, replacement, &entry.saved,
                                     &entry.slot, 0);
            g_searched = nullptr;
            if (found) {
                entry.patched = 1;
                changed = true;
                LogLine(1, "%s %s patched to %x from %x", g_process.exeName, entry.function,
                        replacement, entry.saved);
            }
        } else if (entry.patched) {
            uint32_t restored = entry.saved;
            if (entry.saved && entry.slot) WriteSlot(entry.slot, entry.saved);
            // The replacements find the real function again once 'saved' is cleared.
            entry.saved = entry.slot = 0;
            entry.patched = 0;
            changed = true;
            LogLine(1, "%s %s unpatched to %x from %x", g_process.exeName, entry.function, restored,
                    replacement);
        }
    }
    if (install && changed && !Setting(pellam::kUnPatch)) KeepLibraryLoaded();
    LogLine(1, "ApplyPatches(end)");
    return changed;
}

void WaitForReplacementCalls() {
    constexpr int kWaits = 200;  // of 10 ms
    for (int i = 0; i < kWaits && ::InterlockedCompareExchange(&g_process.callsInside, 0, 0) != 0; ++i)
        ::Sleep(10);
    if (g_process.callsInside != 0)
        LogLine(1, "%s: a call was still inside a replaced function as the library left", g_process.exeName);
}

}  // namespace pellamhook
