// CSettingList: the list control that shows one category's settings, one row
// per setting, and lets the user tick (write), clear (delete) and cycle them,
// sort the rows and reach the category commands through a context menu.
#pragma once

#include "category.h"
#include "controls.h"
#include "menu_entry.h"
#include "menu_text.h"

#include <memory>
#include <string>
#include <vector>

// Command IDs of the list's context menu.
enum SettingListCommand : UINT {
    ID_LIST_ADD_SETTING = 3000,
    ID_LIST_EDIT_SETTING = 3001,
    ID_LIST_DELETE_SETTINGS = 3002,
    ID_LIST_ADD_TO_REGISTRY = 3003,
    ID_LIST_REMOVE_FROM_REGISTRY = 3004,
    ID_LIST_VIEW_STYLE = 3005,
    ID_LIST_COPY_COLUMN_WIDTHS = 3006,
    ID_LIST_COPY_VIEW_STYLE = 3007,
    ID_LIST_REFRESH = 3008,
    ID_LIST_EDIT_CATEGORY = 3009,
    ID_LIST_BACKUP_CATEGORY = 3010,
    ID_LIST_RESTORE_CATEGORY = 3011,
};

// The context menu for a right click: on a row or not, with the number of
// selected rows and the first selected setting.
std::vector<MenuEntry> BuildSettingListMenu(bool onRow, int selectedCount,
                                            const Setting* firstSelected);


class CSettingList : public winlib::CListCtrl, public CategoryView {
public:
    static const UINT kControlId = 2001;

    explicit CSettingList(Category& owner);
    ~CSettingList() override;

    // Creates the hidden list on the main window's page and styles it from
    // the model; true at once when the control exists.
    bool CreateControl();

    // CategoryView. The control is made when the list is first shown, and a
    // hidden list only notes that its rows are out of date and builds them
    // when it is shown: at start-up only the current tab's list and rows are
    // made, however many categories there are. Until then the model holds
    // the list's look.
    void Fill() override;
    void Show() override;
    void Hide() override;
    void MoveTo(const RECT& page) override;

    void UpdateRow(int row);
    void Sort(int column);
    void NextValue(int row);
    void PreviousValue(int row);
    std::vector<int> SelectedRows() const;
    // Runs the setting dialog and appends the new setting as the last row.
    void AddSetting();
    // The main window's variant: the dialog opens with the given type.
    void AddSettingOfType(bool isString);
    // Replaces the setting of 'row' with the dialog's result.
    void EditSetting(int row);
    // Runs a context-menu command.
    void OnCommand(UINT id);
    // Writes the list's live colours, widths and image back into the model.
    void StoreViewStyle() override;
    // Take another list's colours and background image, or its column
    // widths, as stored in its model (see StoreViewStyle).
    void CopyViewStyleFrom(const CSettingList& source);
    void CopyColumnWidthsFrom(const CSettingList& source);
    // The main window's extended list style, for a list that exists.
    void SetListStyle(DWORD style);

protected:
    bool OnReflectedNotify(NMHDR* header, LRESULT& result) override;

private:
    void StepValue(int row, bool forward);
    bool RunSettingDialog(const Setting* prefill, std::unique_ptr<Setting>& result);
    void OnItemChanged(const NMLISTVIEW& change);
    void OnKeyDown(WORD key);
    void ShowContextMenu();
    void RemoveSettings();
    void SetRow(int row, bool insert);
    // Builds every row with drawing held off until the last one.
    void BuildRows();
    void ApplyViewStyle();
    HWND mainWindow() const { return owner_.mainWindow(); }

    Category& owner_;
    CategoryModel& model_;
    bool filling_ = false;
    bool rowsCurrent_ = false;  // the rows show the model (else they are built at Show)
};

// Backs the category's key up and tells the user whether that worked.
void BackupCategoryWithReport(HWND owner, const Category& category);

// Attaches a list as the category's view; its control is made on the main
// window's page when the category is first shown.
CSettingList* AttachSettingList(Category& category);

// The list of a tab that is a category with a list, else null.
CSettingList* SettingListOf(TabObject* tab);
