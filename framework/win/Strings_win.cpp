#include "Strings.h"

namespace fw {

std::string LoadStr(UINT id, HINSTANCE instance)
{
    if (!instance) instance = GetModuleHandleA(nullptr);
    // Find the length through the wide resource first: LoadStringA cannot tell
    // a long text from a cut one.
    const wchar_t* raw = nullptr;
    int len = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&raw), 0);
    if (len <= 0) return std::string();
    std::string text(static_cast<size_t>(len) * 2 + 1, '\0');
    int got = LoadStringA(instance, id, &text[0], static_cast<int>(text.size()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

int MsgBox(HWND owner, UINT textId, const char* caption, UINT flags)
{
    return MsgBoxText(owner, LoadStr(textId), caption, flags);
}

int MsgBoxText(HWND owner, const std::string& text, const char* caption, UINT flags)
{
    return MessageBoxA(owner, text.c_str(), caption, flags);
}

}  // namespace fw
