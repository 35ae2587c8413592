// The tab layout file "Tabs.stream" (tabs, their order, the hidden ones, the
// current tab, the list style, the animation, the start-with-Windows flag),
// the first run, and the start-up search for new plug-ins and databases.
#include "tweaker_window.h"

#include "byte_io.h"
#include "category.h"
#include "category_record.h"
#include "file.h"
#include "file_names.h"
#include "prompt.h"
#include "setting_list.h"
#include "tab_plugin.h"

#include "text_compare.h"

#include <utility>

namespace {

const char kLayoutFile[] = "Tabs.stream";
const char kDefaultAnimation[] = "Ember_animation.dll";
constexpr DWORD kDefaultListStyle = 0x24;
// A layout holds names and settings only; anything larger is not one.
constexpr uint64_t kMaxLayoutBytes = 64u * 1024 * 1024;

}  // namespace

TabPlugin* CTweakerWindow::FindPlugin(const std::string& fileName) const {
    for (const TabList* tabs : {&shownTabs_, &hiddenTabs_})
        for (const auto& tab : *tabs)
            if (auto* plugin = dynamic_cast<TabPlugin*>(tab.get()))
                if (SameTextIgnoringCase(plugin->GetFileName(), fileName)) return plugin;
    return nullptr;
}

void CTweakerWindow::LoadLayout() {
    std::vector<uint8_t> bytes;
    if (!winlib::CFile::ReadAll(kLayoutFile, bytes, kMaxLayoutBytes)) {
        StartFirstRun();
        return;
    }
    quillon::ByteReader in(bytes);
    ReadLayout(in);
}

void CTweakerWindow::ReadLayout(quillon::ByteReader& in) {
    // Everything read before a damaged part is kept; the program starts with it.
    uint32_t style = 0;
    int32_t shown = 0, hidden = 0;
    if (!in.ReadU32(style) || !in.ReadI32(shown) || !in.ReadI32(hidden)) return;
    listStyle_ = style;
    const int64_t total = static_cast<int64_t>(shown) + hidden;
    for (int64_t i = 0; shown >= 0 && hidden >= 0 && i < total; ++i) {
        uint32_t type = 0;
        if (!in.ReadU32(type)) break;
        std::unique_ptr<TabObject> tab;
        if (type == quillon::kTabTypeCategory) {
            std::unique_ptr<Category> category = Category::Read(in, m_hWnd);
            if (category) AttachSettingList(*category);
            tab = std::move(category);
        } else if (type == quillon::kTabTypePlugin) {
            tab = TabPlugin::Read(in, &hostWindow_);
        }
        // An unknown type has a record of unknown length: nothing after it
        // can be found.
        if (!tab) break;
        if (tab->IsValid() && i < shown)
            shownTabs_.push_back(std::move(tab));
        else
            hiddenTabs_.push_back(std::move(tab));
    }

    int32_t current = -1;
    in.ReadI32(current);
    if (!shownTabs_.empty()) {
        size_t index = current >= 0 && static_cast<size_t>(current) < shownTabs_.size()
                           ? static_cast<size_t>(current)
                           : 0;
        currentTab_ = shownTabs_[index].get();
        currentTab_->Show();
    }

    std::string animation;
    if (in.ReadString(animation) && !animation.empty()) {
        // Started in the tray: the animation waits for the window to come back.
        if (showStyle_ == WS_MINIMIZE)
            pendingAnimation_ = animation;
        else
            StartAnimation(animation);
    }
    uint8_t startWithWindows = 0;
    if (in.ReadU8(startWithWindows) && startWithWindows != 0) {
        char path[256] = "";
        DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
        if (length > 0 && length < sizeof path) startCommand_ = path;
    }
}

void CTweakerWindow::StartFirstRun() {
    listStyle_ = kDefaultListStyle;
    if (showStyle_ == WS_MINIMIZE)
        pendingAnimation_ = kDefaultAnimation;  // like a stored animation
    else
        StartAnimation(kDefaultAnimation);
    InstallCompanion();
}

// The companion program is installed and started on the first run; it
// arrives with its own part of the program.
void CTweakerWindow::InstallCompanion() {}

void CTweakerWindow::SaveLayout() {
    quillon::ByteWriter out;
    out.WriteU32(listStyle_);
    out.WriteI32(static_cast<int32_t>(shownTabs_.size()));
    out.WriteI32(static_cast<int32_t>(hiddenTabs_.size()));
    for (const TabList* tabs : {&shownTabs_, &hiddenTabs_})
        for (const auto& tab : *tabs) tab->Save(out);
    out.WriteI32(IndexOfShown(currentTab_));
    // Closed while in the tray, the animation to come back is the one kept.
    out.WriteString(animation_ ? animation_->GetFileName() : pendingAnimation_);
    out.WriteU8(startCommand_.empty() ? 0 : 1);
    // Only a complete layout replaces the previous one.
    if (out.ok()) winlib::CFile::WriteReplacing(kLayoutFile, out.bytes());
}

void CTweakerWindow::DiscoverNewFiles() {
    // The names are collected first: an imported database moves away.
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA("*.*", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    for (const std::string& name : names) {
        switch (ClassifyProgramFile(name)) {
        case ProgramFileKind::TabPlugin:
            OfferPlugin(name);
            break;
        case ProgramFileKind::Animation:
            animationNames_.push_back(name);
            break;
        case ProgramFileKind::Database:
            OfferDatabase(name);
            break;
        case ProgramFileKind::Other:
            break;
        }
    }
}

void CTweakerWindow::OfferPlugin(const std::string& fileName) {
    if (FindPlugin(fileName)) return;
    if (CurrentPrompt().Ask(m_hWnd, "A new plugin was found: " + fileName + "\nDo you want to add it?",
                            "Confirm add plugin", MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    auto plugin = std::make_unique<TabPlugin>(fileName, &hostWindow_);
    if (plugin->IsValid())
        AddShownTab(std::move(plugin));  // not made current
    else
        hiddenTabs_.push_back(std::move(plugin));
}

void CTweakerWindow::OfferDatabase(const std::string& fileName) {
    if (CurrentPrompt().Ask(m_hWnd,
                            "A new tweak database was found: " + fileName +
                                "\nDo you want to import it?",
                            "Confirm import", MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    ImportDatabase(fileName);
    ::CreateDirectoryA("Installed", nullptr);
    ::MoveFileA(fileName.c_str(), ("Installed\\" + fileName).c_str());
}
