// PopupBar.cpp - CPopupBar: the hover popup, its place, the approach logic of its timer and
// the commands of its toolbar.
#include "PopupBar.h"
#include "../frame/UILFrame.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CPopupBar, CWnd)

BEGIN_MESSAGE_MAP(CPopupBar, CWnd)
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CPopupBar::CPopupBar()
    : m_pWatched(NULL), m_wAlign(POPUPBAR_ALIGNRIGHT), m_nTarget(0), m_ptLast(-1, -1), m_hWndFocus(NULL),
      m_lExtra(0), m_bSuppressed(FALSE)
{
}

CPopupBar::~CPopupBar()
{
    DestroyWindow();
}

BOOL CPopupBar::Create(CWnd* pWatched, UINT nToolBarID)
{
    if (pWatched == NULL || pWatched->GetSafeHwnd() == NULL || nToolBarID == 0)
        return FALSE;
    m_pWatched = pWatched;
    LPCSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(NULL, IDC_ARROW));
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpszClass, "", WS_POPUP | WS_CLIPCHILDREN,
            CRect(0, 0, 10, 10), pWatched, 0))
        return FALSE;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0))
        || !m_wndToolBar.LoadToolBar(nToolBarID))
    {
        DestroyWindow();
        return FALSE;
    }
    // the toolbar's commands come here, not to a frame
    m_wndToolBar.SetOwner(this);
    const CSize size = m_wndToolBar.CalcFixedLayout(FALSE, TRUE);
    SetWindowPos(NULL, 0, 0, size.cx + 2, size.cy + 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CPopupBar::AddWindow(UINT nID)
{
    if (nID == 0)
        return;
    for (INT_PTR i = 0; i < m_arIDs.GetSize(); i++)
        if (m_arIDs[i] == (WORD)nID)
            return;
    m_arIDs.Add((WORD)nID);
}

BOOL CPopupBar::IsListed(CWnd* pWnd) const
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    const WORD wID = (WORD)pWnd->GetDlgCtrlID();
    for (INT_PTR i = 0; wID != 0 && i < m_arIDs.GetSize(); i++)
        if (m_arIDs[i] == wID)
            return TRUE;
    return FALSE;
}

CRect CPopupBar::GetPlace(CWnd* pTarget, int nExtra)
{
    CRect rcPlace(0, 0, 0, 0);
    if (pTarget == NULL || pTarget->GetSafeHwnd() == NULL || m_wndToolBar.GetSafeHwnd() == NULL)
        return rcPlace;
    CRect rcTarget;
    pTarget->GetClientRect(&rcTarget);
    pTarget->ClientToScreen(&rcTarget);
    CSize size = m_wndToolBar.CalcFixedLayout(FALSE, TRUE);
    size.cx += nExtra + 2;
    size.cy += nExtra + 2;
    rcPlace.left = (m_wAlign & POPUPBAR_ALIGNRIGHT) ? rcTarget.right - size.cx : rcTarget.left;
    rcPlace.top = (m_wAlign & POPUPBAR_ALIGNBOTTOM) ? rcTarget.bottom - size.cy : rcTarget.top;
    rcPlace.right = rcPlace.left + size.cx;
    rcPlace.bottom = rcPlace.top + size.cy;
    return rcPlace;
}

void CPopupBar::WatchMouse(BOOL bOn, UINT nPeriod)
{
    m_lExtra = 0;
    m_ptLast = CPoint(-1, -1);
    if (m_hWnd == NULL)
        return;
    KillTimer(POPUPBAR_TIMER);
    if (bOn && m_arIDs.GetSize() > 0)
        SetTimer(POPUPBAR_TIMER, nPeriod, NULL);
}

void CPopupBar::RestoreFocus()
{
    if (m_hWndFocus != NULL && ::IsWindow(m_hWndFocus) && m_hWndFocus != m_hWnd && !::IsChild(m_hWnd, m_hWndFocus))
        ::SetFocus(m_hWndFocus);
    else if (m_pWatched != NULL && m_pWatched->GetSafeHwnd() != NULL)
        m_pWatched->SetFocus();
}

int CPopupBar::ShowUponWindow(CWnd* pTarget, BOOL bShow)
{
    if (m_hWnd == NULL || pTarget == NULL || pTarget->GetSafeHwnd() == NULL || m_pWatched == NULL
        || m_pWatched->GetSafeHwnd() == NULL)
        return 0;
    HWND hFocus = ::GetFocus();
    if (hFocus != m_hWnd && !::IsChild(m_hWnd, hFocus))
        m_hWndFocus = hFocus;
    if (bShow)
    {
        const CRect rcPlace = GetPlace(pTarget, 0);
        SetWindowPos(&wndTopMost, rcPlace.left, rcPlace.top, rcPlace.Width(), rcPlace.Height(),
            SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    else
        ShowWindow(SW_HIDE);
    RestoreFocus();
    return 1;
}

CWnd* CPopupBar::ChildFromPoint(CPoint ptScreen)
{
    HWND hWnd = ::WindowFromPoint(ptScreen);
    if (hWnd == NULL || hWnd == m_hWnd || ::IsChild(m_hWnd, hWnd) || m_pWatched == NULL)
        return NULL;
    // a window inside a child counts as that child
    while (hWnd != NULL && ::GetParent(hWnd) != m_pWatched->m_hWnd)
        hWnd = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd) : NULL;
    return hWnd != NULL ? CWnd::FromHandle(hWnd) : NULL;
}

void CPopupBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != POPUPBAR_TIMER)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (m_pWatched == NULL || !::IsWindow(m_pWatched->GetSafeHwnd()) || !m_pWatched->IsWindowVisible())
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    CWnd* pUnder = ChildFromPoint(pt);
    CWnd* pTarget = m_nTarget != 0 ? m_pWatched->GetDlgItem((int)m_nTarget) : NULL;
    if (m_nTarget != 0 && pTarget == NULL)
    {
        // the target went away
        m_nTarget = 0;
        ShowWindow(SW_HIDE);
    }
    // the zones belong to the target, or to the listed window the cursor is over
    CWnd* pZones = pTarget != NULL ? pTarget : (IsListed(pUnder) ? pUnder : NULL);
    CRect rcA(0, 0, 0, 0), rcB(0, 0, 0, 0);
    if (pZones != NULL)
    {
        rcA = GetPlace(pZones, 0);
        rcB = GetPlace(pZones, std::min(rcA.Width(), rcA.Height()));
    }
    if (m_bSuppressed)
    {
        if (rcB.PtInRect(pt))
            return;
        m_bSuppressed = FALSE;
    }

    if (IsWindowVisible())
    {
        // over the popup itself the cursor is over no child
        if (pTarget == NULL || (pUnder != NULL && pUnder != pTarget) || !rcB.PtInRect(pt))
        {
            ShowUponWindow(pTarget != NULL ? pTarget : m_pWatched, FALSE);
            m_nTarget = 0;
        }
    }
    else
    {
        if (m_nTarget == 0 && IsListed(pUnder))
        {
            m_nTarget = (UINT)pUnder->GetDlgCtrlID();
            pTarget = pUnder;
        }
        if (pTarget != NULL && pUnder != pTarget)
        {
            m_nTarget = 0;
            ShowWindow(SW_HIDE);
        }
        else if (pTarget != NULL)
        {
            const CPoint ptCentre = rcA.CenterPoint();
            const auto Dist2 = [&](CPoint p)
            { return (LONGLONG)(p.x - ptCentre.x) * (p.x - ptCentre.x) + (LONGLONG)(p.y - ptCentre.y) * (p.y - ptCentre.y); };
            // coming nearer (or standing) inside the approach zone is an approach
            const BOOL bApproach = rcB.PtInRect(pt) && m_ptLast != CPoint(-1, -1) && Dist2(pt) <= Dist2(m_ptLast);
            if (rcA.PtInRect(pt) || bApproach)
                ShowUponWindow(pTarget, TRUE);
            else
                m_nTarget = 0;
        }
    }
    m_ptLast = pt;
}

BOOL CPopupBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (lParam != (LPARAM)m_wndToolBar.GetSafeHwnd() || nID == 0)
        return CWnd::OnCommand(wParam, lParam);
    if (m_pWatched != NULL && ::IsWindow(m_pWatched->GetSafeHwnd()))
        m_pWatched->PostMessage(WM_COMMAND, nID, m_lExtra);
    CWnd* pTarget = m_nTarget != 0 && m_pWatched != NULL ? m_pWatched->GetDlgItem((int)m_nTarget) : NULL;
    ShowUponWindow(pTarget != NULL ? pTarget : m_pWatched, FALSE);
    m_lExtra = 0;
    m_bSuppressed = TRUE;
    return TRUE;
}

void CPopupBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_wndToolBar.GetSafeHwnd() != NULL)
        m_wndToolBar.SetWindowPos(NULL, 1, 1, std::max(0, cx - 2), std::max(0, cy - 2), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPopupBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.Draw3dRect(&rect, GetMainWndSysColor(COLOR_3DHILIGHT, UIL_COLORCONTEXT_TOOLBAR),
        GetMainWndSysColor(COLOR_3DSHADOW, UIL_COLORCONTEXT_TOOLBAR));
}

int CPopupBar::OnMouseActivate(CWnd*, UINT, UINT)
{
    // the watched window keeps the activation and, after a command, the focus
    return MA_NOACTIVATE;
}
