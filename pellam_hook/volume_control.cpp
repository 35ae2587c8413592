#include "volume_control.h"

namespace pellamhook {

// The mixer functions, from winmm.dll loaded at the first volume operation:
// most programs the library enters never touch the volume, so they need
// not map winmm at all. Once loaded it stays, as a static import would.
struct Mixer {
    decltype(&::mixerGetNumDevs) getNumDevs = nullptr;
    decltype(&::mixerOpen) open = nullptr;
    decltype(&::mixerClose) close = nullptr;
    decltype(&::mixerGetDevCapsA) getDevCaps = nullptr;
    decltype(&::mixerGetLineInfoA) getLineInfo = nullptr;
    decltype(&::mixerGetLineControlsA) getLineControls = nullptr;
    decltype(&::mixerGetControlDetailsA) getControlDetails = nullptr;
    decltype(&::mixerSetControlDetails) setControlDetails = nullptr;
    bool Complete() const {
        return getNumDevs && open && close && getDevCaps && getLineInfo && getLineControls && getControlDetails &&
               setControlDetails;
    }
};

namespace {

HMIXEROBJ Object(HMIXER mixer) { return reinterpret_cast<HMIXEROBJ>(mixer); }

template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

const Mixer* LoadMixer() {
    static Mixer mixer;
    static LONG loaded = 0;
    if (::InterlockedCompareExchange(&loaded, 0, 0) == 0) {
        HMODULE winmm = ::LoadLibraryA("winmm.dll");
        if (winmm) {
            Find(winmm, "mixerGetNumDevs", mixer.getNumDevs);
            Find(winmm, "mixerOpen", mixer.open);
            Find(winmm, "mixerClose", mixer.close);
            Find(winmm, "mixerGetDevCapsA", mixer.getDevCaps);
            Find(winmm, "mixerGetLineInfoA", mixer.getLineInfo);
            Find(winmm, "mixerGetLineControlsA", mixer.getLineControls);
            Find(winmm, "mixerGetControlDetailsA", mixer.getControlDetails);
            Find(winmm, "mixerSetControlDetails", mixer.setControlDetails);
        }
        ::InterlockedExchange(&loaded, 1);
    }
    return mixer.Complete() ? &mixer : nullptr;
}

// The step of the volume keys: a twentieth of the control's maximum.
constexpr double kVolumeStep = 0.05;

}  // namespace

bool VolumeControl::FindLine(DWORD componentType, Line& line) {
    MIXERLINEA info{};
    info.cbStruct = sizeof info;
    info.dwComponentType = componentType;
    if (functions_->getLineInfo(Object(mixer_), &info, MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR)
        return false;
    MIXERCONTROLA control{};
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = info.dwLineID;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
    if (functions_->getLineControls(Object(mixer_), &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR)
        return false;
    line.minimum = control.Bounds.dwMinimum;
    line.maximum = control.Bounds.dwMaximum;
    line.volumeId = control.dwControlID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_MUTE;
    line.muteId = functions_->getLineControls(Object(mixer_), &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) ==
                          MMSYSERR_NOERROR
                      ? control.dwControlID
                      : 0;
    return true;
}

bool VolumeControl::Open() {
    functions_ = LoadMixer();
    if (!functions_) return false;
    devices_ = functions_->getNumDevs();
    if (devices_ == 0 || functions_->open(&mixer_, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) {
        mixer_ = nullptr;
        return false;
    }
    functions_->getDevCaps(0, &caps_, sizeof caps_);
    if (!FindLine(MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, speakers_) ||
        !FindLine(MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, waveOut_)) {
        Close();
        return false;
    }
    return true;
}

void VolumeControl::Close() {
    if (mixer_) functions_->close(mixer_);
    mixer_ = nullptr;
}

// One value for all channels of the speakers' volume control.
bool VolumeControl::Transfer(DWORD& volume, bool set) {
    MIXERCONTROLDETAILS_UNSIGNED value{volume};
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = speakers_.volumeId;
    details.cChannels = 1;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    MMRESULT result = set ? functions_->setControlDetails(Object(mixer_), &details, MIXER_SETCONTROLDETAILSF_VALUE)
                          : functions_->getControlDetails(Object(mixer_), &details, MIXER_GETCONTROLDETAILSF_VALUE);
    if (result != MMSYSERR_NOERROR) return false;
    volume = value.dwValue;
    return true;
}

DWORD VolumeControl::GetVolume() {
    if (!Open()) return 0;
    DWORD volume = 0;
    speakers_.value = Transfer(volume, false) ? volume : 0;
    Close();
    return speakers_.value;
}

void VolumeControl::SetVolume(DWORD volume) {
    if (!Open()) return;
    if (volume >= speakers_.minimum && volume <= speakers_.maximum && Transfer(volume, true))
        speakers_.value = volume;
    Close();
}

// Steps that would leave the range are not applied, so the volume stops
// short of the ends.
void VolumeControl::VolumeUp() {
    DWORD current = GetVolume();
    SetVolume(static_cast<DWORD>(current + kVolumeStep * speakers_.maximum));
}

void VolumeControl::VolumeDown() {
    DWORD current = GetVolume();
    double next = current - kVolumeStep * speakers_.maximum;
    if (next < 0) return;  // below the range; its unsigned form would wrap round into it
    SetVolume(static_cast<DWORD>(next));
}

}  // namespace pellamhook
