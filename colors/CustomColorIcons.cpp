// CustomColorIcons.cpp - DrawColorIcon and CCustomColorIcons.
#include "CustomColorIcons.h"
#include "frame/UILFrame.h"

CCustomColorIcons g_CustomColorIcons;

void DrawColorIcon(HIMAGELIST hImageList, HDC hDC, const RECT* lpRect)
{
    if (hImageList == NULL || hDC == NULL || lpRect == NULL)
        return;
    const int cx = lpRect->right - lpRect->left, cy = lpRect->bottom - lpRect->top;
    int nImage, nSize;
    if (cx > 18 && cy > 18)
        nImage = 2, nSize = 16;
    else if (cx > 14 && cy > 14)
        nImage = 1, nSize = 12;
    else
        nImage = 0, nSize = 9;
    ::ImageList_Draw(hImageList, nImage, hDC, lpRect->left + (cx - nSize) / 2,
        lpRect->top + (cy - nSize) / 2, ILD_TRANSPARENT);
}

CCustomColorIcons::CCustomColorIcons()
{
    m_mapImageLists.InitHashTable(10);
}

CCustomColorIcons::~CCustomColorIcons()
{
    POSITION pos = m_mapImageLists.GetStartPosition();
    while (pos != NULL)
    {
        unsigned long c;
        HIMAGELIST hImageList;
        m_mapImageLists.GetNextAssoc(pos, c, hImageList);
        if (hImageList != NULL)
            ::ImageList_Destroy(hImageList);
    }
    m_mapImageLists.RemoveAll();
}

HIMAGELIST CCustomColorIcons::GetImageList(unsigned long c)
{
    HIMAGELIST hImageList = NULL;
    return m_mapImageLists.Lookup(c, hImageList) ? hImageList : NULL;
}

HIMAGELIST CCustomColorIcons::SetImageList(unsigned long c, HIMAGELIST hImageList)
{
    HIMAGELIST hOld = GetImageList(c);
    if (hOld != NULL && hOld != hImageList)
        ::ImageList_Destroy(hOld);
    m_mapImageLists.SetAt(c, hImageList);
    return hImageList;
}

void CCustomColorIcons::Draw(unsigned long c, HDC hDC, const RECT* lpRect)
{
    if (hDC == NULL || lpRect == NULL || lpRect->right <= lpRect->left || lpRect->bottom <= lpRect->top)
        return;
    HIMAGELIST hImageList = GetImageList(c);
    if (hImageList != NULL)
    {
        DrawColorIcon(hImageList, hDC, lpRect);
        return;
    }

    // an unknown special colour: a white box crossed out
    const COLORREF clrShadow = GetControlSysColor(COLOR_BTNSHADOW);
    CDC* pDC = CDC::FromHandle(hDC);
    pDC->FillSolidRect(lpRect, RGB(255, 255, 255));
    CPen pen(PS_SOLID, 1, clrShadow);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(lpRect->left, lpRect->top);
    pDC->LineTo(lpRect->right, lpRect->bottom);
    pDC->MoveTo(lpRect->right - 1, lpRect->top);
    pDC->LineTo(lpRect->left - 1, lpRect->bottom);
    pDC->SelectObject(pOldPen);
    CBrush brush(clrShadow);
    pDC->FrameRect(lpRect, &brush);
}
