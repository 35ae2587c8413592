#include "database_text.h"

#include "range_grammar.h"
#include "root_key_table.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace quillon {
namespace {

// ---- writing ----

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Hex(std::uint64_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

std::string RootText(std::uint32_t root) {
    for (int i = 0; i < kRootKeyCount; ++i)
        if (RootKeyRowAt(i).handle == root) return RootKeyRowAt(i).longName;
    return Hex(root);
}

// The range text that parses back to exactly these triples, or "" when the
// grammar cannot say them (a negative start reads as a range separator, and
// an empty text parses as the one value 0).
std::string RangeTextOf(const std::vector<std::uint32_t>& triples) {
    DWordRanges ranges;
    if (!ranges.AssignTriples(triples)) return "";
    std::string canonical = ranges.RangeText();
    DWordRanges again;
    return again.Parse(canonical) && again.triples() == triples ? canonical : "";
}

void WriteSetting(std::string& out, const SettingRecord& s) {
    bool dword = s.type == kSettingTypeDWord;
    out += "  setting " + std::string(dword ? "dword " : "string ") + Quote(s.name) + "\n";
    out += "    value-name " + Quote(s.valueName) + "\n";
    if (dword) {
        out += "    default " + SignedDecimal(s.value) + "\n";
        std::string range = RangeTextOf(s.triples);
        if (!range.empty()) {
            out += "    range " + Quote(range) + "\n";
        } else {
            out += "    triples";
            for (std::uint32_t v : s.triples) out += " " + SignedDecimal(v);
            out += "\n";
        }
    } else {
        out += "    default " + Quote(s.stringValue) + "\n";
        out += "    range " + Quote(s.rangeText) + "\n";
    }
    out += "    names " + Quote(s.tweakMap) + "\n";
    out += "    comment " + Quote(s.comment) + "\n";
    out += "  end\n";
}

// ---- reading ----

struct Line {
    int number = 0;
    std::vector<std::string> words;  // a quoted word keeps a leading '"'
};

bool Tokenize(const std::string& text, int number, Line& line, std::string& reason) {
    line.number = number;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#' && line.words.empty()) {
            return true;
        } else if (c == '"') {
            std::string word = "\"";
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    reason = "a string is not closed";
                    return false;
                }
                char d = text[i++];
                if (d == '"') break;
                if (d != '\\') {
                    word += d;
                    continue;
                }
                if (i >= text.size()) {
                    reason = "a string ends in a backslash";
                    return false;
                }
                char e = text[i++];
                if (e == '"' || e == '\\') {
                    word += e;
                } else if (e == 'x' && i + 1 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])) &&
                           std::isxdigit(static_cast<unsigned char>(text[i + 1]))) {
                    word += static_cast<char>(std::strtoul(text.substr(i, 2).c_str(), nullptr, 16));
                    i += 2;
                } else {
                    reason = std::string("unknown escape \\") + e;
                    return false;
                }
            }
            line.words.push_back(word);
        } else {
            size_t end = text.find_first_of(" \t\r\"", i);
            if (end == std::string::npos) end = text.size();
            line.words.push_back(text.substr(i, end - i));
            i = end;
        }
    }
    return true;
}

bool IsString(const std::string& word) { return !word.empty() && word[0] == '"'; }

class Parser {
public:
    Parser(const std::string& fileName) : fileName_(fileName) {}

    bool Fail(const Line& line, const std::string& reason) {
        error = fileName_ + ":" + std::to_string(line.number) + ": " + reason;
        return false;
    }

    // One quoted string after the keyword, at most 255 bytes.
    bool String(const Line& line, size_t at, std::string& out) {
        if (line.words.size() <= at || !IsString(line.words[at]))
            return Fail(line, "'" + line.words[0] + "' needs a quoted text");
        out = line.words[at].substr(1);
        if (out.size() > kMaxRecordString)
            return Fail(line, "a text of " + std::to_string(out.size()) + " bytes is over the 255 a database keeps");
        return true;
    }

    bool Number(const Line& line, std::uint64_t limit, std::uint64_t& out, bool allowNegative) {
        if (line.words.size() != 2 || IsString(line.words[1]))
            return Fail(line, "'" + line.words[0] + "' needs one number");
        const std::string& word = line.words[1];
        bool negative = allowNegative && !word.empty() && word[0] == '-';
        std::string digits = negative ? word.substr(1) : word;
        char* end = nullptr;
        errno = 0;
        unsigned long long value = std::strtoull(digits.c_str(), &end, 0);
        if (digits.empty() || *end != '\0' || errno != 0 || digits[0] == '-' || digits[0] == '+')
            return Fail(line, "'" + word + "' is not a number");
        if (negative ? value > 0x80000000ull : value > limit) return Fail(line, "'" + word + "' is too large");
        out = negative ? (0x100000000ull - value) & 0xFFFFFFFFull : value;
        return true;
    }

    bool Expect(const Line& line, size_t count) {
        if (line.words.size() != count) return Fail(line, "'" + line.words[0] + "' takes " + std::to_string(count - 1) + " values");
        return true;
    }

    bool Parse(const std::vector<Line>& lines, std::vector<DatabaseEntry>& entries) {
        enum { Top, InCategory, InSetting } state = Top;
        DatabaseEntry entry;
        SettingRecord setting;
        bool haveKey = false;
        int settingFields = 0;
        const Line* last = nullptr;
        for (const Line& line : lines) {
            last = &line;
            if (line.words.empty()) continue;
            const std::string& word = line.words[0];
            if (state == Top) {
                if (word != "category") return Fail(line, "expected 'category', found '" + word + "'");
                entry = DatabaseEntry();
                if (!String(line, 1, entry.name) || !Expect(line, 2)) return false;
                haveKey = false;
                state = InCategory;
            } else if (state == InCategory) {
                CategoryKeyRecord& key = entry.record.key;
                if (word == "key") {
                    if (line.words.size() == 4 && line.words[1] == "dynamic") {
                        key.dynamic = true;
                        if (!String(line, 2, key.dllFile) || !String(line, 3, key.parameter)) return false;
                    } else {
                        if (!Expect(line, 3) || IsString(line.words[1])) return Fail(line, "'key' needs a root and a quoted subkey");
                        key.dynamic = false;
                        key.root = 0;
                        for (int i = 0; i < kRootKeyCount; ++i)
                            if (line.words[1] == RootKeyRowAt(i).longName) key.root = RootKeyRowAt(i).handle;
                        if (key.root == 0) {
                            std::uint64_t raw = 0;
                            Line value{line.number, {"key", line.words[1]}};
                            if (!Number(value, 0xFFFFFFFFull, raw, false)) return Fail(line, "unknown root '" + line.words[1] + "'");
                            key.root = static_cast<std::uint32_t>(raw);
                        }
                        if (!String(line, 2, key.subKey)) return false;
                    }
                    haveKey = true;
                } else if (word == "cards") {
                    if (!Number(line, UINT64_MAX, entry.record.body.cardMask, false)) return false;
                } else if (word == "os") {
                    std::uint64_t os = 0;
                    if (!Number(line, 0xFFFFFFFFull, os, false)) return false;
                    entry.record.body.osMask = static_cast<std::uint32_t>(os);
                } else if (word == "setting") {
                    if (line.words.size() != 3 || (line.words[1] != "dword" && line.words[1] != "string"))
                        return Fail(line, "'setting' needs dword or string and a quoted name");
                    setting = SettingRecord();
                    setting.type = line.words[1] == "dword" ? kSettingTypeDWord : kSettingTypeString;
                    if (!String(line, 2, setting.name)) return false;
                    settingFields = 0;
                    state = InSetting;
                } else if (word == "end") {
                    if (!haveKey) return Fail(line, "the category has no 'key'");
                    entries.push_back(entry);
                    state = Top;
                } else {
                    return Fail(line, "unknown word '" + word + "' in a category");
                }
            } else {
                bool dword = setting.type == kSettingTypeDWord;
                if (word == "value-name") {
                    if (!Expect(line, 2) || !String(line, 1, setting.valueName)) return false;
                    settingFields |= 1;
                } else if (word == "default") {
                    if (dword) {
                        std::uint64_t value = 0;
                        if (!Number(line, 0xFFFFFFFFull, value, true)) return false;
                        setting.value = static_cast<std::uint32_t>(value);
                    } else if (!Expect(line, 2) || !String(line, 1, setting.stringValue)) {
                        return false;
                    }
                    settingFields |= 2;
                } else if (word == "range") {
                    std::string text;
                    if (!Expect(line, 2) || !String(line, 1, text)) return false;
                    if (dword) {
                        DWordRanges ranges;
                        if (!ranges.Parse(text)) return Fail(line, "'" + text + "' is not a range of numbers");
                        setting.triples = ranges.triples();
                        setting.valueCount = ranges.valueCount();
                    } else {
                        setting.rangeText = text;
                    }
                    settingFields |= 4;
                } else if (word == "triples" && dword) {
                    // Ranges the range text cannot say, as (from, to, step) numbers.
                    std::vector<std::uint32_t> triples;
                    for (size_t i = 1; i < line.words.size(); ++i) {
                        std::uint64_t v = 0;
                        Line one{line.number, {"triples", line.words[i]}};
                        if (!Number(one, 0xFFFFFFFFull, v, true)) return false;
                        triples.push_back(static_cast<std::uint32_t>(v));
                    }
                    std::uint32_t count = 0;
                    if (!ValidTriples(triples, count)) return Fail(line, "the triples are not valid ranges");
                    setting.triples = triples;
                    setting.valueCount = count;
                    settingFields |= 4;
                } else if (word == "names") {
                    if (!Expect(line, 2) || !String(line, 1, setting.tweakMap)) return false;
                } else if (word == "comment") {
                    if (!Expect(line, 2) || !String(line, 1, setting.comment)) return false;
                } else if (word == "end") {
                    if ((settingFields & 1) == 0) return Fail(line, "the setting has no 'value-name'");
                    if ((settingFields & 2) == 0) return Fail(line, "the setting has no 'default'");
                    if ((settingFields & 4) == 0) return Fail(line, "the setting has no 'range'");
                    entry.record.body.settings.push_back(setting);
                    state = InCategory;
                } else {
                    return Fail(line, "unknown word '" + word + "' in a setting");
                }
            }
        }
        if (state != Top) {
            Line end{last ? last->number : 0, {}};
            return Fail(end, state == InSetting ? "the file ends inside a setting" : "the file ends inside a category");
        }
        return true;
    }

    std::string error;

private:
    std::string fileName_;
};

}  // namespace

bool ParseDatabaseText(const std::string& text, const std::string& fileName,
                       std::vector<DatabaseEntry>& entries, std::string& error) {
    std::vector<Line> lines;
    size_t start = 0;
    int number = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        Line line;
        std::string reason;
        if (!Tokenize(text.substr(start, end - start), ++number, line, reason)) {
            error = fileName + ":" + std::to_string(number) + ": " + reason;
            return false;
        }
        lines.push_back(line);
        start = end + 1;
    }
    Parser parser(fileName);
    std::vector<DatabaseEntry> parsed;
    if (!parser.Parse(lines, parsed)) {
        error = parser.error;
        return false;
    }
    entries = std::move(parsed);
    return true;
}

std::string DatabaseText(const std::vector<DatabaseEntry>& entries) {
    std::string out;
    for (size_t i = 0; i < entries.size(); ++i) {
        const DatabaseEntry& entry = entries[i];
        const CategoryKeyRecord& key = entry.record.key;
        if (i > 0) out += "\n";
        out += "category " + Quote(entry.name) + "\n";
        if (key.dynamic)
            out += "  key dynamic " + Quote(key.dllFile) + " " + Quote(key.parameter) + "\n";
        else
            out += "  key " + RootText(key.root) + " " + Quote(key.subKey) + "\n";
        out += "  cards " + Hex(entry.record.body.cardMask) + "\n";
        out += "  os " + Hex(entry.record.body.osMask) + "\n";
        for (const SettingRecord& setting : entry.record.body.settings) WriteSetting(out, setting);
        out += "end\n";
    }
    return out;
}

}  // namespace quillon
