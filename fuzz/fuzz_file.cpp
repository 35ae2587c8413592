// libFuzzer targets over whole files, one per format (FUZZ_FORMAT picks it):
// the tab layout, a tweak database, a profile, a backup, a journal entry
// and the command line. Each reads the input as the program reads that file; what reads
// whole must write back to the same bytes, and nothing may read past the
// input or crash.
#include "backup_file.h"
#include "byte_io.h"
#include "category_record.h"
#include "command_line.h"
#include "container_header.h"
#include "database_file.h"
#include "database_text.h"
#include "journal_entry.h"
#include "layout_file.h"

#include <cstdlib>
#include <string>
#include <vector>

using namespace quillon;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Profiles keep strings of at most 251 bytes.
constexpr std::size_t kProfileString = 251;

[[maybe_unused]] void FuzzLayout(const std::vector<std::uint8_t>& bytes) {
    quillon::Layout layout;
    LayoutRead read = ReadLayout(bytes, layout);
    if (read != LayoutRead::Complete) return;
    std::vector<std::uint8_t> again;
    if (!LayoutBytes(layout, again)) return;  // a tab of a kind the writer refuses
    quillon::Layout reread;
    Check(ReadLayout(again, reread) == LayoutRead::Complete && reread == layout);
}

[[maybe_unused]] void FuzzJournal(const std::vector<std::uint8_t>& bytes) {
    JournalEntry entry;
    std::string error;
    if (!ReadJournalEntry(bytes, entry, error)) return;
    std::vector<std::uint8_t> again;
    Check(WriteJournalEntry(entry, again));
    JournalEntry reread;
    Check(ReadJournalEntry(again, reread, error) && reread.values.size() == entry.values.size());
}

[[maybe_unused]] void FuzzDatabase(const std::vector<std::uint8_t>& bytes) {
    quillon::Database database = ReadDatabase(bytes);
    std::vector<std::uint8_t> again;
    Check(DatabaseBytes(database.categories, again));
    // The text form says everything that was read.
    std::vector<DatabaseEntry> parsed;
    std::string error;
    Check(ParseDatabaseText(DatabaseText(database.categories), "fuzz", parsed, error));
    Check(parsed == database.categories);
}

[[maybe_unused]] void FuzzProfile(const std::vector<std::uint8_t>& bytes) {
    ByteReader in(bytes);
    ContainerHeader header;
    if (!ReadContainerHeader(in, header)) return;
    for (std::uint32_t i = 0; i < header.count; ++i) {
        CategoryValuesRecord record;
        if (!ReadCategoryValues(in, record, kProfileString)) return;
        for (const SettingValueRecord& value : record.values) {
            Check(value.valueName.size() <= kProfileString);
            Check(value.stringValue.size() <= kProfileString);
        }
    }
}

[[maybe_unused]] void FuzzBackup(const std::vector<std::uint8_t>& bytes) {
    BackupFile backup;
    if (!ReadBackupFile(bytes.data(), bytes.size(), backup)) return;
    ByteWriter out;
    Check(WriteBackupFile(out, backup));
}

[[maybe_unused]] void FuzzCommandLine(const std::vector<std::uint8_t>& bytes) {
    std::string line(bytes.begin(), bytes.end());
    ProfileRequest request = FindProfileRequest(line);
    Check(request.name.size() <= line.size());
    Check(!request.present || line.find("Profile=") != std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    FUZZ_FORMAT(bytes);
    return 0;
}
