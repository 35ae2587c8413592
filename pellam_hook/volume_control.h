// The master volume of the first waveform mixer: the volume control of its
// speakers line. The mixer counts as usable only with a wave-out line too.
// The mixer is opened for each operation and closed again.
#pragma once

#include <windows.h>

#include <mmsystem.h>

namespace pellamhook {

struct Mixer;

class VolumeControl {
public:
    // Opens the mixer and finds both lines; false when it is unusable.
    bool Open();
    DWORD GetVolume();
    // Applied only within the control's range.
    void SetVolume(DWORD volume);
    void VolumeUp();
    void VolumeDown();

private:
    struct Line {
        DWORD value, minimum, maximum, volumeId, muteId;
    };
    bool FindLine(DWORD componentType, Line& line);
    bool Transfer(DWORD& volume, bool set);
    void Close();

    const Mixer* functions_ = nullptr;
    MIXERCAPSA caps_{};
    UINT devices_ = 0;
    HMIXER mixer_ = nullptr;
    Line speakers_{};
    Line waveOut_{};
};

}  // namespace pellamhook
