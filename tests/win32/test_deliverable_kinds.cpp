// The kinds of binary the suite is made of work under Wine: DLLs bound by
// plain export names, and a DLL whose shared section crosses processes.
#include "exports.h"
#include "scoped.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::TestBinFolder;
using winlib::GetExport;
using winlib::ScopedLibrary;

TEST(ExportNames, PlainAndStdcallExportsHaveUndecoratedNames) {
    ScopedLibrary dll(::LoadLibraryA((TestBinFolder() + "\\fixture_exports.dll").c_str()));
    ASSERT_TRUE(dll);

    auto init = GetExport<int (*)(int)>(dll.get(), "Init");
    auto getRegKey = GetExport<void (*)(const char*, HKEY*, char*)>(dll.get(), "GetRegKey");
    auto install = GetExport<int(__stdcall*)(int, int, int, int)>(dll.get(), "Install");
    ASSERT_NE(init, nullptr);
    ASSERT_NE(getRegKey, nullptr);
    ASSERT_NE(install, nullptr);
    EXPECT_EQ(GetExport<FARPROC>(dll.get(), "_Init"), nullptr);
    EXPECT_EQ(GetExport<FARPROC>(dll.get(), "_Install@16"), nullptr);
    EXPECT_EQ(GetExport<FARPROC>(dll.get(), "Install@16"), nullptr);

    EXPECT_EQ(init(20), 41);
    // A __stdcall callee removes its own arguments; calling it through the
    // right pointer type leaves the stack balanced and the result intact.
    EXPECT_EQ(install(1, 2, 3, 4), 10);

    HKEY root = nullptr;
    char subKey[256] = "";
    getRegKey("Card0", &root, subKey);
    EXPECT_EQ(root, HKEY_CURRENT_USER);
    EXPECT_STREQ(subKey, "Software\\Fixture\\Card0");
}

TEST(ExportNames, MissingExportIsNull) {
    ScopedLibrary dll(::LoadLibraryA((TestBinFolder() + "\\fixture_exports.dll").c_str()));
    ASSERT_TRUE(dll);
    EXPECT_EQ(GetExport<FARPROC>(dll.get(), "Exit"), nullptr);
    EXPECT_EQ(GetExport<FARPROC>(nullptr, "Init"), nullptr);
}

TEST(SharedSection, ValueWrittenByOneProcessIsReadByAnother) {
    const std::string dllPath = TestBinFolder() + "\\fixture_shared.dll";
    ScopedLibrary dll(::LoadLibraryA(dllPath.c_str()));
    ASSERT_TRUE(dll);
    auto get = GetExport<LONG (*)()>(dll.get(), "GetSharedValue");
    auto set = GetExport<void (*)(LONG)>(dll.get(), "SetSharedValue");
    ASSERT_NE(get, nullptr);
    ASSERT_NE(set, nullptr);

    set(0);
    for (LONG value : {4711L, -3L}) {
        testsupport::ChildProcess writer;
        ASSERT_TRUE(writer.Start(TestBinFolder() + "\\fixture_shared_writer.exe",
                                 "\"" + dllPath + "\" " + std::to_string(value)));
        ASSERT_EQ(writer.WaitForExit(20000), 0);
        EXPECT_EQ(get(), value);
    }
}
