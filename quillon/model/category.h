// Category: a tab that lists registry settings of one key. Its data lives in
// a CategoryModel; the list control that shows it is attached as a view.
#pragma once

#include "category_model.h"
#include "database_file.h"
#include "main_window_link.h"
#include "tab_object.h"

#include <memory>
#include <string>
#include <vector>

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
    // A category with a static key, or a dynamic key resolved at once. New
    // categories are made through CreateNewCategory, which backs them up.
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

    // The user's edits of the settings, by row (the order of
    // model().settings); each writes or deletes the registry values it
    // concerns. False for a row that does not exist.
    Setting* SettingAt(int row) const;
    // Writes the row's value to the registry, or deletes it.
    bool SetPresent(int row, bool present);
    // Moves to the next or previous allowed value, written when present.
    bool Step(int row, bool forward);
    // Deletes the rows' values that are present and drops the rows.
    void RemoveRows(std::vector<int> rows);
    // Deletes the old setting's value when present and puts the new setting
    // in its place.
    bool ReplaceSetting(int row, std::unique_ptr<Setting> replacement);
    void AddSetting(std::unique_ptr<Setting> setting);
    // Sorts by a column's text; the same column again turns the order round.
    void SortBy(int column);
    // Asks the main window to run its edit-category dialog on this category.
    void RequestEdit();

    CategoryModel& model() { return model_; }
    const CategoryModel& model() const { return model_; }
    void SetView(std::unique_ptr<CategoryView> view);
    CategoryView* view() const { return view_.get(); }
    HWND mainWindow() const { return mainWindow_.window(); }

private:
    Category(std::string name, HWND mainWindow);
    void SendStatusText() const;

    std::string name_;
    MainWindowLink mainWindow_;
    CategoryModel model_;
    std::unique_ptr<CategoryView> view_;
};
