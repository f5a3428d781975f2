// barcore.cpp - CControlBar: the base of every bar a frame lays out, docks and floats; the shared
// metrics and frame colours of bars (afxData).
#include "afximpl_.h"
#include <afxpriv.h>

/////////////////////////////////////////////////////////////////////////////
// afxData

AUX_DATA afxData;

AUX_DATA::AUX_DATA()
{
    hbmMenuDot = NULL;
    UpdateSysMetrics();
    UpdateSysColors();
}

void AUX_DATA::UpdateSysMetrics()
{
    cxBorder2 = CX_BORDER * 2;
    cyBorder2 = CY_BORDER * 2;
}

void AUX_DATA::UpdateSysColors()
{
    clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
    clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
}

void AFXAPI _AfxLoadDotBitmap()
{
    if (afxData.hbmMenuDot != NULL)
        return;
    // monochrome: set bits are the background, the clear ones the dot drawn in the text colour
    const LONG lSize = ::GetMenuCheckMarkDimensions();
    const int cx = LOWORD(lSize), cy = HIWORD(lSize);
    HBITMAP hbm = ::CreateBitmap(cx, cy, 1, 1, NULL);
    HDC hdc = ::CreateCompatibleDC(NULL);
    if (hbm == NULL || hdc == NULL)
    {
        if (hbm != NULL)
            ::DeleteObject(hbm);
        if (hdc != NULL)
            ::DeleteDC(hdc);
        return;
    }
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    ::PatBlt(hdc, 0, 0, cx, cy, WHITENESS);
    HGDIOBJ hOldBrush = ::SelectObject(hdc, ::GetStockObject(BLACK_BRUSH));
    HGDIOBJ hOldPen = ::SelectObject(hdc, ::GetStockObject(NULL_PEN));
    const int d = (cx < cy ? cx : cy) / 2;
    const int x = (cx - d) / 2, y = (cy - d) / 2;
    ::Ellipse(hdc, x, y, x + d + 1, y + d + 1);     // a null pen draws one pixel short
    ::SelectObject(hdc, hOldPen);
    ::SelectObject(hdc, hOldBrush);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    afxData.hbmMenuDot = hbm;
}

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    ASSERT(hWnd != NULL);
    ASSERT(lpRect != NULL);
    HWND hWndParent = ::GetParent(hWnd);
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(NULL, hWndParent, (POINT*)&rectOld, 2);
    if (::EqualRect(&rectOld, lpRect))
        return;     // nothing to do
    if (lpLayout != NULL && lpLayout->hDWP == NULL)
        return;     // only a query
    const int cx = lpRect->right - lpRect->left;
    const int cy = lpRect->bottom - lpRect->top;
    if (lpLayout != NULL)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, NULL, lpRect->left, lpRect->top, cx, cy,
            SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(hWnd, NULL, lpRect->left, lpRect->top, cx, cy, SWP_NOACTIVATE | SWP_NOZORDER);
}

/////////////////////////////////////////////////////////////////////////////
// CControlBar

// the bar whose fly-by prompt the message bar shows, and the last hit of the mouse over bars
// a tool that is no button: a press on it takes the fly-by prompt away
#ifndef TTF_NOTBUTTON
#define TTF_NOTBUTTON 0x80000000L
#endif

namespace
{
thread_local CControlBar* t_pLastStatus = NULL;
thread_local INT_PTR t_nLastStatus = -1;
}

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_TIMER()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar()
{
    // room to grab the bar by at either end of a row
    m_cxLeftBorder = m_cxRightBorder = 6;
    m_cxDefaultGap = 2;
    m_cyTopBorder = m_cyBottomBorder = 1;
    m_bAutoDelete = FALSE;
    m_hWndOwner = NULL;
    m_nCount = 0;
    m_pData = NULL;
    m_nStateFlags = 0;
    m_pDockSite = NULL;
    m_pDockBar = NULL;
    m_pDockContext = NULL;
    m_dwStyle = 0;
    m_dwDockStyle = 0;
    m_nMRUWidth = 32767;
}

CControlBar::~CControlBar()
{
    // the window first, so that nothing reaches a half-destroyed object
    DestroyWindow();
    if (m_pDockSite != NULL)
        m_pDockSite->RemoveControlBar(this);
    CDockContext* pDockContext = m_pDockContext;
    m_pDockContext = NULL;
    delete pDockContext;
    if (m_pData != NULL)
        free(m_pData);
    if (t_pLastStatus == this)
    {
        t_pLastStatus = NULL;
        t_nLastStatus = -1;
    }
}

int CControlBar::GetCount() const { return m_nCount; }
DWORD CControlBar::GetBarStyle() { return m_dwStyle; }
BOOL CControlBar::IsDockBar() const { return FALSE; }

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle != dwStyle)
    {
        DWORD dwOldStyle = m_dwStyle;
        m_dwStyle = dwStyle;
        OnBarStyleChange(dwOldStyle, dwStyle);
    }
}

void CControlBar::OnBarStyleChange(DWORD, DWORD)
{
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cxRightBorder = cxRight;
    m_cyTopBorder = cyTop;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::SetBorders(LPCRECT lpRect)
{
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CRect CControlBar::GetBorders() const
{
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrameWnd = GetParentFrame();
    if (pFrameWnd == NULL)
        pFrameWnd = m_pDockSite;
    return pFrameWnd;
}

BOOL CControlBar::IsFloating() const
{
    if (IsDockBar())
        return ((CDockBar*)this)->m_bFloating;
    return m_pDockBar != NULL && m_pDockBar->m_bFloating;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    ASSERT((dwDockStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) == 0);
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == NULL)
        m_pDockContext = new CDockContext(this);
    // commands of a floating bar still go to the frame the bar was made in
    if (m_hWndOwner == NULL)
        m_hWndOwner = ::GetParent(m_hWnd);
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = (bStretch && bHorz ? 32767 : 0);
    size.cy = (bStretch && !bHorz ? 32767 : 0);
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    const DWORD dwStyle = m_dwStyle;
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += afxData.cxBorder2;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += afxData.cyBorder2;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= afxData.cxBorder2;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= afxData.cyBorder2;

    // the border widths run along the bar: turned with it when it stands upright
    const BOOL bGripper = (m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER;
    if (bHorz)
    {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
        if (bGripper)
            rect.left += CX_BORDER_GRIPPER + CX_GRIPPER + CX_BORDER_GRIPPER;
    }
    else
    {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
        if (bGripper)
            rect.top += CY_BORDER_GRIPPER + CY_GRIPPER + CY_BORDER_GRIPPER;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Creation and destruction

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    // bars overlap their neighbours by the border: each must paint only itself
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_dwStyle & CBRS_TOOLTIPS)
        EnableToolTips();
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsFrameWnd())
    {
        m_pDockSite = (CFrameWnd*)pParent;
        m_pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    if (t_pLastStatus == this)
        SetStatusText(-1);
    if (m_pDockSite != NULL)
    {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = NULL;
    }
    CWnd::OnDestroy();
}

BOOL CControlBar::DestroyWindow()
{
    // a floating bar goes with its floating frame
    if (m_hWnd != NULL && IsFloating())
    {
        CFrameWnd* pFrame = GetDockingFrame();
        if (pFrame != NULL && pFrame != m_pDockSite)
            return pFrame->DestroyWindow();
    }
    return CWnd::DestroyWindow();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

/////////////////////////////////////////////////////////////////////////////
// Layout, delayed showing and the idle update

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    DWORD dwStyle = (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) | (GetStyle() & WS_VISIBLE);
    if (m_nStateFlags & (delayHide | delayShow))
    {
        UINT swpFlags = 0;
        if (m_nStateFlags & delayHide)
        {
            if (dwStyle & WS_VISIBLE)
                swpFlags = SWP_HIDEWINDOW;
        }
        else if (!(dwStyle & WS_VISIBLE))
            swpFlags = SWP_SHOWWINDOW;

        if (swpFlags != 0)
        {
            // the layout takes the bar as it will be
            dwStyle ^= WS_VISIBLE;
            if (lpLayout->hDWP != NULL)
            {
                m_nStateFlags &= ~(delayShow | delayHide);
                lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, NULL, 0, 0, 0, 0,
                    swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        else
            m_nStateFlags &= ~(delayShow | delayHide);
    }
    return dwStyle;
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    if (bShow && (GetStyle() & WS_VISIBLE) == 0)
        m_nStateFlags |= delayShow;
    else if (!bShow && (GetStyle() & WS_VISIBLE) != 0)
        m_nStateFlags |= delayHide;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    const DWORD dwStyle = RecalcDelayShow(lpLayout);
    if ((dwStyle & WS_VISIBLE) && (dwStyle & CBRS_ALIGN_ANY) != 0)
    {
        CRect rect;
        rect.CopyRect(&lpLayout->rect);
        const CSize sizeAvail = rect.Size();

        DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
        if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
            dwMode |= LM_HORZ | LM_MRUWIDTH;
        else if (dwStyle & CBRS_ORIENT_HORZ)
            dwMode |= LM_HORZ | LM_HORZDOCK;
        else
            dwMode |= LM_VERTDOCK;
        CSize size = CalcDynamicLayout(-1, dwMode);
        size.cx = AfxMin(size.cx, sizeAvail.cx);
        size.cy = AfxMin(size.cy, sizeAvail.cy);

        if (dwStyle & CBRS_ORIENT_HORZ)
        {
            lpLayout->sizeTotal.cy += size.cy;
            lpLayout->sizeTotal.cx = AfxMax(lpLayout->sizeTotal.cx, size.cx);
            if (dwStyle & CBRS_ALIGN_TOP)
                lpLayout->rect.top += size.cy;
            else if (dwStyle & CBRS_ALIGN_BOTTOM)
            {
                rect.top = rect.bottom - size.cy;
                lpLayout->rect.bottom -= size.cy;
            }
        }
        else if (dwStyle & CBRS_ORIENT_VERT)
        {
            lpLayout->sizeTotal.cx += size.cx;
            lpLayout->sizeTotal.cy = AfxMax(lpLayout->sizeTotal.cy, size.cy);
            if (dwStyle & CBRS_ALIGN_LEFT)
                lpLayout->rect.left += size.cx;
            else if (dwStyle & CBRS_ALIGN_RIGHT)
            {
                rect.left = rect.right - size.cx;
                lpLayout->rect.right -= size.cx;
            }
        }
        rect.right = rect.left + size.cx;
        rect.bottom = rect.top + size.cy;
        if (lpLayout->hDWP != NULL)
            AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    }
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // a delayed show or hide that no layout has applied yet
    const BOOL bVis = (GetStyle() & WS_VISIBLE) != 0;
    UINT swpFlags = 0;
    if ((m_nStateFlags & delayHide) && bVis)
        swpFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !bVis)
        swpFlags = SWP_SHOWWINDOW;
    m_nStateFlags &= ~(delayShow | delayHide);
    if (swpFlags != 0)
        SetWindowPos(NULL, 0, 0, 0, 0, swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // only what the user can see: the bar and, when docked, its dock bar
    if ((GetStyle() & WS_VISIBLE) && (m_pDockBar == NULL || (m_pDockBar->GetStyle() & WS_VISIBLE)))
    {
        CWnd* pOwner = GetOwner();
        CFrameWnd* pTarget = (pOwner != NULL && pOwner->IsFrameWnd()) ? (CFrameWnd*)pOwner : GetParentFrame();
        if (pTarget != NULL)
            OnUpdateCmdUI(pTarget, (BOOL)wParam);
    }
    return 0;
}

void CControlBar::OnWindowPosChanging(LPWINDOWPOS lpWndPos)
{
    // not through the control's own procedure: some common controls resize themselves here
    ::DefWindowProcA(m_hWnd, WM_WINDOWPOSCHANGING, 0, (LPARAM)lpWndPos);
    // the borders move with a size change: repaint the non-client area
    if (!(lpWndPos->flags & SWP_NOSIZE) && (m_dwStyle & CBRS_BORDER_ANY))
        lpWndPos->flags |= SWP_FRAMECHANGED;
}

/////////////////////////////////////////////////////////////////////////////
// Painting: borders and gripper in the non-client area, the rest through DoPaint

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect;
    rect.SetRectEmpty();
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
    // a bar smaller than its borders keeps an empty client area, never a turned one
    if (lpncsp->rgrc[0].right < lpncsp->rgrc[0].left)
        lpncsp->rgrc[0].right = lpncsp->rgrc[0].left;
    if (lpncsp->rgrc[0].bottom < lpncsp->rgrc[0].top)
        lpncsp->rgrc[0].bottom = lpncsp->rgrc[0].top;
}

void CControlBar::OnNcPaint()
{
    EraseNonClient();
}

void CControlBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    ScreenToClient(rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);

    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    DrawBorders(&dc, rectWindow);
    dc.IntersectClipRect(rectWindow);
    SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC);
    DrawGripper(&dc, rectWindow);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    ::GetClipBox(pDC->m_hDC, &rect);
    pDC->FillSolidRect(rect, afxData.clrBtnFace);
    return TRUE;
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::DoPaint(CDC*)
{
    // the borders are non-client; derived bars paint their items
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    const DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;

    CRect rect1 = rect;
    CRect rect2 = rect;
    COLORREF clr = afxData.clrBtnShadow;

    // the dark line stands one pixel in from the right and bottom under a 3D border
    if (dwStyle & CBRS_BORDER_3D)
    {
        rect1.right -= CX_BORDER;
        rect1.bottom -= CY_BORDER;
    }
    if (dwStyle & CBRS_BORDER_TOP)
        rect2.top += afxData.cyBorder2;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect2.bottom -= afxData.cyBorder2;

    if (dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(0, rect2.top, CX_BORDER, rect2.Height(), clr);
    if (dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(0, 0, rect.right, CY_BORDER, clr);
    if (dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect1.right - CX_BORDER, rect2.top, CX_BORDER, rect2.Height(), clr);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(0, rect1.bottom - CY_BORDER, rect.right, CY_BORDER, clr);

    if (dwStyle & CBRS_BORDER_3D)
    {
        clr = afxData.clrBtnHilite;
        if (dwStyle & CBRS_BORDER_LEFT)
            pDC->FillSolidRect(1, rect2.top, CX_BORDER, rect2.Height(), clr);
        if (dwStyle & CBRS_BORDER_TOP)
            pDC->FillSolidRect(0, 1, rect.right, CY_BORDER, clr);
        if (dwStyle & CBRS_BORDER_RIGHT)
            pDC->FillSolidRect(rect.right - CX_BORDER, rect2.top, CX_BORDER, rect2.Height(), clr);
        if (dwStyle & CBRS_BORDER_BOTTOM)
            pDC->FillSolidRect(0, rect.bottom - CY_BORDER, rect.right, CY_BORDER, clr);
    }

    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += afxData.cxBorder2;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += afxData.cyBorder2;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= afxData.cxBorder2;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= afxData.cyBorder2;
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    // docked bars only: a floating bar is moved by its frame's caption
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER)
        return;
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + CX_BORDER_GRIPPER, rect.top + m_cyTopBorder, CX_GRIPPER,
            rect.Height() - m_cyTopBorder - m_cyBottomBorder, afxData.clrBtnHilite, afxData.clrBtnShadow);
    else
        pDC->Draw3dRect(rect.left + m_cyTopBorder, rect.top + CY_BORDER_GRIPPER,
            rect.Width() - m_cyTopBorder - m_cyBottomBorder, CY_GRIPPER, afxData.clrBtnHilite, afxData.clrBtnShadow);
}

/////////////////////////////////////////////////////////////////////////////
// Mouse: a press on empty bar space drags the bar, a double click there toggles docking

void CControlBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    if (m_pDockBar != NULL && m_pDockContext != NULL && OnToolHitTest(pt, NULL) == -1)
    {
        ClientToScreen(&pt);
        m_pDockContext->StartDrag(pt);
    }
    else
        CWnd::OnLButtonDown(nFlags, pt);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint pt)
{
    if (m_pDockBar != NULL && m_pDockContext != NULL && OnToolHitTest(pt, NULL) == -1)
        m_pDockContext->ToggleDocking();
    else
        CWnd::OnLButtonDblClk(nFlags, pt);
}

int CControlBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMsg)
{
    // a click on a floating bar must not take the activation from the frame it serves
    if (IsFloating())
        return MA_NOACTIVATE;
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, nMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Messages for the owner, tool tips and fly-by prompts

LRESULT CControlBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    {
        // the bar's own map first, then the owner (the frame that handles the bar's commands)
        LRESULT lResult = 0;
        if (OnWndMsg(nMsg, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner == NULL || pOwner->m_hWnd == NULL)
            return CWnd::WindowProc(nMsg, wParam, lParam);
        lResult = pOwner->SendMessage(nMsg, wParam, lParam);
        if (nMsg == WM_NOTIFY)
        {
            // a tip text the owner did not fill: the bar may still know one
            NMHDR* pNMHDR = (NMHDR*)lParam;
            if (pNMHDR->code == TTN_NEEDTEXTA || pNMHDR->code == TTN_NEEDTEXTW)
            {
                TOOLTIPTEXTA* pTTTA = (TOOLTIPTEXTA*)pNMHDR;
                TOOLTIPTEXTW* pTTTW = (TOOLTIPTEXTW*)pNMHDR;
                if ((pNMHDR->code == TTN_NEEDTEXTA && (pTTTA->lpszText == NULL || *pTTTA->lpszText == 0)
                        && pTTTA->szText[0] == 0)
                    || (pNMHDR->code == TTN_NEEDTEXTW && (pTTTW->lpszText == NULL || *pTTTW->lpszText == 0)
                        && pTTTW->szText[0] == 0))
                    lResult = CWnd::WindowProc(nMsg, wParam, lParam);
            }
        }
        return lResult;
    }
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

INT_PTR CControlBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    return CWnd::OnToolHitTest(point, pTI);
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;

    const UINT message = pMsg->message;
    const BOOL bMouse = (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        || (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
    if (bMouse && ((m_dwStyle & CBRS_FLYBY) || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP))
    {
        CPoint point = pMsg->pt;
        ScreenToClient(&point);
        TOOLINFOA ti;
        memset(&ti, 0, sizeof(ti));
        ti.cbSize = TTTOOLINFOA_V1_SIZE;
        INT_PTR nHit = OnToolHitTest(point, &ti);
        if (ti.lpszText != LPSTR_TEXTCALLBACKA && ti.lpszText != NULL)
            free(ti.lpszText);
        const BOOL bNotButton = message == WM_LBUTTONDOWN && (ti.uFlags & TTF_NOTBUTTON);
        if (message != WM_LBUTTONDOWN && ::GetKeyState(VK_LBUTTON) < 0)
            nHit = t_nLastStatus;

        if (nHit < 0 || bNotButton)
        {
            if (::GetKeyState(VK_LBUTTON) >= 0 || bNotButton)
            {
                SetStatusText(-1);
                KillTimer(ID_TIMER_CHECK);
            }
        }
        else if (message == WM_LBUTTONUP)
        {
            SetStatusText(-1);
            ResetTimer(ID_TIMER_CHECK, 200);
        }
        else if ((m_nStateFlags & statusSet) || ::GetKeyState(VK_LBUTTON) < 0)
            SetStatusText(nHit);
        else if (nHit != t_nLastStatus)
            ResetTimer(ID_TIMER_WAIT, 300);
        t_nLastStatus = nHit;
    }
    return FALSE;
}

BOOL CControlBar::SetStatusText(INT_PTR nHit)
{
    CWnd* pOwner = GetOwner();
    if (nHit == -1)
    {
        t_pLastStatus = NULL;
        if (m_nStateFlags & statusSet)
        {
            if (pOwner != NULL)
                pOwner->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
            m_nStateFlags &= ~statusSet;
            return TRUE;
        }
        KillTimer(ID_TIMER_WAIT);
        return FALSE;
    }
    if (!(m_nStateFlags & statusSet) || t_nLastStatus != nHit)
    {
        t_pLastStatus = this;
        if (pOwner != NULL)
            pOwner->SendMessage(WM_SETMESSAGESTRING, (WPARAM)nHit);
        m_nStateFlags |= statusSet;
        ResetTimer(ID_TIMER_CHECK, 200);
        return TRUE;
    }
    return FALSE;
}

void CControlBar::ResetTimer(UINT_PTR nEvent, UINT nTime)
{
    KillTimer(ID_TIMER_WAIT);
    KillTimer(ID_TIMER_CHECK);
    VERIFY(SetTimer(nEvent, nTime, NULL));
}

void CControlBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != ID_TIMER_WAIT && nIDEvent != ID_TIMER_CHECK)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (::GetKeyState(VK_LBUTTON) < 0)
        return;

    CPoint point;
    ::GetCursorPos(&point);
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    INT_PTR nHit = OnToolHitTest(ptClient, NULL);
    if (nHit >= 0)
    {
        // the prompt goes when the application is not the active one, or the mouse left the bar
        CWnd* pParent = GetTopLevelParent();
        if (!IsTopParentActive() || pParent == NULL || !pParent->IsWindowEnabled())
            nHit = -1;
        HWND hWnd = ::WindowFromPoint(point);
        if (hWnd == NULL || (hWnd != m_hWnd && !::IsChild(m_hWnd, hWnd)))
            nHit = -1;
    }
    if (nHit < 0)
    {
        t_nLastStatus = -1;
        KillTimer(ID_TIMER_CHECK);
        SetStatusText(-1);
    }
    if (nIDEvent == ID_TIMER_WAIT)
    {
        KillTimer(ID_TIMER_WAIT);
        if (nHit >= 0)
            SetStatusText(nHit);
    }
}
