// The edits a category owns, against Wine's registry: ticking and clearing,
// stepping, removing rows and replacing a setting.
#include "category.h"
#include "model_test_support.h"

#include <gtest/gtest.h>

namespace {

class CategoryEdits : public testing::Test {
protected:
    // A category with DWORD settings "A".."n" on value names "A".."n", range 0-3.
    Category& WithSettings(int count) {
        for (int i = 0; i < count; ++i) {
            const std::string name(1, static_cast<char>('A' + i));
            auto setting = std::make_unique<DWordSetting>(name, name, "", nullptr);
            EXPECT_TRUE(setting->ParseRange("0-3;"));
            category.AddSetting(std::move(setting));
        }
        return category;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& setting : category.model().settings) names.push_back(setting->name);
        return names;
    }
    ScratchKey scratch{"CategoryEdits"};
    Category category{"Edits", nullptr, HKEY_CURRENT_USER, scratch.path()};
};

TEST_F(CategoryEdits, SetPresentWritesAndDeletesTheValue) {
    WithSettings(1);
    ASSERT_TRUE(category.SetPresent(0, true));
    EXPECT_TRUE(scratch.HasValue("A"));
    EXPECT_TRUE(category.SettingAt(0)->present);
    ASSERT_TRUE(category.SetPresent(0, false));
    EXPECT_FALSE(scratch.HasValue("A"));
    EXPECT_FALSE(category.SettingAt(0)->present);
    for (int row : {-1, 1}) {
        EXPECT_FALSE(category.SetPresent(row, true)) << row;
        EXPECT_FALSE(category.Step(row, true)) << row;
        EXPECT_EQ(category.SettingAt(row), nullptr) << row;
    }
}

TEST_F(CategoryEdits, StepWritesOnlyAValueThatIsPresent) {
    WithSettings(2);
    ASSERT_TRUE(category.Step(0, true));
    EXPECT_FALSE(scratch.HasValue("A")) << "not present: only in memory";
    category.SetPresent(1, true);
    ASSERT_TRUE(category.Step(1, false));
    DWORD value = 99;
    ASSERT_TRUE(scratch.GetDWord("B", value));
    EXPECT_EQ(value, 3u) << "back from the first value to the last";
}

TEST_F(CategoryEdits, RemoveRowsTakesAnyOrderAndDeletesPresentValues) {
    WithSettings(4);
    category.SetPresent(1, true);
    category.SetPresent(2, true);
    category.RemoveRows({3, 1, 3, 9, -1});
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C"}));
    EXPECT_FALSE(scratch.HasValue("B"));
    EXPECT_TRUE(scratch.HasValue("C")) << "a row that stays keeps its value";
}

TEST_F(CategoryEdits, ReplacingDeletesTheOldValue) {
    WithSettings(1);
    category.SetPresent(0, true);
    scratch.SetDWord("a", 2);  // the same value as "A" to the registry
    auto renamed = std::make_unique<DWordSetting>("Renamed", "a", "", nullptr);
    renamed->present = true;  // as read before the old value went
    ASSERT_TRUE(category.ReplaceSetting(0, std::move(renamed)));
    EXPECT_FALSE(scratch.HasValue("A"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Renamed"}));
    EXPECT_FALSE(category.SettingAt(0)->present) << "its value was the one deleted";
    EXPECT_FALSE(category.ReplaceSetting(1, std::make_unique<DWordSetting>("X", "X", "", nullptr)));
}

}  // namespace
