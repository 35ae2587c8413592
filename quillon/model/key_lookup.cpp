#include "key_lookup.h"

#include "exports.h"
#include "scoped.h"

namespace {

// C calling convention: the caller removes the arguments.
using GetRegKeyFunction = void(__cdecl*)(const char* parameter, HKEY* root, char* subKey);

const size_t kSubKeyBuffer = 256;

KeyLookup* installedLookup = nullptr;

}  // namespace

bool DllKeyLookup::Lookup(const std::string& dllFile, const std::string& parameter, HKEY& root,
                          std::string& subKey) {
    winlib::ScopedLibrary dll(::LoadLibraryA(dllFile.c_str()));
    auto getRegKey = winlib::GetExport<GetRegKeyFunction>(dll.get(), "GetRegKey");
    if (!getRegKey) return false;
    char buffer[kSubKeyBuffer + 1] = "";
    HKEY newRoot = root;
    getRegKey(parameter.c_str(), &newRoot, buffer);
    // A DLL that fills all 256 bytes without a terminator must not make us
    // read past the buffer: the extra byte stays zero.
    buffer[kSubKeyBuffer - 1 + 1] = '\0';
    root = newRoot;
    subKey.assign(buffer, strnlen(buffer, kSubKeyBuffer - 1));
    return true;
}

KeyLookup& CurrentKeyLookup() {
    static DllKeyLookup dllLookup;
    return installedLookup ? *installedLookup : dllLookup;
}

void SetKeyLookup(KeyLookup* lookup) { installedLookup = lookup; }
