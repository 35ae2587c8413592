#include "preferences_dialog.h"

#include "app_messages.h"
#include "preferences_dialog_res.h"
#include "preferences_rules.h"
#include "prompt.h"
#include "tweaker_window.h"

namespace {
// Spelled as the program has always asked it.
const char kDeleteShownQuestion[] = "Are you sure you want to permanently remove the \"";
const char kDeleteHiddenQuestion[] = "Are you sure you want to permanentely remove the \"";
}  // namespace

PreferencesDialog::PreferencesDialog(CTweakerWindow& window)
    : CDialog(IDD_PREFERENCES, window.m_hWnd), window_(window) {}

bool PreferencesDialog::OnInitDialog() {
    for (int id : {IDC_PREF_HIDE, IDC_PREF_SHOW, IDC_PREF_DELETE_SHOWN, IDC_PREF_DELETE_HIDDEN})
        Enable(id, false);
    FillTabLists();
    // The box shows the style every category list is given (it survives a
    // restart); without a category there is nothing for it to change.
    const bool anyCategory = !window_.tabs().Categories().empty();
    const DWORD style = static_cast<DWORD>(window_.SendMessage(UM_GETLISTSTYLE));
    CheckDlgButton(IDC_PREF_FULL_ROW, anyCategory && (style & LVS_EX_FULLROWSELECT));
    Enable(IDC_PREF_FULL_ROW, anyCategory);
    CheckDlgButton(IDC_PREF_START, !window_.startCommand().empty());
    FillAnimations();
    return true;
}

void PreferencesDialog::FillTabLists() {
    for (const auto& tab : window_.tabs().hidden())
        AddEntry(IDC_PREF_HIDDEN, HiddenTabEntry(tab->GetName(), tab->IsValid(), tab->GetErrorText()));
    for (const auto& tab : window_.tabs().shown()) AddEntry(IDC_PREF_SHOWN, tab->GetName());
}

void PreferencesDialog::FillAnimations() {
    AddEntry(IDC_PREF_ANIMATION, "None");
    for (const std::string& name : window_.animationNames()) AddEntry(IDC_PREF_ANIMATION, name);
    int selected = AnimationEntryToSelect(window_.animationNames(), window_.runningAnimation());
    ::SendDlgItemMessageA(m_hWnd, IDC_PREF_ANIMATION, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int PreferencesDialog::Selection(int listId) const {
    return static_cast<int>(::SendDlgItemMessageA(m_hWnd, listId, LB_GETCURSEL, 0, 0));
}

void PreferencesDialog::AddEntry(int listId, const std::string& text) const {
    ::SendDlgItemMessageA(m_hWnd, listId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PreferencesDialog::RemoveEntry(int listId, int index) const {
    ::SendDlgItemMessageA(m_hWnd, listId, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void PreferencesDialog::Enable(int id, bool enable) const { ::EnableWindow(GetDlgItem(id), enable); }

void PreferencesDialog::OnShownSelected() {
    const bool selected = Selection(IDC_PREF_SHOWN) >= 0;
    Enable(IDC_PREF_HIDE, selected);
    Enable(IDC_PREF_DELETE_SHOWN, selected);
}

void PreferencesDialog::OnHiddenSelected() {
    const int index = Selection(IDC_PREF_HIDDEN);
    const auto& hidden = window_.tabs().hidden();
    const bool selected = index >= 0 && static_cast<size_t>(index) < hidden.size();
    // A plug-in that did not load has no page to show.
    Enable(IDC_PREF_SHOW, selected && hidden[static_cast<size_t>(index)]->IsValid());
    Enable(IDC_PREF_DELETE_HIDDEN, selected);
}

void PreferencesDialog::OnHide() {
    const int index = Selection(IDC_PREF_SHOWN);
    TabObject* tab = window_.tabs().ShownAt(index);
    if (!tab) return;
    AddEntry(IDC_PREF_HIDDEN, tab->GetName());
    RemoveEntry(IDC_PREF_SHOWN, index);
    window_.HideShownTab(index);
    Enable(IDC_PREF_HIDE, false);
    Enable(IDC_PREF_DELETE_SHOWN, false);
}

void PreferencesDialog::OnShow() {
    const int index = Selection(IDC_PREF_HIDDEN);
    const auto& hidden = window_.tabs().hidden();
    if (index < 0 || static_cast<size_t>(index) >= hidden.size()) return;
    TabObject* tab = hidden[static_cast<size_t>(index)].get();
    if (!tab->IsValid()) return;  // Enter or a message can still press the button
    AddEntry(IDC_PREF_SHOWN, tab->GetName());
    RemoveEntry(IDC_PREF_HIDDEN, index);
    window_.ShowHiddenTab(index);
    Enable(IDC_PREF_SHOW, false);
    Enable(IDC_PREF_DELETE_HIDDEN, false);
}

bool PreferencesDialog::ConfirmDelete(const char* question, const std::string& tabName) const {
    return CurrentPrompt().Ask(m_hWnd, question + tabName + "\" tab?", "Confirm remove tab",
                               MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void PreferencesDialog::OnDeleteShown() {
    const int index = Selection(IDC_PREF_SHOWN);
    TabObject* tab = window_.tabs().ShownAt(index);
    if (!tab || !ConfirmDelete(kDeleteShownQuestion, tab->GetName())) return;
    window_.DeleteShownTab(index);
    RemoveEntry(IDC_PREF_SHOWN, index);
    Enable(IDC_PREF_HIDE, false);
    Enable(IDC_PREF_DELETE_SHOWN, false);
}

void PreferencesDialog::OnDeleteHidden() {
    const int index = Selection(IDC_PREF_HIDDEN);
    const auto& hidden = window_.tabs().hidden();
    if (index < 0 || static_cast<size_t>(index) >= hidden.size()) return;
    if (!ConfirmDelete(kDeleteHiddenQuestion, hidden[static_cast<size_t>(index)]->GetName())) return;
    window_.DeleteHiddenTab(index);
    RemoveEntry(IDC_PREF_HIDDEN, index);
    Enable(IDC_PREF_SHOW, false);
    Enable(IDC_PREF_DELETE_HIDDEN, false);
}

void PreferencesDialog::OnAnimationChosen() {
    const int index = Selection(IDC_PREF_ANIMATION);
    const auto& names = window_.animationNames();
    if (index < 0) return;
    window_.ChooseAnimation(index > 0 && static_cast<size_t>(index) <= names.size()
                                ? names[static_cast<size_t>(index) - 1]
                                : std::string());
}

void PreferencesDialog::OnFullRowClicked() {
    window_.SendMessage(UM_SETLISTSTYLE, LVS_EX_FULLROWSELECT,
                        IsDlgButtonChecked(IDC_PREF_FULL_ROW) ? 1 : 0);
}

void PreferencesDialog::OnStartClicked() {
    std::string path;
    if (IsDlgButtonChecked(IDC_PREF_START)) {
        char program[256] = "";
        DWORD length = ::GetModuleFileNameA(nullptr, program, sizeof program);
        if (length == 0 || length >= sizeof program) {
            CheckDlgButton(IDC_PREF_START, false);  // no path to start it by
            return;
        }
        path = program;
    }
    window_.SetStartWithWindows(path);
}

bool PreferencesDialog::OnCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case IDC_PREF_SHOWN:
        if (code == LBN_SELCHANGE) OnShownSelected();
        return true;
    case IDC_PREF_HIDDEN:
        if (code == LBN_SELCHANGE) OnHiddenSelected();
        return true;
    case IDC_PREF_ANIMATION:
        if (code == LBN_SELCHANGE) OnAnimationChosen();
        return true;
    case IDC_PREF_HIDE:
    case IDC_PREF_SHOW:
    case IDC_PREF_DELETE_SHOWN:
    case IDC_PREF_DELETE_HIDDEN:
    case IDC_PREF_FULL_ROW:
    case IDC_PREF_START:
        if (code != BN_CLICKED) return true;
        if (id == IDC_PREF_HIDE) OnHide();
        if (id == IDC_PREF_SHOW) OnShow();
        if (id == IDC_PREF_DELETE_SHOWN) OnDeleteShown();
        if (id == IDC_PREF_DELETE_HIDDEN) OnDeleteHidden();
        if (id == IDC_PREF_FULL_ROW) OnFullRowClicked();
        if (id == IDC_PREF_START) OnStartClicked();
        return true;
    default:
        return false;
    }
}
