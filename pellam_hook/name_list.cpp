#include "name_list.h"

#include <cstring>

namespace pellamhook {
namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool WriteNameList(const std::vector<std::string>& names, char* buffer, size_t size) {
    if (size == 0) return false;
    size_t used = 0;
    for (const std::string& name : names) {
        if (name.empty()) continue;
        // The name, its end and the list's end must fit.
        if (name.find('\0') != std::string::npos || size - used < name.size() + 2) {
            buffer[0] = '\0';
            return false;
        }
        std::memcpy(buffer + used, name.c_str(), name.size() + 1);
        used += name.size() + 1;
    }
    buffer[used] = '\0';
    return true;
}

ListAnswer NameListHas(const char* buffer, size_t size, const char* name) {
    for (const char* c = name; *c; ++c)
        if (static_cast<unsigned char>(*c) >= 0x80) return ListAnswer::Unknown;
    size_t at = 0;
    while (at < size && buffer[at] != '\0') {
        size_t i = 0;
        while (at + i < size && buffer[at + i] != '\0' && name[i] != '\0' &&
               FoldAscii(buffer[at + i]) == FoldAscii(name[i]))
            ++i;
        if (at + i < size && buffer[at + i] == '\0' && name[i] == '\0') return ListAnswer::Yes;
        while (at < size && buffer[at] != '\0') ++at;  // to the end of this name
        ++at;
    }
    return ListAnswer::No;
}

}  // namespace pellamhook
