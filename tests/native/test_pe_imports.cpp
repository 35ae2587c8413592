// The import-table walk over PE images the test builds in memory, whole and
// damaged.
#include "pe_imports.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

using namespace pellamhook;

namespace {

constexpr uint32_t kBase = 0x00400000;

// An image in memory: readable bytes from 'base', nothing else.
class ImageMemory : public MemoryReader {
public:
    explicit ImageMemory(size_t size) : bytes(size, 0) {}
    bool Read(uint32_t address, void* out, size_t size) const override {
        if (address < kBase || address - kBase > bytes.size() || size > bytes.size() - (address - kBase))
            return false;
        std::memcpy(out, bytes.data() + (address - kBase), size);
        return true;
    }
    void Put32(uint32_t offset, uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
    void PutText(uint32_t offset, const std::string& text) {
        std::memcpy(bytes.data() + offset, text.c_str(), text.size() + 1);
    }
    std::vector<uint8_t> bytes;
};

struct Import {
    std::string name;  // "#12": by ordinal
};

// MZ at 0, PE headers at 0x80, descriptors at 0x1000, one module per entry
// of 'modules' with its tables at 0x2000 + 0x400 * i.
ImageMemory BuildImage(const std::vector<std::pair<std::string, std::vector<Import>>>& modules) {
    ImageMemory image(0x8000);
    image.bytes[0] = 'M';
    image.bytes[1] = 'Z';
    image.Put32(60, 0x80);
    image.Put32(0x80, 0x00004550);
    image.Put32(0x80 + 80, 0x8000);  // the image's size
    image.Put32(0x80 + 128, 0x1000);
    for (size_t m = 0; m < modules.size(); ++m) {
        uint32_t descriptor = 0x1000 + 20 * static_cast<uint32_t>(m);
        uint32_t area = 0x2000 + 0x400 * static_cast<uint32_t>(m);
        image.Put32(descriptor, area);            // name table
        image.Put32(descriptor + 12, area + 0x300);  // module name
        image.Put32(descriptor + 16, area + 0x100);  // address table
        image.PutText(area + 0x300, modules[m].first);
        const std::vector<Import>& imports = modules[m].second;
        for (size_t i = 0; i < imports.size(); ++i) {
            uint32_t entry = area + 4 * static_cast<uint32_t>(i);
            uint32_t record = area + 0x200 + 0x20 * static_cast<uint32_t>(i);
            if (imports[i].name[0] == '#') {
                image.Put32(entry, 0x80000000u | std::stoul(imports[i].name.substr(1)));
            } else {
                image.Put32(entry, record);
                image.PutText(record + 2, imports[i].name);
            }
            image.Put32(entry + 0x100, 0x77000000 + static_cast<uint32_t>(i));  // the bound address
        }
    }
    return image;
}

std::vector<std::string> ModuleNames(const ImageMemory& image) {
    std::vector<std::string> names;
    uint32_t first = GetImportDescriptor(image, kBase);
    ImportedModule module;
    for (uint32_t i = 0; ImportedModuleAt(image, kBase, first, i, module); ++i) names.push_back(module.name);
    return names;
}

std::vector<std::string> ImportNames(const ImageMemory& image, uint32_t index) {
    ImportedModule module;
    EXPECT_TRUE(ImportedModuleAt(image, kBase, GetImportDescriptor(image, kBase), index, module));
    std::vector<std::string> names;
    WalkImports(image, kBase, module.descriptor, [&](const std::string& name, uint32_t) {
        names.push_back(name);
        return false;
    });
    return names;
}

}  // namespace

TEST(PeImports, WalksModulesAndNamedImports) {
    ImageMemory image = BuildImage({{"USER32.dll", {{"MessageBoxA"}, {"#12"}, {"ChangeDisplaySettingsA"}}},
                                    {"KERNEL32.dll", {{"CreateProcessA"}}}});
    EXPECT_EQ(GetImportDescriptor(image, kBase), kBase + 0x1000);
    EXPECT_EQ(ModuleNames(image), (std::vector<std::string>{"USER32.dll", "KERNEL32.dll"}));
    EXPECT_EQ(ImportNames(image, 0), (std::vector<std::string>{"MessageBoxA", "ChangeDisplaySettingsA"}))
        << "ordinal imports are skipped";

    ImportedModule user32;
    ASSERT_TRUE(ImportedModuleAt(image, kBase, kBase + 0x1000, 0, user32));
    uint32_t found = 0;
    EXPECT_TRUE(WalkImports(image, kBase, user32.descriptor, [&](const std::string& name, uint32_t slot) {
        if (!SameImportName(name, "changedisplaysettingsa")) return false;
        found = slot;
        return true;
    }));
    EXPECT_EQ(found, kBase + 0x2000 + 0x100 + 8) << "the third slot of the address table";
}

TEST(PeImports, DamagedImagesAreRejectedWithoutReadingPastThem) {
    struct Case {
        const char* what;
        void (*damage)(ImageMemory&);
        size_t modules;
    } cases[] = {
        {"no MZ", [](ImageMemory& m) { m.bytes[0] = 'X'; }, 0},
        {"no PE signature", [](ImageMemory& m) { m.Put32(0x80, 0x00004551); }, 0},
        {"headers past the end", [](ImageMemory& m) { m.Put32(60, 0x7FF0); }, 0},
        {"headers offset wraps round", [](ImageMemory& m) { m.Put32(60, 0xFFFFFFF0); }, 0},
        {"no import directory", [](ImageMemory& m) { m.Put32(0x80 + 128, 0); }, 0},
        {"import directory outside", [](ImageMemory& m) { m.Put32(0x80 + 128, 0x900000); }, 0},
        {"import directory past the image's size", [](ImageMemory& m) { m.Put32(0x80 + 80, 0x1000); }, 0},
        {"module name outside", [](ImageMemory& m) { m.Put32(0x1000 + 12, 0x900000); }, 0},
        {"unterminated module name", [](ImageMemory& m) { std::memset(&m.bytes[0x2300], 'A', 0x8000 - 0x2300); }, 0},
        {"second descriptor ends the list", [](ImageMemory& m) { m.Put32(0x1014 + 12, 0); }, 1},
    };
    for (const Case& c : cases) {
        ImageMemory image = BuildImage({{"USER32.dll", {{"A"}}}, {"GDI32.dll", {{"B"}}}});
        c.damage(image);
        EXPECT_EQ(ModuleNames(image).size(), c.modules) << c.what;
    }

    // A damaged table is told from none at all, so it can be reported.
    uint32_t descriptor = 1;
    ImageMemory packed = BuildImage({{"USER32.dll", {{"A"}}}});
    packed.Put32(0x80 + 128, 0x7FF0);  // the last descriptor would end past the image
    EXPECT_EQ(FindImportTable(packed, kBase, descriptor), ImportTable::Damaged);
    EXPECT_EQ(descriptor, 0u);
    packed.Put32(0x80 + 128, 0);
    EXPECT_EQ(FindImportTable(packed, kBase, descriptor), ImportTable::None);
    packed.Put32(0x80 + 128, 0x1000);
    EXPECT_EQ(FindImportTable(packed, kBase, descriptor), ImportTable::Found);
    EXPECT_EQ(descriptor, kBase + 0x1000);

    // Tables that run off the image or hold unreadable names.
    ImageMemory image = BuildImage({{"USER32.dll", {{"A"}, {"B"}, {"C"}}}});
    image.Put32(0x2004, 0x900000);  // B's name record is outside
    EXPECT_EQ(ImportNames(image, 0), (std::vector<std::string>{"A", "C"}));
    image.Put32(0x2000 + 0x100 + 8, 0);  // C's slot is 0: the walk ends there
    EXPECT_EQ(ImportNames(image, 0), (std::vector<std::string>{"A"}));
    image.Put32(0x1000 + 16, 0x7FFE);  // the address table runs off the end
    EXPECT_TRUE(ImportNames(image, 0).empty());
    image.PutText(0x2200 + 2, "");
    EXPECT_TRUE(ImportNames(image, 0).empty());
}

TEST(PeImports, NamesCompareWithoutCase) {
    EXPECT_TRUE(SameImportName("KERNEL32.dll", "kernel32.DLL"));
    EXPECT_FALSE(SameImportName("KERNEL32.dll", "KERNEL32.dl"));
    EXPECT_FALSE(SameImportName("ShellExecuteA", "ShellExecuteW"));
}
