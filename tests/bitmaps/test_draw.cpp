// test_draw.cpp - CBitmapEx drawing: plain, fitted, resampled and sharpened; transparent and masked
// drawing; drawing through an image list; combining two bitmaps.
#include "BitmapTestUtil.h"
#include <gtest/gtest.h>

namespace
{
COLORREF Checker(int x, int y)
{
    return ((x / 4) + (y / 4)) % 2 ? RGB(250, 30, 20) : RGB(10, 40, 220);
}

COLORREF TopRedBottomBlue(int, int y)
{
    return y < 10 ? RGB(255, 0, 0) : RGB(0, 0, 255);
}

// the canvas area at rect against a picture of its size
void ExpectArea(CPixelCanvas& canvas, const CRect& rect, const std::vector<COLORREF>& picture)
{
    for (int y = 0; y < rect.Height(); y++)
        for (int x = 0; x < rect.Width(); x++)
            ASSERT_EQ(picture[(size_t)y * rect.Width() + x], canvas.Pixel(rect.left + x, rect.top + y))
                << "at " << x << "," << y;
}

// the pixel at (x, y) counted from the top, as a colour
COLORREF PixelFromTop(CBitmapEx& bitmap, int x, int y)
{
    const DWORD v = bitmap.GetPixel(x, bitmap.Height() - 1 - y);
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void FillSolid(CBitmapEx& bitmap, int cx, int cy, COLORREF clr, int nBits = 24)
{
    static COLORREF s_clr;
    s_clr = clr;
    FillTestBitmap(bitmap, cx, cy, nBits, [](int, int) { return s_clr; });
}
}

TEST(BitmapDraw, PlainFittedAndStretched)
{
    CBitmapEx bitmap;
    CPixelCanvas canvas(64, 48, RGB(1, 2, 3));
    EXPECT_EQ(0, bitmap.Draw(canvas.DC(), NULL, NULL, 0));
    EXPECT_EQ(0, bitmap.Draw((CDC*)NULL));
    EXPECT_EQ(canvas.Width() * canvas.Height(), canvas.Count(RGB(1, 2, 3)));

    FillTestBitmap(bitmap, 16, 12, 24, Checker);
    int cx, cy;
    const std::vector<COLORREF> picture = ReadTestPixels((HBITMAP)bitmap.m_hObject, cx, cy);

    // at its own size, at (0, 0)
    ASSERT_TRUE(bitmap.Draw(&canvas.DC()));
    ExpectArea(canvas, CRect(0, 0, 16, 12), picture);
    EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(16, 0));

    // a part of it, counted from the top left
    canvas.Fill(RGB(1, 2, 3));
    const CRect part(4, 0, 8, 4);
    const CRect at(30, 30, 34, 34);
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), &at, &part, 0));
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 4; x++)
            ASSERT_EQ(Checker(4 + x, y), canvas.Pixel(30 + x, 30 + y));
    EXPECT_EQ(64 * 48 - 16, canvas.Count(RGB(1, 2, 3)));

    // fitted into a larger rectangle: its size, centred; nothing drawn around it
    canvas.Fill(RGB(1, 2, 3));
    const CRect dest(0, 0, 64, 48);
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), &dest, NULL, BMPEX_FIT));
    ExpectArea(canvas, CRect(24, 18, 40, 30), picture);
    EXPECT_EQ(64 * 48 - 16 * 12, canvas.Count(RGB(1, 2, 3)));

    // enlarged and stretched: every 4 x 4 square becomes 16 x 16
    canvas.Fill(RGB(1, 2, 3));
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), &dest, NULL, BMPEX_FIT | BMPEX_ENLARGE));
    EXPECT_EQ(0, canvas.Count(RGB(1, 2, 3)));
    EXPECT_EQ(Checker(0, 0), canvas.Pixel(5, 5));
    EXPECT_EQ(Checker(4, 0), canvas.Pixel(17, 5));
    EXPECT_EQ(Checker(15, 11), canvas.Pixel(63, 47));
}

TEST(BitmapDraw, ShrinkingWithoutSmoothingDropsRowsCleanly)
{
    // a vertical gradient brought to a third of its height: every row drawn is one of the
    // source's, whatever stretch mode the DC had (its default would AND dropped rows in)
    CBitmapEx bitmap;
    FillTestBitmap(bitmap, 30, 240, 24, [](int, int y) { return RGB(80 + y / 3, 140 + y / 4, 235); });
    CPixelCanvas canvas(30, 80);
    ASSERT_EQ(BLACKONWHITE, canvas.DC().GetStretchBltMode());
    const CRect dest(0, 0, 30, 80);
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), &dest, NULL, 0));
    EXPECT_EQ(BLACKONWHITE, canvas.DC().GetStretchBltMode());
    for (int y = 0; y < 80; y++)
    {
        const COLORREF clr = canvas.Pixel(15, y);
        bool bFound = false;
        for (int ySource = 0; ySource < 240 && !bFound; ySource++)
            bFound = clr == RGB(80 + ySource / 3, 140 + ySource / 4, 235);
        ASSERT_TRUE(bFound) << "row " << y << " shows " << std::hex << clr;
    }
}

TEST(BitmapDraw, SmoothAndSharpModesResample)
{
    CBitmapEx bitmap;
    FillTestBitmap(bitmap, 30, 20, 24, Checker);
    CPixelCanvas canvas(60, 40);
    const CRect dest(0, 0, 60, 40);
    int cx, cy;

    // twice as large: what ScaleBitmapEx makes, not a plain stretch
    HBITMAP hExpected = ScaleBitmapEx((HBITMAP)bitmap.m_hObject, 45, 30);
    const std::vector<COLORREF> smooth = ReadTestPixels(hExpected, cx, cy);
    const CRect rect(0, 0, 45, 30);
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), &rect, NULL, BMPEX_SMOOTH));
    ExpectArea(canvas, rect, smooth);

    // ... and sharpened on top
    SharpBitmap(hExpected, 1);
    const std::vector<COLORREF> sharp = ReadTestPixels(hExpected, cx, cy);
    ASSERT_NE(smooth, sharp);
    canvas.Fill(0);
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), &rect, NULL, BMPEX_SMOOTH | BMPEX_SHARPEN));
    ExpectArea(canvas, rect, sharp);
    ::DeleteObject(hExpected);

    // fitted and enlarged: 60 x 40 exactly
    hExpected = ScaleBitmapEx((HBITMAP)bitmap.m_hObject, 60, 40);
    canvas.Fill(0);
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), &dest, NULL, BMPEX_FIT | BMPEX_ENLARGE | BMPEX_SMOOTH));
    ExpectArea(canvas, dest, ReadTestPixels(hExpected, cx, cy));
    ::DeleteObject(hExpected);

    // a part of the bitmap is resampled on its own
    CBitmapEx part;
    ASSERT_TRUE(part.CreateDIBitmap(NULL, 10, 10));
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 10; x++)
        {
            const COLORREF c = Checker(20 + x, 5 + y);
            part.SetPixel(x, 9 - y, (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        }
    hExpected = ScaleBitmapEx((HBITMAP)part.m_hObject, 25, 25);
    const CRect source(20, 5, 30, 15);
    const CRect target(5, 5, 30, 30);
    canvas.Fill(0);
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), &target, &source, BMPEX_SMOOTH));
    ExpectArea(canvas, target, ReadTestPixels(hExpected, cx, cy));
    ::DeleteObject(hExpected);

    // at its own size the smooth mode changes nothing
    canvas.Fill(0);
    ASSERT_TRUE(bitmap.Draw(canvas.DC(), NULL, NULL, BMPEX_SMOOTH | BMPEX_SHARPEN));
    ExpectArea(canvas, CRect(0, 0, 30, 20), ReadTestPixels((HBITMAP)bitmap.m_hObject, cx, cy));
}

TEST(BitmapDraw, TransparentDrawingMixesWithWhatIsThere)
{
    CBitmapEx bitmap;
    FillTestBitmap(bitmap, 8, 6, 24, Checker);
    CPixelCanvas canvas(20, 20, RGB(100, 200, 60));
    const CRect dest(2, 3, 18, 18);

    // 150 is taken as 100: fully transparent, nothing drawn
    EXPECT_EQ(1, bitmap.DrawTransparentEx(canvas.DC(), &dest, 0, 150));
    EXPECT_EQ(400, canvas.Count(RGB(100, 200, 60)));
    // -5 is taken as 0: drawn as it is
    ASSERT_TRUE(bitmap.DrawTransparentEx(canvas.DC(), &dest, 0, -5));
    EXPECT_EQ(Checker(0, 0), canvas.Pixel(2, 3));
    EXPECT_EQ(Checker(7, 5), canvas.Pixel(17, 17));     // stretched over the destination

    // in between: each pixel mixed with the one beneath, over the bitmap's own size only; a
    // channel is source + (destination - source) x 30 / 100, truncated: red squares
    // 250 - 45, 30 + 51, 20 + 12; blue ones 10 + 27, 40 + 48, 220 - 48
    canvas.Fill(RGB(100, 200, 60));
    ASSERT_TRUE(bitmap.DrawTransparentEx(canvas.DC(), &dest, 0, 30));
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++)
        {
            const bool bInside = x >= 2 && x < 10 && y >= 3 && y < 9;
            const bool bRed = Checker(x - 2, y - 3) == RGB(250, 30, 20);
            const COLORREF clr = !bInside ? RGB(100, 200, 60) : (bRed ? RGB(205, 81, 32) : RGB(37, 88, 172));
            ASSERT_EQ(clr, canvas.Pixel(x, y)) << x << "," << y;
        }

    // fitted: placed by CalcDestRect; half way, 10 + 45, 40 + 80, 220 - 80
    canvas.Fill(RGB(100, 200, 60));
    ASSERT_TRUE(bitmap.DrawTransparentEx(canvas.DC(), &dest, BMPEX_FIT, 50));
    EXPECT_EQ(RGB(55, 120, 140), canvas.Pixel(6, 7));
    EXPECT_EQ(RGB(100, 200, 60), canvas.Pixel(5, 7));

    CBitmapEx empty;
    EXPECT_EQ(0, empty.DrawTransparentEx(canvas.DC(), &dest, 0, 50));
    EXPECT_EQ(1, empty.DrawTransparentEx(canvas.DC(), &dest, 0, 100));
    EXPECT_EQ(0, empty.DrawTransparentEx(canvas.DC(), &dest, 0, 0));
}

TEST(BitmapDraw, TransparentDrawingOfAnotherSizeResamplesFirst)
{
    // doubled: every pixel of the result lies in one source pixel, so the colours stay exact;
    // mixed 40 % with (20, 20, 20): 60 - 16, 120 - 40, 220 - 80
    CBitmapEx bitmap;
    FillSolid(bitmap, 10, 8, RGB(60, 120, 220));
    CPixelCanvas canvas(30, 30, RGB(20, 20, 20));
    const CRect dest(0, 0, 20, 16);
    ASSERT_TRUE(bitmap.DrawTransparent(canvas.DC(), &dest, NULL, 0, 40));
    EXPECT_EQ(20 * 16, canvas.Count(RGB(44, 80, 140)));
    EXPECT_EQ(RGB(20, 20, 20), canvas.Pixel(20, 5));
    // the bitmap itself stays as it was
    EXPECT_EQ(10, bitmap.Width());
}

TEST(BitmapDraw, MaskedDrawingKeepsOrShadesTheMaskColour)
{
    const COLORREF clrMask = RGB(255, 0, 255);
    CBitmapEx bitmap;
    // left half the mask colour, right half a slightly different magenta and then green
    FillTestBitmap(bitmap, 12, 4, 24, [](int x, int) {
        return x < 6 ? RGB(255, 0, 255) : (x < 9 ? RGB(250, 4, 251) : RGB(0, 160, 0));
    });
    CPixelCanvas canvas(12, 4, RGB(90, 90, 90));
    const CRect dest(0, 0, 12, 4);

    // tolerance 0: the mask colour leaves the destination alone, the rest is mixed
    ASSERT_TRUE(bitmap.DrawMaskEx(canvas.DC(), &dest, 0, clrMask, 0, 0));
    EXPECT_EQ(24, canvas.Count(RGB(90, 90, 90), CRect(0, 0, 6, 4)));
    EXPECT_EQ(RGB(90, 90, 90), canvas.Pixel(5, 3));
    EXPECT_EQ(RGB(250, 4, 251), canvas.Pixel(6, 0));
    EXPECT_EQ(RGB(0, 160, 0), canvas.Pixel(11, 3));

    // within the tolerance the destination is shaded by the difference from the mask colour
    canvas.Fill(RGB(90, 90, 90));
    ASSERT_TRUE(bitmap.DrawMaskEx(canvas.DC(), &dest, 0, clrMask, RGB(5, 5, 5), 50));
    EXPECT_EQ(RGB(90, 90, 90), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(85, 94, 86), canvas.Pixel(7, 1));
    EXPECT_EQ(RGB(45, 125, 45), canvas.Pixel(10, 2));     // 0 + 45, 160 - 35, 0 + 45
    // one unit outside the tolerance in one channel is mixed instead
    canvas.Fill(RGB(90, 90, 90));
    ASSERT_TRUE(bitmap.DrawMaskEx(canvas.DC(), &dest, 0, clrMask, RGB(5, 3, 5), 50));
    EXPECT_EQ(RGB(170, 47, 171), canvas.Pixel(7, 1));     // 250 - 80, 4 + 43, 251 - 80

    // the percentage is not clamped here
    canvas.Fill(RGB(90, 90, 90));
    ASSERT_TRUE(bitmap.DrawMaskEx(canvas.DC(), &dest, 0, clrMask, 0, 150));
    EXPECT_EQ(RGB(135, 55, 135), canvas.Pixel(10, 0));    // 0 + 135, 160 - 105, 0 + 135

    // at another size: resampled first; inside the mask area the destination still stays
    CPixelCanvas large(24, 8, RGB(90, 90, 90));
    const CRect destLarge(0, 0, 24, 8);
    ASSERT_TRUE(bitmap.DrawMask(large.DC(), &destLarge, NULL, BMPEX_SMOOTH, clrMask, 0, 0));
    EXPECT_EQ(RGB(90, 90, 90), large.Pixel(3, 3));
    EXPECT_EQ(RGB(0, 160, 0), large.Pixel(22, 5));

    CBitmapEx empty;
    EXPECT_EQ(0, empty.DrawMaskEx(canvas.DC(), &dest, 0, clrMask, 0, 0));
    EXPECT_EQ(0, empty.DrawMask(canvas.DC(), &dest, NULL, 0, clrMask, 0, 0));
}

TEST(BitmapDraw, ThroughAnImageList)
{
    CBitmapEx bitmap;
    FillTestBitmap(bitmap, 20, 20, 24, TopRedBottomBlue);
    CPixelCanvas canvas(40, 40, RGB(0, 0, 0));

    // centred in the destination
    const CRect dest(0, 0, 40, 40);
    ASSERT_EQ(1, bitmap.Draw_ImLst(canvas.DC(), &dest, NULL, 0));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(9, 9));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(10, 10));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(29, 29));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(30, 30));

    // resampled when the smooth mode asks for another size
    canvas.Fill(RGB(0, 0, 0));
    ASSERT_EQ(1, bitmap.Draw_ImLst(canvas.DC(), &dest, NULL, BMPEX_FIT | BMPEX_ENLARGE | BMPEX_SMOOTH));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(39, 39));

    // an image whose centred top lies above 0 is handed over upside down
    canvas.Fill(RGB(0, 0, 0));
    const CRect high(0, -10, 20, 10);
    ASSERT_EQ(1, bitmap.Draw_ImLst(canvas.DC(), &high, NULL, 0));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(5, 0));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(5, 9));

    CBitmapEx empty;
    EXPECT_EQ(0, empty.Draw_ImLst(canvas.DC(), &dest, NULL, 0));
}

/////////////////////////////////////////////////////////////////////////////
// CombineWithBitmap

namespace
{
SCombineParams Params(int nPlacement, int nBlend)
{
    SCombineParams params;
    memset(&params, 0, sizeof(params));
    params.nPlacement = nPlacement;
    params.nBlendMode = nBlend;
    return params;
}

// d and s combined in one pixel with the blend mode
COLORREF Blend(COLORREF d, COLORREF s, int nBlend)
{
    CBitmapEx target, other;
    FillSolid(target, 1, 1, d);
    FillSolid(other, 1, 1, s);
    SCombineParams params = Params(COMBINE_PLACE_TOPLEFT, nBlend);
    target.CombineWithBitmap(&other, &params);
    return PixelFromTop(target, 0, 0);
}
}

TEST(CombineWithBitmap, BlendModes)
{
    const COLORREF d = RGB(200, 100, 16);
    const COLORREF s = RGB(100, 150, 3);
    EXPECT_EQ(s, Blend(d, s, COMBINE_BLEND_COPY));
    EXPECT_EQ(s, Blend(d, s, 12));
    EXPECT_EQ(s, Blend(d, s, -1));
    EXPECT_EQ(RGB(255, 250, 19), Blend(d, s, COMBINE_BLEND_ADD));
    EXPECT_EQ(RGB(100, 0, 13), Blend(d, s, COMBINE_BLEND_SUBTRACT));
    EXPECT_EQ(RGB(78, 58, 0), Blend(d, s, COMBINE_BLEND_MULTIPLY));      // s x d >> 8
    EXPECT_EQ(RGB(200, 150, 16), Blend(d, s, COMBINE_BLEND_LIGHTEN));
    EXPECT_EQ(RGB(100, 100, 3), Blend(d, s, COMBINE_BLEND_DARKEN));
    EXPECT_EQ(RGB(100, 50, 13), Blend(d, s, COMBINE_BLEND_DIFFERENCE));
    EXPECT_EQ(RGB(222, 192, 20), Blend(d, s, COMBINE_BLEND_SCREEN));     // 255 - (155 x 55 >> 8), ...
    EXPECT_EQ(RGB(200 | 100, 100 | 150, 16 | 3), Blend(d, s, COMBINE_BLEND_OR));
    EXPECT_EQ(RGB(200 & 100, 100 & 150, 16 & 3), Blend(d, s, COMBINE_BLEND_AND));
    EXPECT_EQ(RGB(200 ^ 100, 100 ^ 150, 16 ^ 3), Blend(d, s, COMBINE_BLEND_XOR));
    EXPECT_EQ(RGB(155, 105, 252), Blend(d, s, COMBINE_BLEND_INVERT));
}

TEST(CombineWithBitmap, KeyColourAndOpacity)
{
    const COLORREF clrKey = RGB(0, 255, 0);
    CBitmapEx target, other;
    FillSolid(target, 4, 1, RGB(100, 100, 100));
    FillTestBitmap(other, 4, 1, 24, [](int x, int) {
        static const COLORREF c[4] = { RGB(0, 255, 0), RGB(1, 254, 1), RGB(3, 250, 2), RGB(200, 10, 10) };
        return c[x];
    });
    SCombineParams params = Params(COMBINE_PLACE_TOPLEFT, COMBINE_BLEND_COPY);
    params.bUseKey = TRUE;
    params.clrKey = clrKey;
    params.clrKeyTolerance = RGB(5, 5, 5);
    target.CombineWithBitmap(&other, &params);
    EXPECT_EQ(RGB(100, 100, 100), PixelFromTop(target, 0, 0));   // the key itself: skipped
    EXPECT_EQ(RGB(100, 100, 100), PixelFromTop(target, 1, 0));   // one step away: skipped
    EXPECT_EQ(RGB(103, 95, 102), PixelFromTop(target, 2, 0));    // within tolerance: shaded
    EXPECT_EQ(RGB(200, 10, 10), PixelFromTop(target, 3, 0));     // outside: copied

    // opacity: ((r - d) x a + d x 256) >> 8 with a = 255 - trunc(transparency x 255 / 100)
    CBitmapEx mixed, source;
    FillSolid(mixed, 2, 2, RGB(200, 0, 40));
    FillSolid(source, 2, 2, RGB(0, 200, 41));
    params = Params(COMBINE_PLACE_CENTER, COMBINE_BLEND_COPY);
    params.bUseOpacity = TRUE;
    params.nTransparency = 30;                      // a = 255 - 76 = 179
    mixed.CombineWithBitmap(&source, &params);
    EXPECT_EQ(RGB((-200 * 179 + 200 * 256) >> 8, (200 * 179) >> 8, (1 * 179 + 40 * 256) >> 8),
        PixelFromTop(mixed, 1, 1));
    params.nTransparency = 0;                       // opaque
    mixed.CombineWithBitmap(&source, &params);
    EXPECT_EQ(RGB(0, 199, 40), PixelFromTop(mixed, 0, 0));  // a = 255 leaves a unit behind
}

TEST(CombineWithBitmap, Placement)
{
    struct SCase
    {
        int nPlacement;
        int x, y;       // where the 2 x 2 other bitmap lands in the 6 x 5 target
    };
    const SCase cases[] = {
        { COMBINE_PLACE_CENTER, 2, 1 }, { COMBINE_PLACE_MIDDLECENTER, 2, 1 },
        { COMBINE_PLACE_TOPLEFT, 0, 0 }, { COMBINE_PLACE_TOPCENTER, 2, 0 }, { COMBINE_PLACE_TOPRIGHT, 4, 0 },
        { COMBINE_PLACE_MIDDLELEFT, 0, 1 }, { COMBINE_PLACE_MIDDLERIGHT, 4, 1 },
        { COMBINE_PLACE_BOTTOMLEFT, 0, 3 }, { COMBINE_PLACE_BOTTOMCENTER, 2, 3 },
        { COMBINE_PLACE_BOTTOMRIGHT, 4, 3 },
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++)
    {
        CBitmapEx target, other;
        FillSolid(target, 6, 5, RGB(0, 0, 0));
        FillTestBitmap(other, 2, 2, 24, [](int x, int y) { return RGB(10 + x, 20 + y, 30); });
        SCombineParams params = Params(cases[i].nPlacement, COMBINE_BLEND_COPY);
        target.CombineWithBitmap(&other, &params);
        for (int y = 0; y < 5; y++)
            for (int x = 0; x < 6; x++)
            {
                const int dx = x - cases[i].x, dy = y - cases[i].y;
                const COLORREF clr = dx >= 0 && dx < 2 && dy >= 0 && dy < 2 ? RGB(10 + dx, 20 + dy, 30) : 0;
                ASSERT_EQ(clr, PixelFromTop(target, x, y)) << "placement " << cases[i].nPlacement
                    << " at " << x << "," << y;
            }
    }

    // only the overlap is worked: a larger picture centred is cut on all sides
    CBitmapEx target, big;
    FillSolid(target, 2, 2, RGB(0, 0, 0));
    FillTestBitmap(big, 6, 6, 24, [](int x, int y) { return RGB(x, y, 99); });
    SCombineParams params = Params(COMBINE_PLACE_CENTER, COMBINE_BLEND_COPY);
    target.CombineWithBitmap(&big, &params);
    EXPECT_EQ(RGB(2, 2, 99), PixelFromTop(target, 0, 0));
    EXPECT_EQ(RGB(3, 3, 99), PixelFromTop(target, 1, 1));
    params = Params(COMBINE_PLACE_BOTTOMRIGHT, COMBINE_BLEND_COPY);
    target.CombineWithBitmap(&big, &params);
    EXPECT_EQ(RGB(4, 4, 99), PixelFromTop(target, 0, 0));
}

TEST(CombineWithBitmap, StretchAndFitRescaleTheOtherBitmap)
{
    // a 2 x 2 picture over 8 x 4: stretched to cover it, or fitted to 4 x 4 in the middle
    const struct { int nPlacement; int cx, xFirst, xLast; } cases[] = {
        { COMBINE_PLACE_STRETCH, 8, 0, 7 }, { COMBINE_PLACE_FIT, 4, 2, 5 } };
    for (const auto& c : cases)
    {
        CBitmapEx target, other;
        FillSolid(target, 8, 4, RGB(0, 0, 0));
        FillSolid(other, 2, 2, RGB(70, 80, 90));
        SCombineParams params = Params(c.nPlacement, COMBINE_BLEND_COPY);
        target.CombineWithBitmap(&other, &params);
        EXPECT_EQ(CSize(c.cx, 4), other.GetRect().Size());
        for (int x = 0; x < 8; x++)
            EXPECT_EQ(x >= c.xFirst && x <= c.xLast ? RGB(70, 80, 90) : RGB(0, 0, 0),
                PixelFromTop(target, x, x % 4)) << c.nPlacement << " at " << x;
    }
}

TEST(CombineWithBitmap, DepthsAndMissingArguments)
{
    // 32-bit bitmaps are worked as they are; the fourth byte is left alone
    CBitmapEx target, other;
    FillSolid(target, 2, 2, RGB(1, 2, 3), 32);
    target.SetPixel(0, 0, 0x7F010203);
    FillSolid(other, 2, 2, RGB(9, 8, 7), 32);
    SCombineParams params = Params(COMBINE_PLACE_TOPLEFT, COMBINE_BLEND_COPY);
    target.CombineWithBitmap(&other, &params);
    EXPECT_EQ(32, target.GetBitsPerPixel());
    EXPECT_EQ(0x7F090807u, target.GetPixel(0, 0));

    // nothing happens without the other bitmap or the parameters
    CBitmapEx empty;
    target.CombineWithBitmap(&empty, &params);
    target.CombineWithBitmap(NULL, &params);
    target.CombineWithBitmap(&other, NULL);
    EXPECT_EQ(0x7F090807u, target.GetPixel(0, 0));
}
