#include "container_header.h"

namespace quillon {

bool ReadContainerHeader(ByteReader& in, ContainerHeader& out) {
    ContainerHeader header;
    if (!in.ReadU32(header.format) || !in.ReadU32(header.count)) return false;
    out = header;
    return true;
}

bool WriteContainerHeader(ByteWriter& out, std::size_t count) {
    if (static_cast<std::uint64_t>(count) >> 32 != 0) {
        out.Fail();
        return false;
    }
    out.WriteU32(kContainerFormat);
    out.WriteU32(static_cast<std::uint32_t>(count));
    return out.ok();
}

}  // namespace quillon
