// Dynamic registry keys: a key-lookup DLL computes a category's root and
// subkey through its GetRegKey export. The DLL is loaded for one lookup and
// freed at once; KeyLookup is the seam through which tests watch the moments
// of lookup.
#pragma once

#include <windows.h>

#include <string>

class KeyLookup {
public:
    virtual ~KeyLookup() = default;
    // Asks dllFile's GetRegKey for the key of 'parameter'. False (and the
    // outputs untouched) when the DLL or its export is missing.
    virtual bool Lookup(const std::string& dllFile, const std::string& parameter, HKEY& root,
                        std::string& subKey) = 0;
};

// Loads the DLL with the ordinary search order, calls GetRegKey with a
// 256-byte subkey buffer and frees the DLL again.
class DllKeyLookup : public KeyLookup {
public:
    bool Lookup(const std::string& dllFile, const std::string& parameter, HKEY& root,
                std::string& subKey) override;
};

// The lookup the program uses; tests may install their own.
KeyLookup& CurrentKeyLookup();
void SetKeyLookup(KeyLookup* lookup);  // null: back to DllKeyLookup
