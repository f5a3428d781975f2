// TestGdi.h - drawing without a screen for tests: a canvas whose pixels can be read back, image
// lists of plain-coloured images, and a count of the process's GDI objects that works under
// Wine.  Part of the test toolkit; see wexotest.h for the whole contract.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

// A 32-bit top-down DIB section selected into a memory DC: what is drawn into DC() can be read
// back pixel by pixel, row 0 at the top.
class CPixelCanvas
{
public:
    CPixelCanvas(int cx, int cy, COLORREF clrFill = RGB(255, 255, 255));
    ~CPixelCanvas();

    CDC& DC() { return m_dc; }
    HBITMAP GetBitmap() const { return m_hBitmap; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    // CLR_INVALID outside the canvas
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF clr);
    // pixels of the colour inside rect (clipped to the canvas), and those that are not
    int Count(COLORREF clr, const RECT& rect) const;
    int Count(COLORREF clr) const { return Count(clr, CRect(0, 0, m_cx, m_cy)); }
    int CountOther(COLORREF clr, const RECT& rect) const;
    // the smallest rectangle holding every pixel of the colour; empty when there is none
    CRect Bounds(COLORREF clr) const;

private:
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    const DWORD* m_pBits;
    int m_cx, m_cy;
};

// Image lists whose images can be told apart by colour.
class CTestImages
{
public:
    // Colour of image nImage of list nList: distinct for nImage < 10 and nList < 16, and never
    // white, black, grey or the magenta mask colour.
    static COLORREF Color(int nList, int nImage);
    // Creates list (a CImageList or a class made from it) with nCount images of cx x cy, image
    // i a filled square of Color(nList, i) inside a one-pixel transparent border (magenta
    // mask).  FALSE when the list could not be made.
    static BOOL Fill(CImageList& list, int nCount, int cx = 16, int cy = 15, int nList = 0);
};

// The number of GDI objects the process owns now.  Windows reports it; Wine reports 0, so there
// it is counted from the free room in the process's handle table (every free slot is filled with
// a small object, counted, and freed again).  -1 when neither works.  Only differences between
// two counts matter to a test.
long CountGdiObjects();
