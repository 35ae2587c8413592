// CTweakerApp: decides what a start of the program does.
#pragma once

#include "app.h"

#include <memory>

class CTweakerWindow;

class CTweakerApp : public winlib::CWinApp {
public:
    CTweakerApp();
    ~CTweakerApp() override;
    bool InitInstance() override;

private:
    std::unique_ptr<CTweakerWindow> window_;
};
