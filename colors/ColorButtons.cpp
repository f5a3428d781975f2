// ColorButtons.cpp - CColorStatic, CColorPopupButton and CColorsIndicator.
#include "ColorButtons.h"
#include "ColorPopup.h"
#include "CustomColorIcons.h"
#include "frame/UILFrame.h"

namespace
{
// Posts the picker's change to its parent; a control without a parent tells nobody.
void NotifyParent(CWnd* pCtrl)
{
    CWnd* pParent = pCtrl->GetParent();
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
        pParent->PostMessage(WM_COMMAND, (WPARAM)pCtrl->GetDlgCtrlID(), 0);
}

// rc in a window's client coordinates as a screen rectangle
CRect ClientToScreenRect(CWnd* pWnd, CRect rc)
{
    pWnd->ClientToScreen(&rc);
    return rc;
}
}

/////////////////////////////////////////////////////////////////////////////
// CColorStatic

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CColorStatic::CColorStatic() : m_dwColor(COLOR_BTNSHADOW)
{
}

CColorStatic::~CColorStatic()
{
}

void CColorStatic::SetColor(unsigned long c)
{
    m_dwColor = c;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

BOOL CColorStatic::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CColorStatic::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, IsSpecialColor(m_dwColor) ? GetControlSysColor(COLOR_BTNFACE) : m_dwColor);
}

/////////////////////////////////////////////////////////////////////////////
// CColorPopupButton

IMPLEMENT_DYNAMIC(CColorPopupButton, CButton)

BEGIN_MESSAGE_MAP(CColorPopupButton, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CColorPopupButton::CColorPopupButton() : m_dwColor(0)
{
}

CColorPopupButton::~CColorPopupButton()
{
}

void CColorPopupButton::SetColor(unsigned long c)
{
    m_dwColor = c;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

int CColorPopupButton::DoPopup()
{
    CRect rc;
    GetWindowRect(&rc);
    const unsigned long c = RunColorSelector(m_dwColor, &rc, 0);
    if (c == (unsigned long)-1 || c == m_dwColor)
        return 0;
    m_dwColor = c;
    Invalidate(FALSE);
    UpdateWindow();
    NotifyParent(this);
    return 1;
}

void CColorPopupButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    // the selector is modal: the button is not pressed meanwhile, nor afterwards
    DoPopup();
}

void CColorPopupButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CColorPopupButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    pDC->FillSolidRect(&rc, GetControlSysColor(COLOR_BTNFACE));
    const COLORREF clrLight = GetControlSysColor(COLOR_3DLIGHT);
    const COLORREF clrShadow = GetControlSysColor(COLOR_BTNSHADOW);
    const COLORREF clrHighlight = GetControlSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrDark = GetControlSysColor(COLOR_3DDKSHADOW);
    if (lpDIS->itemState & (ODS_DISABLED | ODS_GRAYED))
    {
        pDC->Draw3dRect(&rc, clrLight, clrShadow);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(&rc, clrLight, clrShadow);
        return;
    }
    const BOOL bDown = (lpDIS->itemState & (ODS_SELECTED | ODS_CHECKED)) != 0;
    pDC->Draw3dRect(&rc, bDown ? clrDark : clrHighlight, bDown ? clrHighlight : clrDark);
    rc.DeflateRect(3, 3);
    pDC->Draw3dRect(&rc, clrDark, clrHighlight);
    rc.DeflateRect(1, 1);
    if (rc.IsRectEmpty())
        return;
    if (IsSpecialColor(m_dwColor))
        g_CustomColorIcons.Draw(m_dwColor, pDC->GetSafeHdc(), &rc);
    else
        pDC->FillSolidRect(&rc, m_dwColor);
}

/////////////////////////////////////////////////////////////////////////////
// CColorsIndicator

IMPLEMENT_DYNAMIC(CColorsIndicator, CWnd)

BEGIN_MESSAGE_MAP(CColorsIndicator, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CColorsIndicator::CColorsIndicator()
    : m_dwPenColor(0), m_dwBrushColor(RGB(255, 0, 0)), m_nWhichChanged(0)
{
}

CColorsIndicator::~CColorsIndicator()
{
}

BOOL CColorsIndicator::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW));
    return CWnd::Create(lpszClass, NULL, dwStyle, rect, pParentWnd, nID);
}

void CColorsIndicator::SetPenColor(unsigned long c)
{
    m_dwPenColor = c;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CColorsIndicator::SetBrushColor(unsigned long c)
{
    m_dwBrushColor = c;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CColorsIndicator::SetPenTitle(CString& strTitle)
{
    m_strPenTitle = strTitle;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CColorsIndicator::SetBrushTitle(CString& strTitle)
{
    m_strBrushTitle = strTitle;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CColorsIndicator::GetPenRect(CRect* pRect)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nSide = (3 * rcClient.Height()) / 5 + 1;
    pRect->SetRect(0, 0, nSide, nSide);
}

void CColorsIndicator::GetBrushRect(CRect* pRect)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nSide = (3 * rcClient.Height()) / 5 + 1;
    const int nOffset = (2 * rcClient.Height()) / 5 - 1;
    pRect->SetRect(nOffset, nOffset, nOffset + nSide, nOffset + nSide);
}

BOOL CColorsIndicator::PickColor(unsigned long& c, const CRect& rcPick)
{
    CRect rcAnchor = ClientToScreenRect(this, rcPick);
    const unsigned long cNew = RunColorSelector(c, &rcAnchor, 0);
    if (cNew == (unsigned long)-1 || cNew == c)
        return FALSE;
    c = cNew;
    return TRUE;
}

void CColorsIndicator::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    Invalidate(FALSE);
    m_nWhichChanged = 0;
    CRect rcPen, rcBrush;
    GetPenRect(&rcPen);
    GetBrushRect(&rcBrush);
    rcPen.DeflateRect(2, 2);
    rcBrush.DeflateRect(2, 2);
    // the pen's square lies over the brush's: it takes the click where they overlap
    if (rcPen.PtInRect(point))
    {
        if (PickColor(m_dwPenColor, rcPen))
        {
            m_nWhichChanged = 1;
            NotifyParent(this);
        }
    }
    else if (rcBrush.PtInRect(point))
    {
        if (PickColor(m_dwBrushColor, rcBrush))
        {
            m_nWhichChanged = 2;
            NotifyParent(this);
        }
    }
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

BOOL CColorsIndicator::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CColorsIndicator::DrawSwatch(CDC* pDC, const CRect& rcSquare, unsigned long c)
{
    CRect rc = rcSquare;
    pDC->Draw3dRect(&rc, GetControlSysColor(COLOR_BTNSHADOW), GetControlSysColor(COLOR_BTNHIGHLIGHT));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, GetControlSysColor(COLOR_3DDKSHADOW), GetControlSysColor(COLOR_3DLIGHT));
    rc.DeflateRect(1, 1);
    if (rc.IsRectEmpty())
        return;
    if (!IsSpecialColor(c))
    {
        pDC->FillSolidRect(&rc, c);
        return;
    }
    // no colour of its own: white, crossed out
    pDC->FillSolidRect(&rc, RGB(255, 255, 255));
    CPen pen(PS_SOLID, 1, GetControlSysColor(COLOR_BTNSHADOW));
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rc.left, rc.top);
    pDC->LineTo(rc.right, rc.bottom);
    pDC->MoveTo(rc.right - 1, rc.top);
    pDC->LineTo(rc.left - 1, rc.bottom);
    pDC->SelectObject(pOldPen);
}

void CColorsIndicator::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.FillSolidRect(&rcClient, GetControlSysColor(COLOR_BTNFACE));
    CFont* pOldFont = dc.SelectObject(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetControlSysColor(COLOR_BTNTEXT));

    CRect rcBrush, rcPen;
    GetBrushRect(&rcBrush);
    GetPenRect(&rcPen);
    DrawSwatch(&dc, rcBrush, m_dwBrushColor == COLOR_SAME_AS_PEN && !IsSpecialColor(m_dwPenColor)
        ? m_dwPenColor : m_dwBrushColor);
    CRect rcText(rcBrush.right + 5, rcClient.top, rcClient.right, rcBrush.bottom);
    dc.DrawText(m_strBrushTitle, &rcText, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);

    DrawSwatch(&dc, rcPen, m_dwPenColor);
    rcText.SetRect(rcPen.right + 5, rcPen.top, rcClient.right, rcClient.bottom);
    dc.DrawText(m_strPenTitle, &rcText, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(pOldFont);
}
