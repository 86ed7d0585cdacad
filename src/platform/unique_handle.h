// RAII holders for Win32 handles: a handle is never closed by hand.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <utility>

namespace platform {

// Owns a handle of type T and releases it with Traits::Close unless it is Traits::Invalid().
template <typename T, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(T h) noexcept : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(o.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    T get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != Traits::Invalid(); }
    T release() noexcept { return std::exchange(h_, Traits::Invalid()); }
    void reset(T h = Traits::Invalid()) noexcept {
        if (h_ != Traits::Invalid()) Traits::Close(h_);
        h_ = h;
    }
    // For out-parameters: releases what is held and hands out the slot.
    T* put() noexcept {
        reset();
        return &h_;
    }

private:
    T h_ = Traits::Invalid();
};

struct HKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct KernelHandleTraits {  // events, threads, mutexes, change notifications use nullptr for "none"
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
struct ChangeNotificationTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindCloseChangeNotification(h); }
};
struct HModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
struct HIconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct HMenuTraits {
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct HWndTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};
template <typename G>
struct GdiTraits {
    static G Invalid() { return nullptr; }
    static void Close(G h) { DeleteObject(h); }
};
struct HdcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
struct PidlTraits {
    static LPITEMIDLIST Invalid() { return nullptr; }
    static void Close(LPITEMIDLIST p) { CoTaskMemFree(p); }
};
struct LocalMemTraits {
    static HLOCAL Invalid() { return nullptr; }
    static void Close(HLOCAL h) { LocalFree(h); }
};
struct HImageListTraits {
    static HIMAGELIST Invalid() { return nullptr; }
    static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};

using UniqueHKey = UniqueHandle<HKEY, HKeyTraits>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueFindHandle = UniqueHandle<HANDLE, FindHandleTraits>;
using UniqueChangeNotification = UniqueHandle<HANDLE, ChangeNotificationTraits>;
using UniqueHModule = UniqueHandle<HMODULE, HModuleTraits>;
using UniqueHIcon = UniqueHandle<HICON, HIconTraits>;
using UniqueHMenu = UniqueHandle<HMENU, HMenuTraits>;
using UniqueHWnd = UniqueHandle<HWND, HWndTraits>;
using UniqueHBitmap = UniqueHandle<HBITMAP, GdiTraits<HBITMAP>>;
using UniqueHFont = UniqueHandle<HFONT, GdiTraits<HFONT>>;
using UniqueHBrush = UniqueHandle<HBRUSH, GdiTraits<HBRUSH>>;
using UniqueHPen = UniqueHandle<HPEN, GdiTraits<HPEN>>;
using UniqueHdc = UniqueHandle<HDC, HdcTraits>;
using UniquePidl = UniqueHandle<LPITEMIDLIST, PidlTraits>;
using UniqueLocalMem = UniqueHandle<HLOCAL, LocalMemTraits>;
using UniqueHImageList = UniqueHandle<HIMAGELIST, HImageListTraits>;

// A COM interface pointer that is released on every path.
template <typename I>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& o) noexcept {
        if (this != &o) {
            reset();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { reset(); }
    I* get() const noexcept { return p_; }
    I* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    void reset() noexcept {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    I** put() noexcept {
        reset();
        return &p_;
    }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

private:
    I* p_ = nullptr;
};

// Restores a selected GDI object when the scope ends.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(SelectObject(dc, obj)) {}
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;
    ~SelectObjectScope() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace platform
