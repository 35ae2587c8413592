// Drives modal dialogs from a test: each dialog that opens is handed, once it
// is shown, to the next scripted step, which fills controls and presses
// buttons so the dialog's own OK logic runs.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;
    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    void Then(Step step) { steps_.push_back(std::move(step)); }
    int dialogsSeen() const { return seen_; }

    static void SetText(HWND dialog, int id, const std::string& text);
    static std::string Text(HWND dialog, int id);
    static void Click(HWND dialog, int id);
    // Selects entry 'index' of a list box or combo box as a click does, so
    // the dialog gets the control's selection-change notification.
    static void Select(HWND dialog, int id, int index);
    static bool Checked(HWND dialog, int id);
    static std::string Caption(HWND dialog);

private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK RunStep(HWND, UINT, UINT_PTR timer, DWORD);
    HHOOK hook_;
    std::deque<Step> steps_;
    std::deque<HWND> pending_;
    int seen_ = 0;
};
