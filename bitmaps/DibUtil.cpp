// DibUtil.cpp - helpers shared by the bitmap sources.
#include "DibUtil.h"
#include "BitmapEx.h"

#include <string.h>

namespace DibUtil
{
void InitHeader(BITMAPINFOHEADER& bih, int nWidth, int nHeight, int nBitCount)
{
    memset(&bih, 0, sizeof(bih));
    bih.biSize = sizeof(BITMAPINFOHEADER);
    bih.biWidth = nWidth;
    bih.biHeight = nHeight;
    bih.biPlanes = 1;
    bih.biBitCount = (WORD)nBitCount;
    bih.biCompression = BI_RGB;
    bih.biSizeImage = (DWORD)RowBytes(nWidth, nBitCount) * (DWORD)(nHeight < 0 ? -nHeight : nHeight);
}

BOOL ReadPixels(HBITMAP hBitmap, int nBitCount, CPixels& pixels)
{
    BITMAP bm;
    if (hBitmap == NULL || ::GetObjectA(hBitmap, sizeof(bm), &bm) == 0)
        return FALSE;
    if (bm.bmWidth <= 0 || bm.bmHeight == 0)
        return FALSE;
    pixels.cx = bm.bmWidth;
    pixels.cy = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
    pixels.nBitCount = nBitCount;
    pixels.nStride = RowBytes(pixels.cx, nBitCount);
    pixels.data.resize((size_t)pixels.nStride * pixels.cy);

    // room for a colour table: GetDIBits writes one for palettised formats
    struct
    {
        BITMAPINFOHEADER bmiHeader;
        RGBQUAD bmiColors[256];
    } bmi;
    InitHeader(bmi.bmiHeader, pixels.cx, pixels.cy, nBitCount);
    ::GdiFlush();
    HDC hdc = ::GetDC(NULL);
    const int nLines = ::GetDIBits(hdc, hBitmap, 0, pixels.cy, &pixels.data[0], (BITMAPINFO*)&bmi,
        DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hdc);
    return nLines == pixels.cy;
}

namespace
{
// Whether the rows of a DIB section lie top-down in memory.  The header GetObject reports cannot
// say on every system (some report a positive height for top-down sections), so a row that
// differs from its mirror image is read back through GetDIBits, which counts rows from the
// bottom everywhere, and compared with the memory.  A picture equal to its mirror image reads
// the same either way.
bool IsTopDown(HDC hdc, HBITMAP hBitmap, const DIBSECTION& ds, int nStride)
{
    if (ds.dsBmih.biHeight < 0)
        return true;
    const BYTE* pBits = (const BYTE*)ds.dsBm.bmBits;
    const int cy = ds.dsBm.bmHeight;
    const int cbRow = (ds.dsBm.bmWidth * ds.dsBmih.biBitCount + 7) / 8;
    for (int y = 0; y < cy / 2; y++)
    {
        const BYTE* pRow = pBits + (size_t)y * nStride;
        if (memcmp(pRow, pBits + (size_t)(cy - 1 - y) * nStride, cbRow) == 0)
            continue;
        BITMAPINFO bmi;
        memset(&bmi, 0, sizeof(bmi));
        InitHeader(bmi.bmiHeader, ds.dsBm.bmWidth, cy, ds.dsBmih.biBitCount);
        std::vector<BYTE> row((size_t)nStride);
        const int nLines = ::GetDIBits(hdc, hBitmap, (UINT)y, 1, &row[0], &bmi, DIB_RGB_COLORS);
        // row y from the bottom is memory row y when the rows lie bottom-up
        return nLines == 1 && memcmp(&row[0], pRow, cbRow) != 0;
    }
    return false;
}
}

BYTE* DirectBits24(HDC hdc, HBITMAP hBitmap, int& cx, int& cy, int& nStride)
{
    DIBSECTION ds;
    if (hBitmap == NULL || ::GetObjectA(hBitmap, sizeof(ds), &ds) != sizeof(ds))
        return NULL;
    if (ds.dsBm.bmBits == NULL || ds.dsBmih.biBitCount != 24 || ds.dsBmih.biCompression != BI_RGB)
        return NULL;
    ::GdiFlush();
    cx = ds.dsBm.bmWidth;
    cy = ds.dsBm.bmHeight < 0 ? -ds.dsBm.bmHeight : ds.dsBm.bmHeight;
    ds.dsBm.bmHeight = cy;
    nStride = RowBytes(cx, 24);
    if (IsTopDown(hdc, hBitmap, ds, nStride))
        return NULL;
    return (BYTE*)ds.dsBm.bmBits;
}

CBitmapEx& ScratchBitmap()
{
    static CBitmapEx s_scratch;
    return s_scratch;
}
}
