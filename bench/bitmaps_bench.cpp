// bitmaps_bench.cpp - resampling and sharpening speed.
//
// ScaleBitmapEx against GDI's StretchBlt in HALFTONE mode on the same 24-bit pictures, halving
// and tripling them; both make a new screen-compatible bitmap from the source bitmap each time.
// SharpBitmap against a plain double-precision loop of the same kernel.  Rates are megapixels
// of the picture written per second; the ratio is ours over the baseline.
#include <WEXOctrl.h>
#include <stdio.h>
#include <math.h>
#include <string.h>
#include <vector>

namespace
{
double Now()
{
    static LARGE_INTEGER s_freq;
    if (s_freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&s_freq);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)s_freq.QuadPart;
}

// Seconds per call of two functions, measured in alternating rounds of enough calls to last a
// while; the best round of each counts, so that a busy moment of the machine decides neither.
template<class F, class G> void TimeBoth(F fnOurs, G fnBase, double& dOurs, double& dBase)
{
    fnOurs();
    fnBase();
    int nCalls = 1;
    for (;;)
    {
        const double t0 = Now();
        for (int i = 0; i < nCalls; i++)
            fnOurs();
        if (Now() - t0 > 0.1)
            break;
        nCalls *= 2;
    }
    dOurs = dBase = 1e30;
    for (int nRound = 0; nRound < 7; nRound++)
    {
        double t0 = Now();
        for (int i = 0; i < nCalls; i++)
            fnOurs();
        const double d1 = (Now() - t0) / nCalls;
        t0 = Now();
        for (int i = 0; i < nCalls; i++)
            fnBase();
        const double d2 = (Now() - t0) / nCalls;
        if (d1 < dOurs)
            dOurs = d1;
        if (d2 < dBase)
            dBase = d2;
    }
}

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
    double dOurs, dGdi;
    TimeBoth([&] { ::DeleteObject(ScaleBitmapEx(hSource, (WORD)cx, (WORD)cy)); },
        [&] { ::DeleteObject(StretchHalftone(hSource, cxSource, cySource, cx, cy)); }, dOurs, dGdi);
    const double dMpx = (double)cx * cy / 1e6;
    printf("%-28s %4dx%-4d -> %4dx%-4d  ScaleBitmapEx %8.1f Mpx/s  StretchBlt HALFTONE %8.1f Mpx/s"
        "  ratio %5.2f\n", lpszName, cxSource, cySource, cx, cy, dMpx / dOurs, dMpx / dGdi,
        dGdi / dOurs);
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
    double dOurs, dPlain;
    TimeBoth([&] { SharpBitmap(hPicture, 1); },
        [&] { SharpenPlain((BYTE*)pv, cx, cy, nStride, 1); }, dOurs, dPlain);
    const double dMpx = (double)cx * cy / 1e6;
    printf("%-28s %4dx%-4d                SharpBitmap   %8.1f Mpx/s  plain double loop   %8.1f Mpx/s"
        "  ratio %5.2f\n", "sharpen, strength 1", cx, cy, dMpx / dOurs, dMpx / dPlain,
        dPlain / dOurs);
    ::DeleteObject(hPicture);
}
}

int main()
{
    printf("bitmaps: rates in megapixels written per second; ratio = baseline time / our time\n");
    CompareScaling("halve (2x down)", 1600, 1200, 800, 600);
    CompareScaling("halve (2x down)", 640, 480, 320, 240);
    CompareScaling("triple (3x up)", 640, 480, 1920, 1440);
    CompareScaling("triple (3x up)", 200, 150, 600, 450);
    CompareSharpening(1600, 1200);
    return 0;
}
