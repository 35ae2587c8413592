// The page of the gamma tab: a slider from gamma 0.22 to 4.48 and a "Reset"
// button, in a hidden container on the main window. Moving the slider sets
// the display's ramp at once, at every position the thumb passes; the gamma
// is kept nowhere but on the display, which is read back when the page is
// made.
#pragma once

#include "controls.h"
#include "page_container.h"
#include "gamma_device.h"

#include <windows.h>

#include <memory>

namespace ramp {

constexpr UINT kSliderId = 7000;
constexpr UINT kResetButtonId = 7001;
constexpr UINT kContainerId = tabplugin::kContainerId;
constexpr int kMinimumWidth = 128;
constexpr int kMinimumHeight = 82;

class GammaPage {
public:
    explicit GammaPage(GammaDevice& device);
    // Destroys the slider, the button and the container, in that order.
    ~GammaPage();
    GammaPage(const GammaPage&) = delete;
    GammaPage& operator=(const GammaPage&) = delete;

    // Builds the hidden page on the main window; nothing is written to the
    // display. False when the windows cannot be made.
    bool Init(HWND mainWindow);
    void Show();
    void Hide();
    void Resize();
    int MinimumWidth() const { return kMinimumWidth; }
    int MinimumHeight() const { return kMinimumHeight; }

    double currentGamma() const { return currentGamma_; }
    HWND container() const;

private:
    class Container;
    class ResetButton;

    double ReadGamma();
    void SetGamma(double gamma);
    void ShowGamma();
    void OnSliderMoved();
    void OnReset();
    RECT PageRect() const;

    GammaDevice& device_;
    HWND mainWindow_ = nullptr;
    std::unique_ptr<Container> container_;
    std::unique_ptr<winlib::CSliderCtrl> slider_;
    std::unique_ptr<ResetButton> reset_;
    double currentGamma_ = 1.0;
};

}  // namespace ramp
