// BitmapOps.cpp - DrawBitmap, the debugging dumps (Spy) and the embossed and shadow looks of
// image-list images.
#include "BitmapOps.h"
#include "BitmapEx.h"

namespace
{
// Each dump takes the next number, so a series of dumps sorts in the order it was made.
int s_nSpyCounter = 0;

CString NextSpyPath(const char* lpszName)
{
    CString strPath;
    strPath.Format("C:\\BmpSpy\\%03d-%s.bmp", s_nSpyCounter++, lpszName != NULL ? lpszName : "");
    ::CreateDirectoryA("C:\\BmpSpy", NULL);
    return strPath;
}

// P ^ (S & (D ^ P)): the brush where the source is black, the destination kept where it is white.
const DWORD ropBrushWhereBlack = 0x00B8074A;

// The image drawn transparently on white into a memory bitmap of the list's image size: a colour
// bitmap compatible with dc, or a monochrome one in which every drawn pixel that is not white
// comes out black.
class CImageOnWhite
{
public:
    CImageOnWhite(CDC& dc, CImageList* pList, int nImage, BOOL bColorBitmap)
        : m_cx(0), m_cy(0), m_pOldBitmap(NULL), m_bReady(FALSE)
    {
        if (pList == NULL || pList->GetSafeHandle() == NULL || nImage < 0
            || nImage >= pList->GetImageCount() || !pList->GetIconSize(&m_cx, &m_cy))
            return;
        if (!m_dcMem.CreateCompatibleDC(&dc))
            return;
        const BOOL bBitmap = bColorBitmap ? m_bitmap.CreateCompatibleBitmap(&dc, m_cx, m_cy)
            : m_bitmap.CreateBitmap(m_cx, m_cy, 1, 1, NULL);
        if (!bBitmap)
            return;
        m_pOldBitmap = m_dcMem.SelectObject(&m_bitmap);
        m_dcMem.PatBlt(0, 0, m_cx, m_cy, WHITENESS);
        pList->Draw(&m_dcMem, nImage, CPoint(0, 0), ILD_TRANSPARENT);
        m_bReady = TRUE;
    }
    ~CImageOnWhite()
    {
        if (m_pOldBitmap != NULL)
            m_dcMem.SelectObject(m_pOldBitmap);
    }

    BOOL IsReady() const { return m_bReady; }
    // copies the image with the brush where it is drawn
    void Stamp(CDC& dc, int x, int y)
    {
        dc.BitBlt(x, y, m_cx, m_cy, &m_dcMem, 0, 0, ropBrushWhereBlack);
    }

private:
    CDC m_dcMem;
    CBitmap m_bitmap;
    int m_cx, m_cy;
    CBitmap* m_pOldBitmap;
    BOOL m_bReady;
};
}

int DrawBitmap(CDC& dc, CBitmap* pBitmap)
{
    BITMAP bm;
    if (pBitmap == NULL || pBitmap->GetSafeHandle() == NULL || pBitmap->GetBitmap(&bm) == 0)
        return 0;
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dc))
        return 0;
    CBitmap* pOld = dcMem.SelectObject(pBitmap);
    if (pOld == NULL)
        return 0;
    const BOOL bResult = dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
    return bResult;
}

int Spy(CBitmapEx* pBitmap, const char* lpszName)
{
    const CString strPath = NextSpyPath(lpszName);
    if (pBitmap == NULL || pBitmap->GetSafeHandle() == NULL)
        return 0;
    return pBitmap->Save(strPath);
}

int Spy(HIMAGELIST hImageList, const char* lpszName)
{
    const int nCount = hImageList != NULL ? ::ImageList_GetImageCount(hImageList) : 0;
    int cx = 0, cy = 0;
    if (nCount <= 0 || !::ImageList_GetIconSize(hImageList, &cx, &cy))
        return 0;
    CBitmapEx bitmap;
    if (!bitmap.CreateDIBitmap(NULL, cx * nCount, cy))
        return 0;
    CDC* pDC = bitmap.GetMemDC(NULL);
    if (pDC == NULL)
        return 0;
    pDC->FillSolidRect(0, 0, cx * nCount, cy, RGB(255, 255, 255));
    for (int i = 0; i < nCount; i++)
        ::ImageList_Draw(hImageList, i, pDC->m_hDC, i * cx, 0, ILD_TRANSPARENT);
    bitmap.ReleaseMemDC();
    return bitmap.Save(NextSpyPath(lpszName));
}

int ImageListDrawEmbossed(CDC& dc, CImageList* pList, int nImage, CPoint pt, int bColorBitmap)
{
    CImageOnWhite image(dc, pList, nImage, bColorBitmap);
    if (!image.IsReady())
        return 0;
    const COLORREF clrOldBk = dc.SetBkColor(RGB(255, 255, 255));
    const COLORREF clrOldText = dc.SetTextColor(RGB(0, 0, 0));
    CBrush brushHighlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    CBrush brushShadow(::GetSysColor(COLOR_BTNSHADOW));
    CBrush* pOldBrush = dc.SelectObject(&brushHighlight);
    image.Stamp(dc, pt.x + 1, pt.y + 1);
    dc.SelectObject(&brushShadow);
    image.Stamp(dc, pt.x, pt.y);
    dc.SelectObject(pOldBrush);
    dc.SetBkColor(clrOldBk);
    dc.SetTextColor(clrOldText);
    return 1;
}

int ImageListDrawShadow(CDC& dc, CImageList* pList, int nImage, CPoint pt, int bColorBitmap)
{
    CImageOnWhite image(dc, pList, nImage, bColorBitmap);
    if (!image.IsReady())
        return 0;
    const COLORREF clrOldBk = dc.SetBkColor(RGB(255, 255, 255));
    CBrush brushShadow(::GetSysColor(COLOR_BTNSHADOW));
    CBrush* pOldBrush = dc.SelectObject(&brushShadow);
    image.Stamp(dc, pt.x + 1, pt.y + 1);
    image.Stamp(dc, pt.x, pt.y + 1);
    dc.SelectObject(pOldBrush);
    dc.SetBkColor(clrOldBk);
    return 1;
}
