// The category dialog in add and edit mode, driven through its controls.
#include "add_category_dialog.h"
#include "dialog_driver.h"
#include "model_test_support.h"
#include "add_category_dialog_res.h"

#include <gtest/gtest.h>

namespace {

int SelectedCount(HWND dialog, int id) {
    return static_cast<int>(::SendMessageA(::GetDlgItem(dialog, id), LB_GETSELCOUNT, 0, 0));
}

TEST(CategoryDialog, NewCategoryDefaultsAndCreatePrompt) {
    ScratchKey scratch("CategoryDialog");
    RecordingPrompt prompt;
    DialogDriver driver;
    std::string rootText, caption;
    bool staticChosen = false, dllEnabled = true, subKeyEnabled = false;
    int cards = 0, oses = 0;
    size_t askedAfterNo = 0;
    std::string nameAfterNo;
    driver.Then([&](HWND dialog) {
        caption = DialogDriver::Caption(dialog);
        rootText = DialogDriver::Text(dialog, IDC_CATEGORY_ROOT);
        staticChosen = DialogDriver::Checked(dialog, IDC_CATEGORY_STATIC);
        dllEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_CATEGORY_DLL)) != FALSE;
        subKeyEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_CATEGORY_SUBKEY)) != FALSE;
        cards = SelectedCount(dialog, IDC_CATEGORY_CARDS);
        oses = SelectedCount(dialog, IDC_CATEGORY_OSES);

        DialogDriver::SetText(dialog, IDC_CATEGORY_NAME, "Tweaks");
        ::SendMessageA(::GetDlgItem(dialog, IDC_CATEGORY_ROOT), CB_SETCURSEL, 1, 0);  // HKCU
        DialogDriver::SetText(dialog, IDC_CATEGORY_SUBKEY, scratch.path());
        ::SendMessageA(::GetDlgItem(dialog, IDC_CATEGORY_OSES), LB_SETSEL, FALSE, -1);
        ::SendMessageA(::GetDlgItem(dialog, IDC_CATEGORY_CARDS), LB_SETSEL, FALSE, 1);
        prompt.answers = {IDNO, IDYES};
        DialogDriver::Click(dialog, IDOK);  // No: the dialog stays as typed
        askedAfterNo = prompt.asked.size();
        nameAfterNo = DialogDriver::Text(dialog, IDC_CATEGORY_NAME);
        DialogDriver::Click(dialog, IDOK);  // Yes: the key is created
    });
    AddCategoryDialog dialog(nullptr);
    ASSERT_EQ(dialog.DoModal(), IDOK);

    EXPECT_EQ(caption, "Add category");
    EXPECT_EQ(rootText, "HKEY_LOCAL_MACHINE");
    EXPECT_TRUE(staticChosen);
    EXPECT_FALSE(dllEnabled);
    EXPECT_TRUE(subKeyEnabled);
    EXPECT_EQ(cards, 9) << "the seven cards, Intel and Other card";
    EXPECT_EQ(oses, 9) << "Windows 98 to 11";
    EXPECT_EQ(askedAfterNo, 1u);
    EXPECT_EQ(nameAfterNo, "Tweaks");
    ASSERT_EQ(prompt.asked.size(), 2u);
    EXPECT_EQ(prompt.asked[0].text,
              "The given registry key does not exist. Do you want to create it?");
    EXPECT_EQ(prompt.asked[0].caption, "Confirm create");
    EXPECT_EQ(prompt.asked[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(scratch.Exists());
    EXPECT_EQ(dialog.name, "Tweaks");
    EXPECT_EQ(dialog.root, HKEY_CURRENT_USER);
    EXPECT_FALSE(dialog.dynamic);
    EXPECT_EQ(dialog.osMask, 0u) << "no operating system selected";
    EXPECT_EQ(dialog.cardMask, 0x1FDull);
}

TEST(CategoryDialog, EditModeUpdatesAndRefreshesTheCategory) {
    ScratchKey scratch("CategoryDialogEdit");
    scratch.SetDWord("Level", 2);
    RecordingPrompt prompt;
    Category category("Dyn", "no_such_lookup.dll", "card", nullptr);
    auto setting = std::make_unique<DWordSetting>("Level", "Level", "", nullptr);
    ASSERT_TRUE(setting->ParseRange("0-3;"));
    category.model().settings.push_back(std::move(setting));
    category.model().cardMask = 1;
    category.model().osMask = 8;

    DialogDriver driver;
    std::string dll, caption;
    bool dynamicChosen = false, rootEnabled = true;
    int cards = 0;
    driver.Then([&](HWND dialog) {
        caption = DialogDriver::Caption(dialog);
        dll = DialogDriver::Text(dialog, IDC_CATEGORY_DLL);
        dynamicChosen = DialogDriver::Checked(dialog, IDC_CATEGORY_DYNAMIC);
        rootEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_CATEGORY_ROOT)) != FALSE;
        cards = SelectedCount(dialog, IDC_CATEGORY_CARDS);
        DialogDriver::SetText(dialog, IDC_CATEGORY_NAME, "Static now");
        DialogDriver::Click(dialog, IDC_CATEGORY_STATIC);
        ::SendMessageA(::GetDlgItem(dialog, IDC_CATEGORY_ROOT), CB_SETCURSEL, 1, 0);
        DialogDriver::SetText(dialog, IDC_CATEGORY_SUBKEY, scratch.path());
        DialogDriver::Click(dialog, IDOK);
    });
    AddCategoryDialog dialog(nullptr, category);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(caption, "Add category");
    EXPECT_EQ(dll, "no_such_lookup.dll");
    EXPECT_TRUE(dynamicChosen);
    EXPECT_FALSE(rootEnabled);
    EXPECT_EQ(cards, 1);
    EXPECT_TRUE(prompt.asked.empty()) << "the key exists: no question";
    EXPECT_EQ(category.GetName(), "Static now");
    EXPECT_FALSE(category.model().key.dynamic);
    EXPECT_EQ(category.model().key.root, HKEY_CURRENT_USER);
    EXPECT_EQ(category.model().osMask, 8u);
    EXPECT_TRUE(category.model().settings[0]->present) << "the category was refreshed";
    EXPECT_EQ(category.model().settings[0]->ColumnText(1), "2");
}

}  // namespace
