// UILMiniDockFrameWnd.cpp - the floating frame with its caption band, and the docking context.
#include "UILMiniDockFrameWnd.h"
#include "UILDockBar.h"
#include "ToolPalettes.h"
#include "../frame/UILMessages.h"
#include "../frame/UILFrame.h"
#include "../controls/MouseAction.h"
#include "res/resource.h"

CArray<CUILMiniDockFrameWnd*, CUILMiniDockFrameWnd*> g_UILMiniDockFrameWndArray;

int CUILMiniDockFrameWnd::m_bDoForAll = 0;
CUILMiniDockFrameWnd* CUILMiniDockFrameWnd::m_pDoForAllCaller = NULL;
CPoint CUILMiniDockFrameWnd::m_ptNCLButtonDown(-1000, -1000);
CUILMiniDockFrameWnd* CUILMiniDockFrameWnd::m_pNCLButtonDownWnd = NULL;

namespace
{
// the frame's edges: 3 pixels, and the caption band at the top
const int nFrameEdge = 3;
const int nCaptionHeight = UIL_BAND_NCSIZE;
// system command ids of the framework's hide string, which decides whether Close stays
const UINT nIdsHide = 61457;
// set while a frame hands a recorded caption press to the framework's drag
BOOL s_bPassPressOn = FALSE;

BOOL IsControlDown()
{
    return (::GetKeyState(VK_LCONTROL) & 0x8000) || (::GetKeyState(VK_RCONTROL) & 0x8000)
        || (::GetKeyState(VK_CONTROL) & 0x8000);
}
}

IMPLEMENT_DYNCREATE(CUILMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CUILMiniDockFrameWnd, CMiniDockFrameWnd)
    ON_WM_INITMENU()
    ON_WM_SYSCOMMAND()
    ON_WM_TIMER()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_NCACTIVATE()
    ON_WM_NCCREATE()
    ON_WM_NCDESTROY()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_NCRBUTTONUP()
    ON_WM_NCMOUSEMOVE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
    ON_UPDATE_COMMAND_UI(UIL_SC_HIDECAPTION, OnUpdateHidecaption)
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CUILMiniDockFrameWnd::CUILMiniDockFrameWnd()
    : m_bCaptionHidden(0), m_bActive(0), m_bMenuOpen(0), m_nExpandedHeight(0), m_pDropPacket(NULL),
      m_pDropFrame(NULL), m_nPushedItem(-1), m_bPressCapture(FALSE)
{
    g_UILMiniDockFrameWndArray.Add(this);
}

CUILMiniDockFrameWnd::~CUILMiniDockFrameWnd()
{
    for (int i = 0; i < (int)g_UILMiniDockFrameWndArray.GetSize(); i++)
        if (g_UILMiniDockFrameWndArray[i] == this)
        {
            g_UILMiniDockFrameWndArray.RemoveAt(i);
            break;
        }
    if (m_pNCLButtonDownWnd == this)
        ClearPress();
    if (m_pDoForAllCaller == this)
        m_pDoForAllCaller = NULL;
}

BOOL CUILMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME
        | MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle &= ~MFS_MOVEFRAME;
    // no layout until a bar is docked inside: an empty frame would snap to nothing
    m_bInRecalcLayout = TRUE;
    if (!CMiniFrameWnd::CreateEx(0, NULL, "", dwStyle, rectDefault, pParent, 0))
    {
        m_bInRecalcLayout = FALSE;
        return FALSE;
    }
    if (CMenu* pSysMenu = GetSystemMenu(FALSE))
    {
        pSysMenu->DeleteMenu(SC_SIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_MINIMIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_MAXIMIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_RESTORE, MF_BYCOMMAND);
        CString strHide;
        if (strHide.LoadString(nIdsHide))
            pSysMenu->DeleteMenu(SC_CLOSE, MF_BYCOMMAND);
    }
    const DWORD dwAlign = (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    // made under the owner frame, so that it registers there as that frame's dock bar, then
    // moved inside
    if (!m_wndDockBar.Create(pParent, WS_CHILD | WS_VISIBLE | dwAlign | (dwBarStyle & CBRS_FLOAT_MULTI),
            AFX_IDW_DOCKBAR_FLOAT))
    {
        m_bInRecalcLayout = FALSE;
        return FALSE;
    }
    m_wndDockBar.SetParent(this);
    m_bInRecalcLayout = FALSE;
    EnableToolTips();
    return TRUE;
}

int CUILMiniDockFrameWnd::InitBand(DWORD dwStyle)
{
    m_band.DeleteAllItems();
    DWORD dwBand = dwStyle == (DWORD)-1 ? g_dwDefaultBandStyleEx : dwStyle;
    dwBand = (dwBand & ~0x80) | 0x40;    // a frame's band always lies across its top
    m_band.SetStyle(dwBand);
    m_band.m_hOwner = m_hWnd;
    const BOOL bTabbed = (dwBand & UIL_BANDSTYLE_TABBED) != 0;
    if (dwBand & UIL_BANDSTYLE_HIDE)
        m_band.AddItem(UIL_BANDITEM_HIDE, 0x0600, SC_CLOSE);
    if (dwBand & UIL_BANDSTYLE_DOCKABLE)
        m_band.AddItem(UIL_BANDITEM_DOCKABLE, 0x1600, UIL_SC_DOCKABLE);
    if (dwBand & UIL_BANDSTYLE_ROLLUP)
        m_band.AddItem(UIL_BANDITEM_ROLLUP, bTabbed ? 0x2500 : 0x2900, UIL_SC_ROLLUP);
    return 1;
}

CControlBar* CUILMiniDockFrameWnd::GetControlBar()
{
    for (int i = 0; i < (int)m_wndDockBar.m_arrBars.GetSize(); i++)
        if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i))
            return pBar;
    return NULL;
}

int CUILMiniDockFrameWnd::IsBarDockable()
{
    CControlBar* pBar = GetControlBar();
    return pBar != NULL && (pBar->m_dwDockStyle & CBRS_ALIGN_ANY) != 0;
}

int CUILMiniDockFrameWnd::IsCollapsed()
{
    CControlBar* pBar = GetControlBar();
    const LRESULT nAnswer = pBar != NULL ? pBar->SendMessage(WM_IS_WINDOW_COLLAPSED, 0, 0) : 0;
    if (nAnswer != 0)
        return nAnswer == 2;
    // the dock bar's own style: the frame itself may not be shown yet
    return m_wndDockBar.GetSafeHwnd() != NULL && (m_wndDockBar.GetStyle() & WS_VISIBLE) == 0;
}

int CUILMiniDockFrameWnd::GetCollapsedSize(SIZE* pCollapsed, SIZE* pOther)
{
    CControlBar* pBar = GetControlBar();
    if (pBar == NULL)
        return 0;
    return pBar->SendMessage(WM_GET_COLLAPSED_SIZE, (WPARAM)pCollapsed, (LPARAM)pOther) != 0;
}

unsigned CUILMiniDockFrameWnd::CalcBandState()
{
    unsigned nState = UIL_BANDSTATE_TOP;
    if (IsBarDockable())
        nState |= UIL_BANDSTATE_DOCKABLE;
    if (IsCollapsed())
        nState |= UIL_BANDSTATE_ROLLEDALONG;
    return nState;
}

void CUILMiniDockFrameWnd::CalcClientRect(RECT* pOut, const RECT* pWindow)
{
    if (pOut == NULL || pWindow == NULL)
        return;
    CRect rect(*pWindow);
    rect.DeflateRect(nFrameEdge, m_bCaptionHidden ? nFrameEdge : nCaptionHeight, nFrameEdge, nFrameEdge);
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    if (rect.right < rect.left)
        rect.right = rect.left;
    *pOut = rect;
}

void CUILMiniDockFrameWnd::CalcWindowRect(LPRECT lpClientRect, UINT)
{
    CRect rect(*lpClientRect);
    if (IsWindowVisible() && IsCollapsed())
    {
        CSize sizeCollapsed(0, 1), sizeOther(0, 0);
        if (GetCollapsedSize(&sizeCollapsed, &sizeOther))
            rect.bottom = rect.top + sizeCollapsed.cy;
        else
            rect.bottom = rect.top + 1;
    }
    rect.InflateRect(nFrameEdge, m_bCaptionHidden ? nFrameEdge : nCaptionHeight, nFrameEdge, nFrameEdge);
    *lpClientRect = rect;
}

void CUILMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    // a rolled-up frame keeps its height; snapping to the bar would unroll it
    if (!IsCollapsed())
        CMiniDockFrameWnd::RecalcLayout(bNotify);
    if (CControlBar* pBar = GetControlBar())
    {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        m_band.SetTitle(strTitle, NULL);
        SetWindowText(strTitle);
    }
    m_band.SetState(CalcBandState());
    DrawCaption();
}

void CUILMiniDockFrameWnd::DrawCaption()
{
    if (GetSafeHwnd() == NULL || m_bCaptionHidden)
        return;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectBand(nFrameEdge, 1, rectWindow.Width() - nFrameEdge, 1 + UIL_BAND_THICKNESS);
    m_band.ResizeBand(rectBand, FALSE);
    CWindowDC dc(this);
    m_band.Draw(dc, CalcBandState() | UIL_BANDSTATE_HORZ | (m_bActive ? UIL_BANDSTATE_ACTIVE : 0));
}

/////////////////////////////////////////////////////////////////////////////
// Non-client area

BOOL CUILMiniDockFrameWnd::OnNcCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!CMiniDockFrameWnd::OnNcCreate(lpCreateStruct))
        return FALSE;
    InitBand((DWORD)-1);
    return TRUE;
}

void CUILMiniDockFrameWnd::OnNcDestroy()
{
    if (m_pNCLButtonDownWnd == this)
        ClearPress();
    CMiniDockFrameWnd::OnNcDestroy();
}

void CUILMiniDockFrameWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rectWindow(lpncsp->rgrc[0]);
    CalcClientRect(&lpncsp->rgrc[0], rectWindow);
}

void CUILMiniDockFrameWnd::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow, rectClient;
    GetWindowRect(&rectWindow);
    CalcClientRect(&rectClient, rectWindow);
    rectClient.OffsetRect(-rectWindow.TopLeft());
    rectWindow.OffsetRect(-rectWindow.TopLeft());
    dc.ExcludeClipRect(rectClient);
    dc.FillSolidRect(rectWindow, GetMainWndSysColor(COLOR_BTNFACE, 8));
    dc.Draw3dRect(rectWindow, BandStyleGetLightBorderColor(), BandStyleGetShadowBorderColor());
    if (!m_bCaptionHidden)
    {
        CRect rectBand(nFrameEdge, 1, rectWindow.Width() - nFrameEdge, 1 + UIL_BAND_THICKNESS);
        m_band.ResizeBand(rectBand, FALSE);
        m_band.Draw(dc, CalcBandState() | UIL_BANDSTATE_HORZ | (m_bActive ? UIL_BANDSTATE_ACTIVE : 0));
    }
}

BOOL CUILMiniDockFrameWnd::OnNcActivate(BOOL bActive)
{
    if (!IsWindowVisible())
        return TRUE;
    m_bActive = bActive;
    DrawCaption();
    return TRUE;
}

LRESULT CUILMiniDockFrameWnd::OnNcHitTest(CPoint point)
{
    CRect rectWindow, rectClient;
    GetWindowRect(&rectWindow);
    if (!rectWindow.PtInRect(point))
        return HTNOWHERE;
    CalcClientRect(&rectClient, rectWindow);
    LRESULT nHit = HTCLIENT;
    if (point.y < rectWindow.top + nFrameEdge)
        nHit = HTTOP;
    else if (point.y < rectClient.top)
        nHit = HTCAPTION;
    else if (point.x < rectClient.left)
        nHit = HTLEFT;
    else if (point.x >= rectClient.right)
        nHit = HTRIGHT;
    else if (point.y >= rectClient.bottom)
        nHit = HTBOTTOM;
    if (m_bCaptionHidden && nHit == HTTOP)
        nHit = HTCAPTION;
    if (!m_bCaptionHidden)
    {
        const int nBand = m_band.OnNcHitTest(this, point);
        if (nBand != 0)
            nHit = nBand;
    }
    return nHit;
}

BOOL CUILMiniDockFrameWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCAPTION && m_bCaptionHidden && !m_bMenuOpen)
    {
        ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
        return TRUE;
    }
    return CMiniDockFrameWnd::OnSetCursor(pWnd, nHitTest, message);
}

CPoint CUILMiniDockFrameWnd::BandPoint(CPoint ptScreen) const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CPoint pt = ptScreen - rectWindow.TopLeft();
    m_band.ParentToBand(pt);
    return pt;
}

void CUILMiniDockFrameWnd::ClearPress()
{
    m_ptNCLButtonDown = CPoint(-1000, -1000);
    m_pNCLButtonDownWnd = NULL;
}

void CUILMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    g_MouseAction.OnLButtonDown(m_hWnd, MK_LBUTTON, point);
    m_pDropPacket = NULL;
    m_pDropFrame = NULL;
    if (s_bPassPressOn)
    {
        CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    if (nHitTest == (UINT)UIL_HTBAND)
    {
        const int nItem = m_band.GetItemFromPt(BandPoint(point));
        if (nItem >= 0)
        {
            CWindowDC dc(this);
            m_band.PushItem(nItem, dc);
            m_nPushedItem = nItem;
            SetTimer(UIL_BAND_TIMER, UIL_BAND_TIMER_MS, NULL);
            SetCapture();
            m_bPressCapture = TRUE;
            return;
        }
    }
    if (nHitTest == (UINT)UIL_HTBAND || (nHitTest == HTCAPTION && m_pNCLButtonDownWnd == NULL))
    {
        // the drag starts only when the mouse moves: a click stays a click
        m_ptNCLButtonDown = point;
        m_pNCLButtonDownWnd = this;
        SetCapture();
        m_bPressCapture = TRUE;
        return;
    }
    CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CUILMiniDockFrameWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bPressCapture)
    {
        CMiniDockFrameWnd::OnMouseMove(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    g_MouseAction.OnMouseMove(m_hWnd, nFlags, ptScreen);
    if (m_nPushedItem >= 0)
        return;
    if (!(nFlags & MK_LBUTTON))
    {
        m_bPressCapture = FALSE;
        ReleaseCapture();
        ClearPress();
        return;
    }
    if (m_pNCLButtonDownWnd != this)
    {
        ClearPress();
        return;
    }
    if (abs(ptScreen.x - m_ptNCLButtonDown.x) <= 2 && abs(ptScreen.y - m_ptNCLButtonDown.y) <= 2)
        return;
    const CPoint ptStart = m_ptNCLButtonDown;
    ClearPress();
    m_bPressCapture = FALSE;
    ReleaseCapture();
    HWND hWnd = m_hWnd;
    s_bPassPressOn = TRUE;
    SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptStart.x, ptStart.y));
    s_bPassPressOn = FALSE;
    if (::IsWindow(hWnd))
        ::SendMessageA(hWnd, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(ptScreen.x, ptScreen.y));
}

void CUILMiniDockFrameWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bPressCapture)
    {
        CMiniDockFrameWnd::OnLButtonUp(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    g_MouseAction.OnLButtonUp(m_hWnd, nFlags, ptScreen);
    const int nPushed = m_nPushedItem;
    const BOOL bPress = m_pNCLButtonDownWnd == this;
    m_nPushedItem = -1;
    m_bPressCapture = FALSE;
    ClearPress();
    ReleaseCapture();
    if (nPushed >= 0)
    {
        CWindowDC dc(this);
        m_band.PushItem(-1, dc);
        if (m_band.GetItemFromPt(BandPoint(ptScreen)) == nPushed)
            PostMessage(WM_SYSCOMMAND, m_band.GetItemSysCommand(nPushed), MAKELPARAM(ptScreen.x, ptScreen.y));
        return;
    }
    // a click on the band of a rolled-up frame unrolls it
    if (bPress && IsCollapsed())
        PostMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP, 0);
}

void CUILMiniDockFrameWnd::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bPressCapture && pWnd != this)
    {
        m_bPressCapture = FALSE;
        if (m_pNCLButtonDownWnd == this)
            ClearPress();
        if (m_nPushedItem >= 0)
        {
            CWindowDC dc(this);
            m_band.PushItem(-1, dc);
            m_nPushedItem = -1;
        }
    }
    CMiniDockFrameWnd::OnCaptureChanged(pWnd);
}

void CUILMiniDockFrameWnd::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    g_MouseAction.OnLButtonUp(m_hWnd, 0, point);
    ClearPress();
    CMiniDockFrameWnd::OnNcLButtonUp(nHitTest, point);
}

void CUILMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (nHitTest == (UINT)UIL_HTBAND)
        return;
    CMiniDockFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

void CUILMiniDockFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    g_MouseAction.OnMouseMove(m_hWnd, (::GetKeyState(VK_LBUTTON) & 0x8000) ? MK_LBUTTON : 0, point);
    if (!(::GetKeyState(VK_LBUTTON) & 0x8000))
    {
        ClearPress();
        m_band.ToolTipCtrl_OnMouseMove(m_hWnd, &point);
    }
    CMiniDockFrameWnd::OnNcMouseMove(nHitTest, point);
}

void CUILMiniDockFrameWnd::OnNcRButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION || nHitTest == (UINT)UIL_HTBAND)
        ShowContextMenu(point);
    else
        CMiniDockFrameWnd::OnNcRButtonDown(nHitTest, point);
}

void CUILMiniDockFrameWnd::OnNcRButtonUp(UINT nHitTest, CPoint point)
{
    CMiniDockFrameWnd::OnNcRButtonUp(nHitTest, point);
}

void CUILMiniDockFrameWnd::ShowContextMenu(CPoint ptScreen)
{
    CToolPalettes* pManager = GetPalettesManager();
    if (pManager == NULL)
        return;
    m_bMenuOpen = 1;
    TrackPaletteMenu(this, pManager, 0, m_band.GetStyle(), IsBarDockable(), IsCollapsed(), ptScreen);
    m_bMenuOpen = 0;
}

void CUILMiniDockFrameWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == UIL_BAND_TIMER)
    {
        m_band.UpdateHilightState(this);
        return;
    }
    CMiniDockFrameWnd::OnTimer(nIDEvent);
}

void CUILMiniDockFrameWnd::OnInitMenu(CMenu* pMenu)
{
    CMiniDockFrameWnd::OnInitMenu(pMenu);
}

void CUILMiniDockFrameWnd::OnUpdateHidecaption(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bCaptionHidden ? 1 : 0);
}

void CUILMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CMiniDockFrameWnd::OnGetMinMaxInfo(lpMMI);
    // a rolled-up frame is only its caption
    lpMMI->ptMinTrackSize.y = nCaptionHeight + nFrameEdge + 1;
}

/////////////////////////////////////////////////////////////////////////////
// System commands

void CUILMiniDockFrameWnd::RollUp(BOOL bCollapse)
{
    CControlBar* pBar = GetControlBar();
    CRect rectWindow, rectClient;
    GetWindowRect(&rectWindow);
    CalcClientRect(&rectClient, rectWindow);
    int nClientHeight;
    if (bCollapse)
    {
        m_nExpandedHeight = rectClient.Height();
        SIZE size = { 0, 0 };
        if (pBar == NULL || pBar->SendMessage(WM_COLLAPS_WINDOW, 0, (LPARAM)&size) == 0)
            m_wndDockBar.ShowWindow(SW_HIDE);
        nClientHeight = 1;
    }
    else
    {
        SIZE size = { 0, 0 };
        if (pBar != NULL && pBar->SendMessage(WM_EXPAND_WINDOW, 0, (LPARAM)&size) != 0)
            nClientHeight = size.cy;
        else
        {
            m_wndDockBar.ShowWindow(SW_SHOW);
            nClientHeight = m_nExpandedHeight > 0 ? (int)m_nExpandedHeight : rectClient.Height();
        }
    }
    const int nHeight = nClientHeight + (rectWindow.Height() - rectClient.Height());
    SetWindowPos(NULL, 0, 0, rectWindow.Width(), nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_band.SetState(CalcBandState());
    RecalcLayout(TRUE);
    SetPaletteCollapsed(m_hWnd, bCollapse);
}

void CUILMiniDockFrameWnd::SetDockable(BOOL bDockable)
{
    CControlBar* pBar = GetControlBar();
    if (pBar == NULL)
        return;
    if (bDockable)
        pBar->EnableDocking(CBRS_ALIGN_ANY);
    else
    {
        pBar->EnableDocking(0);
        if (!pBar->IsFloating() && pBar->m_pDockSite != NULL)
        {
            CRect rect;
            pBar->GetWindowRect(&rect);
            pBar->m_pDockSite->FloatControlBar(pBar, rect.TopLeft(), CBRS_ALIGN_TOP);
        }
    }
    m_band.SetState(CalcBandState());
    DrawCaption();
}

void CUILMiniDockFrameWnd::DoForAll(UINT wParam, LPARAM lParam)
{
    for (int nDirection = 0; nDirection < 2; nDirection++)
    {
        // collected first: a command may change the z-order
        CArray<HWND, HWND> arrFrames;
        for (HWND hWnd = ::GetWindow(m_hWnd, nDirection == 0 ? GW_HWNDNEXT : GW_HWNDPREV); hWnd != NULL;
             hWnd = ::GetWindow(hWnd, nDirection == 0 ? GW_HWNDNEXT : GW_HWNDPREV))
        {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd != NULL && pWnd != this && pWnd->IsKindOf(RUNTIME_CLASS(CUILMiniDockFrameWnd)))
                arrFrames.Add(hWnd);
        }
        for (int i = 0; i < (int)arrFrames.GetSize(); i++)
            if (::IsWindow(arrFrames[i]))
                ::SendMessageA(arrFrames[i], WM_SYSCOMMAND, wParam, lParam);
    }
}

void CUILMiniDockFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    const UINT nCmd = nID & 0xFFF0;
    const BOOL bKnown = nCmd == UIL_SC_ROLLUP || nCmd == UIL_SC_HIDECAPTION || nCmd == UIL_SC_AUTOROLLUP
        || nCmd == UIL_SC_TABBED || nCmd == UIL_SC_DOCKABLE;
    if (!m_bDoForAll && IsControlDown())
    {
        m_bDoForAll = 1;
        m_pDoForAllCaller = this;
        if (bKnown)
            OnSysCommand(nID, lParam);
        DoForAll(nID, lParam);
        m_bDoForAll = 0;
        m_pDoForAllCaller = NULL;
        if (!bKnown)
            CMiniDockFrameWnd::OnSysCommand(nID, lParam);
        return;
    }
    // while a command goes to all, the others follow the frame that started it
    CUILMiniDockFrameWnd* pCaller = m_bDoForAll && m_pDoForAllCaller != this ? m_pDoForAllCaller : NULL;
    switch (nCmd)
    {
    case UIL_SC_ROLLUP:
    {
        const BOOL bCollapsed = IsCollapsed();
        const BOOL bWanted = pCaller != NULL ? pCaller->IsCollapsed() : !bCollapsed;
        if (bWanted != bCollapsed)
            RollUp(bWanted);
        break;
    }
    case UIL_SC_HIDECAPTION:
        m_bCaptionHidden = !m_bCaptionHidden;
        if (m_bCaptionHidden)
            ModifyStyle(WS_CAPTION, WS_BORDER, SWP_FRAMECHANGED);
        else
            ModifyStyle(WS_BORDER, WS_CAPTION, SWP_FRAMECHANGED);
        RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        break;
    case UIL_SC_AUTOROLLUP:
    case UIL_SC_TABBED:
        if (CControlBar* pBar = GetControlBar())
            pBar->SendMessage(WM_SYSCOMMAND, nID, lParam);
        break;
    case UIL_SC_DOCKABLE:
    {
        const BOOL bDockable = IsBarDockable();
        const BOOL bWanted = pCaller != NULL ? pCaller->IsBarDockable() : !bDockable;
        if (bWanted != bDockable)
            SetDockable(bWanted);
        break;
    }
    default:
        if (!m_bDoForAll)
            CMiniDockFrameWnd::OnSysCommand(nID, lParam);
        break;
    }
}

/////////////////////////////////////////////////////////////////////////////
// CUILDockContext

CUILDockContext::CUILDockContext(CControlBar* pBar)
    : CDockContext(pBar), m_bPaletteDrop(0), m_pDropPacket(NULL), m_pDropFrame(NULL)
{
}

CUILDockContext::~CUILDockContext()
{
}

namespace
{
// moves rect so that pt lies inside it, as the drag rectangles must follow the cursor
void KeepPointInside(CRect& rect, CPoint pt)
{
    if (pt.x < rect.left || pt.x >= rect.right)
        rect.OffsetRect(pt.x - rect.left - rect.Width() / 2, 0);
    if (pt.y < rect.top || pt.y >= rect.bottom)
        rect.OffsetRect(0, pt.y - rect.top - rect.Height() / 2);
}

// Runs on every mouse move of a drag: only permanent objects can be packets, so the children
// are walked by handle and no temporary window object is made for the others.
CWndPacket* ChildPacket(CWnd* pWnd)
{
    for (HWND hChild = pWnd != NULL ? ::GetWindow(pWnd->GetSafeHwnd(), GW_CHILD) : NULL; hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (pChild != NULL && pChild->IsKindOf(RUNTIME_CLASS(CWndPacket)))
            return (CWndPacket*)pChild;
    }
    return NULL;
}
}

void CUILDockContext::StartDrag(CPoint pt)
{
    m_pDropPacket = NULL;
    m_pDropFrame = NULL;
    CFrameWnd* pFrame = m_pBar->GetParentFrame();
    if (pFrame == NULL || !pFrame->IsKindOf(RUNTIME_CLASS(CUILMiniDockFrameWnd)))
    {
        CDockContext::StartDrag(pt);
        return;
    }
    CUILMiniDockFrameWnd* pMini = (CUILMiniDockFrameWnd*)pFrame;
    pMini->m_pDropPacket = NULL;
    pMini->m_pDropFrame = NULL;

    // the floating rectangles are the library's frame around the bar, not the framework's
    m_bDragging = TRUE;
    InitLoop();
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    CSize sizeHorz, sizeVert, sizeFloat;
    if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
    {
        sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    }
    else
    {
        sizeHorz = m_pBar->CalcFixedLayout(TRUE, TRUE);
        sizeVert = m_pBar->CalcFixedLayout(TRUE, FALSE);
        sizeFloat = m_pBar->CalcFixedLayout(FALSE, TRUE);
    }
    m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    CRect rectFrame;
    pMini->GetWindowRect(&rectFrame);
    m_rectFrameDragHorz = CRect(rect.TopLeft(), sizeFloat);
    pMini->CalcWindowRect(&m_rectFrameDragHorz, 0);
    m_rectFrameDragHorz.OffsetRect(rectFrame.TopLeft() - m_rectFrameDragHorz.TopLeft());
    m_rectFrameDragVert = m_rectFrameDragHorz;
    KeepPointInside(m_rectDragHorz, pt);
    KeepPointInside(m_rectDragVert, pt);
    KeepPointInside(m_rectFrameDragHorz, pt);
    KeepPointInside(m_rectFrameDragVert, pt);
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    Move(pt);
    Track();
}

void CUILDockContext::StartResize(int nHitTest, CPoint pt)
{
    CDockContext::StartResize(nHitTest, pt);
}

BOOL CUILDockContext::Track()
{
    return CDockContext::Track();
}

void CUILDockContext::Stretch(CPoint pt)
{
    CDockContext::Stretch(pt);
}

BOOL CUILDockContext::FindDropTarget(CPoint pt)
{
    m_pDropPacket = NULL;
    m_pDropFrame = NULL;
    CWndPacket* pOwnPacket = ChildPacket(m_pBar);
    if (CToolPalettes* pManager = GetPalettesManager())
    {
        CWndPacket* pPacket = pManager->GetWndPacketFromPoint(pt);
        if (pPacket != NULL && pPacket != pOwnPacket)
        {
            m_pDropPacket = pPacket;
            m_pDropFrame = pPacket->GetParentFrame();
            return TRUE;
        }
    }
    if (m_pDockSite == NULL)
        return FALSE;
    CFrameWnd* pOwnFrame = m_pBar->GetParentFrame();
    for (POSITION pos = m_pDockSite->m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        // cheapest tests first: this runs for every bar of the frame on every mouse move
        CControlBar* pBar = (CControlBar*)m_pDockSite->m_listControlBars.GetNext(pos);
        if (pBar == NULL || pBar == m_pBar || pBar->IsDockBar() || !pBar->IsFloating()
            || pBar->GetSafeHwnd() == NULL)
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        if (!rect.PtInRect(pt) || !pBar->IsWindowVisible())
            continue;
        CFrameWnd* pFrame = pBar->GetParentFrame();
        if (pFrame == NULL || pFrame == AfxGetMainWnd() || pFrame == pOwnFrame)
            continue;
        CWndPacket* pPacket = ChildPacket(pBar);
        if (pPacket != NULL && pPacket != pOwnPacket)
            m_pDropPacket = pPacket;
        m_pDropFrame = pFrame;
        return TRUE;
    }
    return FALSE;
}

void CUILDockContext::Move(CPoint pt)
{
    // the framework's step, except that the outline is drawn once per move: the target's window
    // when the palette would drop there, the bar's own outline otherwise (drawing the bar's and
    // then the target's doubled the cost of a step, most of which is drawing)
    const CPoint ptOffset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragVert.OffsetRect(ptOffset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    m_pDropPacket = NULL;
    m_pDropFrame = NULL;
    if (!m_bPaletteDrop || m_bForceFrame || m_dwOverDockStyle != 0 || !m_bDragging || !FindDropTarget(pt))
    {
        DrawFocusRect();
        return;
    }
    CRect rectTarget;
    if (m_pDropPacket != NULL)
        m_pDropPacket->GetWindowRect(&rectTarget);
    else
        m_pDropFrame->GetWindowRect(&rectTarget);
    const CRect rectHorz = m_rectFrameDragHorz, rectVert = m_rectFrameDragVert;
    m_rectFrameDragHorz = m_rectFrameDragVert = rectTarget;
    DrawFocusRect();
    m_rectFrameDragHorz = rectHorz;
    m_rectFrameDragVert = rectVert;
}

void CUILDockContext::EndDrag()
{
    if (m_bPaletteDrop && m_pDropFrame != NULL && m_pDropFrame != AfxGetMainWnd())
    {
        CancelLoop();
        if (m_pDropFrame->IsKindOf(RUNTIME_CLASS(CUILMiniDockFrameWnd)))
        {
            ((CUILMiniDockFrameWnd*)m_pDropFrame)->m_pDropPacket = m_pDropPacket;
            ((CUILMiniDockFrameWnd*)m_pDropFrame)->m_pDropFrame = m_pDropFrame;
        }
        CWnd* pDragged = m_pBar;
        if (CWndPacket* pOwn = ChildPacket(m_pBar))
            if (pOwn->GetActiveWnd() != NULL)
                pDragged = pOwn->GetActiveWnd();
        SDropPaletteParams::DropPaletteDelay(pDragged, m_pDropFrame, NULL);
        m_pDropPacket = NULL;
        m_pDropFrame = NULL;
        return;
    }
    CDockContext::EndDrag();
    CDockBar* pDockBar = m_pBar->m_pDockBar;
    if (pDockBar == NULL || pDockBar->m_bFloating || pDockBar->GetSafeHwnd() == NULL)
        return;
    const UINT nID = pDockBar->GetDlgCtrlID();
    if (nID < AFX_IDW_DOCKBAR_TOP || nID > AFX_IDW_DOCKBAR_BOTTOM)
        return;
    m_uMRUDockID = nID;
    m_pBar->GetWindowRect(&m_rectMRUDockPos);
    pDockBar->ScreenToClient(&m_rectMRUDockPos);
    if (m_pDockSite != NULL)
        m_pDockSite->RecalcLayout(TRUE);
    pDockBar->PostMessage(WM_SPACE_REDISTRIBUTION, (WPARAM)m_pBar, 257);
}
