// Tweak database import and export, and finding categories by their key.
#include "tweaker_window.h"

#include "category.h"
#include "database_file.h"
#include "file.h"
#include "file_names.h"
#include "new_category.h"
#include "platform_rules.h"
#include "preview_dialog.h"
#include "profile_command.h"
#include "prompt.h"
#include "setting_list.h"

#include <utility>

namespace {

// A database holds category definitions only; anything larger than this is
// not one.
constexpr uint64_t kMaxDatabaseBytes = 64u * 1024 * 1024;

void ReportDamagedDatabase(HWND owner, const std::string& path) {
    CurrentPrompt().Ask(owner,
                        "The tweak database " + path +
                            " is damaged. The categories from its first damaged record on "
                            "were not imported.",
                        "Error", MB_OK | MB_ICONERROR);
}

}  // namespace

void CTweakerWindow::ImportDatabase(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!winlib::CFile::ReadAll(path, bytes, kMaxDatabaseBytes)) return;
    // Every record is checked before anything is made of it, so a damaged
    // record adds nothing and backs nothing up.
    quillon::Database database = quillon::ReadDatabase(bytes);
    bool intact = database.intact;
    for (const quillon::DatabaseEntry& entry : database.categories) {
        if (ImportEntry(entry)) continue;
        intact = false;
        break;
    }
    if (!intact) ReportDamagedDatabase(m_hWnd, path);
}

bool CTweakerWindow::ImportEntry(const quillon::DatabaseEntry& entry) {
    CategoryKey key = CategoryKey::FromRecord(entry.record.key);
    Category* category = key.dynamic ? tabs_.FindCategoryByLookup(key.dllFile, key.parameter)
                                     : tabs_.FindCategoryByKey(key.root, key.subKey);
    if (category) {
        if (!category->Merge(entry.record.body)) return false;
    } else {
        std::unique_ptr<Category> created = CreateNewCategory(entry.name, key, m_hWnd);
        if (!created->Merge(entry.record.body)) return false;
        AttachSettingList(*created);
        category = created.get();
        if (PlatformMatches(platform_, entry.record.body.cardMask, entry.record.body.osMask))
            AddShownTab(std::move(created));
        else
            tabs_.AddHidden(std::move(created));
    }
    // The first shown category becomes current when nothing is; a hidden
    // one has no tab to show it by.
    if (!tabs_.current() && tabs_.IndexOfShown(category) >= 0) {
        SelectTab(category);
        UpdateCommandState();
    }
    return true;
}

void CTweakerWindow::ExportDatabase(ExportScope scope) {
    std::vector<Category*> categories;
    FileNameBuffer* name = &databaseNames_.exportAll;
    if (scope == ExportScope::Current) {
        // Without a current category there is nothing to export.
        if (!currentCategory()) return;
        categories.push_back(currentCategory());
        name = &databaseNames_.exportCurrent;
    } else {
        categories = tabs_.Categories(scope == ExportScope::All);
        if (scope == ExportScope::Shown) name = &databaseNames_.exportShown;
    }
    if (!CurrentFileChooser().Choose(m_hWnd, false, kSaveDatabaseFlags, *name)) return;
    std::string path = WithDatabaseExtension(name->text);

    std::vector<quillon::DatabaseEntry> entries;
    for (const Category* category : categories) entries.push_back(category->DatabaseRecord());
    std::vector<uint8_t> bytes;
    if (quillon::DatabaseBytes(entries, bytes) && winlib::CFile::WriteReplacing(path, bytes))
        return;
    CurrentPrompt().Ask(m_hWnd, "Couldn't create \"" + path + "\"", "Error", MB_OK | MB_ICONERROR);
}

void CTweakerWindow::ChooseAndImport() {
    if (!CurrentFileChooser().Choose(m_hWnd, true, kOpenDatabaseFlags, databaseNames_.import)) return;
    const std::string path = databaseNames_.import.text;
    if (PreviewOn() && !ConfirmImportByPreview(path)) return;
    ImportDatabase(path);
}

// Lists the categories and settings the database would add, and the
// settings it would change (each still asked about as it is imported);
// true when the user chose Apply. A database that cannot be read goes on to
// the import, which reports it.
bool CTweakerWindow::ConfirmImportByPreview(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!winlib::CFile::ReadAll(path, bytes, kMaxDatabaseBytes)) return true;
    quillon::Database database = quillon::ReadDatabase(bytes);
    std::vector<std::vector<std::string>> rows;
    for (const quillon::DatabaseEntry& entry : database.categories) {
        CategoryKey key = CategoryKey::FromRecord(entry.record.key);
        Category* category = key.dynamic ? tabs_.FindCategoryByLookup(key.dllFile, key.parameter)
                                         : tabs_.FindCategoryByKey(key.root, key.subKey);
        if (!category) {
            size_t settings = entry.record.body.settings.size();
            rows.push_back({entry.name, "", "new category, " + std::to_string(settings) +
                                                (settings == 1 ? " setting" : " settings")});
            continue;
        }
        for (const CategoryModel::MergeChange& change : category->model().MergeChanges(entry.record.body))
            rows.push_back({category->GetName(), change.setting, change.added ? "new setting" : "changed setting"});
    }
    if (rows.empty()) {
        CurrentPrompt().Ask(m_hWnd, "The tweak database " + path + " adds and changes nothing.", "Preview import",
                            MB_OK | MB_ICONINFORMATION);
        return false;
    }
    std::string summary = "Importing " + FileNameOfPath(path) + " adds or changes " + std::to_string(rows.size()) +
                          (rows.size() == 1 ? " item:" : " items:");
    PreviewDialog preview(m_hWnd, "Preview import", summary, {{"Category", 160}, {"Setting", 200}, {"Change", 200}},
                          std::move(rows));
    return preview.DoModal() == IDOK;
}
