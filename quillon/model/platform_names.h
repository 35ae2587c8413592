// Names of the graphics cards and operating systems a category can target;
// the bit of entry i is 1 << i.
#pragma once

constexpr int kCardCount = 7;
constexpr const char* kCardNames[kCardCount] = {
    "Radeon", "Radeon 7500", "Radeon 8500", "GeForce", "GeForce 2", "GeForce 3", "Voodoo 4/5"};

constexpr int kOsCount = 4;
constexpr const char* kOsNames[kOsCount] = {"Windows 98", "Windows ME", "Windows 2000",
                                            "Windows XP"};
