// DockWnd.cpp - the dock window: its band, sizes, roll-up and system commands.
#include "DockWnd.h"
#include "UILDockBar.h"
#include "UILMiniDockFrameWnd.h"
#include "ToolPalettes.h"
#include "../frame/UILMessages.h"
#include "../frame/UILFrame.h"
#include "../controls/MouseAction.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CDockWnd, CControlBar)

BEGIN_MESSAGE_MAP(CDockWnd, CControlBar)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_NCCALCSIZE()
    ON_WM_NCCREATE()
    ON_WM_NCDESTROY()
    ON_WM_NCHITTEST()
    ON_WM_NCPAINT()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_SYSCOMMAND()
    ON_WM_GETMINMAXINFO()
    ON_REGISTERED_MESSAGE(WM_FROMCHILD_ROLLUP, OnFromChildRollup)
END_MESSAGE_MAP()

namespace
{
const CPoint ptNoPress(-1000, -1000);
// the least room a docked dock window keeps along its row: its band and a little inside
const int nMinAlongRow = UIL_BAND_NCSIZE + 26;
}

CDockWnd::CDockWnd()
    : m_pPalettesManager(NULL), m_sizeCurrent(100, 100), m_sizeFloating(100, 100), m_sizeMin(100, 100),
      m_dwState(DWS_NORMAL), m_sizeCollapsed(30, 30), m_bCollapsed(0), m_rectReserved(0, 0, 0, 0),
      m_nReserved(1), m_ptCaptionPress(ptNoPress), m_nPushedItem(-1), m_bCaptionCapture(FALSE)
{
    m_nMRUWidth = m_sizeFloating.cx;
}

CDockWnd::~CDockWnd()
{
}

int CDockWnd::Create(CWnd* pParent, const char* lpszTitle, UINT nStyle, UINT nID)
{
    if (pParent == NULL || pParent->GetSafeHwnd() == NULL)
        return 0;
    m_dwStyle = (nStyle | CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT | CBRS_SIZE_DYNAMIC | CBRS_BORDER_3D
        | CBRS_TOOLTIPS | CBRS_HIDE_INPLACE) & (0xFFFF | CBRS_GRIPPER);
    const DWORD dwWndStyle = (nStyle & WS_VISIBLE) | WS_CHILD | WS_CLIPSIBLINGS;
    CRect rect(CPoint(0, 0), m_sizeFloating);
    AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG);
    if (!CWnd::Create(AFX_WNDCONTROLBAR, lpszTitle, dwWndStyle, rect, pParent, nID))
        return 0;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    m_sizeCurrent = rectWindow.Size();
    m_band.SetTitle(lpszTitle, NULL);
    return 1;
}

CToolPalettes* CDockWnd::GetToolPalettesManager() const
{
    return m_pPalettesManager != NULL ? m_pPalettesManager : GetPalettesManager();
}

void CDockWnd::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == NULL)
    {
        CDockContext* pContext = NULL;
        CWnd* pMain = AfxGetMainWnd();
        if (pMain != NULL && pMain->GetSafeHwnd() != NULL)
            pMain->SendMessage(WM_CREATE_DOCKCONTEXT, (WPARAM)&pContext, (LPARAM)this);
        m_pDockContext = pContext != NULL ? pContext : new CDockContext(this);
    }
    if (GetSafeHwnd() != NULL && GetOwner() == NULL)
        SetOwner(GetParent());
    m_band.SetState(CalcBandState((UINT)-1));
    if (GetSafeHwnd() != NULL)
        DrawCaption();
}

UINT CDockWnd::GetDockSide() const
{
    if (m_pDockBar == NULL || m_pDockBar->m_bFloating || m_pDockBar->GetSafeHwnd() == NULL)
        return 0;
    return (UINT)m_pDockBar->GetDlgCtrlID();
}

BOOL CDockWnd::IsVertDocked() const
{
    const UINT nSide = GetDockSide();
    return nSide == AFX_IDW_DOCKBAR_LEFT || nSide == AFX_IDW_DOCKBAR_RIGHT;
}

UINT CDockWnd::CalcBandState(UINT nState)
{
    const BOOL bRolled = nState == (UINT)-1 ? IsCollapsed(TRUE) : (nState & (DWS_ROLLEDACROSS | DWS_ROLLEDALONG)) != 0;
    UINT nBand = 0;
    switch (GetDockSide())
    {
    case AFX_IDW_DOCKBAR_TOP:    nBand = 0x300 | (bRolled ? UIL_BANDSTATE_ROLLEDALONG : 0); break;
    case AFX_IDW_DOCKBAR_BOTTOM: nBand = 0x500 | (bRolled ? UIL_BANDSTATE_ROLLEDALONG : 0); break;
    case AFX_IDW_DOCKBAR_LEFT:   nBand = 0x030 | (bRolled ? UIL_BANDSTATE_ROLLEDACROSS : 0); break;
    case AFX_IDW_DOCKBAR_RIGHT:  nBand = 0x050 | (bRolled ? UIL_BANDSTATE_ROLLEDACROSS : 0); break;
    default:                     nBand = UIL_BANDSTATE_HORZ | UIL_BANDSTATE_TOP; break;
    }
    if (m_dwDockStyle & CBRS_ALIGN_ANY)
        nBand |= UIL_BANDSTATE_DOCKABLE;
    return nBand;
}

int CDockWnd::IsCollapsed(int bBySize)
{
    const UINT nSide = GetDockSide();
    if (nSide == 0)
        return 0;
    if (!bBySize)
        return (m_dwState & (DWS_ROLLEDACROSS | DWS_ROLLEDALONG)) != 0;
    if (GetSafeHwnd() == NULL)
        return 0;
    MINMAXINFO mmi;
    memset(&mmi, 0, sizeof(mmi));
    SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    CRect rect;
    GetWindowRect(&rect);
    if (IsVertDocked())
        return rect.Width() <= mmi.ptMinTrackSize.x;
    return rect.Height() <= mmi.ptMinTrackSize.y;
}

int CDockWnd::IsBandFlipped(CRect* pWindowRect)
{
    if (!(m_band.GetStyle() & UIL_BANDSTYLE_TABBED) || GetDockSide() == 0)
        return 0;
    const BOOL bVert = IsVertDocked();
    if (!IsCollapsed(FALSE))
    {
        if ((bVert && (m_band.GetStyle() & UIL_BANDSTYLE_TABSVERT))
            || (!bVert && (m_band.GetStyle() & UIL_BANDSTYLE_TABSHORZ)))
            return 1;
        if (m_band.GetStyle() & (UIL_BANDSTYLE_TABSVERT | UIL_BANDSTYLE_TABSHORZ))
            return 0;
    }
    // automatic: the natural strip has no room for all buttons
    CRect rect(0, 0, 0, 0);
    if (pWindowRect != NULL)
        rect = *pWindowRect;
    else if (GetSafeHwnd() != NULL)
        GetWindowRect(&rect);
    // a band along the top of a side bar, along the left edge of a top or bottom one
    CRect rectStrip = bVert ? CRect(0, 0, rect.Width(), UIL_BAND_THICKNESS) : CRect(0, 0, UIL_BAND_THICKNESS, rect.Height());
    if (m_band.NoSpaceForAllItems(&rectStrip, bVert))
        return 1;
    return IsNeiborsBandFlipped(pWindowRect);
}

int CDockWnd::IsNeiborsBandFlipped(CRect*)
{
    static BOOL s_bAsking = FALSE;     // a neighbour asks its own neighbours, us among them
    if (s_bAsking || m_pDockBar == NULL || m_pDockBar->GetSafeHwnd() == NULL)
        return 0;
    CDWordArray arrNeibors;
    m_pDockBar->SendMessage(WM_GET_NEIBORS, (WPARAM)this, (LPARAM)&arrNeibors);
    s_bAsking = TRUE;
    int bFlipped = 0;
    for (int i = 0; i < (int)arrNeibors.GetSize() && !bFlipped; i++)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent((HWND)(DWORD_PTR)arrNeibors[i]);
        if (pWnd != NULL && pWnd != this && pWnd->IsKindOf(RUNTIME_CLASS(CDockWnd)))
            bFlipped = ((CDockWnd*)pWnd)->IsBandFlipped(NULL);
    }
    s_bAsking = FALSE;
    return bFlipped;
}

CRect CDockWnd::GetBandRect(CSize size)
{
    // in a floating frame of the library the frame's band carries the title
    if (IsFloating() && GetParentFrame() != NULL && GetParentFrame()->IsKindOf(RUNTIME_CLASS(CUILMiniDockFrameWnd)))
        return CRect(0, 0, 0, 0);
    const UINT nSide = GetDockSide();
    CRect rectWindow(CPoint(0, 0), size);
    BOOL bTop = nSide == 0 || nSide == AFX_IDW_DOCKBAR_LEFT || nSide == AFX_IDW_DOCKBAR_RIGHT;
    const BOOL bFlipped = IsBandFlipped(&rectWindow);
    if (bFlipped)
        bTop = !bTop;
    if (bTop)
        return CRect(1, 1, size.cx - 1, 1 + UIL_BAND_THICKNESS);
    if (bFlipped && nSide == AFX_IDW_DOCKBAR_LEFT)
        return CRect(size.cx - 1 - UIL_BAND_THICKNESS, 1, size.cx - 1, size.cy - 1);
    return CRect(1, 1, 1 + UIL_BAND_THICKNESS, size.cy - 1);
}

void CDockWnd::CalcClientRect(RECT* pOut, const RECT* pWindow)
{
    if (pOut == NULL || pWindow == NULL)
        return;
    CRect rectWindow(*pWindow);
    CRect rectBand = GetBandRect(rectWindow.Size());
    CRect rect(1, 1, rectWindow.Width() - 1, rectWindow.Height() - 1);
    if (!rectBand.IsRectEmpty())
    {
        if (rectBand.Width() > rectBand.Height() || rectBand.Height() < UIL_BAND_THICKNESS)
            rect.top = UIL_BAND_NCSIZE + 1;
        else if (rectBand.left > 1)
            rect.right = rectBand.left - 1;
        else
            rect.left = UIL_BAND_NCSIZE + 1;
        m_band.ResizeBand(rectBand, FALSE);
    }
    else
        m_band.m_rectBand.SetRectEmpty();
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    rect.OffsetRect(rectWindow.TopLeft());
    *pOut = rect;
}

void CDockWnd::CalcWindowRect(LPRECT lpClientRect, UINT)
{
    CRect rect(*lpClientRect);
    rect.InflateRect(1, 1);
    if (GetDockSide() == AFX_IDW_DOCKBAR_TOP || GetDockSide() == AFX_IDW_DOCKBAR_BOTTOM)
        rect.left -= UIL_BAND_NCSIZE;
    else if (!GetBandRect(CSize(100, 100)).IsRectEmpty())
        rect.top -= UIL_BAND_NCSIZE;
    *lpClientRect = rect;
}

int CDockWnd::InitBand(DWORD dwStyle)
{
    m_band.DeleteAllItems();
    m_band.SetStyle(dwStyle == (DWORD)-1 ? g_dwDefaultBandStyleEx : dwStyle);
    m_band.m_hOwner = m_hWnd;
    const DWORD dwBand = m_band.GetStyle();
    const BOOL bTabbed = (dwBand & UIL_BANDSTYLE_TABBED) != 0;
    if (dwBand & UIL_BANDSTYLE_HIDE)
        m_band.AddItem(UIL_BANDITEM_HIDE, bTabbed ? 0x8600 : 0x0600, SC_CLOSE);
    if (dwBand & UIL_BANDSTYLE_DOCKABLE)
        m_band.AddItem(UIL_BANDITEM_DOCKABLE, 0x1600, UIL_SC_DOCKABLE);
    if (dwBand & UIL_BANDSTYLE_REDISTRIBUTE)
        m_band.AddItem(UIL_BANDITEM_REDISTRIBUTE, 0x2600, UIL_SC_REDISTRIBUTE);
    if (dwBand & UIL_BANDSTYLE_ROLLUP)
        m_band.AddItem(UIL_BANDITEM_ROLLUP, bTabbed ? 0x4500 : 0x4900, UIL_SC_ROLLUP);
    m_band.SetState(CalcBandState((UINT)-1));
    CRect rect(0, 0, 20, 30);
    m_band.ResizeBand(rect, FALSE);
    return 1;
}

void CDockWnd::DrawCaption()
{
    if (GetSafeHwnd() == NULL)
        return;
    CWindowDC dc(this);
    CString strTitle;
    GetWindowText(strTitle);
    m_band.SetTitle(strTitle, NULL);
    m_band.Draw(dc, CalcBandState((UINT)-1) | UIL_BANDSTATE_ACTIVE);
}

/////////////////////////////////////////////////////////////////////////////
// Sizes

CSize CDockWnd::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcDynamicLayout(-1, (bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK));
}

CSize CDockWnd::CalcDynamicLayout(int nLength, DWORD nMode)
{
    CSize size = m_sizeCurrent;
    const UINT nSide = GetDockSide();
    if (nMode & LM_MRUWIDTH)
    {
        m_sizeFloating.cx = (int)m_nMRUWidth > 0 ? (int)m_nMRUWidth : m_sizeFloating.cx;
        m_sizeCurrent = m_sizeFloating;
        m_dwState = DWS_NORMAL;
        return m_sizeFloating;
    }
    if (nSide != 0)
    {
        if (m_dwState & DWS_ROLLEDACROSS)
            size.cx = m_sizeCollapsed.cx;
        if (m_dwState & DWS_ROLLEDALONG)
            size.cy = m_sizeCollapsed.cy;
        if ((nMode & LM_HORZDOCK) && (nSide == AFX_IDW_DOCKBAR_TOP || nSide == AFX_IDW_DOCKBAR_BOTTOM)
            && GetSafeHwnd() != NULL)
        {
            CRect rect;
            GetWindowRect(&rect);
            size = rect.Size();
        }
    }
    else if (nLength > 0)
    {
        if (nMode & LM_LENGTHY)
            size.cy = nLength;
        else
            size.cx = nLength;
    }
    if (nMode & LM_COMMIT)
    {
        m_sizeCurrent = size;
        m_sizeFloating = size;
        m_nMRUWidth = size.cx;
    }
    return size;
}

void CDockWnd::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // floated into (or docked out of) a frame with its own band since the last frame layout
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (GetBandRect(rectWindow.Size()).IsRectEmpty() != m_band.GetBandRect().IsRectEmpty())
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // the band follows the dock side, which may change at any layout
    const UINT nState = CalcBandState((UINT)-1);
    if ((nState & ~UIL_BANDSTATE_ACTIVE) != (m_band.GetState() & ~UIL_BANDSTATE_ACTIVE))
    {
        m_band.SetState(nState);
        DrawCaption();
    }
}

void CDockWnd::OnBarStyleChange(DWORD, DWORD)
{
    if (GetSafeHwnd() != NULL)
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CDockWnd::ShowOnScreen(int bShow, CObArray* pList, int bDelay)
{
    if (bShow && pList != NULL && GetDockSide() != 0)
    {
        BOOL bListed = FALSE;
        for (int i = 0; i < (int)pList->GetSize() && !bListed; i++)
            bListed = pList->GetAt(i) == m_pDockBar;
        if (!bListed)
            pList->Add(m_pDockBar);
    }
    CFrameWnd* pFrame = m_pDockSite != NULL ? m_pDockSite : GetParentFrame();
    if (pFrame != NULL)
        pFrame->ShowControlBar(this, bShow, bDelay);
}

/////////////////////////////////////////////////////////////////////////////
// Window messages

void CDockWnd::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    CRect rect;
    GetWindowRect(&rect);
    m_sizeCurrent = rect.Size();
    // a single child (the window the host put in) fills the inside
    CWnd* pChild = GetWindow(GW_CHILD);
    if (pChild != NULL && pChild->GetWindow(GW_HWNDNEXT) == NULL)
        pChild->SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDockWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillSolidRect(rect, GetMainWndSysColor(COLOR_BTNFACE, 8));
}

BOOL CDockWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCAPTION || nHitTest == (UINT)UIL_HTBAND)
    {
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        return TRUE;
    }
    return CControlBar::OnSetCursor(pWnd, nHitTest, message);
}

void CDockWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rectWindow(lpncsp->rgrc[0]);
    CalcClientRect(&lpncsp->rgrc[0], rectWindow);
}

BOOL CDockWnd::OnNcCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!CControlBar::OnNcCreate(lpCreateStruct))
        return FALSE;
    InitBand((DWORD)-1);
    return TRUE;
}

void CDockWnd::OnNcDestroy()
{
    if (m_bCaptionCapture && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bCaptionCapture = FALSE;
    CControlBar::OnNcDestroy();
}

LRESULT CDockWnd::OnNcHitTest(CPoint point)
{
    const int nHit = m_band.OnNcHitTest(this, point);
    if (nHit != 0)
        return nHit;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CPoint pt = point - rectWindow.TopLeft();
    if (m_band.GetBandRect().PtInRect(pt))
        return HTCAPTION;
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    return rectClient.PtInRect(point) ? HTCLIENT : HTBORDER;
}

void CDockWnd::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    rectWindow.OffsetRect(-rectWindow.TopLeft());
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    CRect rectScreen;
    GetWindowRect(&rectScreen);
    rectClient.OffsetRect(-rectScreen.TopLeft());
    dc.ExcludeClipRect(rectClient);
    dc.FillSolidRect(rectWindow, GetMainWndSysColor(COLOR_BTNFACE, 8));
    dc.Draw3dRect(rectWindow, BandStyleGetLightBorderColor(), BandStyleGetShadowBorderColor());
    CString strTitle;
    GetWindowText(strTitle);
    m_band.SetTitle(strTitle, NULL);
    m_band.Draw(dc, CalcBandState((UINT)-1) | UIL_BANDSTATE_ACTIVE);
}

namespace
{
// screen point -> the band's coordinates of a band in pWnd's window coordinates
CPoint BandPoint(CWnd* pWnd, const CBand& band, CPoint ptScreen)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    CPoint pt = ptScreen - rect.TopLeft();
    band.ParentToBand(pt);
    return pt;
}
}

void CDockWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    g_MouseAction.OnLButtonDown(m_hWnd, MK_LBUTTON, point);
    if (nHitTest != (UINT)UIL_HTBAND && nHitTest != HTCAPTION)
    {
        CControlBar::OnNcLButtonDown(nHitTest, point);
        return;
    }
    const int nItem = m_band.GetItemFromPt(BandPoint(this, m_band, point));
    if (nItem >= 0)
    {
        CWindowDC dc(this);
        m_band.PushItem(nItem, dc);
        m_nPushedItem = nItem;
        SetTimer(UIL_BAND_TIMER, UIL_BAND_TIMER_MS, NULL);
    }
    else
        m_ptCaptionPress = point;
    // the rest of the press is followed with the mouse captured, wherever it goes
    SetCapture();
    m_bCaptionCapture = TRUE;
}

void CDockWnd::ReleaseCaptionPress()
{
    m_ptCaptionPress = ptNoPress;
    m_nPushedItem = -1;
    if (m_bCaptionCapture)
    {
        m_bCaptionCapture = FALSE;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
}

void CDockWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bCaptionCapture)
    {
        CControlBar::OnMouseMove(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    g_MouseAction.OnMouseMove(m_hWnd, nFlags, ptScreen);
    if (m_nPushedItem >= 0)
    {
        // the pushed button looks pushed only while the cursor is on it
        CWindowDC dc(this);
        const BOOL bOver = m_band.GetItemFromPt(BandPoint(this, m_band, ptScreen)) == m_nPushedItem;
        if (bOver != (m_band.IsPushed() != 0))
        {
            if (bOver)
                m_band.PushItem(m_nPushedItem, dc);
            else
            {
                m_band.PushItem(-1, dc);
                m_band.SelectItem(-1, dc);
            }
        }
        return;
    }
    if (m_ptCaptionPress != ptNoPress && (nFlags & MK_LBUTTON)
        && (abs(ptScreen.x - m_ptCaptionPress.x) > 2 || abs(ptScreen.y - m_ptCaptionPress.y) > 2))
    {
        const CPoint ptStart = m_ptCaptionPress;
        ReleaseCaptionPress();
        if (m_pDockContext != NULL)
            m_pDockContext->StartDrag(ptStart);
    }
}

void CDockWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CControlBar::OnLButtonDown(nFlags, point);
}

void CDockWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bCaptionCapture)
    {
        CControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    g_MouseAction.OnLButtonUp(m_hWnd, nFlags, ptScreen);
    const int nPushed = m_nPushedItem;
    const BOOL bPress = m_ptCaptionPress != ptNoPress;
    ReleaseCaptionPress();
    CWindowDC dc(this);
    if (nPushed >= 0)
    {
        const BOOL bOver = m_band.GetItemFromPt(BandPoint(this, m_band, ptScreen)) == nPushed;
        m_band.PushItem(-1, dc);
        if (bOver && m_band.GetItemSysCommand(nPushed) != 0)
            PostMessage(WM_SYSCOMMAND, m_band.GetItemSysCommand(nPushed), MAKELPARAM(ptScreen.x, ptScreen.y));
        return;
    }
    // a click on the band of a rolled-up window unrolls it
    if (bPress && IsCollapsed(FALSE))
        PostMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP, 0);
}

void CDockWnd::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    g_MouseAction.OnLButtonUp(m_hWnd, 0, point);
    CControlBar::OnNcLButtonUp(nHitTest, point);
}

void CDockWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    g_MouseAction.OnMouseMove(m_hWnd, 0, point);
    m_band.ToolTipCtrl_OnMouseMove(m_hWnd, &point);
    CControlBar::OnNcMouseMove(nHitTest, point);
}

void CDockWnd::OnNcRButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION || nHitTest == (UINT)UIL_HTBAND)
        ShowTitleMenu(point);
    else
        CControlBar::OnNcRButtonDown(nHitTest, point);
}

void CDockWnd::OnRButtonDown(UINT nFlags, CPoint point)
{
    CControlBar::OnRButtonDown(nFlags, point);
}

void CDockWnd::ShowTitleMenu(CPoint ptScreen)
{
    TrackPaletteMenu(this, GetToolPalettesManager(), 1, m_band.GetStyle(),
        (CalcBandState((UINT)-1) & UIL_BANDSTATE_DOCKABLE) != 0, IsCollapsed(FALSE), ptScreen);
}

void CDockWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == UIL_BAND_TIMER)
    {
        m_band.UpdateHilightState(this);
        return;
    }
    CControlBar::OnTimer(nIDEvent);
}

void CDockWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CSize sizeMin(0, 0);
    if (CWndPacket* pPacket = m_band.GetWndPacket())
        sizeMin = pPacket->GetMinSize();
    const UINT nSide = GetDockSide();
    if (nSide != 0)
    {
        if (m_band.GetStyle() & UIL_BANDSTYLE_TABBED)
            sizeMin = CSize(26, 26);
        else
        {
            // the buttons that never hide, side by side across the band
            int nButtons = 4;
            for (int i = 0; i < m_band.GetItemCount(); i++)
            {
                CBandItem* pItem = m_band.GetItem(i);
                if (!(pItem->m_dwFlags & UIL_BANDITEM_HIDEMASK))
                    nButtons += UIL_BAND_THICKNESS - 4;
            }
            if (IsVertDocked())
                sizeMin = CSize(nButtons, nMinAlongRow);
            else
                sizeMin = CSize(nMinAlongRow, nButtons);
        }
    }
    m_sizeCollapsed = sizeMin;
    lpMMI->ptMinTrackSize.x = sizeMin.cx;
    lpMMI->ptMinTrackSize.y = sizeMin.cy;
}

/////////////////////////////////////////////////////////////////////////////
// System commands

void CDockWnd::RollUp()
{
    if (GetDockSide() == 0)
        return;
    const BOOL bVert = IsVertDocked();
    const BOOL bCollapse = !IsCollapsed(FALSE);
    CRect rect;
    GetWindowRect(&rect);
    m_pDockBar->ScreenToClient(&rect);
    MINMAXINFO mmi;
    memset(&mmi, 0, sizeof(mmi));
    SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    if (bCollapse)
    {
        m_rectReserved = rect;      // the size to come back to
        m_dwState = bVert ? DWS_ROLLEDACROSS : DWS_ROLLEDALONG;
    }
    else
    {
        m_dwState = DWS_NORMAL;
        if (bVert)
            rect.right = rect.left + (m_rectReserved.Width() > mmi.ptMinTrackSize.x ? m_rectReserved.Width() : m_sizeFloating.cx);
        else
            rect.bottom = rect.top + (m_rectReserved.Height() > mmi.ptMinTrackSize.y ? m_rectReserved.Height() : m_sizeFloating.cy);
        SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // the whole row rolls up and down together
    CDWordArray arrNeibors;
    m_pDockBar->SendMessage(WM_GET_NEIBORS, (WPARAM)this, (LPARAM)&arrNeibors);
    for (int i = 0; i < (int)arrNeibors.GetSize(); i++)
    {
        HWND hWnd = (HWND)(DWORD_PTR)arrNeibors[i];
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd == NULL || pWnd == this || !pWnd->IsKindOf(RUNTIME_CLASS(CDockWnd)))
            continue;
        CDockWnd* pNeibor = (CDockWnd*)pWnd;
        if (bCollapse)
        {
            pNeibor->GetWindowRect(&pNeibor->m_rectReserved);
            m_pDockBar->ScreenToClient(&pNeibor->m_rectReserved);
        }
        pNeibor->m_dwState = m_dwState;
        pNeibor->m_bCollapsed = bCollapse;
        pNeibor->m_band.SetState(pNeibor->CalcBandState(m_dwState));
        SetPaletteCollapsed(hWnd, bCollapse);
        pNeibor->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    SetPaletteCollapsed(m_hWnd, bCollapse);
    m_bCollapsed = bCollapse;
    m_band.SetState(CalcBandState(m_dwState));
    m_pDockBar->SendMessage(WM_SPACE_REDISTRIBUTION, (WPARAM)this, (LPARAM)m_dwState);
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CDockWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    const UINT nCmd = nID & 0xFFF0;
    CFrameWnd* pFrame = m_pDockSite != NULL ? m_pDockSite : GetParentFrame();
    const BOOL bDocked = GetDockSide() != 0;
    if (nCmd == UIL_SC_DOCKABLE)
    {
        if (!(m_dwDockStyle & CBRS_ALIGN_ANY))
            EnableDocking(CBRS_ALIGN_ANY);
        else
        {
            EnableDocking(0);
            if (bDocked && pFrame != NULL)
            {
                CRect rect;
                GetWindowRect(&rect);
                pFrame->FloatControlBar(this, rect.TopLeft(), CBRS_ALIGN_TOP);
            }
        }
        m_band.SetState(CalcBandState((UINT)-1));
        DrawCaption();
    }
    else if (nCmd == UIL_SC_ROLLUP)
        RollUp();
    else if (nCmd == SC_CLOSE)
    {
        if (pFrame != NULL)
            pFrame->ShowControlBar(this, FALSE, FALSE);
    }
    else if (nCmd == UIL_SC_REDISTRIBUTE)
    {
        if (!bDocked)
            return;
        const BOOL bVert = IsVertDocked();
        if (m_dwState & (DWS_NORMAL | DWS_ROLLEDACROSS | DWS_ROLLEDALONG))
            m_dwState = bVert ? DWS_MAXACROSS : DWS_MAXALONG;
        else if (m_dwState & (DWS_MAXALONG | DWS_MAXACROSS))
            m_dwState = DWS_NORMAL | DWS_SHARE;
        m_pDockBar->PostMessage(WM_SPACE_REDISTRIBUTION, (WPARAM)this, (LPARAM)m_dwState);
    }
    else
        CControlBar::OnSysCommand(nID, lParam);
}

LRESULT CDockWnd::OnFromChildRollup(WPARAM, LPARAM)
{
    CToolPalettes* pManager = GetToolPalettesManager();
    if (IsCollapsed(FALSE) || pManager == NULL)
        return 0;
    CWnd* pWnd = IsFloating() && GetParentFrame() != NULL ? (CWnd*)GetParentFrame() : (CWnd*)this;
    if (pManager->FindPaletteWindow(pWnd) >= 0)
        pManager->SetWindowCollapsed(pWnd->GetSafeHwnd(), 1);
    return 0;
}
