// Category: a tab that lists registry settings of one key. Its data lives in
// a CategoryModel; the list control that shows it is attached as a view.
#pragma once

#include "category_model.h"
#include "database_file.h"
#include "tab_object.h"

#include <functional>
#include <memory>
#include <string>

// What shows a category's data (the setting list control).
class CategoryView {
public:
    virtual ~CategoryView() = default;
    virtual void Fill() = 0;  // rebuild the rows from the model
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void MoveTo(const RECT& page) = 0;
    // Copies the live colours, column widths and image into the model.
    virtual void StoreViewStyle() = 0;
};

class Category : public TabObject {
public:
    // A category as Tabs.stream describes it, reading its values from the
    // registry. Null when a setting cannot be made from its record.
    static std::unique_ptr<Category> FromRecord(const std::string& name,
                                                const quillon::CategoryRecord& record,
                                                HWND mainWindow);
    // Reads the name and the category record that follow a type tag 0 in
    // Tabs.stream. Null on bad input; the reader is then failed.
    static std::unique_ptr<Category> Read(quillon::ByteReader& in, HWND mainWindow);
    // A new category with a static key, or a dynamic key resolved at once.
    // Both back up the key before the list is made.
    Category(const std::string& name, HWND mainWindow, HKEY root, const std::string& subKey);
    Category(const std::string& name, const std::string& dllFile, const std::string& parameter,
             HWND mainWindow);
    ~Category() override;

    std::string GetName() const override { return name_; }
    quillon::LayoutTab LayoutRecord() const override;
    void Show() override;
    void Hide() override;
    void Resize() override;

    // The category's entry in a tweak database.
    quillon::DatabaseEntry DatabaseRecord() const;
    // Profile values record (no name).
    bool SaveValues(quillon::ByteWriter& out) const { return model_.WriteValues(out); }
    // Merges a database entry's masks and settings (see CategoryModel::Merge)
    // and shows the result.
    bool Merge(const quillon::CategoryExportBody& body);
    bool Merge(quillon::ByteReader& in);
    void Refresh();
    void SetName(const std::string& text) { name_ = text; }

    CategoryModel& model() { return model_; }
    const CategoryModel& model() const { return model_; }
    void SetView(std::unique_ptr<CategoryView> view);
    CategoryView* view() const { return view_.get(); }
    HWND mainWindow() const { return mainWindow_; }

    // Called for a new category once its key is known, to back the key up.
    using BackupHandler = std::function<void(const Category&)>;
    static void SetAutomaticBackup(BackupHandler handler);

private:
    Category(std::string name, HWND mainWindow);
    void SendStatusText() const;

    std::string name_;
    HWND mainWindow_;
    CategoryModel model_;
    std::unique_ptr<CategoryView> view_;
};
