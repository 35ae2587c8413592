// A tweak database ("*.tweakdb"): the container header, then per category a
// type tag 0, its name and its export record (category_record.h). The
// reader turns the bytes into plain entries; merging them into the tabs is
// the caller's business.
#pragma once

#include "byte_io.h"
#include "category_record.h"

#include <string>
#include <vector>

namespace quillon {

struct DatabaseEntry {
    std::string name;
    CategoryExportRecord record;

    bool operator==(const DatabaseEntry& o) const { return name == o.name && record == o.record; }
};

struct Database {
    std::vector<DatabaseEntry> categories;
    // False when the file ended or broke before its count was reached: the
    // entries before the damage are kept and the user is told.
    bool intact = true;
};

// Reads entries up to the header's count. A type tag other than 0 ends the
// list without damage: later formats put other entries after the categories.
Database ReadDatabase(ByteReader& in);
bool WriteDatabase(ByteWriter& out, const std::vector<DatabaseEntry>& categories);
// A whole file's bytes, and the bytes of a file of these entries.
Database ReadDatabase(const std::vector<std::uint8_t>& bytes);
bool DatabaseBytes(const std::vector<DatabaseEntry>& categories, std::vector<std::uint8_t>& bytes);

}  // namespace quillon
