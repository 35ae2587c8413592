// Walks the import table of a Portable Executable image in memory: the "MZ"
// header, the "PE\0\0" headers, the import directory, and per imported
// module its name, its name table and its address table. It reads only
// through a MemoryReader, so inside a process every read can be checked and
// guarded, and tests can walk images they build, damaged ones included.
// No Windows headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace pellamhook {

// Reads 'size' bytes at an absolute address; false when any byte is not
// readable (nothing is then promised about 'out').
class MemoryReader {
public:
    virtual ~MemoryReader() = default;
    virtual bool Read(uint32_t address, void* out, size_t size) const = 0;
};

// The first import descriptor of the image at 'base', or 0 when the image is
// not a readable PE image, imports nothing, or its import directory lies
// outside the image (damaged, or a packed program that rebuilt its
// imports elsewhere).
uint32_t GetImportDescriptor(const MemoryReader& memory, uint32_t base);
enum class ImportTable { Found, None, Damaged };
// As GetImportDescriptor, telling an image whose import directory lies
// outside it (Damaged) from one that imports nothing or is no image (None).
ImportTable FindImportTable(const MemoryReader& memory, uint32_t base, uint32_t& descriptor);

// One imported module of a descriptor list; 0 when the list has ended (a
// zero name or an unreadable descriptor). 'index' counts from 0.
struct ImportedModule {
    uint32_t descriptor = 0;
    std::string name;  // at most 255 characters are read
};
bool ImportedModuleAt(const MemoryReader& memory, uint32_t base, uint32_t firstDescriptor,
                      uint32_t index, ImportedModule& module);

// Walks a module's name and address tables in parallel until either entry
// is unreadable or 0. For each entry imported by name (not by ordinal, name
// readable and not empty) it calls 'visit' with the name and the address of
// its address-table slot; the walk stops when 'visit' returns true. Returns
// whether it stopped that way.
using ImportVisitor = std::function<bool(const std::string& name, uint32_t slot)>;
bool WalkImports(const MemoryReader& memory, uint32_t base, uint32_t descriptor,
                 const ImportVisitor& visit);

// Names compare without regard to ASCII case, as module and function names
// of the import table do.
bool SameImportName(const std::string& a, const std::string& b);

}  // namespace pellamhook
