// Shared by the database and profile tests: a main window working in a
// fresh folder of its own, a file chooser that answers and records, and
// builders for database and profile bytes.
#pragma once

#include "category_record.h"
#include "file_chooser.h"
#include "main_window_fixture.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// Answers file dialogs from a queue (an empty answer cancels) and records
// what each dialog proposed and with which flags.
class RecordingChooser : public FileChooser {
public:
    RecordingChooser() { SetFileChooser(this); }
    ~RecordingChooser() override { SetFileChooser(nullptr); }
    bool Choose(HWND, bool open, DWORD flags, FileNameBuffer& name) override;
    struct Call {
        bool open;
        DWORD flags;
        std::string proposed;
    };
    std::deque<std::string> answers;
    std::vector<Call> calls;
};

class DatabaseFixture : public MainWindowFixture {
protected:
    void Command(UINT id) { ::SendMessageA(hwnd_, WM_COMMAND, id, 0); }
    // A static key under the scratch key.
    std::string KeyPath(const std::string& name) const { return scratch_.path() + "\\" + name; }
    std::vector<std::string> ShownNames() const;
    std::vector<std::string> HiddenNames() const;
};

namespace dbtest {
// A DWORD setting record with the given value name.
quillon::SettingRecord DWordRecord(const std::string& name, const std::string& valueName);
// A database entry for a static HKCU key, targeting every platform unless
// cardMask says otherwise.
struct Entry {
    std::string name;
    std::string subKey;
    std::vector<quillon::SettingRecord> settings;
    uint64_t cardMask = ~0ull;
};
std::vector<uint8_t> Database(const std::vector<Entry>& entries);
// One profile record for a static HKCU key.
std::vector<uint8_t> Profile(const std::vector<quillon::CategoryValuesRecord>& records);
quillon::CategoryValuesRecord ValuesFor(const std::string& subKey,
                                        std::vector<quillon::SettingValueRecord> values);
quillon::SettingValueRecord DWordValue(const std::string& valueName, DWORD value);
quillon::SettingValueRecord StringValue(const std::string& valueName, const std::string& value);
quillon::SettingValueRecord Absent(const std::string& valueName);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes);
}  // namespace dbtest
