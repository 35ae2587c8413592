#include "database_file.h"

#include "container_header.h"

#include <utility>

namespace quillon {

Database ReadDatabase(ByteReader& in) {
    Database database;
    ContainerHeader header;
    if (!ReadContainerHeader(in, header)) {
        database.intact = false;
        return database;
    }
    for (std::uint32_t i = 0; i < header.count; ++i) {
        std::uint32_t type = 0;
        if (!in.ReadU32(type)) {
            database.intact = false;
            break;
        }
        if (type != kTabTypeCategory) break;  // the end of what this program reads
        DatabaseEntry entry;
        if (!in.ReadString(entry.name) || !ReadCategoryExport(in, entry.record)) {
            database.intact = false;
            break;
        }
        database.categories.push_back(std::move(entry));
    }
    return database;
}

Database ReadDatabase(const std::vector<std::uint8_t>& bytes) {
    ByteReader in(bytes);
    return ReadDatabase(in);
}

bool DatabaseBytes(const std::vector<DatabaseEntry>& categories, std::vector<std::uint8_t>& bytes) {
    ByteWriter out;
    if (!WriteDatabase(out, categories)) return false;
    bytes = out.TakeBytes();
    return true;
}

bool WriteDatabase(ByteWriter& out, const std::vector<DatabaseEntry>& categories) {
    ByteWriter w;
    WriteContainerHeader(w, categories.size());
    for (const DatabaseEntry& entry : categories) WriteNamedExport(w, entry.name, entry.record);
    return out.Append(w);
}

}  // namespace quillon
