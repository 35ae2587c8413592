// CTweakerWindow: the program's frame window. It shows the tabs of its
// TabSet as a tab bar above the current page, carries the menu bar, toolbar, status bar and animation
// strip, hides itself in the notification area when minimised, and answers
// the application messages through which pages and plug-ins reach it.
#pragma once

#include "animation_thread.h"
#include "controls.h"
#include "database_file.h"
#include "file_chooser.h"
#include "frame_wnd.h"
#include "gdi.h"
#include "journal_entry.h"
#include "layout_file.h"
#include "plugin_abi.h"
#include "platform_rules.h"
#include "registry_icons.h"
#include "tab_set.h"
#include "tray_icon.h"

#include <memory>
#include <string>
#include <vector>

class Category;
class CSettingList;

// The caption; a second start finds the running instance by it.
extern const char kMainWindowTitle[];

class CMainWnd : public winlib::CFrameWnd {};

class CTweakerWindow : public CMainWnd {
public:
    CTweakerWindow(HINSTANCE instance, const std::string& commandLine);
    ~CTweakerWindow() override;

    // Creates the frame; WM_CREATE builds its contents and shows it.
    bool CreateFrame();

    // Hides the old current page, makes 'tab' current, highlights it on the
    // bar, re-applies the size limits and shows it.
    void SelectTab(TabObject* tab);
    // Enables the toolbar buttons and menu items that need a category.
    void UpdateCommandState();
    // Places the bars, the animation strip and the status bar.
    void RelayoutFrame();
    // Appends a tab to the shown tabs with an item at the end of the bar.
    void AddShownTab(std::unique_ptr<TabObject> tab);
    // The tab-bar index under a screen point, remembered for the tab menu.
    int HitTestTab(POINT screenPoint);

    // Preferences. Moving a tab to the hidden ones makes its right neighbour
    // (or, for the last, its left one) current when it was current; showing
    // one appends it to the bar and makes it current when it is alone there.
    void HideShownTab(int index);
    void ShowHiddenTab(int index);
    // Removes a tab from the program for good (its registry values and its
    // plug-in file stay where they are).
    void DeleteShownTab(int index);
    void DeleteHiddenTab(int index);
    // Stops the running animation and starts this one (none when empty).
    void ChooseAnimation(const std::string& file);
    // The program's path while Quillon is to start with Windows, else empty;
    // writes or deletes the Run value.
    void SetStartWithWindows(const std::string& path);

    // Tweak databases. Import merges categories whose key is already here
    // and adds the others, shown when they target this platform.
    void ImportDatabase(const std::string& path);
    enum class ExportScope { Current, Shown, All };
    void ExportDatabase(ExportScope scope);
    // What plug-ins get as the main window object.
    QuillonHostWindow* hostWindow() { return &hostWindow_; }
    const std::vector<std::string>& animationNames() const { return animationNames_; }
    std::string runningAnimation() const { return animation_ ? animation_->GetFileName() : ""; }
    const std::string& pendingAnimation() const { return pendingAnimation_; }
    const std::string& startCommand() const { return startCommand_; }

    // Profiles menu: one item per profile, IDs from kFirstProfileCommand.
    static constexpr int kFirstProfileCommand = 5000;
    // The "&Profiles" popup of the menu bar.
    static constexpr int kProfilesMenuPosition = 3;
    static constexpr int kLastProfileCommand = 5999;
    void AppendProfileItem(const std::string& name);
    int profileCount() const { return static_cast<int>(profileNames_.size()); }

    // The shown and hidden tabs and the current one.
    const TabSet& tabs() const { return tabs_; }
    TabObject* currentTab() const { return tabs_.current(); }
    Category* currentCategory() const { return tabs_.currentCategory(); }
    const PlatformInfo& platform() const { return platform_; }
    DWORD listStyle() const { return listStyle_; }
    DWORD showStyle() const { return showStyle_; }
    bool inTray() const { return trayIcon_.shown(); }
    const winlib::CTabCtrl& tabBar() const { return tabBar_; }
    const winlib::CStatusBar& statusBar() const { return statusBar_; }
    const winlib::CToolBarCtrl& toolBar() const { return toolBar_; }
    const winlib::CStatic& animationStrip() const { return animationStrip_; }
    const RegistryIcons& icons() const { return icons_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Creation, in the order WM_CREATE runs it.
    LRESULT OnCreate();
    void CreateBars();
    void CreateTabBar();
    void CreateToolBar();
    void ShowAtStart();
    // Start-up and close: the tab layout file "Tabs.stream", the search for
    // new plug-ins and databases, the Profiles menu.
    void LoadLayout();
    void ApplyLayout(const quillon::Layout& layout);
    std::unique_ptr<TabObject> MakeLayoutTab(const quillon::LayoutTab& record);
    void StartFirstRun();
    void InstallCompanion();
    void DiscoverNewFiles();
    void OfferPlugin(const std::string& fileName);
    void OfferDatabase(const std::string& fileName);
    void FillProfilesMenu();
    void SaveLayout();
    void KeepDamagedLayout(const std::vector<uint8_t>& bytes);
    // The animation host: the running animation's file, stopping and starting.
    std::string StopAnimation();
    void StartAnimation(const std::string& file);
    bool AnimationRunning() const { return animation_ != nullptr; }

    void OnClose();
    void OnCommand(WORD id);
    bool OnNotify(NMHDR* header);
    void OnSizing(UINT edge, RECT* rect);
    void OnSize(UINT kind);
    LRESULT OnTrayNotify(LPARAM mouseMessage);
    void OnPaint();
    void OnEraseBackground(HDC dc);
    void OnInitMenuPopup(HMENU menu);
    LRESULT OnApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    // Tab bar and tab commands.
    void OnTabSelected();
    void ShowTabMenu();
    void MoveClickedTab(int step);
    void ExchangeClickedTab();
    void HideClickedTab();
    // Takes the tab at 'index' off the bar; the next one becomes current when
    // it was the current tab. Returns the tab.
    std::unique_ptr<TabObject> TakeShownTab(int index);
    void SwapShownTabs(int first, int second);
    void HighlightCurrentTab();

    // Category commands.
    void AddCategory();
    void EditCategory();
    void RemoveCategory();
    void AddSettingToCurrent(bool isString);
    void BackupCurrent();
    void RestoreCurrent();
    void ShowAbout();
    void OpenPreferences();
    void OpenHotKeys();
    void OpenAutoProfiles();
    void ChooseAndImport();
    // Merges one database entry into the category with its key, or adds it.
    bool ImportEntry(const quillon::DatabaseEntry& entry);
    void CreateProfile();
    void ApplyProfileItem(WORD id);
    bool ConfirmByPreview(const std::string& name, const std::string& path);
    bool ConfirmImportByPreview(const std::string& path);
    bool PreviewOn() const;
    void TogglePreview();
    void UpdateProfilesMenu(HMENU menu);
    void UndoChange(const quillon::JournalEntry& entry);
    void UndoLastChange();
    void OfferUndoOfInterruptedChange();

    // Notification area.
    void MinimizeToTray();

    // Application messages.
    // The list of one of this window's categories at that address, or null.
    CSettingList* OwnList(WPARAM listPointer) const;
    // Gives the lists of the other shown categories the source list's
    // view style or column widths.
    using ListCopy = void (CSettingList::*)(const CSettingList&);
    void CopyToShownLists(WPARAM sourceList, ListCopy copy);
    void SetListStyle(DWORD bits, bool set);
    RECT PageRect() const;
    void DestroyTabs();

    HINSTANCE instance_;
    std::string commandLine_;
    winlib::CTabCtrl tabBar_;
    winlib::CStatusBar statusBar_;
    winlib::CStatic animationStrip_;
    winlib::CFont font_;
    winlib::CImageList imageList_;
    RegistryIcons icons_;
    winlib::CToolBarCtrl toolBar_;
    std::unique_ptr<AnimationThread> animation_;
    QuillonHostWindow hostWindow_{};
    std::vector<std::string> animationNames_;
    TabSet tabs_;
    PlatformInfo platform_;
    DWORD listStyle_ = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    TrayIcon trayIcon_;
    DWORD showStyle_ = 0;
    std::string startCommand_;
    std::vector<std::string> profileNames_;  // by command ID - kFirstProfileCommand
    // Each database command proposes the name last chosen with it.
    struct DatabaseNames {
        FileNameBuffer import;
        FileNameBuffer exportCurrent;
        FileNameBuffer exportShown;
        FileNameBuffer exportAll;
    } databaseNames_;
    int clickedTab_ = -1;
    std::string pendingAnimation_;
    RECT placement_;
    bool oleInitialized_ = false;
    // False when a damaged "Tabs.stream" could not be kept under another
    // name: then it is not replaced at close either.
    bool layoutReplaceable_ = true;
};
