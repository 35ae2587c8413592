// TabPlugin: a tab whose page comes from a "*_Tab.dll". It loads the DLL,
// binds its exports, initialises it with the main window and forwards the
// page operations. A DLL that is missing or fails to initialise still makes
// an object: an invalid tab that keeps its file name, so the layout keeps it
// and the next start tries again.
#pragma once

#include "byte_io.h"
#include "plugin_abi.h"
#include "scoped.h"
#include "tab_object.h"

#include <memory>
#include <string>

class TabPlugin : public TabObject {
public:
    // A plug-in found in the program folder.
    TabPlugin(const std::string& fileName, QuillonHostWindow* mainWindow);
    // A plug-in record of Tabs.stream after its type tag: the file name as a
    // record string. Null, with the reader failed, when the record is damaged.
    static std::unique_ptr<TabPlugin> Read(quillon::ByteReader& in, QuillonHostWindow* mainWindow);
    ~TabPlugin() override;
    TabPlugin(const TabPlugin&) = delete;
    TabPlugin& operator=(const TabPlugin&) = delete;

    std::string GetName() const override;
    bool IsValid() const override { return static_cast<bool>(module_); }
    std::string GetErrorText() const override { return "Load error"; }
    quillon::LayoutTab LayoutRecord() const override;
    void Show() override;
    void Hide() override;
    void GetConstraints(int* minWidth, int* minHeight, int* maxWidth, int* maxHeight) override;
    void Resize() override;
    void Paint(HDC dc) override;

    std::string GetFileName() const { return fileName_; }

private:
    // The DLL's exports; all null while nothing is loaded.
    struct EntryPoints {
        ExportedInterfaceFunction exportedInterface = nullptr;
        InitWithObjectFunction initWithObject = nullptr;
        InitWithHandleFunction initWithHandle = nullptr;
        PageFunction exit = nullptr;
        PageFunction show = nullptr;
        PageFunction hide = nullptr;
        GetConstraintsFunction getConstraints = nullptr;
        PageFunction resize = nullptr;
        PaintFunction paint = nullptr;
        GetNameFunction getName = nullptr;
    };

    void BindExports(QuillonHostWindow* mainWindow);

    std::string fileName_;
    EntryPoints entry_;
    // Declared last: freed first, after Exit, while the name is still known.
    winlib::ScopedLibrary module_;
};
