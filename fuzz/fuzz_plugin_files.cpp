// libFuzzer target for what the plug-ins read from outside: the OpenGL tab's
// registry copy ("Extensions.stream") and registry page, and the refresh-rate
// tab's item texts and stored rates. The first byte picks the reader.
#include "extension_registry.h"
#include "refresh_modes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::vector<uint8_t> bytes(data + 1, data + size);
    std::string text(bytes.begin(), bytes.end());
    switch (data[0] % 4) {
    case 0: {
        std::vector<extlist::ExtensionEntry> entries;
        // Whatever reads must write back to the same bytes.
        if (extlist::ReadExtensionStream(bytes, entries) &&
            extlist::WriteExtensionStream(entries) != bytes)
            __builtin_trap();
        break;
    }
    case 1: {
        std::vector<extlist::ExtensionEntry> entries = extlist::ParseRegistryPage(text);
        std::vector<extlist::ExtensionRow> rows;
        for (const auto& entry : entries) rows.push_back({entry.name, "", ""});
        extlist::FillRegistryColumns(rows, entries, "http://reg.example/gl/index.html");
        break;
    }
    case 2: {
        size_t split = text.find('\n');
        extlist::ResolveLink(text.substr(0, split), split == std::string::npos ? "" : text.substr(split + 1));
        break;
    }
    default: {
        cadence::ItemChoice choice;
        cadence::ParseItemText(text, choice);
        cadence::StoredRate(text, data[0] & 4);
        break;
    }
    }
    return 0;
}
