// DibUtil.h - helpers shared by the bitmap sources of the library (not part of its interface).
#pragma once

#include <afxwin.h>
#include <vector>

class CBitmapEx;

namespace DibUtil
{
// Bytes per row of a DIB: rows are padded to a multiple of 4 bytes.
inline int RowBytes(int nWidth, int nBitCount)
{
    return ((nWidth * nBitCount + 31) / 32) * 4;
}

// An uncompressed bottom-up header of the given size and depth.
void InitHeader(BITMAPINFOHEADER& bih, int nWidth, int nHeight, int nBitCount);

// A bitmap's pixels converted to nBitCount (24 or 32) bits, bottom-up rows.
struct CPixels
{
    int cx;
    int cy;
    int nBitCount;
    int nStride;
    std::vector<BYTE> data;

    CPixels() : cx(0), cy(0), nBitCount(0), nStride(0) {}
    BYTE* Row(int y) { return &data[(size_t)y * nStride]; }
    const BYTE* Row(int y) const { return &data[(size_t)y * nStride]; }
};
BOOL ReadPixels(HBITMAP hBitmap, int nBitCount, CPixels& pixels);

// The pixels of a 24-bit DIB section in place, when hBitmap is one (no copy); else NULL.
BYTE* DirectBits24(HBITMAP hBitmap, int& cx, int& cy, int& nStride);

// A new bitmap compatible with the screen holding bottom-up rows of nBitCount (24 or 32) bits.
HBITMAP CreateScreenBitmap(const BYTE* pBits, int cx, int cy, int nBitCount);

// The bitmap behind drawing that needs a resampled copy; one for the whole library.
CBitmapEx& ScratchBitmap();
}
