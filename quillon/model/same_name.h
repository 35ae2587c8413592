// One comparison for every name the registry or the file system looks up:
// value names, key paths, key-lookup parameters and file names. Two names
// are the same when the registry would find the one under the other: each
// character of the ANSI code page upper-cased by Unicode's rules. Merge,
// lookup and edit all ask this, so they never disagree.
#pragma once

#include <string>

// The form in which two names that are the same are equal; a map key.
std::wstring NameKey(const std::string& name);
bool SameName(const std::string& a, const std::string& b);
