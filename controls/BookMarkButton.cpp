// BookMarkButton.cpp - the tab strip's buttons: the tabs and the two scroll buttons.
#include "BookMark.h"
#include "bitmaps/BitmapOps.h"
#include "colors/FrameColors.h"
#include "colors/UILColor.h"
#include "frame/UILFrame.h"
#include "toolbars/UILItem.h"
#include "res/resource.h"
#include <stdlib.h>

namespace
{
// what a tab's length adds to its text: margins, the gap after the image, room for the corners
const int nTextMargin = 4;
const int nImageGap = 2;
const int nCornerRoom = 10;
// the tab's image stands this far from the tab's end
const int nIndicatorInset = 4;
// A tab window starts this far beyond the strip's edge, so that its frame's far side is hidden
// and the tab seems to hang from the edge.
const int nHiddenEdge = 2;


// A right press on any of the strip's buttons opens the strip's tab menu.
void OpenStripMenu(CWnd* pButton, CPoint point)
{
    CBookMark* pStrip = DYNAMIC_DOWNCAST(CBookMark, pButton->GetParent());
    if (pStrip == NULL)
        return;
    pButton->ClientToScreen(&point);
    pStrip->DoTabChoices(point);
}
}

/////////////////////////////////////////////////////////////////////////////
// CBookMarkButton

IMPLEMENT_DYNAMIC(CBookMarkButton, CButton)

BEGIN_MESSAGE_MAP(CBookMarkButton, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONDOWN()
    ON_WM_SIZE()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CBookMarkButton::CBookMarkButton()
    : m_nState(0), m_nCmdID(0), m_nBMStyle(0), m_pImageList(NULL), m_nImage(-1), m_sizeImage(0, 0),
      m_size(0, 0), m_nID(0), m_bPressed(0), m_ptPress(-1, -1)
{
}

CBookMarkButton::~CBookMarkButton()
{
}

BOOL CBookMarkButton::Create(LPCSTR lpszText, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_nID = nID;
    // shown by the strip's layout
    return CButton::Create(lpszText, WS_CHILD | WS_CLIPCHILDREN | BS_OWNERDRAW, rect, pParentWnd, nID);
}

UINT CBookMarkButton::ModifyState(UINT nRemove, UINT nAdd)
{
    const UINT nOld = m_nState;
    m_nState = (nOld & ~nRemove) | nAdd;
    if (nAdd & BMB_SELECTED)
    {
        m_bPressed = 0;
        m_ptPress = CPoint(-1, -1);
    }
    if (((nOld ^ m_nState) & BMB_SELECTED) && m_hWnd != NULL)
        Invalidate(FALSE);
    return m_nState;
}

UINT CBookMarkButton::SetBMStyle(UINT nStyle)
{
    const UINT nOld = m_nBMStyle;
    m_nBMStyle = nStyle & BMS_VERTMASK;
    if (m_nBMStyle != nOld && m_hWnd != NULL)
        Invalidate(FALSE);
    return nOld;
}

void CBookMarkButton::SetImage(CImageList* pImageList, int nImage)
{
    m_pImageList = pImageList;
    m_nImage = nImage;
    m_sizeImage = CSize(0, 0);
    int cx = 0, cy = 0;
    if (pImageList != NULL && pImageList->m_hImageList != NULL && nImage >= 0
        && ::ImageList_GetIconSize(pImageList->m_hImageList, &cx, &cy))
        m_sizeImage = CSize(cx, cy);
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

CFont* CBookMarkButton::GetTabFont() const
{
    CFont* pFont = (m_nBMStyle & BMS_VERTMASK) ? CUILItem::m_fonts.GetVertFont() : CUILItem::m_fonts.GetHorzFont();
    if (pFont->m_hObject == NULL)
        pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    return pFont;
}

CSize CBookMarkButton::CalcSize(int nHeight)
{
    CString strText;
    if (m_hWnd != NULL)
        GetWindowText(strText);

    // measured unturned: a turned font reports the same extents
    CFont* pFont = CUILItem::m_fonts.GetHorzFont();
    if (pFont->m_hObject == NULL)
        pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    CDC dc;
    dc.Attach(::GetDC(NULL));
    CFont* pOldFont = dc.SelectObject(pFont);
    CRect rectText(0, 0, 0, 0);
    dc.DrawText(strText, &rectText, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_VCENTER | DT_NOPREFIX);
    dc.SelectObject(pOldFont);
    ::ReleaseDC(NULL, dc.Detach());

    const BOOL bVert = (m_nBMStyle & BMS_VERTMASK) != 0;
    const int nImage = bVert ? m_sizeImage.cy : m_sizeImage.cx;
    const int nLength = rectText.Width() + nTextMargin + nImage + nImageGap + nCornerRoom;
    const int nThickness = nHeight > 0 ? nHeight : rectText.Height() + nTextMargin;
    return bVert ? CSize(nThickness, nLength) : CSize(nLength, nThickness);
}

CSize CBookMarkButton::ModifySize(int nHeight)
{
    m_size = CalcSize(nHeight);
    if (m_hWnd != NULL)
    {
        CWnd* pIndicator = GetDlgItem(BM_ID_INDICATOR);
        if (pIndicator != NULL)
            pIndicator->MoveWindow(GetIndicatorRect());
    }
    return m_size;
}

CRect CBookMarkButton::GetIndicatorRect()
{
    CRect rect(0, 0, 0, 0);
    if (m_hWnd != NULL)
        GetClientRect(&rect);
    const int cx = m_sizeImage.cx, cy = m_sizeImage.cy;
    if (m_nBMStyle & BMS_VERTMASK)
    {
        const int x = rect.left + (rect.Width() - cx) / 2;
        return CRect(x, rect.bottom - nIndicatorInset - cy, x + cx, rect.bottom - nIndicatorInset);
    }
    const int y = rect.top + (rect.Height() - cy) / 2;
    return CRect(rect.left + nIndicatorInset, y, rect.left + nIndicatorInset + cx, y + cy);
}

// The tab is worked out in its own frame: u along the strip, v across it from the hidden far
// side of the strip's edge (the edge itself is at v = 2).  Turn gives the client point.
CPoint CBookMarkButton::Turn(int u, int v, const CRect& rect) const
{
    switch (m_nBMStyle & BMS_VERTMASK)
    {
    case 0:
        return CPoint(rect.left + u, rect.top + v);
    case BMS_VERT_RIGHT:
        return CPoint(rect.left + v, rect.top + u);
    default:            // the strip's edge on the right
        return CPoint(rect.right - 1 - v, rect.top + u);
    }
}

void CBookMarkButton::TabPoints(const CRect& rect, BOOL bSelected, POINT* pPoints)
{
    const BOOL bVert = (m_nBMStyle & BMS_VERTMASK) != 0;
    const int nLength = bVert ? rect.Height() : rect.Width();
    const int nThickness = bVert ? rect.Width() : rect.Height();
    // room for the frame's two-pixel bands on either side; an unselected tab stands back a pixel
    const int u0 = 2, u1 = nLength - 3;
    const int v1 = nThickness - (bSelected ? 3 : 4);
    const int outline[7][2] = { { u0, 0 }, { u0, v1 - 2 }, { u0 + 2, v1 }, { u1 - 2, v1 }, { u1, v1 - 2 },
        { u1, 0 }, { u0, 0 } };
    for (int i = 0; i < 7; i++)
        pPoints[i] = Turn(outline[i][0], outline[i][1], rect);
}

void CBookMarkButton::DrawTab(CDC& dc, const CRect& rect, BOOL bSelected)
{
    const COLORREF clrFace = GetControlSysColor(COLOR_BTNFACE);
    const COLORREF clrText = GetControlSysColor(COLOR_BTNTEXT);
    const COLORREF clrShadow = GetControlSysColor(COLOR_BTNSHADOW);
    dc.FillSolidRect(&rect, clrFace);

    CFrameColors colors(clrFace, GetControlSysColor(COLOR_3DLIGHT), GetControlSysColor(COLOR_BTNHIGHLIGHT), clrShadow,
        GetControlSysColor(COLOR_3DDKSHADOW));
    POINT pts[7];
    TabPoints(rect, bSelected, pts);
    Draw3DFrame(dc, pts, 7, bSelected ? 0 : FRAME3D_DARKFACE | FRAME3D_NOOUTERDARK | FRAME3D_SOFT, &colors);

    const BOOL bVert = (m_nBMStyle & BMS_VERTMASK) != 0;
    const int nLength = bVert ? rect.Height() : rect.Width();
    const int nThickness = bVert ? rect.Width() : rect.Height();
    if (!bSelected)
    {
        // the strip's edge goes on under an unselected tab; the selected one stands open to the
        // window it shows
        const COLORREF clrEdge = GetControlSysColor((m_nBMStyle & BMS_VERTMASK) == BMS_VERT_LEFT ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW);
        CRect rectEdge(Turn(0, nHiddenEdge, rect), Turn(nLength - 1, nHiddenEdge, rect));
        rectEdge.NormalizeRect();
        rectEdge.right++;
        rectEdge.bottom++;
        dc.FillSolidRect(&rectEdge, clrEdge);
    }

    // the text goes between the image and the far corner, on the part below the edge; a
    // horizontal tab has its image at its start, a vertical one at its end (where the text,
    // running upwards, starts)
    int uTextStart = 2, uTextEnd = nLength - 3;
    if (m_pImageList != NULL && m_nImage >= 0 && m_pImageList->m_hImageList != NULL)
    {
        // drawn at the client position: the memory bitmap has the client's size
        m_pImageList->Draw(&dc, m_nImage, GetIndicatorRect().TopLeft(), ILD_TRANSPARENT);
        if (bVert)
            uTextEnd = nLength - nIndicatorInset - m_sizeImage.cy - nImageGap;
        else
            uTextStart = nIndicatorInset + m_sizeImage.cx + nImageGap;
    }
    CRect rectText(Turn(uTextStart, nHiddenEdge + 1, rect), Turn(uTextEnd, nThickness - (bSelected ? 3 : 4), rect));
    rectText.NormalizeRect();
    if (rectText.IsRectEmpty())
        return;

    CString strText;
    GetWindowText(strText);
    CFont* pOldFont = dc.SelectObject(GetTabFont());
    const CSize sizeText = dc.GetTextExtent(strText);
    dc.SetBkMode(TRANSPARENT);
    CPoint ptText;
    if (bVert)
    {
        // bottom to top: the text's top faces left
        ptText.x = rectText.left + (rectText.Width() - sizeText.cy) / 2;
        ptText.y = rectText.bottom - (rectText.Height() - sizeText.cx) / 2;
    }
    else
    {
        ptText.x = rectText.left + (rectText.Width() - sizeText.cx) / 2 + 1;
        ptText.y = rectText.top + (rectText.Height() - sizeText.cy) / 2;
    }
    if (bSelected)
    {
        dc.SetTextColor(clrShadow);
        dc.ExtTextOut(ptText.x + 1, ptText.y + 1, ETO_CLIPPED, &rectText, strText, NULL);
        dc.SetTextColor(clrText);
    }
    else
        dc.SetTextColor(GetMixColor(clrFace, clrText, 0.6f));
    dc.ExtTextOut(ptText.x, ptText.y, ETO_CLIPPED, &rectText, strText, NULL);
    dc.SelectObject(pOldFont);
}

void CBookMarkButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // a pressed tab keeps the look it had: a tab never looks pushed in
    if (lpDrawItemStruct->itemState & ODS_SELECTED)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect(lpDrawItemStruct->rcItem);
    if (rect.IsRectEmpty())
        return;

    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, rect.Width(), rect.Height()))
        return;
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    DrawTab(dcMem, CRect(0, 0, rect.Width(), rect.Height()), (m_nState & BMB_SELECTED) != 0);
    pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
}

void CBookMarkButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_ptPress = point;
    m_bPressed = 1;
    CButton::OnLButtonDown(nFlags, point);
}

void CBookMarkButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!(nFlags & MK_LBUTTON))
        m_bPressed = 0;
    else if (m_bPressed && (abs(point.x - m_ptPress.x) >= nDragDistance || abs(point.y - m_ptPress.y) >= nDragDistance))
    {
        // the window packet holding the strip drags the tab's window
        CPoint ptScreen = m_ptPress;
        ClientToScreen(&ptScreen);
        m_bPressed = 0;
        m_ptPress = CPoint(-1, -1);
        CWnd* pStrip = GetParent();
        CWnd* pPacket = pStrip != NULL ? pStrip->GetParent() : NULL;
        if (pPacket != NULL)
            pPacket->PostMessage(WM_USER_LDRAG, (WPARAM)m_nID, MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    CButton::OnMouseMove(nFlags, point);
}

void CBookMarkButton::OnRButtonDown(UINT, CPoint point)
{
    OpenStripMenu(this, point);
}

void CBookMarkButton::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    CWnd* pIndicator = GetDlgItem(BM_ID_INDICATOR);
    if (pIndicator != NULL)
        pIndicator->MoveWindow(GetIndicatorRect());
}

void CBookMarkButton::OnNcDestroy()
{
    CButton::OnNcDestroy();
}

void CBookMarkButton::PostNcDestroy()
{
    // the strip owns its tabs only while they have windows
    delete this;
}

/////////////////////////////////////////////////////////////////////////////
// CScrollButton

IMPLEMENT_DYNAMIC(CScrollButton, CButton)

BEGIN_MESSAGE_MAP(CScrollButton, CButton)
    ON_WM_RBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CScrollButton::CScrollButton()
    : m_bBack(0), m_bVertical(false), m_nWidth(0), m_nHeight(0), m_hArrow(NULL)
{
}

CScrollButton::~CScrollButton()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_hArrow != NULL)
        ::DestroyIcon(m_hArrow);
}

BOOL CScrollButton::Create(int bBack, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_bBack = bBack;
    m_nWidth = rect.right - rect.left;
    m_nHeight = rect.bottom - rect.top;
    if (!CButton::Create(bBack ? "<" : ">", dwStyle | BS_ICON, rect, pParentWnd, nID))
        return FALSE;
    LoadArrow();
    return TRUE;
}

void CScrollButton::SetVertical(bool bVertical)
{
    if (bVertical == m_bVertical)
        return;
    m_bVertical = bVertical;
    LoadArrow();
}

void CScrollButton::LoadArrow()
{
    if (m_hWnd == NULL)
        return;
    // images: back vertical, forward vertical, back horizontal, forward horizontal
    const int nImage = (m_bVertical ? 0 : 2) + (m_bBack ? 0 : 1);
    HIMAGELIST hList;
    {
        CUILResourceScope scope;
        hList = ::ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_BOOKMARK_ARROWS), nArrowSize, 0,
            RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    }
    if (hList == NULL)
        return;
    HICON hArrow = ::ImageList_GetIcon(hList, nImage, ILD_NORMAL);
    ::ImageList_Destroy(hList);
    if (hArrow == NULL)
        return;
    SetIcon(hArrow);
    if (m_hArrow != NULL)
        ::DestroyIcon(m_hArrow);
    m_hArrow = hArrow;
}

void CScrollButton::OnRButtonDown(UINT, CPoint point)
{
    OpenStripMenu(this, point);
}

void CScrollButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    CButton::OnLButtonUp(nFlags, point);
    // scrolling the tabs is no reason to take the keyboard from the window the user works in
    if (CWnd::GetFocus() == this)
    {
        CWnd* pTop = GetTopLevelParent();
        if (pTop != NULL)
            pTop->SetFocus();
    }
}

void CScrollButton::OnNcDestroy()
{
    CButton::OnNcDestroy();
    if (m_hArrow != NULL)
    {
        ::DestroyIcon(m_hArrow);
        m_hArrow = NULL;
    }
}
