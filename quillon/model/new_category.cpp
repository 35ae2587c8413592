#include "new_category.h"

#include "backup.h"

std::unique_ptr<Category> CreateNewCategory(const std::string& name, const CategoryKey& key,
                                            HWND mainWindow) {
    std::unique_ptr<Category> category =
        key.dynamic ? std::make_unique<Category>(name, key.dllFile, key.parameter, mainWindow)
                    : std::make_unique<Category>(name, mainWindow, key.root, key.subKey);
    BackupCategory(*category);
    return category;
}
