#include <gtest/gtest.h>

#include "backup_file.h"
#include "root_key_table.h"
#include "test_bytes.h"

#include <algorithm>

using namespace quillon;
using quillon_test::Bytes;

namespace {

using Buffer = std::vector<std::uint8_t>;

BackupFile Sample() {
    BackupFile file;
    file.root = kRootCurrentUser;
    file.subKey = "Software\\Vendor\\Driver";
    file.hasValues = true;
    file.nameBufferSize = 8;  // "Texture" + terminator
    file.dataBufferSize = 6;
    file.values = {
        {4, "Texture", {1, 0, 0, 0}},
        {1, "", {'o', 'n', 0}},              // the default value
        {3, "Bin", {0, 0xFF, 0, 7, 0, 9}},  // exactly the data buffer size
        {1, "Empty", {}},
    };
    return file;
}

Buffer Write(const BackupFile& file) {
    ByteWriter out;
    EXPECT_TRUE(WriteBackupFile(out, file));
    return out.bytes();
}

// The bytes of a header and its value block, written field by field.
Bytes Header(const std::string& subKey = "K") { return Bytes().U32(1).U32(kRootLocalMachine).Str(subKey); }
Bytes Block(std::uint32_t count, std::uint32_t nameBuffer, std::uint32_t dataBuffer) {
    return Header().U32(count).U32(nameBuffer).U32(dataBuffer);
}

bool Reads(const Buffer& bytes, BackupFile* result = nullptr) {
    BackupFile out;
    out.subKey = "sentinel";
    const BackupFile before = out;
    const bool ok = ReadBackupFile(bytes.data(), bytes.size(), out);
    if (!ok) {
        EXPECT_EQ(out, before) << "a rejected file changed the output";
    }
    if (result) *result = out;
    return ok;
}

TEST(BackupFile, WritesTheFieldsBackToBack) {
    BackupFile file;
    file.root = kRootCurrentUser;
    file.subKey = "S";
    file.hasValues = true;
    file.nameBufferSize = 3;
    file.dataBufferSize = 5;
    file.values = {{4, "AB", {1, 2, 3, 4}}};
    const Buffer expected = Bytes().U32(1).U32(kRootCurrentUser).Str("S")
                                .U32(1).U32(3).U32(5)
                                .U32(4).Str("AB").U32(4).Raw({1, 2, 3, 4});
    EXPECT_EQ(Write(file), expected);

    file.hasValues = false;
    file.values.clear();
    EXPECT_EQ(Write(file), Buffer(Bytes().U32(1).U32(kRootCurrentUser).Str("S")));
}

TEST(BackupFile, RoundTrips) {
    BackupFile headerOnly;
    headerOnly.root = kRootLocalMachine;
    headerOnly.subKey = "SOFTWARE\\Missing";
    BackupFile noValues = headerOnly;
    noValues.hasValues = true;
    noValues.nameBufferSize = noValues.dataBufferSize = 1;
    BackupFile longKey = Sample();
    longKey.subKey.assign(kMaxBackupSubKey, 'k');

    for (const BackupFile& file : {Sample(), headerOnly, noValues, longKey}) {
        BackupFile read;
        ASSERT_TRUE(Reads(Write(file), &read)) << file.subKey.substr(0, 40);
        EXPECT_EQ(read, file);
    }
}

TEST(BackupFile, EveryCutIsRejectedExceptRightAfterTheHeader) {
    const BackupFile file = Sample();
    const Buffer whole = Write(file);
    const std::size_t headerSize = 12 + file.subKey.size();
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const Buffer cut(whole.begin(), whole.begin() + size);
        BackupFile read;
        EXPECT_EQ(Reads(cut, &read), size == headerSize) << "cut at " << size;
        if (size == headerSize) {
            EXPECT_FALSE(read.hasValues);
            EXPECT_TRUE(read.values.empty());
            EXPECT_EQ(read.subKey, file.subKey);
        }
    }
}

TEST(BackupFile, RejectsDamage) {
    struct Case {
        const char* what;
        Buffer bytes;
        bool accepted;
    };
    const Case cases[] = {
        {"name one below its buffer", Block(1, 3, 0).U32(1).Str("AB").U32(0), true},
        {"name filling the buffer, no room for the terminator", Block(1, 2, 0).U32(1).Str("AB").U32(0), false},
        {"entry in a file announcing no name buffer", Block(1, 0, 0).U32(1).Str("").U32(0), false},
        {"data exactly its buffer", Block(1, 1, 2).U32(3).Str("").Str("xy"), true},
        {"data past its buffer", Block(1, 1, 2).U32(3).Str("").Str("xyz"), false},
        {"fewer entries than counted", Block(2, 1, 0).U32(1).Str("").U32(0), false},
        {"huge count, short file", Block(0xFFFFFFFFu, 1, 0).U32(1).Str("").U32(0), false},
        {"count just above what the bytes hold", Block(2, 1, 0).U32(1).Str("").U32(0).U32(0), false},
        {"name length past the end", Block(1, 0xFFFFFFFFu, 0).U32(1).StrWithCount(0xFFFFFFF0u, "a").U32(0), false},
        {"data length past the end", Block(1, 1, 0xFFFFFFFFu).U32(1).Str("").StrWithCount(0x7FFFFFFFu, "ab"), false},
        {"bytes after the last entry", Block(1, 1, 0).U32(1).Str("").U32(0).U8(0), false},
        {"bytes after an empty value block", Block(0, 1, 1).U8(0), false},
        {"unknown version", Bytes().U32(2).U32(kRootLocalMachine).Str("K"), false},
        {"subkey at the limit", Header(std::string(kMaxBackupSubKey, 's')), true},
        {"subkey over the limit", Header(std::string(kMaxBackupSubKey + 1, 's')), false},
        {"subkey length past the end", Bytes().U32(1).U32(0).StrWithCount(0xFFFFFFFFu, "K"), false},
        {"empty file", Buffer(), false},
    };
    for (const Case& c : cases) EXPECT_EQ(Reads(c.bytes), c.accepted) << c.what;
}

TEST(BackupFile, WriterRefusesWhatTheReaderRejects) {
    BackupFile longName = Sample();
    longName.values[0].name = "TextureX";
    BackupFile longData = Sample();
    longData.values[2].data.push_back(0);
    BackupFile valuesWithoutBlock = Sample();
    valuesWithoutBlock.hasValues = false;
    BackupFile longKey = Sample();
    longKey.subKey.assign(kMaxBackupSubKey + 1, 'k');
    BackupFile version = Sample();
    version.version = 2;

    for (const BackupFile& file : {longName, longData, valuesWithoutBlock, longKey, version}) {
        ByteWriter out;
        EXPECT_FALSE(WriteBackupFile(out, file));
        EXPECT_FALSE(out.ok());
        EXPECT_TRUE(out.bytes().empty());
    }
}

TEST(BackupFileName, ReplacesTheNineReservedCharacters) {
    const struct {
        std::string category, base;
    } cases[] = {
        {"A:B", "A_B"},   {"A/B", "A_B"}, {"A\\B", "A_B"}, {"A\"B", "A_B"}, {"A*B", "A_B"},
        {"A<B", "A_B"},   {"A>B", "A_B"}, {"A?B", "A_B"},  {"A|B", "A_B"},
        {":/\\\"*<>?|", "_________"},
        {"Radeon 9700. (D3D)", "Radeon 9700. (D3D)"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(BackupBaseName(c.category), c.base) << c.category;

    EXPECT_EQ(BackupFileName("A_B", 0), "A_B 0.backup");
    EXPECT_EQ(BackupFileName("A_B", 12), "A_B 12.backup");
}

TEST(BackupFileName, OnlyATakenNameMovesOnToTheNextNumber) {
    using R = CreateResult;
    const struct {
        const char* what;
        std::vector<R> answers;  // the last one repeats
        bool created;
        const char* file;
        std::size_t attempts;
    } cases[] = {
        {"free at once", {R::Created}, true, "X 0.backup", 1},
        {"two taken", {R::NameTaken, R::NameTaken, R::Created}, true, "X 2.backup", 3},
        {"other failure at once", {R::Failed}, false, "", 1},
        {"other failure after a taken name", {R::NameTaken, R::Failed, R::Created}, false, "", 2},
        {"every name taken", {R::NameTaken}, false, "", kMaxBackupNumber},
    };
    for (const auto& c : cases) {
        std::vector<std::string> tried;
        std::string file;
        const bool created = CreateFirstFreeBackup(
            "X",
            [&](const std::string& name) {
                tried.push_back(name);
                return c.answers[std::min(tried.size(), c.answers.size()) - 1];
            },
            file);
        EXPECT_EQ(created, c.created) << c.what;
        EXPECT_EQ(file, c.file) << c.what;
        ASSERT_EQ(tried.size(), c.attempts) << c.what;
        for (std::size_t i = 0; i < std::min<std::size_t>(tried.size(), 3); ++i)
            EXPECT_EQ(tried[i], BackupFileName("X", static_cast<unsigned>(i))) << c.what;
    }
}

}  // namespace
