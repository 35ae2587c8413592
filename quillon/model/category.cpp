#include "category.h"

#include "app_messages.h"

namespace {
Category::BackupHandler& AutomaticBackup() {
    static Category::BackupHandler handler;
    return handler;
}
}  // namespace

void Category::SetAutomaticBackup(BackupHandler handler) { AutomaticBackup() = std::move(handler); }

Category::Category(std::string name, HWND mainWindow)
    : name_(std::move(name)), mainWindow_(mainWindow) {}

Category::Category(const std::string& name, HWND mainWindow, HKEY root, const std::string& subKey)
    : Category(name, mainWindow) {
    model_.key.root = root;
    model_.key.subKey = subKey;
    if (AutomaticBackup()) AutomaticBackup()(*this);
}

Category::Category(const std::string& name, const std::string& dllFile,
                   const std::string& parameter, HWND mainWindow)
    : Category(name, mainWindow) {
    model_.key.dynamic = true;
    model_.key.dllFile = dllFile;
    model_.key.parameter = parameter;
    model_.key.Resolve();
    if (AutomaticBackup()) AutomaticBackup()(*this);
}

Category::~Category() = default;

std::unique_ptr<Category> Category::Read(quillon::ByteReader& in, HWND mainWindow) {
    std::string name;
    if (!in.ReadString(name)) return nullptr;
    std::unique_ptr<Category> category(new Category(name, mainWindow));
    if (!category->model_.ReadRecord(in)) {
        in.Fail();
        return nullptr;
    }
    return category;
}

bool Category::Save(quillon::ByteWriter& out) const {
    // The look is saved as the list shows it now.
    if (view_) view_->StoreViewStyle();
    out.WriteU32(quillon::kTabTypeCategory);
    return out.WriteString(name_) && model_.WriteRecord(out);
}

bool Category::Export(quillon::ByteWriter& out) const {
    out.WriteU32(quillon::kTabTypeCategory);
    return out.WriteString(name_) && model_.WriteExport(out);
}

bool Category::Merge(quillon::ByteReader& in) {
    bool merged = model_.Merge(in, mainWindow_);
    if (view_) view_->Fill();
    return merged;
}

void Category::Refresh() {
    model_.Refresh();
    if (view_) view_->Fill();
    SendStatusText();
}

void Category::Show() {
    if (view_) view_->Show();
    SendStatusText();
}

void Category::Hide() {
    if (view_) view_->Hide();
}

void Category::Resize() {
    if (!view_ || !mainWindow_) return;
    RECT page{};
    ::SendMessageA(mainWindow_, UM_GETPAGERECT, reinterpret_cast<WPARAM>(&page), 0);
    view_->MoveTo(page);
}

void Category::SetView(std::unique_ptr<CategoryView> view) {
    view_ = std::move(view);
    if (view_) view_->Fill();
}

void Category::SendStatusText() const {
    if (!mainWindow_) return;
    std::string path = model_.key.KeyPathText();
    ::SendMessageA(mainWindow_, UM_SETSTATUSTEXT, reinterpret_cast<WPARAM>(path.c_str()), 0);
}
