// String list grammar and tweak-map entries (declared in range_grammar.h).
#include "range_grammar.h"

namespace quillon {
namespace {

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

}  // namespace

std::vector<std::string> ParseStringList(const std::string& input) {
    std::string text = input;
    if (text.empty() || text.back() != ';') text += ';';
    std::vector<std::string> items;
    std::size_t d = 0;
    for (std::size_t c; (c = text.find(';', d)) != std::string::npos; d = c + 1)
        items.push_back(text.substr(d, c - d));
    return items;
}

std::string StringListText(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += item;
        out += ';';
    }
    return out;
}

std::uint32_t StringIndexOf(const std::vector<std::string>& items, const std::string& value) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == value) return static_cast<std::uint32_t>(i);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (EqualIgnoringAsciiCase(items[i], value)) return static_cast<std::uint32_t>(i);
    return 0;
}

std::string TweakMapEntry(const std::string& tweakMap, std::uint32_t index) {
    std::size_t d = 0;
    for (std::uint32_t i = 0;; ++i) {
        const std::size_t c = tweakMap.find(';', d);
        if (c == std::string::npos) return std::string();
        if (i == index) return tweakMap.substr(d, c - d);
        d = c + 1;
    }
}

}  // namespace quillon
