// The header that opens a tweak database and a profile: a format number and
// the count of records that follow. Both files share it, so it is read and
// written in one place.
#pragma once

#include "byte_io.h"

#include <cstddef>
#include <cstdint>

namespace quillon {

// The only format this program writes. Readers take any number: older and
// newer files differ in their records, which are checked one by one.
constexpr std::uint32_t kContainerFormat = 1;

struct ContainerHeader {
    std::uint32_t format = kContainerFormat;
    std::uint32_t count = 0;  // untrusted: never used to reserve memory
};

bool ReadContainerHeader(ByteReader& in, ContainerHeader& out);
// Fails (the writer failed) for a count that does not fit the field.
bool WriteContainerHeader(ByteWriter& out, std::size_t count);

}  // namespace quillon
