// How the suite's programs reach Pellam and its hook library: the files
// Pellam is installed as, the broadcast messages the hook library registers,
// and the WM_COPYDATA codes Pellam's window answers.
#pragma once

#include <cstdint>

namespace pellam {

constexpr char kCompanionExe[] = "Pellam.exe";
constexpr char kHookLibrary[] = "Pellam.dll";

// Registered window messages, broadcast to every top-level window.
constexpr char kEnterMessage[] = "Enter for Pellam Suite";
constexpr char kUpdateMessage[] = "Update for Pellam Suite";
constexpr char kExitMessage[] = "Exit for Pellam Suite";

// WM_COPYDATA codes (dwData) of Pellam's window.
constexpr uintptr_t kCopyGammaText = 1;  // "gamma contrast brightness" to apply
constexpr uintptr_t kCopyCommand = 2;    // a command line to run; answered when it has ended

}  // namespace pellam
