// tweakdb: compiles the text form of a tweak database into a "*.tweakdb" file
// and decompiles any "*.tweakdb" back into text.
//   tweakdb compile <database.txt> <database.tweakdb>
//   tweakdb decompile <database.tweakdb> <database.txt>   ("-": standard output)
// A file that cannot be read whole is refused with its name and the reason,
// and the output is written only when everything succeeded.
#include "byte_io.h"
#include "container_header.h"
#include "database_file.h"
#include "database_text.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool ReadWhole(const std::string& path, std::string& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

// Writes next to the target and renames, so a failure leaves no half file.
bool WriteWhole(const std::string& path, const std::string& bytes) {
    if (path == "-") return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    std::string temporary = path + ".partial";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file || !file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::remove(path.c_str());
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

int Usage() {
    std::fprintf(stderr, "usage: tweakdb compile <database.txt> <database.tweakdb>\n"
                         "       tweakdb decompile <database.tweakdb> <database.txt | ->\n");
    return 2;
}

int Compile(const std::string& in, const std::string& out) {
    std::string text;
    if (!ReadWhole(in, text)) {
        std::fprintf(stderr, "%s: cannot be read\n", in.c_str());
        return 1;
    }
    std::vector<quillon::DatabaseEntry> entries;
    std::string error;
    if (!quillon::ParseDatabaseText(text, in, entries, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::vector<std::uint8_t> bytes;
    if (!quillon::DatabaseBytes(entries, bytes) ||
        !WriteWhole(out, std::string(bytes.begin(), bytes.end()))) {
        std::fprintf(stderr, "%s: cannot be written\n", out.c_str());
        return 1;
    }
    return 0;
}

int Decompile(const std::string& in, const std::string& out) {
    std::string raw;
    if (!ReadWhole(in, raw)) {
        std::fprintf(stderr, "%s: cannot be read\n", in.c_str());
        return 1;
    }
    std::vector<std::uint8_t> bytes(raw.begin(), raw.end());
    quillon::ByteReader reader(bytes);
    quillon::ContainerHeader header;
    {
        quillon::ByteReader peek(bytes);
        if (!quillon::ReadContainerHeader(peek, header)) {
            std::fprintf(stderr, "%s: not a tweak database (shorter than its header)\n", in.c_str());
            return 1;
        }
    }
    quillon::Database database = quillon::ReadDatabase(reader);
    if (!database.intact) {
        std::fprintf(stderr, "%s: damaged after %zu of %u categories (byte %zu)\n", in.c_str(),
                     database.categories.size(), header.count, reader.offset());
        return 1;
    }
    // The text keeps categories only: anything else would be lost on the way
    // back, so it is refused rather than dropped.
    if (database.categories.size() != header.count || !reader.AtEnd() ||
        header.format != quillon::kContainerFormat) {
        std::fprintf(stderr, "%s: holds more than categories (format %u, %zu of %u records read, byte %zu); "
                             "not decompiled so that nothing is lost\n",
                     in.c_str(), header.format, database.categories.size(), header.count, reader.offset());
        return 1;
    }
    if (!WriteWhole(out, quillon::DatabaseText(database.categories))) {
        std::fprintf(stderr, "%s: cannot be written\n", out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Usage();
    std::string verb = argv[1];
    if (verb == "compile") return Compile(argv[2], argv[3]);
    if (verb == "decompile") return Decompile(argv[2], argv[3]);
    return Usage();
}
