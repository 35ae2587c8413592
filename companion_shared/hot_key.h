// Hot-key codes of the companion's settings: the virtual-key code in bits 0
// to 15 and the modifiers in bits 16 to 19. No Windows headers.
#pragma once

#include <cstdint>
#include <string>

namespace pellam {

enum HotKeyModifier : uint32_t {
    kHotKeyAlt = 0x10000,
    kHotKeyCtrl = 0x20000,
    kHotKeyShift = 0x40000,
    kHotKeyWin = 0x80000,
};
constexpr uint32_t kHotKeyModifierMask = 0xF0000;

inline uint32_t MakeHotKey(uint32_t virtualKey, uint32_t modifiers) {
    return (virtualKey & 0xFFFF) | (modifiers & kHotKeyModifierMask);
}
inline uint32_t HotKeyVirtualKey(uint32_t code) { return code & 0xFFFF; }
inline uint32_t HotKeyModifiers(uint32_t code) { return code & kHotKeyModifierMask; }

// "Alt+Ctrl+Shift+Win+G"; keys outside "0"-"9" and "A"-"Z" as "#<code>".
std::string HotKeyText(uint32_t code);

}  // namespace pellam
