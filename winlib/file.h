// CFile: a binary file opened with the create/truncate/read/write modes the
// program's stores use. Read and Write report short transfers; nothing throws.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace winlib {

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,      // create; truncate an existing file ...
        modeNoTruncate = 0x2000,  // ... unless this is given too
        typeBinary = 0x8000,
    };

    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    bool Open(const std::string& path, unsigned flags);
    void Close();
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    // Returns the number of bytes read (0 at the end or on failure).
    uint32_t Read(void* buffer, uint32_t count);
    // True only when every byte was written.
    bool Write(const void* buffer, uint32_t count);
    bool Flush();
    uint64_t GetLength() const;
    uint64_t GetPosition() const;
    bool Seek(uint64_t position);

    // Reads a whole file; false if it cannot be opened or read completely,
    // or is larger than maxBytes (the program's files are small; a huge one
    // is not one of them).
    static bool ReadAll(const std::string& path, std::vector<uint8_t>& bytes,
                        uint64_t maxBytes = 0x7FFFFFFF);
    // Writes a whole file so that a failure part-way (disk full, a crash)
    // never leaves a damaged file in place of the old one: the bytes go to a
    // new file in the same folder, which then takes the path's place. False,
    // with the old file untouched and the system's reason in GetLastError,
    // when anything fails.
    static bool WriteReplacing(const std::string& path, const std::vector<uint8_t>& bytes);

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace winlib
