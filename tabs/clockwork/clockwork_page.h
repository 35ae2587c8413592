// The page of the Radeon overclocking tab: the core and memory clocks on two
// sliders with the overclocked region marked, the memory latency and timings,
// the apply options, and the buttons that apply the values through the
// r6probe driver, save them for the companion or clear them.
#pragma once

#include "clock_card.h"
#include "controls.h"
#include "gdi.h"
#include "page_container.h"
#include "page_controls.h"
#include "tab_page.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

namespace clockwork {

constexpr UINT kMemorySliderId = 7010;
constexpr UINT kCoreSliderId = 7011;
constexpr UINT kApplyId = 7012;
constexpr UINT kSyncId = 7013;
constexpr UINT kOptionsId = 7014;
constexpr UINT kSetFrequenciesId = 7015;
constexpr UINT kSetTimingId = 7016;
constexpr UINT kSetLatencyId = 7017;
constexpr UINT kLatencyListId = 7018;
constexpr UINT kTimingsListId = 7019;
constexpr UINT kLatencyBoxId = 7020;
constexpr UINT kTimingsBoxId = 7021;
constexpr UINT kDefaultsId = 7022;
constexpr UINT kSaveId = 7023;
constexpr UINT kRedrawId = 7023;  // shared with "Save settings": each button takes its own click
constexpr UINT kClearId = 7024;
constexpr int kSliderLowest = 120;
constexpr int kSliderHighest = 260;

// What the page holds of the card and of the saved settings.
struct PageValues {
    bool driverReady = true;  // false when the NT driver service is missing
    double core = 0, memory = 0, defaultClock = 0;
    bool synchronous = true;
    int latency = 0, timings = 0;
    std::string savedText = kNoSavedSettings;
};

class ClockworkPage : public tabplugin::TabPage {
public:
    ClockworkPage();
    ~ClockworkPage() override;

    // False on any card but the plain Radeon.
    bool Init(HWND mainWindow);

protected:
    void Arrange(int width, int height) override;
    void OnShowing() override;
    bool OnContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool MakeControls(HWND mainWindow);
    bool MakeSlider(winlib::CSliderCtrl& slider, UINT id, const RECT& page);
    // Reads the card through an open device; null: the driver is missing.
    void ReadCard(pellam::ProbeTransport* probe);
    void ShowValues();
    void RefreshStatus();
    void EnableApply();

    // Reactions.
    void OnSliderMoved();
    void OnSyncClicked();
    void OnApplyOption(ApplyOption& option);
    void OnDefaults();
    void OnRedraw();
    void OnClear();
    void OnSave();
    void OnApply();

    PageValues values_;
    HFONT font_ = nullptr;
    winlib::CFont boldFont_;

    winlib::CStatic coreLabel_, memoryLabel_;
    std::array<winlib::CStatic, 15> coreTicks_, memoryTicks_;
    winlib::CSliderCtrl coreSlider_, memorySlider_;
    ClickButton apply_, save_, defaults_, redraw_, clear_;
    GroupBox options_, latencyBox_, timingsBox_;
    ChoiceList latencyList_, timingsList_;
    ClickButton sync_;
    ApplyOption setFrequencies_, setTiming_, setLatency_;
};

}  // namespace clockwork
