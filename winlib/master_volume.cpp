#include "master_volume.h"

#include <mmsystem.h>

namespace winlib {
namespace {

// The mixer and the ID of its master volume control, open for one call.
class MasterVolumeControl {
public:
    MasterVolumeControl() {
        if (::mixerOpen(&mixer_, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) {
            mixer_ = nullptr;
            return;
        }
        MIXERLINEA line{};
        line.cbStruct = sizeof line;
        line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
        if (::mixerGetLineInfoA(reinterpret_cast<HMIXEROBJ>(mixer_), &line,
                                MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR)
            return;
        MIXERCONTROLA control{};
        control.cbStruct = sizeof control;
        MIXERLINECONTROLSA controls{};
        controls.cbStruct = sizeof controls;
        controls.dwLineID = line.dwLineID;
        controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
        controls.cControls = 1;
        controls.cbmxctrl = sizeof control;
        controls.pamxctrl = &control;
        if (::mixerGetLineControlsA(reinterpret_cast<HMIXEROBJ>(mixer_), &controls,
                                    MIXER_GETLINECONTROLSF_ONEBYTYPE) != MMSYSERR_NOERROR)
            return;
        controlId_ = control.dwControlID;
        found_ = true;
    }
    ~MasterVolumeControl() {
        if (mixer_) ::mixerClose(mixer_);
    }
    MasterVolumeControl(const MasterVolumeControl&) = delete;
    MasterVolumeControl& operator=(const MasterVolumeControl&) = delete;

    // The control is read and set as one uniform value for all channels.
    bool Transfer(DWORD& volume, bool set) {
        if (!found_) return false;
        MIXERCONTROLDETAILS_UNSIGNED value{volume};
        MIXERCONTROLDETAILS details{};
        details.cbStruct = sizeof details;
        details.dwControlID = controlId_;
        details.cChannels = 1;
        details.cbDetails = sizeof value;
        details.paDetails = &value;
        HMIXEROBJ object = reinterpret_cast<HMIXEROBJ>(mixer_);
        MMRESULT result = set ? ::mixerSetControlDetails(object, &details, MIXER_SETCONTROLDETAILSF_VALUE)
                              : ::mixerGetControlDetailsA(object, &details, MIXER_GETCONTROLDETAILSF_VALUE);
        if (result != MMSYSERR_NOERROR) return false;
        volume = value.dwValue;
        return true;
    }

private:
    HMIXER mixer_ = nullptr;
    DWORD controlId_ = 0;
    bool found_ = false;
};

}  // namespace

bool GetMasterVolume(DWORD& volume) {
    return MasterVolumeControl().Transfer(volume, false);
}

bool SetMasterVolume(DWORD volume) {
    return MasterVolumeControl().Transfer(volume, true);
}

}  // namespace winlib
