// ColorTestWindows.h - the colour control tests' input in a control's client coordinates, as a
// user gives it (real mouse and keys through the shared toolkit), and its screen pixels.
#pragma once

#include <WEXOctrl.h>
#include "wexotest.h"

// one mouse event at a client point of pWnd, then the messages it causes
inline void MouseAt(CWnd* pWnd, CPoint point, DWORD dwFlags = 0)
{
    SendMouseAt(ScreenPoint(pWnd, point), dwFlags);
    PumpTestMessages(30);
}
inline void MoveMouseTo(CWnd* pWnd, CPoint point) { MouseAt(pWnd, point); }
inline void PressAt(CWnd* pWnd, CPoint point, BOOL bRight = FALSE)
{
    MouseAt(pWnd, point);
    MouseAt(pWnd, point, bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
}
inline void ReleaseAt(CWnd* pWnd, CPoint point, BOOL bRight = FALSE)
{
    MouseAt(pWnd, point, bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}
inline void ClickAt(CWnd* pWnd, CPoint point, BOOL bRight = FALSE)
{
    PressAt(pWnd, point, bRight);
    ReleaseAt(pWnd, point, bRight);
}
// both clicks before any message is handled, so they land within the double-click time
inline void DoubleClickAt(CWnd* pWnd, CPoint point)
{
    const CPoint pt = ScreenPoint(pWnd, point);
    SendMouseAt(pt);
    for (int i = 0; i < 2; i++)
    {
        SendMouseAt(pt, MOUSEEVENTF_LEFTDOWN);
        SendMouseAt(pt, MOUSEEVENTF_LEFTUP);
    }
    PumpTestMessages(50);
}

// Clicks pWnd at point, which opens a popup menu, and picks its entry with nDowns presses of the
// down arrow and Enter, or dismisses it with Escape when nDowns is negative.  Returns the number
// of entries the menu showed, -1 when none opened.
inline int PickFromMenu(CWnd* pWnd, CPoint point, int nDowns)
{
    int nShown = -1;
    CMouseScript script;
    script.MoveTo(ScreenPoint(pWnd, point)).LeftDown().LeftUp()
        .WaitFor([] { return !ReadOpenMenu().empty(); })
        .Call([&nShown] { nShown = (int)ReadOpenMenu().size(); });
    for (int i = 0; i < nDowns; i++)
        script.KeyPress(VK_DOWN);
    script.KeyPress(nDowns < 0 ? VK_ESCAPE : VK_RETURN);
    script.Run();
    return nShown;
}

// The colour of one pixel of a visible, painted window as it is on the screen.
inline COLORREF WindowPixel(CWnd* pWnd, int x, int y)
{
    CClientDC dc(pWnd);
    return dc.GetPixel(x, y);
}
