#include "menu_text.h"

std::string EscapeMenuText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        escaped += c;
        if (c == '&') escaped += '&';
    }
    return escaped;
}
