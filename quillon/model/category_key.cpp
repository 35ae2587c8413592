#include "category_key.h"

#include <utility>

namespace quillon {

bool ReadCategoryKey(ByteReader& in, CategoryKeyRecord& out) {
    CategoryKeyRecord k;
    std::uint8_t dynamic = 0;
    if (!in.ReadU8(dynamic)) return false;
    if (dynamic > 1) {
        in.Fail();
        return false;
    }
    k.dynamic = dynamic == 1;
    const bool ok = k.dynamic ? in.ReadString(k.dllFile) && in.ReadString(k.parameter)
                              : in.ReadU32(k.root) && in.ReadString(k.subKey);
    if (!ok) return false;
    out = std::move(k);
    return true;
}

bool WriteCategoryKey(ByteWriter& out, const CategoryKeyRecord& k) {
    ByteWriter w;
    w.WriteU8(k.dynamic ? 1 : 0);
    if (k.dynamic) {
        w.WriteString(k.dllFile);
        w.WriteString(k.parameter);
    } else {
        w.WriteU32(k.root);
        w.WriteString(k.subKey);
    }
    return out.Append(w);
}

}  // namespace quillon
