// A program that is killed or crashes never runs its process detach, so its
// end actions would never happen. Each process that applied start actions
// leaves a record of them in shared memory and withdraws it when its own end
// sequence runs; a thread of the library in Pellam's process watches the
// recorded processes and carries out the end actions of any that ended with
// its record still there. Each end is thus handled once.
#pragma once

namespace pellamhook {

// In the program: after the start sequence, and at the start of its end.
void RecordStartActions();
void WithdrawStartActions();

// In Pellam's process: started by the installing Install, stopped by Uninstall.
void StartEndWatcher();
void StopEndWatcher();

}  // namespace pellamhook
