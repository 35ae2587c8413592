#include "device_key.h"

#include <cctype>

namespace displaykey {
namespace {

// Whether 'text' starts with 'prefix', ignoring ASCII case.
bool StartsWith(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

constexpr size_t kMaxSubKey = 255;

}  // namespace

RegistryKey SplitDeviceKey(const std::string& deviceKey, const std::string& parameter) {
    struct Prefix {
        const char* text;
        Root root;
    } prefixes[] = {{"\\Registry\\Machine\\", Root::LocalMachine},
                    {"HKEY_LOCAL_MACHINE\\", Root::LocalMachine},
                    {"\\Registry\\User\\", Root::None},
                    {"\\", Root::None}};
    RegistryKey key;
    std::string rest = deviceKey;
    key.root = Root::LocalMachine;  // a bare path is one below HKEY_LOCAL_MACHINE (Windows 9x)
    for (const Prefix& prefix : prefixes)
        if (StartsWith(deviceKey, prefix.text)) {
            key.root = prefix.root;
            rest = deviceKey.substr(std::string(prefix.text).size());
            break;
        }
    while (!rest.empty() && rest.back() == '\\') rest.pop_back();
    if (!parameter.empty()) rest += "\\" + parameter;
    if (key.root == Root::None || rest.empty() || rest.size() > kMaxSubKey) return {};
    key.subKey = rest;
    return key;
}

}  // namespace displaykey
