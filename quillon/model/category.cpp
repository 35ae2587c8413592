#include "category.h"

#include "prompt.h"

Category::Category(std::string name, HWND mainWindow)
    : name_(std::move(name)), mainWindow_(mainWindow) {}

Category::Category(const std::string& name, HWND mainWindow, HKEY root, const std::string& subKey)
    : Category(name, mainWindow) {
    model_.key.root = root;
    model_.key.subKey = subKey;
}

Category::Category(const std::string& name, const std::string& dllFile,
                   const std::string& parameter, HWND mainWindow)
    : Category(name, mainWindow) {
    model_.key.dynamic = true;
    model_.key.dllFile = dllFile;
    model_.key.parameter = parameter;
    model_.key.Resolve();
}

Category::~Category() = default;

std::unique_ptr<Category> Category::FromRecord(const std::string& name,
                                               const quillon::CategoryRecord& record,
                                               HWND mainWindow) {
    std::unique_ptr<Category> category(new Category(name, mainWindow));
    if (!category->model_.Assign(record)) return nullptr;
    return category;
}

std::unique_ptr<Category> Category::Read(quillon::ByteReader& in, HWND mainWindow) {
    std::string name;
    quillon::CategoryRecord record;
    std::unique_ptr<Category> category;
    if (in.ReadString(name) && quillon::ReadCategoryRecord(in, record))
        category = FromRecord(name, record, mainWindow);
    if (!category) in.Fail();
    return category;
}

quillon::LayoutTab Category::LayoutRecord() const {
    // The look is saved as the list shows it now.
    if (view_) view_->StoreViewStyle();
    quillon::LayoutTab tab;
    tab.type = quillon::kTabTypeCategory;
    tab.name = name_;
    tab.category = model_.ToRecord();
    return tab;
}

quillon::DatabaseEntry Category::DatabaseRecord() const {
    return {name_, model_.ToExportRecord()};
}

bool Category::Merge(const quillon::CategoryExportBody& body) {
    HWND owner = mainWindow_.window();
    bool merged = model_.Merge(body, [owner](const std::string& settingName) {
        std::string question = "The \"" + settingName +
                               "\" setting already exists but differs.\n"
                               "Do you want to overwrite it?";
        return CurrentPrompt().Ask(owner, question, "Confirm overwrite", MB_YESNO | MB_ICONQUESTION) ==
               IDYES;
    });
    if (view_) view_->Fill();
    return merged;
}

bool Category::Merge(quillon::ByteReader& in) {
    quillon::CategoryExportBody body;
    if (!quillon::ReadExportBody(in, body)) return false;
    return Merge(body);
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
    RECT page{};
    if (view_ && mainWindow_.PageRect(page)) view_->MoveTo(page);
}

void Category::SetView(std::unique_ptr<CategoryView> view) {
    view_ = std::move(view);
    if (view_) view_->Fill();
}

void Category::SendStatusText() const {
    mainWindow_.SetStatusText(model_.key.KeyPathText());
}
