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

BYTE* DirectBits24(HBITMAP hBitmap, int& cx, int& cy, int& nStride)
{
    DIBSECTION ds;
    if (hBitmap == NULL || ::GetObjectA(hBitmap, sizeof(ds), &ds) != sizeof(ds))
        return NULL;
    if (ds.dsBm.bmBits == NULL || ds.dsBmih.biBitCount != 24 || ds.dsBmih.biCompression != BI_RGB
        || ds.dsBmih.biHeight <= 0)
        return NULL;
    ::GdiFlush();
    cx = ds.dsBm.bmWidth;
    cy = ds.dsBm.bmHeight;
    nStride = RowBytes(cx, 24);
    return (BYTE*)ds.dsBm.bmBits;
}

HBITMAP CreateScreenBitmap(const BYTE* pBits, int cx, int cy, int nBitCount)
{
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    InitHeader(bmi.bmiHeader, cx, cy, nBitCount);
    HDC hdc = ::GetDC(NULL);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdc, cx, cy);
    if (hBitmap != NULL && ::SetDIBits(hdc, hBitmap, 0, cy, pBits, &bmi, DIB_RGB_COLORS) != cy)
    {
        ::DeleteObject(hBitmap);
        hBitmap = NULL;
    }
    ::ReleaseDC(NULL, hdc);
    return hBitmap;
}

CBitmapEx& ScratchBitmap()
{
    static CBitmapEx s_scratch;
    return s_scratch;
}
}
