#include "MacroKeyEvents.h"

#include <cstdio>

namespace tessar {

namespace {

constexpr char kPaintClass[] = "MSPaintApp";
constexpr char kPhotoshopClass[] = "PhotoshopElements";
constexpr char kStralaClass[] = "TStralaWin.UnicodeClass";
constexpr char kDravikClass[] = "DRAVIK_CLASS";
constexpr char kStralaProcess[] = "Strala";

// A program the check knows how to find when its window is not there.
struct KnownProgram {
    const char* className;
    const char* appPathName;  // null: the install path + startName
    const char* fallback;
    bool actsAfterStart;
};
constexpr KnownProgram kKnownPrograms[] = {
    {kPaintClass, "mspaint.exe", "mspaint.exe", true},
    {kPhotoshopClass, "PhotoshopElementsEditor.exe", "Photoshop.exe", false},
    {kStralaClass, nullptr, "Strala.exe", false},
    {kDravikClass, "Dravik.exe", "Dravik.exe", false},
};

}  // namespace

TipPlacement PlaceKeyTip(const ScreenRect& r, int side, int n, const KeyCounts& c)
{
    TipPlacement p;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    switch (side) {
    case kSideTop:
        if (c.top == 0) return p;
        p.x = width / c.top * (n - 1) + width / c.top / 2;
        p.y = r.top;
        break;
    case kSideBottom:
        if (c.bottom == 0) return p;
        p.x = width / c.bottom * (n - c.top - 1) + width / c.bottom / 2;
        p.y = r.bottom;
        break;
    case kSideLeft:
        if (c.left == 0) return p;
        p.x = r.left;
        p.y = height / c.left * (n - c.bottom - c.top - 1) + height / c.left / 2;
        break;
    case kSideRight:
        if (c.right == 0) return p;
        p.x = r.right;
        p.y = height / c.right * (n - c.bottom - c.top - c.left - 1) + height / c.right / 2;
        break;
    default:
        return p;
    }
    p.valid = true;
    p.cursorX = side == kSideRight ? r.right - 10 : p.x;
    p.cursorY = side == kSideRight ? p.y + 3 : p.y;
    return p;
}

std::string KeyTipLabel(int oemId, const std::string& format, int n, int mode, const std::string& hint)
{
    std::string label;
    if (oemId == kOemShortLabels) {
        char buf[16];
        std::snprintf(buf, sizeof buf, n < 10 ? "0%d:" : "%d:", n);
        label = buf;
    } else {
        label = FormatKeyLabel(format, n);
    }
    if (mode != 0) label += hint;
    return label;
}

CMacroKeyEvents::CMacroKeyEvents(ProfileStore& store, IKeyEventHost& host, IProgramLookup& lookup,
                                 CKeyActionPerformer& performer)
    : store_(store), host_(host), lookup_(lookup), performer_(performer)
{
}

bool CMacroKeyEvents::ProcessRunning(const std::string& name)
{
    return !name.empty() && !lookup_.FindProcesses(name).empty();
}

bool CMacroKeyEvents::ShowKeyTip(const ScreenRect& screen, int side, int oemId)
{
    const TipPlacement place = PlaceKeyTip(screen, side, keyNumber_, store_.Counts());
    if (!place.valid) return false;
    const std::string profile = host_.ActiveProfile();
    const KeyRecord key = store_.ReadKey(profile, keyNumber_);
    KeyTip tip;
    tip.place = place;
    tip.label = KeyTipLabel(oemId, store_.KeyTipFormat(), keyNumber_, key.mode, key.hint);
    tip.textColour = static_cast<std::uint32_t>(store_.KeyTipTextColour());
    tip.backColour = static_cast<std::uint32_t>(store_.KeyTipBkColour());
    host_.ShowTip(tip);
    tipVisible_ = true;
    return true;
}

void CMacroKeyEvents::OnKeyEvent(std::uint64_t eventCode, bool press, int oemId)
{
    // 1. A new code is decoded; a repeated one keeps its key number.
    MappedKey mapped;
    if (eventCode != lastEventCode_) {
        tipTimerActive_ = false;
        host_.KillTipTimer();
        mapped = store_.MapRawKey(static_cast<std::uint32_t>(eventCode));
        keyNumber_ = mapped.keyNumber;
        lastEventCode_ = eventCode;
    }

    // 2. The key tip.
    const bool enabled = host_.EnableChecked();
    ScreenRect screen;
    if (mapped.mapped && enabled && host_.ScreenRectangle(screen)) {
        if (store_.ModelId() != kNoTipModelId && host_.DisplayTooltipsChecked()) {
            host_.StartTipTimer();
            tipTimerActive_ = true;
            if (!ShowKeyTip(screen, mapped.side, oemId)) return;
        }
    } else if (enabled) {
        if (tipTimerActive_) host_.StartTipTimer();
        else HideTip();
    }
    // A new code stopped the timer of a tip that is still up; with no new
    // tip and no timer nothing would ever take it away.
    if (tipVisible_ && !tipTimerActive_) HideTip();

    // 3 to 5. Switched on, a press, and the first press since a release.
    if (!enabled) return;
    if (!press) {
        pressLatch_ = false;
        return;
    }
    if (pressLatch_) return;
    pressLatch_ = true;

    // 6, 7. One OEM build acts only while the profile's program runs.
    if (oemId == kOemProcessGate) {
        const std::string name =
            ProcessNameOf(store_.ReadProfileInfo(host_.ActiveProfile()).exeFileName);
        host_.DebugOutput("NameStr.GetLength = " + std::to_string(name.size()));
        mayAct_ = name.empty() || ProcessRunning(name);
    }
    if (!mayAct_) return;

    // 8 to 11. Where the key acts.
    const std::string profile = host_.ActiveProfile();
    const ProfileInfo info = store_.ReadProfileInfo(profile);
    if (info.className == kPresenterClass) {
        performer_.HandPresenterKey(profile, keyNumber_);
        return;
    }
    if (!info.className.empty()) {
        if (host_.IsClassInFront(info.className)) performer_.PerformKeyAction(profile, keyNumber_);
        else KnownProgramCheck(info, profile, oemId);
        return;
    }
    if (!info.exeFilePath.empty() && !ProcessRunning(ProcessNameOf(info.exeFileName)))
        host_.Start(info.exeFilePath);
    if (host_.HasForegroundWindow()) performer_.PerformKeyAction(profile, keyNumber_);
}

void CMacroKeyEvents::KnownProgramCheck(const ProfileInfo& info, const std::string& profile, int oemId)
{
    const std::string processName = ProcessNameOf(info.exeFileName);
    const KnownProgram* known = nullptr;
    for (const KnownProgram& k : kKnownPrograms)
        if (info.className == k.className) known = &k;

    bool existedBefore = true;
    if (known) {
        existedBefore = host_.ClassWindowExists(info.className);
        if (!existedBefore) {
            std::optional<std::string> located;
            if (known->appPathName) {
                located = lookup_.FindAppPath(known->appPathName);
            } else if (auto folder = lookup_.FindInstallPath()) {
                located = *folder + known->fallback;
            }
            if (info.className == kStralaClass && keyNumber_ == 1) {
                host_.Start(located ? *located : std::string(known->fallback));
            } else if (host_.AskRunProgram(oemId == kOemHotspotTexts)) {
                if (located) {
                    host_.Start(*located);
                    if (!known->actsAfterStart) return;
                } else if (host_.Start(known->fallback) <= 32) {
                    host_.ShowFileNotExist();
                }
            }
        }
    }
    if (processName == kStralaProcess && !(info.className == kStralaClass && !existedBefore))
        host_.BringClassToFront(kStralaClass);
    performer_.PerformKeyAction(profile, keyNumber_);
}

void CMacroKeyEvents::OnTipTimer()
{
    if (!tipTimerActive_) return;
    host_.KillTipTimer();
    tipTimerActive_ = false;
    HideTip();
}

void CMacroKeyEvents::HideTip()
{
    host_.HideTip();
    tipVisible_ = false;
}

int ProfileToSelectOnReload(ProfileStore& store, int currentSelection)
{
    if (store.RawPid() == kWhiteboardPid) {
        const int index = store.WhiteboardIndex();
        return index < 1000 && index != currentSelection ? index : -1;
    }
    const int index = store.SavedProfileIndex(0);
    return index != currentSelection ? index : -1;
}

}  // namespace tessar
