#include "setting_form.h"

void ApplyDefaultRange(SettingForm& form) {
    if (!form.rangeText.empty()) return;
    form.rangeText = form.isString ? "0;1;" : "0-1;";
    form.tweakMap = "Off;On;";
}

std::string StoredTweakMap(const std::string& typed) {
    if (typed.empty() || typed.back() == ';') return typed;
    return typed + ";";
}
