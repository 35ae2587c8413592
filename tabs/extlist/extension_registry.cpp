#include "extension_registry.h"

#include "byte_io.h"

#include <cstdlib>

namespace extlist {

bool ReadExtensionStream(const std::vector<uint8_t>& bytes, std::vector<ExtensionEntry>& entries) {
    quillon::ByteReader reader(bytes);
    uint32_t count = 0;
    if (!reader.ReadU32(count)) return false;
    // Each entry takes at least 12 bytes: a count beyond that is damage, and
    // nothing is reserved for it.
    if (count > reader.remaining() / 12) return false;
    std::vector<ExtensionEntry> read;
    read.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        ExtensionEntry entry;
        if (!reader.ReadI32(entry.number) || !reader.ReadString(entry.name) ||
            !reader.ReadString(entry.href))
            return false;
        read.push_back(std::move(entry));
    }
    if (!reader.AtEnd()) return false;
    entries = std::move(read);
    return true;
}

std::vector<uint8_t> WriteExtensionStream(const std::vector<ExtensionEntry>& entries) {
    quillon::ByteWriter body;
    uint32_t count = 0;
    for (const ExtensionEntry& entry : entries) {
        if (entry.name.size() > quillon::kMaxRecordString ||
            entry.href.size() > quillon::kMaxRecordString)
            continue;
        body.WriteI32(entry.number);
        body.WriteString(entry.name);
        body.WriteString(entry.href);
        ++count;
    }
    quillon::ByteWriter file;
    file.WriteU32(count);
    file.Append(body);
    return file.TakeBytes();
}

bool ParseRegistryLine(const std::string& line, ExtensionEntry& entry) {
    const std::string marker = "<li value=";
    size_t start = line.find(marker);
    if (start == std::string::npos) return false;
    size_t numberStart = start + marker.size();
    size_t numberEnd = line.find('>', numberStart);
    if (numberEnd == std::string::npos) return false;
    size_t href = line.find("href=\"", numberEnd + 1);
    if (href == std::string::npos) return false;
    size_t linkStart = href + 6;
    size_t linkEnd = line.find('"', linkStart);
    if (linkEnd == std::string::npos) return false;
    size_t nameStart = line.find('>', linkEnd + 1);
    if (nameStart == std::string::npos) return false;
    ++nameStart;
    size_t nameEnd = line.find('<', nameStart);
    if (nameEnd == std::string::npos) return false;
    entry.number = std::atoi(line.substr(numberStart, numberEnd - numberStart).c_str());
    entry.href = line.substr(linkStart, linkEnd - linkStart);
    entry.name = line.substr(nameStart, nameEnd - nameStart);
    return true;
}

std::vector<ExtensionEntry> ParseRegistryPage(const std::string& page) {
    std::vector<ExtensionEntry> entries;
    size_t start = 0;
    while (start < page.size()) {
        size_t end = page.find_first_of("\r\n", start);
        if (end == std::string::npos) end = page.size();
        ExtensionEntry entry;
        if (ParseRegistryLine(page.substr(start, end - start), entry)) entries.push_back(entry);
        start = end + 1;
        if (end < page.size() && page[end] == '\r' && start < page.size() && page[start] == '\n')
            ++start;
    }
    return entries;
}

std::vector<std::string> SplitExtensionNames(const std::string& text) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) names.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::vector<std::string> MergeExtensionNames(const std::vector<std::string>& gl,
                                             const std::vector<std::string>& wgl) {
    std::vector<std::string> merged = gl;
    for (const std::string& name : wgl) {
        bool known = false;
        for (const std::string& listed : merged) known = known || listed == name;
        if (!known) merged.push_back(name);
    }
    return merged;
}

namespace {

// "http://host" of an address, or "" when it has no scheme.
std::string Origin(const std::string& address) {
    size_t scheme = address.find("://");
    if (scheme == std::string::npos) return "";
    size_t path = address.find_first_of("/?#", scheme + 3);
    return address.substr(0, path == std::string::npos ? address.size() : path);
}

bool HasScheme(const std::string& href) {
    size_t colon = href.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    for (size_t i = 0; i < colon; ++i) {
        char c = href[i];
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                  (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
        if (!ok) return false;
    }
    return true;
}

// Removes "." and ".." segments from an absolute path.
std::string RemoveDotSegments(const std::string& path) {
    std::vector<std::string> segments;
    size_t start = 1;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        std::string segment = path.substr(start, end - start);
        bool last = end == path.size();
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
            if (last) segments.push_back("");
        } else if (segment == ".") {
            if (last) segments.push_back("");
        } else {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& segment : segments) result += "/" + segment;
    return result.empty() ? "/" : result;
}

}  // namespace

std::string ResolveLink(const std::string& pageAddress, const std::string& href) {
    if (HasScheme(href)) return href;
    std::string origin = Origin(pageAddress);
    if (origin.empty()) return pageAddress + href;  // not a web address: as it stands
    if (href.rfind("//", 0) == 0) return origin.substr(0, origin.find("://") + 1) + href;
    // The origin is a prefix of the address; what follows is the page's path,
    // query and fragment.
    std::string rest = pageAddress.substr(origin.size());
    rest = rest.substr(0, rest.find('#'));
    std::string page = origin + rest;
    if (href.empty()) return page;
    if (href[0] == '#') return page + href;
    std::string pagePath = rest.substr(0, rest.find('?'));
    if (pagePath.empty()) pagePath = "/";
    if (href[0] == '?') return origin + pagePath + href;
    std::string path;
    if (href[0] == '/') {
        path = href;
    } else {
        path = pagePath.substr(0, pagePath.rfind('/') + 1) + href;
    }
    size_t suffix = path.find_first_of("?#");
    std::string tail = suffix == std::string::npos ? "" : path.substr(suffix);
    return origin + RemoveDotSegments(path.substr(0, suffix)) + tail;
}

void FillRegistryColumns(std::vector<ExtensionRow>& rows, const std::vector<ExtensionEntry>& entries,
                         const std::string& pageAddress) {
    for (ExtensionRow& row : rows) {
        const ExtensionEntry* match = nullptr;
        for (const ExtensionEntry& entry : entries)
            if (entry.name == row.name) {
                match = &entry;
                break;
            }
        if (!match) {
            row.documentation = "---";
            continue;
        }
        bool arb = row.name.find("_ARB_") != std::string::npos;
        row.number = (arb ? "ARB: " : "Non-ARB: ") + std::to_string(match->number);
        row.documentation = ResolveLink(pageAddress, match->href);
    }
}

std::string TextExport(const std::string& info, const std::vector<ExtensionRow>& rows) {
    std::string text = info + "\r\n" + "\r\n";
    for (const ExtensionRow& row : rows) text += row.name + "\r\n";
    return text;
}

std::string HtmlExport(const std::string& info, const std::vector<ExtensionRow>& rows) {
    std::string lines;
    for (size_t i = 0; i < info.size(); ++i) {
        if (info.compare(i, 2, "\r\n") == 0) {
            lines += "<br>\r\n";
            ++i;
        } else {
            lines += info[i];
        }
    }
    std::string html = "<html>\r\n" + lines + "\r\n" + "<H3>Supported extensions:</H3>" + "\r\n";
    for (const ExtensionRow& row : rows) {
        std::string line = row.name;
        if (row.documentation != "---")
            line = "<a href=\"" + row.documentation + "\">" + row.name + "</a>";
        html += line + "<br>" + "\r\n";
    }
    return html + "</html>";
}

}  // namespace extlist
