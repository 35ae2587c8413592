#include "profile_file.h"

#include "byte_io.h"
#include "category.h"
#include "category_key.h"
#include "category_record.h"
#include "container_header.h"
#include "file.h"
#include "key_lookup.h"
#include "prompt.h"
#include "reg_key.h"

namespace {

// Far more than 1000 categories of 1000 settings; anything larger is not a
// profile.
constexpr uint64_t kMaxProfileBytes = 64u * 1024 * 1024;

bool KeyFitsProfile(const quillon::CategoryKeyRecord& key) {
    return key.dllFile.size() <= kMaxProfileString &&
           key.parameter.size() <= kMaxProfileString && key.subKey.size() <= kMaxProfileString;
}

// Applies one category values record; false at damage.
bool ApplyRecord(quillon::ByteReader& in, const CategoryFinder* finder) {
    quillon::CategoryKeyRecord record;
    if (!quillon::ReadCategoryKey(in, record) || !KeyFitsProfile(record)) return false;
    CategoryKey key = CategoryKey::FromRecord(record);
    Category* shown = nullptr;
    bool resolved = true;
    if (key.dynamic) {
        if (finder) shown = finder->FindCategoryByLookup(key.dllFile, key.parameter);
        resolved = CurrentKeyLookup().Lookup(key.dllFile, key.parameter, key.root, key.subKey);
    } else if (finder) {
        shown = finder->FindCategoryByKey(key.root, key.subKey);
    }

    bool intact;
    RegKey opened;
    if (resolved && opened.Open(key.root, key.subKey, RegistryView::Native) == ERROR_SUCCESS) {
        intact = CategoryModel::ApplyValues(in, opened.handle(), kMaxProfileString);
    } else {
        // A missing key or key-lookup DLL: the values are passed over.
        intact = CategoryModel::SkipValues(in, kMaxProfileString);
    }
    if (shown) shown->Refresh();
    return intact;
}

}  // namespace

ProfileResult ApplyProfile(const std::string& path, const CategoryFinder* finder, HWND owner) {
    std::vector<uint8_t> bytes;
    if (!winlib::CFile::ReadAll(path, bytes, kMaxProfileBytes)) {
        CurrentPrompt().Ask(owner, path + " not found.", "Error", MB_OK | MB_ICONERROR);
        return ProfileResult::NotFound;
    }
    quillon::ByteReader in(bytes);
    quillon::ContainerHeader header;
    bool intact = quillon::ReadContainerHeader(in, header);
    for (uint32_t i = 0; intact && i < header.count; ++i) intact = ApplyRecord(in, finder);
    if (intact) return ProfileResult::Applied;
    CurrentPrompt().Ask(owner,
                        "The profile " + path +
                            " is damaged. The settings from its first damaged record on "
                            "were not applied.",
                        "Error", MB_OK | MB_ICONERROR);
    return ProfileResult::Damaged;
}

bool BuildProfile(const std::vector<const Category*>& categories, std::vector<uint8_t>& bytes,
                  std::string& failedCategory) {
    quillon::ByteWriter out;
    quillon::WriteContainerHeader(out, categories.size());
    for (const Category* category : categories) {
        quillon::ByteWriter record;
        // Check the record as the applier will read it, so nothing it would
        // reject is ever written.
        quillon::CategoryValuesRecord check;
        bool fits = category->SaveValues(record);
        if (fits) {
            quillon::ByteReader reread(record.bytes());
            fits = quillon::ReadCategoryValues(reread, check, kMaxProfileString) &&
                   KeyFitsProfile(check.key) && reread.AtEnd();
        }
        if (!fits) {
            failedCategory = category->GetName();
            return false;
        }
        out.Append(record);
    }
    if (!out.ok()) return false;
    bytes = out.TakeBytes();
    return true;
}
