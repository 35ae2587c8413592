// What the library does around a program's life: its start actions on the
// first hook call, and their undoing at its end.
#pragma once

namespace pellamhook {

// Runs the start sequence on the first hook call in a process that is
// neither left alone nor excluded.
void StartOnce();
void EndSequence();

}  // namespace pellamhook
