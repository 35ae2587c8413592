// The Profiles menu: one item per profile file, applied when chosen (after
// a preview of what it changes, when that is switched on), and the undoing
// of the last journalled change.
#include "tweaker_window.h"

#include "category.h"
#include "file_names.h"
#include "find_files.h"
#include "menu_text.h"
#include "preview_dialog.h"
#include "profile_dialog.h"
#include "profile_file.h"
#include "program_key.h"
#include "prompt.h"
#include "reg_key.h"
#include "registry_journal.h"
#include "root_key_table.h"
#include "resource.h"

namespace {
constexpr char kPreviewValue[] = "PreviewProfiles";

std::string UndoItemText(const quillon::JournalEntry* newest) {
    if (!newest) return "&Undo last change";
    return "&Undo \"" + EscapeMenuText(newest->title) + "\" (" + std::to_string(newest->values.size()) + " values)";
}

}  // namespace

void CTweakerWindow::FillProfilesMenu() {
    profileNames_.clear();
    for (const WIN32_FIND_DATAA& found : winlib::ListFiles("Profiles\\*.qlp"))
        AppendProfileItem(ProfileMenuText(found.cFileName));
}

void CTweakerWindow::AppendProfileItem(const std::string& name) {
    // Commands past the last ID would reach no profile.
    const int count = profileCount();
    if (kFirstProfileCommand + count > kLastProfileCommand) return;
    HMENU profiles = ::GetSubMenu(::GetMenu(m_hWnd), kProfilesMenuPosition);
    if (!profiles) return;
    if (count == 0) ::AppendMenuA(profiles, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(profiles, MF_STRING, kFirstProfileCommand + count, EscapeMenuText(name).c_str());
    profileNames_.push_back(name);
}

void CTweakerWindow::ApplyProfileItem(WORD id) {
    size_t index = static_cast<size_t>(id - kFirstProfileCommand);
    if (index >= profileNames_.size()) return;
    std::string path = ProfilePath(profileNames_[index]);
    if (PreviewOn() && !ConfirmByPreview(profileNames_[index], path)) return;
    ApplyProfile(path, &tabs_, m_hWnd);
}

// Shows what the profile would change; true when the user chose Apply. A
// missing or damaged profile goes on to ApplyProfile, which reports it.
bool CTweakerWindow::ConfirmByPreview(const std::string& name, const std::string& path) {
    ProfilePlan plan;
    std::string error;
    if (PlanProfile(path, plan, error) != PlanResult::Ready) return true;
    std::vector<std::vector<std::string>> rows;
    for (const quillon::JournalValue& value : quillon::Differences(plan.values)) {
        HKEY root = reinterpret_cast<HKEY>(static_cast<uintptr_t>(value.root));
        Category* shown = tabs_.FindCategoryByKey(root, value.subKey);
        for (const CategoryKey& key : plan.keys)
            if (!shown && key.dynamic && key.root == root && key.subKey == value.subKey)
                shown = tabs_.FindCategoryByLookup(key.dllFile, key.parameter);
        std::string category = shown ? shown->GetName() : std::string(quillon::RootShortPrefix(value.root)) + value.subKey;
        rows.push_back({category, quillon::JournalValueLabel(value), quillon::JournalStateText(value.before),
                        quillon::JournalStateText(value.after)});
    }
    if (rows.empty()) {
        CurrentPrompt().Ask(m_hWnd, "The profile \"" + name + "\" changes nothing: the registry already holds its values.",
                            "Preview profile", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    std::string summary = "Applying \"" + name + "\" changes " + std::to_string(rows.size()) +
                          (rows.size() == 1 ? " value:" : " values:");
    PreviewDialog preview(m_hWnd, "Preview profile", summary,
                          {{"Category", 130}, {"Value", 150}, {"Current value", 140}, {"New value", 140}},
                          std::move(rows));
    return preview.DoModal() == IDOK;
}

bool CTweakerWindow::PreviewOn() const {
    RegKey key;
    DWORD on = 0;
    return key.Open(HKEY_LOCAL_MACHINE, kQuillonKey) == ERROR_SUCCESS && key.key().QueryDword(kPreviewValue, on) &&
           on != 0;
}

void CTweakerWindow::TogglePreview() {
    RegKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, kQuillonKey) == ERROR_SUCCESS)
        key.key().SetDword(kPreviewValue, PreviewOn() ? 0 : 1);
    ::CheckMenuItem(::GetMenu(m_hWnd), ID_PROFILES_PREVIEW, MF_BYCOMMAND | (PreviewOn() ? MF_CHECKED : MF_UNCHECKED));
}

void CTweakerWindow::UpdateProfilesMenu(HMENU menu) {
    // Only the newest entry is read: the menu opens often and the journal
    // keeps many.
    quillon::Journal::Listed newest;
    bool undoable = quillon::Journal().Newest(newest) && newest.readable;
    ::ModifyMenuA(menu, ID_PROFILES_UNDO, MF_BYCOMMAND | MF_STRING, ID_PROFILES_UNDO,
                  UndoItemText(undoable ? &newest.entry : nullptr).c_str());
    ::EnableMenuItem(menu, ID_PROFILES_UNDO, MF_BYCOMMAND | (undoable ? MF_ENABLED : MF_GRAYED));
    ::CheckMenuItem(menu, ID_PROFILES_PREVIEW, MF_BYCOMMAND | (PreviewOn() ? MF_CHECKED : MF_UNCHECKED));
}

void CTweakerWindow::UndoChange(const quillon::JournalEntry& entry) {
    quillon::Journal journal;
    quillon::ChangeOutcome outcome = quillon::UndoEntry(journal, entry);
    if (!outcome.journalled) {
        CurrentPrompt().Ask(m_hWnd, outcome.journalError + " Nothing was changed.", "Error", MB_OK | MB_ICONERROR);
        return;
    }
    for (Category* category : tabs_.Categories()) category->Refresh();
    if (!outcome.failed.empty())
        CurrentPrompt().Ask(m_hWnd, "These values could not be written back:" + quillon::RegistryValuePathLines(outcome.failed), "Error",
                            MB_OK | MB_ICONERROR);
}

void CTweakerWindow::UndoLastChange() {
    quillon::Journal::Listed newest;
    std::string error;
    if (!quillon::Journal().Find(0, newest, error)) {
        CurrentPrompt().Ask(m_hWnd, error, "Error", MB_OK | MB_ICONERROR);
        return;
    }
    UndoChange(newest.entry);
}

// A change the program did not finish (it was ended half way, or the power
// went) is offered for undoing at the next start.
void CTweakerWindow::OfferUndoOfInterruptedChange() {
    quillon::Journal::Listed newest;
    if (!quillon::Journal().Newest(newest) || !newest.readable || newest.entry.complete) return;
    const quillon::JournalEntry& entry = newest.entry;
    std::string question = "Quillon ended while it was applying \"" + entry.title + "\", so only some of its " +
                           std::to_string(entry.values.size()) +
                           " values may have been written.\nDo you want to undo the change?";
    if (CurrentPrompt().Ask(m_hWnd, question, "Unfinished change", MB_YESNO | MB_ICONQUESTION) == IDYES)
        UndoChange(entry);
}

void CTweakerWindow::CreateProfile() {
    ProfileDialog dialog(*this);
    dialog.DoModal();
}
