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
    if (module_ && entry_.exit) entry_.exit();
}

void TabPlugin::BindExports(QuillonHostWindow* mainWindow) {
    module_.reset(::LoadLibraryA(fileName_.c_str()));
    if (!module_) return;
    HMODULE dll = module_.get();
    // A DLL with none of a page's own exports (an animation plug-in named in a
    // damaged layout, say) is not a tab plug-in: nothing of it is called.
    if (!winlib::GetExport<PageFunction>(dll, "Show") && !winlib::GetExport<PageFunction>(dll, "Hide") &&
        !winlib::GetExport<GetNameFunction>(dll, "GetName")) {
        module_.reset();
        return;
    }
    EntryPoints entry;
    entry.exportedInterface = winlib::GetExport<ExportedInterfaceFunction>(dll, "ExportedInterface");
    int initStyle = kInitWithWindowObject, interfaceVersion = 1, reserved = 0;
    if (entry.exportedInterface) entry.exportedInterface(&initStyle, &interfaceVersion, &reserved);
    if (initStyle == kInitWithWindowObject)
        entry.initWithObject = winlib::GetExport<InitWithObjectFunction>(dll, "Init");
    else
        entry.initWithHandle = winlib::GetExport<InitWithHandleFunction>(dll, "Init");
    entry.exit = winlib::GetExport<PageFunction>(dll, "Exit");
    entry.show = winlib::GetExport<PageFunction>(dll, "Show");
    entry.hide = winlib::GetExport<PageFunction>(dll, "Hide");
    entry.getConstraints = winlib::GetExport<GetConstraintsFunction>(dll, "GetConstraints");
    entry.resize = winlib::GetExport<PageFunction>(dll, "Resize");
    entry.paint = winlib::GetExport<PaintFunction>(dll, "Paint");
    entry.getName = winlib::GetExport<GetNameFunction>(dll, "GetName");

    bool loaded = true;
    if (initStyle == kInitWithWindowObject)
        loaded = entry.initWithObject && entry.initWithObject(mainWindow) != 0;
    else if (initStyle == kInitWithWindowHandle)
        loaded = entry.initWithHandle &&
                 entry.initWithHandle(mainWindow ? mainWindow->m_hWnd : nullptr) != 0;
    // Any other style: the DLL stays loaded without an Init call.
    if (loaded)
        entry_ = entry;
    else
        module_.reset();
}

std::string TabPlugin::GetName() const {
    const char* name = entry_.getName ? entry_.getName() : nullptr;
    return name ? std::string(name) : fileName_;
}

quillon::LayoutTab TabPlugin::LayoutRecord() const {
    quillon::LayoutTab tab;
    tab.type = quillon::kTabTypePlugin;
    tab.pluginFile = fileName_;
    return tab;
}

void TabPlugin::Show() {
    if (entry_.show) entry_.show();
}

void TabPlugin::Hide() {
    if (entry_.hide) entry_.hide();
}

void TabPlugin::GetConstraints(int* minWidth, int* minHeight, int* maxWidth, int* maxHeight) {
    if (entry_.getConstraints) entry_.getConstraints(minWidth, minHeight, maxWidth, maxHeight);
}

void TabPlugin::Resize() {
    if (entry_.resize) entry_.resize();
}

void TabPlugin::Paint(HDC dc) {
    if (entry_.paint) entry_.paint(dc);
}
