#include "VirtualPen.h"

#include <cstddef>
#include <cstring>

namespace wtstandin {

namespace {

using namespace wintab;

constexpr FIX32 kOne = 0x10000;  // 1.0 in 16.16
constexpr char kInterfaceId[] = "Lumora WinTab";
constexpr char kDeviceName[] = "Lumora Virtual Pen Tablet";
constexpr char kDevicePnpId[] = "LUM0001";
constexpr char kDigitizingName[] = "Default Digitizing";
constexpr char kSystemName[] = "Default System";
constexpr const char* kCursorNames[kCursorCount] = {"Preview Cursor", "Pressure Pen"};
// The options our contexts honour.
constexpr uint32_t kContextOptions = CXO_SYSTEM | CXO_PEN | CXO_MESSAGES | CXO_MARGIN | CXO_MGNINSIDE;

// Cursor indices of WTI_CURSORS.
constexpr uint32_t CSR_NAME = 1;
constexpr uint32_t CSR_ACTIVE = 2;
constexpr uint32_t CSR_PKTDATA = 3;
constexpr uint32_t CSR_BUTTONS = 4;

uint32_t Copy(void* output, const void* item, size_t size)
{
    if (output) std::memcpy(output, item, size);
    return static_cast<uint32_t>(size);
}

uint32_t CopyText(void* output, const char* text) { return Copy(output, text, std::strlen(text) + 1); }

template <typename T>
uint32_t CopyValue(void* output, T value)
{
    return Copy(output, &value, sizeof value);
}

// Offsets of the LOGCONTEXTA fields, in CTX_ index order from CTX_OPTIONS.
constexpr size_t kContextFields[] = {
    offsetof(LOGCONTEXTA, lcOptions),  offsetof(LOGCONTEXTA, lcStatus),    offsetof(LOGCONTEXTA, lcLocks),
    offsetof(LOGCONTEXTA, lcMsgBase),  offsetof(LOGCONTEXTA, lcDevice),    offsetof(LOGCONTEXTA, lcPktRate),
    offsetof(LOGCONTEXTA, lcPktData),  offsetof(LOGCONTEXTA, lcPktMode),   offsetof(LOGCONTEXTA, lcMoveMask),
    offsetof(LOGCONTEXTA, lcBtnDnMask), offsetof(LOGCONTEXTA, lcBtnUpMask), offsetof(LOGCONTEXTA, lcInOrgX),
    offsetof(LOGCONTEXTA, lcInOrgY),   offsetof(LOGCONTEXTA, lcInOrgZ),    offsetof(LOGCONTEXTA, lcInExtX),
    offsetof(LOGCONTEXTA, lcInExtY),   offsetof(LOGCONTEXTA, lcInExtZ),    offsetof(LOGCONTEXTA, lcOutOrgX),
    offsetof(LOGCONTEXTA, lcOutOrgY),  offsetof(LOGCONTEXTA, lcOutOrgZ),   offsetof(LOGCONTEXTA, lcOutExtX),
    offsetof(LOGCONTEXTA, lcOutExtY),  offsetof(LOGCONTEXTA, lcOutExtZ),   offsetof(LOGCONTEXTA, lcSensX),
    offsetof(LOGCONTEXTA, lcSensY),    offsetof(LOGCONTEXTA, lcSensZ),     offsetof(LOGCONTEXTA, lcSysMode),
    offsetof(LOGCONTEXTA, lcSysOrgX),  offsetof(LOGCONTEXTA, lcSysOrgY),   offsetof(LOGCONTEXTA, lcSysExtX),
    offsetof(LOGCONTEXTA, lcSysExtY),  offsetof(LOGCONTEXTA, lcSysSensX),  offsetof(LOGCONTEXTA, lcSysSensY),
};
static_assert(sizeof kContextFields / sizeof kContextFields[0] == CTX_MAX - 1, "one offset per field");

uint32_t ContextItem(const LOGCONTEXTA& context, uint32_t index, void* output)
{
    if (index == 0) return Copy(output, &context, sizeof context);
    if (index == CTX_NAME) return CopyText(output, context.lcName);
    if (index > CTX_MAX) return 0;
    return Copy(output, reinterpret_cast<const char*>(&context) + kContextFields[index - CTX_OPTIONS], 4);
}

uint32_t InterfaceItem(uint32_t index, void* output)
{
    switch (index) {
    case IFC_WINTABID: return CopyText(output, kInterfaceId);
    case IFC_SPECVERSION: return CopyValue<uint16_t>(output, 0x0104);  // 1.4
    case IFC_IMPLVERSION: return CopyValue<uint16_t>(output, 0x0100);
    case IFC_NDEVICES: return CopyValue<uint32_t>(output, 1);
    case IFC_NCURSORS: return CopyValue<uint32_t>(output, kCursorCount);
    case IFC_NCONTEXTS: return CopyValue<uint32_t>(output, kMaxContexts);
    case IFC_CTXOPTIONS: return CopyValue<uint32_t>(output, kContextOptions);
    case IFC_CTXSAVESIZE: return CopyValue<uint32_t>(output, 0);  // no WTSave
    case IFC_NEXTENSIONS: return CopyValue<uint32_t>(output, 0);
    case IFC_NMANAGERS: return CopyValue<uint32_t>(output, 0);
    default: return 0;
    }
}

uint32_t StatusItem(const InfoState& state, uint32_t index, void* output)
{
    switch (index) {
    case STA_CONTEXTS: return CopyValue<uint32_t>(output, state.openContexts);
    case STA_SYSCTXS: return CopyValue<uint32_t>(output, state.systemContexts);
    case STA_PKTRATE: return CopyValue<uint32_t>(output, kPacketRate);
    case STA_PKTDATA: return CopyValue<WTPKT>(output, PK_STANDARD);
    case STA_MANAGERS: return CopyValue<uint32_t>(output, 0);
    case STA_SYSTEM: return CopyValue<int32_t>(output, 1);
    case STA_BUTTONUSE: return CopyValue<uint32_t>(output, 1);
    case STA_SYSBTNUSE: return CopyValue<uint32_t>(output, 1);
    default: return 0;
    }
}

uint32_t DeviceItem(const VirtualScreen& screen, uint32_t index, void* output)
{
    const AXIS none = {0, 0, 0, 0};
    switch (index) {
    case DVC_NAME: return CopyText(output, kDeviceName);
    case DVC_HARDWARE: return CopyValue<uint32_t>(output, 0);
    case DVC_NCSRTYPES: return CopyValue<uint32_t>(output, kCursorCount);
    case DVC_FIRSTCSR: return CopyValue<uint32_t>(output, 0);
    case DVC_PKTRATE: return CopyValue<uint32_t>(output, kPacketRate);
    case DVC_PKTDATA: return CopyValue<WTPKT>(output, PK_STANDARD);
    case DVC_PKTMODE: return CopyValue<WTPKT>(output, 0);
    case DVC_CSRDATA: return CopyValue<WTPKT>(output, 0);
    case DVC_XMARGIN:
    case DVC_YMARGIN:
    case DVC_ZMARGIN: return CopyValue<int32_t>(output, 0);
    case DVC_X: return CopyValue(output, AXIS{0, screen.width - 1, 0, kOne});
    case DVC_Y: return CopyValue(output, AXIS{0, screen.height - 1, 0, kOne});
    case DVC_Z: return CopyValue(output, none);
    case DVC_NPRESSURE: return CopyValue(output, AXIS{0, kMaxPressure, 0, 0});
    case DVC_TPRESSURE: return CopyValue(output, none);
    case DVC_ORIENTATION:
    case DVC_ROTATION: {
        const AXIS three[3] = {none, none, none};
        return Copy(output, three, sizeof three);
    }
    case DVC_PNPID: return CopyText(output, kDevicePnpId);
    default: return 0;
    }
}

uint32_t CursorItem(uint32_t cursor, uint32_t index, void* output)
{
    switch (index) {
    case CSR_NAME: return CopyText(output, kCursorNames[cursor]);
    case CSR_ACTIVE: return CopyValue<int32_t>(output, 1);
    case CSR_PKTDATA: return CopyValue<WTPKT>(output, PK_STANDARD);
    case CSR_BUTTONS: return CopyValue<uint8_t>(output, 1);
    default: return 0;
    }
}

void SetName(LOGCONTEXTA& context, const char* name)
{
    std::memset(context.lcName, 0, sizeof context.lcName);
    std::strncpy(context.lcName, name, sizeof context.lcName - 1);
}

int32_t MapAxis(int32_t in, int32_t inOrg, int32_t inExt, int32_t outOrg, int32_t outExt)
{
    const long long span = inExt < 0 ? -static_cast<long long>(inExt) : inExt;
    if (span == 0) return outOrg;
    long long rel = static_cast<long long>(in) - inOrg;
    if (rel < 0) rel = 0;
    if (rel > span - 1) rel = span - 1;
    const bool flip = (inExt < 0) != (outExt < 0);
    if (flip) rel = span - 1 - rel;
    const long long outSpan = outExt < 0 ? -static_cast<long long>(outExt) : outExt;
    return static_cast<int32_t>(outOrg + rel * outSpan / span);
}

}  // namespace

wintab::LOGCONTEXTA DefaultDigitizingContext(const VirtualScreen& screen)
{
    LOGCONTEXTA c = {};
    SetName(c, kDigitizingName);
    c.lcOptions = 0;
    c.lcMsgBase = WT_DEFBASE;
    c.lcPktRate = kPacketRate;
    c.lcPktData = PK_STANDARD;
    c.lcMoveMask = PK_STANDARD;
    c.lcBtnDnMask = 0xFFFFFFFFu;
    c.lcBtnUpMask = 0xFFFFFFFFu;
    c.lcInExtX = screen.width;
    c.lcInExtY = screen.height;
    c.lcOutExtX = screen.width;
    c.lcOutExtY = screen.height;
    c.lcSensX = c.lcSensY = c.lcSensZ = kOne;
    c.lcSysMode = 0;
    c.lcSysOrgX = screen.left;
    c.lcSysOrgY = screen.top;
    c.lcSysExtX = screen.width;
    c.lcSysExtY = screen.height;
    c.lcSysSensX = c.lcSysSensY = kOne;
    return c;
}

wintab::LOGCONTEXTA DefaultSystemContext(const VirtualScreen& screen)
{
    LOGCONTEXTA c = DefaultDigitizingContext(screen);
    SetName(c, kSystemName);
    c.lcOptions = CXO_SYSTEM;
    // Screen pixels, 0 at the top: the system cursor's own coordinates.
    c.lcOutOrgX = screen.left;
    c.lcOutOrgY = screen.top;
    c.lcOutExtY = -screen.height;
    return c;
}

TabletPoint TabletFromScreen(const VirtualScreen& screen, int32_t screenX, int32_t screenY)
{
    return TabletPoint{screenX - screen.left, screen.height - 1 - (screenY - screen.top)};
}

void MapToOutput(const wintab::LOGCONTEXTA& c, TabletPoint in, int32_t& outX, int32_t& outY)
{
    outX = MapAxis(in.x, c.lcInOrgX, c.lcInExtX, c.lcOutOrgX, c.lcOutExtX);
    outY = MapAxis(in.y, c.lcInOrgY, c.lcInExtY, c.lcOutOrgY, c.lcOutExtY);
}

uint32_t AnswerInfo(const VirtualScreen& screen, const InfoState& state, uint32_t category,
                    uint32_t index, void* output)
{
    if (category == 0) {
        // The largest item there is.
        return static_cast<uint32_t>(sizeof(LOGCONTEXTA));
    }
    if (category == WTI_INTERFACE) return InterfaceItem(index, output);
    if (category == WTI_STATUS) return StatusItem(state, index, output);
    if (category == WTI_DEFCONTEXT || category == WTI_DDCTXS)
        return ContextItem(DefaultDigitizingContext(screen), index, output);
    if (category == WTI_DEFSYSCTX || category == WTI_DSCTXS)
        return ContextItem(DefaultSystemContext(screen), index, output);
    if (category == WTI_DEVICES) return DeviceItem(screen, index, output);
    if (category >= WTI_CURSORS && category < WTI_CURSORS + kCursorCount)
        return CursorItem(category - WTI_CURSORS, index, output);
    return 0;
}

}  // namespace wtstandin
