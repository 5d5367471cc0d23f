#pragma once
// The published WinTab records and constants that Vexo and our wintab32.dll
// share, with fixed-width types so the portable code can use them too. The
// entry points' function types are in WintabApi.h (they need WINAPI).
#include <cstdint>

namespace wintab {

using FIX32 = uint32_t;  // 16.16 fixed point
using WTPKT = uint32_t;  // packet field mask
using BOOL32 = int32_t;

// Information categories for WTInfoA.
constexpr uint32_t WTI_INTERFACE = 1;
constexpr uint32_t WTI_STATUS = 2;
constexpr uint32_t WTI_DEFCONTEXT = 3;
constexpr uint32_t WTI_DEFSYSCTX = 4;
constexpr uint32_t WTI_DDCTXS = 400;  // + device number: a device's default digitising context
constexpr uint32_t WTI_DSCTXS = 500;  // + device number: a device's default system context
constexpr uint32_t WTI_DEVICES = 100;  // + device number
constexpr uint32_t WTI_CURSORS = 200;  // + cursor number
constexpr uint32_t WTI_EXTENSIONS = 300;

// WTI_INTERFACE indices.
constexpr uint32_t IFC_WINTABID = 1;
constexpr uint32_t IFC_SPECVERSION = 2;
constexpr uint32_t IFC_IMPLVERSION = 3;
constexpr uint32_t IFC_NDEVICES = 4;
constexpr uint32_t IFC_NCURSORS = 5;
constexpr uint32_t IFC_NCONTEXTS = 6;
constexpr uint32_t IFC_CTXOPTIONS = 7;
constexpr uint32_t IFC_CTXSAVESIZE = 8;
constexpr uint32_t IFC_NEXTENSIONS = 9;
constexpr uint32_t IFC_NMANAGERS = 10;

// WTI_STATUS indices.
constexpr uint32_t STA_CONTEXTS = 1;
constexpr uint32_t STA_SYSCTXS = 2;
constexpr uint32_t STA_PKTRATE = 3;
constexpr uint32_t STA_PKTDATA = 4;
constexpr uint32_t STA_MANAGERS = 5;
constexpr uint32_t STA_SYSTEM = 6;
constexpr uint32_t STA_BUTTONUSE = 7;
constexpr uint32_t STA_SYSBTNUSE = 8;

// Context indices (WTI_DEFCONTEXT, WTI_DEFSYSCTX, WTI_DDCTXS, WTI_DSCTXS);
// index 0 asks for the whole LOGCONTEXTA.
constexpr uint32_t CTX_NAME = 1;
constexpr uint32_t CTX_OPTIONS = 2;
constexpr uint32_t CTX_STATUS = 3;
constexpr uint32_t CTX_LOCKS = 4;
constexpr uint32_t CTX_MSGBASE = 5;
constexpr uint32_t CTX_DEVICE = 6;
constexpr uint32_t CTX_PKTRATE = 7;
constexpr uint32_t CTX_PKTDATA = 8;
constexpr uint32_t CTX_PKTMODE = 9;
constexpr uint32_t CTX_MOVEMASK = 10;
constexpr uint32_t CTX_BTNDNMASK = 11;
constexpr uint32_t CTX_BTNUPMASK = 12;
constexpr uint32_t CTX_INORGX = 13;
constexpr uint32_t CTX_INORGY = 14;
constexpr uint32_t CTX_INORGZ = 15;
constexpr uint32_t CTX_INEXTX = 16;
constexpr uint32_t CTX_INEXTY = 17;
constexpr uint32_t CTX_INEXTZ = 18;
constexpr uint32_t CTX_OUTORGX = 19;
constexpr uint32_t CTX_OUTORGY = 20;
constexpr uint32_t CTX_OUTORGZ = 21;
constexpr uint32_t CTX_OUTEXTX = 22;
constexpr uint32_t CTX_OUTEXTY = 23;
constexpr uint32_t CTX_OUTEXTZ = 24;
constexpr uint32_t CTX_SENSX = 25;
constexpr uint32_t CTX_SENSY = 26;
constexpr uint32_t CTX_SENSZ = 27;
constexpr uint32_t CTX_SYSMODE = 28;
constexpr uint32_t CTX_SYSORGX = 29;
constexpr uint32_t CTX_SYSORGY = 30;
constexpr uint32_t CTX_SYSEXTX = 31;
constexpr uint32_t CTX_SYSEXTY = 32;
constexpr uint32_t CTX_SYSSENSX = 33;
constexpr uint32_t CTX_SYSSENSY = 34;
constexpr uint32_t CTX_MAX = 34;

// WTI_DEVICES indices.
constexpr uint32_t DVC_NAME = 1;
constexpr uint32_t DVC_HARDWARE = 2;
constexpr uint32_t DVC_NCSRTYPES = 3;
constexpr uint32_t DVC_FIRSTCSR = 4;
constexpr uint32_t DVC_PKTRATE = 5;
constexpr uint32_t DVC_PKTDATA = 6;
constexpr uint32_t DVC_PKTMODE = 7;
constexpr uint32_t DVC_CSRDATA = 8;
constexpr uint32_t DVC_XMARGIN = 9;
constexpr uint32_t DVC_YMARGIN = 10;
constexpr uint32_t DVC_ZMARGIN = 11;
constexpr uint32_t DVC_X = 12;
constexpr uint32_t DVC_Y = 13;
constexpr uint32_t DVC_Z = 14;
constexpr uint32_t DVC_NPRESSURE = 15;
constexpr uint32_t DVC_TPRESSURE = 16;
constexpr uint32_t DVC_ORIENTATION = 17;
constexpr uint32_t DVC_ROTATION = 18;
constexpr uint32_t DVC_PNPID = 19;

// Context options.
constexpr uint32_t CXO_SYSTEM = 0x0001;
constexpr uint32_t CXO_PEN = 0x0002;
constexpr uint32_t CXO_MESSAGES = 0x0004;
constexpr uint32_t CXO_CSRMESSAGES = 0x0008;
constexpr uint32_t CXO_MGNINSIDE = 0x4000;
constexpr uint32_t CXO_MARGIN = 0x8000;

// Context status bits.
constexpr uint32_t CXS_DISABLED = 0x0001;
constexpr uint32_t CXS_OBSCURED = 0x0002;
constexpr uint32_t CXS_ONTOP = 0x0004;

// Packet status bits.
constexpr uint32_t TPS_PROXIMITY = 0x0001;
constexpr uint32_t TPS_QUEUE_ERR = 0x0002;
constexpr uint32_t TPS_MARGIN = 0x0004;
constexpr uint32_t TPS_GRAB = 0x0008;
constexpr uint32_t TPS_INVERT = 0x0010;

// Packet fields, in the order they appear in a packet.
constexpr WTPKT PK_CONTEXT = 0x0001;
constexpr WTPKT PK_STATUS = 0x0002;
constexpr WTPKT PK_TIME = 0x0004;
constexpr WTPKT PK_CHANGED = 0x0008;
constexpr WTPKT PK_SERIAL_NUMBER = 0x0010;
constexpr WTPKT PK_CURSOR = 0x0020;
constexpr WTPKT PK_BUTTONS = 0x0040;
constexpr WTPKT PK_X = 0x0080;
constexpr WTPKT PK_Y = 0x0100;
constexpr WTPKT PK_Z = 0x0200;
constexpr WTPKT PK_NORMAL_PRESSURE = 0x0400;
constexpr WTPKT PK_TANGENT_PRESSURE = 0x0800;
constexpr WTPKT PK_ORIENTATION = 0x1000;
// Every field up to and including the orientation: the record below.
constexpr WTPKT PK_STANDARD = 0x1FFF;

// Window messages, at the default message base.
constexpr uint32_t WT_DEFBASE = 0x7FF0;
constexpr uint32_t WT_PACKET = WT_DEFBASE + 0;
constexpr uint32_t WT_CTXOPEN = WT_DEFBASE + 1;
constexpr uint32_t WT_CTXCLOSE = WT_DEFBASE + 2;
constexpr uint32_t WT_CTXUPDATE = WT_DEFBASE + 3;
constexpr uint32_t WT_CTXOVERLAP = WT_DEFBASE + 4;
constexpr uint32_t WT_PROXIMITY = WT_DEFBASE + 5;
constexpr uint32_t WT_INFOCHANGE = WT_DEFBASE + 6;
constexpr uint32_t WT_CSRCHANGE = WT_DEFBASE + 7;

constexpr int LCNAMELEN = 40;

struct AXIS {
    int32_t axMin;
    int32_t axMax;
    uint32_t axUnits;
    FIX32 axResolution;
};
static_assert(sizeof(AXIS) == 16, "AXIS is four 32-bit values");

struct ORIENTATION {
    int32_t orAzimuth;
    int32_t orAltitude;
    int32_t orTwist;
};
static_assert(sizeof(ORIENTATION) == 12, "ORIENTATION is three 32-bit values");

struct LOGCONTEXTA {
    char lcName[LCNAMELEN];
    uint32_t lcOptions;
    uint32_t lcStatus;
    uint32_t lcLocks;
    uint32_t lcMsgBase;
    uint32_t lcDevice;
    uint32_t lcPktRate;
    WTPKT lcPktData;
    WTPKT lcPktMode;
    WTPKT lcMoveMask;
    uint32_t lcBtnDnMask;
    uint32_t lcBtnUpMask;
    int32_t lcInOrgX;
    int32_t lcInOrgY;
    int32_t lcInOrgZ;
    int32_t lcInExtX;
    int32_t lcInExtY;
    int32_t lcInExtZ;
    int32_t lcOutOrgX;
    int32_t lcOutOrgY;
    int32_t lcOutOrgZ;
    int32_t lcOutExtX;
    int32_t lcOutExtY;
    int32_t lcOutExtZ;
    FIX32 lcSensX;
    FIX32 lcSensY;
    FIX32 lcSensZ;
    BOOL32 lcSysMode;
    int32_t lcSysOrgX;
    int32_t lcSysOrgY;
    int32_t lcSysExtX;
    int32_t lcSysExtY;
    FIX32 lcSysSensX;
    FIX32 lcSysSensY;
};
static_assert(sizeof(LOGCONTEXTA) == 172, "LOGCONTEXTA: a 40-char name and 33 32-bit fields");

// The packet of a context whose packet data is PK_STANDARD. The context
// handle is carried as a 32-bit value, as in the driver's own packets: the
// driver hands out handles that fit.
struct PACKET {
    uint32_t pkContext;
    uint32_t pkStatus;
    uint32_t pkTime;  // ms
    WTPKT pkChanged;
    uint32_t pkSerialNumber;
    uint32_t pkCursor;
    uint32_t pkButtons;
    int32_t pkX;
    int32_t pkY;
    int32_t pkZ;
    uint32_t pkNormalPressure;
    uint32_t pkTangentPressure;
    ORIENTATION pkOrientation;
};
static_assert(sizeof(PACKET) == 60, "PACKET: fifteen 32-bit fields");

}  // namespace wintab
