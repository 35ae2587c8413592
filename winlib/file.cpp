#include "file.h"

#include "exports.h"

namespace winlib {

bool CFile::Open(const std::string& path, unsigned flags) {
    Close();
    DWORD access = GENERIC_READ;
    if (flags & modeWrite) access = GENERIC_WRITE;
    if (flags & modeReadWrite) access = GENERIC_READ | GENERIC_WRITE;
    DWORD share = (flags & shareDenyNone) ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    DWORD disposition = OPEN_EXISTING;
    if (flags & modeCreate) disposition = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    handle_ = ::CreateFileA(path.c_str(), access, share, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

void CFile::Close() {
    if (IsOpen()) ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

uint32_t CFile::Read(void* buffer, uint32_t count) {
    DWORD done = 0;
    if (!IsOpen() || !::ReadFile(handle_, buffer, count, &done, nullptr)) return 0;
    return done;
}

bool CFile::Write(const void* buffer, uint32_t count) {
    DWORD done = 0;
    if (!IsOpen()) return false;
    return ::WriteFile(handle_, buffer, count, &done, nullptr) && done == count;
}

bool CFile::Flush() { return IsOpen() && ::FlushFileBuffers(handle_); }

uint64_t CFile::GetLength() const {
    DWORD high = 0;
    DWORD low = IsOpen() ? ::GetFileSize(handle_, &high) : 0;
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return 0;
    return (static_cast<uint64_t>(high) << 32) | low;
}

uint64_t CFile::GetPosition() const {
    LONG high = 0;
    DWORD low = ::SetFilePointer(handle_, 0, &high, FILE_CURRENT);
    if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR) return 0;
    return (static_cast<uint64_t>(static_cast<DWORD>(high)) << 32) | low;
}

bool CFile::Seek(uint64_t position) {
    LONG high = static_cast<LONG>(position >> 32);
    DWORD low = ::SetFilePointer(handle_, static_cast<LONG>(position & 0xFFFFFFFFu), &high,
                                 FILE_BEGIN);
    return !(low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR);
}

bool CFile::ReadAll(const std::string& path, std::vector<uint8_t>& bytes, uint64_t maxBytes) {
    CFile file;
    if (!file.Open(path, modeRead | typeBinary | shareDenyNone)) return false;
    uint64_t length = file.GetLength();
    if (length > 0x7FFFFFFF || length > maxBytes) return false;
    std::vector<uint8_t> data(static_cast<size_t>(length));
    if (!data.empty() && file.Read(data.data(), static_cast<uint32_t>(data.size())) != data.size())
        return false;
    bytes.swap(data);
    return true;
}

namespace {

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return ".";
    if (slash == 0 || path[slash - 1] == ':') return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

bool WriteAndFlush(const std::string& path, const std::vector<uint8_t>& bytes) {
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) return false;
    if (bytes.size() > 0xFFFFFFFFu) return false;
    if (!bytes.empty() && !file.Write(bytes.data(), static_cast<uint32_t>(bytes.size())))
        return false;
    return file.Flush();
}

// Windows 9x has no MoveFileEx: the old file steps aside under a second
// name, the new one takes its place, and the old one goes only then.
bool ReplaceWithoutMoveFileEx(const std::string& from, const std::string& to) {
    if (::GetFileAttributesA(to.c_str()) == INVALID_FILE_ATTRIBUTES)
        return ::MoveFileA(from.c_str(), to.c_str()) != FALSE;
    std::string aside = to + ".old";
    ::DeleteFileA(aside.c_str());
    if (!::MoveFileA(to.c_str(), aside.c_str())) return false;
    if (!::MoveFileA(from.c_str(), to.c_str())) {
        ::MoveFileA(aside.c_str(), to.c_str());
        return false;
    }
    ::DeleteFileA(aside.c_str());
    return true;
}

}  // namespace

bool CFile::WriteReplacing(const std::string& path, const std::vector<uint8_t>& bytes) {
    char temporary[MAX_PATH] = "";
    if (!::GetTempFileNameA(FolderOf(path).c_str(), "qln", 0, temporary)) return false;
    // The reason of a failure stays in GetLastError for the caller's message.
    auto fail = [&temporary] {
        DWORD reason = ::GetLastError();
        ::DeleteFileA(temporary);
        ::SetLastError(reason);
        return false;
    };
    if (!WriteAndFlush(temporary, bytes)) return fail();
    // Found, not imported: the NT family's call, a stub or missing on 9x.
    using MoveFileExFn = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    auto moveFileEx = GetExport<MoveFileExFn>(::GetModuleHandleA("kernel32.dll"), "MoveFileExA");
    if (moveFileEx && moveFileEx(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if ((!moveFileEx || ::GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) &&
        ReplaceWithoutMoveFileEx(temporary, path))
        return true;
    return fail();
}

}  // namespace winlib
