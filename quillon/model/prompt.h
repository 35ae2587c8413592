// Questions and messages to the user. The program shows them with
// MessageBoxA; tests install a Prompt that answers and records.
#pragma once

#include <windows.h>

#include <string>

class Prompt {
public:
    virtual ~Prompt() = default;
    // Same contract as MessageBoxA: returns IDYES, IDNO, IDOK ...
    virtual int Ask(HWND owner, const std::string& text, const std::string& caption,
                    UINT flags) = 0;
};

class MessageBoxPrompt : public Prompt {
public:
    int Ask(HWND owner, const std::string& text, const std::string& caption,
            UINT flags) override {
        return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
    }
};

Prompt& CurrentPrompt();
void SetPrompt(Prompt* prompt);  // null: back to MessageBoxPrompt
