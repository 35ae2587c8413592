// Finding a category on screen by its registry key, as imports and profiles
// do: the shown tabs in order, then the hidden ones, categories only.
#pragma once

#include <windows.h>

#include <string>

class Category;

class CategoryFinder {
public:
    virtual ~CategoryFinder() = default;
    // A static key with this root whose subkey matches ignoring case.
    virtual Category* FindCategoryByKey(HKEY root, const std::string& subKey) const = 0;
    // A dynamic key with this key-lookup DLL file and parameter, ignoring case.
    virtual Category* FindCategoryByLookup(const std::string& dllFile,
                                           const std::string& parameter) const = 0;
};
