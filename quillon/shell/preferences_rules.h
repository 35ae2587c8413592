// What the Preferences dialog lists. No Windows headers.
#pragma once

#include <string>
#include <vector>

// A hidden tab's entry: its name, and for a plug-in that did not load its
// error text in brackets after two blanks.
std::string HiddenTabEntry(const std::string& name, bool valid, const std::string& errorText);

// The animation list holds "None" and then the animations found. The entry
// to select: 0 with no animation running, the entry whose name equals the
// running file exactly (letter case included), or -1 when none does.
int AnimationEntryToSelect(const std::vector<std::string>& animationNames,
                           const std::string& running);
