// BitmapTestUtil.h - what the bitmap tests share: a drawing surface whose pixels can be read back,
// pictures filled from a function, and an independent area-average reference of resampling.
#pragma once

#include <WEXOctrl.h>
#include <vector>

// A 32-bit top-down DIB section selected into a memory DC; Pixel reads what was drawn.
class CTestCanvas
{
public:
    CTestCanvas(int cx, int cy, COLORREF clrFill = RGB(255, 255, 255));
    ~CTestCanvas();

    CDC& DC() { return m_dc; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF clr);
    // number of pixels of the colour inside rect
    int Count(COLORREF clr, const CRect& rect) const;
    int Count(COLORREF clr) const { return Count(clr, CRect(0, 0, m_cx, m_cy)); }

private:
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    BYTE* m_pBits;
    int m_cx, m_cy;
};

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
