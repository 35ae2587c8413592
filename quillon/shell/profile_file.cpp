#include "profile_file.h"

#include "byte_io.h"
#include "category.h"
#include "category_key.h"
#include "category_record.h"
#include "container_header.h"
#include "file.h"
#include "file_names.h"
#include "key_lookup.h"
#include "profile_command.h"
#include "prompt.h"
#include "reg_key.h"
#include "registry_journal.h"

namespace {

void RefreshShown(const ProfilePlan& plan, const CategoryFinder* finder) {
    if (!finder) return;
    for (const CategoryKey& key : plan.keys) {
        Category* shown = key.dynamic ? finder->FindCategoryByLookup(key.dllFile, key.parameter)
                                      : finder->FindCategoryByKey(key.root, key.subKey);
        if (shown) shown->Refresh();
    }
}

}  // namespace

ProfileResult ApplyProfile(const std::string& path, const CategoryFinder* finder, HWND owner,
                           const std::string& tag) {
    ProfilePlan plan;
    std::string error;
    switch (PlanProfile(path, plan, error)) {
    case PlanResult::NotFound:
        CurrentPrompt().Ask(owner, path + " not found.", "Error", MB_OK | MB_ICONERROR);
        return ProfileResult::NotFound;
    case PlanResult::Damaged:
        CurrentPrompt().Ask(owner, "The profile " + path + " is damaged: " + error + ". Nothing was changed.",
                            "Error", MB_OK | MB_ICONERROR);
        return ProfileResult::Damaged;
    case PlanResult::Ready:
        break;
    }
    quillon::Journal journal;
    quillon::ChangeOutcome outcome = quillon::ApplyChange(journal, ProfileChange(ProfileMenuText(FileNameOfPath(path)), plan, tag));
    if (!outcome.journalled) {
        CurrentPrompt().Ask(owner, outcome.journalError + " Nothing was changed.", "Error", MB_OK | MB_ICONERROR);
        return ProfileResult::NotJournalled;
    }
    RefreshShown(plan, finder);
    if (outcome.failed.empty()) return ProfileResult::Applied;
    CurrentPrompt().Ask(owner, "These values of the profile could not be written:" + quillon::RegistryValuePathLines(outcome.failed),
                        "Error", MB_OK | MB_ICONERROR);
    return ProfileResult::NotWritten;
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
