#include "clockwork_page.h"

#include "app_messages.h"
#include "companion_registry.h"
#include "driver_install.h"
#include "probe_device.h"
#include "wow64.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace clockwork {
namespace {

constexpr uint32_t kPlainRadeon = 1;
constexpr int32_t kNtFamily = 1;
constexpr DWORD kNotReady = WS_DISABLED;

// The host font made bold, for the titles and group boxes.
HFONT BoldCopy(HFONT font) {
    LOGFONTA description{};
    if (!font || ::GetObjectA(font, sizeof description, &description) == 0)
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
    description.lfWeight = FW_BOLD;
    return ::CreateFontIndirectA(&description);
}

void Place(const winlib::CWnd& window, int x, int y, int width, int height) {
    window.MoveWindow(RECT{x, y, x + width, y + height}, true);
}

}  // namespace

// With nothing stored yet, "Apply" sets the clocks only: the memory
// settings can make a card unstable, so the user ticks them on purpose.
ClockworkPage::ClockworkPage()
    : TabPage(694, 284),
      setFrequencies_("Set frequencies when I hit apply", true),
      setTiming_("Set timing when I hit apply", false),
      setLatency_("Set latency when I hit apply", false) {}

ClockworkPage::~ClockworkPage() = default;

// The sliders' scroll notifications; the buttons and lists get theirs handed
// back by the default handling.
bool ClockworkPage::OnContainerMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_HSCROLL || !lParam) return false;
    OnSliderMoved();
    result = 0;
    return true;
}

bool ClockworkPage::Init(HWND mainWindow) {
    int32_t platform[6] = {};
    ::SendMessageA(mainWindow, UM_GETPLATFORM, sizeof platform, reinterpret_cast<LPARAM>(platform));
    if (static_cast<uint32_t>(platform[3]) != kPlainRadeon) return false;

    if (platform[5] == kNtFamily && winlib::RunsUnderWow64()) {
        values_.driverReady = false;
        TellDriverCannotRun(mainWindow);
    } else if (platform[5] == kNtFamily) {
        if (!DriverServiceInstalled()) {
            // Whatever the answer, the driver cannot load before a restart.
            values_.driverReady = false;
            OfferDriverInstallation(mainWindow);
        }
    } else {
        CopyVxdDriver();
    }

    values_.savedText = SavedTextOf(pellam::ReadCompanionText(
        pellam::kOverclockerKey, pellam::kCurrentSettingsValue, 256));
    font_ = tabplugin::HostFont(mainWindow);
    boldFont_.m_hObject = BoldCopy(font_);
    if (!MakeControls(mainWindow)) return false;
    ReadCard(pellam::OpenProbeDevice().get());
    ShowValues();
    return true;
}

bool ClockworkPage::MakeSlider(winlib::CSliderCtrl& slider, UINT id, const RECT& page) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_DLGFRAME | TBS_AUTOTICKS | TBS_BOTH |
                  TBS_ENABLESELRANGE | (values_.driverReady ? 0 : kNotReady);
    if (!slider.Create(style, page, container(), id)) return false;
    slider.SetRange(kSliderLowest, kSliderHighest);
    slider.SendMessage(TBM_SETLINESIZE, 0, 1);
    slider.SendMessage(TBM_SETPAGESIZE, 0, 5);
    slider.SendMessage(TBM_SETTICFREQ, 5, 0);
    return true;
}

bool ClockworkPage::MakeControls(HWND mainWindow) {
    if (!CreateContainer(mainWindow)) return false;
    RECT page = PageRect();
    HWND parent = container();
    const DWORD visible = WS_CHILD | WS_VISIBLE;
    const DWORD ready = values_.driverReady ? 0 : kNotReady;
    HFONT bold = boldFont_;

    if (!coreLabel_.Create("Core", visible, page, parent, 0xFFFF) ||
        !memoryLabel_.Create("Memory", visible, page, parent, 0xFFFF))
        return false;
    coreLabel_.SetFont(bold);
    memoryLabel_.SetFont(bold);
    for (size_t i = 0; i < coreTicks_.size(); ++i) {
        std::string text = std::to_string(kSliderLowest + 10 * static_cast<int>(i));
        for (winlib::CStatic* tick : {&coreTicks_[i], &memoryTicks_[i]}) {
            if (!tick->Create(text, visible | SS_CENTER, page, parent, 0xFFFF)) return false;
            tick->SetFont(font_);
        }
    }
    if (!MakeSlider(coreSlider_, kCoreSliderId, page) ||
        !MakeSlider(memorySlider_, kMemorySliderId, page))
        return false;

    if (!apply_.Make("Apply", visible | BS_DEFPUSHBUTTON | WS_DISABLED, page, parent, kApplyId, font_) ||
        !save_.Make("Save settings", visible, page, parent, kSaveId, font_) ||
        !defaults_.Make("Defaults", visible | ready, page, parent, kDefaultsId, font_) ||
        !redraw_.Make("Redraw screen", visible, page, parent, kRedrawId, font_) ||
        !clear_.Make("Clear settings", visible, page, parent, kClearId, font_))
        return false;
    apply_.onClick = [this] { OnApply(); };
    save_.onClick = [this] { OnSave(); };
    defaults_.onClick = [this] { OnDefaults(); };
    redraw_.onClick = [this] { OnRedraw(); };
    clear_.onClick = [this] { OnClear(); };

    if (!options_.Make("Options", page, parent, kOptionsId, bold) ||
        !latencyBox_.Make("Latency", page, parent, kLatencyBoxId, bold) ||
        !timingsBox_.Make("Timings", page, parent, kTimingsBoxId, bold))
        return false;
    const DWORD list = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | ready;
    if (!latencyList_.Make(list, page, latencyBox_, kLatencyListId, font_) ||
        !timingsList_.Make(list, page, timingsBox_, kTimingsListId, font_))
        return false;
    for (const char* item : {"Fast", "Medium"}) latencyList_.AddString(item);
    for (const char* item : {"Slow", "Medium", "Fast"}) timingsList_.AddString(item);
    latencyList_.onChange = [this] {
        values_.latency = latencyList_.GetCurSel();
        RefreshStatus();
        EnableApply();
    };
    timingsList_.onChange = [this] {
        values_.timings = timingsList_.GetCurSel();
        RefreshStatus();
        EnableApply();
    };

    if (!sync_.Make("Use synchronous clocks", visible | BS_CHECKBOX, page, options_, kSyncId, font_) ||
        !setFrequencies_.Make(page, options_, kSetFrequenciesId, font_) ||
        !setTiming_.Make(page, options_, kSetTimingId, font_) ||
        !setLatency_.Make(page, options_, kSetLatencyId, font_))
        return false;
    sync_.onClick = [this] { OnSyncClicked(); };
    for (ApplyOption* option : {&setFrequencies_, &setTiming_, &setLatency_})
        option->onClick = [this, option] { OnApplyOption(*option); };
    return true;
}

void ClockworkPage::ReadCard(pellam::ProbeTransport* probe) {
    std::optional<CardReading> reading = probe ? clockwork::ReadCard(*probe) : std::nullopt;
    if (!reading) {
        // No driver, or one that gives nothing to compute with.
        values_.core = values_.memory = 0;
        values_.latency = values_.timings = 0;
        values_.synchronous = true;
        return;
    }
    values_.core = reading->core;
    values_.memory = reading->memory;
    values_.defaultClock = reading->defaultClock;
    values_.latency = reading->latency;
    values_.timings = reading->timings;
    values_.synchronous = reading->synchronous;
}

void ClockworkPage::ShowValues() {
    sync_.SetCheck(values_.synchronous ? BST_CHECKED : BST_UNCHECKED);
    coreSlider_.SetPos(SliderPosition(values_.core));
    memorySlider_.SetPos(SliderPosition(values_.memory));
    int overclocked = OverclockedFrom(values_.defaultClock);
    for (winlib::CSliderCtrl* slider : {&coreSlider_, &memorySlider_})
        slider->SendMessage(TBM_SETSEL, TRUE, MAKELPARAM(overclocked, kSliderHighest));
    // A raw register value selects nothing.
    latencyList_.SetCurSel(values_.latency);
    timingsList_.SetCurSel(values_.timings);
}

void ClockworkPage::RefreshStatus() {
    std::string text =
        StatusText(values_.core, values_.memory, values_.defaultClock, values_.savedText);
    ::SendMessageA(mainWindow(), UM_SETSTATUSTEXT, reinterpret_cast<WPARAM>(text.c_str()), 0);
}

void ClockworkPage::EnableApply() {
    if (values_.driverReady) apply_.EnableWindow(true);
}

void ClockworkPage::OnSliderMoved() {
    int core = coreSlider_.GetPos();
    int memory = memorySlider_.GetPos();
    if (values_.synchronous) {
        if (memory == SliderPosition(values_.memory)) {
            memory = core;
            memorySlider_.SetPos(memory);
        } else {
            core = memory;
            coreSlider_.SetPos(core);
        }
    }
    values_.core = core;
    values_.memory = memory;
    EnableApply();
    RefreshStatus();
}

void ClockworkPage::OnSyncClicked() {
    values_.synchronous = !values_.synchronous;
    sync_.SetCheck(values_.synchronous ? BST_CHECKED : BST_UNCHECKED);
    if (values_.synchronous) {
        int lower = std::min(coreSlider_.GetPos(), memorySlider_.GetPos());
        coreSlider_.SetPos(lower);
        memorySlider_.SetPos(lower);
        values_.core = values_.memory = lower;
    }
    RefreshStatus();
}

void ClockworkPage::OnApplyOption(ApplyOption& option) {
    if (option.Toggle()) EnableApply();
}

void ClockworkPage::OnDefaults() {
    values_.core = values_.memory = values_.defaultClock;
    RefreshStatus();
    coreSlider_.SetPos(SliderPosition(values_.core));
    memorySlider_.SetPos(SliderPosition(values_.memory));
    EnableApply();
}

void ClockworkPage::OnRedraw() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode))
        ::ChangeDisplaySettingsA(&mode, 0);
}

void ClockworkPage::OnClear() {
    pellam::WriteCompanionNumber(
        pellam::kSuiteKey, pellam::ExtraNumber(pellam::CompanionNumber::DoRadeonOverclocking).name, 0);
    pellam::DeleteCompanionValue(pellam::kOverclockerKey, pellam::kCurrentSettingsValue);
    values_.savedText = kNoSavedSettings;
    RefreshStatus();
}

void ClockworkPage::OnSave() {
    pellam::WriteCompanionNumber(
        pellam::kSuiteKey, pellam::ExtraNumber(pellam::CompanionNumber::DoRadeonOverclocking).name, 1);
    pellam::WriteCompanionText(
        pellam::kOverclockerKey, pellam::kCurrentSettingsValue,
        CurrentSettingsText(values_.core, values_.memory, setLatency_.ticked() ? values_.latency : -1,
                            setTiming_.ticked() ? values_.timings : -1));
    values_.savedText = SavedText(values_.core, values_.memory);
    RefreshStatus();
}

void ClockworkPage::OnApply() {
    if (!InApplyRange(values_.core, values_.memory)) return;
    if (std::unique_ptr<pellam::ProbeTransport> probe = pellam::OpenProbeDevice()) {
        ApplyOptions options;
        options.frequencies = setFrequencies_.ticked();
        options.timings = setTiming_.ticked();
        options.latency = setLatency_.ticked();
        WriteCard(*probe, options, values_.core, values_.memory, values_.timings, values_.latency);
        ReadCard(probe.get());
        ShowValues();
        RefreshStatus();
    }
    apply_.EnableWindow(false);
}

void ClockworkPage::OnShowing() { RefreshStatus(); }

void ClockworkPage::Arrange(int width, int) {
    int d = width / 2;

    Place(coreLabel_, 5, 0, width - 5, 16);
    Place(memoryLabel_, 5, 96, width - 5, 16);
    for (int i = 0; i < static_cast<int>(coreTicks_.size()); ++i) {
        int x = i * (width - 32) / 14;
        Place(coreTicks_[i], x, 16, 32, 16);
        Place(memoryTicks_[i], x, 112, 32, 16);
    }
    Place(coreSlider_, 0, 32, width, 48);
    Place(memorySlider_, 0, 128, width, 48);
    Place(options_, 4, 184, d - 112, 88);
    Place(latencyBox_, d - 92, 184, 96, 88);
    Place(timingsBox_, d + 20, 184, 96, 88);
    Place(apply_, d + 132, 184, 96, 24);
    Place(save_, d + 132, 216, 96, 24);
    Place(defaults_, d + 132, 248, 96, 24);
    Place(redraw_, d + 236, 184, 96, 24);
    Place(clear_, d + 236, 216, 96, 24);

    RECT inside = options_.GetClientRect();
    int q = (inside.bottom - 20) / 4;
    int y = 15;
    for (winlib::CButton* box : {static_cast<winlib::CButton*>(&sync_),
                                 static_cast<winlib::CButton*>(&setFrequencies_),
                                 static_cast<winlib::CButton*>(&setTiming_),
                                 static_cast<winlib::CButton*>(&setLatency_)}) {
        Place(*box, 10, y, inside.right - 20, q);
        y += q;
    }
    // The boxes are hidden while their lists move, so they are drawn once.
    latencyBox_.ShowWindow(SW_HIDE);
    timingsBox_.ShowWindow(SW_HIDE);
    for (auto [box, list] : {std::pair<GroupBox*, ChoiceList*>{&latencyBox_, &latencyList_},
                             std::pair<GroupBox*, ChoiceList*>{&timingsBox_, &timingsList_}}) {
        RECT boxClient = box->GetClientRect();
        Place(*list, 10, 25, boxClient.right - 20, boxClient.bottom);
    }
    for (auto* ticks : {&coreTicks_, &memoryTicks_})
        for (winlib::CStatic& tick : *ticks)
            ::RedrawWindow(tick, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
    latencyBox_.ShowWindow(SW_SHOW);
    timingsBox_.ShowWindow(SW_SHOW);
}

}  // namespace clockwork
