#include "end_actions.h"

#include "gamma_control.h"
#include "hook_log.h"
#include "hook_state.h"
#include "volume_control.h"

namespace pellamhook {
namespace {

void SignalReset(bool applied, HANDLE event, const char* nothingText) {
    if (!applied) {
        if (nothingText) LogLine(2, "%s", nothingText);
    } else if (event) {
        ::SetEvent(event);
    }
}

}  // namespace

void CarryOutEndActions(const EndActions& actions, const char* exeName, EndLog log) {
    bool each = log == EndLog::EachAction;
    if (actions.gamma) {
        SetSharedGamma(actions.savedGamma);
        ApplyGammaRamp(false);
        if (each)
            LogLine(1, "Resetting Gamma(%s)=%3.0f %3.0f %3.0f", exeName, g_shared.gamma * 128,
                    g_shared.contrast * 128, g_shared.brightness * 256);
    } else if (each) {
        LogLine(2, "No Gamma applied to reset");
    }
    if (actions.sound) {
        if (each) LogLine(1, "Resetting Sound(%s)=%d", exeName, static_cast<int>(actions.savedVolume));
        VolumeControl().SetVolume(actions.savedVolume);
    }
    SignalReset(actions.profile, actions.profileReset, each ? "No Profile applied to reset" : nullptr);
    SignalReset(actions.overclock, actions.overclockReset,
                each ? "No OverClocking applied to reset" : nullptr);
    if (actions.desktop) {
        DEVMODEA mode = actions.savedDesktop;
        if (::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL && each)
            LogLine(1, "Desktop restored to %dx%d", static_cast<int>(mode.dmPelsWidth),
                    static_cast<int>(mode.dmPelsHeight));
    }
}

}  // namespace pellamhook
