#include "registry_journal.h"

#include "file.h"
#include "find_files.h"
#include "registry.h"
#include "root_key_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace quillon {
namespace {

constexpr DWORD kMaxValueBytes = static_cast<DWORD>(kMaxJournalData);
constexpr uint64_t kMaxEntryBytes = 256u * 1024 * 1024;

HKEY RootHandle(uint32_t root) { return reinterpret_cast<HKEY>(static_cast<uintptr_t>(root)); }

winlib::RegistryView View(const JournalValue& value) {
    return value.nativeView ? winlib::RegistryView::Native : winlib::RegistryView::Program;
}

// "00000012.qlj" -> 12; 0 for other names.
unsigned SerialOf(const std::string& name) {
    if (name.size() != 12 || name.compare(8, 4, ".qlj") != 0) return 0;
    unsigned serial = 0;
    for (int i = 0; i < 8; ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        serial = serial * 10 + static_cast<unsigned>(name[i] - '0');
    }
    return serial;
}

}  // namespace

JournalState ReadRegistryState(const JournalValue& value) {
    JournalState state;
    winlib::RegistryKey key;
    if (key.Open(RootHandle(value.root), value.subKey, KEY_QUERY_VALUE, View(value)) != ERROR_SUCCESS) return state;
    DWORD type = 0;
    std::vector<uint8_t> data;
    if (key.QueryValue(value.valueName.c_str(), type, data, kMaxValueBytes) != ERROR_SUCCESS) return state;
    state.exists = true;
    state.type = type;
    state.data.assign(data.begin(), data.end());
    return state;
}

bool WriteRegistryState(const JournalValue& value, const JournalState& state) {
    winlib::RegistryKey key;
    if (key.Open(RootHandle(value.root), value.subKey, KEY_SET_VALUE | KEY_QUERY_VALUE, View(value)) !=
        ERROR_SUCCESS)
        return false;
    if (!state.exists) {
        LONG result = key.DeleteValue(value.valueName.c_str());
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    return key.SetValue(value.valueName.c_str(), state.type, state.data.data(),
                        static_cast<DWORD>(state.data.size())) == ERROR_SUCCESS;
}

std::string RegistryValuePath(const JournalValue& value) {
    return std::string(RootShortPrefix(value.root)) + value.subKey + "\\" + JournalValueLabel(value);
}

std::string RegistryValuePathLines(const std::vector<JournalValue>& values) {
    std::string text;
    for (const JournalValue& value : values) text += "\n" + RegistryValuePath(value);
    return text;
}

std::vector<Journal::Listed> Journal::Names() const {
    std::vector<Listed> listed;
    for (const WIN32_FIND_DATAA& found : winlib::ListFiles(folder_ + "\\*.qlj")) {
        Listed item;
        item.serial = SerialOf(found.cFileName);
        if (item.serial == 0) continue;
        item.path = folder_ + "\\" + found.cFileName;
        listed.push_back(std::move(item));
    }
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) { return a.serial < b.serial; });
    return listed;
}

void Journal::Read(Listed& item) {
    std::vector<uint8_t> bytes;
    item.error.clear();
    item.readable = false;
    if (!winlib::CFile::ReadAll(item.path, bytes, kMaxEntryBytes))
        item.error = "it cannot be read";
    else
        item.readable = ReadJournalEntry(bytes, item.entry, item.error);
}

std::vector<Journal::Listed> Journal::List() const {
    std::vector<Listed> listed = Names();
    for (Listed& item : listed) Read(item);
    return listed;
}

bool Journal::Newest(Listed& newest) const {
    std::vector<Listed> listed = Names();
    if (listed.empty()) return false;
    newest = std::move(listed.back());
    Read(newest);
    return true;
}

bool Journal::Find(unsigned serial, Listed& found, std::string& error) const {
    std::vector<Listed> listed = Names();
    auto match = serial == 0 ? (listed.empty() ? listed.end() : listed.end() - 1)
                             : std::find_if(listed.begin(), listed.end(),
                                            [serial](const Listed& item) { return item.serial == serial; });
    if (match == listed.end()) {
        error = serial == 0 ? "The journal holds no change." : "The journal holds no change " + std::to_string(serial) + ".";
        return false;
    }
    Read(*match);
    if (!match->readable) {
        error = "The journal entry " + match->path + " is damaged: " + match->error + ". Nothing was changed.";
        return false;
    }
    found = *match;
    return true;
}

bool Journal::Begin(const JournalEntry& entry, std::string& path, std::string& error) {
    std::vector<uint8_t> bytes;
    JournalEntry incomplete = entry;
    incomplete.complete = false;
    if (!WriteJournalEntry(incomplete, bytes)) {
        error = "A value is too long for the journal.";
        return false;
    }
    std::vector<Listed> listed = Names();
    unsigned serial = listed.empty() ? 1 : listed.back().serial + 1;
    char name[16];
    std::snprintf(name, sizeof name, "%08u.qlj", serial % 100000000u);
    path = folder_ + "\\" + name;
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    if (!winlib::CFile::WriteReplacing(path, bytes)) {
        error = "The journal folder " + folder_ + " cannot be written.";
        return false;
    }
    // The oldest entries go once more than the kept number are there.
    for (size_t i = 0; i + kKeptEntries < listed.size() + 1; ++i) ::DeleteFileA(listed[i].path.c_str());
    return true;
}

bool Journal::Complete(const std::string& path) {
    winlib::CFile file;
    const uint8_t complete = 1;
    return file.Open(path, winlib::CFile::modeReadWrite) && file.Seek(kJournalCompleteOffset) &&
           file.Write(&complete, 1) && file.Flush();
}

ChangeOutcome ApplyChange(Journal& journal, JournalEntry entry) {
    ChangeOutcome outcome;
    for (JournalValue& value : entry.values) value.before = ReadRegistryState(value);
    std::string path;
    if (!journal.Begin(entry, path, outcome.journalError)) return outcome;
    outcome.journalled = true;
    for (const JournalValue& value : entry.values) {
        WriteRegistryState(value, value.after);
        if (ReadRegistryState(value) != value.after) outcome.failed.push_back(value);
    }
    journal.Complete(path);
    return outcome;
}

ChangeOutcome UndoEntry(Journal& journal, const JournalEntry& entry, bool onlyUnchanged) {
    JournalEntry undo;
    undo.title = "Undo \"" + entry.title + "\"";
    undo.tag = entry.tag;
    for (const JournalValue& value : entry.values) {
        if (onlyUnchanged && ReadRegistryState(value) != value.after) continue;
        JournalValue back = value;
        back.after = value.before;
        undo.values.push_back(std::move(back));
    }
    return ApplyChange(journal, std::move(undo));
}

std::vector<JournalValue> Differences(std::vector<JournalValue> values) {
    std::vector<JournalValue> differing;
    for (JournalValue& value : values) {
        value.before = ReadRegistryState(value);
        if (value.before != value.after) differing.push_back(std::move(value));
    }
    return differing;
}

}  // namespace quillon
