// UILItem.cpp - the command item: fields, setters, measuring and inner layout, the turned
// rectangles of vertical bars, filling from button records, command texts and item options.
#include "UILItem.h"
#include "frame/UILFrame.h"
#include "res/resource.h"
#include <new>

CItemFonts CUILItem::m_fonts;
CServiceImageList CUILItem::m_ServiceImageList;

namespace
{
// DrawText flags of measuring: calculate, expand tabs, single line.  Centring a single line
// vertically does not change its size, but some systems move the calculated rectangle up by
// half a line for it, so it is left out here and done by the layout below.
const UINT nMeasureTextFlags = DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE;
// a bar button without images of its own keeps room for one of this size
const CSize sizeDefaultImage(16, 15);
// the space between an item's parts and its edge, and between image and text
const int nItemBorder = 3;
const int nImageTextGap = 4;
// SetWindowPos flags for embedded controls: no size, z-order or activation change, no bits copied
const UINT nControlPosFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

CSize ServiceImageSize()
{
    int cx = 0, cy = 0;
    if (CUILItem::m_ServiceImageList.IsLoaded() && CUILItem::m_ServiceImageList.GetIconSize(&cx, &cy))
        return CSize(cx, cy);
    return CSize(UILSI_SIZE, UILSI_SIZE);
}
}

CUILItem::CUILItem()
    : m_iBitmap(-1), m_idCommand(0), m_fsState(0), m_fsStyle(0), m_dwData(0), m_iString(0),
      m_nExStyle(UILIS_INITIAL), m_nExState(0), m_sizeMin(22, 21), m_sizeImage(0, 0),
      m_pImages(NULL), m_iList(-1), m_pPopupBar(NULL), m_hWndControl(NULL)
{
    ::SetRectEmpty(&m_rcItem);
    ::SetRectEmpty(&m_rcBmp);
    ::SetRectEmpty(&m_rcText);
    ::SetRectEmpty(&m_rcRightBmp);
    m_ServiceImageList.Load();
}

CUILItem::CUILItem(const CUILItem& src)
{
    *this = src;
}

CUILItem& CUILItem::operator=(const CUILItem& src)
{
    if (this == &src)
        return *this;
    m_iBitmap = src.m_iBitmap;
    m_idCommand = src.m_idCommand;
    m_fsState = src.m_fsState;
    m_fsStyle = src.m_fsStyle;
    m_dwData = src.m_dwData;
    m_iString = src.m_iString;
    m_nExStyle = src.m_nExStyle;
    m_nExState = src.m_nExState;
    m_sizeMin = src.m_sizeMin;
    m_sizeImage = src.m_sizeImage;
    m_pImages = src.m_pImages;
    m_iList = src.m_iList;
    m_rcItem = src.m_rcItem;
    m_rcBmp = src.m_rcBmp;
    m_rcText = src.m_rcText;
    m_rcRightBmp = src.m_rcRightBmp;
    m_strText = src.m_strText;
    m_pPopupBar = src.m_pPopupBar;
    m_hWndControl = src.m_hWndControl;
    return *this;
}

CUILItem::~CUILItem()
{
}

/////////////////////////////////////////////////////////////////////////////
// Fields

void CUILItem::SetIBitmap(int iBitmap)
{
    if (HIWORD(iBitmap) != 0 && iBitmap >= 0)
        m_iList = (int)HIWORD(iBitmap);
    m_iBitmap = iBitmap;
}

void CUILItem::Remeasure()
{
    const int x = m_rcItem.left, y = m_rcItem.top;
    CClientDC dc(NULL);
    MeasureItem(dc, -1, -1);
    SetItemPos(x, y, 0, NULL);
}

void CUILItem::SetState(unsigned char fsState)
{
    m_fsState = fsState;
    Remeasure();
}

void CUILItem::SetStyle(unsigned char fsStyle)
{
    m_fsStyle = fsStyle;
    Remeasure();
}

void CUILItem::SetText(const CString& strText)
{
    m_strText = strText;
    Remeasure();
}

int CUILItem::SetExStyle(int nExStyle)
{
    const int nPrevious = m_nExStyle;
    m_nExStyle = nExStyle;
    Remeasure();
    return nPrevious;
}

int CUILItem::SetExState(int nExState)
{
    const int nPrevious = m_nExState;
    m_nExState = nExState;
    Remeasure();
    return nPrevious;
}

/////////////////////////////////////////////////////////////////////////////
// Measuring

CString CUILItem::GetMeasuredText() const
{
    if ((m_nExStyle & UILIS_ACCELTEXT) != 0)
        return m_strText;
    const int nTab = m_strText.Find('\t');
    return nTab >= 0 ? m_strText.Left(nTab) : m_strText;
}

CUILImageList* CUILItem::GetImageList() const
{
    if (m_pImages == NULL || m_iBitmap < 0)
        return NULL;
    // a list named by the item takes precedence over the number's own range
    return m_iList >= 0 ? m_pImages->GetAt(m_iList) : m_pImages->GetImgListWithImage(m_iBitmap);
}

CSize CUILItem::GetImageSize() const
{
    if (m_pImages == NULL)
        return sizeDefaultImage;
    // with a collection only the image itself has a size: a number no list holds has none
    int cx = 0, cy = 0;
    const CUILImageList* pList = GetImageList();
    if (pList == NULL || !pList->GetIconSize(&cx, &cy))
        return CSize(0, 0);
    return CSize(cx, cy);
}

CSize CUILItem::MeasureItem(CDC& dc, int nExStyle, int nExState)
{
    if (nExStyle != -1)
        m_nExStyle = nExStyle;
    if (nExState != -1)
        m_nExState = nExState;

    int nLook = m_nExStyle;
    if ((nLook & UILIS_DEFAULTLOOK) != 0)
    {
        if ((nLook & UILIS_MENUITEM) != 0)
            nLook = (nLook & ~UILIS_IMAGE) | UILIS_TEXT;
        else if ((nLook & UILIS_BARITEM) != 0)
            nLook = (nLook & ~UILIS_TEXT) | UILIS_IMAGE;
        m_nExStyle = nLook;
    }
    const BOOL bMenu = (nLook & UILIS_MENUITEM) != 0;
    const BOOL bBar = !bMenu && (nLook & UILIS_BARITEM) != 0;

    m_sizeImage = GetImageSize();
    CRect rcItem(0, 0, 0, 0), rcBmp(0, 0, 0, 0), rcText(0, 0, 0, 0), rcArrow(0, 0, 0, 0);

    if (IsSeparator() || IsControl())
    {
        if (IsSeparator())
        {
            const int nWidth = m_iBitmap > 0 ? m_iBitmap : 0;
            rcItem.SetRect(0, 0, nWidth, nWidth);
        }
        else if (m_hWndControl != NULL && ::IsWindow(m_hWndControl))
            ::GetClientRect(m_hWndControl, &rcItem);
        else
            rcItem.SetRect(0, 0, m_iBitmap > 0 ? m_iBitmap : 0, m_sizeImage.cy);
    }
    else
    {
        if ((m_iBitmap >= 0 && (nLook & UILIS_IMAGE) != 0) || bBar)
            rcBmp.SetRect(0, 0, m_sizeImage.cx, m_sizeImage.cy);

        const BOOL bPopup = (nLook & UILIS_POPUP) != 0;
        if ((bBar && bPopup) || (bMenu && bPopup && (nLook & UILIS_MENUIMAGES) != 0))
        {
            const CSize sizeArrow = ServiceImageSize();
            rcArrow.SetRect(0, 0, sizeArrow.cx, sizeArrow.cy);
        }

        // an empty caption measures like any other: a line high, no width, plus the margins
        if ((nLook & UILIS_TEXT) != 0)
        {
            const CString strText = GetMeasuredText();
            CFont* pFont = m_fonts.GetHorzFont();
            CFont* pOldFont = pFont->GetSafeHandle() != NULL ? dc.SelectObject(pFont) : NULL;
            dc.DrawText(strText, &rcText, nMeasureTextFlags);
            if (pOldFont != NULL)
                dc.SelectObject(pOldFont);
            rcText.right += 6;
            rcText.bottom += 6;
        }

        if (bMenu && (nLook & UILIS_MENUIMAGES) != 0 && rcBmp.IsRectEmpty())
        {
            const int nSide = ::GetSystemMetrics(SM_CXMENUCHECK) + 2;
            rcBmp.SetRect(0, 0, nSide, nSide);
        }

        if (rcBmp.Height() > rcText.Height())
            rcText.OffsetRect(0, (rcBmp.Height() - rcText.Height()) / 2);
        else
            rcBmp.OffsetRect(0, (rcText.Height() - rcBmp.Height()) / 2);
        rcText.OffsetRect(rcBmp.right + nImageTextGap - rcText.left, 0);

        rcItem.UnionRect(&rcBmp, &rcText);

        if (bBar && bPopup)
        {
            // the drop-down mark sits in the button's corner; the button does not grow for it
            rcItem.InflateRect(nItemBorder, nItemBorder);
            rcArrow.OffsetRect(rcItem.right - rcArrow.right, rcItem.bottom - rcArrow.bottom);
        }
        else
        {
            if (!rcArrow.IsRectEmpty())
            {
                rcArrow.OffsetRect(rcItem.right, rcItem.top + (rcItem.Height() - rcArrow.Height()) / 2);
                CRect rcWithArrow;
                rcWithArrow.UnionRect(&rcItem, &rcArrow);
                rcItem = rcWithArrow;
            }
            rcItem.InflateRect(nItemBorder, nItemBorder);
        }
    }

    m_rcItem = rcItem;
    m_rcBmp = rcBmp;
    m_rcText = rcText;
    m_rcRightBmp = rcArrow;
    OffsetRects(-rcItem.left, -rcItem.top);

    SetMinSize(m_sizeMin);
    return CSize(Width(m_rcItem), Height(m_rcItem));
}

void CUILItem::SetMinSize(CSize size)
{
    if (IsSeparator() || IsControl())
        return;
    m_sizeMin = size;
    const int dx = size.cx - Width(m_rcItem);
    if (dx > 0)
    {
        m_rcItem.right += dx;
        if (!::IsRectEmpty(&m_rcText))
            m_rcText.right += dx;
        if (!::IsRectEmpty(&m_rcRightBmp))
            ::OffsetRect(&m_rcRightBmp, dx, 0);
    }
    const int dy = size.cy - Height(m_rcItem);
    if (dy > 0)
    {
        RECT* parts[3] = { &m_rcBmp, &m_rcText, &m_rcRightBmp };
        for (RECT* pPart : parts)
        {
            if (!::IsRectEmpty(pPart))
                ::OffsetRect(pPart, 0, dy / 2);
        }
        m_rcItem.bottom += dy;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Position and rectangles

void CUILItem::OffsetRects(int dx, int dy)
{
    ::OffsetRect(&m_rcItem, dx, dy);
    ::OffsetRect(&m_rcBmp, dx, dy);
    ::OffsetRect(&m_rcText, dx, dy);
    ::OffsetRect(&m_rcRightBmp, dx, dy);
}

void* CUILItem::SetItemPos(int x, int y, UINT nFlags, void* hDefer)
{
    OffsetRects(x - m_rcItem.left, y - m_rcItem.top);
    if (IsControl() && m_hWndControl != NULL && ::IsWindow(m_hWndControl))
    {
        const UINT nPosFlags = nControlPosFlags | nFlags;
        if (hDefer != NULL)
            hDefer = ::DeferWindowPos((HDWP)hDefer, m_hWndControl, NULL, x, y, 0, 0, nPosFlags);
        else
            ::SetWindowPos(m_hWndControl, NULL, x, y, 0, 0, nPosFlags);
    }
    return hDefer;
}

void CUILItem::GetRect(RECT* pRect, UINT nFlags)
{
    if (pRect == NULL)
        return;
    *pRect = m_rcItem;
    if ((nFlags & UILRECT_TURNED) != 0 && !IsControl())
    {
        pRect->right = m_rcItem.left + Height(m_rcItem);
        pRect->bottom = m_rcItem.top + Width(m_rcItem);
    }
}

BOOL CUILItem::BeginPartRect(RECT* pRect, BOOL bShown, const RECT& rcFlat, RECT* pTurnedItem)
{
    if (pRect == NULL)
        return FALSE;
    ::SetRectEmpty(pRect);
    if (!bShown)
        return FALSE;
    if ((m_nExStyle & UILIS_VERTICAL) == 0)
    {
        *pRect = rcFlat;
        return FALSE;
    }
    GetRect(pTurnedItem, UILRECT_TURNED);
    return TRUE;
}

void CUILItem::GetBmpRect(RECT* pRect)
{
    const BOOL bShown = (m_nExStyle & UILIS_IMAGE) != 0 ||
        ((m_nExStyle & UILIS_MENUITEM) != 0 && (m_nExStyle & UILIS_MENUIMAGES) != 0);
    RECT rc;
    if (!BeginPartRect(pRect, bShown, m_rcBmp, &rc))
        return;
    pRect->left = rc.left + nItemBorder;
    pRect->right = pRect->left + Height(m_rcBmp);
    pRect->bottom = rc.bottom - nItemBorder;
    pRect->top = pRect->bottom - Width(m_rcBmp);
}

void CUILItem::GetTextRect(RECT* pRect)
{
    RECT rc;
    if (!BeginPartRect(pRect, (m_nExStyle & UILIS_TEXT) != 0, m_rcText, &rc))
        return;
    pRect->left = rc.left + nItemBorder;
    pRect->right = rc.right - nItemBorder;
    pRect->top = rc.top + Width(m_rcRightBmp) + nItemBorder;
    pRect->bottom = pRect->top + Width(m_rcText) - 1;
}

void CUILItem::GetRightBmpRect(RECT* pRect)
{
    RECT rc;
    if (!BeginPartRect(pRect, (m_nExStyle & UILIS_POPUP) != 0, m_rcRightBmp, &rc))
        return;
    const int cx = Width(m_rcRightBmp), cy = Height(m_rcRightBmp);
    const BOOL bBarPopup = (m_nExStyle & UILIS_MENUITEM) == 0 && (m_nExStyle & UILIS_BARITEM) != 0;
    if (bBarPopup)
    {
        pRect->right = rc.right;
        pRect->bottom = rc.bottom;
        pRect->left = rc.right - cx;
        pRect->top = rc.bottom - cy;
    }
    else
    {
        pRect->left = rc.left + (Width(rc) - cx) / 2;
        pRect->top = rc.top + nItemBorder;
        pRect->right = pRect->left + cx;
        pRect->bottom = pRect->top + cy;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Button records, command texts, options, copies

void CUILItem::FillFromTBButton(TBBUTTON* pButton, CUILImagesCollection* pImages)
{
    if (pButton == NULL)
        return;
    SetIBitmap(pButton->iBitmap);
    m_idCommand = pButton->idCommand;
    m_fsState = pButton->fsState;
    m_fsStyle = pButton->fsStyle;
    m_dwData = pButton->dwData;
    m_iString = pButton->iString;
    m_nExState = pButton->fsState;
    if ((m_fsStyle & TBSTYLE_SEP) != 0)
    {
        m_strText.Empty();
        m_pImages = NULL;
        m_hWndControl = NULL;
        return;
    }
    m_nExStyle = UILIS_BARITEM | UILIS_IMAGE | UILIS_TEXT | UILIS_CUSTOMLOOK;
    m_pImages = pImages;
    const CUILImageList* pList = GetImageList();
    int cx = 0, cy = 0;
    if (pList != NULL && pList->GetIconSize(&cx, &cy))
    {
        m_sizeImage = CSize(cx, cy);
        m_sizeMin = CSize(cx + 2 * nItemBorder, cy + 2 * nItemBorder);
    }
}

int CUILItem::FindCommandString(UINT nID, CString& strText)
{
    strText.Empty();
    BOOL bFound = FALSE;

    CWnd* pMainWnd = AfxGetMainWnd();
    HMENU hMenu = pMainWnd != NULL && pMainWnd->m_hWnd != NULL ? ::GetMenu(pMainWnd->m_hWnd) : NULL;
    if (hMenu != NULL && ::GetMenuState(hMenu, nID, MF_BYCOMMAND) != (UINT)-1)
    {
        char szText[256] = "";
        ::GetMenuStringA(hMenu, nID, szText, sizeof(szText), MF_BYCOMMAND);
        strText = szText;
        bFound = TRUE;
    }
    if (!bFound)
    {
        // a command's string is "status-bar prompt\ntooltip"; the tooltip is the short name
        CString strResource;
        if (strResource.LoadString(nID))
        {
            const int nLineFeed = strResource.Find('\n');
            strText = nLineFeed >= 0 ? strResource.Mid(nLineFeed + 1) : strResource;
            bFound = TRUE;
        }
    }
    if (!bFound)
    {
        CUILResourceScope resources;
        if (!strText.LoadString(IDS_UIL_NOTFOUND))
            strText = "Not Found";
        return 0;
    }
    strText.Trim();
    return 1;
}

int CUILItem::AppendItemOptionsToMenu(CMenu* pMenu, UINT nFirstID)
{
    if (pMenu == NULL || pMenu->GetSafeHmenu() == NULL)
        return 0;
    static const UINT texts[3] = { IDS_UIL_BITMAPONLY, IDS_UIL_TEXTONLY, IDS_UIL_BITMAPANDTEXT };
    static const int looks[3] = { UILIS_IMAGE, UILIS_TEXT, UILIS_IMAGE | UILIS_TEXT };

    const int nShown = m_nExStyle & (UILIS_IMAGE | UILIS_TEXT);
    const BOOL bNoImage = GetImageList() == NULL;

    CUILResourceScope resources;
    for (int i = 0; i < 3; i++)
    {
        CString strText;
        strText.LoadString(texts[i]);
        UINT nFlags = MF_STRING;
        if (nShown == looks[i])
            nFlags |= MF_CHECKED;
        else if ((looks[i] & UILIS_IMAGE) != 0 && bNoImage)
            nFlags |= MF_GRAYED;
        pMenu->AppendMenu(nFlags, nFirstID + i, strText);
    }
    return 3;
}

int CUILItem::DoItemOptions(UINT nIndex, int* pChanged)
{
    int nLook = m_nExStyle & ~(UILIS_IMAGE | UILIS_TEXT);
    switch (nIndex)
    {
    case 0:
        nLook |= UILIS_IMAGE;
        break;
    case 1:
        nLook |= UILIS_TEXT;
        break;
    case 2:
        nLook |= UILIS_IMAGE | UILIS_TEXT;
        break;
    default:
        return 0;
    }
    SetExStyle(nLook);
    if (pChanged != NULL)
        *pChanged = 1;
    return 1;
}

int CUILItem::_CopyFrom(CUILItem* pSrc)
{
    if (pSrc == NULL)
        return 0;
    *this = *pSrc;
    return 1;
}

CUILItem* CUILItem::_CreateCopy()
{
    return new (std::nothrow) CUILItem(*this);
}
