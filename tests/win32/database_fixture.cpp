#include "database_fixture.h"

#include "byte_io.h"
#include "file.h"


bool RecordingChooser::Choose(HWND, bool open, DWORD flags, FileNameBuffer& name) {
    calls.push_back({open, flags, name.text});
    if (answers.empty() || answers.front().empty()) {
        if (!answers.empty()) answers.pop_front();
        return false;
    }
    lstrcpynA(name.text, answers.front().c_str(), sizeof name.text);
    answers.pop_front();
    return true;
}

std::vector<std::string> DatabaseFixture::ShownNames() const {
    std::vector<std::string> names;
    for (const auto& tab : window_->tabs().shown()) names.push_back(tab->GetName());
    return names;
}

std::vector<std::string> DatabaseFixture::HiddenNames() const {
    std::vector<std::string> names;
    for (const auto& tab : window_->tabs().hidden()) names.push_back(tab->GetName());
    return names;
}

namespace dbtest {

quillon::SettingRecord DWordRecord(const std::string& name, const std::string& valueName) {
    quillon::SettingRecord record;
    record.type = quillon::kSettingTypeDWord;
    record.name = name;
    record.valueName = valueName;
    record.comment = "comment of " + name;
    record.triples = {0, 1, 1};
    record.valueCount = 2;
    return record;
}

std::vector<uint8_t> Database(const std::vector<Entry>& entries) {
    quillon::ByteWriter out;
    out.WriteU32(1);
    out.WriteU32(static_cast<uint32_t>(entries.size()));
    for (const Entry& entry : entries) {
        quillon::CategoryExportRecord record;
        record.key.root = 0x80000001u;  // HKEY_CURRENT_USER
        record.key.subKey = entry.subKey;
        record.body.cardMask = entry.cardMask;
        record.body.osMask = 0xFFFFFFFFu;
        record.body.settings = entry.settings;
        EXPECT_TRUE(quillon::WriteNamedExport(out, entry.name, record));
    }
    return out.TakeBytes();
}

std::vector<uint8_t> Profile(const std::vector<quillon::CategoryValuesRecord>& records) {
    quillon::ByteWriter out;
    out.WriteU32(1);
    out.WriteU32(static_cast<uint32_t>(records.size()));
    for (const auto& record : records) EXPECT_TRUE(quillon::WriteCategoryValues(out, record));
    return out.TakeBytes();
}

quillon::CategoryValuesRecord ValuesFor(const std::string& subKey,
                                        std::vector<quillon::SettingValueRecord> values) {
    quillon::CategoryValuesRecord record;
    record.key.root = 0x80000001u;
    record.key.subKey = subKey;
    record.values = std::move(values);
    return record;
}

quillon::SettingValueRecord DWordValue(const std::string& valueName, DWORD value) {
    quillon::SettingValueRecord record;
    record.type = quillon::kSettingTypeDWord;
    record.present = true;
    record.valueName = valueName;
    record.dwordValue = value;
    return record;
}

quillon::SettingValueRecord StringValue(const std::string& valueName, const std::string& value) {
    quillon::SettingValueRecord record;
    record.type = quillon::kSettingTypeString;
    record.present = true;
    record.valueName = valueName;
    record.stringValue = value;
    return record;
}

quillon::SettingValueRecord Absent(const std::string& valueName) {
    quillon::SettingValueRecord record;
    record.type = quillon::kSettingTypeDWord;
    record.present = false;
    record.valueName = valueName;
    return record;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(winlib::CFile::WriteReplacing(path, bytes)) << path;
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes) {
    return winlib::CFile::ReadAll(path, bytes);
}

}  // namespace dbtest
