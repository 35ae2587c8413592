// Names compare as the registry compares them: the registry itself is the
// referee, and a name with a letter beyond ASCII, on which a plain ASCII
// lowering disagrees, merges into its setting instead of beside it.
#include "category.h"
#include "model_test_support.h"
#include "reg_key.h"
#include "same_name.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

// "A" + text in the ANSI code page, from Unicode; fails the test when the
// code page has no such letter.
std::string Ansi(const wchar_t* text) {
    char buffer[64] = "";
    BOOL defaulted = FALSE;
    int length = ::WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr,
                                       &defaulted);
    EXPECT_GT(length, 0);
    EXPECT_FALSE(defaulted) << "the code page lacks a test letter";
    return buffer;
}

std::string LowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Whether the registry finds a value written under 'a' when asked for 'b'.
bool RegistryFinds(ScratchKey& scratch, const std::string& a, const std::string& b) {
    RegKey key;
    EXPECT_EQ(key.Create(HKEY_CURRENT_USER, scratch.path()), ERROR_SUCCESS);
    DWORD one = 1;
    ::RegSetValueExA(key.handle(), a.c_str(), 0, REG_DWORD, reinterpret_cast<BYTE*>(&one),
                     sizeof one);
    const bool found = ::RegQueryValueExA(key.handle(), b.c_str(), nullptr, nullptr, nullptr,
                                          nullptr) == ERROR_SUCCESS;
    ::RegDeleteValueA(key.handle(), a.c_str());
    return found;
}

TEST(SameName, AgreesWithTheRegistry) {
    ScratchKey scratch("SameName");
    const std::string upper = Ansi(L"Fog\u00C4nderung"), lower = Ansi(L"fog\u00E4nderung");
    struct Case {
        std::string a, b;
    } const cases[] = {
        {"FogMode", "FOGMODE"}, {"FogMode", "FogMode "}, {"Fog_Mode", "Fog-Mode"},
        {upper, lower},         {"", ""},               {"a", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SameName(c.a, c.b), RegistryFinds(scratch, c.a, c.b)) << c.a << " / " << c.b;

    // The case the old comparisons disagreed on.
    EXPECT_NE(LowerAscii(upper), LowerAscii(lower));
    EXPECT_TRUE(SameName(upper, lower));
    EXPECT_EQ(NameKey(upper), NameKey(lower));
}

TEST(SameName, MergeReplacesASettingWhoseNameDiffersOnlyInCaseBeyondAscii) {
    ScratchKey scratch("SameNameMerge");
    RecordingPrompt prompt;
    const std::string upper = Ansi(L"\u00C4"), lower = Ansi(L"\u00E4");
    Category category("Merge", nullptr, HKEY_CURRENT_USER, scratch.path());
    auto old = std::make_unique<DWordSetting>("Old", upper, "", nullptr);
    ASSERT_TRUE(old->ParseRange("0-1;"));
    category.model().settings.push_back(std::move(old));

    quillon::CategoryExportBody body;
    quillon::SettingRecord incoming = category.model().settings[0]->ToRecord();
    incoming.name = "New";
    incoming.valueName = lower;
    incoming.triples = {0, 2, 1};
    incoming.valueCount = 3;
    body.settings.push_back(incoming);
    prompt.answers = {IDYES};
    ASSERT_TRUE(category.Merge(body));
    ASSERT_EQ(prompt.asked.size(), 1u) << "the same value: replace it or not";
    ASSERT_EQ(category.model().settings.size(), 1u);
    EXPECT_EQ(category.model().settings[0]->name, "New");
}

}  // namespace
