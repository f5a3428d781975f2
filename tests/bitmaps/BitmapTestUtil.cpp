// BitmapTestUtil.cpp - helpers of the bitmap tests.
#include "BitmapTestUtil.h"
#include <string.h>

namespace
{
// an uncompressed header; a negative height makes the rows top-down
BITMAPINFO PlainInfo(int cx, int cy, int nBitCount)
{
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = (WORD)nBitCount;
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}
}

void FillTestBitmap(CBitmapEx& bitmap, int cx, int cy, int nBitCount, PFNTESTPATTERN pfn)
{
    if (nBitCount == 32)
        bitmap.CreateDIBitmap32(NULL, cx, cy);
    else
        bitmap.CreateDIBitmap(NULL, cx, cy);
    // rows are stored bottom-up: pixel row cy - 1 - y is picture row y
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            const COLORREF clr = pfn(x, y);
            bitmap.SetPixel(x, cy - 1 - y, (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr));
        }
}

std::vector<COLORREF> ReadTestPixels(HBITMAP hBitmap, int& cx, int& cy)
{
    BITMAP bm;
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    cx = bm.bmWidth;
    cy = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
    BITMAPINFO bmi = PlainInfo(cx, -cy, 32);
    std::vector<DWORD> raw((size_t)cx * cy);
    HDC hdc = ::GetDC(NULL);
    ::GetDIBits(hdc, hBitmap, 0, cy, &raw[0], &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hdc);
    std::vector<COLORREF> pixels(raw.size());
    for (size_t i = 0; i < raw.size(); i++)
        pixels[i] = RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF);
    return pixels;
}

std::vector<COLORREF> PaintedPixels(CDib& dib)
{
    CPixelCanvas canvas(dib.Width(), dib.Height(), RGB(1, 1, 1));
    std::vector<COLORREF> pixels;
    if (!dib.Paint(canvas.DC().m_hDC, NULL, NULL))
        return pixels;
    for (int y = 0; y < dib.Height(); y++)
        for (int x = 0; x < dib.Width(); x++)
            pixels.push_back(canvas.Pixel(x, y));
    return pixels;
}

HBITMAP CreateTestDib(int cx, int cy, PFNTESTPATTERN pfn, bool bTopDown)
{
    BITMAPINFO bmi = PlainInfo(cx, bTopDown ? -cy : cy, 24);
    void* pv = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pv, NULL, 0);
    const int nStride = ((cx * 24 + 31) / 32) * 4;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            BYTE* p = (BYTE*)pv + (size_t)(bTopDown ? y : cy - 1 - y) * nStride + x * 3;
            const COLORREF clr = pfn(x, y);
            p[0] = GetBValue(clr);
            p[1] = GetGValue(clr);
            p[2] = GetRValue(clr);
        }
    return hBitmap;
}

namespace
{
// length of [a0, a1) inside [b0, b1)
double Overlap(double a0, double a1, double b0, double b1)
{
    const double lo = a0 > b0 ? a0 : b0;
    const double hi = a1 < b1 ? a1 : b1;
    return hi > lo ? hi - lo : 0.0;
}
}

double AreaAverage(const std::vector<COLORREF>& source, int cxSource, int cySource, int cxDest,
    int cyDest, int x, int y, int nChannel)
{
    const double fx = (double)cxSource / cxDest;
    const double fy = (double)cySource / cyDest;
    const double x0 = x * fx, x1 = (x + 1) * fx;
    const double y0 = y * fy, y1 = (y + 1) * fy;
    double sum = 0.0;
    for (int j = (int)y0; j < cySource && j < y1; j++)
    {
        const double wy = Overlap(j, j + 1, y0, y1);
        for (int i = (int)x0; i < cxSource && i < x1; i++)
            sum += Channel(source[(size_t)j * cxSource + i], nChannel) * wy * Overlap(i, i + 1, x0, x1);
    }
    return sum / (fx * fy);
}
