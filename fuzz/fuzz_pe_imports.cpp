// libFuzzer target for the hook library's import-table walk: the input is an
// image in memory at 0x00400000; every module and named import is visited.
#include "pe_imports.h"

#include <cstring>
#include <vector>

namespace {

class InputMemory : public pellamhook::MemoryReader {
public:
    InputMemory(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Read(uint32_t address, void* out, size_t size) const override {
        if (address < kBase || address - kBase > size_ || size > size_ - (address - kBase)) return false;
        std::memcpy(out, data_ + (address - kBase), size);
        return true;
    }
    static constexpr uint32_t kBase = 0x00400000;

private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InputMemory memory(data, size);
    uint32_t first = pellamhook::GetImportDescriptor(memory, InputMemory::kBase);
    pellamhook::ImportedModule module;
    for (uint32_t i = 0; i < 64 && pellamhook::ImportedModuleAt(memory, InputMemory::kBase, first, i, module); ++i) {
        int visited = 0;
        pellamhook::WalkImports(memory, InputMemory::kBase, module.descriptor,
                                [&](const std::string&, uint32_t) { return ++visited > 4096; });
    }
    return 0;
}
