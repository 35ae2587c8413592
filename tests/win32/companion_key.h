// HKEY_CURRENT_USER "Software\Pellam Suite" as the companion tests see it:
// removed before and after each test, with readers and writers of its values.
#pragma once

#include <windows.h>

#include <string>

namespace companionkey {
void Remove();
bool Exists(const char* path);
void SetText(const char* path, const char* name, const std::string& text);
void SetNumber(const char* path, const char* name, DWORD value);
// "(missing)" when the value is not there or is not of the type.
std::string Text(const char* path, const char* name);
bool Number(const char* path, const char* name, DWORD& value);
}  // namespace companionkey
