// The OpenGL tab's registry copy, page lines, links, rows and exports.
#include "extension_registry.h"

#include <gtest/gtest.h>

using namespace extlist;

TEST(ExtensionStream, RoundTripsAndRejectsDamage) {
    std::vector<ExtensionEntry> entries = {{"GL_ARB_multitexture", "specs/ARB/multitexture.txt", 1},
                                           {"GL_EXT_abgr", "specs/EXT/abgr.txt", 1},
                                           {"", "", -5}};
    std::vector<uint8_t> bytes = WriteExtensionStream(entries);
    std::vector<ExtensionEntry> read;
    ASSERT_TRUE(ReadExtensionStream(bytes, read));
    EXPECT_EQ(read, entries);
    EXPECT_EQ(WriteExtensionStream({}), (std::vector<uint8_t>{0, 0, 0, 0}));

    std::vector<ExtensionEntry> kept = {{"kept", "x", 7}};
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } damaged[] = {
        {"empty", {}},
        {"short count", {1, 0}},
        {"count beyond the bytes", {0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0}},
        {"truncated entry", {1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 'a'}},
        {"name of 256 bytes", [] {
             std::vector<uint8_t> b = {1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0};
             b.resize(b.size() + 256, 'a');
             b.insert(b.end(), {0, 0, 0, 0});
             return b;
         }()},
        {"bytes after the last entry", {0, 0, 0, 0, 9}},
    };
    for (const Case& c : damaged) {
        std::vector<ExtensionEntry> out = kept;
        EXPECT_FALSE(ReadExtensionStream(c.bytes, out)) << c.what;
        EXPECT_EQ(out, kept) << c.what;
    }

    // Names a reader could not keep are never written.
    std::vector<ExtensionEntry> withLong = {{std::string(256, 'n'), "x", 1}, {"ok", "y", 2}};
    ASSERT_TRUE(ReadExtensionStream(WriteExtensionStream(withLong), read));
    EXPECT_EQ(read, (std::vector<ExtensionEntry>{{"ok", "y", 2}}));
}

TEST(RegistryPage, LinesWithAnEntryAndLinesWithout) {
    struct Case {
        const char* line;
        bool found;
        ExtensionEntry entry;
    } cases[] = {
        {"<li value=1><a href=\"specs/ARB/multitexture.txt\">GL_ARB_multitexture</a></li>", true,
         {"GL_ARB_multitexture", "specs/ARB/multitexture.txt", 1}},
        {"  <li value=42 class=x><a class=\"e\" href=\"e/b.txt\">GL_EXT_blend</a>", true,
         {"GL_EXT_blend", "e/b.txt", 42}},
        {"<li value=3>GL_EXT_nolink</li>", false, {}},
        {"<li value=3><a href=specs/x.txt>GL_EXT_unquoted</a>", false, {}},
        {"<li value=3><a href=\"open", false, {}},
        {"<li value=3", false, {}},
        {"<ul><li>no value</li>", false, {}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        ExtensionEntry entry;
        ASSERT_EQ(ParseRegistryLine(c.line, entry), c.found) << c.line;
        if (c.found) {
            EXPECT_EQ(entry, c.entry) << c.line;
        }
    }
    std::string page = "<ol>\r\n<li value=1><a href=\"a.txt\">GL_A</a>\n<li value=2>none\r"
                       "<li value=3><a href=\"c.txt\">GL_C</a></ol>";
    std::vector<ExtensionEntry> entries = ParseRegistryPage(page);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1], (ExtensionEntry{"GL_C", "c.txt", 3}));
    EXPECT_TRUE(ParseRegistryPage("<html>nothing</html>").empty());
}

TEST(ExtensionNames, SplitAndMergeWithoutRepeats) {
    EXPECT_EQ(SplitExtensionNames("GL_A GL_B  GL_C "), (std::vector<std::string>{"GL_A", "GL_B", "GL_C"}));
    EXPECT_TRUE(SplitExtensionNames("   ").empty());
    std::vector<std::string> gl;
    for (int i = 0; i < 50; ++i) gl.push_back("GL_EXT_" + std::to_string(i));
    std::vector<std::string> merged =
        MergeExtensionNames(gl, {"WGL_ARB_a", "GL_EXT_3", "WGL_ARB_b", "WGL_ARB_a", "WGL_EXT_c"});
    ASSERT_EQ(merged.size(), 53u);
    EXPECT_EQ(merged[50], "WGL_ARB_a");
    EXPECT_EQ(merged[52], "WGL_EXT_c");
    EXPECT_EQ(MergeExtensionNames({"GL_x"}, {"gl_X"}).size(), 2u) << "names compare case-sensitively";
}

TEST(RegistryLinks, ResolveAsABrowserDoes) {
    struct Case {
        const char* page;
        const char* href;
        const char* link;
    } cases[] = {
        {"http://reg.example/OpenGL/index_gl.php", "specs/ARB/x.txt", "http://reg.example/OpenGL/specs/ARB/x.txt"},
        {"http://reg.example/OpenGL/", "specs/x.txt", "http://reg.example/OpenGL/specs/x.txt"},
        {"http://reg.example/OpenGL", "specs/x.txt", "http://reg.example/specs/x.txt"},
        {"http://reg.example", "specs/x.txt", "http://reg.example/specs/x.txt"},
        {"http://reg.example/a/b/page.html?q=1", "../c/x.txt", "http://reg.example/a/c/x.txt"},
        {"http://reg.example/a/page.html", "./x.txt", "http://reg.example/a/x.txt"},
        {"http://reg.example/a/page.html", "/root.txt", "http://reg.example/root.txt"},
        {"http://reg.example/a/page.html", "//other.example/y", "http://other.example/y"},
        {"http://reg.example/a/page.html", "https://other.example/z", "https://other.example/z"},
        {"http://reg.example/a/page.html#top", "#x", "http://reg.example/a/page.html#x"},
        {"http://127.0.0.1:8080/reg/index.html", "s/x.txt?v=2", "http://127.0.0.1:8080/reg/s/x.txt?v=2"},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveLink(c.page, c.href), c.link) << c.page << " + " << c.href;
}

TEST(ExtensionRows, RegistryColumnsAndExports) {
    std::vector<ExtensionRow> rows = {{"GL_ARB_multitexture", "", ""}, {"GL_EXT_abgr", "", ""},
                                      {"WGL_EXT_unknown", "", ""}};
    FillRegistryColumns(rows,
                        {{"GL_ARB_multitexture", "specs/m.txt", 1}, {"GL_EXT_abgr", "specs/a.txt", 1}},
                        "http://reg.example/gl/index.html");
    EXPECT_EQ(rows[0].number, "ARB: 1");
    EXPECT_EQ(rows[0].documentation, "http://reg.example/gl/specs/m.txt");
    EXPECT_EQ(rows[1].number, "Non-ARB: 1");
    EXPECT_EQ(rows[2].documentation, "---");
    FillRegistryColumns(rows, {}, "http://reg.example/gl/index.html");
    EXPECT_EQ(rows[0].documentation, "---");
    EXPECT_EQ(rows[0].number, "ARB: 1") << "a row without an entry keeps its number";

    FillRegistryColumns(rows, {{"GL_EXT_abgr", "a.txt", 1}}, "http://r/");
    std::string info = "Vendor\r\nRenderer\r\n1.4";
    EXPECT_EQ(TextExport(info, rows),
              "Vendor\r\nRenderer\r\n1.4\r\n\r\nGL_ARB_multitexture\r\nGL_EXT_abgr\r\nWGL_EXT_unknown\r\n");
    EXPECT_EQ(HtmlExport(info, rows),
              "<html>\r\nVendor<br>\r\nRenderer<br>\r\n1.4\r\n<H3>Supported extensions:</H3>\r\n"
              "GL_ARB_multitexture<br>\r\n<a href=\"http://r/a.txt\">GL_EXT_abgr</a><br>\r\n"
              "WGL_EXT_unknown<br>\r\n</html>");
}
