#pragma once
// GDI+ with the project's NOMINMAX: its headers expect min and max in scope.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs PROPID, which WIN32_LEAN_AND_MEAN leaves out

#include <algorithm>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus

#include <gdiplus.h>

namespace fw {

// GdiplusStartup / GdiplusShutdown around a scope.
class ScopedGdiplus {
public:
    ScopedGdiplus()
    {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~ScopedGdiplus() { Shutdown(); }
    ScopedGdiplus(const ScopedGdiplus&) = delete;
    ScopedGdiplus& operator=(const ScopedGdiplus&) = delete;
    void Shutdown()
    {
        if (ok_) Gdiplus::GdiplusShutdown(token_);
        ok_ = false;
    }
    bool Ok() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

}  // namespace fw
