// The resolver behind Quillon.exe's late imports (tools/late_imports.py):
// the user-interface DLLs are loaded when the program first calls into them,
// so a windowless "Profile=" run starts with kernel32 and advapi32 alone.
#include <windows.h>

#include <string>

extern "C" void* __cdecl quillon_resolve_late_import(void** slot, const char* dll,
                                                      const char* name) {
    HMODULE module = ::GetModuleHandleA(dll);
    if (!module) module = ::LoadLibraryA(dll);
    FARPROC entry = module ? ::GetProcAddress(module, name) : nullptr;
    if (!entry) {
        // There is nothing sensible to go on with; say what was missing.
        std::string text = std::string("Quillon cannot find ") + name + " in " + dll + ".";
        ::FatalAppExitA(0, text.c_str());
    }
    void* address = reinterpret_cast<void*>(entry);
    ::InterlockedExchangePointer(slot, address);
    return address;
}
