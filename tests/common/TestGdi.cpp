// TestGdi.cpp - the pixel canvas, coloured image lists and GDI object counts of the toolkit.
#include "TestGdi.h"
#include <algorithm>
#include <vector>

/////////////////////////////////////////////////////////////////////////////
// CPixelCanvas

CPixelCanvas::CPixelCanvas(int cx, int cy, COLORREF clrFill)
    : m_hBitmap(NULL), m_hOld(NULL), m_pBits(NULL), m_cx(cx), m_cy(cy)
{
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;       // top-down: row y of the bits is row y of the picture
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_pBits = (const DWORD*)pBits;
    m_dc.Attach(::CreateCompatibleDC(NULL));
    m_hOld = ::SelectObject(m_dc.m_hDC, m_hBitmap);
    Fill(clrFill);
}

CPixelCanvas::~CPixelCanvas()
{
    ::SelectObject(m_dc.m_hDC, m_hOld);
    ::DeleteDC(m_dc.Detach());
    ::DeleteObject(m_hBitmap);
}

COLORREF CPixelCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy || m_pBits == NULL)
        return CLR_INVALID;
    // GDI may still hold drawing calls in its batch
    ::GdiFlush();
    const DWORD dw = m_pBits[(size_t)y * m_cx + x];
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

void CPixelCanvas::Fill(COLORREF clr)
{
    m_dc.FillSolidRect(0, 0, m_cx, m_cy, clr);
}

int CPixelCanvas::Count(COLORREF clr, const RECT& rect) const
{
    CRect rc;
    rc.IntersectRect(&rect, CRect(0, 0, m_cx, m_cy));
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            n += Pixel(x, y) == clr;
    return n;
}

int CPixelCanvas::CountOther(COLORREF clr, const RECT& rect) const
{
    CRect rc;
    rc.IntersectRect(&rect, CRect(0, 0, m_cx, m_cy));
    return rc.Width() * rc.Height() - Count(clr, rc);
}

CRect CPixelCanvas::Bounds(COLORREF clr) const
{
    CRect rect(m_cx, m_cy, 0, 0);
    for (int y = 0; y < m_cy; y++)
    {
        for (int x = 0; x < m_cx; x++)
        {
            if (Pixel(x, y) != clr)
                continue;
            rect.left = std::min(rect.left, (LONG)x);
            rect.top = std::min(rect.top, (LONG)y);
            rect.right = std::max(rect.right, (LONG)x + 1);
            rect.bottom = std::max(rect.bottom, (LONG)y + 1);
        }
    }
    return rect.IsRectEmpty() ? CRect(0, 0, 0, 0) : rect;
}

/////////////////////////////////////////////////////////////////////////////
// CTestImages

COLORREF CTestImages::Color(int nList, int nImage)
{
    return RGB(40 + 50 * (nList % 4), 30 + 20 * (nImage % 10), 200 - 30 * (nList / 4));
}

BOOL CTestImages::Fill(CImageList& list, int nCount, int cx, int cy, int nList)
{
    if (!list.Create(cx, cy, ILC_COLOR24 | ILC_MASK, nCount, 4))
        return FALSE;
    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    for (int i = 0; i < nCount; i++)
    {
        CBitmap bitmap;
        if (!bitmap.CreateCompatibleBitmap(&dcScreen, cx, cy))
            return FALSE;
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cy, RGB(255, 0, 255));
        dc.FillSolidRect(1, 1, cx - 2, cy - 2, Color(nList, i));
        dc.SelectObject(pOld);
        if (list.Add(&bitmap, RGB(255, 0, 255)) != i)
            return FALSE;
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////

long CountGdiObjects()
{
    const DWORD dwReported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (dwReported != 0)
        return (long)dwReported;

    // Fill the handle table to the brim with the smallest objects there are and free them again:
    // what fits is the room left.  Wine's table holds 65,536 handles; filling it takes a few
    // milliseconds.
    const size_t nTableSize = 65536;
    std::vector<HRGN> fill;
    fill.reserve(nTableSize);
    while (fill.size() < nTableSize)
    {
        HRGN hRgn = ::CreateRectRgn(0, 0, 1, 1);
        if (hRgn == NULL)
            break;
        fill.push_back(hRgn);
    }
    const long nRoom = (long)fill.size();
    for (HRGN hRgn : fill)
        ::DeleteObject(hRgn);
    return nRoom == 0 || nRoom == (long)nTableSize ? -1 : (long)nTableSize - nRoom;
}
