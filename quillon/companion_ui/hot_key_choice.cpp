#include "hot_key_choice.h"

#include "companion_settings.h"
#include "hot_key.h"

namespace {
const HotKeyFunction kFunctions[kHotKeyFunctionCount] = {
    {"Gamma up", pellam::kGammaUpHotKey},
    {"Gamma down", pellam::kGammaDownHotKey},
    {"Gamma reset", pellam::kGammaResetHotKey},
    {"Brightness up", pellam::kBrightnessUpHotKey},
    {"Brightness down", pellam::kBrightnessDownHotKey},
    {"Brightness reset", pellam::kBrightnessResetHotKey},
    {"Contrast up", pellam::kContrastUpHotKey},
    {"Contrast down", pellam::kContrastDownHotKey},
    {"Contrast reset", pellam::kContrastResetHotKey},
};
constexpr int kModifierShift = 16;
}  // namespace

const HotKeyFunction& HotKeyFunctionAt(int index) { return kFunctions[index]; }

HotKeyChoice ChoiceFromCode(uint32_t code) {
    HotKeyChoice choice;
    choice.key = pellam::HotKeyVirtualKey(code);
    choice.modifiers = pellam::HotKeyModifiers(code) >> kModifierShift;
    return choice;
}

std::optional<uint32_t> CodeToStore(const HotKeyChoice& choice) {
    if (choice.modifiers == 0 || choice.key < kFirstLetterKey || choice.key > kLastLetterKey)
        return std::nullopt;
    return pellam::MakeHotKey(choice.key, choice.modifiers << kModifierShift);
}
