#pragma once
// Scoped kernel handles and loaded libraries.
#include <windows.h>

#include <utility>

namespace fw {

// A file handle (INVALID_HANDLE_VALUE when empty).
class ScopedFileHandle {
public:
    explicit ScopedFileHandle(HANDLE h) : h_(h) {}
    ~ScopedFileHandle()
    {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    ScopedFileHandle(const ScopedFileHandle&) = delete;
    ScopedFileHandle& operator=(const ScopedFileHandle&) = delete;
    operator HANDLE() const { return h_; }
    explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

// A process, thread, event or similar handle (null when empty).
class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(HANDLE h) : h_(h) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    operator HANDLE() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void Reset(HANDLE h = nullptr)
    {
        if (h_) CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_ = nullptr;
};

// LoadLibraryA / FreeLibrary.
class ScopedLibrary {
public:
    explicit ScopedLibrary(const char* name) : module_(LoadLibraryA(name)) {}
    ~ScopedLibrary()
    {
        if (module_) FreeLibrary(module_);
    }
    ScopedLibrary(const ScopedLibrary&) = delete;
    ScopedLibrary& operator=(const ScopedLibrary&) = delete;
    explicit operator bool() const { return module_ != nullptr; }
    HMODULE Get() const { return module_; }

    template <typename Fn>
    Fn Proc(const char* name) const
    {
        return module_ ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)))
                       : nullptr;
    }

private:
    HMODULE module_;
};

}  // namespace fw
