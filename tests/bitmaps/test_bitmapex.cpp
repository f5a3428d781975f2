// test_bitmapex.cpp - CBitmapEx: placement arithmetic, making the DIB, pixel access in 24 and 32
// bits, palette, memory DC and rescaling in place.
#include "BitmapTestUtil.h"
#include <gtest/gtest.h>
#include <string.h>
#include "wexotest.h"

namespace
{
COLORREF Gradient(int x, int y)
{
    return RGB(x * 20, y * 30, 200 - x * 10);
}

CRect FitRect(CBitmapEx& bitmap, int cxSource, int cySource, const CRect& rectDest, WORD wMode)
{
    const CRect rectSource(0, 0, cxSource, cySource);
    return bitmap.CalcDestRect(&rectDest, &rectSource, wMode);
}
}

TEST(CalcDestRect, FitsKeepingProportionsAndCentres)
{
    CBitmapEx bitmap;
    const CRect dest(0, 0, 100, 100);
    // wider than the destination: the width decides, centred vertically
    EXPECT_EQ(CRect(0, 25, 100, 75), FitRect(bitmap, 200, 100, dest, BMPEX_FIT));
    // taller: the height decides, centred horizontally
    EXPECT_EQ(CRect(25, 0, 75, 100), FitRect(bitmap, 100, 200, dest, BMPEX_FIT));
    // smaller: kept at its size unless enlarging is asked for
    EXPECT_EQ(CRect(25, 37, 75, 62), FitRect(bitmap, 50, 25, dest, BMPEX_FIT));
    EXPECT_EQ(CRect(0, 25, 100, 75), FitRect(bitmap, 50, 25, dest, BMPEX_FIT | BMPEX_ENLARGE));
    // the free space is halved by integer division, the size rounded to the nearest pixel
    EXPECT_EQ(CRect(10, 20 + 7, 10 + 60, 20 + 7 + 26), FitRect(bitmap, 300, 130, CRect(10, 20, 70, 60), BMPEX_FIT));
    EXPECT_EQ(CRect(1, 0, 2, 3), FitRect(bitmap, 1, 3, CRect(0, 0, 3, 3), BMPEX_FIT | BMPEX_ENLARGE));
    // an empty destination leaves nothing to draw into
    EXPECT_TRUE(FitRect(bitmap, 10, 10, CRect(5, 5, 5, 50), BMPEX_FIT).IsRectEmpty());
}

TEST(CalcDestRect, DefaultsAndModesWithoutFitting)
{
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.CreateDIBitmap(NULL, 40, 30));
    const CRect dest(5, 5, 205, 105);
    // without the fit bit the destination is taken as it is, whatever else is set
    EXPECT_EQ(dest, bitmap.CalcDestRect(&dest, NULL, 0));
    EXPECT_EQ(dest, bitmap.CalcDestRect(&dest, NULL, BMPEX_SMOOTH | BMPEX_ENLARGE | BMPEX_SHARPEN));
    // no source: the whole bitmap; no destination: the source
    EXPECT_EQ(CRect(85, 40, 125, 70), bitmap.CalcDestRect(&dest, NULL, BMPEX_FIT));
    EXPECT_EQ(CRect(0, 0, 40, 30), bitmap.CalcDestRect(NULL, NULL, BMPEX_FIT));
    const CRect part(10, 10, 20, 15);
    EXPECT_EQ(part, bitmap.CalcDestRect(NULL, &part, BMPEX_FIT | BMPEX_ENLARGE));
    EXPECT_EQ(CRect(5, 5, 205, 105), bitmap.CalcDestRect(&dest, &part, BMPEX_FIT | BMPEX_ENLARGE));
}

TEST(CBitmapEx, MakesBottomUpDibsOfTheAskedDepth)
{
    for (int nBits = 24; nBits <= 32; nBits += 8)
    {
        CBitmapEx bitmap;
        ASSERT_TRUE(nBits == 24 ? bitmap.CreateDIBitmap(NULL, 7, 5) : bitmap.CreateDIBitmap32(NULL, 7, 5));
        EXPECT_EQ(7, bitmap.Width());
        EXPECT_EQ(5, bitmap.Height());
        EXPECT_EQ(nBits, bitmap.GetBitsPerPixel());
        EXPECT_EQ(nBits == 24 ? 24 : 28, bitmap.ByteWidth());
        EXPECT_EQ(CRect(0, 0, 7, 5), bitmap.GetRect());
        const BITMAPINFO* pbmi = bitmap.GetBitmapInfo();
        ASSERT_TRUE(pbmi != NULL);
        EXPECT_EQ(5, pbmi->bmiHeader.biHeight);
        DIBSECTION ds;
        EXPECT_EQ((int)sizeof(ds), ::GetObjectA(bitmap.m_hObject, sizeof(ds), &ds));
        EXPECT_EQ(bitmap.GetBits(), (BYTE*)ds.dsBm.bmBits);
    }
    CBitmapEx bitmap;
    EXPECT_EQ(0, bitmap.CreateDIBitmap(NULL, 0, 5));
    EXPECT_EQ(0, bitmap.CreateDIBitmap(NULL, 5, -1));
    EXPECT_TRUE(bitmap.GetSafeHandle() == NULL);
    EXPECT_EQ(0, bitmap.Width());
    EXPECT_TRUE(bitmap.GetBits() == NULL);
}

TEST(CBitmapEx, PixelAccessFollowsTheMemoryLayout)
{
    for (int nBits = 24; nBits <= 32; nBits += 8)
    {
        CBitmapEx bitmap;
        ASSERT_TRUE(nBits == 24 ? bitmap.CreateDIBitmap(NULL, 5, 3) : bitmap.CreateDIBitmap32(NULL, 5, 3));
        const int nBytes = nBits / 8;
        const DWORD dwMask = nBits == 24 ? 0xFFFFFF : 0xFFFFFFFF;
        for (int y = 0; y < 3; y++)
            for (int x = 0; x < 5; x++)
                bitmap.SetPixel(x, y, 0xA0000000 | (x << 16) | (y << 8) | 0x40);
        BYTE* pBits = bitmap.GetBits();
        for (int y = 0; y < 3; y++)
            for (int x = 0; x < 5; x++)
            {
                const DWORD dwExpected = (0xA0000000 | (x << 16) | (y << 8) | 0x40) & dwMask;
                EXPECT_EQ(dwExpected, bitmap.GetPixel(x, y)) << nBits << " bits at " << x << "," << y;
                // blue, green, red (, fourth) in memory at bits + y x row length + x x bytes
                const BYTE* p = pBits + y * bitmap.ByteWidth() + x * nBytes;
                EXPECT_EQ(0x40, p[0]);
                EXPECT_EQ(y, p[1]);
                EXPECT_EQ(x, p[2]);
                if (nBytes == 4)
                {
                    EXPECT_EQ(0xA0, p[3]);
                }
            }
        // the rows lie bottom-up: row 0 is the bottom line of what GDI draws
        CDC* pDC = bitmap.GetMemDC();
        ASSERT_TRUE(pDC != NULL);
        pDC->FillSolidRect(0, 0, 5, 1, RGB(10, 20, 30));
        bitmap.ReleaseMemDC();
        EXPECT_EQ(0x0A141Eu, bitmap.GetPixel(3, 2));
        EXPECT_NE(0x0A141Eu, bitmap.GetPixel(3, 0));

        // outside the picture nothing is read or written
        bitmap.SetPixel(5, 0, 0x123456);
        bitmap.SetPixel(-1, 0, 0x123456);
        bitmap.SetPixel(0, 3, 0x123456);
        EXPECT_EQ(0u, bitmap.GetPixel(5, 0));
        EXPECT_EQ(0u, bitmap.GetPixel(0, -1));
        EXPECT_EQ((DWORD)((0xA0000000 | (4 << 16) | (1 << 8) | 0x40) & dwMask), bitmap.GetPixel(4, 1));
    }
    CBitmapEx empty;
    EXPECT_EQ(0u, empty.GetPixel(0, 0));
    empty.SetPixel(0, 0, 1);
}

TEST(CBitmapEx, CombinePixelMixesWithTheGivenColour)
{
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.CreateDIBitmap(NULL, 4, 1));
    bitmap.SetPixel(0, 0, 0xFFFFFF);
    bitmap.SetPixel(1, 0, 0x204060);
    bitmap.SetPixel(2, 0, 0x204060);
    bitmap.SetPixel(3, 0, 0x204060);
    bitmap.CombinePixel(0, 0, 0x000000, 12345, 50);
    bitmap.CombinePixel(1, 0, 0xFFFFFF, 0, 100);
    bitmap.CombinePixel(2, 0, 0x0A0B0C, 0, 0);
    bitmap.CombinePixel(3, 0, 0x000000, 0, 25);
    EXPECT_EQ(0x7F7F7Fu, bitmap.GetPixel(0, 0));    // half way, truncated
    EXPECT_EQ(0x204060u, bitmap.GetPixel(1, 0));    // 100 keeps the pixel
    EXPECT_EQ(0x0A0B0Cu, bitmap.GetPixel(2, 0));    // 0 gives the colour
    EXPECT_EQ(0x081018u, bitmap.GetPixel(3, 0));    // a quarter of each channel stays
}

TEST(CBitmapEx, CopiesSourcesAndTakesOverForeignBitmaps)
{
    CBitmapEx source;
    FillTestBitmap(source, 6, 4, 24, Gradient);

    // a copy at the top-left corner of a larger bitmap; the rest is black
    CBitmapEx larger;
    ASSERT_TRUE(larger.CreateDIBitmap32(NULL, 8, 6, (HBITMAP)source.m_hObject));
    CPixelCanvas canvas(8, 6);
    ASSERT_TRUE(larger.Draw(&canvas.DC()));
    for (int y = 0; y < 6; y++)
        for (int x = 0; x < 8; x++)
            ASSERT_EQ(x < 6 && y < 4 ? Gradient(x, y) : RGB(0, 0, 0), canvas.Pixel(x, y)) << x << "," << y;

    // rebuilding from its own handle keeps the picture
    ASSERT_TRUE(source.CreateDIBitmap(NULL, 6, 4, (HBITMAP)source.m_hObject));
    CPixelCanvas canvas2(6, 4);
    ASSERT_TRUE(source.Draw(&canvas2.DC()));
    EXPECT_EQ(Gradient(5, 3), canvas2.Pixel(5, 3));

    // from raw rows
    BYTE rows[2 * 8];
    memset(rows, 0, sizeof(rows));
    rows[0] = 1; rows[1] = 2; rows[2] = 3;     // bottom row, first pixel
    CBitmapEx fromBits;
    ASSERT_TRUE(fromBits.CreateDIBitmap(NULL, 2, 2, NULL, rows));
    EXPECT_EQ(0x030201u, fromBits.GetPixel(0, 0));

    // a device-dependent bitmap attached from outside becomes a DIB when its bits are needed
    CClientDC dcScreen(NULL);
    HBITMAP hDevice = ::CreateCompatibleBitmap(dcScreen.m_hDC, 3, 2);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dcScreen);
    HGDIOBJ hOld = ::SelectObject(dcMem.m_hDC, hDevice);
    dcMem.FillSolidRect(0, 0, 3, 2, RGB(1, 2, 3));
    ::SelectObject(dcMem.m_hDC, hOld);
    CBitmapEx attached;
    attached.Attach(hDevice);
    ASSERT_TRUE(attached.GetBits() != NULL);
    EXPECT_EQ(3, attached.Width());
    EXPECT_EQ(0x010203u, attached.GetPixel(2, 1) & 0xFFFFFF);
}

TEST(CBitmapEx, HeadersForBitmapsAndFromFiles)
{
    // depths are rounded up to one a DIB can have, with room for their colour table
    CBitmapEx bitmap;
    const struct { WORD wPlanes, wBits, wExpected; DWORD dwColors; } depths[] = {
        { 1, 1, 1, 2 }, { 1, 2, 4, 16 }, { 1, 7, 8, 256 }, { 1, 15, 16, 0 }, { 3, 8, 24, 0 }, { 1, 32, 32, 0 } };
    for (const auto& d : depths)
    {
        BITMAP b = { 0, 5, 3, 0, d.wPlanes, d.wBits, NULL };
        BITMAPINFO* pbmi = bitmap.CreateBitmapInfoStruct(&b);
        ASSERT_TRUE(pbmi != NULL);
        EXPECT_EQ(5, pbmi->bmiHeader.biWidth);
        EXPECT_EQ(3, pbmi->bmiHeader.biHeight);
        EXPECT_EQ(d.wExpected, pbmi->bmiHeader.biBitCount) << d.wBits;
        EXPECT_EQ(d.dwColors, pbmi->bmiHeader.biClrUsed) << d.wBits;
        EXPECT_GE(::LocalSize(pbmi), sizeof(BITMAPINFOHEADER) + d.dwColors * sizeof(RGBQUAD));
        ::LocalFree(pbmi);
    }
    BITMAP empty = { 0, 0, 4, 0, 1, 24, NULL };
    EXPECT_TRUE(bitmap.CreateBitmapInfoStruct(&empty) == NULL);
    EXPECT_TRUE(bitmap.CreateBitmapInfoStruct(NULL) == NULL);

    // a core header with its colour triples, read where the file stands, up to the table's end
    const unsigned char core[] = { 12, 0, 0, 0, 7, 0, 2, 0, 1, 0, 1, 0, 1, 2, 3, 4, 5, 6, 0xAA };
    CMemFile file((BYTE*)core, sizeof(core));
    ASSERT_TRUE(bitmap.LoadBITMAPINFOHEADER(file));
    EXPECT_EQ((ULONGLONG)18, file.GetPosition());
    const BITMAPINFO* pHeader = bitmap.GetBitmapInfo();
    ASSERT_TRUE(pHeader != NULL);
    EXPECT_EQ(7, pHeader->bmiHeader.biWidth);
    EXPECT_EQ(1, pHeader->bmiHeader.biBitCount);
    EXPECT_EQ(2u, pHeader->bmiHeader.biClrUsed);
    EXPECT_EQ(3, pHeader->bmiColors[0].rgbRed);
    EXPECT_EQ(4, pHeader->bmiColors[1].rgbBlue);
    EXPECT_TRUE(bitmap.GetSafeHandle() == NULL);
    // a header cut short is refused (broken headers at large are tested with the BMP files)
    CMemFile shortFile((BYTE*)core, 10);
    EXPECT_EQ(0, bitmap.LoadBITMAPINFOHEADER(shortFile));
    EXPECT_TRUE(bitmap.GetBitmapInfo() == NULL);
}

TEST(CBitmapEx, HalftonePaletteWithoutColourTable)
{
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.CreateDIBitmap(NULL, 4, 4));
    EXPECT_EQ(0, bitmap.GetNumPaletteColors());
    EXPECT_TRUE(bitmap.GetPalette() == NULL);
    ASSERT_TRUE(bitmap.CreatePalette());
    ASSERT_TRUE(bitmap.GetPalette() != NULL);
    EXPECT_GT(bitmap.GetPalette()->GetEntryCount(), 16);
}

TEST(CBitmapEx, MemoryDcHoldsTheBitmapUntilReleased)
{
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.CreateDIBitmap(NULL, 10, 10));
    CDC* pDC = bitmap.GetMemDC();
    ASSERT_TRUE(pDC != NULL);
    EXPECT_EQ(pDC, bitmap.GetMemDC());
    EXPECT_EQ(bitmap.m_hObject, ::GetCurrentObject(pDC->m_hDC, OBJ_BITMAP));
    pDC->FillSolidRect(2, 2, 3, 3, RGB(255, 0, 0));
    bitmap.ReleaseMemDC();
    EXPECT_EQ(0xFF0000u, bitmap.GetPixel(3, 6));
    bitmap.ReleaseMemDC();

    // deleting the image releases the DC with it, and the object can be used again
    ASSERT_TRUE(bitmap.GetMemDC() != NULL);
    EXPECT_TRUE(bitmap.DeleteObject());
    EXPECT_TRUE(bitmap.GetSafeHandle() == NULL);
    EXPECT_TRUE(bitmap.GetMemDC() == NULL);
    ASSERT_TRUE(bitmap.CreateDIBitmap(NULL, 3, 3));
    EXPECT_TRUE(bitmap.GetMemDC() != NULL);
}

TEST(CBitmapEx, ScaleBitmapResamplesInPlace)
{
    CBitmapEx bitmap;
    FillTestBitmap(bitmap, 40, 20, 24, Gradient);
    // without fitting the asked size is taken
    ASSERT_TRUE(bitmap.ScaleBitmap(10, 30, BMPEX_SMOOTH));
    EXPECT_EQ(10, bitmap.Width());
    EXPECT_EQ(30, bitmap.Height());
    // fitting keeps the proportions
    ASSERT_TRUE(bitmap.ScaleBitmap(100, 100, BMPEX_FIT | BMPEX_ENLARGE));
    EXPECT_EQ(33, bitmap.Width());
    EXPECT_EQ(100, bitmap.Height());
    EXPECT_EQ(24, bitmap.GetBitsPerPixel());
    // the same size changes nothing
    const DWORD dwBefore = bitmap.GetPixel(5, 5);
    HGDIOBJ hBefore = bitmap.m_hObject;
    ASSERT_TRUE(bitmap.ScaleBitmap(33, 100, 0));
    EXPECT_EQ(hBefore, bitmap.m_hObject);
    EXPECT_EQ(dwBefore, bitmap.GetPixel(5, 5));

    // the result equals ScaleBitmapEx's, sharpened when asked
    CBitmapEx a, b;
    FillTestBitmap(a, 40, 20, 32, Gradient);
    FillTestBitmap(b, 40, 20, 32, Gradient);
    HBITMAP hExpected = ScaleBitmapEx((HBITMAP)a.m_hObject, 20, 10);
    SharpBitmap(hExpected, 1);
    ASSERT_TRUE(b.ScaleBitmap(20, 10, BMPEX_SMOOTH | BMPEX_SHARPEN));
    EXPECT_EQ(32, b.GetBitsPerPixel());
    int cx, cy, cx2, cy2;
    EXPECT_EQ(ReadTestPixels(hExpected, cx, cy), ReadTestPixels((HBITMAP)b.m_hObject, cx2, cy2));
    ::DeleteObject(hExpected);

    CBitmapEx empty;
    EXPECT_EQ(0, empty.ScaleBitmap(10, 10, 0));
}
