// Names of the graphics cards and operating systems a category can target;
// the bit of entry i is 1 << i.
#pragma once

// The last two are never recognised, only chosen, so that a user of any
// other card can answer the card question truthfully.
constexpr int kCardCount = 9;
constexpr const char* kCardNames[kCardCount] = {
    "Radeon",  "Radeon 7500", "Radeon 8500", "GeForce",   "GeForce 2",
    "GeForce 3", "Voodoo 4/5", "Intel",      "Other card"};

// Later systems follow the first four, so old masks keep their meaning.
constexpr int kOsCount = 9;
constexpr const char* kOsNames[kOsCount] = {
    "Windows 98", "Windows ME", "Windows 2000", "Windows XP", "Windows Vista",
    "Windows 7",  "Windows 8",  "Windows 10",   "Windows 11"};
