// Changes of several registry values that can be undone: before the first
// value is written, what each value holds is written whole to a journal
// entry in the program's "Journal" folder; after the last one the entry is
// marked complete. An entry left incomplete means the program ended half
// way (killed, power cut). Undoing an entry writes back what it recorded
// (values that did not exist are deleted again) and is journalled itself.
#pragma once

#include "journal_entry.h"

#include <windows.h>

#include <string>
#include <vector>

namespace quillon {

// What the value holds now.
JournalState ReadRegistryState(const JournalValue& value);
// Writes 'state' (an absent state deletes the value); false when the key
// cannot be opened or the value cannot be written or deleted. Keys are not
// created: a value under a key that does not exist is not written.
bool WriteRegistryState(const JournalValue& value, const JournalState& state);
// The full path of a value for listings: "HKLM\SOFTWARE\...\name".
std::string RegistryValuePath(const JournalValue& value);
// The values' paths, each on a line of its own after a line break.
std::string RegistryValuePathLines(const std::vector<JournalValue>& values);

class Journal {
public:
    static constexpr int kKeptEntries = 32;
    explicit Journal(std::string folder = "Journal") : folder_(std::move(folder)) {}

    struct Listed {
        std::string path;
        unsigned serial = 0;
        bool readable = false;
        std::string error;  // what is wrong with an unreadable entry
        JournalEntry entry;
    };
    // Oldest first, each read.
    std::vector<Listed> List() const;
    // Oldest first, paths and serials only: nothing read yet.
    std::vector<Listed> Names() const;
    // Reads a named entry, setting 'readable' and 'error' or 'entry'.
    static void Read(Listed& item);
    // The newest entry, read (it may be damaged); false when there is none.
    bool Newest(Listed& newest) const;
    // The entry with this serial, or the newest when 'serial' is 0; false
    // (with the reason) when there is none or it is damaged.
    bool Find(unsigned serial, Listed& found, std::string& error) const;

    // Writes the entry whole as the newest one and removes the oldest beyond
    // kKeptEntries. False, with the reason, when the folder cannot be written.
    bool Begin(const JournalEntry& entry, std::string& path, std::string& error);
    bool Complete(const std::string& path);
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
};

struct ChangeOutcome {
    bool journalled = false;
    std::string journalError;        // why the change was not started
    std::vector<JournalValue> failed;  // written but not holding their new state
    bool Succeeded() const { return journalled && failed.empty(); }
};

// Fills each value's 'before' from the registry, journals the entry, writes
// every 'after' and reads each back. Nothing is written when the journal
// cannot be.
ChangeOutcome ApplyChange(Journal& journal, JournalEntry entry);
// Writes back what 'entry' recorded, as a journalled change titled
// "Undo "<title>"". With 'onlyUnchanged', only values that still hold what
// the entry wrote are given back.
ChangeOutcome UndoEntry(Journal& journal, const JournalEntry& entry, bool onlyUnchanged = false);
// The values whose registry state differs from their 'after' ('before'
// filled in with what they hold now).
std::vector<JournalValue> Differences(std::vector<JournalValue> values);

}  // namespace quillon
