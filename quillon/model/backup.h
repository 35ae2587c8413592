// Backups of a category key to *.backup files in the current folder (the
// program folder once start-up has run), and restoring them.
#pragma once

#include <string>
#include <vector>

class Category;

// Writes a new backup file "<name> <n>.backup" with the first free n. A key
// that cannot be opened gives a header-only backup. False when no file could
// be created (for another reason than a taken name) or written; a partly
// written file is removed again. 'writtenFile' receives the file name.
bool BackupCategory(const Category& category, std::string* writtenFile = nullptr);

// Replaces every value of the category's current key (whatever key the file
// was made from) by the file's values. A file that cannot be read or is
// damaged is rejected before the registry is touched. The caller refreshes
// the category afterwards.
bool RestoreCategory(Category& category, const std::string& fileName);

// One row of the restore list.
struct BackupListing {
    std::string fileText;  // file name without ".backup"
    std::string dateText;  // creation time, local: "yyyy-mm-dd    hh:mm"
};

// Every *.backup file of the current folder, sorted by file text (byte order).
std::vector<BackupListing> ListBackups();
