#pragma once
// Vexo's binding of the tablet driver's "wintab32.dll": the library loaded
// from the system folder at run time, its nine entry points, the one context
// the overlay reads the pen through, and the pressure scale.
#include <windows.h>

#include "WintabApi.h"

namespace vexo {

// The entry points; a null member was not resolved.
struct WintabEntryPoints {
    wintab::WTInfoAFn WTInfoA = nullptr;
    wintab::WTOverlapFn WTOverlap = nullptr;
    wintab::WTPacketsGetFn WTPacketsGet = nullptr;
    wintab::WTPacketFn WTPacket = nullptr;
    wintab::WTGetAFn WTGetA = nullptr;
    wintab::WTOpenAFn WTOpenA = nullptr;
    wintab::WTCloseFn WTClose = nullptr;
    wintab::WTQueueSizeSetFn WTQueueSizeSet = nullptr;
    wintab::WTEnableFn WTEnable = nullptr;
};

class CWintabBinding {
public:
    CWintabBinding() = default;
    // Closes an open context and releases the library.
    ~CWintabBinding();
    CWintabBinding(const CWintabBinding&) = delete;
    CWintabBinding& operator=(const CWintabBinding&) = delete;

    // The window the context posts its packets to and that owns the
    // "could not open" box: the overlay.
    void SetOwner(HWND owner) { owner_ = owner; }

    // Clears the entry points, then loads "<system folder>\wintab32.dll".
    // false when it cannot be loaded. resolve false is a probe: the library
    // is released at once. resolve true looks up the nine entry points by
    // name; a missing one stays null.
    bool LoadWinTab(bool resolve);

    // open false closes the context. open true opens the context Vexo draws
    // through (MakeVexoContext over the driver's default context and the
    // virtual screen), tells the user when the driver refuses it, and takes
    // the device's pressure maximum, normalised. Nothing happens unless
    // WTInfoA, WTOpenA and WTClose are resolved.
    void ReopenTablet(bool open);

    // WTEnable and WTOverlap on the context, each when resolved.
    void EnableTablet(bool enable);

    // Reads the packet a WT_PACKET names (wParam serial, lParam context) into
    // packet, cleared first. false, with nothing read, when WTPacket is not
    // resolved. A packet the driver no longer has leaves the cleared record,
    // which is still true: the caller treats it as a packet of cursor 0.
    bool ReadPacket(WPARAM serial, LPARAM context, wintab::PACKET& packet) const;

    // The scale the soft renderer draws brush pressure against; 1023 until
    // a context was opened.
    int MaxPressure() const { return maxPressure_; }
    void SetMaxPressure(int value) { maxPressure_ = value; }
    // Applies NormaliseMaxPressure to MaxPressure().
    void NormalisePressure();

    bool IsOpen() const { return context_ != nullptr; }
    wintab::HCTX Context() const { return context_; }
    // The record the context was last opened with.
    const wintab::LOGCONTEXTA& ContextRecord() const { return record_; }
    const WintabEntryPoints& EntryPoints() const { return entry_; }

private:
    void Release();

    HWND owner_ = nullptr;
    HMODULE library_ = nullptr;
    WintabEntryPoints entry_;
    wintab::HCTX context_ = nullptr;
    wintab::LOGCONTEXTA record_ = {};
    int maxPressure_ = 1023;
};

}  // namespace vexo
