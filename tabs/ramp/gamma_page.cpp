#include "gamma_page.h"

#include "app_messages.h"
#include "page_container.h"

#include <commctrl.h>

namespace ramp {

class GammaPage::ResetButton : public winlib::CButton {
public:
    explicit ResetButton(GammaPage& page) : page_(page) {}

protected:
    bool OnReflectedCommand(UINT notifyCode) override {
        if (notifyCode != BN_CLICKED) return false;
        page_.OnReset();
        return true;
    }

private:
    GammaPage& page_;
};

GammaPage::GammaPage(GammaDevice& device)
    : TabPage(kMinimumWidth, kMinimumHeight), device_(device) {}

GammaPage::~GammaPage() {
    slider_.reset();
    reset_.reset();
}

// The slider's scroll notifications, every scroll code (dragging the thumb
// counts too); the button's clicks are handed back to the button.
bool GammaPage::OnContainerMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_HSCROLL) return false;
    OnSliderMoved();
    result = 0;
    return true;
}

bool GammaPage::Init(HWND mainWindow) {
    if (!CreateContainer(mainWindow)) return false;
    HFONT font = HostFont();
    RECT page = PageRect();

    slider_ = std::make_unique<winlib::CSliderCtrl>();
    if (!slider_->Create(WS_CHILD | WS_VISIBLE | WS_DLGFRAME | TBS_BOTH | TBS_AUTOTICKS, page, container(),
                         kSliderId))
        return false;
    slider_->SetRange(kSliderMin, kSliderMax, false);
    slider_->SendMessage(TBM_SETLINESIZE, 0, 1);
    slider_->SendMessage(TBM_SETPAGESIZE, 0, 4);
    slider_->SendMessage(TBM_SETTICFREQ, 4, 0);
    currentGamma_ = ReadGamma();
    slider_->SetPos(SliderFromGamma(currentGamma_));

    reset_ = std::make_unique<ResetButton>(*this);
    if (!reset_->Create("Reset", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, page, container(),
                        kResetButtonId) ||
        !reset_->SubclassWindow(reset_->m_hWnd))
        return false;
    reset_->SetFont(font);
    return true;
}

double GammaPage::ReadGamma() {
    GammaRamp ramp{};
    bool readOk = device_.Read(ramp);
    return GammaFromRamp(ramp, readOk);
}

void GammaPage::SetGamma(double gamma) {
    currentGamma_ = gamma;
    device_.Write(BuildRamp(gamma));
    ShowGamma();
}

void GammaPage::ShowGamma() {
    std::string text = GammaStatusText(currentGamma_);
    ::SendMessageA(mainWindow(), UM_SETSTATUSTEXT, reinterpret_cast<WPARAM>(text.c_str()), 0);
}

void GammaPage::OnShowing() { ShowGamma(); }

void GammaPage::Arrange(int width, int height) {
    int middle = height / 2;
    slider_->MoveWindow(RECT{0, middle - 41, width, middle - 41 + 50});
    int left = width / 2 - 32;
    reset_->MoveWindow(RECT{left, middle + 17, left + 64, middle + 17 + 24});
}

void GammaPage::OnSliderMoved() {
    SetGamma(GammaFromSlider(slider_->GetPos()));
}

void GammaPage::OnReset() {
    SetGamma(1.0);
    slider_->SetPos(kSliderIdentity);
}

}  // namespace ramp
