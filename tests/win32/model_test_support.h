// Registry scratch keys, a recording prompt and a counting key lookup for the
// tweak-model tests.
#pragma once

#include "key_lookup.h"
#include "prompt.h"

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

// A key under HKCU\Software\QuillonTest that is deleted before and after use.
class ScratchKey {
public:
    explicit ScratchKey(const std::string& name);
    ~ScratchKey();
    const std::string& path() const { return path_; }
    void SetDWord(const std::string& value, DWORD data) const;
    void SetString(const std::string& value, const std::string& data) const;
    bool GetDWord(const std::string& value, DWORD& data) const;
    bool GetString(const std::string& value, std::string& data) const;
    bool Exists() const;
    bool HasValue(const std::string& value) const;

private:
    std::string path_;
};

// Answers questions from a queue and records what was asked.
class RecordingPrompt : public Prompt {
public:
    RecordingPrompt() { SetPrompt(this); }
    ~RecordingPrompt() override { SetPrompt(nullptr); }
    int Ask(HWND, const std::string& text, const std::string& caption, UINT flags) override {
        asked.push_back({text, caption, flags});
        if (answers.empty()) return IDNO;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    struct Question {
        std::string text, caption;
        UINT flags;
    };
    std::deque<int> answers;
    std::vector<Question> asked;
};

// The real DLL lookup, counting its calls.
class CountingKeyLookup : public KeyLookup {
public:
    CountingKeyLookup() { SetKeyLookup(this); }
    ~CountingKeyLookup() override { SetKeyLookup(nullptr); }
    bool Lookup(const std::string& dllFile, const std::string& parameter, HKEY& root,
                std::string& subKey) override {
        ++calls;
        return real.Lookup(dllFile, parameter, root, subKey);
    }
    int calls = 0;
    DllKeyLookup real;
};
