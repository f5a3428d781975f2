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

// The pixels of a 24-bit bottom-up DIB section in place, when hBitmap is one (no copy); else
// NULL.  hdc: any DC, for reading a row back.
BYTE* DirectBits24(HDC hdc, HBITMAP hBitmap, int& cx, int& cy, int& nStride);

// A BMP header as a file or a clipboard block holds it (BITMAPCOREHEADER, BITMAPINFOHEADER or
// one of the larger ones), brought to BITMAPINFOHEADER terms.
struct CBmpHeader
{
    BITMAPINFOHEADER bih;   // the header's fields; biHeight < 0 for top-down rows
    DWORD nHeaderBytes;     // the header as stored
    DWORD nMaskBytes;       // bit-field masks stored after the header (12 after the plain one)
    DWORD masks[3];         // red, green, blue with BI_BITFIELDS
    int nColors;            // entries of the colour table that are kept
    int nSkippedColors;     // entries stored after those (tables of deeper pictures)
    int nEntryBytes;        // 3 (core header) or 4 per colour

    DWORD InfoBytes() const;        // header, masks and colour table as stored
    DWORD PackedInfoBytes() const;  // the same in the packed form below
};

// FALSE when the header is not one the library can use: unknown size, depth or compression,
// sides of 0 or beyond 32768, masks that are not one run of bits each, a colour table larger
// than the depth allows.  n is what the buffer holds from p on.
BOOL ReadBmpHeader(const BYTE* p, size_t n, CBmpHeader& header);
// The header with its masks and colour table in the packed form: a BITMAPINFOHEADER (size 40,
// bottom-up height, BI_RGB or BI_BITFIELDS, biClrUsed = the entries kept), the masks, RGBQUADs.
BOOL ReadBmpInfo(const BYTE* p, size_t n, CBmpHeader& header, std::vector<BYTE>& info);
// A BMP image (what follows BITMAPFILEHEADER, or a CF_DIB block) of n bytes in the packed form
// with uncompressed bottom-up rows after the table.  dwBitsAt: where the bits start (the file
// header's offset less its own size), 0 or too small = right after the table.  FALSE, leaving
// packed undefined, when anything in it is broken or it ends early.
BOOL UnpackBmp(const BYTE* p, size_t n, DWORD dwBitsAt, std::vector<BYTE>& packed);
// Sets pixel x of a row of 4 or 8 bits per pixel to a colour index.
void SetIndex(BYTE* pRow, int x, int nBitCount, BYTE bIndex);

// The bitmap behind drawing that needs a resampled copy; one for the whole library.
CBitmapEx& ScratchBitmap();
}
