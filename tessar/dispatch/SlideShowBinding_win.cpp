#include "SlideShowBinding_win.h"

namespace {
template <typename Fn>
bool Resolve(HMODULE module, const char* name, Fn& fn)
{
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return fn != nullptr;
}
}  // namespace

bool CSlideShowBinding::Bind(const char* libraryName)
{
    HMODULE module = LoadLibraryA(libraryName);
    if (!module) return false;
    module_ = module;
    setPointerType_ = nullptr;
    getSlideShowActive_ = nullptr;
    setPointerColor_ = nullptr;
    action_ = nullptr;
    return Resolve(module, "Quillet_PP_SetPointerType", setPointerType_) &&
           Resolve(module, "Quillet_PP_GetSlideShowActive", getSlideShowActive_) &&
           Resolve(module, "Quillet_PP_SetPointerColor", setPointerColor_) &&
           Resolve(module, "Quillet_PP_Action", action_);
}
