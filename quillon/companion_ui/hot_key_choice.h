// The hot-keys dialog's functions and how a choice of letter and modifiers
// becomes the stored hot-key code. No Windows headers.
#pragma once

#include <cstdint>
#include <optional>

// One editable function: its list text and its entry in the companion's
// settings (which names the registry value and Pellam's default).
struct HotKeyFunction {
    const char* label;
    int setting;
};
constexpr int kHotKeyFunctionCount = 9;
const HotKeyFunction& HotKeyFunctionAt(int index);

// The dialog's modifier bits, the code's bits 16 to 19 shifted down.
enum HotKeyChoiceModifier : uint32_t {
    kChoiceAlt = 0x1,
    kChoiceCtrl = 0x2,
    kChoiceShift = 0x4,
    kChoiceWin = 0x8,
};
constexpr uint32_t kFirstLetterKey = 'A';
constexpr uint32_t kLastLetterKey = 'Z';

struct HotKeyChoice {
    uint32_t key = kFirstLetterKey;
    uint32_t modifiers = 0;
};

HotKeyChoice ChoiceFromCode(uint32_t code);
// The code to store, or nothing when the value is to be deleted (no
// modifier, or a key that is not a letter) so that Pellam uses its default.
std::optional<uint32_t> CodeToStore(const HotKeyChoice& choice);
