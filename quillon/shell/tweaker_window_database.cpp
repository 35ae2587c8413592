// Tweak database import and export, and finding categories by their key.
#include "tweaker_window.h"

#include "byte_io.h"
#include "category.h"
#include "category_record.h"
#include "file.h"
#include "file_names.h"
#include "platform_rules.h"
#include "prompt.h"
#include "setting_list.h"

#include "text_compare.h"

#include <utility>

namespace {

// A database holds category definitions only; anything larger than this is
// not one.
constexpr uint64_t kMaxDatabaseBytes = 64u * 1024 * 1024;

template <typename Match>
Category* FindCategory(const CTweakerWindow::TabList& shown, const CTweakerWindow::TabList& hidden,
                       Match match) {
    for (const CTweakerWindow::TabList* list : {&shown, &hidden})
        for (const auto& tab : *list)
            if (auto* category = dynamic_cast<Category*>(tab.get()))
                if (match(category->model().key)) return category;
    return nullptr;
}

void ReportDamagedDatabase(HWND owner, const std::string& path) {
    CurrentPrompt().Ask(owner,
                        "The tweak database " + path +
                            " is damaged. The categories from its first damaged record on "
                            "were not imported.",
                        "Error", MB_OK | MB_ICONERROR);
}

}  // namespace

Category* CTweakerWindow::FindCategoryByKey(HKEY root, const std::string& subKey) const {
    return FindCategory(shownTabs_, hiddenTabs_, [&](const CategoryKey& key) {
        return !key.dynamic && key.root == root && SameTextIgnoringCase(key.subKey, subKey);
    });
}

Category* CTweakerWindow::FindCategoryByLookup(const std::string& dllFile,
                                               const std::string& parameter) const {
    return FindCategory(shownTabs_, hiddenTabs_, [&](const CategoryKey& key) {
        return key.dynamic && SameTextIgnoringCase(key.dllFile, dllFile) &&
               SameTextIgnoringCase(key.parameter, parameter);
    });
}

void CTweakerWindow::ImportDatabase(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!winlib::CFile::ReadAll(path, bytes, kMaxDatabaseBytes)) return;
    quillon::ByteReader in(bytes);
    uint32_t format = 0, count = 0;
    bool intact = in.ReadU32(format) && in.ReadU32(count);
    for (uint32_t i = 0; intact && i < count; ++i) {
        uint32_t type = 0;
        if (!in.ReadU32(type)) {
            intact = false;
            break;
        }
        if (type != quillon::kTabTypeCategory) break;  // the end of what this program reads
        std::string name;
        quillon::CategoryKeyRecord keyRecord;
        quillon::CategoryExportBody body;
        if (!in.ReadString(name) || !quillon::ReadCategoryKey(in, keyRecord)) {
            intact = false;
            break;
        }
        // The rest of the record is checked before anything is made of it,
        // so a damaged record adds nothing and backs nothing up.
        quillon::ByteReader probe = in;
        if (!quillon::ReadExportBody(probe, body)) {
            intact = false;
            break;
        }
        CategoryKey key = CategoryKey::FromRecord(keyRecord);
        Category* category = key.dynamic ? FindCategoryByLookup(key.dllFile, key.parameter)
                                         : FindCategoryByKey(key.root, key.subKey);
        if (category) {
            intact = category->Merge(in);
        } else {
            std::unique_ptr<Category> created =
                key.dynamic ? std::make_unique<Category>(name, key.dllFile, key.parameter, m_hWnd)
                            : std::make_unique<Category>(name, m_hWnd, key.root, key.subKey);
            intact = created->Merge(in);
            if (!intact) break;
            AttachSettingList(*created);
            category = created.get();
            if (PlatformMatches(platform_, body.cardMask, body.osMask))
                AddShownTab(std::move(created));
            else
                hiddenTabs_.push_back(std::move(created));
        }
        // The first shown category becomes current when nothing is; a hidden
        // one has no tab to show it by.
        if (intact && !currentTab_ && IndexOfShown(category) >= 0) {
            SelectTab(category);
            UpdateCommandState();
        }
    }
    if (!intact) ReportDamagedDatabase(m_hWnd, path);
}

void CTweakerWindow::ExportDatabase(ExportScope scope) {
    std::vector<const Category*> categories;
    FileNameBuffer* name = &exportAllName_;
    if (scope == ExportScope::Current) {
        // Without a current category there is nothing to export.
        if (!currentCategory()) return;
        categories.push_back(currentCategory());
        name = &exportCurrentName_;
    } else {
        for (const auto& tab : shownTabs_)
            if (auto* category = dynamic_cast<const Category*>(tab.get()))
                categories.push_back(category);
        if (scope == ExportScope::All) {
            for (const auto& tab : hiddenTabs_)
                if (auto* category = dynamic_cast<const Category*>(tab.get()))
                    categories.push_back(category);
        } else {
            name = &exportShownName_;
        }
    }
    if (!CurrentFileChooser().Choose(m_hWnd, false, kSaveDatabaseFlags, *name)) return;
    std::string path = WithDatabaseExtension(name->text);

    quillon::ByteWriter out;
    out.WriteU32(1);
    out.WriteU32(static_cast<uint32_t>(categories.size()));
    for (const Category* category : categories) category->Export(out);
    if (out.ok() && winlib::CFile::WriteReplacing(path, out.bytes())) return;
    CurrentPrompt().Ask(m_hWnd, "Couldn't create \"" + path + "\"", "Error", MB_OK | MB_ICONERROR);
}

void CTweakerWindow::ChooseAndImport() {
    if (CurrentFileChooser().Choose(m_hWnd, true, kOpenDatabaseFlags, importName_))
        ImportDatabase(importName_.text);
}
