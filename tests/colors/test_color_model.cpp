// test_color_model.cpp - colour values, RGB/HSB conversions, mixing, transparency, the sort order
// and CUILColor.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

namespace
{
struct HSB
{
    unsigned short h;
    unsigned char s, v;
};

HSB ToHSB(unsigned long c)
{
    HSB x;
    RGB2HSB(c, x.h, x.s, x.v);
    return x;
}

unsigned long FromHSB(unsigned short h, unsigned char s, unsigned char v)
{
    unsigned long c = 0xDEADBEEF;
    HSB2RGB(h, s, v, c);
    return c;
}

int ChannelDistance(unsigned long c1, unsigned long c2)
{
    int nMax = 0;
    for (int nShift = 0; nShift < 24; nShift += 8)
    {
        const int d = abs((int)((c1 >> nShift) & 0xFF) - (int)((c2 >> nShift) & 0xFF));
        if (d > nMax)
            nMax = d;
    }
    return nMax;
}
}

/////////////////////////////////////////////////////////////////////////////
// Conversions

TEST(ColorConversion, GetRGBSplitsTheLowThreeBytes)
{
    unsigned char r = 0, g = 0, b = 0;
    GetRGB(0xFF123456, r, g, b);
    EXPECT_EQ(0x56, r);
    EXPECT_EQ(0x34, g);
    EXPECT_EQ(0x12, b);
}

// Worked by hand: h = 60 x (position between the two largest channels), truncated; s = 255 x
// (max - min) / max; v = max.  Special colours (top bit set) have no channels at all.
TEST(ColorConversion, RGBToHSBAndBack)
{
    struct
    {
        unsigned long c;
        int h, s, v;
        unsigned long back;
    } cases[] = {
        { RGB(0, 0, 0), 0, 0, 0, RGB(0, 0, 0) },
        { RGB(128, 128, 128), 0, 0, 128, RGB(128, 128, 128) },
        { RGB(255, 255, 255), 0, 0, 255, RGB(255, 255, 255) },
        { RGB(255, 0, 0), 0, 255, 255, RGB(255, 0, 0) },
        { RGB(255, 255, 0), 60, 255, 255, RGB(255, 255, 0) },
        { RGB(0, 255, 0), 120, 255, 255, RGB(0, 255, 0) },
        { RGB(0, 255, 255), 180, 255, 255, RGB(0, 255, 255) },
        { RGB(0, 0, 255), 240, 255, 255, RGB(0, 0, 255) },
        { RGB(255, 0, 255), 300, 255, 255, RGB(255, 0, 255) },
        // -1/255 x 60 + 360 = 359.76...: truncated to 359, never wrapped to 360 or 0
        { RGB(255, 0, 1), 359, 255, 255, RGB(255, 0, 4) },
        // both directions truncate, so a colour does not always come back
        { RGB(0, 240, 12), 122, 255, 240, RGB(0, 240, 7) },
        // bits 24-30 alone make no special colour; the way back clears the top byte
        { 0x7F0000FF, 0, 255, 255, RGB(255, 0, 0) },
        { 0x80000000, 0, 0, 0, RGB(0, 0, 0) },
        { 0xFFFFFFFF, 0, 0, 0, RGB(0, 0, 0) },
        { 0x8000FF00, 0, 0, 0, RGB(0, 0, 0) },
    };
    for (const auto& t : cases)
    {
        HSB x = { 7, 7, 7 };
        RGB2HSB(t.c, x.h, x.s, x.v);
        EXPECT_EQ(t.h, x.h) << std::hex << t.c;
        EXPECT_EQ(t.s, x.s) << std::hex << t.c;
        EXPECT_EQ(t.v, x.v) << std::hex << t.c;
        EXPECT_EQ(t.back, FromHSB(x.h, x.s, x.v)) << std::hex << t.c;
    }
    // the channel form agrees
    unsigned short h = 0;
    unsigned char s = 0, v = 0;
    RGB2HSB((unsigned char)255, (unsigned char)0, (unsigned char)1, h, s, v);
    EXPECT_EQ(359, h);
    unsigned char r = 1, g = 1, b = 1;
    HSB2RGB(0, 0, 0, r, g, b);
    EXPECT_EQ(0, r + g + b);
}

TEST(ColorConversion, ZeroSaturationIsGreyAtEveryHue)
{
    for (int h = 0; h <= 360; h++)
        for (int v = 0; v < 256; v += 15)
            ASSERT_EQ(RGB(v, v, v), FromHSB((unsigned short)h, 0, (unsigned char)v)) << h << "," << v;
}

TEST(ColorConversion, Hue360IsHue0)
{
    for (int s = 0; s < 256; s += 5)
        for (int v = 0; v < 256; v += 5)
            ASSERT_EQ(FromHSB(0, (unsigned char)s, (unsigned char)v),
                FromHSB(360, (unsigned char)s, (unsigned char)v)) << s << "," << v;
}

TEST(ColorConversion, RoundTripOverTheWholeRGBCube)
{
    // Brightness is the largest channel and comes back exactly; the truncated hue (one degree is
    // up to 255/60 levels) and saturation cost the other channels at most 5 levels.
    int nWorst = 0;
    for (unsigned long c = 0; c < 0x1000000; c++)
    {
        const HSB x = ToHSB(c);
        ASSERT_LT(x.h, 360) << std::hex << c;
        const unsigned long back = FromHSB(x.h, x.s, x.v);
        ASSERT_EQ(0u, back >> 24) << std::hex << c;
        const int d = ChannelDistance(c, back);
        if (d > nWorst)
            nWorst = d;
        if (d > 5 || ToHSB(back).v != x.v)
            FAIL() << "colour " << std::hex << c << " came back as " << back;
    }
    EXPECT_EQ(5, nWorst);
}

TEST(ColorConversion, BrightnessSurvivesHSBToRGBToHSB)
{
    for (int h = 0; h < 360; h++)
        for (int s = 0; s < 256; s += 3)
            for (int v = 0; v < 256; v += 3)
            {
                const unsigned long c = FromHSB((unsigned short)h, (unsigned char)s, (unsigned char)v);
                const HSB x = ToHSB(c);
                ASSERT_EQ(v, x.v) << h << "," << s << "," << v;
            }
}

/////////////////////////////////////////////////////////////////////////////
// Mixing and transparency

// The top byte of either input never reaches the mix; beyond the ends the channels clamp.
TEST(ColorMix, EndsMiddleAndClamping)
{
    const struct { unsigned long c1, c2; float t; unsigned long mixed; } cases[] = {
        { 0xFF123456, RGB(200, 100, 50), 0.0f, 0x00123456 },
        { 0xFF123456, 0xAA3264C8, 1.0f, RGB(200, 100, 50) },
        { RGB(0, 0, 0), RGB(255, 255, 255), 0.5f, RGB(127, 127, 127) },
        { RGB(0, 100, 0), RGB(100, 0, 0), 0.25f, RGB(25, 75, 0) },
        { RGB(100, 100, 100), RGB(200, 50, 150), 2.0f, RGB(255, 0, 200) },
        { RGB(100, 100, 100), RGB(200, 50, 150), -1.0f, RGB(0, 150, 50) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.mixed, GetMixColor(c.c1, c.c2, c.t)) << std::hex << c.c1 << " " << c.c2 << " " << c.t;
}

TEST(ColorMix, StaysBetweenItsEnds)
{
    srand(7);
    for (int i = 0; i < 20000; i++)
    {
        const unsigned long c1 = ((unsigned long)rand() << 12 ^ rand()) & 0xFFFFFF;
        const unsigned long c2 = ((unsigned long)rand() << 12 ^ rand()) & 0xFFFFFF;
        const float t = (rand() % 1001) / 1000.0f;
        const unsigned long m = GetMixColor(c1, c2, t);
        // single precision and truncation: x1 (1 - t) + x2 t may land just below the smaller end
        for (int nShift = 0; nShift < 24; nShift += 8)
        {
            const int x1 = (c1 >> nShift) & 0xFF, x2 = (c2 >> nShift) & 0xFF, x = (m >> nShift) & 0xFF;
            ASSERT_GE(x, (x1 < x2 ? x1 : x2) - 1) << std::hex << c1 << " " << c2 << " " << t;
            ASSERT_LE(x, x1 < x2 ? x2 : x1) << std::hex << c1 << " " << c2 << " " << t;
        }
        ASSERT_EQ(0u, m >> 24);
    }
}

// Full and no opacity return an input whole (top byte included); in between the top byte goes,
// the difference is truncated toward zero and the percentage clamps to 0..100.
TEST(ColorTransparency, Table)
{
    const struct { unsigned long clr, clrBack; int nPercent; unsigned long result; } cases[] = {
        { 0xFF102030, 0x80405060, 100, 0xFF102030 },
        { 0xFF102030, 0x80405060, 0, 0x80405060 },
        { 0xFF102030, 0x80405060, 50, RGB(0x48, 0x38, 0x28) },
        { RGB(255, 255, 255), RGB(0, 0, 0), 50, RGB(127, 127, 127) },
        // (0 - 255) x 50 / 100 = -127.5 truncates to -127, so 128 and not 127
        { RGB(0, 0, 0), RGB(255, 255, 255), 50, RGB(128, 128, 128) },
        { RGB(10, 255, 30), RGB(10, 100, 30), 67, RGB(10, 203, 30) },
        { RGB(200, 0, 0), RGB(100, 50, 0), 200, RGB(255, 0, 0) },
        { RGB(200, 0, 0), RGB(100, 50, 0), -100, RGB(0, 100, 0) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, ApplyTransparency(c.clr, c.clrBack, c.nPercent))
            << std::hex << c.clr << " " << c.clrBack << " " << std::dec << c.nPercent;
}

/////////////////////////////////////////////////////////////////////////////
// CompareColors

namespace
{
const unsigned long s_keys[] = { 0, COLORSORT_RED, COLORSORT_GREEN, COLORSORT_BLUE, COLORSORT_HUE,
    COLORSORT_SATURATION, COLORSORT_BRIGHTNESS, COLORSORT_GRAYSCALE };
const unsigned long s_modifiers[] = { 0, COLORSORT_REVERSE, COLORSORT_GROUPGRAY,
    COLORSORT_REVERSE | COLORSORT_GROUPGRAY };
}

TEST(ColorCompare, EqualColoursAreEqualUnderEveryFlag)
{
    for (unsigned long k : s_keys)
        for (unsigned long m : s_modifiers)
            for (unsigned long c : { 0x000000UL, 0x808080UL, 0x123456UL, 0xFF00FFUL, 0x80000005UL })
                EXPECT_EQ(0, CompareColors(c, c, k | m)) << std::hex << c << " flags " << (k | m);
}

TEST(ColorCompare, IsAntisymmetric)
{
    srand(11);
    for (unsigned long k : s_keys)
        for (unsigned long m : s_modifiers)
            for (int i = 0; i < 500; i++)
            {
                unsigned long c1 = ((unsigned long)rand() << 12 ^ rand()) & 0xFFFFFF;
                unsigned long c2 = ((unsigned long)rand() << 12 ^ rand()) & 0xFFFFFF;
                if (i % 7 == 0)
                    c2 = RGB(i % 256, i % 256, i % 256);
                if (i % 11 == 0)
                    c1 |= 0x80000000;
                ASSERT_EQ(CompareColors(c1, c2, k | m), -CompareColors(c2, c1, k | m))
                    << std::hex << c1 << " " << c2 << " flags " << (k | m);
            }
}

// 1: the first colour goes before the second (its key is smaller), -1: after, by hand from the keys.
TEST(ColorCompare, SmallerKeyGoesFirst)
{
    const unsigned long dark = RGB(200, 0, 0), light = RGB(0, 200, 0);
    struct
    {
        unsigned long c1, c2, dwFlags;
        int nResult;
    } cases[] = {
        { RGB(255, 0, 0), RGB(254, 0, 0), COLORSORT_RED, -1 },
        { RGB(0, 10, 0), RGB(0, 11, 0), COLORSORT_GREEN, 1 },
        { RGB(0, 0, 10), RGB(0, 0, 11), COLORSORT_BLUE, 1 },
        { RGB(255, 0, 0), RGB(0, 255, 0), COLORSORT_HUE, 1 },
        { RGB(200, 150, 150), RGB(200, 0, 0), COLORSORT_SATURATION, 1 },
        { RGB(100, 0, 0), RGB(0, 0, 101), COLORSORT_BRIGHTNESS, 1 },
        // grey level weighs green most: pure red is darker than pure green
        { RGB(255, 0, 0), RGB(0, 255, 0), COLORSORT_GRAYSCALE, 1 },
        { RGB(0, 255, 0), RGB(0, 0, 255), COLORSORT_GRAYSCALE, -1 },
        // red key r x 65025 + (256 - g) x 256 + (256 - b): 65025 < 65536, so less green and
        // blue on a darker red outweighs one step of red
        { RGB(11, 255, 255), RGB(10, 0, 0), COLORSORT_RED, 1 },
        { RGB(11, 200, 255), RGB(10, 0, 0), COLORSORT_RED, -1 },
        { RGB(11, 0, 0), RGB(10, 0, 0), COLORSORT_RED, -1 },
        // the first key flag present wins: grayscale before red, red before hue
        { dark, light, COLORSORT_GRAYSCALE | COLORSORT_RED, 1 },
        { dark, light, COLORSORT_RED | COLORSORT_GREEN, -1 },
        { dark, light, COLORSORT_RED | COLORSORT_HUE, -1 },
        { dark, light, COLORSORT_HUE | COLORSORT_SATURATION, 1 },
        // equal keys fall back to brightness: no key at all, darker first
        { RGB(10, 10, 10), RGB(20, 20, 20), 0, 1 },
        { RGB(0, 0, 200), RGB(0, 100, 0), 0, -1 },
        // red keys collide: 10 x 65025 + 256 x 256 + 256 = 11 x 65025 + 2 x 256 + 255
        { RGB(10, 0, 0), RGB(11, 254, 1), COLORSORT_RED, 1 },
        { RGB(11, 254, 1), RGB(10, 0, 0), COLORSORT_RED, -1 },
        // greys: the hue key differs only through its brightness part
        { RGB(50, 50, 50), RGB(60, 60, 60), COLORSORT_HUE, 1 },
    };
    for (const auto& t : cases)
        EXPECT_EQ(t.nResult, CompareColors(t.c1, t.c2, t.dwFlags))
            << std::hex << t.c1 << " " << t.c2 << " flags " << t.dwFlags;
}

TEST(ColorCompare, SpecialColoursGoLastInDescendingOrderWhateverTheFlags)
{
    for (unsigned long k : s_keys)
        for (unsigned long m : s_modifiers)
        {
            const unsigned long f = k | m;
            EXPECT_EQ(1, CompareColors(RGB(255, 255, 255), 0x80000000, f)) << f;
            EXPECT_EQ(-1, CompareColors(0x80000000, RGB(0, 0, 0), f)) << f;
            EXPECT_EQ(1, CompareColors(0xFFFFFFFF, 0x80000001, f)) << f;
            EXPECT_EQ(-1, CompareColors(0x80000001, 0xFFFFFFFE, f)) << f;
        }
}

TEST(ColorCompare, ReverseNegatesTheKeyOrder)
{
    for (unsigned long k : s_keys)
    {
        if (k == 0)
            continue;
        EXPECT_EQ(-CompareColors(RGB(1, 2, 3), RGB(200, 100, 50), k),
            CompareColors(RGB(1, 2, 3), RGB(200, 100, 50), k | COLORSORT_REVERSE)) << k;
        EXPECT_NE(0, CompareColors(RGB(1, 2, 3), RGB(200, 100, 50), k)) << k;
    }
}

TEST(ColorCompare, GroupedGreysGoFirstEvenReversed)
{
    const unsigned long grey = RGB(250, 250, 250), red = RGB(1, 0, 0);
    for (unsigned long k : s_keys)
    {
        EXPECT_EQ(1, CompareColors(grey, red, k | COLORSORT_GROUPGRAY)) << k;
        EXPECT_EQ(-1, CompareColors(red, grey, k | COLORSORT_GROUPGRAY)) << k;
        EXPECT_EQ(1, CompareColors(grey, red, k | COLORSORT_GROUPGRAY | COLORSORT_REVERSE)) << k;
        EXPECT_EQ(-1, CompareColors(red, grey, k | COLORSORT_GROUPGRAY | COLORSORT_REVERSE)) << k;
    }
    // without grouping the bright grey sorts after the dark red by brightness
    EXPECT_EQ(-1, CompareColors(grey, red, COLORSORT_BRIGHTNESS));
    // among greys the key still decides, and reverse still applies
    EXPECT_EQ(1, CompareColors(RGB(1, 1, 1), grey, COLORSORT_BRIGHTNESS | COLORSORT_GROUPGRAY));
    EXPECT_EQ(-1, CompareColors(RGB(1, 1, 1), grey,
        COLORSORT_BRIGHTNESS | COLORSORT_GROUPGRAY | COLORSORT_REVERSE));
}

/////////////////////////////////////////////////////////////////////////////
// CUILColor

TEST(UILColor, ConstructionAndConversion)
{
    CUILColor none;
    EXPECT_EQ(0u, (unsigned long)none);
    EXPECT_EQ(0, none.H() + none.S() + none.V());
    static_assert(sizeof(CUILColor) == 8, "a colour is its RGB value and its HSB triple");

    CUILColor c(RGB(0, 255, 0));
    EXPECT_EQ(120, c.H());
    EXPECT_EQ(255, c.S());
    EXPECT_EQ(255, c.V());
    EXPECT_EQ(RGB(0, 255, 0), c.GetRGB());

    CUILColor hsv((unsigned short)240, (unsigned char)255, (unsigned char)128);
    EXPECT_EQ(RGB(0, 0, 128), (unsigned long)hsv);
    EXPECT_EQ(0, hsv.R());
    EXPECT_EQ(0, hsv.G());
    EXPECT_EQ(128, hsv.B());
}

TEST(UILColor, HueSetOnAGreyStays)
{
    CUILColor c(RGB(128, 128, 128));
    c.SetH(200);
    EXPECT_EQ(RGB(128, 128, 128), c.GetRGB());
    EXPECT_EQ(200, c.H());
    c.SetS(255);
    EXPECT_EQ(200, c.H());
    EXPECT_NEAR(200, ToHSB(c.GetRGB()).h, 1) << "the colour now shows the hue set on the grey";
}

TEST(UILColor, SaturationOffAndOnRestoresTheHue)
{
    CUILColor c(RGB(0, 240, 12));
    const unsigned short h = c.H();
    c.SetS(0);
    c.SetS(255);
    EXPECT_EQ(h, c.H());
    EXPECT_EQ(RGB(0, 240, 7), c.GetRGB());
    // the same walk through RGB alone would lose the hue
    EXPECT_EQ(0, ToHSB(FromHSB(h, 0, 240)).h);
}

TEST(UILColor, EveryHSBChannelMovesAloneOverItsRange)
{
    CUILColor c((unsigned short)30, (unsigned char)200, (unsigned char)180);
    for (int h = 0; h < 360; h++)
    {
        c.SetH((unsigned short)h);
        ASSERT_EQ(200, c.S());
        ASSERT_EQ(180, c.V());
        ASSERT_EQ(FromHSB((unsigned short)h, 200, 180), c.GetRGB());
    }
    for (int s = 0; s < 256; s++)
    {
        c.SetS((unsigned char)s);
        ASSERT_EQ(359, c.H());
        ASSERT_EQ(180, c.V());
    }
    for (int v = 0; v < 256; v++)
    {
        c.SetV((unsigned char)v);
        ASSERT_EQ(359, c.H());
        ASSERT_EQ(255, c.S());
        ASSERT_EQ(FromHSB(359, 255, (unsigned char)v), c.GetRGB());
    }
}

TEST(UILColor, SettingAnRGBChannelRederivesHSB)
{
    CUILColor c(RGB(10, 20, 30));
    c.SetR(255);
    EXPECT_EQ(RGB(255, 20, 30), c.GetRGB());
    EXPECT_EQ(ToHSB(RGB(255, 20, 30)).h, c.H());
    c.SetG(255);
    c.SetB(0);
    EXPECT_EQ(RGB(255, 255, 0), c.GetRGB());
    EXPECT_EQ(60, c.H());
    EXPECT_EQ(255, c.S());
    EXPECT_EQ(255, c.V());
}

TEST(UILColor, TopByteKeptBySetRGBClearedByChannels)
{
    CUILColor c;
    c = 0x7F102030UL;
    EXPECT_TRUE(c == 0x7F102030UL);
    EXPECT_FALSE(c == 0x00102030UL);
    EXPECT_EQ(0x10, c.B());
    c.SetR(0x10);
    EXPECT_TRUE(c == 0x00102010UL);

    c = 0xFFFFFFFFUL;          // "nothing picked" survives a round through the colour
    EXPECT_EQ(0xFFFFFFFFUL, (unsigned long)c);
    EXPECT_EQ(255, c.V()) << "the HSB side comes from the low three bytes";
    c.SetV(0);
    EXPECT_EQ(0u, (unsigned long)c);
}

TEST(UILColor, CopyCarriesBothSides)
{
    CUILColor a(RGB(50, 50, 50));
    a.SetH(77);
    CUILColor b;
    b = a;
    EXPECT_EQ(77, b.H());
    CUILColor c(a);
    EXPECT_EQ(77, c.H());
    EXPECT_EQ(a.GetRGB(), c.GetRGB());
}

/////////////////////////////////////////////////////////////////////////////
// CFrameColors

TEST(FrameColors, SystemColoursInOrderAndCopy)
{
    CFrameColors fc;
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), fc.m_clrFace);
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), fc.m_clrLight);
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), fc.m_clrHighlight);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), fc.m_clrShadow);
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), fc.m_clrDarkShadow);

    CFrameColors mine(1, 2, 3, 4, 5);
    fc = mine;
    EXPECT_EQ(1u, fc.m_clrFace);
    EXPECT_EQ(2u, fc.m_clrLight);
    EXPECT_EQ(3u, fc.m_clrHighlight);
    EXPECT_EQ(4u, fc.m_clrShadow);
    EXPECT_EQ(5u, fc.m_clrDarkShadow);
}
