#pragma once
// Tessar's run-time binding of the slide-show control library: loaded by
// name when the settings window starts, resolved function by function, and
// kept loaded for the life of the process.
#include <windows.h>

class CSlideShowBinding {
public:
    using SetPointerTypeFn = int(WINAPI*)(int type);
    using GetSlideShowActiveFn = int(WINAPI*)();
    using SetPointerColorFn = int(WINAPI*)(int colour);  // a COLORREF
    using ActionFn = int(WINAPI*)(int code);

    static constexpr const char kLibraryName[] = "QUILLET.DLL";

    // Loads the library by the normal DLL search and resolves, in this order,
    // Quillet_PP_SetPointerType, Quillet_PP_GetSlideShowActive,
    // Quillet_PP_SetPointerColor and Quillet_PP_Action, stopping at the first
    // missing one. True when all four were found. A library that does not
    // load leaves the pointers as they were.
    bool Bind(const char* libraryName = kLibraryName);

    // All four functions are there.
    bool IsBound() const { return action_ != nullptr; }
    HMODULE Module() const { return module_; }
    SetPointerTypeFn SetPointerType() const { return setPointerType_; }
    GetSlideShowActiveFn GetSlideShowActive() const { return getSlideShowActive_; }
    SetPointerColorFn SetPointerColor() const { return setPointerColor_; }
    ActionFn Action() const { return action_; }

private:
    HMODULE module_ = nullptr;  // never freed
    SetPointerTypeFn setPointerType_ = nullptr;
    GetSlideShowActiveFn getSlideShowActive_ = nullptr;
    SetPointerColorFn setPointerColor_ = nullptr;
    ActionFn action_ = nullptr;
};
