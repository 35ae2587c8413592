#include "web_page.h"

#include <windows.h>
#include <wininet.h>

namespace extlist {
namespace {

struct InternetHandle {
    HINTERNET handle;
    explicit InternetHandle(HINTERNET h) : handle(h) {}
    ~InternetHandle() {
        if (handle) ::InternetCloseHandle(handle);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
};

// A page larger than this is not the registry's index.
constexpr size_t kMaxPageBytes = 16 * 1024 * 1024;

}  // namespace

bool FetchWebPage(const std::string& address, std::string& page) {
    InternetHandle session(::InternetOpenA("Quillon", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session.handle) return false;
    InternetHandle file(::InternetOpenUrlA(session.handle, address.c_str(), nullptr, 0,
                                           INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_ASCII |
                                               INTERNET_FLAG_NO_UI,
                                           1));
    if (!file.handle) return false;
    // An error page is not the registry: only a success status counts.
    DWORD status = 0;
    DWORD size = sizeof status;
    if (::HttpQueryInfoA(file.handle, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                         nullptr) &&
        (status < 200 || status >= 300))
        return false;
    std::string text;
    char buffer[8192];
    for (;;) {
        DWORD read = 0;
        if (!::InternetReadFile(file.handle, buffer, sizeof buffer, &read)) return false;
        if (read == 0) break;
        text.append(buffer, read);
        if (text.size() > kMaxPageBytes) return false;
    }
    page = std::move(text);
    return true;
}

}  // namespace extlist
