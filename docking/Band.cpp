// Band.cpp - title strips: layout, drawing, hover, the band style and its colour schemes.
#include "Band.h"
#include "ToolPalettes.h"
#include "../frame/UILFrame.h"
#include "../toolbars/UILImages.h"
#include "resource.h"

DWORD g_dwDefaultBandStyleEx = UIL_BANDSTYLE_DEFAULT;

/////////////////////////////////////////////////////////////////////////////
// Colour schemes

const UINT CBandScheme::s_nResources[3][bandBmpCount] =
{
    { IDB_BAND_BLUE_HOT, IDB_BAND_BLUE_ACTIVE, IDB_BAND_BLUE_INACTIVE, IDB_BAND_BLUE_PUSHED, IDB_BAND_BLUE_TAB },
    { IDB_BAND_SILVER_HOT, IDB_BAND_SILVER_ACTIVE, IDB_BAND_SILVER_INACTIVE, IDB_BAND_SILVER_PUSHED, IDB_BAND_SILVER_TAB },
    { IDB_BAND_OLIVE_HOT, IDB_BAND_OLIVE_ACTIVE, IDB_BAND_OLIVE_INACTIVE, IDB_BAND_OLIVE_PUSHED, IDB_BAND_OLIVE_TAB },
};

namespace
{
struct SSchemeColors
{
    COLORREF clrLightBorder;
    COLORREF clrShadowBorder;
    COLORREF clrLightTitle;
};

const SSchemeColors s_schemeColors[3] =
{
    { RGB(172, 191, 255), RGB(122, 156, 194), RGB(237, 255, 255) },
    { RGB(173, 173, 173), RGB(128, 128, 128), RGB(240, 240, 240) },
    { RGB(200, 200, 170), RGB(180, 180, 154), RGB(244, 246, 203) },
};

// silver and olive by number, blue for everything else
int KnownScheme(int nScheme)
{
    return nScheme == UIL_SCHEME_SILVER || nScheme == UIL_SCHEME_OLIVE ? nScheme : UIL_SCHEME_BLUE;
}

CBandScheme& Scheme()
{
    static CBandScheme s_scheme;
    return s_scheme;
}

COLORREF BandFace()
{
    return GetMainWndSysColor(COLOR_BTNFACE, 8);
}
}

CBandScheme::CBandScheme()
    : m_nScheme((int)(g_dwDefaultBandStyleEx & UIL_BANDSTYLE_SCHEME))
{
    memset(m_pBitmaps, 0, sizeof(m_pBitmaps));
    memset(m_pBrushes, 0, sizeof(m_pBrushes));
}

CBandScheme::~CBandScheme()
{
    FreeCache();
}

void CBandScheme::SetScheme(int nScheme)
{
    m_nScheme = nScheme;
    FreeCache();
}

UINT CBandScheme::GetResourceID(int nBitmap) const
{
    if (nBitmap < 0 || nBitmap >= bandBmpCount)
        return 0;
    return s_nResources[KnownScheme(m_nScheme)][nBitmap];
}

CBitmap* CBandScheme::GetBitmap(int nBitmap)
{
    if (nBitmap < 0 || nBitmap >= bandBmpCount)
        return NULL;
    if (m_pBitmaps[nBitmap] == NULL)
    {
        CUILResourceScope scope;
        CBitmap* pBitmap = new CBitmap;
        if (!pBitmap->LoadBitmap(GetResourceID(nBitmap)))
        {
            delete pBitmap;
            return NULL;
        }
        m_pBitmaps[nBitmap] = pBitmap;
    }
    return m_pBitmaps[nBitmap];
}

CBrush* CBandScheme::GetBrush(int nBitmap)
{
    if (nBitmap < 0 || nBitmap >= bandBmpCount)
        return NULL;
    if (m_pBrushes[nBitmap] == NULL)
    {
        CBitmap* pBitmap = GetBitmap(nBitmap);
        if (pBitmap == NULL)
            return NULL;
        BITMAP bm;
        pBitmap->GetBitmap(&bm);
        CDC dc;
        dc.CreateCompatibleDC(NULL);
        CBitmap* pOld = dc.SelectObject(pBitmap);
        const COLORREF clr = dc.GetPixel(bm.bmWidth / 2, bm.bmHeight / 2);
        dc.SelectObject(pOld);
        m_pBrushes[nBitmap] = new CBrush(clr);
    }
    return m_pBrushes[nBitmap];
}

BOOL CBandScheme::PaintSliced(CDC& dc, const CRect& rect, int nBitmap, BOOL bVert)
{
    CBitmap* pBitmap = GetBitmap(nBitmap);
    if (pBitmap == NULL || rect.IsRectEmpty())
        return FALSE;
    BITMAP bm;
    pBitmap->GetBitmap(&bm);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dc);
    CBitmap* pOld = dcMem.SelectObject(pBitmap);

    // Source rows [0, h) are cut in three; the first and last keep their size across the strip,
    // the middle one takes the rest.  Across a vertical strip the rows become columns: the
    // scheme bitmaps are uniform along the strip, so one colour per row is all they carry.
    const int nSlice = bm.bmHeight / 3;
    const int nAcross = bVert ? rect.Width() : rect.Height();
    const int nEdge = nAcross >= 2 * nSlice ? nSlice : nAcross / 2;
    const int nMiddleSrc = bm.bmHeight - 2 * nSlice;
    const int nMiddleDst = nAcross - 2 * nEdge;
    for (int nDst = 0; nDst < nAcross; nDst++)
    {
        int nSrc;
        if (nDst < nEdge)
            nSrc = nDst;
        else if (nDst >= nAcross - nEdge)
            nSrc = bm.bmHeight - (nAcross - nDst);
        else
            nSrc = nSlice + (nMiddleDst > 0 ? (nDst - nEdge) * nMiddleSrc / nMiddleDst : 0);
        if (bVert)
            dc.FillSolidRect(rect.left + nDst, rect.top, 1, rect.Height(), dcMem.GetPixel(0, nSrc));
        else
            dc.StretchBlt(rect.left, rect.top + nDst, rect.Width(), 1, &dcMem, 0, nSrc, bm.bmWidth, 1, SRCCOPY);
    }
    dcMem.SelectObject(pOld);
    return TRUE;
}

void CBandScheme::FreeCache()
{
    for (int i = 0; i < bandBmpCount; i++)
    {
        delete m_pBitmaps[i];
        m_pBitmaps[i] = NULL;
        delete m_pBrushes[i];
        m_pBrushes[i] = NULL;
    }
}

CBandScheme* GetBandScheme()
{
    return &Scheme();
}

DWORD SetDefaultBandStyle(DWORD dwStyle)
{
    const DWORD dwPrevious = g_dwDefaultBandStyleEx;
    g_dwDefaultBandStyleEx = dwStyle;
    Scheme().SetScheme((int)(dwStyle & UIL_BANDSTYLE_SCHEME));
    return dwPrevious;
}

COLORREF BandStyleGetLightBorderColor()
{
    return s_schemeColors[KnownScheme(Scheme().GetScheme())].clrLightBorder;
}

COLORREF BandStyleGetShadowBorderColor()
{
    return s_schemeColors[KnownScheme(Scheme().GetScheme())].clrShadowBorder;
}

COLORREF BandStyleGetLightTitleColor()
{
    return s_schemeColors[KnownScheme(Scheme().GetScheme())].clrLightTitle;
}

/////////////////////////////////////////////////////////////////////////////
// Button images

UINT GetBandItemBitmapID(UINT nKind)
{
    switch (nKind)
    {
    case UIL_BANDITEM_HIDE:         return IDB_BAND_HIDE;
    case UIL_BANDITEM_ROLLUP:       return IDB_BAND_ROLLUP;
    case UIL_BANDITEM_REDISTRIBUTE: return IDB_BAND_REDISTRIBUTE;
    case UIL_BANDITEM_DOCKABLE:     return IDB_BAND_DOCKABLE;
    case UIL_BANDITEM_EXTRA:
    case UIL_BANDITEM_EXTRA2:       return IDB_BAND_EXTRA;
    }
    return 0;
}

CUILImageList* GetBandItemImages(UINT nKind)
{
    // resource -> index in the image collection; the collection owns the lists
    static CMap<UINT, UINT, int, int> s_mapLists;
    const UINT nID = GetBandItemBitmapID(nKind);
    if (nID == 0)
        return NULL;
    int nIndex = -1;
    if (s_mapLists.Lookup(nID, nIndex))
        return UILImagesCollection.GetAt(nIndex);

    CUILResourceScope scope;
    CUILImageList* pList = new CUILImageList;
    if (!pList->Create(nID, 12, 1, RGB(192, 192, 192)))
    {
        delete pList;
        return NULL;
    }
    nIndex = UILImagesCollection.Add(pList, UILIMAGELIST_OWNED);
    s_mapLists.SetAt(nID, nIndex);
    return pList;
}

/////////////////////////////////////////////////////////////////////////////
// CBandItem

CBandItem::CBandItem(UINT nFlags, UINT nSysCommand)
    : m_rect(0, 0, 0, 0), m_dwFlags(nFlags), m_nSysCommand(nSysCommand), m_bHidden(0),
      m_pImageList(GetBandItemImages(nFlags & UIL_BANDITEM_KINDMASK))
{
}

CBandItem::~CBandItem()
{
}

int CBandItem::GetGlyph(UINT nState) const
{
    switch (GetKind())
    {
    case UIL_BANDITEM_ROLLUP:
        // the arrow points where the window goes: up or down along a horizontal dock bar, left
        // or right across a vertical one, turned round while rolled up
        if (nState & UIL_BANDSTATE_TOP)
            return (nState & UIL_BANDSTATE_ROLLEDALONG) ? 1 : 0;
        if (nState & UIL_BANDSTATE_BOTTOM)
            return (nState & UIL_BANDSTATE_ROLLEDALONG) ? 0 : 1;
        if (nState & UIL_BANDSTATE_LEFT)
            return (nState & UIL_BANDSTATE_ROLLEDACROSS) ? 3 : 2;
        if (nState & UIL_BANDSTATE_RIGHT)
            return (nState & UIL_BANDSTATE_ROLLEDACROSS) ? 2 : 3;
        return 0;
    case UIL_BANDITEM_REDISTRIBUTE:
        return (nState & UIL_BANDSTATE_HORZ) ? 0 : ((nState & UIL_BANDSTATE_VERT) ? 1 : 0);
    case UIL_BANDITEM_DOCKABLE:
        return (nState & UIL_BANDSTATE_DOCKABLE) ? 1 : 0;
    case UIL_BANDITEM_EXTRA:
        return (nState & UIL_BANDSTATE_HORZ) ? 2 : 0;
    case UIL_BANDITEM_EXTRA2:
        return (nState & UIL_BANDSTATE_HORZ) ? 3 : 1;
    }
    return 0;
}

BOOL CBandItem::IsDisabled(UINT nState) const
{
    if (GetKind() == UIL_BANDITEM_EXTRA)
        return (nState & UIL_BANDSTATE_DOCKABLE) == 0;
    if (GetKind() == UIL_BANDITEM_EXTRA2)
        return (nState & UIL_BANDSTATE_ENABLE2) == 0;
    return FALSE;
}

int CBandItem::Draw(CDC& dc, UINT nState, DWORD dwBandStyle)
{
    const BOOL bHot = (nState & stateHot) != 0;
    const BOOL bPushed = (nState & statePushed) != 0;
    const BOOL bSkinned = (dwBandStyle & UIL_BANDSTYLE_SKINNED) != 0;
    const BOOL bDisabled = IsDisabled(nState);
    CBandScheme& scheme = Scheme();

    if (!bSkinned)
        dc.FillSolidRect(m_rect, BandFace());
    else if ((bHot || bPushed) && !bDisabled)
        scheme.PaintSliced(dc, m_rect, bPushed ? bandBmpPushedButton : bandBmpHotButton, FALSE);

    if (m_pImageList != NULL && m_pImageList->GetSafeHandle() != NULL)
    {
        const int nImage = GetGlyph(nState) * 3 + (bDisabled ? 2 : (bHot ? 1 : 0));
        int cx = 12, cy = 12;
        m_pImageList->GetIconSize(&cx, &cy);
        CPoint pt(m_rect.left + (m_rect.Width() - cx) / 2, m_rect.top + (m_rect.Height() - cy) / 2);
        if (bPushed)
            pt.Offset(1, 1);
        m_pImageList->Draw(&dc, nImage, pt, ILD_TRANSPARENT);
    }

    const COLORREF clrLight = GetMainWndSysColor(COLOR_BTNHIGHLIGHT, 8);
    const COLORREF clrShadow = GetMainWndSysColor(COLOR_BTNSHADOW, 8);
    if (bDisabled)
        return 1;
    if (bPushed)
        dc.Draw3dRect(m_rect, clrShadow, clrLight);
    else if (bHot && !bSkinned)
        dc.Draw3dRect(m_rect, clrLight, clrShadow);
    else if (!bHot && (m_dwFlags & UIL_BANDITEM_HIDE4))
        dc.Draw3dRect(m_rect, clrLight, clrShadow);
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// CBand

CBand::CBand()
    : m_nState(0), m_dwStyle(g_dwDefaultBandStyleEx), m_rectBand(0, 0, 0, 0),
      m_rectText(0, 0, 0, 0), m_nHilight(-1), m_bPushed(0), m_nReserved(0), m_hOwner(NULL),
      m_rectReserved(0, 0, 0, 0), m_nMustHide(0), m_bNeedLayout(1), m_dwFlags(0),
      m_bAllowHide(1), m_nDragTab(-1), m_nReserved2(0), m_rectReserved2(0, 0, 0, 0),
      m_rectDDIcon(0, 0, 0, 0), m_nDDIconState(0), m_pToolTip(NULL)
{
}

CBand::~CBand()
{
    DeleteAllItems();
    if (m_pToolTip != NULL)
    {
        if (m_pToolTip->GetSafeHwnd() != NULL)
            m_pToolTip->DestroyWindow();
        delete m_pToolTip;
    }
}

int CBand::AddItem(UINT nKind, UINT nFlags, UINT nSysCommand)
{
    CBandItem* pItem = new CBandItem((nFlags & ~UIL_BANDITEM_KINDMASK) | (nKind & UIL_BANDITEM_KINDMASK),
        nSysCommand);
    const int nIndex = (int)m_arrItems.Add(pItem);
    LayoutItems();
    return nIndex;
}

int CBand::DeleteAllItems()
{
    for (int i = 0; i < GetItemCount(); i++)
        delete (CBandItem*)m_arrItems[i];
    m_arrItems.RemoveAll();
    m_nHilight = -1;
    m_bPushed = 0;
    return 1;
}

CBandItem* CBand::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? (CBandItem*)m_arrItems[nIndex] : NULL;
}

UINT CBand::GetItemSysCommand(int nIndex) const
{
    CBandItem* pItem = GetItem(nIndex);
    return pItem != NULL ? pItem->m_nSysCommand : 0;
}

UINT CBand::SetState(UINT nState)
{
    const UINT nPrevious = m_nState;
    m_nState = nState;
    return nPrevious;
}

void CBand::SetTitle(const char* lpszTitle, CDC* pDC)
{
    const CString strTitle(lpszTitle != NULL ? lpszTitle : "");
    if (strTitle == m_strTitle)
        return;
    m_strTitle = strTitle;
    if (pDC != NULL)
        Draw(*pDC, m_nState);
}

BOOL CBand::IsHorz() const
{
    // A strip thinner than a band is taken for the other orientation, so that a band squeezed
    // by its owner keeps its buttons in a line.
    if (m_rectBand.Height() < UIL_BAND_THICKNESS)
        return FALSE;
    if (m_rectBand.Width() < UIL_BAND_THICKNESS)
        return TRUE;
    return m_rectBand.Width() > m_rectBand.Height();
}

CWndPacket* CBand::GetWndPacket() const
{
    if (m_hOwner == NULL || !::IsWindow(m_hOwner))
        return NULL;
    for (HWND hChild = ::GetWindow(m_hOwner, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hChild);
        if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CWndPacket)))
            return (CWndPacket*)pWnd;
    }
    return NULL;
}

int CBand::GetMinTextSize() const
{
    if (!IsTabbed())
        return 26;
    CWndPacket* pPacket = GetWndPacket();
    const int nWindows = pPacket != NULL ? pPacket->GetWndCount() : 0;
    return 26 * (nWindows > 0 ? nWindows : 1);
}

int CBand::GetAllItemsSize() const
{
    return GetItemCount() * (IsTabbed() ? 16 : 18) + (IsTabbed() ? 8 : 0) + 4;
}

int CBand::NoSpaceForAllItems(CRect* pRect, int bHorz) const
{
    if (pRect == NULL)
        return 0;
    const int nLength = bHorz ? pRect->Width() : pRect->Height();
    return nLength < GetMinTextSize() + GetAllItemsSize() + 4;
}

int CBand::ResizeBand(CRect& rect, int bKeepOrigin)
{
    if (bKeepOrigin)
        rect.OffsetRect(m_rectBand.TopLeft() - rect.TopLeft());
    m_rectBand = rect;
    LayoutItems();
    return 1;
}

int CBand::GetButtonSize(int nThickness) const
{
    const int nSize = nThickness - (IsTabbed() ? 6 : 4);
    return nSize > 0 ? nSize : 0;
}

namespace
{
// 1 to 4 for the hide-order bits (the lowest one counts), 0 for a button that never hides
int HideOrder(DWORD dwFlags)
{
    for (int n = 1; n <= 4; n++)
        if (dwFlags & (UIL_BANDITEM_HIDE1 << (n - 1)))
            return n;
    return 0;
}
}

void CBand::LayoutItems()
{
    m_bNeedLayout = 0;
    const BOOL bHorz = IsHorz();
    const BOOL bTabbed = IsTabbed();
    const int nLength = bHorz ? m_rectBand.Width() : m_rectBand.Height();
    const int nThickness = bHorz ? m_rectBand.Height() : m_rectBand.Width();
    const int nButton = GetButtonSize(nThickness);
    const int nCount = GetItemCount();

    m_nMustHide = 0;
    if (NoSpaceForAllItems(&m_rectBand, bHorz))
    {
        const int nTextRoom = nLength - GetMinTextSize() - (bTabbed ? 8 : 0);
        m_nMustHide = nCount;
        for (int n = 1; n <= nCount; n++)
            if ((nCount - n) * nButton + 4 <= nTextRoom)
            {
                m_nMustHide = n;
                break;
            }
    }

    const int nAcross = (nThickness - nButton) / 2;
    int nStart = 2 + (bTabbed ? 8 : 0);
    int nEnd = nLength - 2;
    for (int i = 0; i < nCount; i++)
    {
        CBandItem* pItem = GetItem(i);
        const int nOrder = HideOrder(pItem->m_dwFlags);
        pItem->m_bHidden = m_bAllowHide && m_nMustHide > 0 && nOrder > 0 && nOrder <= m_nMustHide;
        if (pItem->m_bHidden)
        {
            pItem->m_rect.SetRectEmpty();
            continue;
        }
        const BOOL bAtStart = (pItem->m_dwFlags & (bHorz ? UIL_BANDITEM_HORZSTART : UIL_BANDITEM_VERTSTART)) != 0;
        int nPos;
        if (bAtStart)
        {
            nPos = nStart;
            nStart += nButton;
        }
        else
        {
            nEnd -= nButton;
            nPos = nEnd;
        }
        pItem->m_rect = bHorz ? CRect(nPos, nAcross, nPos + nButton, nAcross + nButton)
                              : CRect(nAcross, nPos, nAcross + nButton, nPos + nButton);
    }

    const int nTextStart = nStart + 4;
    const int nTextEnd = nEnd - 4;
    if (nTextEnd - nTextStart < 2)
        m_rectText.SetRectEmpty();
    else
        m_rectText = bHorz ? CRect(nTextStart, 0, nTextEnd, nThickness) : CRect(0, nTextStart, nThickness, nTextEnd);
}

void CBand::Draw(CDC& dc, UINT nState)
{
    if (m_rectBand.IsRectEmpty())
        return;
    m_nState = nState;
    const BOOL bSkinned = (m_dwStyle & UIL_BANDSTYLE_SKINNED) != 0;
    dc.FillSolidRect(m_rectBand, BandFace());
    if (bSkinned)
        Scheme().PaintSliced(dc, m_rectBand, (nState & UIL_BANDSTATE_ACTIVE) ? bandBmpActive : bandBmpInactive, !IsHorz());

    const CPoint ptOldOrg = dc.OffsetViewportOrg(m_rectBand.left, m_rectBand.top);
    for (int i = 0; i < GetItemCount(); i++)
        DrawItem(dc, i);
    if (IsTabbed() && GetWndPacket() != NULL)
        DrawTabs(dc);
    else
        DrawTitle(dc, m_rectText);
    DrawDDIcom(dc);
    dc.SetViewportOrg(ptOldOrg);
}

void CBand::DrawItem(CDC& dc, int nIndex)
{
    CBandItem* pItem = GetItem(nIndex);
    if (pItem == NULL || pItem->m_bHidden || pItem->m_rect.IsRectEmpty())
        return;
    UINT nState = m_nState & ~(CBandItem::stateHot | CBandItem::statePushed);
    if (nIndex == m_nHilight)
        nState |= m_bPushed ? CBandItem::statePushed : CBandItem::stateHot;
    if ((m_dwStyle & UIL_BANDSTYLE_SKINNED) != 0)
    {
        // a skinned button is drawn over the strip; repaint the strip under it first
        CRect rectBand(0, 0, m_rectBand.Width(), m_rectBand.Height());
        CRgn rgn;
        CRect rectDev = pItem->m_rect;
        rectDev.OffsetRect(dc.GetViewportOrg());
        rgn.CreateRectRgnIndirect(rectDev);
        dc.SelectClipRgn(&rgn);
        Scheme().PaintSliced(dc, rectBand, (m_nState & UIL_BANDSTATE_ACTIVE) ? bandBmpActive : bandBmpInactive, !IsHorz());
        dc.SelectClipRgn(NULL);
    }
    pItem->Draw(dc, nState, m_dwStyle);
}

namespace
{
// the caption font, turned to run upwards for a vertical strip
BOOL CreateCaptionFont(CFont& font, BOOL bVert)
{
    NONCLIENTMETRICSA ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        return font.CreateStockObject(DEFAULT_GUI_FONT);
    LOGFONTA lf = ncm.lfSmCaptionFont;
    lf.lfWeight = FW_NORMAL;
    if (bVert)
        lf.lfEscapement = lf.lfOrientation = 900;
    return font.CreateFontIndirect(&lf);
}
}

void CBand::DrawTitle(CDC& dc, const CRect& rectText)
{
    if (rectText.IsRectEmpty())
        return;
    const BOOL bHorz = IsHorz();
    CFont font;
    CreateCaptionFont(font, !bHorz);
    CFont* pOldFont = dc.SelectObject(&font);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOld = dc.SetTextColor(GetMainWndSysColor(COLOR_BTNTEXT, 8));

    int nTextLength = 0;
    if (!m_strTitle.IsEmpty())
    {
        const CSize size = dc.GetTextExtent(m_strTitle);
        const int nRoom = bHorz ? rectText.Width() : rectText.Height();
        nTextLength = size.cx < nRoom ? size.cx : nRoom;
        CRect rectClip = rectText;
        if (bHorz)
            dc.ExtTextOut(rectText.left, rectText.top + (rectText.Height() - size.cy) / 2, ETO_CLIPPED,
                rectClip, m_strTitle, NULL);
        else
            dc.ExtTextOut(rectText.left + (rectText.Width() - size.cy) / 2, rectText.bottom, ETO_CLIPPED,
                rectClip, m_strTitle, NULL);
    }

    // two thin grip lines in the free part of a plain strip
    if (!IsTabbed() && (m_dwStyle & UIL_BANDSTYLE_SKINNED) == 0)
    {
        const COLORREF clrLight = GetMainWndSysColor(COLOR_BTNHIGHLIGHT, 8);
        const COLORREF clrShadow = GetMainWndSysColor(COLOR_BTNSHADOW, 8);
        const int nGap = nTextLength > 0 ? nTextLength + 6 : 0;
        if (bHorz)
        {
            const int nMid = rectText.top + rectText.Height() / 2;
            const int nLeft = rectText.left + nGap;
            if (rectText.right - nLeft > 4)
                for (int y = nMid - 2; y <= nMid + 1; y += 3)
                    dc.Draw3dRect(nLeft, y, rectText.right - nLeft, 2, clrLight, clrShadow);
        }
        else
        {
            const int nMid = rectText.left + rectText.Width() / 2;
            const int nBottom = rectText.bottom - nGap;
            if (nBottom - rectText.top > 4)
                for (int x = nMid - 2; x <= nMid + 1; x += 3)
                    dc.Draw3dRect(x, rectText.top, 2, nBottom - rectText.top, clrLight, clrShadow);
        }
    }
    dc.SetTextColor(clrOld);
    dc.SetBkMode(nOldMode);
    dc.SelectObject(pOldFont);
}

void CBand::DrawTabs(CDC& dc)
{
    CWndPacket* pPacket = GetWndPacket();
    m_arrTabRects.RemoveAll();
    if (pPacket == NULL || pPacket->GetWndCount() == 0 || m_rectText.IsRectEmpty())
        return;
    const BOOL bHorz = IsHorz();
    CFont font;
    CreateCaptionFont(font, !bHorz);
    CFont* pOldFont = dc.SelectObject(&font);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);

    const int nCount = pPacket->GetWndCount();
    const int nBandLength = bHorz ? m_rectBand.Width() : m_rectBand.Height();
    CArray<int, int> arrWidths;
    int nSum = 0;
    for (int i = 0; i < nCount; i++)
    {
        CString strText;
        if (pPacket->GetWnd(i)->GetSafeHwnd() != NULL)
            pPacket->GetWnd(i)->GetWindowText(strText);
        const int nWidth = 16 + 8 + dc.GetTextExtent(strText).cx;
        arrWidths.Add(nWidth);
        nSum += nWidth;
    }
    // too long for the band: every tab gets an equal share of it
    if (nSum > nBandLength)
        for (int i = 0; i < nCount; i++)
            arrWidths[i] = nBandLength / nCount;

    int nPos = bHorz ? m_rectText.left : m_rectText.top;
    const int nThickness = bHorz ? m_rectText.Height() : m_rectText.Width();
    for (int i = 0; i < nCount; i++)
    {
        CRect rectTab = bHorz ? CRect(nPos, 2, nPos + arrWidths[i], nThickness - 2)
                              : CRect(2, nPos, nThickness - 2, nPos + arrWidths[i]);
        m_arrTabRects.Add(rectTab);
        nPos += arrWidths[i];
        const BOOL bSelected = i == pPacket->GetActiveIndex();
        if (bSelected)
        {
            if (!(m_dwStyle & UIL_BANDSTYLE_SKINNED)
                || !Scheme().PaintSliced(dc, rectTab, bandBmpSelectedTab, !bHorz))
                dc.FillSolidRect(rectTab, GetMainWndSysColor(COLOR_WINDOW, 8));
            dc.Draw3dRect(rectTab, GetMainWndSysColor(COLOR_BTNHIGHLIGHT, 8), GetMainWndSysColor(COLOR_BTNSHADOW, 8));
        }
        CString strText;
        if (pPacket->GetWnd(i)->GetSafeHwnd() != NULL)
            pPacket->GetWnd(i)->GetWindowText(strText);
        CRect rectClip = rectTab;
        rectClip.DeflateRect(2, 2);
        if (bHorz)
            dc.ExtTextOut(rectTab.left + 4, rectTab.top + 2, ETO_CLIPPED, rectClip, strText, NULL);
        else
            dc.ExtTextOut(rectTab.left + 2, rectTab.bottom - 4, ETO_CLIPPED, rectClip, strText, NULL);
    }
    dc.SetBkMode(nOldMode);
    dc.SelectObject(pOldFont);
}

int CBand::GetItemFromPt(CPoint pt) const
{
    for (int i = 0; i < GetItemCount(); i++)
    {
        CBandItem* pItem = GetItem(i);
        if (!pItem->m_bHidden && pItem->m_rect.PtInRect(pt))
            return i;
    }
    return -1;
}

int CBand::GetTabFromPt(CPoint pt) const
{
    if (!IsTabbed())
        return -1;
    for (int i = 0; i < (int)m_arrTabRects.GetSize(); i++)
        if (m_arrTabRects[i].PtInRect(pt))
            return i;
    return -1;
}

int CBand::IsTextFromPt(CPoint pt) const
{
    return m_rectText.PtInRect(pt) ? 1 : 0;
}

int CBand::IsDDIcomFromPt(CPoint pt) const
{
    return m_rectDDIcon.PtInRect(pt) ? 1 : 0;
}

void CBand::DrawDDIcom(CDC& dc)
{
    if (m_rectDDIcon.IsRectEmpty())
        return;
    const COLORREF clrLight = GetMainWndSysColor(COLOR_BTNHIGHLIGHT, 8);
    const COLORREF clrShadow = GetMainWndSysColor(COLOR_BTNSHADOW, 8);
    if (m_nDDIconState == 2)
        dc.Draw3dRect(m_rectDDIcon, clrShadow, clrLight);
    else if (m_nDDIconState == 1)
        dc.Draw3dRect(m_rectDDIcon, clrLight, clrShadow);
    // a small down-pointing triangle
    const CPoint ptMid = m_rectDDIcon.CenterPoint();
    for (int i = 0; i < 3; i++)
        dc.FillSolidRect(ptMid.x - 2 + i, ptMid.y - 1 + i, 5 - 2 * i, 1, GetMainWndSysColor(COLOR_BTNTEXT, 8));
}

void CBand::SelectDDIcom(int bSelect, CDC& dc)
{
    m_nDDIconState = bSelect ? 1 : 0;
    const CPoint ptOldOrg = dc.OffsetViewportOrg(m_rectBand.left, m_rectBand.top);
    DrawDDIcom(dc);
    dc.SetViewportOrg(ptOldOrg);
}

void CBand::PushDDIcom(int bPush, CDC& dc)
{
    m_nDDIconState = bPush ? 2 : 0;
    const CPoint ptOldOrg = dc.OffsetViewportOrg(m_rectBand.left, m_rectBand.top);
    DrawDDIcom(dc);
    dc.SetViewportOrg(ptOldOrg);
}

void CBand::SelectItem(int nIndex, CDC& dc)
{
    if (GetItem(nIndex) == NULL)
        nIndex = -1;
    if (nIndex == m_nHilight && !m_bPushed)
        return;
    const int nOld = m_nHilight;
    m_nHilight = nIndex;
    m_bPushed = 0;
    const CPoint ptOldOrg = dc.OffsetViewportOrg(m_rectBand.left, m_rectBand.top);
    DrawItem(dc, nOld);
    DrawItem(dc, nIndex);
    dc.SetViewportOrg(ptOldOrg);
}

void CBand::PushItem(int nIndex, CDC& dc)
{
    if (GetItem(nIndex) == NULL)
        nIndex = -1;
    const int nOld = m_nHilight;
    m_bPushed = nIndex >= 0;
    if (nIndex >= 0)
        m_nHilight = nIndex;
    const CPoint ptOldOrg = dc.OffsetViewportOrg(m_rectBand.left, m_rectBand.top);
    DrawItem(dc, nOld);
    if (nIndex != nOld)
        DrawItem(dc, nIndex);
    dc.SetViewportOrg(ptOldOrg);
}

namespace
{
// pt (screen) in band coordinates of a band in pOwner's window coordinates
CPoint ScreenToBand(const CBand& band, CWnd* pOwner, CPoint pt)
{
    CRect rectWindow;
    pOwner->GetWindowRect(&rectWindow);
    pt -= rectWindow.TopLeft();
    band.ParentToBand(pt);
    return pt;
}
}

void CBand::UpdateHilightState(CWnd* pOwner)
{
    if (pOwner == NULL || pOwner->GetSafeHwnd() == NULL)
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    const int nItem = GetItemFromPt(ScreenToBand(*this, pOwner, pt));
    if (m_nHilight >= 0 && nItem == m_nHilight)
    {
        pOwner->SetTimer(UIL_BAND_TIMER, UIL_BAND_TIMER_MS, NULL);
        return;
    }
    // a pushed button keeps its look until the release decides
    if (!m_bPushed)
    {
        CWindowDC dc(pOwner);
        SelectItem(-1, dc);
    }
    pOwner->KillTimer(UIL_BAND_TIMER);
}

int CBand::OnNcHitTest(CWnd* pOwner, CPoint pt)
{
    if (pOwner == NULL || pOwner->GetSafeHwnd() == NULL)
        return 0;
    const CPoint ptBand = ScreenToBand(*this, pOwner, pt);
    const int nItem = GetItemFromPt(ptBand);
    if (nItem >= 0)
    {
        if (nItem != m_nHilight && !m_bPushed)
        {
            CWindowDC dc(pOwner);
            SelectItem(nItem, dc);
        }
        pOwner->SetTimer(UIL_BAND_TIMER, UIL_BAND_TIMER_MS, NULL);
        return UIL_HTBAND;
    }
    if (GetTabFromPt(ptBand) >= 0)
        return UIL_HTBAND;
    return 0;
}

namespace
{
UINT ToolTipTextID(UINT nKind)
{
    switch (nKind)
    {
    case UIL_BANDITEM_HIDE:         return IDS_BAND_TIP_HIDE;
    case UIL_BANDITEM_ROLLUP:       return IDS_BAND_TIP_ROLLUP;
    case UIL_BANDITEM_REDISTRIBUTE: return IDS_BAND_TIP_REDISTRIBUTE;
    case UIL_BANDITEM_DOCKABLE:     return IDS_BAND_TIP_DOCKABLE;
    }
    return 0;
}
}

void CBand::CreateToolTipCtrl()
{
    if (m_pToolTip != NULL || m_hOwner == NULL)
        return;
    m_pToolTip = new CToolTipCtrl;
    if (!m_pToolTip->Create(CWnd::FromHandle(m_hOwner), TTS_ALWAYSTIP))
    {
        delete m_pToolTip;
        m_pToolTip = NULL;
        return;
    }
    UpdateToolTipRects(TRUE);
}

void CBand::UpdateToolTipRects(int)
{
    if (m_pToolTip == NULL || m_pToolTip->GetSafeHwnd() == NULL || m_hOwner == NULL)
        return;
    CWnd* pOwner = CWnd::FromHandle(m_hOwner);
    // the band lies in the non-client area: tool rectangles are in client coordinates, so they
    // are moved by the client area's offset inside the window (they may be negative)
    CRect rectWindow, rectClient;
    pOwner->GetWindowRect(&rectWindow);
    pOwner->GetClientRect(&rectClient);
    pOwner->ClientToScreen(&rectClient);
    const CPoint ptOffset = rectWindow.TopLeft() - rectClient.TopLeft();
    for (int i = 0; i < GetItemCount(); i++)
    {
        CBandItem* pItem = GetItem(i);
        m_pToolTip->DelTool(pOwner, i + 1);
        if (pItem->m_bHidden || pItem->m_rect.IsRectEmpty())
            continue;
        CRect rect = pItem->m_rect;
        BandToParent(rect);
        rect.OffsetRect(ptOffset);
        CString strText;
        {
            CUILResourceScope scope;
            strText.LoadString(ToolTipTextID(pItem->GetKind()));
        }
        m_pToolTip->AddTool(pOwner, strText, rect, i + 1);
    }
}

void CBand::ToolTipCtrl_OnMouseMove(HWND hWnd, POINT* pPoint)
{
    if (m_pToolTip == NULL || m_pToolTip->GetSafeHwnd() == NULL || hWnd == NULL || pPoint == NULL)
        return;
    CPoint pt = *pPoint;
    ::ScreenToClient(hWnd, &pt);
    MSG msg;
    memset(&msg, 0, sizeof(msg));
    msg.hwnd = hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.lParam = MAKELPARAM(pt.x, pt.y);
    msg.pt = *pPoint;
    msg.time = ::GetMessageTime();
    m_pToolTip->RelayEvent(&msg);
}

CWnd* CBand::GetDropWindow(CRuntimeClass* pDropClass, CPoint pt)
{
    // a tab is only ever dropped on a window packet
    return CWinDrag::GetDropWindow(pDropClass != NULL ? pDropClass : RUNTIME_CLASS(CWndPacket), pt);
}

void CBand::PointsFromRect(POINT* pPoints, int& nCount, const RECT* pRect, CPoint pt, CWnd* pDropWnd)
{
    CWinDrag::PointsFromRect(pPoints, nCount, pRect, pt, pDropWnd);
}
