// Redirecting imported functions of this process through the executable's
// import address table (and, with RecursivePatch, those of the modules it
// imports). Only table slots change; no code is rewritten.
#pragma once

#include <windows.h>

#include <cstdint>

namespace pellamhook {

// Patches (install) or restores every slot of the patch table in this
// process.
bool ApplyPatches(bool install);
// After unpatching: threads already inside a replacement finish their call
// before the library's code goes (bounded, as the loader lock is held).
void WaitForReplacementCalls();

// Keeps this library mapped until the process ends (code of it may still
// be reached through a slot, or still run on a thread).
void KeepLibraryLoaded();

// The first import descriptor of a loaded module, or 0.
uint32_t GetImportDescriptor(HMODULE moduleBase);
// One module and, with RecursivePatch, the modules it imports (to depth 4).
bool PatchModule(HMODULE moduleBase, const char* moduleName, const char* functionName,
                 uint32_t replacement, uint32_t* savedOut, uint32_t* slotOut, int depth);
// One import descriptor of a module.
bool DoPatch(HMODULE moduleBase, const char* importedModuleName, const char* functionName,
             uint32_t replacement, uint32_t* savedOut, uint32_t* slotOut, uint32_t descriptor);
// The slot's previous value, or 0 when it cannot be written.
uint32_t WriteSlot(uint32_t slot, uint32_t value);

}  // namespace pellamhook
