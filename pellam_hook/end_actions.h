// What a program's end undoes, in one place whoever carries it out: the
// program itself as it detaches, or the end watcher in Pellam's process for
// a program that ended without detaching. The gamma triple of before the
// program goes back on the desktop, the volume of before on the mixer, the
// desktop mode of before, and Pellam is told to run the "Reset" commands.
#pragma once

#include <windows.h>

#include "gamma_triple.h"

namespace pellamhook {

struct EndActions {
    bool gamma = false;
    pellam::GammaTriple savedGamma;
    bool sound = false;
    DWORD savedVolume = 0;
    bool desktop = false;
    DEVMODEA savedDesktop{};
    // Pellam runs the "Reset" commands when these events of its are set.
    bool profile = false;
    HANDLE profileReset = nullptr;
    bool overclock = false;
    HANDLE overclockReset = nullptr;
};

// How much the end tells the log: the detaching program says what it
// resets; the watcher has said once that it carries out a program's end.
enum class EndLog { EachAction, Quiet };

// Carries out 'actions' for the program 'exeName'.
void CarryOutEndActions(const EndActions& actions, const char* exeName, EndLog log);

}  // namespace pellamhook
