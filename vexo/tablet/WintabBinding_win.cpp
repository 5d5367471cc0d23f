#include "WintabBinding.h"

#include <string>

#include "Strings.h"
#include "WintabContext.h"
#include "resource.h"

namespace vexo {

namespace {

template <typename Fn>
Fn Resolve(HMODULE library, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

std::string SystemWintabPath()
{
    char folder[MAX_PATH] = {};
    UINT len = GetSystemDirectoryA(folder, MAX_PATH);
    if (len == 0 || len >= MAX_PATH) folder[0] = '\0';
    return std::string(folder) + "\\wintab32.dll";
}

}  // namespace

CWintabBinding::~CWintabBinding() { Release(); }

void CWintabBinding::Release()
{
    // A context left open would outlive the code that serves it.
    if (context_ && entry_.WTClose) entry_.WTClose(context_);
    context_ = nullptr;
    entry_ = WintabEntryPoints();
    if (library_) FreeLibrary(library_);
    library_ = nullptr;
}

bool CWintabBinding::LoadWinTab(bool resolve)
{
    Release();
    const std::string path = SystemWintabPath();
    const std::string trace = "wintabpath = " + path;
    OutputDebugStringA(trace.c_str());

    HMODULE library = LoadLibraryA(path.c_str());
    if (!library) return false;
    if (!resolve) {
        FreeLibrary(library);
        return true;
    }
    library_ = library;
    entry_.WTInfoA = Resolve<wintab::WTInfoAFn>(library, "WTInfoA");
    entry_.WTOverlap = Resolve<wintab::WTOverlapFn>(library, "WTOverlap");
    entry_.WTPacketsGet = Resolve<wintab::WTPacketsGetFn>(library, "WTPacketsGet");
    entry_.WTPacket = Resolve<wintab::WTPacketFn>(library, "WTPacket");
    entry_.WTGetA = Resolve<wintab::WTGetAFn>(library, "WTGetA");
    entry_.WTOpenA = Resolve<wintab::WTOpenAFn>(library, "WTOpenA");
    entry_.WTClose = Resolve<wintab::WTCloseFn>(library, "WTClose");
    entry_.WTQueueSizeSet = Resolve<wintab::WTQueueSizeSetFn>(library, "WTQueueSizeSet");
    entry_.WTEnable = Resolve<wintab::WTEnableFn>(library, "WTEnable");
    return true;
}

void CWintabBinding::ReopenTablet(bool open)
{
    if (!entry_.WTInfoA || !entry_.WTOpenA || !entry_.WTClose) return;
    if (!open) {
        if (context_) entry_.WTClose(context_);
        context_ = nullptr;
        return;
    }
    // Reopening replaces the context rather than leaving a second one posting.
    if (context_) {
        entry_.WTClose(context_);
        context_ = nullptr;
    }

    wintab::LOGCONTEXTA defaults = {};
    entry_.WTInfoA(wintab::WTI_DEFCONTEXT, 0, &defaults);
    record_ = MakeVexoContext(defaults, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                              GetSystemMetrics(SM_CYVIRTUALSCREEN));
    context_ = entry_.WTOpenA(owner_, &record_, TRUE);
    if (!context_) {
        fw::MsgBox(owner_, IDS_WINTAB_NO_CONTEXT, fw::LoadStr(IDS_WINTAB_CAPTION).c_str(),
                   MB_OK | MB_ICONSTOP);
    }

    wintab::AXIS axis = {};
    const bool answered = entry_.WTInfoA(wintab::WTI_DEVICES, wintab::DVC_NPRESSURE, &axis) != 0;
    // Normalised on every open, not only the first: a context reopened after
    // a display change must draw brush strokes as wide as before.
    maxPressure_ = NormaliseMaxPressure(MaxPressureFromDevice(answered, axis.axMax, maxPressure_));
}

void CWintabBinding::EnableTablet(bool enable)
{
    if (entry_.WTEnable) entry_.WTEnable(context_, enable ? TRUE : FALSE);
    if (entry_.WTOverlap) entry_.WTOverlap(context_, enable ? TRUE : FALSE);
}

bool CWintabBinding::ReadPacket(WPARAM serial, LPARAM context, wintab::PACKET& packet) const
{
    packet = wintab::PACKET();
    if (!entry_.WTPacket) return false;
    entry_.WTPacket(wintab::ContextFromId(static_cast<uintptr_t>(context)), static_cast<UINT>(serial),
                    &packet);
    return true;
}

void CWintabBinding::NormalisePressure() { maxPressure_ = NormaliseMaxPressure(maxPressure_); }

}  // namespace vexo
