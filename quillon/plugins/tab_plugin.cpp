#include "tab_plugin.h"

#include "category_record.h"
#include "exports.h"

TabPlugin::TabPlugin(const std::string& fileName, QuillonHostWindow* mainWindow)
    : fileName_(fileName) {
    BindExports(mainWindow);
}

std::unique_ptr<TabPlugin> TabPlugin::Read(quillon::ByteReader& in, QuillonHostWindow* mainWindow) {
    std::string fileName;
    // The name was kept in a 256-byte buffer: longer names are damage.
    if (!in.ReadString(fileName, 255)) return nullptr;
    return std::make_unique<TabPlugin>(fileName, mainWindow);
}

TabPlugin::~TabPlugin() {
    if (!module_) return;
    if (exit_) exit_();
    ::FreeLibrary(module_);
}

void TabPlugin::ClearEntryPoints() {
    exportedInterface_ = nullptr;
    initWithObject_ = nullptr;
    initWithHandle_ = nullptr;
    exit_ = show_ = hide_ = resize_ = nullptr;
    getConstraints_ = nullptr;
    paint_ = nullptr;
    getName_ = nullptr;
}

void TabPlugin::BindExports(QuillonHostWindow* mainWindow) {
    module_ = ::LoadLibraryA(fileName_.c_str());
    if (!module_) {
        ClearEntryPoints();
        return;
    }
    exportedInterface_ = winlib::GetExport<ExportedInterfaceFunction>(module_, "ExportedInterface");
    int initStyle = kInitWithWindowObject, interfaceVersion = 1, reserved = 0;
    if (exportedInterface_) exportedInterface_(&initStyle, &interfaceVersion, &reserved);
    if (initStyle == kInitWithWindowObject)
        initWithObject_ = winlib::GetExport<InitWithObjectFunction>(module_, "Init");
    else
        initWithHandle_ = winlib::GetExport<InitWithHandleFunction>(module_, "Init");
    exit_ = winlib::GetExport<PageFunction>(module_, "Exit");
    show_ = winlib::GetExport<PageFunction>(module_, "Show");
    hide_ = winlib::GetExport<PageFunction>(module_, "Hide");
    getConstraints_ = winlib::GetExport<GetConstraintsFunction>(module_, "GetConstraints");
    resize_ = winlib::GetExport<PageFunction>(module_, "Resize");
    paint_ = winlib::GetExport<PaintFunction>(module_, "Paint");
    getName_ = winlib::GetExport<GetNameFunction>(module_, "GetName");

    bool loaded = true;
    if (initStyle == kInitWithWindowObject)
        loaded = initWithObject_ && initWithObject_(mainWindow) != 0;
    else if (initStyle == kInitWithWindowHandle)
        loaded = initWithHandle_ && initWithHandle_(mainWindow ? mainWindow->m_hWnd : nullptr) != 0;
    // Any other style: the DLL stays loaded without an Init call.
    if (loaded) return;
    ClearEntryPoints();
    ::FreeLibrary(module_);
    module_ = nullptr;
}

std::string TabPlugin::GetName() const {
    const char* name = getName_ ? getName_() : nullptr;
    return name ? std::string(name) : fileName_;
}

quillon::LayoutTab TabPlugin::LayoutRecord() const {
    quillon::LayoutTab tab;
    tab.type = quillon::kTabTypePlugin;
    tab.pluginFile = fileName_;
    return tab;
}

void TabPlugin::Show() {
    if (show_) show_();
}

void TabPlugin::Hide() {
    if (hide_) hide_();
}

void TabPlugin::GetConstraints(int* minWidth, int* minHeight, int* maxWidth, int* maxHeight) {
    if (getConstraints_) getConstraints_(minWidth, minHeight, maxWidth, maxHeight);
}

void TabPlugin::Resize() {
    if (resize_) resize_();
}

void TabPlugin::Paint(HDC dc) {
    if (paint_) paint_(dc);
}
