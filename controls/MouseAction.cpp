// MouseAction.cpp - click-or-drag decisions, key-state flags, flat hover state, right-edge sizing.
#include "MouseAction.h"
#include "docking/WinDrag.h"
#include "frame/UILMessages.h"
#include <stdlib.h>

CMouseActionInfo g_MouseAction;

namespace
{
// a press that wanders less than this on both axes is still a click, and not yet a drag
const int nClickTolerance = 2;
const UINT nFlatTimerPeriod = 50;
}

CMouseActionInfo::CMouseActionInfo()
{
    Reset();
}

void CMouseActionInfo::Reset()
{
    for (int i = 0; i < actCount; i++)
        Clear(i);
}

void CMouseActionInfo::Clear(int nAction)
{
    SMouseAction& action = m_actions[nAction];
    action.nFlags = 0;
    action.pt.x = action.pt.y = 0;
    action.dwTick = 0;
    action.hWnd = NULL;
}

void CMouseActionInfo::OnAction(HWND hWnd, UINT message, UINT nFlags, CPoint point)
{
    int nAction;
    switch (message)
    {
    case WM_MOUSEMOVE: nAction = actMouseMove; break;
    case WM_LBUTTONDOWN: nAction = actLButtonDown; break;
    case WM_LBUTTONUP: nAction = actLButtonUp; break;
    case WM_MBUTTONDOWN: nAction = actMButtonDown; break;
    case WM_MBUTTONUP: nAction = actMButtonUp; break;
    case WM_RBUTTONDOWN: nAction = actRButtonDown; break;
    case WM_RBUTTONUP: nAction = actRButtonUp; break;
    default: return;
    }
    SMouseAction& action = m_actions[nAction];
    action.nFlags = nFlags;
    action.pt = point;
    action.dwTick = ::GetTickCount();
    action.hWnd = hWnd;
}

int CMouseActionInfo::IsClick(int nDown, int nUp)
{
    const SMouseAction& down = m_actions[nDown];
    const SMouseAction& up = m_actions[nUp];
    // cleared records agree with each other, but a button never pressed makes no click
    if (down.hWnd == NULL || down.hWnd != up.hWnd)
        return 0;
    if (abs(down.pt.x - up.pt.x) >= nClickTolerance || abs(down.pt.y - up.pt.y) >= nClickTolerance)
        return 0;
    Clear(nDown);
    Clear(nUp);
    return 1;
}

int CMouseActionInfo::IsStartDrag(int nDown, int nUp, UINT nButtonFlag, BOOL bWaitHalfClick)
{
    const SMouseAction& move = m_actions[actMouseMove];
    const SMouseAction& down = m_actions[nDown];
    if (move.hWnd != down.hWnd)
        return 0;
    if ((move.nFlags & nButtonFlag) == 0)
        return 0;
    // a signed difference stays right across the 49-day wrap of GetTickCount
    if (bWaitHalfClick && (LONG)(move.dwTick - down.dwTick) < (LONG)(::GetDoubleClickTime() / 3))
        return 0;
    if (abs(move.pt.x - down.pt.x) < nClickTolerance && abs(move.pt.y - down.pt.y) < nClickTolerance)
        return 0;
    Clear(nDown);
    Clear(nUp);
    return 1;
}

int CMouseActionInfo::IsLButtonClick()
{
    return IsClick(actLButtonDown, actLButtonUp);
}

int CMouseActionInfo::IsMButtonClick()
{
    return IsClick(actMButtonDown, actMButtonUp);
}

int CMouseActionInfo::IsRButtonClick()
{
    return IsClick(actRButtonDown, actRButtonUp);
}

int CMouseActionInfo::IsLButtonStartDrag()
{
    return IsStartDrag(actLButtonDown, actLButtonUp, MK_LBUTTON, FALSE);
}

int CMouseActionInfo::IsMButtonStartDrag()
{
    return IsStartDrag(actMButtonDown, actMButtonUp, MK_MBUTTON, TRUE);
}

int CMouseActionInfo::IsRButtonStartDrag()
{
    return IsStartDrag(actRButtonDown, actRButtonUp, MK_RBUTTON, TRUE);
}

/////////////////////////////////////////////////////////////////////////////

UINT GetMouseStateFlags()
{
    // GetAsyncKeyState reports the physical buttons; with swapped buttons the user's "left" is
    // the physical right one
    const BOOL bSwapped = ::GetSystemMetrics(SM_SWAPBUTTON) != 0;
    UINT nFlags = 0;
    if (::GetAsyncKeyState(VK_LBUTTON) < 0)
        nFlags |= bSwapped ? MK_RBUTTON : MK_LBUTTON;
    if (::GetAsyncKeyState(VK_RBUTTON) < 0)
        nFlags |= bSwapped ? MK_LBUTTON : MK_RBUTTON;
    if (::GetAsyncKeyState(VK_MBUTTON) < 0)
        nFlags |= MK_MBUTTON;
    if (::GetAsyncKeyState(VK_LSHIFT) < 0 || ::GetAsyncKeyState(VK_RSHIFT) < 0
        || ::GetAsyncKeyState(VK_SHIFT) < 0)
        nFlags |= MK_SHIFT;
    if (::GetAsyncKeyState(VK_CONTROL) < 0)
        nFlags |= MK_CONTROL;
    return nFlags;
}

int UpdateFlatState(int nState, CWnd* pWnd, const POINT* pPoint)
{
    if (pWnd == NULL || !::IsWindow(pWnd->m_hWnd))
        return nState;

    CPoint point;
    if (pPoint != NULL)
        point = *pPoint;
    else
    {
        ::GetCursorPos(&point);
        pWnd->ScreenToClient(&point);
    }
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pWnd->ScreenToClient(&rect);

    int nNewState;
    if (rect.PtInRect(point))
    {
        nNewState = nState | UIL_FLATSTATE_HOT;
        pWnd->SetTimer(UIL_FLATSTATE_TIMER, nFlatTimerPeriod, NULL);
    }
    else
    {
        nNewState = nState & ~UIL_FLATSTATE_HOT;
        pWnd->KillTimer(UIL_FLATSTATE_TIMER);
    }
    if (nNewState != nState)
        pWnd->Invalidate();
    return nNewState;
}

int IsHitRightSide(CWnd* pWnd, CPoint ptScreen, DWORD dwStyle)
{
    if ((dwStyle & UIL_CONTROL_FIXEDWIDTH) || pWnd == NULL || !::IsWindow(pWnd->m_hWnd))
        return 0;
    CRect rect;
    pWnd->GetWindowRect(&rect);
    rect.left = rect.right - UIL_RIGHTSIDE_HITWIDTH;
    return rect.PtInRect(ptScreen) ? HTRIGHT : 0;
}

void DoDragRightSide(CWnd* pWnd, CPoint ptScreen, DWORD dwStyle)
{
    if ((dwStyle & UIL_CONTROL_FIXEDWIDTH) || pWnd == NULL || !::IsWindow(pWnd->m_hWnd))
        return;

    CWinDrag drag;
    drag.DragRightSide(pWnd, ptScreen);
    const CRect& rect = drag.GetDragRect();
    pWnd->SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(),
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    CWnd* pParent = pWnd->GetParent();
    if (pParent != NULL)
        pParent->PostMessage(WM_CONTROL_SIZECHANGED, (WPARAM)pWnd, (LPARAM)pWnd->GetDlgCtrlID());
}
