// The page of the refresh-rate tab: one row per screen resolution, each a
// drop-down list of the refresh rates games should get there and a "Set
// display mode" button that switches the desktop to the row's choice. A
// choice is stored the moment it is picked.
#pragma once

#include "controls.h"
#include "page_container.h"
#include "refresh_modes.h"
#include "refresh_store.h"
#include "tab_page.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace cadence {

constexpr UINT kFirstListId = 7050;
constexpr UINT kFirstButtonId = 7150;
constexpr int kMinimumWidth = 320;
constexpr int kRowHeight = 42;

class CadencePage : public tabplugin::TabPage {
public:
    // 'modes' is what the display driver lists, in its order.
    explicit CadencePage(std::vector<DisplayMode> modes);
    // Destroys the lists, the buttons and then the container.
    ~CadencePage() override;

    // Builds the hidden page on the main window. False when a window cannot
    // be made.
    bool Init(HWND mainWindow);
    int MinimumHeight() const override { return kRowHeight * static_cast<int>(lists_.size()) + 6; }

    size_t rowCount() const { return lists_.size(); }

    // The reactions to a row's controls.
    void OnChoice(size_t row);
    void OnSetDisplayMode(size_t row);

protected:
    void Arrange(int width, int height) override;
    bool OnContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool AddRow(HFONT font, const RECT& page);
    bool FillNtRows(HFONT font, const RECT& page);
    bool FillWin9xRows(HFONT font, const RECT& page);
    bool SelectedChoice(size_t row, ItemChoice& choice) const;

    std::vector<DisplayMode> modes_;   // as the driver lists them
    std::vector<DisplayMode> usable_;  // what the rows offer
    std::unique_ptr<RefreshStore> store_;
    std::vector<std::unique_ptr<winlib::CComboBox>> lists_;
    std::vector<std::unique_ptr<winlib::CButton>> buttons_;
};

// The display modes the driver lists, from EnumDisplaySettings.
std::vector<DisplayMode> EnumerateDisplayModes();

}  // namespace cadence
