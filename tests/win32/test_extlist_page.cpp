// The OpenGL tab on Wine's OpenGL: the extension rows, the update from a
// registry page served on loopback, "Extensions.stream" byte for byte, the
// exports, the links, and a failed fetch that changes nothing.
#include "extlist_page.h"
#include "web_page.h"
#include "page_frame.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

class RecordingHost : public extlist::PageHost {
public:
    bool ChooseExportFile(HWND, bool html, std::string& path) override {
        path = html ? htmlPath : textPath;
        return !path.empty();
    }
    void ShowMessage(HWND, const std::string& text, const std::string& caption) override {
        messages.push_back(caption + ": " + text);
    }
    void Open(HWND, const std::string& address) override { opened.push_back(address); }

    std::string textPath, htmlPath;
    std::vector<std::string> messages, opened;
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
}

// A record string: its length, little-endian, then its bytes.
std::string Record(const std::string& text) {
    uint32_t n = static_cast<uint32_t>(text.size());
    return std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)} + text;
}
std::string Int32(int32_t value) {
    uint32_t n = static_cast<uint32_t>(value);
    return std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
}

class ExtlistPages : public testing::Test {
protected:
    void SetUp() override {
        webFolder_ = testsupport::WindowsPathFromEnvironment("QUILLON_TEST_WEB_DIR");
        const char* url = std::getenv("QUILLON_TEST_WEB_URL");
        ASSERT_FALSE(webFolder_.empty()) << "run beside tests/wine/with_web_server.sh";
        webUrl_ = url;
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "extlist-" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(folder_.c_str(), nullptr);
        ::GetCurrentDirectoryA(MAX_PATH, previous_);
        ::SetCurrentDirectoryA(folder_.c_str());
        ::DeleteFileA(extlist::kStreamFile);
        ::CreateDirectoryA((webFolder_ + "\\reg").c_str(), nullptr);
        frame_.ShowWindow(SW_SHOW);
    }
    void TearDown() override { ::SetCurrentDirectoryA(previous_); }

    std::unique_ptr<extlist::ExtlistPage> MakePage(const std::string& address) {
        auto page = std::make_unique<extlist::ExtlistPage>(host_, address);
        EXPECT_TRUE(page->Init(frame_.m_hWnd));
        page->Show();
        page->Resize();
        return page;
    }
    static std::string Cell(const extlist::ExtlistPage& page, int row, int column) {
        return testsupport::ListViewCell(::GetDlgItem(page.container(), extlist::kListId), row, column);
    }
    // The first row whose name holds 'part' and not 'unless'.
    static int RowWith(const extlist::ExtlistPage& page, const char* part, const char* unless) {
        for (size_t i = 0; i < page.rows().size(); ++i) {
            const std::string& name = page.rows()[i].name;
            if (name.find(part) != std::string::npos && name.find(unless) == std::string::npos)
                return static_cast<int>(i);
        }
        return -1;
    }

    PageFrame frame_{"opengl info"};
    RecordingHost host_;
    std::string webFolder_, webUrl_, folder_;
    char previous_[MAX_PATH] = "";
};

TEST_F(ExtlistPages, UpdatesFromTheRegistryPageAndExports) {
    auto page = MakePage(webUrl_ + "/reg/index.html");
    const auto& rows = page->rows();
    ASSERT_GT(rows.size(), 2u) << "Wine's OpenGL reports extensions";
    for (size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(Cell(*page, static_cast<int>(i), 0), std::to_string(i + 1));
        ASSERT_EQ(Cell(*page, static_cast<int>(i), 1), rows[i].name);
        ASSERT_EQ(Cell(*page, static_cast<int>(i), 3), "---") << "no registry copy yet";
    }
    char info[512] = "";
    ::GetWindowTextA(::GetDlgItem(page->container(), extlist::kInfoId), info, sizeof info);
    EXPECT_EQ(std::count(info, info + std::strlen(info), '\n'), 2) << info;

    int arb = RowWith(*page, "_ARB_", "WGL_");
    int other = RowWith(*page, "_EXT_", "_ARB_");
    ASSERT_GE(arb, 0);
    ASSERT_GE(other, 0);
    std::string arbName = rows[arb].name, otherName = rows[other].name;
    WriteFile(webFolder_ + "\\reg\\index.html",
              "<html><ol>\n<li value=7><a href=\"specs/ARB/x.txt\">" + arbName + "</a></li>\n"
              "<li value=99>GL_no_link</li>\n"
              "<li value=12 class=\"n\"><a href=\"../top/y.txt\">" + otherName + "</a></li>\n</ol></html>\n");
    std::string fetched;
    ASSERT_TRUE(extlist::FetchWebPage(webUrl_ + "/reg/index.html", fetched))
        << "error " << ::GetLastError() << " fetching " << webUrl_;
    page->OnUpdate();
    ASSERT_EQ(host_.messages, std::vector<std::string>{"Update successful: Extensions succesfully updated"});
    EXPECT_EQ(Cell(*page, arb, 2), "ARB: 7");
    EXPECT_EQ(Cell(*page, arb, 3), webUrl_ + "/reg/specs/ARB/x.txt");
    EXPECT_EQ(Cell(*page, other, 2), "Non-ARB: 12");
    EXPECT_EQ(Cell(*page, other, 3), webUrl_ + "/top/y.txt");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page->container(), extlist::kUpdateId)));
    std::string stream = Int32(2) + Int32(7) + Record(arbName) + Record("specs/ARB/x.txt") + Int32(12) +
                         Record(otherName) + Record("../top/y.txt");
    EXPECT_EQ(ReadFile(extlist::kStreamFile), stream);

    // Links and the registry.
    page->OnListClick(POINT{-100, -100});
    EXPECT_TRUE(host_.opened.empty());
    page->OnVisit();
    EXPECT_EQ(host_.opened, std::vector<std::string>{webUrl_ + "/reg/index.html"});

    // Exports, as the user reads them.
    host_.textPath = folder_ + "\\out.txt";
    host_.htmlPath = folder_ + "\\out.html";
    page->OnExport(false);
    page->OnExport(true);
    std::string text = std::string(info) + "\r\n\r\n";
    for (const auto& row : rows) text += row.name + "\r\n";
    EXPECT_EQ(ReadFile(host_.textPath), text);
    std::string html = ReadFile(host_.htmlPath);
    EXPECT_EQ(html.rfind("<html>\r\n", 0), 0u);
    EXPECT_NE(html.find("<H3>Supported extensions:</H3>\r\n"), std::string::npos);
    EXPECT_NE(html.find("<a href=\"" + webUrl_ + "/reg/specs/ARB/x.txt\">" + arbName + "</a><br>\r\n"),
              std::string::npos);
    size_t plain = 0;
    while (static_cast<int>(plain) == arb || static_cast<int>(plain) == other) ++plain;
    EXPECT_NE(html.find("\r\n" + rows[plain].name + "<br>\r\n"), std::string::npos)
        << "a row without documentation is its bare name";
    EXPECT_EQ(html.substr(html.size() - 7), "</html>");

    // A page without entries: every row loses its link, the copy is empty.
    WriteFile(webFolder_ + "\\reg\\index.html", "<html>moved</html>");
    page->OnUpdate();
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(Cell(*page, static_cast<int>(i), 3), "---");
    EXPECT_EQ(ReadFile(extlist::kStreamFile), Int32(0));
}

TEST_F(ExtlistPages, AFailedFetchChangesNothing) {
    WriteFile(extlist::kStreamFile, Int32(1) + Int32(3) + Record("GL_kept") + Record("k.txt"));
    std::string before = ReadFile(extlist::kStreamFile);
    for (std::string address : {webUrl_ + "/reg/missing.html", std::string("http://127.0.0.1:1/x")}) {
        host_.messages.clear();
        auto page = MakePage(address);
        std::vector<extlist::ExtensionRow> rows = page->rows();
        page->OnUpdate();
        EXPECT_EQ(host_.messages, std::vector<std::string>{"Error: Could not update the extension database"})
            << address;
        EXPECT_EQ(ReadFile(extlist::kStreamFile), before);
        ASSERT_EQ(page->rows().size(), rows.size());
        for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(page->rows()[i].documentation, rows[i].documentation);
    }
}

}  // namespace
