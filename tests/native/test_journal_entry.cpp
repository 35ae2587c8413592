#include "journal_entry.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

JournalEntry SampleEntry() {
    JournalEntry entry;
    entry.title = "Game";
    entry.tag = "game.exe";
    JournalValue number;
    number.root = 0x80000002u;
    number.nativeView = true;
    number.subKey = "SOFTWARE\\Driver";
    number.valueName = "Mode";
    number.before = {true, 4, std::string("\x05\0\0\0", 4)};
    number.after = {true, 4, std::string("\x07\0\0\0", 4)};
    JournalValue added;
    added.root = 0x80000001u;
    added.subKey = "Software\\Driver";
    added.after = {true, 1, std::string("on\0", 3)};
    entry.values = {number, added};
    return entry;
}

TEST(JournalEntry, RoundTripsAndMarksCompleteInOneByte) {
    JournalEntry entry = SampleEntry();
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(WriteJournalEntry(entry, bytes));
    EXPECT_EQ(bytes[kJournalCompleteOffset], 0);
    bytes[kJournalCompleteOffset] = 1;
    JournalEntry read;
    std::string error;
    ASSERT_TRUE(ReadJournalEntry(bytes, read, error)) << error;
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.title, "Game");
    EXPECT_EQ(read.tag, "game.exe");
    ASSERT_EQ(read.values.size(), 2u);
    EXPECT_TRUE(read.values[0].nativeView);
    EXPECT_EQ(read.values[0].before, entry.values[0].before);
    EXPECT_FALSE(read.values[1].before.exists);
    EXPECT_EQ(read.values[1].after, entry.values[1].after);

    // How listings show values and states.
    EXPECT_EQ(JournalValueLabel(read.values[1]), "(Default)");
    EXPECT_EQ(JournalStateText(read.values[0].after), "7");
    EXPECT_EQ(JournalStateText(read.values[1].after), "\"on\"");
    EXPECT_EQ(JournalStateText(read.values[1].before), "(absent)");
    EXPECT_EQ(JournalStateText({true, 3, std::string("\x01\xff", 2)}), "01 ff");
}

TEST(JournalEntry, DamagedEntriesAreRejectedWithWhatIsWrong) {
    std::vector<std::uint8_t> whole;
    ASSERT_TRUE(WriteJournalEntry(SampleEntry(), whole));
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* error;
    };
    std::vector<Case> cases = {
        {"empty", {}, "it is not a journal entry"},
        {"another file", {'Q', 'L', 'P', '1', 0}, "it is not a journal entry"},
        {"complete flag not 0 or 1", whole, "its header is damaged"},
        {"truncated in a value", std::vector<std::uint8_t>(whole.begin(), whole.end() - 3), "value 2 of 2 is damaged"},
        {"trailing bytes", whole, "it has bytes after its last value"},
        {"huge count", whole, "it counts more values than it holds"},
    };
    cases[2].bytes[kJournalCompleteOffset] = 7;
    cases[4].bytes.push_back(0);
    // The count follows the header strings: "Game" and "game.exe".
    size_t countAt = 5 + 4 + 4 + 4 + 8;
    cases[5].bytes[countAt + 3] = 0x7F;
    for (const Case& c : cases) {
        JournalEntry read;
        read.title = "kept";
        std::string error;
        EXPECT_FALSE(ReadJournalEntry(c.bytes, read, error)) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
        EXPECT_EQ(read.title, "kept") << c.what << ": nothing is filled in";
    }

    JournalEntry tooLong = SampleEntry();
    tooLong.values[0].after.data.assign(kMaxJournalData + 1, 'x');
    std::vector<std::uint8_t> refused;
    EXPECT_FALSE(WriteJournalEntry(tooLong, refused));
}

}  // namespace
}  // namespace quillon
