// RAII owners for Win32 handles. Each owns exactly one handle, cannot be
// copied, and releases it with the call that matches how it was obtained.
#pragma once

#include <windows.h>

#include <utility>

namespace winlib {

template <typename Handle, typename Traits>
class Scoped {
public:
    Scoped() = default;
    explicit Scoped(Handle h) : handle_(h) {}
    ~Scoped() { reset(); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped(Scoped&& other) noexcept : handle_(other.release()) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::valid(handle_); }
    Handle release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle h = Traits::invalid()) {
        if (Traits::valid(handle_)) Traits::close(handle_);
        handle_ = h;
    }
    // For out-parameters: releases the current handle first.
    Handle* receive() { reset(); return &handle_; }

private:
    Handle handle_ = Traits::invalid();
};

struct KernelHandleTraits {
    static HANDLE invalid() { return nullptr; }
    static bool valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::CloseHandle(h); }
};
struct FileHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::CloseHandle(h); }
};
struct LibraryTraits {
    static HMODULE invalid() { return nullptr; }
    static bool valid(HMODULE h) { return h != nullptr; }
    static void close(HMODULE h) { ::FreeLibrary(h); }
};
struct GdiObjectTraits {
    static HGDIOBJ invalid() { return nullptr; }
    static bool valid(HGDIOBJ h) { return h != nullptr; }
    static void close(HGDIOBJ h) { ::DeleteObject(h); }
};
struct IconTraits {
    static HICON invalid() { return nullptr; }
    static bool valid(HICON h) { return h != nullptr; }
    static void close(HICON h) { ::DestroyIcon(h); }
};
// A device context of the whole screen, from GetDC(nullptr).
struct ScreenDcTraits {
    static HDC invalid() { return nullptr; }
    static bool valid(HDC h) { return h != nullptr; }
    static void close(HDC h) { ::ReleaseDC(nullptr, h); }
};
// A memory device context, from CreateCompatibleDC.
struct MemoryDcTraits {
    static HDC invalid() { return nullptr; }
    static bool valid(HDC h) { return h != nullptr; }
    static void close(HDC h) { ::DeleteDC(h); }
};
struct FindTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) { return h != INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::FindClose(h); }
};

using ScopedHandle = Scoped<HANDLE, KernelHandleTraits>;
using ScopedFileHandle = Scoped<HANDLE, FileHandleTraits>;
using ScopedLibrary = Scoped<HMODULE, LibraryTraits>;
using ScopedGdiObject = Scoped<HGDIOBJ, GdiObjectTraits>;
using ScopedIcon = Scoped<HICON, IconTraits>;
using ScopedScreenDc = Scoped<HDC, ScreenDcTraits>;
using ScopedMemoryDc = Scoped<HDC, MemoryDcTraits>;
using ScopedFind = Scoped<HANDLE, FindTraits>;

// A device context from GetDC, given back with ReleaseDC.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~ScopedGetDC() { if (dc_) ::ReleaseDC(hwnd_, dc_); }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects a GDI object into a DC and puts the previous one back.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), previous_(::SelectObject(dc, obj)) {}
    ~ScopedSelectObject() { if (previous_) ::SelectObject(dc_, previous_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace winlib
