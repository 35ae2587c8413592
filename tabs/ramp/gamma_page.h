// The page of the gamma tab: a slider from gamma 0.22 to 4.48 and a "Reset"
// button, in a hidden container on the main window. Moving the slider sets
// the display's ramp at once, at every position the thumb passes; the gamma
// is kept nowhere but on the display, which is read back when the page is
// made.
#pragma once

#include "controls.h"
#include "gamma_device.h"
#include "page_container.h"
#include "tab_page.h"

#include <windows.h>

#include <memory>

namespace ramp {

constexpr UINT kSliderId = 7000;
constexpr UINT kResetButtonId = 7001;
constexpr int kMinimumWidth = 128;
constexpr int kMinimumHeight = 82;

class GammaPage : public tabplugin::TabPage {
public:
    explicit GammaPage(GammaDevice& device);
    ~GammaPage() override;

    // Builds the hidden page on the main window; nothing is written to the
    // display. False when the windows cannot be made.
    bool Init(HWND mainWindow);

    double currentGamma() const { return currentGamma_; }

protected:
    void Arrange(int width, int height) override;
    void OnShowing() override;
    bool OnContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    class ResetButton;

    double ReadGamma();
    void SetGamma(double gamma);
    void ShowGamma();
    void OnSliderMoved();
    void OnReset();

    GammaDevice& device_;
    std::unique_ptr<winlib::CSliderCtrl> slider_;
    std::unique_ptr<ResetButton> reset_;
    double currentGamma_ = 1.0;
};

}  // namespace ramp
