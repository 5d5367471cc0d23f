#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "MousePen.h"
#include "PacketQueue.h"
#include "ReplayScript.h"
#include "VirtualPen.h"

namespace {

using namespace wtstandin;

// ---- replay file

TEST(WintabReplay, ReadsPacketsSkippingCommentsBlankLinesAndCarriageReturns)
{
    const ReplayScript s = ParseReplay(
        "# a brush stroke\r\n"
        "0 1 1 100 200 300\r\n"
        "\n"
        "   \t\n"
        "5\t1 1   -3 0 2047  # hard\n"
        "5 0 0 2147483647 -2147483648 0",  // no newline at the end
        2047);
    ASSERT_TRUE(s.errors.empty()) << s.errors[0].message;
    ASSERT_EQ(s.packets.size(), 3u);
    const ReplayPacket& a = s.packets[0];
    EXPECT_EQ(a.time, 0u);
    EXPECT_EQ(a.cursor, 1u);
    EXPECT_EQ(a.buttons, 1u);
    EXPECT_EQ(a.x, 100);
    EXPECT_EQ(a.y, 200);
    EXPECT_EQ(a.pressure, 300u);
    EXPECT_EQ(s.packets[1].x, -3);
    EXPECT_EQ(s.packets[1].pressure, 2047u);
    EXPECT_EQ(s.packets[2].cursor, 0u);
    EXPECT_EQ(s.packets[2].x, 2147483647);
    EXPECT_EQ(s.packets[2].y, -2147483647 - 1);
}

TEST(WintabReplay, MalformedLinesAreSkippedAndNamedByLine)
{
    struct Case {
        const char* line;
        const char* says;  // a part of the report
    } const cases[] = {
        {"0 1 1 100 200", "found 5"},
        {"0 1 1 100 200 300 7", "found 7"},
        {"0 1 1 1x0 200 300", "bad x"},
        {"0 1 1 100 200 -1", "bad pressure"},
        {"0 1 1 100 200 2048", "bad pressure"},  // above the device's maximum
        {"-1 1 1 100 200 300", "bad time"},
        {"4294967296 1 1 100 200 300", "bad time"},
        {"0 1 1 100 2147483648 300", "bad y"},
        {"0 1 1 0x10 200 300", "bad x"},
        {"0 - 1 100 200 300", "bad cursor"},
        {"0 1 1 100 200 99999999999999999999", "bad pressure"},
    };
    for (const Case& c : cases) {
        // The bad line between two good ones: both good ones survive.
        const std::string text = std::string("10 1 1 5 5 5\n") + c.line + "\n20 1 0 6 6 0\n";
        const ReplayScript s = ParseReplay(text, 2047);
        ASSERT_EQ(s.errors.size(), 1u) << c.line;
        EXPECT_EQ(s.errors[0].line, 2) << c.line;
        EXPECT_NE(s.errors[0].message.find(c.says), std::string::npos) << s.errors[0].message;
        EXPECT_NE(s.errors[0].message.find(c.line), std::string::npos) << s.errors[0].message;
        ASSERT_EQ(s.packets.size(), 2u) << c.line;
        EXPECT_EQ(s.packets[1].time, 20u);
    }
}

TEST(WintabReplay, TimeGoingBackIsAnErrorAndTheNextLineIsMeasuredFromTheLastGoodOne)
{
    const ReplayScript s = ParseReplay("100 1 1 1 1 1\n50 1 1 2 2 2\n100 1 1 3 3 3\n", 2047);
    ASSERT_EQ(s.errors.size(), 1u);
    EXPECT_EQ(s.errors[0].line, 2);
    EXPECT_NE(s.errors[0].message.find("before"), std::string::npos);
    ASSERT_EQ(s.packets.size(), 2u);
    EXPECT_EQ(s.packets[1].x, 3);
}

// ---- packet queue

wintab::PACKET At(int x)
{
    wintab::PACKET p = {};
    p.pkX = x;
    return p;
}

TEST(WintabQueue, TakingASerialDiscardsOlderPacketsAndKeepsNewerOnes)
{
    PacketQueue q;
    const uint32_t s1 = q.Push(At(1)), s2 = q.Push(At(2)), s3 = q.Push(At(3));
    EXPECT_EQ(s1, 1u);
    EXPECT_EQ(s2, s1 + 1);
    EXPECT_EQ(s3, s2 + 1);

    wintab::PACKET p = {};
    ASSERT_TRUE(q.Take(s2, &p));
    EXPECT_EQ(p.pkX, 2);
    EXPECT_EQ(p.pkSerialNumber, s2);
    EXPECT_EQ(q.Count(), 1);
    EXPECT_FALSE(q.Take(s1, &p));  // gone with s2
    EXPECT_FALSE(q.Take(s2, &p));  // read once
    EXPECT_FALSE(q.Take(999, &p));
    EXPECT_EQ(q.Count(), 1);       // an unknown serial takes nothing
    ASSERT_TRUE(q.Take(s3, &p));
    EXPECT_EQ(p.pkX, 3);
    EXPECT_EQ(q.Count(), 0);
}

TEST(WintabQueue, AFullQueueLosesItsOldestAndFlagsTheOverflow)
{
    PacketQueue q;
    ASSERT_TRUE(q.Resize(3));
    for (int x = 1; x <= 3; ++x) q.Push(At(x));
    const uint32_t s4 = q.Push(At(4));
    EXPECT_EQ(q.Count(), 3);
    wintab::PACKET got[4] = {};
    ASSERT_EQ(q.TakeOldest(4, got), 3);
    EXPECT_EQ(got[0].pkX, 2);
    EXPECT_EQ(got[0].pkStatus & wintab::TPS_QUEUE_ERR, 0u);
    EXPECT_EQ(got[2].pkX, 4);
    EXPECT_EQ(got[2].pkSerialNumber, s4);
    EXPECT_NE(got[2].pkStatus & wintab::TPS_QUEUE_ERR, 0u);
}

TEST(WintabQueue, TakeOldestInBatchesOrDropsAndResizeRules)
{
    PacketQueue q;
    for (int x = 1; x <= 5; ++x) q.Push(At(x));
    wintab::PACKET got[2] = {};
    EXPECT_EQ(q.TakeOldest(2, got), 2);
    EXPECT_EQ(got[1].pkX, 2);
    EXPECT_EQ(q.TakeOldest(1, nullptr), 1);  // dropped unread
    EXPECT_EQ(q.Count(), 2);

    EXPECT_FALSE(q.Resize(0));
    EXPECT_FALSE(q.Resize(PacketQueue::kMaxSize + 1));
    EXPECT_EQ(q.Count(), 2);  // a refused size leaves the queue alone
    EXPECT_TRUE(q.Resize(PacketQueue::kMaxSize));
    EXPECT_EQ(q.Count(), 0);
    EXPECT_EQ(q.Push(At(9)), 6u);  // serials go on counting
}

// ---- the device and its contexts

const VirtualScreen kScreen = {-1280, 0, 2560, 1024};  // a second monitor on the left

TEST(WintabDevice, ScreenPixelsReachEachContextInItsOwnCoordinates)
{
    const wintab::LOGCONTEXTA digitizing = DefaultDigitizingContext(kScreen);
    wintab::LOGCONTEXTA vexo = digitizing;  // what Vexo asks for
    vexo.lcOutOrgX = vexo.lcOutOrgY = 0;
    vexo.lcOutExtX = kScreen.width;
    vexo.lcOutExtY = -kScreen.height;
    wintab::LOGCONTEXTA half = digitizing;  // half resolution, origin moved
    half.lcOutOrgX = 10;
    half.lcOutOrgY = 20;
    half.lcOutExtX = kScreen.width / 2;
    half.lcOutExtY = -kScreen.height / 2;

    struct Case {
        const wintab::LOGCONTEXTA* context;
        int32_t screenX, screenY, x, y;
    } const cases[] = {
        {&vexo, -1280, 0, 0, 0},          // top left of the virtual screen
        {&vexo, 1279, 1023, 2559, 1023},  // bottom right
        {&vexo, 0, 500, 1280, 500},
        {&digitizing, -1280, 0, 0, 1023},  // tablet y runs upwards
        {&digitizing, -1280, 1023, 0, 0},
        {&half, -1280, 0, 10, 20},
        {&half, 1279, 1023, 10 + 1279, 20 + 511},
        {&vexo, 5000, -40, 2559, 0},  // off the tablet: clipped to its edge
    };
    for (const Case& c : cases) {
        int32_t x = -1, y = -1;
        MapToOutput(*c.context, TabletFromScreen(kScreen, c.screenX, c.screenY), x, y);
        EXPECT_EQ(x, c.x) << c.screenX << "," << c.screenY;
        EXPECT_EQ(y, c.y) << c.screenX << "," << c.screenY;
    }
}

TEST(WintabDevice, AZeroInputExtentGivesTheOutputOrigin)
{
    wintab::LOGCONTEXTA c = DefaultDigitizingContext(kScreen);
    c.lcInExtX = 0;
    c.lcOutOrgX = 7;
    int32_t x = 0, y = 0;
    MapToOutput(c, TabletPoint{100, 100}, x, y);
    EXPECT_EQ(x, 7);
}

TEST(WintabDevice, InfoSizesWithoutABufferMatchTheItemsWritten)
{
    // Every item a caller may ask for: the size without a buffer is what is
    // written into one, and nothing is written past it.
    struct Case {
        uint32_t category, index;
    } const cases[] = {
        {wintab::WTI_INTERFACE, wintab::IFC_WINTABID}, {wintab::WTI_INTERFACE, wintab::IFC_SPECVERSION},
        {wintab::WTI_INTERFACE, wintab::IFC_NDEVICES}, {wintab::WTI_STATUS, wintab::STA_CONTEXTS},
        {wintab::WTI_STATUS, wintab::STA_PKTDATA},     {wintab::WTI_DEFCONTEXT, 0},
        {wintab::WTI_DEFCONTEXT, wintab::CTX_NAME},    {wintab::WTI_DEFCONTEXT, wintab::CTX_SYSSENSY},
        {wintab::WTI_DEFSYSCTX, 0},                    {wintab::WTI_DDCTXS, wintab::CTX_OUTEXTY},
        {wintab::WTI_DEVICES, wintab::DVC_NAME},       {wintab::WTI_DEVICES, wintab::DVC_NPRESSURE},
        {wintab::WTI_DEVICES, wintab::DVC_X},          {wintab::WTI_DEVICES, wintab::DVC_ORIENTATION},
        {wintab::WTI_CURSORS + 1, 1},
    };
    for (const Case& c : cases) {
        const uint32_t size = AnswerInfo(kScreen, {}, c.category, c.index, nullptr);
        ASSERT_GT(size, 0u) << c.category << "/" << c.index;
        ASSERT_LT(size, 256u);
        unsigned char buffer[256];
        std::memset(buffer, 0xCC, sizeof buffer);
        EXPECT_EQ(AnswerInfo(kScreen, {}, c.category, c.index, buffer), size);
        EXPECT_EQ(buffer[size], 0xCC) << c.category << "/" << c.index;
    }
}

TEST(WintabDevice, InfoAnswers)
{
    wintab::AXIS axis = {};
    EXPECT_EQ(AnswerInfo(kScreen, {}, wintab::WTI_DEVICES, wintab::DVC_NPRESSURE, &axis), sizeof axis);
    EXPECT_EQ(axis.axMax, 2047);

    wintab::LOGCONTEXTA whole = {};
    EXPECT_EQ(AnswerInfo(kScreen, {}, wintab::WTI_DEFCONTEXT, 0, &whole), sizeof whole);
    EXPECT_STREQ(whole.lcName, "Default Digitizing");
    EXPECT_EQ(whole.lcMsgBase, wintab::WT_DEFBASE);
    EXPECT_EQ(whole.lcInExtX, kScreen.width);
    int32_t outExtY = 0;
    EXPECT_EQ(AnswerInfo(kScreen, {}, wintab::WTI_DEFCONTEXT, wintab::CTX_OUTEXTY, &outExtY), 4u);
    EXPECT_EQ(outExtY, whole.lcOutExtY);  // one field agrees with the whole record
    uint32_t options = 0;
    AnswerInfo(kScreen, {}, wintab::WTI_DEFSYSCTX, wintab::CTX_OPTIONS, &options);
    EXPECT_EQ(options & wintab::CXO_SYSTEM, wintab::CXO_SYSTEM);

    const InfoState two = {2, 1};
    uint32_t count = 0;
    AnswerInfo(kScreen, two, wintab::WTI_STATUS, wintab::STA_CONTEXTS, &count);
    EXPECT_EQ(count, 2u);

    // What the device does not have.
    struct Case {
        uint32_t category, index;
    } const unknown[] = {
        {wintab::WTI_DEVICES + 1, wintab::DVC_NPRESSURE}, {wintab::WTI_DEVICES, 99},
        {wintab::WTI_DEFCONTEXT, wintab::CTX_MAX + 1},    {wintab::WTI_INTERFACE, 0},
        {wintab::WTI_CURSORS + kCursorCount, 1},          {wintab::WTI_EXTENSIONS, 1},
        {77, 0},
    };
    for (const Case& c : unknown) {
        unsigned char buffer[256] = {};
        EXPECT_EQ(AnswerInfo(kScreen, {}, c.category, c.index, buffer), 0u) << c.category << "/" << c.index;
    }
}

// ---- the mouse as a pen

TEST(WintabMousePen, PacketsWhileTheButtonIsDownThenOnePenUp)
{
    MousePen pen(ParsePressureSetting("", 2047), 2047);
    PenReading r;
    EXPECT_FALSE(pen.Sample(false, 0, r));  // hovering: nothing
    ASSERT_TRUE(pen.Sample(true, 5, r));
    EXPECT_EQ(r.buttons, 1u);
    EXPECT_EQ(r.pressure, 1023u);
    ASSERT_TRUE(pen.Sample(true, 10, r));
    EXPECT_EQ(r.pressure, 1023u);  // constant
    ASSERT_TRUE(pen.Sample(false, 15, r));
    EXPECT_EQ(r.buttons, 0u);
    EXPECT_EQ(r.pressure, 0u);
    EXPECT_FALSE(pen.Sample(false, 20, r));  // one pen-up only
}

TEST(WintabMousePen, RisingPressureFollowsTheTimeHeldAndStartsAgainEachStroke)
{
    MousePen pen(ParsePressureSetting("rise", 2047), 2047);
    PenReading r;
    const uint32_t t0 = 0xFFFFFF00u;  // the tick counter wraps during the stroke
    pen.Sample(true, t0, r);
    EXPECT_EQ(r.pressure, 2047u / 8);
    pen.Sample(true, t0 + 500, r);
    const uint32_t mid = r.pressure;
    EXPECT_GT(mid, 2047u / 8);
    EXPECT_LT(mid, 2047u);
    pen.Sample(true, t0 + kRiseTimeMs, r);
    EXPECT_EQ(r.pressure, 2047u);
    pen.Sample(true, t0 + 5000, r);
    EXPECT_EQ(r.pressure, 2047u);
    pen.Sample(false, t0 + 5005, r);
    pen.Sample(true, t0 + 6000, r);
    EXPECT_EQ(r.pressure, 2047u / 8);
}

TEST(WintabMousePen, PressureSettingValues)
{
    struct Case {
        const char* value;
        bool rising;
        uint32_t constant;
    } const cases[] = {
        {"", false, 1023},      {"rise", true, 1023}, {"1", false, 1},
        {"2047", false, 2047},  {"0", false, 1023},                   {"2048", false, 1023},
        {"-5", false, 1023},    {"abc", false, 1023},                 {"99999999999", false, 1023},
    };
    for (const Case& c : cases) {
        const PressureSetting s = ParsePressureSetting(c.value, 2047);
        EXPECT_EQ(s.rising, c.rising) << c.value;
        if (!c.rising) {
            EXPECT_EQ(s.constant, c.constant) << c.value;
        }
    }
}

}  // namespace
