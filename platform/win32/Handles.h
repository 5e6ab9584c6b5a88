#pragma once
// Owners of what the system hands out: windows, device contexts, GDI objects, icons, menus,
// open files, searches of a folder, memory the system filled for the caller, dropped files and COM
// objects. Each lets its handle go when it goes, so no early return or error can leak one, and
// nothing is let go twice; a handle given to someone else who then owns it (a region to its window,
// a submenu to its menu) leaves its owner with Release().
#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <utility>

namespace vorlane::win32 {

// One handle; Traits name its type, the value that means "none" and how it is let go.
template <typename Traits> class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    bool Valid() const { return handle_ != Traits::None(); }
    Handle Get() const { return handle_; }
    // Gives the handle up to whoever takes it over; this owner holds none afterwards.
    Handle Release() { return std::exchange(handle_, Traits::None()); }
    // Lets the handle held go and takes the new one.
    void Reset(Handle handle = Traits::None()) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::None()) {
            Traits::Close(old);
        }
    }
    // Lets the handle go now; returns whether the system could (a file's last write may fail
    // only then).
    bool Close() {
        const Handle old = Release();
        return old != Traits::None() && Traits::Close(old);
    }

private:
    Handle handle_ = Traits::None();
};

struct WindowTraits {
    using Handle = HWND;
    static HWND None() { return nullptr; }
    // A child window goes with its parent: one already gone is not asked again.
    static bool Close(HWND window) { return IsWindow(window) && DestroyWindow(window) != FALSE; }
};

struct DcTraits {
    using Handle = HDC;
    static HDC None() { return nullptr; }
    static bool Close(HDC dc) { return DeleteDC(dc) != FALSE; }
};

template <typename Object> struct GdiObjectTraits {
    using Handle = Object;
    static Object None() { return nullptr; }
    static bool Close(Object object) { return DeleteObject(object) != FALSE; }
};

struct MenuTraits {
    using Handle = HMENU;
    static HMENU None() { return nullptr; }
    static bool Close(HMENU menu) { return DestroyMenu(menu) != FALSE; }
};

struct FileTraits {
    using Handle = HANDLE;
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static bool Close(HANDLE file) { return CloseHandle(file) != FALSE; }
};

// A search of a folder's files (FindFirstFileExW).
struct FindTraits {
    using Handle = HANDLE;
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static bool Close(HANDLE search) { return FindClose(search) != FALSE; }
};

// A process, thread or other kernel object, which names none by null.
struct KernelObjectTraits {
    using Handle = HANDLE;
    static HANDLE None() { return nullptr; }
    static bool Close(HANDLE object) { return CloseHandle(object) != FALSE; }
};

// Memory a system function allocated and filled for the caller (FormatMessageW's text), to be
// let go with LocalFree.
template <typename Element> struct LocalMemoryTraits {
    using Handle = Element*;
    static Element* None() { return nullptr; }
    static bool Close(Element* memory) { return LocalFree(memory) == nullptr; }
};

// Memory a shell or COM function allocated for the caller (a known folder's path), to be let go
// with CoTaskMemFree.
template <typename Element> struct CoTaskMemoryTraits {
    using Handle = Element*;
    static Element* None() { return nullptr; }
    static bool Close(Element* memory) {
        CoTaskMemFree(memory);
        return true;
    }
};

// The files dropped on a window, as WM_DROPFILES hands them over.
struct DropTraits {
    using Handle = HDROP;
    static HDROP None() { return nullptr; }
    static bool Close(HDROP drop) {
        DragFinish(drop);
        return true;
    }
};

struct IconTraits {
    using Handle = HICON;
    static HICON None() { return nullptr; }
    static bool Close(HICON icon) { return DestroyIcon(icon) != FALSE; }
};

using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueDc = UniqueHandle<DcTraits>;
template <typename Object> using UniqueGdiObject = UniqueHandle<GdiObjectTraits<Object>>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueFile = UniqueHandle<FileTraits>;
using UniqueFind = UniqueHandle<FindTraits>;
using UniqueKernelObject = UniqueHandle<KernelObjectTraits>;
template <typename Element> using UniqueLocalMemory = UniqueHandle<LocalMemoryTraits<Element>>;
template <typename Element> using UniqueCoTaskMemory = UniqueHandle<CoTaskMemoryTraits<Element>>;
using UniqueDrop = UniqueHandle<DropTraits>;

// The device context of a window (or of the screen, for no window), borrowed for a while.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context until this goes, when the one it replaced comes
// back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A reference to a COM object, let go when this goes.
template <typename Interface> class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return object_; }
    Interface* operator->() const { return object_; }
    // Where a function that makes the object puts it; what was held before is let go.
    Interface** Put() {
        Reset();
        return &object_;
    }
    void Reset() {
        if (Interface* old = std::exchange(object_, nullptr)) {
            old->Release();
        }
    }

private:
    Interface* object_ = nullptr;
};

} // namespace vorlane::win32
