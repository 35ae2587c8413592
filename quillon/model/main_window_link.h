// How a category page reaches the main window, and the only place it does:
// the page rectangle to lay itself out in, the status text it shows, and the
// request to run the edit-category dialog on it. The main window answers
// these as the program's application messages; without a window (a test
// model, a windowless profile run) each is nothing.
#pragma once

#include <windows.h>

#include <string>

class Category;

class MainWindowLink {
public:
    explicit MainWindowLink(HWND mainWindow) : window_(mainWindow) {}

    HWND window() const { return window_; }
    // False without a window.
    bool PageRect(RECT& page) const;
    void SetStatusText(const std::string& text) const;
    void EditCategory(Category& category) const;

private:
    HWND window_;
};
