// The one way a new category comes to be, whether the user adds it or a
// tweak database brings it: its key is backed up before anything can write
// to it, so the user can always go back to what was there.
#pragma once

#include "category.h"

#include <memory>
#include <string>

// A dynamic key is resolved through its key-lookup DLL first. A backup that
// cannot be written does not stop the category.
std::unique_ptr<Category> CreateNewCategory(const std::string& name, const CategoryKey& key,
                                            HWND mainWindow);
