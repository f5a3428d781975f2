// winmini.cpp - CMiniFrameWnd (a frame with a small caption, shown active with its owner frame)
// and CMiniDockFrameWnd (the floating frame of a bar: a floating dock bar inside, snapped to it).
#include "afximpl_.h"
#include <afxpriv.h>

/////////////////////////////////////////////////////////////////////////////
// CMiniFrameWnd

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_WM_NCHITTEST()
    ON_WM_NCACTIVATE()
    ON_WM_SYSCOMMAND()
    ON_MESSAGE(WM_FLOATSTATUS, &CMiniFrameWnd::OnFloatStatus)
END_MESSAGE_MAP()

CMiniFrameWnd::CMiniFrameWnd()
{
}

CMiniFrameWnd::~CMiniFrameWnd()
{
}

BOOL CMiniFrameWnd::Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
    const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName;
    const int cx = (int)((unsigned)rect.right - (unsigned)rect.left);
    const int cy = (int)((unsigned)rect.bottom - (unsigned)rect.top);
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top, cx, cy,
        pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // either thick-frame style sizes the window; a caption is the small one of a tool window
    if (cs.style & (MFS_4THICKFRAME | MFS_THICKFRAME))
        cs.style |= WS_THICKFRAME;
    if (cs.style & WS_CAPTION)
        cs.dwExStyle |= WS_EX_TOOLWINDOW;
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

void PASCAL CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD dwExStyle)
{
    if (dwStyle & WS_CAPTION)
        dwExStyle |= WS_EX_TOOLWINDOW;
    ::AdjustWindowRectEx(lpClientRect, dwStyle, FALSE, dwExStyle);
}

LRESULT CMiniFrameWnd::OnNcHitTest(CPoint point)
{
    const DWORD dwStyle = GetStyle();
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CSize sizeFrame(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));

    LRESULT nHit = CFrameWnd::OnNcHitTest(point);
    if (dwStyle & MFS_BLOCKSYSMENU)
    {
        if (nHit == HTSYSMENU)
            nHit = HTCAPTION;
        if (::GetKeyState(VK_RBUTTON) < 0)
            return HTNOWHERE;
    }
    if ((nHit < HTSIZEFIRST || nHit > HTSIZELAST) && nHit != HTGROWBOX)
        return nHit;

    if (dwStyle & MFS_MOVEFRAME)
        return HTCAPTION;

    // edges only: a corner counts as the edge the point is nearer to
    rectWindow.InflateRect(-sizeFrame.cx, -sizeFrame.cy);
    if (dwStyle & MFS_4THICKFRAME)
    {
        switch (nHit)
        {
        case HTTOPLEFT:
            return point.y < rectWindow.top ? HTTOP : HTLEFT;
        case HTTOPRIGHT:
            return point.y < rectWindow.top ? HTTOP : HTRIGHT;
        case HTBOTTOMLEFT:
            return point.y > rectWindow.bottom ? HTBOTTOM : HTLEFT;
        case HTGROWBOX:
        case HTBOTTOMRIGHT:
            return point.y > rectWindow.bottom ? HTBOTTOM : HTRIGHT;
        }
    }
    return nHit;
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    if ((GetStyle() & MFS_SYNCACTIVE) == 0)
        return CFrameWnd::OnNcActivate(bActive);
    // the owner frame decides (WM_FLOATSTATUS); the caption keeps what it shows
    if (m_nFlags & WF_KEEPMINIACTIVE)
        return FALSE;
    return TRUE;
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    // FS_SYNCACTIVE asks whether this frame follows its owner's activation
    LRESULT lResult = 0;
    if ((GetStyle() & MFS_SYNCACTIVE) && (wParam & FS_SYNCACTIVE))
        lResult = 1;

    if (wParam & (FS_SHOW | FS_HIDE))
        SetWindowPos(NULL, 0, 0, 0, 0, ((wParam & FS_SHOW) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW)
            | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);

    if ((wParam & (FS_ACTIVATE | FS_DEACTIVATE)) && (GetStyle() & MFS_SYNCACTIVE))
    {
        // the caption takes the owner's state: the style is off so that OnNcActivate lets it
        ModifyStyle(MFS_SYNCACTIVE, 0);
        SendMessage(WM_NCACTIVATE, (wParam & FS_ACTIVATE) != 0);
        ModifyStyle(0, MFS_SYNCACTIVE);
    }
    return lResult;
}

void CMiniFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    const UINT nCmd = nID & 0xFFF0;
    // these frames never minimise or maximise
    if (nCmd == SC_MINIMIZE || nCmd == SC_MAXIMIZE || nCmd == SC_RESTORE)
        return;
    Default();
}

/////////////////////////////////////////////////////////////////////////////
// CMiniDockFrameWnd

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd()
    : m_wndDockBar(TRUE)
{
    // the dock bar is a member: it goes with the frame, not by itself
    m_wndDockBar.m_bAutoDelete = FALSE;
}

CMiniDockFrameWnd::~CMiniDockFrameWnd()
{
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    // no layout until something is docked: an empty frame would snap to nothing
    m_bInRecalcLayout = TRUE;
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE
        | MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle &= ~MFS_MOVEFRAME;
    if (!CMiniFrameWnd::CreateEx(0, NULL, "", dwStyle, rectDefault, pParent))
    {
        m_bInRecalcLayout = FALSE;
        return FALSE;
    }

    dwStyle = (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    dwStyle |= dwBarStyle & CBRS_FLOAT_MULTI;

    HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (hSysMenu != NULL)
    {
        ::DeleteMenu(hSysMenu, SC_SIZE, MF_BYCOMMAND);
        ::DeleteMenu(hSysMenu, SC_MINIMIZE, MF_BYCOMMAND);
        ::DeleteMenu(hSysMenu, SC_MAXIMIZE, MF_BYCOMMAND);
        ::DeleteMenu(hSysMenu, SC_RESTORE, MF_BYCOMMAND);
        // a host that carries the framework's "Hide" string (61457) sees it instead of Close
        CString strHide;
        if (strHide.LoadString(0xF011))
        {
            ::DeleteMenu(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
            ::AppendMenuA(hSysMenu, MF_STRING | MF_ENABLED, SC_CLOSE, strHide);
        }
    }

    // created under the owner frame, so that it registers there (it is that frame's dock bar),
    // then moved inside
    if (!m_wndDockBar.Create(pParent, WS_CHILD | WS_VISIBLE | dwStyle, AFX_IDW_DOCKBAR_FLOAT))
    {
        m_bInRecalcLayout = FALSE;
        return FALSE;
    }
    m_wndDockBar.SetParent(this);
    m_bInRecalcLayout = FALSE;
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetFirstBar() const
{
    for (int nPos = 1; nPos < m_wndDockBar.m_arrBars.GetSize(); nPos++)
    {
        CControlBar* pBar = m_wndDockBar.GetDockedControlBar(nPos);
        if (pBar != NULL)
            return pBar;
    }
    return NULL;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    CMiniFrameWnd::RecalcLayout(bNotify);
    // the caption says what the dock bar says (the bar's title when it holds one)
    CString strTitle;
    if (m_wndDockBar.m_hWnd != NULL)
        m_wndDockBar.GetWindowText(strTitle);
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strTitle)
        SetWindowText(strTitle);
}

void CMiniDockFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->GetMessageString(nID, rMessage);
    else
        CMiniFrameWnd::GetMessageString(nID, rMessage);
}

void CMiniDockFrameWnd::OnClose()
{
    // closing hides the bars; the frame goes when the last of them is destroyed
    m_wndDockBar.ShowAll(FALSE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION)
    {
        ActivateTopParent();
        // one bar inside: the caption drags that bar
        if ((m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) == 0)
        {
            CControlBar* pBar = GetFirstBar();
            if (pBar != NULL && pBar->m_pDockContext != NULL)
            {
                pBar->m_pDockContext->StartDrag(point);
                return;
            }
        }
    }
    else if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST)
    {
        ActivateTopParent();
        CControlBar* pBar = GetFirstBar();
        if (pBar != NULL && pBar->m_pDockContext != NULL && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC))
        {
            pBar->m_pDockContext->StartResize(nHitTest, point);
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION)
    {
        ActivateTopParent();
        if ((m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) == 0)
        {
            CControlBar* pBar = GetFirstBar();
            if (pBar != NULL && pBar->m_pDockContext != NULL)
            {
                pBar->m_pDockContext->ToggleDocking();
                return;
            }
        }
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

int CMiniDockFrameWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMessage)
{
    if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST)
        return MA_NOACTIVATE;
    return CMiniFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, nMessage);
}
