#include "gamma_page.h"

#include "app_messages.h"
#include "page_container.h"

#include <commctrl.h>

namespace ramp {

// The page container: a plain static that takes the slider's scroll
// notifications (every scroll code, so dragging the thumb counts too) and
// hands the button's clicks back to the button.
class GammaPage::Container : public winlib::CStatic {
public:
    explicit Container(GammaPage& page) : page_(page) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_HSCROLL) {
            page_.OnSliderMoved();
            return 0;
        }
        return CStatic::WindowProc(message, wParam, lParam);
    }

private:
    GammaPage& page_;
};

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

GammaPage::GammaPage(GammaDevice& device) : device_(device) {}

GammaPage::~GammaPage() {
    slider_.reset();
    reset_.reset();
    container_.reset();
}

HWND GammaPage::container() const { return container_ ? container_->m_hWnd : nullptr; }

RECT GammaPage::PageRect() const { return tabplugin::HostPageRect(mainWindow_); }

bool GammaPage::Init(HWND mainWindow) {
    HFONT font = tabplugin::HostFont(mainWindow);
    mainWindow_ = mainWindow;
    RECT page = PageRect();

    container_ = std::make_unique<Container>(*this);
    if (!tabplugin::CreatePageContainer(*container_, mainWindow)) return false;

    slider_ = std::make_unique<winlib::CSliderCtrl>();
    if (!slider_->Create(WS_CHILD | WS_DLGFRAME | TBS_BOTH | TBS_AUTOTICKS, page, *container_,
                         kSliderId))
        return false;
    slider_->SetRange(kSliderMin, kSliderMax, false);
    slider_->SendMessage(TBM_SETLINESIZE, 0, 1);
    slider_->SendMessage(TBM_SETPAGESIZE, 0, 4);
    slider_->SendMessage(TBM_SETTICFREQ, 4, 0);
    currentGamma_ = ReadGamma();
    slider_->SetPos(SliderFromGamma(currentGamma_));

    reset_ = std::make_unique<ResetButton>(*this);
    if (!reset_->Create("Reset", WS_CHILD | BS_DEFPUSHBUTTON, page, *container_, kResetButtonId) ||
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
    ::SendMessageA(mainWindow_, UM_SETSTATUSTEXT, reinterpret_cast<WPARAM>(text.c_str()), 0);
}

void GammaPage::Show() {
    if (!container_) return;
    container_->ShowWindow(SW_SHOW);
    reset_->ShowWindow(SW_SHOW);
    slider_->ShowWindow(SW_SHOW);
    ShowGamma();
}

void GammaPage::Hide() {
    if (!container_) return;
    reset_->ShowWindow(SW_HIDE);
    slider_->ShowWindow(SW_HIDE);
    container_->ShowWindow(SW_HIDE);
}

void GammaPage::Resize() {
    if (!container_) return;
    container_->MoveWindow(PageRect(), true);
    RECT client = container_->GetClientRect();
    int width = client.right - client.left;
    int middle = (client.bottom - client.top) / 2;
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
