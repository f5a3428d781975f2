// test_resample.cpp - ScaleBitmapEx against an area-average reference, and SharpBitmap on known
// patterns.
#include "BitmapTestUtil.h"
#include <gtest/gtest.h>
#include <stdlib.h>

namespace
{
COLORREF Noise(int x, int y)
{
    // a fixed pseudo-random picture: every channel differs from its neighbours
    unsigned h = (unsigned)(x * 73856093) ^ (unsigned)(y * 19349663);
    h ^= h >> 13;
    h *= 0x5bd1e995;
    h ^= h >> 15;
    return RGB(h & 0xFF, (h >> 8) & 0xFF, (h >> 16) & 0xFF);
}

COLORREF Quadrants(int x, int y)
{
    // 8 x 6: red top left, green top right, blue bottom left, white bottom right
    if (y < 3)
        return x < 4 ? RGB(255, 0, 0) : RGB(0, 255, 0);
    return x < 4 ? RGB(0, 0, 255) : RGB(255, 255, 255);
}

// ScaleBitmapEx's result as pixels, row 0 at the top (the bitmap itself is deleted)
std::vector<COLORREF> ScaledPixels(HBITMAP hSource, int cx, int cy)
{
    HBITMAP hScaled = ScaleBitmapEx(hSource, (WORD)cx, (WORD)cy);
    EXPECT_TRUE(hScaled != NULL) << cx << "x" << cy;
    if (hScaled == NULL)
        return std::vector<COLORREF>();
    int cxScaled, cyScaled;
    const std::vector<COLORREF> pixels = ReadTestPixels(hScaled, cxScaled, cyScaled);
    ::DeleteObject(hScaled);
    EXPECT_EQ(cx, cxScaled);
    EXPECT_EQ(cy, cyScaled);
    return pixels;
}

struct SScaleCase
{
    int cxSource, cySource, cxDest, cyDest;
    int nPasses;
};

// source pixels a destination pixel draws on along one axis, at most
int MaxContributions(int nSource, int nDest)
{
    return nSource > nDest ? (nSource + nDest - 1) / nDest + 1 : 2;
}

// Fixed-point weights and the final shift only ever lose: the result is never above the exact
// area average, and below it by at most one unit per pass (the shift) plus what the truncated
// weights drop, under 1/4096 of full scale per weight.
void ExpectNearAreaAverage(const SScaleCase& c)
{
    const int nPasses = c.nPasses;
    const double dMaxBelow = nPasses + nPasses * 255.0
        * (MaxContributions(c.cxSource, c.cxDest) + MaxContributions(c.cySource, c.cyDest)) / 4096;

    HBITMAP hSource = CreateTestDib(c.cxSource, c.cySource, Noise);
    ASSERT_TRUE(hSource != NULL);
    int cxSrc = 0, cySrc = 0;
    const std::vector<COLORREF> source = ReadTestPixels(hSource, cxSrc, cySrc);

    const int cx = c.cxDest, cy = c.cyDest;
    const std::vector<COLORREF> scaled = ScaledPixels(hSource, cx, cy);
    ASSERT_EQ((size_t)cx * cy, scaled.size());

    double dWorst = 0.0;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            for (int ch = 0; ch < 3; ch++)
            {
                const double ref = AreaAverage(source, cxSrc, cySrc, cx, cy, x, y, ch);
                const int got = Channel(scaled[(size_t)y * cx + x], ch);
                ASSERT_LE(got, ref + 1e-6) << c.cxSource << "x" << c.cySource << " -> " << cx
                    << "x" << cy << " at " << x << "," << y << " channel " << ch;
                if (ref - got > dWorst)
                    dWorst = ref - got;
            }
    EXPECT_LE(dWorst, dMaxBelow) << c.cxSource << "x" << c.cySource << " -> " << c.cxDest << "x"
        << c.cyDest;
    ::DeleteObject(hSource);
}
}

TEST(ScaleBitmapEx, MatchesAreaAverage)
{
    // both axes shrink, both grow, or one stays: one pass; one axis grows while the other
    // shrinks: two passes, each rounding down once
    const SScaleCase cases[] = {
        { 16, 12, 8, 6, 1 }, { 17, 13, 5, 4, 1 }, { 9, 7, 4, 7, 1 }, { 10, 10, 3, 7, 1 },
        { 5, 4, 12, 9, 1 }, { 3, 3, 8, 5, 1 }, { 7, 5, 7, 13, 1 }, { 13, 11, 13, 11, 1 },
        { 12, 5, 5, 11, 2 }, { 4, 15, 9, 6, 2 }, { 31, 3, 7, 10, 2 }, { 3, 8, 11, 3, 2 },
    };
    for (const SScaleCase& c : cases)
        ExpectNearAreaAverage(c);
}

TEST(ScaleBitmapEx, ExactCasesKeepEveryUnit)
{
    // halving: four source pixels with weight 2048 x 2048 each, so the mean rounded down
    HBITMAP hSource = CreateTestDib(10, 6, Noise);
    int cxSrc, cySrc;
    const std::vector<COLORREF> source = ReadTestPixels(hSource, cxSrc, cySrc);
    const std::vector<COLORREF> half = ScaledPixels(hSource, 5, 3);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 5; x++)
            for (int ch = 0; ch < 3; ch++)
            {
                const int sum = Channel(source[(2 * y) * 10 + 2 * x], ch)
                    + Channel(source[(2 * y) * 10 + 2 * x + 1], ch)
                    + Channel(source[(2 * y + 1) * 10 + 2 * x], ch)
                    + Channel(source[(2 * y + 1) * 10 + 2 * x + 1], ch);
                ASSERT_EQ(sum / 4, Channel(half[y * 5 + x], ch)) << x << "," << y;
            }

    // tripling: every new pixel lies inside one source pixel and takes it whole
    const std::vector<COLORREF> triple = ScaledPixels(hSource, 30, 18);
    for (int y = 0; y < 18; y++)
        for (int x = 0; x < 30; x++)
            ASSERT_EQ(source[(y / 3) * 10 + x / 3], triple[y * 30 + x]) << x << "," << y;

    // the same size is a copy
    EXPECT_EQ(source, ScaledPixels(hSource, 10, 6));
    ::DeleteObject(hSource);
}

TEST(ScaleBitmapEx, KeepsOrientationAndSourceAndGivesScreenBitmap)
{
    HBITMAP hSource = CreateTestDib(8, 6, Quadrants);
    int cx, cy;
    const std::vector<COLORREF> before = ReadTestPixels(hSource, cx, cy);
    HBITMAP hScaled = ScaleBitmapEx(hSource, 4, 3);
    ASSERT_TRUE(hScaled != NULL);
    const std::vector<COLORREF> scaled = ReadTestPixels(hScaled, cx, cy);
    EXPECT_EQ(RGB(255, 0, 0), scaled[0]);
    EXPECT_EQ(RGB(0, 255, 0), scaled[3]);
    EXPECT_EQ(RGB(0, 0, 255), scaled[2 * 4]);
    EXPECT_EQ(RGB(255, 255, 255), scaled[2 * 4 + 3]);
    EXPECT_EQ(before, ReadTestPixels(hSource, cx, cy));

    // a device bitmap of the screen's format, not a DIB section
    DIBSECTION ds;
    EXPECT_NE((int)sizeof(ds), ::GetObjectA(hScaled, sizeof(ds), &ds));
    HDC hScreen = ::GetDC(NULL);
    BITMAP bm;
    ::GetObjectA(hScaled, sizeof(bm), &bm);
    EXPECT_EQ(::GetDeviceCaps(hScreen, BITSPIXEL), bm.bmBitsPixel);
    ::ReleaseDC(NULL, hScreen);

    // a device bitmap as the source works as well as a DIB section
    HBITMAP hAgain = ScaleBitmapEx(hScaled, 8, 6);
    ASSERT_TRUE(hAgain != NULL);
    const std::vector<COLORREF> again = ReadTestPixels(hAgain, cx, cy);
    EXPECT_EQ(RGB(255, 0, 0), again[0]);
    EXPECT_EQ(RGB(255, 255, 255), again[5 * 8 + 7]);
    ::DeleteObject(hAgain);
    ::DeleteObject(hScaled);
    ::DeleteObject(hSource);
}

TEST(ScaleBitmapEx, TopDownSourcesKeepTheirOrientation)
{
    // shrunk, copied and grown, alone and drawn smoothed through a bitmap object
    HBITMAP hTopDown = CreateTestDib(8, 6, Quadrants, true);
    const int sizes[][2] = { { 4, 3 }, { 8, 6 }, { 16, 12 } };
    for (const auto& size : sizes)
    {
        const int cx = size[0], cy = size[1];
        const std::vector<COLORREF> scaled = ScaledPixels(hTopDown, cx, cy);
        ASSERT_EQ((size_t)cx * cy, scaled.size());
        EXPECT_EQ(RGB(255, 0, 0), scaled[0]) << cx;
        EXPECT_EQ(RGB(0, 255, 0), scaled[cx - 1]) << cx;
        EXPECT_EQ(RGB(0, 0, 255), scaled[(size_t)(cy - 1) * cx]) << cx;
    }
    CBitmapEx bitmap;
    bitmap.Attach(hTopDown);
    CPixelCanvas canvas(16, 12);
    CRect rect(0, 0, 16, 12);
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), &rect, NULL, BMPEX_SMOOTH));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(15, 11));
}

TEST(ScaleBitmapEx, RefusesMissingSourceAndEmptySize)
{
    EXPECT_TRUE(ScaleBitmapEx(NULL, 10, 10) == NULL);
    HBITMAP hSource = CreateTestDib(4, 4, Noise);
    EXPECT_TRUE(ScaleBitmapEx(hSource, 0, 10) == NULL);
    EXPECT_TRUE(ScaleBitmapEx(hSource, 10, 0) == NULL);
    ::DeleteObject(hSource);
}

/////////////////////////////////////////////////////////////////////////////
// SharpBitmap

namespace
{
COLORREF Grey100WithSpot(int x, int y)
{
    return x == 2 && y == 2 ? RGB(150, 150, 150) : RGB(100, 100, 100);
}
}

TEST(SharpBitmap, KnownValuesAroundABrightSpotInEveryKindOfBitmap)
{
    // 7 pixels wide (21-byte rows padded to 24 at 24 bits, so a wrong row length shows), as a
    // DIB section of 24 and 32 bits and as a device bitmap
    CBitmapEx bitmap32;
    FillTestBitmap(bitmap32, 7, 5, 32, Grey100WithSpot);
    HBITMAP hDib = CreateTestDib(7, 5, Grey100WithSpot);
    HBITMAP hDevice = ScaleBitmapEx(hDib, 7, 5);
    const HBITMAP bitmaps[] = { hDib, (HBITMAP)bitmap32.m_hObject, hDevice };
    for (HBITMAP h : bitmaps)
    {
        ASSERT_TRUE(SharpBitmap(h, 1));
        int cx, cy;
        const std::vector<COLORREF> p = ReadTestPixels(h, cx, cy);
        // strength 1: a = 1/46, b = 46/188, c = 1/188; the spot gets 300 - 400 x 47/188 = 200
        // exactly, which a sum in floating point tends to miss by a hair
        EXPECT_EQ(RGB(200, 200, 200), p[2 * 7 + 2]);
        // edge neighbours: 200 - (150 + 300) x 46/188 - 400/188 = 87.77 -> 87
        EXPECT_EQ(RGB(87, 87, 87), p[1 * 7 + 2]);
        EXPECT_EQ(RGB(87, 87, 87), p[2 * 7 + 3]);
        // corners: 200 - 400 x 46/188 - (150 + 300)/188 = 99.73 -> 99
        EXPECT_EQ(RGB(99, 99, 99), p[1 * 7 + 1]);
        EXPECT_EQ(RGB(99, 99, 99), p[3 * 7 + 3]);
        // a flat area stays, and so does the border
        EXPECT_EQ(RGB(100, 100, 100), p[2 * 7 + 5]);
        EXPECT_EQ(RGB(100, 100, 100), p[2 * 7 + 6]);
        EXPECT_EQ(RGB(100, 100, 100), p[4 * 7 + 2]);
    }
    ::DeleteObject(hDevice);

    // strength 10: b = c = 1/8
    ASSERT_TRUE(SharpBitmap(hDib, 10));
    int cx, cy;
    const std::vector<COLORREF> p = ReadTestPixels(hDib, cx, cy);
    // the spot, 200 now: 400 - 4 x 87 / 8 - 4 x 99 / 8 = 307, clipped at 255
    EXPECT_EQ(RGB(255, 255, 255), p[2 * 7 + 2]);
    ::DeleteObject(hDib);
}

TEST(SharpBitmap, LeavesUniformPicturesAlone)
{
    static const BYTE levels[] = { 0, 1, 77, 128, 200, 254, 255 };
    for (size_t i = 0; i < sizeof(levels); i++)
    {
        static BYTE s_level;
        s_level = levels[i];
        for (int nBits = 24; nBits <= 32; nBits += 8)
        {
            CBitmapEx bitmap;
            FillTestBitmap(bitmap, 6, 5, nBits, [](int, int) { return RGB(s_level, s_level, s_level); });
            for (int nStrength = 1; nStrength <= 10; nStrength++)
                ASSERT_TRUE(SharpBitmap((HBITMAP)bitmap.m_hObject, nStrength));
            int cx, cy;
            const std::vector<COLORREF> p = ReadTestPixels((HBITMAP)bitmap.m_hObject, cx, cy);
            for (size_t k = 0; k < p.size(); k++)
                ASSERT_EQ(RGB(s_level, s_level, s_level), p[k]) << "level " << (int)s_level
                    << " depth " << nBits << " pixel " << k;
        }
    }
}

TEST(SharpBitmap, RefusesOtherDepthsAndStrengths)
{
    // an 8-bit bitmap is left alone
    HBITMAP h8 = ::CreateBitmap(4, 4, 1, 8, NULL);
    ASSERT_TRUE(h8 != NULL);
    EXPECT_EQ(0, SharpBitmap(h8, 5));
    ::DeleteObject(h8);

    HBITMAP hDib = CreateTestDib(5, 5, Grey100WithSpot);
    EXPECT_EQ(0, SharpBitmap(hDib, 0));
    EXPECT_EQ(0, SharpBitmap(hDib, -3));
    int cx, cy;
    EXPECT_EQ(RGB(150, 150, 150), ReadTestPixels(hDib, cx, cy)[2 * 5 + 2]);
    EXPECT_EQ(0, SharpBitmap(NULL, 5));
    ::DeleteObject(hDib);
}
