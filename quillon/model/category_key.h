// The key part shared by all three category records:
//   uint8 dynamic (0/1), then dynamic: string dllFile, string parameter;
//   static: uint32 root (handle value), string subKey.
// A dynamic key's root and subKey are computed by its key-lookup DLL and are
// not stored; the reader leaves them 0 and empty. A static key's dllFile and
// parameter are likewise left empty.
#pragma once

#include <cstdint>
#include <string>

#include "byte_io.h"

namespace quillon {

struct CategoryKeyRecord {
    bool dynamic = false;
    std::string dllFile;
    std::string parameter;
    std::uint32_t root = 0;
    std::string subKey;

    bool operator==(const CategoryKeyRecord& o) const {
        return dynamic == o.dynamic && dllFile == o.dllFile && parameter == o.parameter &&
               root == o.root && subKey == o.subKey;
    }
    bool operator!=(const CategoryKeyRecord& o) const { return !(*this == o); }
};

// Rejects a dynamic byte other than 0 and 1: any other value means the
// record is not what the program wrote, and guessing its layout would
// misread everything after it. Any root value is accepted (unknown roots
// show as HKEY_DYN_DATA).
bool ReadCategoryKey(ByteReader& in, CategoryKeyRecord& out);
bool WriteCategoryKey(ByteWriter& out, const CategoryKeyRecord& key);

}  // namespace quillon
