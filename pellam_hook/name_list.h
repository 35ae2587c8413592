// A list of executable names in a fixed buffer, as the shared section keeps
// it: each name ends with '\0' and an empty name ends the list. Written by
// Pellam's process, read by every program the library enters, possibly
// while Pellam writes: a reader never looks past the buffer, whatever it
// holds.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pellamhook {

// Writes 'names' as a list into buffer[0..size). False, with an empty list
// in the buffer, when they do not fit; empty names are left out.
bool WriteNameList(const std::vector<std::string>& names, char* buffer, size_t size);

enum class ListAnswer { Yes, No, Unknown };

// Whether 'name' is in the list, compared without regard to ASCII case.
// Unknown for a name with other than ASCII characters: the registry folds
// their case too, which this comparison cannot.
ListAnswer NameListHas(const char* buffer, size_t size, const char* name);

}  // namespace pellamhook
