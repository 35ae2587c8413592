// TabObject: a page of the main window's tab bar (a category or a plug-in page).
#pragma once

#include "byte_io.h"
#include "layout_file.h"

#include <windows.h>

#include <string>

class TabObject {
public:
    virtual ~TabObject() = default;
    virtual std::string GetName() const = 0;
    virtual bool IsValid() const { return true; }
    virtual std::string GetErrorText() const { return ""; }
    // The tab's Tabs.stream record.
    virtual quillon::LayoutTab LayoutRecord() const = 0;
    bool Save(quillon::ByteWriter& out) const {
        return quillon::WriteLayoutTab(out, LayoutRecord());
    }
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void GetConstraints(int* minWidth, int* minHeight, int* maxWidth, int* maxHeight) {
        (void)minWidth, (void)minHeight, (void)maxWidth, (void)maxHeight;
    }
    virtual void Resize() = 0;
    virtual void Paint(HDC dc) { (void)dc; }
};
