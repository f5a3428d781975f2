// BitmapTestUtil.h - what the bitmap tests share beyond the test toolkit: pictures filled from a
// function, pixels read back from any bitmap, and an independent area-average reference of
// resampling.
#pragma once

#include <WEXOctrl.h>
#include "TestGdi.h"
#include <vector>

typedef COLORREF (*PFNTESTPATTERN)(int x, int y);

// A CBitmapEx of nBitCount (24 or 32) bits whose pixel (x, y), y from the top, is pfn(x, y).
void FillTestBitmap(CBitmapEx& bitmap, int cx, int cy, int nBitCount, PFNTESTPATTERN pfn);

// A bitmap's pixels as COLORREFs, row 0 at the top, whatever kind of bitmap it is.
std::vector<COLORREF> ReadTestPixels(HBITMAP hBitmap, int& cx, int& cy);

// What a CDib paints at its own size, row 0 at the top.
std::vector<COLORREF> PaintedPixels(CDib& dib);

// A 24-bit DIB section holding pfn's picture; the caller deletes it.
HBITMAP CreateTestDib(int cx, int cy, PFNTESTPATTERN pfn, bool bTopDown = false);

// Resampling as the integral of the source over each destination pixel's area (box filter), in
// double precision; a channel as a real number.
double AreaAverage(const std::vector<COLORREF>& source, int cxSource, int cySource, int cxDest,
    int cyDest, int x, int y, int nChannel);

inline int Channel(COLORREF clr, int nChannel)
{
    return (int)((clr >> (8 * nChannel)) & 0xFF);
}
