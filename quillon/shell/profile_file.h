// Profiles: files "Profiles\<name>.qlp" holding the registry values of
// chosen categories (a format number, a record count and that many category
// values records). Applying one writes its values back and deletes the
// values that did not exist when it was taken.
#pragma once

#include "category_finder.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Category;

// Strings in a profile are at most this long: readers keep them in fixed
// buffers.
constexpr std::size_t kMaxProfileString = 251;

enum class ProfileResult { Applied, NotFound, Damaged };

// Applies the profile at 'path'. With a finder (the main window) the
// categories it names are refreshed from the registry afterwards; without one
// (the command line) only the registry is written. Messages are owned by
// 'owner', which may be null. A damaged file is applied up to its first bad
// record and reported.
ProfileResult ApplyProfile(const std::string& path, const CategoryFinder* finder, HWND owner);

// The bytes of a profile of these categories, from their settings' last-read
// registry state. False when a category holds a string longer than a profile
// can keep (its name in 'failedCategory').
bool BuildProfile(const std::vector<const Category*>& categories, std::vector<uint8_t>& bytes,
                  std::string& failedCategory);
