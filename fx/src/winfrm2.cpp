// winfrm2.cpp - the docking side of CFrameWnd: dock bars on its sides, docking, floating and
// showing bars, the layout of floating frames, their activation with their owner, tool tips and
// fly-by prompts of bar buttons; the thread's list of frames that the idle pass walks.
#include "afximpl_.h"
#include <afxpriv.h>

namespace
{
thread_local CFrameWnd* t_pFirstFrameWnd = NULL;
}

void AfxAddFrameWnd(CFrameWnd* pFrameWnd)
{
    pFrameWnd->m_pNextFrameWnd = t_pFirstFrameWnd;
    t_pFirstFrameWnd = pFrameWnd;
}

void AfxRemoveFrameWnd(CFrameWnd* pFrameWnd)
{
    for (CFrameWnd** ppFrame = &t_pFirstFrameWnd; *ppFrame != NULL; ppFrame = &(*ppFrame)->m_pNextFrameWnd)
    {
        if (*ppFrame == pFrameWnd)
        {
            *ppFrame = pFrameWnd->m_pNextFrameWnd;
            pFrameWnd->m_pNextFrameWnd = NULL;
            return;
        }
    }
}

CFrameWnd* AfxGetFirstFrameWnd()
{
    return t_pFirstFrameWnd;
}

// the frame sides: dock bar id and the bar style of that side
const DWORD CFrameWnd::dwDockBarMap[4][2] =
{
    { AFX_IDW_DOCKBAR_TOP, CBRS_TOP },
    { AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM },
    { AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT },
    { AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT },
};

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    ASSERT((dwDockStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) == 0);
    m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (int i = 0; i < 4; i++)
    {
        if (dwDockBarMap[i][1] & dwDockStyle & CBRS_ALIGN_ANY)
        {
            CDockBar* pDock = (CDockBar*)GetControlBar(dwDockBarMap[i][0]);
            if (pDock == NULL)
            {
                pDock = new CDockBar;
                if (!pDock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | dwDockBarMap[i][1],
                        dwDockBarMap[i][0]))
                {
                    delete pDock;
                    AfxThrowResourceException();
                }
            }
        }
    }
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    if (nID == 0)
        return NULL;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd != NULL && (UINT)(WORD)::GetDlgCtrlID(pBar->m_hWnd) == nID)
            return pBar;
    }
    return NULL;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = (nDockBarID == 0) ? NULL : (CDockBar*)GetControlBar(nDockBarID);
    DockControlBar(pBar, pDockBar, lpRect);
}

namespace
{
// the frame side whose alignment is the bar's
CDockBar* DockBarForStyle(CFrameWnd* pFrame, DWORD dwBarStyle)
{
    for (int i = 0; i < 4; i++)
        if ((CFrameWnd::dwDockBarMap[i][1] & CBRS_ALIGN_ANY) == (dwBarStyle & CBRS_ALIGN_ANY))
            return (CDockBar*)pFrame->GetControlBar(CFrameWnd::dwDockBarMap[i][0]);
    return NULL;
}
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    ASSERT(pBar != NULL);
    if (pBar->m_pDockContext == NULL)
        pBar->EnableDocking(pBar->m_dwDockStyle);
    if (pDockBar == NULL)
        pDockBar = DockBarForStyle(this, pBar->m_dwStyle);
    if (pDockBar == NULL || !pDockBar->IsDockBar())
    {
        // no side of this frame fits the bar: it floats where it stands
        CRect rect;
        pBar->GetWindowRect(&rect);
        FloatControlBar(pBar, rect.TopLeft(), (pBar->m_dwStyle & CBRS_ORIENT_VERT) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP);
        return;
    }
    pDockBar->DockControlBar(pBar, lpRect);
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    ASSERT(pBar != NULL);
    if (pDockBar == NULL)
        pDockBar = DockBarForStyle(this, pBar->m_dwStyle);
    if (pDockBar == NULL)
    {
        // back to the first side the bar may dock to
        for (int i = 0; i < 4 && pDockBar == NULL; i++)
            if (dwDockBarMap[i][1] & pBar->m_dwDockStyle & CBRS_ALIGN_ANY)
                pDockBar = (CDockBar*)GetControlBar(dwDockBarMap[i][0]);
    }
    if (pDockBar == NULL)
        return;
    pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass = m_pFloatingFrameClass != NULL ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    if (pObject == NULL)
        AfxThrowMemoryException();
    if (!pObject->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
    {
        delete pObject;
        AfxThrowResourceException();
    }
    CMiniDockFrameWnd* pFrame = (CMiniDockFrameWnd*)pObject;
    if (!pFrame->Create(this, dwStyle))
    {
        // a frame whose window never came is still ours to delete
        if (pFrame->m_hWnd == NULL)
            delete pFrame;
        AfxThrowResourceException();
    }
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    ASSERT(pBar != NULL);
    if (pBar->m_pDockContext == NULL)
        pBar->EnableDocking(pBar->m_dwDockStyle);

    // alone in a floating frame of the same orientation: the frame just moves
    if (pBar->m_pDockSite != NULL && pBar->m_pDockBar != NULL)
    {
        CDockBar* pDockBar = pBar->m_pDockBar;
        if (pDockBar->m_bFloating && pDockBar->GetDockedCount() == 1
            && (dwStyle & pDockBar->m_dwStyle & CBRS_ALIGN_ANY) != 0)
        {
            CFrameWnd* pDockFrame = pDockBar->GetParentFrame();
            if (pDockFrame != NULL)
            {
                pDockFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                pDockFrame->RecalcLayout(TRUE);
                pDockFrame->UpdateWindow();
                return;
            }
        }
    }

    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
    {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
        {
            dwStyle &= ~CBRS_ALIGN_ANY;
            dwStyle |= CBRS_ALIGN_TOP;
        }
    }

    CMiniDockFrameWnd* pDockFrame = CreateFloatingFrame(dwStyle);
    pDockFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pDockFrame->m_wndDockBar.DockControlBar(pBar);
    pDockFrame->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE)
    {
        pDockFrame->ShowWindow(SW_SHOWNA);
        pDockFrame->UpdateWindow();
    }
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    ASSERT(pBar != NULL);
    CFrameWnd* pParentFrame = pBar->GetDockingFrame();
    if (pParentFrame == NULL)
        pParentFrame = this;
    if (bDelay)
    {
        pBar->DelayShow(bShow);
        pParentFrame->DelayRecalcLayout();
    }
    else
    {
        pBar->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE
            | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        // clears a delayed show or hide that said otherwise
        pBar->DelayShow(bShow);
        if (bShow || !pBar->IsFloating())
            pParentFrame->RecalcLayout(FALSE);
    }

    // a floating frame shows while any of its bars does
    if (pBar->IsFloating())
    {
        const int nVisCount = pBar->m_pDockBar != NULL ? pBar->m_pDockBar->GetDockedVisibleCount() : (bShow ? 1 : 0);
        if (nVisCount == 1 && bShow)
        {
            pParentFrame->m_nShowDelay = -1;
            if (bDelay)
            {
                pParentFrame->m_nShowDelay = SW_SHOWNA;
                pParentFrame->RecalcLayout(FALSE);
            }
            else
                pParentFrame->ShowWindow(SW_SHOWNA);
        }
        else if (nVisCount == 0)
        {
            pParentFrame->m_nShowDelay = -1;
            if (bDelay)
                pParentFrame->m_nShowDelay = SW_HIDE;
            else
                pParentFrame->ShowWindow(SW_HIDE);
        }
        else if (!bDelay)
            pParentFrame->RecalcLayout(FALSE);
    }
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    // a floating dock bar takes bars only when both allow several bars in one frame
    dwDockStyle &= CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI;
    if (ppDockBar != NULL)
        *ppDockBar = NULL;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (!pBar->IsDockBar())
            continue;
        CDockBar* pDockBar = (CDockBar*)pBar;
        if (pDockBar->IsWindowVisible() && (pDockBar->m_dwStyle & dwDockStyle & CBRS_ALIGN_ANY)
            && (!pDockBar->m_bFloating || (dwDockStyle & pDockBar->m_dwStyle & CBRS_FLOAT_MULTI)))
        {
            CRect rectBar;
            pDockBar->GetWindowRect(&rectBar);
            // an empty side is still a one-pixel target
            if (rectBar.Width() == 0)
                rectBar.right++;
            if (rectBar.Height() == 0)
                rectBar.bottom++;
            if (rectBar.IntersectRect(rectBar, rect))
            {
                if (ppDockBar != NULL)
                    *ppDockBar = pDockBar;
                return pDockBar->m_dwStyle & dwDockStyle;
            }
        }
    }
    return 0;
}

void CFrameWnd::DestroyDockBars()
{
    // the list changes while dock bars and floating frames go: work on a copy
    CPtrList listDockBars;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->IsDockBar())
            listDockBars.AddTail(pBar);
    }
    pos = listDockBars.GetHeadPosition();
    while (pos != NULL)
    {
        CDockBar* pDockBar = (CDockBar*)listDockBars.GetNext(pos);
        if (m_listControlBars.Find(pDockBar) == NULL)
            continue;   // went with a floating frame destroyed before
        if (pDockBar->m_bFloating)
        {
            CFrameWnd* pFrameWnd = pDockBar->GetParentFrame();
            if (pFrameWnd != NULL && pFrameWnd != this)
                pFrameWnd->DestroyWindow();
        }
        else
            pDockBar->DestroyWindow();
    }
}

/////////////////////////////////////////////////////////////////////////////
// Activation: floating frames show active while their owner frame is

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    CFrameWnd* pParent = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    if (pParent == NULL)
        pParent = this;
    if (dwFlags & (FS_DEACTIVATE | FS_ACTIVATE))
    {
        const BOOL bActivate = !(dwFlags & FS_DEACTIVATE);
        const BOOL bEnabled = pParent->IsWindowEnabled();
        if (bActivate && bEnabled && pParent != this)
        {
            // the owner shows active while one of its floating frames is
            m_nFlags |= WF_KEEPMINIACTIVE;
            pParent->SendMessage(WM_NCACTIVATE, TRUE);
            m_nFlags &= ~WF_KEEPMINIACTIVE;
        }
        else
            pParent->SendMessage(WM_NCACTIVATE, FALSE);
    }

    // every top-level window this frame owns hears it
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd != pParent->m_hWnd && AfxIsDescendant(pParent->m_hWnd, hWnd))
            ::SendMessageA(hWnd, WM_FLOATSTATUS, dwFlags, 0);
    }
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);

    CFrameWnd* pTopLevel = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    if (pTopLevel == NULL)
        pTopLevel = this;
    CWnd* pActive = (nState == WA_INACTIVE ? pWndOther : this);
    // the frame stays active when the window taking the activation is one of its floating frames
    BOOL bStayActive = FALSE;
    if (pActive != NULL && pActive->m_hWnd != NULL)
    {
        if (pActive == pTopLevel || pActive->m_hWnd == pTopLevel->m_hWnd)
            bStayActive = TRUE;
        else
        {
            CFrameWnd* pActiveTop = pActive->GetTopLevelFrame();
            bStayActive = pActiveTop != NULL && pActiveTop->m_hWnd == pTopLevel->m_hWnd
                && pActive->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0;
        }
    }
    pTopLevel->m_nFlags &= ~WF_STAYACTIVE;
    if (bStayActive)
        pTopLevel->m_nFlags |= WF_STAYACTIVE;

    NotifyFloatingWindows(bStayActive ? FS_ACTIVATE : FS_DEACTIVATE);
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    if (m_nFlags & WF_STAYACTIVE)
        bActive = TRUE;
    if (!IsWindowEnabled())
        bActive = FALSE;
    // not the base: it would pass the original state on
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0L);
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    // the floating frames follow the frame into and out of a modal state
    if (!(GetStyle() & WS_CHILD) && m_hWnd != NULL)
        NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

void CFrameWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
    // a minimised or restored owner takes its floating frames along
    if (nStatus == SW_PARENTCLOSING || nStatus == SW_PARENTOPENING)
        return;
    if (!(GetStyle() & WS_CHILD) && nStatus != 0)
        NotifyFloatingWindows(bShow ? FS_SHOW : FS_HIDE);
}

void CFrameWnd::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    afxData.UpdateSysColors();
}

/////////////////////////////////////////////////////////////////////////////
// Tool tips of bar buttons: the part of the command's prompt string after the newline

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    TOOLTIPTEXTA* pTTTA = (TOOLTIPTEXTA*)pNMHDR;
    TOOLTIPTEXTW* pTTTW = (TOOLTIPTEXTW*)pNMHDR;
    CString strTipText;
    UINT_PTR nID = pNMHDR->idFrom;
    if ((pNMHDR->code == TTN_NEEDTEXTA && (pTTTA->uFlags & TTF_IDISHWND))
        || (pNMHDR->code == TTN_NEEDTEXTW && (pTTTW->uFlags & TTF_IDISHWND)))
        nID = (UINT_PTR)(WORD)::GetDlgCtrlID((HWND)nID);

    if (nID != 0)
    {
        CString strFull;
        if (strFull.LoadString((UINT)nID))
        {
            // "prompt\ntip": the tip, or the whole text when there is no newline
            int nNewLine = strFull.Find('\n');
            strTipText = nNewLine >= 0 ? strFull.Mid(nNewLine + 1) : strFull;
        }
    }
    if (pNMHDR->code == TTN_NEEDTEXTA)
        lstrcpynA(pTTTA->szText, strTipText, (int)(sizeof(pTTTA->szText) / sizeof(pTTTA->szText[0])));
    else
        ::MultiByteToWideChar(CP_ACP, 0, strTipText, -1, pTTTW->szText,
            (int)(sizeof(pTTTW->szText) / sizeof(pTTTW->szText[0])));
    *pResult = 0;
    // above other popups (floating frames)
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}
