// wndtips.cpp - tool tips for the child controls of a window: CWnd::EnableToolTips, the default
// hit test, and the filter that feeds the thread's tool-tip control from the mouse messages the
// message loop pre-translates.
//
// Each thread has one tool-tip control, owned by the top-level window it last served.  A window
// with tool tips enabled adds, while the mouse is over one of its tools (by default: a child
// control), that tool to the control with the text left to a callback, so the tool tip asks the
// window with TTN_NEEDTEXT when it shows.
#include "afximpl_.h"
#include <afxcmn.h>

namespace
{
struct SToolTipState
{
    CToolTipCtrl* pToolTip;
    HWND hWndLastHit;           // the window whose tool the mouse was over, or NULL
    INT_PTR nLastHit;           // that tool's hit code, -1 when none
    TOOLINFOA tiLast;           // that tool (cbSize 0 when none)
};

thread_local SToolTipState t_tips = { NULL, NULL, -1, {} };

BOOL IsMouseUpOrMove(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP
        || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

BOOL IsPressOrKey(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || message == WM_LBUTTONDOWN
        || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK
        || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK || message == WM_NCLBUTTONDOWN
        || message == WM_NCRBUTTONDOWN || message == WM_NCMBUTTONDOWN;
}

BOOL AnyButtonDown()
{
    return ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 || ::GetKeyState(VK_MBUTTON) < 0;
}

void ForgetLastTool()
{
    if (t_tips.pToolTip != NULL && t_tips.pToolTip->m_hWnd != NULL && t_tips.tiLast.cbSize != 0)
        t_tips.pToolTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&t_tips.tiLast);
    memset(&t_tips.tiLast, 0, sizeof(t_tips.tiLast));
    t_tips.hWndLastHit = NULL;
    t_tips.nLastHit = -1;
}

// The thread's tool-tip control, made anew when the one there is belongs to another top-level
// window (or went with its owner).
CToolTipCtrl* ToolTipFor(CWnd* pOwner)
{
    CToolTipCtrl*& pToolTip = t_tips.pToolTip;
    if (pToolTip != NULL && pToolTip->m_hWnd != NULL && ::GetWindow(pToolTip->m_hWnd, GW_OWNER) != pOwner->m_hWnd)
    {
        ForgetLastTool();
        pToolTip->DestroyWindow();
    }
    if (pToolTip != NULL && pToolTip->m_hWnd == NULL)
    {
        delete pToolTip;
        pToolTip = NULL;
        memset(&t_tips.tiLast, 0, sizeof(t_tips.tiLast));
        t_tips.hWndLastHit = NULL;
        t_tips.nLastHit = -1;
    }
    if (pToolTip == NULL)
    {
        pToolTip = new CToolTipCtrl;
        if (!pToolTip->Create(pOwner, TTS_ALWAYSTIP))
        {
            delete pToolTip;
            pToolTip = NULL;
            return NULL;
        }
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
    }
    return pToolTip;
}
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (bEnable)
        m_nFlags |= WF_TOOLTIPS;
    else
    {
        m_nFlags &= ~WF_TOOLTIPS;
        if (t_tips.hWndLastHit == m_hWnd)
        {
            CancelToolTips();
            ForgetLastTool();
        }
    }
    return TRUE;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    if (t_tips.pToolTip != NULL && t_tips.pToolTip->m_hWnd != NULL)
        t_tips.pToolTip->SendMessage(TTM_POP);
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    // the child control under the point, disabled ones too: they are the ones that need a tip
    HWND hChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hChild == NULL || hChild == m_hWnd)
        return -1;
    if (pTI != NULL && pTI->cbSize >= TTTOOLINFOA_V1_SIZE)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hChild;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return (INT_PTR)(WORD)::GetDlgCtrlID(hChild);
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    // the nearest window with tool tips from the message's window up must be this one
    CWnd* pTipsWnd = NULL;
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL && pTipsWnd == NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && (pWnd->m_nFlags & WF_TOOLTIPS))
            pTipsWnd = pWnd;
    }
    if (pTipsWnd != this)
        return;

    const UINT message = pMsg->message;
    if (!IsMouseUpOrMove(message) || AnyButtonDown())
    {
        // a press or a key takes a tip that shows away
        if (IsPressOrKey(message))
            CancelToolTips((message >= WM_KEYFIRST && message <= WM_KEYLAST));
        return;
    }

    CWnd* pOwner = GetTopLevelParent();
    if (pOwner == NULL)
        pOwner = this;
    CToolTipCtrl* pToolTip = ToolTipFor(pOwner);
    if (pToolTip == NULL)
        return;

    CPoint point = pMsg->pt;
    ScreenToClient(&point);
    TOOLINFOA tiHit;
    memset(&tiHit, 0, sizeof(tiHit));
    tiHit.cbSize = TTTOOLINFOA_V1_SIZE;
    const INT_PTR nHit = OnToolHitTest(point, &tiHit);
    const HWND hWndHit = nHit != -1 ? m_hWnd : NULL;

    if (nHit == t_tips.nLastHit && hWndHit == t_tips.hWndLastHit)
    {
        if (nHit != -1)
            pToolTip->SendMessage(TTM_RELAYEVENT, 0, (LPARAM)pMsg);
        return;
    }

    if (nHit != -1)
    {
        // the tip shows over inactive windows too (TTS_ALWAYSTIP), above other popups
        pToolTip->SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&tiHit);
        pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
        ::SetWindowPos(pToolTip->m_hWnd, HWND_TOP, 0, 0, 0, 0,
            SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    }
    else
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
    // the move reaches the tip before the old tool goes, so that it can tell it left it
    pToolTip->SendMessage(TTM_RELAYEVENT, 0, (LPARAM)pMsg);
    if (t_tips.tiLast.cbSize != 0)
        pToolTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&t_tips.tiLast);
    t_tips.hWndLastHit = hWndHit;
    t_tips.nLastHit = nHit;
    if (nHit != -1)
        t_tips.tiLast = tiHit;
    else
        memset(&t_tips.tiLast, 0, sizeof(t_tips.tiLast));
}
