#include "prompt.h"

namespace {
Prompt* installedPrompt = nullptr;
}

Prompt& CurrentPrompt() {
    static MessageBoxPrompt messageBox;
    return installedPrompt ? *installedPrompt : messageBox;
}

void SetPrompt(Prompt* prompt) { installedPrompt = prompt; }
