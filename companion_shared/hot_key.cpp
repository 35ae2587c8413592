#include "hot_key.h"

namespace pellam {

std::string HotKeyText(uint32_t code) {
    std::string text;
    if (code & kHotKeyAlt) text += "Alt+";
    if (code & kHotKeyCtrl) text += "Ctrl+";
    if (code & kHotKeyShift) text += "Shift+";
    if (code & kHotKeyWin) text += "Win+";
    uint32_t key = HotKeyVirtualKey(code);
    // Letters and digits have their ASCII codes as virtual keys.
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        text += static_cast<char>(key);
    else
        text += "#" + std::to_string(key);
    return text;
}

}  // namespace pellam
