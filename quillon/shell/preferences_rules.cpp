#include "preferences_rules.h"

std::string HiddenTabEntry(const std::string& name, bool valid, const std::string& errorText) {
    return valid ? name : name + "  (" + errorText + ")";
}

int AnimationEntryToSelect(const std::vector<std::string>& animationNames,
                           const std::string& running) {
    if (running.empty()) return 0;
    for (size_t i = 0; i < animationNames.size(); ++i)
        if (animationNames[i] == running) return static_cast<int>(i) + 1;
    return -1;
}
