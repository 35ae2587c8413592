// The tab layout file "Tabs.stream" (tabs, their order, the hidden ones, the
// current tab, the list style, the animation, the start-with-Windows flag),
// the first run, and the start-up search for new plug-ins and databases.
#include "tweaker_window.h"

#include "category.h"
#include "companion_install.h"
#include "file.h"
#include "system_error.h"
#include "file_names.h"
#include "find_files.h"
#include "layout_file.h"
#include "prompt.h"
#include "setting_list.h"
#include "tab_plugin.h"

#include <utility>

namespace {

const char kLayoutFile[] = "Tabs.stream";
const char kDefaultAnimation[] = "Ember_animation.dll";
constexpr DWORD kDefaultListStyle = 0x24;
// A layout holds names and settings only; anything larger is not one.
constexpr uint64_t kMaxLayoutBytes = 64u * 1024 * 1024;

}  // namespace

void CTweakerWindow::LoadLayout() {
    std::vector<uint8_t> bytes;
    if (!winlib::CFile::ReadAll(kLayoutFile, bytes, kMaxLayoutBytes)) {
        StartFirstRun();
        return;
    }
    quillon::Layout layout;
    // Everything read before a damaged part is kept; the program starts with it.
    quillon::LayoutRead read = quillon::ReadLayout(bytes, layout);
    if (read != quillon::LayoutRead::NoHeader) ApplyLayout(layout);
    if (read == quillon::LayoutRead::Damaged || (read == quillon::LayoutRead::NoHeader && !bytes.empty()))
        KeepDamagedLayout(bytes);
}

// What a damaged layout held after the damage would be lost at the next
// close: the original is kept beside it first, under a name no later damaged
// start takes, and the user is told once.
void CTweakerWindow::KeepDamagedLayout(const std::vector<uint8_t>& bytes) {
    std::string kept;
    for (int attempt = 1; attempt < 1000 && kept.empty(); ++attempt) {
        std::string name = std::string(kLayoutFile) + ".damaged";
        if (attempt > 1) name += "." + std::to_string(attempt);
        if (::GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
        if (!winlib::CFile::WriteReplacing(name, bytes)) break;
        kept = name;
    }
    std::string text = "The tab layout " + std::string(kLayoutFile) +
                       " is damaged. The tabs read before the damage were kept.";
    if (kept.empty()) {
        layoutReplaceable_ = false;
        text += "\nThe original could not be saved under another name, so it will not be "
                "replaced when Quillon closes.";
    } else {
        text += "\nThe original file was saved as " + kept + ".";
    }
    CurrentPrompt().Ask(m_hWnd, text, "Error", MB_OK | MB_ICONWARNING);
}

std::unique_ptr<TabObject> CTweakerWindow::MakeLayoutTab(const quillon::LayoutTab& record) {
    if (record.type == quillon::kTabTypePlugin)
        return std::make_unique<TabPlugin>(record.pluginFile, &hostWindow_);
    std::unique_ptr<Category> category = Category::FromRecord(record.name, record.category, m_hWnd);
    if (category) AttachSettingList(*category);
    return category;
}

void CTweakerWindow::ApplyLayout(const quillon::Layout& layout) {
    listStyle_ = layout.listStyle;
    for (size_t i = 0; i < layout.tabs.size(); ++i) {
        std::unique_ptr<TabObject> tab = MakeLayoutTab(layout.tabs[i]);
        if (!tab) break;
        // A plug-in that no longer loads waits among the hidden tabs.
        if (tab->IsValid() && i < layout.shownCount)
            tabs_.AddShown(std::move(tab));
        else
            tabs_.AddHidden(std::move(tab));
    }
    // An index that is out of range now makes the first tab current.
    TabObject* current = tabs_.ShownAt(layout.currentIndex);
    if (!current) current = tabs_.ShownAt(0);
    if (current) {
        tabs_.SetCurrent(current);
        current->Show();
    }
    if (!layout.animation.empty()) {
        // Started in the tray: the animation waits for the window to come back.
        if (showStyle_ == WS_MINIMIZE)
            pendingAnimation_ = layout.animation;
        else
            StartAnimation(layout.animation);
    }
    if (layout.startWithWindows) {
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

void CTweakerWindow::InstallCompanion() {
    if (!::InstallCompanion())
        CurrentPrompt().Ask(m_hWnd, kCompanionCopyFailedText, "Error", MB_OK | MB_ICONERROR);
}

void CTweakerWindow::SaveLayout() {
    quillon::Layout layout;
    layout.listStyle = listStyle_;
    layout.shownCount = tabs_.shown().size();
    for (TabObject* tab : tabs_.All()) layout.tabs.push_back(tab->LayoutRecord());
    layout.currentIndex = tabs_.currentIndex();
    // Closed while in the tray, the animation to come back is the one kept.
    layout.animation = animation_ ? animation_->GetFileName() : pendingAnimation_;
    layout.startWithWindows = !startCommand_.empty();
    std::vector<uint8_t> bytes;
    // Only a complete layout replaces the previous one, and never one the
    // user marked read-only or a damaged one that could not be kept.
    DWORD attributes = ::GetFileAttributesA(kLayoutFile);
    if (!layoutReplaceable_ ||
        (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)))
        return;
    if (!quillon::LayoutBytes(layout, bytes)) return;
    if (!winlib::CFile::WriteReplacing(kLayoutFile, bytes)) {
        std::string reason = winlib::SystemErrorText(::GetLastError());
        char full[MAX_PATH] = "";
        if (!::GetFullPathNameA(kLayoutFile, MAX_PATH, full, nullptr)) lstrcpyA(full, kLayoutFile);
        CurrentPrompt().Ask(m_hWnd,
                            std::string("Couldn't save \"") + full + "\": " + reason +
                                "\nThe tab layout of this session was not kept.",
                            "Error", MB_OK | MB_ICONERROR);
    }
}

void CTweakerWindow::DiscoverNewFiles() {
    // The names are collected first: an imported database moves away.
    for (const WIN32_FIND_DATAA& found : winlib::ListFiles("*.*")) {
        const std::string name = found.cFileName;
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
    if (tabs_.FindPlugin(fileName)) return;
    if (CurrentPrompt().Ask(m_hWnd, "A new plugin was found: " + fileName + "\nDo you want to add it?",
                            "Confirm add plugin", MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    auto plugin = std::make_unique<TabPlugin>(fileName, &hostWindow_);
    if (plugin->IsValid())
        AddShownTab(std::move(plugin));  // not made current
    else
        tabs_.AddHidden(std::move(plugin));
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
