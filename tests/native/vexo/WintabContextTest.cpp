#include <gtest/gtest.h>

#include <cstring>

#include "WintabContext.h"

namespace {

using vexo::MakeVexoContext;
using vexo::NormaliseMaxPressure;

// A driver default with every field set, so a field the builder should keep
// but overwrites (or the reverse) shows.
wintab::LOGCONTEXTA DriverDefault()
{
    wintab::LOGCONTEXTA d;
    std::memset(&d, 0x5A, sizeof d);
    // A name that fills the buffer, so a tail left behind would show.
    std::memset(d.lcName, 'D', sizeof d.lcName - 1);
    d.lcName[wintab::LCNAMELEN - 1] = '\0';
    d.lcOptions = wintab::CXO_MARGIN | wintab::CXO_PEN;
    d.lcPktData = wintab::PK_X | wintab::PK_Y;
    d.lcInOrgX = 0;
    d.lcInOrgY = 0;
    d.lcInExtX = 15200;
    d.lcInExtY = 9500;
    d.lcOutOrgX = 7;
    d.lcOutOrgY = 9;
    d.lcOutExtX = 15200;
    d.lcOutExtY = 9500;
    return d;
}

TEST(VexoContextRecord, NamedVexoWithSystemCursorMessagesAndEveryField)
{
    const wintab::LOGCONTEXTA d = DriverDefault();
    const wintab::LOGCONTEXTA r = MakeVexoContext(d, 2560, 1024);

    EXPECT_STREQ(r.lcName, "Vexo");
    // The rest of the name buffer is cleared: no tail of the driver's name.
    for (int i = 4; i < wintab::LCNAMELEN; ++i) EXPECT_EQ(r.lcName[i], '\0') << i;
    EXPECT_EQ(r.lcOptions, wintab::CXO_MARGIN | wintab::CXO_PEN | wintab::CXO_SYSTEM | wintab::CXO_MESSAGES);
    EXPECT_EQ(r.lcPktData, 0x1FFFu);
    EXPECT_EQ(r.lcOutOrgX, 0);
    EXPECT_EQ(r.lcOutOrgY, 0);
    EXPECT_EQ(r.lcOutExtX, 2560);
    EXPECT_EQ(r.lcOutExtY, -1024);  // screen-down y
}

TEST(VexoContextRecord, KeepsEveryOtherDriverValue)
{
    const wintab::LOGCONTEXTA d = DriverDefault();
    wintab::LOGCONTEXTA r = MakeVexoContext(d, 1280, 1024);
    // Put back what Vexo sets; the rest must then be byte for byte the driver's.
    std::memcpy(r.lcName, d.lcName, sizeof r.lcName);
    r.lcOptions = d.lcOptions;
    r.lcPktData = d.lcPktData;
    r.lcOutOrgX = d.lcOutOrgX;
    r.lcOutOrgY = d.lcOutOrgY;
    r.lcOutExtX = d.lcOutExtX;
    r.lcOutExtY = d.lcOutExtY;
    EXPECT_EQ(std::memcmp(&r, &d, sizeof r), 0);
}

TEST(VexoPressureScale, NormalisedMaximum)
{
    struct Case {
        int device;
        int expected;
    } const cases[] = {
        {2047, 511}, {1023, 511}, {4095, 511}, {767, 767}, {511, 511},
        {1535, 511},  // c = 3
        {1279, 639},  // c = 2: 1280 / 2 - 1
        // Fewer than 512 levels: the raw maximum, no division by zero.
        {510, 510}, {255, 255}, {1, 1},
        // No usable maximum: scaled as the default 1023, like no driver at all.
        {0, 511}, {-5, 511},
        {2147483647, 511},  // the largest int must not overflow
    };
    for (const Case& c : cases) {
        const int once = NormaliseMaxPressure(c.device);
        EXPECT_EQ(once, c.expected) << c.device;
        // A context reopened later normalises again: that must not shift it.
        EXPECT_EQ(NormaliseMaxPressure(once), once) << c.device;
    }
}

TEST(VexoPressureScale, DeviceAnswerReplacesTheHeldMaximumOnlyWhenUsable)
{
    EXPECT_EQ(vexo::MaxPressureFromDevice(true, 2047, 1023), 2047);
    EXPECT_EQ(vexo::MaxPressureFromDevice(false, 2047, 1023), 1023);  // query failed
    EXPECT_EQ(vexo::MaxPressureFromDevice(true, 0, 511), 511);
    EXPECT_EQ(vexo::MaxPressureFromDevice(true, -1, 511), 511);
}

}  // namespace
