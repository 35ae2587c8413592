// What the library does around a program's life: its start actions on the
// first hook call, and their undoing at its end.
#pragma once

namespace pellamhook {

// Runs the start sequence on the first hook call in a process that is
// neither left alone nor excluded.
void StartOnce();
// 'processEnding': the process exits (its other threads are gone), rather
// than the library being freed.
void EndSequence(bool processEnding);

class VolumeControl;
// The mixer of this process, opened at first use; the volume it had then is
// kept as the one to go back to.
VolumeControl& ProcessVolume();

}  // namespace pellamhook
