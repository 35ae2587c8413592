// Profiles: files "Profiles\<name>.qlp" holding the registry values of
// chosen categories (a format number, a record count and that many category
// values records). Applying one writes its values back and deletes the
// values that did not exist when it was taken, as one journalled change
// that "Undo last change" can take back.
#pragma once

#include "category_finder.h"
#include "profile_plan.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Category;

enum class ProfileResult { Applied, NotFound, Damaged, NotJournalled, NotWritten };

// Applies the profile at 'path'. With a finder (the main window) the
// categories it names are refreshed from the registry afterwards; without one
// (the command line) only the registry is written. Messages are owned by
// 'owner', which may be null. A damaged file changes nothing and is
// reported, as is a journal that cannot be written (then nothing is
// written) and values that do not hold their new state afterwards.
// 'tag' names the game whose start applies the profile (its journal entry
// is undone when the game ends), empty otherwise.
ProfileResult ApplyProfile(const std::string& path, const CategoryFinder* finder, HWND owner,
                           const std::string& tag = std::string());

// The bytes of a profile of these categories, from their settings' last-read
// registry state. False when a category holds a string longer than a profile
// can keep (its name in 'failedCategory').
bool BuildProfile(const std::vector<const Category*>& categories, std::vector<uint8_t>& bytes,
                  std::string& failedCategory);
