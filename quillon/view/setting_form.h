// What the setting dialog makes of its typed texts before it builds a setting.
#pragma once

#include <string>

struct SettingForm {
    std::string name, valueName, comment, rangeText, tweakMap;
    bool isString = true;
};

// An empty range gets the on/off defaults of its type, and then the on/off
// tweak map too, replacing a typed one.
void ApplyDefaultRange(SettingForm& form);

// The tweak map as stored: empty stays empty, otherwise it ends with ";".
std::string StoredTweakMap(const std::string& typed);
