#include "name_list.h"

#include <gtest/gtest.h>

#include <cstring>

namespace pellamhook {
namespace {

TEST(NameList, FindsNamesWithoutRegardToCaseAndNothingElse) {
    char buffer[64];
    ASSERT_TRUE(WriteNameList({"game.exe", "", "Other.EXE"}, buffer, sizeof buffer));
    struct Case {
        const char* name;
        ListAnswer answer;
    } cases[] = {
        {"game.exe", ListAnswer::Yes},  {"GAME.EXE", ListAnswer::Yes}, {"other.exe", ListAnswer::Yes},
        {"game.ex", ListAnswer::No},    {"game.exe2", ListAnswer::No}, {"", ListAnswer::No},
        {"gämé.exe", ListAnswer::Unknown},
    };
    for (const Case& c : cases) EXPECT_EQ(NameListHas(buffer, sizeof buffer, c.name), c.answer) << c.name;
}

TEST(NameList, ListsThatDoNotFitAreWrittenEmpty) {
    char buffer[10];
    EXPECT_TRUE(WriteNameList({"a.exe", "bc"}, buffer, sizeof buffer));  // exactly full
    EXPECT_EQ(NameListHas(buffer, sizeof buffer, "bc"), ListAnswer::Yes);
    EXPECT_FALSE(WriteNameList({"a.exe", "bcd"}, buffer, sizeof buffer));
    EXPECT_EQ(NameListHas(buffer, sizeof buffer, "a.exe"), ListAnswer::No);
}

// Pellam may be writing while a program reads: whatever the bytes, the
// reader stays inside the buffer.
TEST(NameList, AReaderNeverLooksPastTheBuffer) {
    char full[8];
    std::memset(full, 'a', sizeof full);
    EXPECT_EQ(NameListHas(full, sizeof full, "aaaaaaaa"), ListAnswer::No);
    EXPECT_EQ(NameListHas(full, sizeof full, "aaaaaaaaa"), ListAnswer::No);
    char unended[4] = {'a', '\0', 'b', 'c'};
    EXPECT_EQ(NameListHas(unended, sizeof unended, "a"), ListAnswer::Yes);
    EXPECT_EQ(NameListHas(unended, sizeof unended, "bc"), ListAnswer::No);
}

}  // namespace
}  // namespace pellamhook
