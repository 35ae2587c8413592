// Tabs.stream: what a restart keeps (tabs, order, hidden tabs, current tab,
// list style, animation), damaged and partly loadable layouts, the first
// run, "-minimize", and the start-up search for new plug-ins and databases.
#include "app_messages.h"
#include "byte_io.h"
#include "category_record.h"
#include "database_fixture.h"
#include "file.h"
#include "tab_plugin.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Names = std::vector<std::string>;

// A layout written the way the program writes it.
struct Layout {
    uint32_t listStyle = 0x24;
    Names shownPlugins, hiddenPlugins;
    int32_t current = -1;
    std::string animation;
    uint8_t startWithWindows = 0;
    std::vector<uint8_t> Bytes() const {
        quillon::ByteWriter out;
        out.WriteU32(listStyle);
        out.WriteI32(static_cast<int32_t>(shownPlugins.size()));
        out.WriteI32(static_cast<int32_t>(hiddenPlugins.size()));
        for (const Names* names : {&shownPlugins, &hiddenPlugins})
            for (const std::string& name : *names) {
                out.WriteU32(quillon::kTabTypePlugin);
                out.WriteString(name);
            }
        out.WriteI32(current);
        out.WriteString(animation);
        out.WriteU8(startWithWindows);
        return out.TakeBytes();
    }
};

class Layouts : public DatabaseFixture {
protected:
    std::vector<uint8_t> SavedLayout() {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(winlib::CFile::ReadAll("Tabs.stream", bytes));
        return bytes;
    }
    void Open(const Layout& layout, const std::string& commandLine = "") {
        std::vector<uint8_t> bytes = layout.Bytes();
        OpenWithLayout(&bytes, commandLine);
    }
    void CopyFixture(const char* from, const std::string& to) {
        std::string source = testsupport::TestBinFolder() + "\\\\" + from;
        ASSERT_TRUE(::CopyFileA(source.c_str(), to.c_str(), FALSE)) << source;
    }
    RecordingPrompt prompt_;
};

TEST_F(Layouts, ARestartKeepsTabsOrderHiddenTabsCurrentTabAndStyle) {
    dbtest::WriteFile("db.tweakdb",
                      dbtest::Database({{"A", KeyPath("A"), {dbtest::DWordRecord("One", "One")}},
                                        {"B", KeyPath("B"), {}},
                                        {"Hidden", KeyPath("H"), {}, 0x1}}));
    window_->ImportDatabase("db.tweakdb");
    ::DeleteFileA("db.tweakdb");  // not to be offered at the restart
    window_->AddShownTab(std::make_unique<TabPlugin>("Plain_Tab.dll", window_->hostWindow()));
    window_->SelectTab(window_->tabs().shown()[1].get());
    ::SendMessageA(hwnd_, UM_SETLISTSTYLE, 0x1, TRUE);  // grid lines on
    const DWORD style = window_->listStyle();

    ReopenWindow();
    EXPECT_EQ(ShownNames(), (Names{"A", "B", "Page Plain"}));
    EXPECT_EQ(HiddenNames(), (Names{"Hidden"}));
    ASSERT_NE(window_->currentTab(), nullptr);
    EXPECT_EQ(window_->currentTab()->GetName(), "B");
    EXPECT_EQ(window_->tabBar().GetCurSel(), 1);
    EXPECT_EQ(window_->listStyle(), style);
    auto* a = dynamic_cast<Category*>(window_->tabs().shown()[0].get());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->model().settings.size(), 1u);
    EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(Layouts, APluginThatNoLongerLoadsIsHiddenAndWrittenBackUnchanged) {
    Layout layout;
    layout.shownPlugins = {"Plain_Tab.dll", "Gone_Tab.dll"};
    layout.hiddenPlugins = {"Handle_Tab.dll"};
    layout.current = 1;
    Open(layout);
    EXPECT_EQ(ShownNames(), (Names{"Page Plain"}));
    EXPECT_EQ(HiddenNames(), (Names{"Gone_Tab.dll", "Page Handle"}));
    EXPECT_FALSE(window_->tabs().hidden()[0]->IsValid());
    ASSERT_NE(window_->currentTab(), nullptr);
    EXPECT_EQ(window_->currentTab()->GetName(), "Page Plain") << "index 1 is out of range now";

    ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    Layout expected;
    expected.shownPlugins = {"Plain_Tab.dll"};
    expected.hiddenPlugins = {"Gone_Tab.dll", "Handle_Tab.dll"};
    expected.current = 0;
    EXPECT_EQ(SavedLayout(), expected.Bytes());
}

TEST_F(Layouts, CurrentIndexMinusOneOrOutOfRangeMakesTheFirstTabCurrent) {
    for (int32_t current : {-1, 2, 0x7FFFFFFF}) {
        Layout layout;
        layout.shownPlugins = {"Plain_Tab.dll", "Handle_Tab.dll"};
        layout.current = current;
        Open(layout);
        ASSERT_NE(window_->currentTab(), nullptr) << current;
        EXPECT_EQ(window_->currentTab(), window_->tabs().shown()[0].get()) << current;
        EXPECT_EQ(window_->tabBar().GetCurSel(), 0);
    }
    Layout none;
    Open(none);
    EXPECT_EQ(window_->currentTab(), nullptr);
}

TEST_F(Layouts, ADamagedLayoutKeepsWhatCameBeforeTheDamage) {
    Layout layout;
    layout.shownPlugins = {"Plain_Tab.dll", "Handle_Tab.dll"};
    std::vector<uint8_t> bytes = layout.Bytes();
    bytes.resize(12 + 4 + 4 + 13 + 4 + 2);  // into the second record
    OpenWithLayout(&bytes);
    EXPECT_EQ(ShownNames(), (Names{"Page Plain"}));
    EXPECT_EQ(window_->currentTab(), window_->tabs().shown()[0].get());

    // A record of an unknown type ends the tabs; a huge count reads no further.
    quillon::ByteWriter odd;
    odd.WriteU32(0x24);
    odd.WriteI32(0x7FFFFFFF);
    odd.WriteI32(0x7FFFFFFF);
    odd.WriteU32(7);
    OpenWithLayout(&odd.bytes());
    EXPECT_TRUE(window_->tabs().shown().empty());
    EXPECT_TRUE(::IsWindow(hwnd_));
}

std::vector<uint8_t> FromHex(const char* hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; hex[i] && hex[i + 1]; i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoul(std::string(hex + i, 2), nullptr, 16)));
    return bytes;
}

// A damaged layout used to be replaced at the next close by what was read
// before the damage: the original is kept beside it, the user is told once,
// and a later damaged start keeps its own original under another name.
TEST_F(Layouts, TheOriginalOfADamagedLayoutIsKeptAndTheUserTold) {
    // Two categories A and B, cut inside B, as a user met it.
    std::vector<uint8_t> damaged = FromHex(
        "2400000002000000000000000000000001000000410000000001ffffffffffffffffffffffff00010000800f"
        "000000536f6674776172655c5152656c5c4100000000a000000046000000a0000000320000008c000000ffff"
        "0000ffffffffffffffff00000000000000000000000001000000420000000001ffffffffffffffffffffffff"
        "00010000800f000000536f6674776172655c5152656c5c4200000000a000000046000000a0000000320000"
        "008c000000ffff0000ffffffffffffffff000000000000");
    ::DeleteFileA("Tabs.stream.damaged");
    ::DeleteFileA("Tabs.stream.damaged.2");
    OpenWithLayout(&damaged);
    EXPECT_EQ(ShownNames(), (Names{"A"}));
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].caption, "Error");
    EXPECT_NE(prompt_.asked[0].text.find("Tabs.stream.damaged"), std::string::npos) << prompt_.asked[0].text;
    std::vector<uint8_t> kept;
    ASSERT_TRUE(winlib::CFile::ReadAll("Tabs.stream.damaged", kept));
    EXPECT_EQ(kept, damaged);

    // A negative count is damage too, and its original gets a name of its own.
    quillon::ByteWriter negative;
    negative.WriteU32(0x24);
    negative.WriteI32(-1);
    negative.WriteI32(1);
    negative.WriteU32(quillon::kTabTypeCategory);
    negative.WriteString("A");
    OpenWithLayout(&negative.bytes());
    EXPECT_TRUE(window_->tabs().shown().empty());
    EXPECT_EQ(window_->runningAnimation(), "") << "no category bytes taken for an animation name";
    ASSERT_TRUE(winlib::CFile::ReadAll("Tabs.stream.damaged.2", kept));
    EXPECT_EQ(kept, negative.bytes());
    ASSERT_TRUE(winlib::CFile::ReadAll("Tabs.stream.damaged", kept));
    EXPECT_EQ(kept, damaged) << "never overwritten by a later damaged start";
    ::DeleteFileA("Tabs.stream.damaged");
    ::DeleteFileA("Tabs.stream.damaged.2");
}

TEST_F(Layouts, AReadOnlyLayoutIsNotRewritten) {
    Layout layout;
    layout.shownPlugins = {"Plain_Tab.dll"};
    Open(layout);
    std::vector<uint8_t> before = SavedLayout();
    ::SetFileAttributesA("Tabs.stream", FILE_ATTRIBUTE_READONLY);
    window_->AddShownTab(std::make_unique<TabPlugin>("Handle_Tab.dll", window_->hostWindow()));
    ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    EXPECT_EQ(SavedLayout(), before);
    EXPECT_NE(::GetFileAttributesA("Tabs.stream") & FILE_ATTRIBUTE_READONLY, 0u) << "the mark stays";
    ::SetFileAttributesA("Tabs.stream", FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Layouts, AnUnwritableLayoutIsLeftAsItWas) {
    Layout layout;
    layout.shownPlugins = {"Plain_Tab.dll"};
    Open(layout);
    window_->AddShownTab(std::make_unique<TabPlugin>("Handle_Tab.dll", window_->hostWindow()));
    std::vector<uint8_t> before = SavedLayout();
    HANDLE locked = ::CreateFileA("Tabs.stream", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    ::CloseHandle(locked);
    EXPECT_EQ(SavedLayout(), before);
    ASSERT_EQ(prompt_.asked.size(), 1u) << "the user is told that this session's layout was not kept";
    EXPECT_EQ(prompt_.asked[0].caption, "Error");
    EXPECT_EQ(prompt_.asked[0].text.rfind("Couldn't save \"", 0), 0u) << prompt_.asked[0].text;
    EXPECT_NE(prompt_.asked[0].text.find("Tabs.stream\": "), std::string::npos) << prompt_.asked[0].text;
}

TEST_F(Layouts, TheStoredAnimationRunsAndWaitsWhileStartedInTheTray) {
    Layout layout;
    layout.animation = "Missing_Animation.dll";
    Open(layout);
    EXPECT_EQ(window_->runningAnimation(), "Missing_Animation.dll")
        << "a failed load still runs the thread";
    EXPECT_TRUE(window_->animationStrip().IsWindowVisible());
    HWND strip = window_->animationStrip().m_hWnd;
    EXPECT_EQ(::GetDlgCtrlID(strip), 2004);
    const LONG style = ::GetWindowLongA(strip, GWL_STYLE);
    const LONG wanted = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SS_BLACKRECT;
    EXPECT_EQ(style & wanted, wanted) << "the animation draws on a clipped black strip";

    Open(layout, "-minimize");
    EXPECT_EQ(window_->runningAnimation(), "");
    EXPECT_EQ(window_->pendingAnimation(), "Missing_Animation.dll");
    EXPECT_FALSE(window_->animationStrip().IsWindowVisible());
    ::SendMessageA(hwnd_, UM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    EXPECT_EQ(window_->runningAnimation(), "Missing_Animation.dll");
    ::SendMessageA(hwnd_, UM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);  // a second wake-up
    EXPECT_EQ(window_->runningAnimation(), "Missing_Animation.dll");

    ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    Layout expected;
    expected.animation = "Missing_Animation.dll";
    EXPECT_EQ(SavedLayout(), expected.Bytes());
}

TEST_F(Layouts, TheFirstRunStartsTheDefaultAnimationWithoutTabs) {
    OpenWithLayout(nullptr);
    EXPECT_EQ(window_->runningAnimation(), "Ember_animation.dll");
    EXPECT_TRUE(window_->tabs().shown().empty());
    EXPECT_EQ(window_->listStyle(), 0x24u);
    // The test folder ships no companion: the only message is about its installation.
    ASSERT_EQ(prompt_.asked.size(), 1u);
    EXPECT_EQ(prompt_.asked[0].text.rfind("Pellam couldn't be properly installed", 0), 0u);
}

TEST_F(Layouts, NewPluginsAndDatabasesInTheFolderAreOffered) {
    CopyFixture("Plain_Tab.dll", "Extra_tab.DLL");
    CopyFixture("Failing_Tab.dll", "Broken_Tab.dll");
    ::CloseHandle(::CreateFileA("Spark_Animation.dll", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                nullptr));
    dbtest::WriteFile("found.tweakdb",
                      dbtest::Database({{"Found", KeyPath("Found"), {dbtest::DWordRecord("X", "X")}}}));
    prompt_.answers = {IDYES, IDYES, IDYES};
    Layout layout;
    Open(layout);

    ASSERT_EQ(prompt_.asked.size(), 3u);
    Names questions;
    for (const auto& question : prompt_.asked) questions.push_back(question.caption);
    std::sort(questions.begin(), questions.end());
    EXPECT_EQ(questions, (Names{"Confirm add plugin", "Confirm add plugin", "Confirm import"}));
    for (const auto& question : prompt_.asked)
        EXPECT_EQ(question.flags, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
    Names shown = ShownNames();
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (Names{"Found", "Page Plain"}));
    EXPECT_EQ(HiddenNames(), (Names{"Broken_Tab.dll"}));
    ASSERT_NE(window_->currentTab(), nullptr);
    EXPECT_EQ(window_->currentTab()->GetName(), "Found") << "the import, not the plug-in";
    EXPECT_EQ(window_->animationNames(), (Names{"Spark_Animation.dll"}));
    EXPECT_EQ(::GetFileAttributesA("found.tweakdb"), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(::GetFileAttributesA("Installed\\found.tweakdb"), INVALID_FILE_ATTRIBUTES);

    // Known plug-ins are not offered again, declined ones are.
    prompt_.asked.clear();
    prompt_.answers = {IDNO};
    ReopenWindow();
    EXPECT_TRUE(prompt_.asked.empty()) << "both plug-ins are known by their file names";
}

TEST_F(Layouts, AnOfferedPluginWaitsUnselectedUntilItsTabIsClicked) {
    CopyFixture("Plain_Tab.dll", "Extra_Tab.dll");
    prompt_.answers = {IDYES};
    Layout layout;
    Open(layout);
    ASSERT_EQ(ShownNames(), (Names{"Page Plain"}));
    EXPECT_EQ(window_->currentTab(), nullptr);
    HWND bar = window_->tabBar().m_hWnd;
    EXPECT_EQ(::SendMessageA(bar, TCM_GETCURSEL, 0, 0), -1) << "no tab looks open without a page";

    RECT item{};
    ::SendMessageA(bar, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(bar, WM_LBUTTONUP, 0, point);
    ASSERT_NE(window_->currentTab(), nullptr);
    EXPECT_EQ(window_->currentTab()->GetName(), "Page Plain");
    EXPECT_EQ(::SendMessageA(bar, TCM_GETCURSEL, 0, 0), 0);
}

}  // namespace
