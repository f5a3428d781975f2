// bitmaps_bench.cpp - resampling and sharpening speed.
//
// ScaleBitmapEx against GDI's StretchBlt in HALFTONE mode on the same 24-bit pictures, halving
// and tripling them; both make a new screen-compatible bitmap from the source bitmap each time.
// SharpBitmap against a plain double-precision loop of the same kernel.
#include <WEXOctrl.h>
#include "BenchHarness.h"
#include <stdio.h>
#include <math.h>
#include <string.h>
#include <vector>

namespace
{
HBITMAP CreatePicture(int cx, int cy, int nBitCount, void** ppBits)
{
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = (WORD)nBitCount;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pv = NULL;
    HBITMAP h = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pv, NULL, 0);
    // smooth gradients with some noise: what photographs look like to a resampler
    const int nStride = ((cx * nBitCount + 31) / 32) * 4;
    unsigned seed = 12345;
    for (int y = 0; y < cy; y++)
    {
        BYTE* p = (BYTE*)pv + (size_t)y * nStride;
        for (int x = 0; x < cx * nBitCount / 8; x++)
        {
            seed = seed * 1103515245 + 12345;
            p[x] = (BYTE)((x / 3 + y) / 8 + ((seed >> 16) & 31));
        }
    }
    if (ppBits != NULL)
        *ppBits = pv;
    return h;
}

HBITMAP StretchHalftone(HBITMAP hSource, int cxSource, int cySource, int cx, int cy)
{
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hResult = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HDC hSrc = ::CreateCompatibleDC(hScreen);
    HDC hDst = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOldSrc = ::SelectObject(hSrc, hSource);
    HGDIOBJ hOldDst = ::SelectObject(hDst, hResult);
    ::SetStretchBltMode(hDst, HALFTONE);
    ::SetBrushOrgEx(hDst, 0, 0, NULL);
    ::StretchBlt(hDst, 0, 0, cx, cy, hSrc, 0, 0, cxSource, cySource, SRCCOPY);
    ::SelectObject(hSrc, hOldSrc);
    ::SelectObject(hDst, hOldDst);
    ::DeleteDC(hSrc);
    ::DeleteDC(hDst);
    return hResult;
}

void CompareScaling(const char* lpszName, int cxSource, int cySource, int cx, int cy)
{
    HBITMAP hSource = CreatePicture(cxSource, cySource, 24, NULL);
    const Bench::SResult r = Bench::Compare(
        [&] { ::DeleteObject(ScaleBitmapEx(hSource, (WORD)cx, (WORD)cy)); },
        [&] { ::DeleteObject(StretchHalftone(hSource, cxSource, cySource, cx, cy)); });
    char szName[80];
    sprintf(szName, "%s %dx%d -> %dx%d", lpszName, cxSource, cySource, cx, cy);
    Bench::Report(szName, r, "StretchBlt HALFTONE");
    ::DeleteObject(hSource);
}

// The kernel as a plain loop in double precision, for scale.
void SharpenPlain(BYTE* pBits, int cx, int cy, int nStride, int nStrength)
{
    const double k = (10 - nStrength) * 5 + 1;
    const double a = 1.0 / k;
    const double b = 1.0 / ((1.0 + a) * 4.0);
    const double c = b * a;
    const double kernel[3][3] = { { -c, -b, -c }, { -b, 2.0, -b }, { -c, -b, -c } };
    std::vector<BYTE> copy(pBits, pBits + (size_t)nStride * cy);
    for (int y = 1; y < cy - 1; y++)
        for (int x = 1; x < cx - 1; x++)
            for (int ch = 0; ch < 3; ch++)
            {
                double v = 0.0;
                for (int j = -1; j <= 1; j++)
                    for (int i = -1; i <= 1; i++)
                        v += kernel[j + 1][i + 1] * copy[(size_t)(y + j) * nStride + (x + i) * 3 + ch];
                pBits[(size_t)y * nStride + x * 3 + ch] = (BYTE)(v < 0 ? 0 : (v > 255 ? 255 : v));
            }
}

void CompareSharpening(int cx, int cy)
{
    void* pv = NULL;
    HBITMAP hPicture = CreatePicture(cx, cy, 24, &pv);
    const int nStride = ((cx * 24 + 31) / 32) * 4;
    const Bench::SResult r = Bench::Compare([&] { SharpBitmap(hPicture, 1); },
        [&] { SharpenPlain((BYTE*)pv, cx, cy, nStride, 1); });
    char szName[80];
    sprintf(szName, "sharpen, strength 1, %dx%d", cx, cy);
    Bench::Report(szName, r, "plain double loop", true);
    ::DeleteObject(hPicture);
}
}

int main()
{
    Bench::Heading("bitmaps");
    CompareScaling("halve", 1600, 1200, 800, 600);
    CompareScaling("halve", 640, 480, 320, 240);
    CompareScaling("triple", 640, 480, 1920, 1440);
    CompareScaling("triple", 200, 150, 600, 450);
    CompareSharpening(1600, 1200);
    return 0;
}
