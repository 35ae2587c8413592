// The OpenGL tab's data, without Windows headers: the extension names a
// driver reports, the local copy of the extension registry
// ("Extensions.stream"), the registry page's lines, the list's registry
// columns and the two export formats.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace extlist {

// One extension of the registry: its name, its documentation link as the
// page gives it, and its registry number.
struct ExtensionEntry {
    std::string name;
    std::string href;
    int32_t number = 0;
    bool operator==(const ExtensionEntry& other) const {
        return name == other.name && href == other.href && number == other.number;
    }
};

// "Extensions.stream": a count, then per entry its number, name and link as
// record strings of at most 255 bytes. A damaged file (short, a string of
// 256 bytes or more, more entries than bytes, bytes after the last entry)
// is read as nothing: false and 'entries' untouched.
bool ReadExtensionStream(const std::vector<uint8_t>& bytes, std::vector<ExtensionEntry>& entries);
// Entries whose name or link a reader could not keep (over 255 bytes) are
// left out, so the file always reads back.
std::vector<uint8_t> WriteExtensionStream(const std::vector<ExtensionEntry>& entries);

// One line of the registry page: the first "<li value=N>" with a following
// href="..." and the text after the link's ">" up to the next "<". False
// when the line holds no such entry.
bool ParseRegistryLine(const std::string& line, ExtensionEntry& entry);
// Every entry of a page, line by line (lines end in "\n", "\r\n" or "\r").
std::vector<ExtensionEntry> ParseRegistryPage(const std::string& page);

// The names in a blank-separated extension string, in order.
std::vector<std::string> SplitExtensionNames(const std::string& text);
// The OpenGL names, then each WGL name that is not among them yet.
std::vector<std::string> MergeExtensionNames(const std::vector<std::string>& gl,
                                             const std::vector<std::string>& wgl);

// A link of the page made absolute against the page's address, as a
// browser resolves it: "specs/x.txt" on "http://host/reg/index.php" is
// "http://host/reg/specs/x.txt"; "/x", "//host/x" and "http://..." too.
std::string ResolveLink(const std::string& pageAddress, const std::string& href);

// A list row: the extension and its registry columns.
struct ExtensionRow {
    std::string name;
    std::string number;         // "ARB: 12", "Non-ARB: 5", or "" before any match
    std::string documentation;  // the absolute link, or "---"
};
// Fills the registry columns of every row from the entries; a row without
// an entry gets "---" and keeps its number text.
void FillRegistryColumns(std::vector<ExtensionRow>& rows, const std::vector<ExtensionEntry>& entries,
                         const std::string& pageAddress);

// The exports: the info text (three lines joined by "\r\n"), then one line
// per row, every line ending in "\r\n".
std::string TextExport(const std::string& info, const std::vector<ExtensionRow>& rows);
std::string HtmlExport(const std::string& info, const std::vector<ExtensionRow>& rows);

}  // namespace extlist
