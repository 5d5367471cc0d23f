// Tessar's run-time binding of "QUILLET.DLL". This program does not link the
// library, so what is loaded is what the binding loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include "SlideShowBinding_win.h"

namespace {

template <typename Fn>
void* Address(Fn fn)
{
    return reinterpret_cast<void*>(fn);
}

void* Export(HMODULE module, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(module, name));
}

TEST(SlideShowBinding, ResolvesTheFourFunctionsAndKeepsTheLibrary)
{
    ASSERT_EQ(GetModuleHandleA("quillet.dll"), nullptr);
    {
        CSlideShowBinding binding;
        ASSERT_TRUE(binding.Bind());
        EXPECT_TRUE(binding.IsBound());
        HMODULE module = binding.Module();
        ASSERT_NE(module, nullptr);
        EXPECT_EQ(Address(binding.SetPointerType()), Export(module, "Quillet_PP_SetPointerType"));
        EXPECT_EQ(Address(binding.GetSlideShowActive()), Export(module, "Quillet_PP_GetSlideShowActive"));
        EXPECT_EQ(Address(binding.SetPointerColor()), Export(module, "Quillet_PP_SetPointerColor"));
        EXPECT_EQ(Address(binding.Action()), Export(module, "Quillet_PP_Action"));
        // Callable: no show runs here.
        EXPECT_EQ(binding.GetSlideShowActive()(), 0);
        EXPECT_EQ(binding.Action()(-1), 0);
    }
    EXPECT_NE(GetModuleHandleA("quillet.dll"), nullptr);  // never freed
}

TEST(SlideShowBinding, StopsAtTheFirstMissingFunction)
{
    // This library has every function but Quillet_PP_SetPointerColor.
    CSlideShowBinding binding;
    EXPECT_FALSE(binding.Bind("quillet_partial.dll"));
    EXPECT_FALSE(binding.IsBound());
    EXPECT_NE(binding.SetPointerType(), nullptr);
    EXPECT_NE(binding.GetSlideShowActive(), nullptr);
    EXPECT_EQ(binding.SetPointerColor(), nullptr);
    EXPECT_EQ(binding.Action(), nullptr);  // exported, but never reached

    // Binding the complete library afterwards clears and fills everything.
    EXPECT_TRUE(binding.Bind());
    EXPECT_TRUE(binding.IsBound());
}

TEST(SlideShowBinding, MissingLibraryLeavesTheBindingAsItWas)
{
    CSlideShowBinding binding;
    EXPECT_FALSE(binding.Bind("no_such_quillet.dll"));
    EXPECT_EQ(binding.Module(), nullptr);
    EXPECT_EQ(binding.SetPointerType(), nullptr);

    ASSERT_TRUE(binding.Bind());
    EXPECT_FALSE(binding.Bind("no_such_quillet.dll"));
    EXPECT_TRUE(binding.IsBound());
}

}  // namespace
