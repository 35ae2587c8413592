// The tab plug-in host: binding a DLL's exports, the ways its Init is
// called or fails, forwarding, the Tabs.stream record and unloading.
#include "byte_io.h"
#include "category_record.h"
#include "tab_plugin.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <string>

namespace {

const char kLogKey[] = "Software\\QuillonTest\\TabFixture";

class TabPlugins : public testing::Test {
protected:
    void SetUp() override {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kLogKey);
        host_.m_hWnd = ::CreateWindowA("STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                       nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(host_.m_hWnd, nullptr);
    }
    void TearDown() override {
        ::DestroyWindow(host_.m_hWnd);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kLogKey);
    }
    // What the variant's DLL logged so far.
    static std::string Log(const char* variant) {
        char text[1024] = "";
        DWORD type = 0, size = sizeof text;
        if (::SHGetValueA(HKEY_CURRENT_USER, kLogKey, variant, &type, text, &size) != ERROR_SUCCESS)
            return "";
        return text;
    }
    static std::vector<uint8_t> Saved(const TabPlugin& plugin) {
        quillon::ByteWriter out;
        EXPECT_TRUE(plugin.Save(out));
        return out.TakeBytes();
    }
    QuillonHostWindow host_{};
};

TEST_F(TabPlugins, WithoutExportedInterfaceInitGetsTheWindowObject) {
    auto plugin = std::make_unique<TabPlugin>("Plain_Tab.dll", &host_);
    ASSERT_TRUE(plugin->IsValid());
    EXPECT_EQ(Log("Plain"), "init object;window;");
    EXPECT_EQ(plugin->GetName(), "Page Plain");

    plugin->Show();
    plugin->Resize();
    plugin->Hide();
    int minWidth = 0, minHeight = 0, maxWidth = 0x70000000, maxHeight = 0x70000000;
    plugin->GetConstraints(&minWidth, &minHeight, &maxWidth, &maxHeight);
    EXPECT_EQ(minWidth, 300);
    EXPECT_EQ(minHeight, 200);
    EXPECT_EQ(maxWidth, 0x70000000) << "maximums the page leaves alone stay";
    EXPECT_EQ(maxHeight, 0x70000000);

    plugin.reset();
    EXPECT_EQ(Log("Plain"), "init object;window;show;resize;hide;exit;");
    EXPECT_EQ(::GetModuleHandleA("Plain_Tab.dll"), nullptr) << "freed after Exit";
}

TEST_F(TabPlugins, InitStylesOfExportedInterface) {
    {
        TabPlugin object("Object_Tab.dll", &host_);
        EXPECT_TRUE(object.IsValid());
        TabPlugin handle("Handle_Tab.dll", &host_);
        EXPECT_TRUE(handle.IsValid());
        TabPlugin other("Style2_Tab.dll", &host_);
        EXPECT_TRUE(other.IsValid()) << "an unknown style loads without Init";
        EXPECT_NE(::GetModuleHandleA("Style2_Tab.dll"), nullptr);
    }
    EXPECT_EQ(Log("Object"), "interface 0 1;init object;window;exit;");
    EXPECT_EQ(Log("Handle"), "interface 0 1;init handle;window;exit;");
    EXPECT_EQ(Log("Style2"), "interface 0 1;exit;");
}

TEST_F(TabPlugins, AFailedInitFreesTheDllWithoutExit) {
    {
        TabPlugin failing("Failing_Tab.dll", &host_);
        EXPECT_FALSE(failing.IsValid());
        EXPECT_EQ(::GetModuleHandleA("Failing_Tab.dll"), nullptr);
        EXPECT_EQ(failing.GetName(), "Failing_Tab.dll") << "no caption from an unloaded DLL";
        EXPECT_EQ(failing.GetErrorText(), "Load error");
        failing.Show();  // nothing to call
    }
    EXPECT_EQ(Log("Failing"), "init object;window;");
}

// An animation plug-in or any other DLL named in a layout is not a page: it
// is never initialised as one and stays a "Load error" tab.
TEST_F(TabPlugins, ADllWithoutAPagesExportsIsNotInitialised) {
    for (const char* name : {"NotATab", "NotATabStyled"}) {
        std::string file = std::string(name) + "_Tab.dll";
        {
            TabPlugin notATab(file, &host_);
            EXPECT_FALSE(notATab.IsValid()) << name;
            EXPECT_EQ(notATab.GetErrorText(), "Load error");
            EXPECT_EQ(::GetModuleHandleA(file.c_str()), nullptr) << name;
        }
        EXPECT_EQ(Log(name), "") << "neither ExportedInterface nor Init was called: " << name;
    }
}

TEST_F(TabPlugins, AMissingDllIsKeptByNameAndWrittenBackUnchanged) {
    TabPlugin gone("Gone_Tab.dll", &host_);
    EXPECT_FALSE(gone.IsValid());
    EXPECT_EQ(gone.GetName(), "Gone_Tab.dll");
    std::vector<uint8_t> record = Saved(gone);
    EXPECT_EQ(record, (std::vector<uint8_t>{1, 0, 0, 0, 12, 0, 0, 0, 'G', 'o', 'n', 'e', '_', 'T',
                                            'a', 'b', '.', 'd', 'l', 'l'}));

    quillon::ByteReader in(record.data() + 4, record.size() - 4);
    std::unique_ptr<TabPlugin> reread = TabPlugin::Read(in, &host_);
    ASSERT_NE(reread, nullptr);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(Saved(*reread), record);
}

TEST_F(TabPlugins, NamesAndDamagedRecords) {
    TabPlugin nameless("Nameless_Tab.dll", &host_);
    EXPECT_TRUE(nameless.IsValid());
    EXPECT_EQ(nameless.GetName(), "Nameless_Tab.dll");

    // A stored name of 256 bytes does not fit the reader's buffer.
    quillon::ByteWriter tooLong;
    tooLong.WriteU32(256);
    for (int i = 0; i < 256; ++i) tooLong.WriteU8('a');
    quillon::ByteReader in(tooLong.bytes());
    EXPECT_EQ(TabPlugin::Read(in, &host_), nullptr);
    EXPECT_FALSE(in.ok());
    quillon::ByteWriter truncated;
    truncated.WriteU32(20);
    truncated.WriteU8('a');
    quillon::ByteReader cut(truncated.bytes());
    EXPECT_EQ(TabPlugin::Read(cut, &host_), nullptr);
}

}  // namespace
