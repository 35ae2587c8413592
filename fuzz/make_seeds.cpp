// Writes the seed corpus of fuzz_records: one file per record form, made by
// the record writers from the test samples, plus a few range texts.
//   make_seeds <output directory>
#include <cstdio>
#include <string>
#include <vector>

#include "byte_io.h"
#include "category_record.h"
#include "database_file.h"
#include "layout_file.h"
#include "record_samples.h"

using namespace quillon;
using namespace quillon_test;

namespace {

bool Save(const std::string& dir, const std::string& name, const std::vector<std::uint8_t>& b) {
    const std::string path = dir + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

std::vector<std::uint8_t> Text(const std::string& s) {
    return std::vector<std::uint8_t>(s.begin(), s.end());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <output directory>\n");
        return 2;
    }
    const std::string dir = argv[1];
    struct Seed {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Seed> seeds;
    auto add = [&](const char* name, bool (*write)(ByteWriter&)) {
        ByteWriter w;
        if (write(w)) seeds.push_back({name, w.bytes()});
    };
    add("setting_dword.bin",
        [](ByteWriter& w) { return WriteSettingRecord(w, SampleDWordSetting()); });
    add("setting_string.bin",
        [](ByteWriter& w) { return WriteSettingRecord(w, SampleStringSetting()); });
    add("setting_value.bin",
        [](ByteWriter& w) { return WriteSettingValueRecord(w, SampleValues().values[1]); });
    add("category_static.bin",
        [](ByteWriter& w) { return WriteCategoryRecord(w, SampleStaticCategory()); });
    add("category_named_dynamic.bin",
        [](ByteWriter& w) { return WriteNamedCategory(w, "OpenGL", SampleDynamicCategory()); });
    add("export_named.bin",
        [](ByteWriter& w) { return WriteNamedExport(w, "Direct3D", SampleExport()); });
    add("export.bin", [](ByteWriter& w) { return WriteCategoryExport(w, SampleExport()); });
    add("values.bin", [](ByteWriter& w) { return WriteCategoryValues(w, SampleValues()); });
    add("database.bin", [](ByteWriter& w) {
        return WriteDatabase(w, {{"Direct3D", SampleExport()}, {"Empty", CategoryExportRecord()}});
    });
    add("layout.bin", [](ByteWriter& w) {
        Layout layout;
        layout.listStyle = 0x24;
        LayoutTab category;
        category.name = "OpenGL";
        category.category = SampleDynamicCategory();
        LayoutTab plugin;
        plugin.type = kTabTypePlugin;
        plugin.pluginFile = "Ramp_Tab.dll";
        layout.tabs = {category, plugin};
        layout.shownCount = 1;
        layout.currentIndex = 0;
        layout.animation = "Ember_Animation.dll";
        return WriteLayout(w, layout);
    });
    seeds.push_back({"range_dword.txt", Text("0-10:5;20;-5;7")});
    seeds.push_back({"range_wide.txt", Text("2147483648-2147483646;4294967295;")});
    seeds.push_back({"range_strings.txt", Text("off;on;;Max")});

    for (const Seed& s : seeds) {
        if (!Save(dir, s.name, s.bytes)) {
            std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), s.name);
            return 1;
        }
    }
    std::printf("%zu seeds written to %s\n", seeds.size(), dir.c_str());
    return seeds.size() == 13 ? 0 : 1;
}
