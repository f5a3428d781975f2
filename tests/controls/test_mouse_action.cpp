// test_mouse_action.cpp - click-or-drag decisions (records and real input for each button), the
// live key-state flags, the flat hover state and the right-edge grip of toolbar controls.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"

namespace
{
const HWND hWndA = (HWND)(ULONG_PTR)0x1234;
const HWND hWndB = (HWND)(ULONG_PTR)0x5678;

struct SButton
{
    const char* lpszName;
    UINT nDown, nUp;
    int nDownRecord, nUpRecord;
    UINT nFlag;
    int (CMouseActionInfo::*pfnIsClick)();
    int (CMouseActionInfo::*pfnIsStartDrag)();
    DWORD dwInputDown, dwInputUp;
};

const SButton s_buttons[3] = {
    { "left", WM_LBUTTONDOWN, WM_LBUTTONUP, 1, 2, MK_LBUTTON, &CMouseActionInfo::IsLButtonClick,
        &CMouseActionInfo::IsLButtonStartDrag, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP },
    { "middle", WM_MBUTTONDOWN, WM_MBUTTONUP, 3, 4, MK_MBUTTON, &CMouseActionInfo::IsMButtonClick,
        &CMouseActionInfo::IsMButtonStartDrag, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP },
    { "right", WM_RBUTTONDOWN, WM_RBUTTONUP, 5, 6, MK_RBUTTON, &CMouseActionInfo::IsRButtonClick,
        &CMouseActionInfo::IsRButtonStartDrag, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP },
};

// Sets the double-click time for a scope.  A right or middle press must be held a third of it
// before a move drags: 1 ms lets every move through, 5000 ms none within a test, so no test
// waits for the clock.
class CDoubleClickTime
{
public:
    explicit CDoubleClickTime(UINT nTime) : m_nOld(::GetDoubleClickTime()) { ::SetDoubleClickTime(nTime); }
    ~CDoubleClickTime() { ::SetDoubleClickTime(m_nOld); }

private:
    UINT m_nOld;
};
const UINT nEveryMoveLate = 1;
const UINT nNoMoveLate = 5000;
}

/////////////////////////////////////////////////////////////////////////////
// The records and the two tests, fed directly

TEST(MouseActionRecords, StartClearedAndIgnoreOtherMessages)
{
    CMouseActionInfo info;
    for (int i = 0; i < CMouseActionInfo::actCount; i++)
    {
        const SMouseAction& a = info.GetAction(i);
        EXPECT_EQ(0u, a.nFlags);
        EXPECT_EQ(0, a.pt.x);
        EXPECT_EQ(0, a.pt.y);
        EXPECT_EQ(0u, a.dwTick);
        EXPECT_TRUE(a.hWnd == NULL);
    }

    info.OnAction(hWndA, WM_LBUTTONDBLCLK, MK_LBUTTON, CPoint(5, 5));
    info.OnAction(hWndA, WM_MOUSEWHEEL, 0, CPoint(5, 5));
    for (int i = 0; i < CMouseActionInfo::actCount; i++)
        EXPECT_TRUE(info.GetAction(i).hWnd == NULL) << i;

    const DWORD dwBefore = ::GetTickCount();
    info.OnRButtonUp(hWndB, MK_SHIFT, CPoint(-3, 7));
    const SMouseAction& up = info.GetAction(CMouseActionInfo::actRButtonUp);
    EXPECT_EQ((UINT)MK_SHIFT, up.nFlags);
    EXPECT_EQ(-3, up.pt.x);
    EXPECT_EQ(7, up.pt.y);
    EXPECT_GE(up.dwTick, dwBefore);
    EXPECT_TRUE(up.hWnd == hWndB);
    EXPECT_TRUE(info.GetAction(CMouseActionInfo::actRButtonDown).hWnd == NULL);
}

TEST(MouseActionRecords, ClickToleranceWindowAndClearingForEachButton)
{
    for (const SButton& b : s_buttons)
    {
        SCOPED_TRACE(b.lpszName);
        CMouseActionInfo info;
        // one pixel off on both axes is still a click, and the records go with it
        info.OnAction(hWndA, b.nDown, b.nFlag, CPoint(10, 10));
        info.OnAction(hWndA, b.nUp, 0, CPoint(11, 11));
        EXPECT_EQ(1, (info.*b.pfnIsClick)());
        EXPECT_TRUE(info.GetAction(b.nDownRecord).hWnd == NULL);
        EXPECT_TRUE(info.GetAction(b.nUpRecord).hWnd == NULL);
        EXPECT_EQ(0, (info.*b.pfnIsClick)());

        // two pixels off on either axis is not
        info.OnAction(hWndA, b.nDown, b.nFlag, CPoint(10, 10));
        info.OnAction(hWndA, b.nUp, 0, CPoint(12, 10));
        EXPECT_EQ(0, (info.*b.pfnIsClick)());
        info.OnAction(hWndA, b.nUp, 0, CPoint(10, 8));
        EXPECT_EQ(0, (info.*b.pfnIsClick)());
        info.OnAction(hWndA, b.nUp, 0, CPoint(9, 9));
        EXPECT_EQ(1, (info.*b.pfnIsClick)());

        // down in one window, up in another
        info.OnAction(hWndA, b.nDown, b.nFlag, CPoint(10, 10));
        info.OnAction(hWndB, b.nUp, 0, CPoint(10, 10));
        EXPECT_EQ(0, (info.*b.pfnIsClick)());

        // a slow press is still a click: time plays no part
        CDoubleClickTime time(30);
        info.OnAction(hWndA, b.nDown, b.nFlag, CPoint(10, 10));
        ::Sleep(20);
        info.OnAction(hWndA, b.nUp, 0, CPoint(10, 10));
        EXPECT_EQ(1, (info.*b.pfnIsClick)());
    }
}

TEST(MouseActionRecords, OnlyTheButtonsOwnRecordsCount)
{
    CMouseActionInfo info;
    // a button that was never pressed makes no click, though its empty records agree
    EXPECT_EQ(0, info.IsLButtonClick());
    info.OnLButtonDown(hWndA, MK_LBUTTON, CPoint(10, 10));
    info.OnLButtonUp(hWndA, 0, CPoint(10, 10));
    EXPECT_EQ(0, info.IsRButtonClick());
    EXPECT_EQ(0, info.IsMButtonClick());
    EXPECT_EQ(1, info.IsLButtonClick());

    // a move with the left button held is no drag of the right one
    CDoubleClickTime time(nEveryMoveLate);
    info.OnRButtonDown(hWndA, MK_RBUTTON, CPoint(10, 10));
    info.OnMouseMove(hWndA, MK_LBUTTON, CPoint(30, 30));
    EXPECT_EQ(0, info.IsRButtonStartDrag());
    info.OnMouseMove(hWndA, MK_RBUTTON, CPoint(30, 30));
    EXPECT_EQ(1, info.IsRButtonStartDrag());
}

TEST(MouseActionRecords, LeftDragStartsAtTwoPixelsAtOnce)
{
    CMouseActionInfo info;
    info.OnLButtonDown(hWndA, MK_LBUTTON, CPoint(100, 100));
    info.OnMouseMove(hWndA, MK_LBUTTON, CPoint(101, 99));
    EXPECT_EQ(0, info.IsLButtonStartDrag());
    // without the button held it is a hover, not a drag
    info.OnMouseMove(hWndA, 0, CPoint(102, 100));
    EXPECT_EQ(0, info.IsLButtonStartDrag());
    // the move must be in the window of the press
    info.OnMouseMove(hWndB, MK_LBUTTON, CPoint(102, 100));
    EXPECT_EQ(0, info.IsLButtonStartDrag());
    info.OnMouseMove(hWndA, MK_LBUTTON, CPoint(100, 102));
    EXPECT_EQ(1, info.IsLButtonStartDrag());

    // the drag took the press: the release that follows is no click
    info.OnLButtonUp(hWndA, 0, CPoint(100, 100));
    EXPECT_EQ(0, info.IsLButtonClick());
    EXPECT_EQ(0, info.IsLButtonStartDrag());
}

TEST(MouseActionRecords, RightAndMiddleDragsWaitForAThirdOfTheDoubleClickTime)
{
    for (int i = 1; i < 3; i++)
    {
        const SButton& b = s_buttons[i];
        SCOPED_TRACE(b.lpszName);
        CMouseActionInfo info;
        info.OnAction(hWndA, b.nDown, b.nFlag, CPoint(50, 50));
        info.OnMouseMove(hWndA, b.nFlag, CPoint(55, 50));
        {
            CDoubleClickTime time(nNoMoveLate);
            EXPECT_EQ(0, (info.*b.pfnIsStartDrag)());
        }
        CDoubleClickTime time(nEveryMoveLate);
        EXPECT_EQ(1, (info.*b.pfnIsStartDrag)());
        // and the press is used up
        info.OnMouseMove(hWndA, b.nFlag, CPoint(60, 50));
        EXPECT_EQ(0, (info.*b.pfnIsStartDrag)());
    }
}

/////////////////////////////////////////////////////////////////////////////
// Real input: a window that feeds g_MouseAction the documented way

namespace
{
class CMouseFeedWnd : public CRecordingWnd
{
public:
    CMouseFeedWnd() { Reset(); }
    void Reset()
    {
        for (int i = 0; i < 3; i++)
            m_nClicks[i] = m_nDrags[i] = 0;
        m_nHeld = -1;
        g_MouseAction.Reset();
    }
    int m_nClicks[3];
    int m_nDrags[3];
    int m_nHeld;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
        for (int i = 0; i < 3; i++)
        {
            const SButton& b = s_buttons[i];
            if (message == b.nDown)
            {

                g_MouseAction.OnAction(m_hWnd, message, (UINT)wParam, pt);
                m_nHeld = i;
            }
            else if (message == b.nUp)
            {
                g_MouseAction.OnAction(m_hWnd, message, (UINT)wParam, pt);
                m_nClicks[i] += (g_MouseAction.*b.pfnIsClick)();
                m_nHeld = -1;
            }
        }
        if (message == WM_MOUSEMOVE)
        {

            g_MouseAction.OnMouseMove(m_hWnd, (UINT)wParam, pt);
            if (m_nHeld >= 0)
                m_nDrags[m_nHeld] += (g_MouseAction.*s_buttons[m_nHeld].pfnIsStartDrag)();
        }
        return CRecordingWnd::WindowProc(message, wParam, lParam);
    }
};

class MouseActionInput : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateTopLevel(CRect(100, 100, 400, 300)));
        m_wnd.Reset();
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        g_MouseAction.Reset();
        PumpTestMessages(10);
    }
    CPoint At(int x, int y) { return ScreenPoint(&m_wnd, CPoint(x, y)); }

    CMouseFeedWnd m_wnd;
};
}

TEST_F(MouseActionInput, EachButtonClicksInPlaceAndDragsWhenMoved)
{
    for (int i = 0; i < 3; i++)
    {
        const SButton& b = s_buttons[i];
        SCOPED_TRACE(b.lpszName);
        m_wnd.Reset();

        CMouseScript click;
        click.MoveTo(At(50, 50)).Button(b.dwInputDown).MoveTo(At(51, 50)).Button(b.dwInputUp);
        ASSERT_TRUE(click.Run());
        EXPECT_EQ(1, m_wnd.m_nClicks[i]);
        EXPECT_EQ(0, m_wnd.m_nDrags[i]);

        // pressed elsewhere, or the press would make a double click with the click before
        m_wnd.Reset();
        CDoubleClickTime time(nEveryMoveLate);
        CMouseScript drag;
        drag.MoveTo(At(150, 100)).Button(b.dwInputDown);
        drag.MoveTo(At(153, 100)).MoveTo(At(160, 102)).MoveTo(At(170, 102)).Button(b.dwInputUp);
        ASSERT_TRUE(drag.Run());
        EXPECT_EQ(1, m_wnd.m_nDrags[i]);      // reported once, however long the drag
        EXPECT_EQ(0, m_wnd.m_nClicks[i]);
    }
}

TEST_F(MouseActionInput, AQuickRightMoveIsNotYetADrag)
{
    CDoubleClickTime time(nNoMoveLate);
    CMouseScript script;
    script.MoveTo(At(50, 50)).RightDown().MoveTo(At(55, 50)).MoveTo(At(56, 50)).RightUp();
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(0, m_wnd.m_nDrags[2]);
    EXPECT_EQ(0, m_wnd.m_nClicks[2]);      // released too far away for a click
}

/////////////////////////////////////////////////////////////////////////////
// GetMouseStateFlags

namespace
{
void SendKey(WORD wVk, BOOL bUp)
{
    INPUT in;
    memset(&in, 0, sizeof(in));
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = wVk;
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(INPUT));
    PumpTestMessages(20);
}

void SendButton(DWORD dwFlags)
{
    INPUT in;
    memset(&in, 0, sizeof(in));
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = dwFlags;
    ::SendInput(1, &in, sizeof(INPUT));
    PumpTestMessages(20);
}

class MouseStateFlags : public testing::Test
{
protected:
    void SetUp() override
    {
        // presses over a window of ours, so nothing else reacts to them
        ASSERT_TRUE(m_wnd.CreateTopLevel(CRect(100, 100, 400, 300)));
        SendMouseAt(ScreenPoint(&m_wnd, CPoint(100, 100)));
        PumpTestMessages(20);
    }
    void TearDown() override
    {
        ::SwapMouseButton(FALSE);
        m_wnd.DestroyWindow();
    }
    CRecordingWnd m_wnd;
};
}

TEST_F(MouseStateFlags, FollowTheKeysAndButtons)
{
    EXPECT_EQ(0u, GetMouseStateFlags());

    SendKey(VK_SHIFT, FALSE);
    EXPECT_EQ((UINT)MK_SHIFT, GetMouseStateFlags());
    SendKey(VK_CONTROL, FALSE);
    EXPECT_EQ((UINT)(MK_SHIFT | MK_CONTROL), GetMouseStateFlags());
    SendKey(VK_SHIFT, TRUE);
    SendKey(VK_CONTROL, TRUE);
    EXPECT_EQ(0u, GetMouseStateFlags());
    SendKey(VK_RSHIFT, FALSE);
    EXPECT_EQ((UINT)MK_SHIFT, GetMouseStateFlags());
    SendKey(VK_RSHIFT, TRUE);

    SendButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ((UINT)MK_LBUTTON, GetMouseStateFlags());
    SendButton(MOUSEEVENTF_MIDDLEDOWN);
    EXPECT_EQ((UINT)(MK_LBUTTON | MK_MBUTTON), GetMouseStateFlags());
    SendButton(MOUSEEVENTF_LEFTUP);
    SendButton(MOUSEEVENTF_MIDDLEUP);
    SendButton(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_EQ((UINT)MK_RBUTTON, GetMouseStateFlags());
    SendButton(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(0u, GetMouseStateFlags());
}

TEST_F(MouseStateFlags, SwappedButtonsReportThePhysicalLeftAsRight)
{
    ::SwapMouseButton(TRUE);
    ASSERT_NE(0, ::GetSystemMetrics(SM_SWAPBUTTON));
    // what GetAsyncKeyState calls the left button is the physical one
    SendButton(MOUSEEVENTF_LEFTDOWN);
    const BOOL bPhysicalLeft = ::GetAsyncKeyState(VK_LBUTTON) < 0;
    const UINT nFlags = GetMouseStateFlags();
    SendButton(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(bPhysicalLeft);
    EXPECT_EQ((UINT)MK_RBUTTON, nFlags);
}

/////////////////////////////////////////////////////////////////////////////
// Flat hover state

namespace
{
class CFlatWnd : public CRecordingWnd
{
public:
    CFlatWnd() : m_nState(0), m_nTicks(0) {}
    int m_nState;
    int m_nTicks;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_TIMER && wParam == UIL_FLATSTATE_TIMER)
        {
            m_nTicks++;
            m_nState = UpdateFlatState(m_nState, this);
            return 0;
        }
        if (message == WM_MOUSEMOVE)
        {
            const POINT pt = { (short)LOWORD(lParam), (short)HIWORD(lParam) };
            m_nState = UpdateFlatState(m_nState, this, &pt);
        }
        return CRecordingWnd::WindowProc(message, wParam, lParam);
    }
};

BOOL IsInvalid(CWnd* pWnd)
{
    CRect rect;
    return pWnd->GetUpdateRect(&rect, FALSE);
}
}

TEST(FlatState, GivenPointsSetAndClearTheHotBitAndTheTimer)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel(CRect(100, 100, 400, 300)));
    CFlatWnd button;
    ASSERT_TRUE(button.CreateChild(&parent, CRect(10, 10, 60, 40), 10));
    ::SetCursorPos(900, 700);
    PumpTestMessages(20);

    button.ValidateRect(NULL);
    const POINT ptInside = { 49, 29 };
    // the hover bit is 0x1; the caller's other bits stay as they are
    EXPECT_EQ(0x7, UpdateFlatState(0x6, &button, &ptInside));
    EXPECT_TRUE(IsInvalid(&button));

    // unchanged: no repaint
    button.ValidateRect(NULL);
    EXPECT_EQ(0x1, UpdateFlatState(0x1, &button, &ptInside));
    EXPECT_FALSE(IsInvalid(&button));

    // the timer runs while the point is inside (the window's own OnTimer then finds the cursor
    // far away and stops it)
    button.m_nState = 0x1;
    PumpTestMessages(200);
    EXPECT_GE(button.m_nTicks, 1);
    EXPECT_EQ(0, button.m_nState);

    const POINT ptOutside = { 50, 30 };
    button.m_nTicks = 0;
    button.ValidateRect(NULL);
    EXPECT_EQ(0x6, UpdateFlatState(0x7, &button, &ptOutside));
    EXPECT_TRUE(IsInvalid(&button));
    PumpTestMessages(200);
    EXPECT_EQ(0, button.m_nTicks);
}

TEST(FlatState, TheHighlightFollowsTheRealCursorInAndOut)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel(CRect(100, 100, 400, 300)));
    CFlatWnd button;
    ASSERT_TRUE(button.CreateChild(&parent, CRect(10, 10, 60, 40), 10));

    CMouseScript in;
    in.MoveTo(ScreenPoint(&button, CPoint(20, 15))).MoveTo(ScreenPoint(&button, CPoint(21, 15)));
    ASSERT_TRUE(in.Run());
    EXPECT_EQ(0x1, button.m_nState);

    // over the parent the button gets no more mouse messages: only its timer notices
    CMouseScript out;
    out.MoveTo(ScreenPoint(&parent, CPoint(200, 150))).Wait(200);
    ASSERT_TRUE(out.Run());
    EXPECT_EQ(0, button.m_nState);
    const int nTicks = button.m_nTicks;
    EXPECT_GE(nTicks, 1);
    PumpTestMessages(150);
    EXPECT_EQ(nTicks, button.m_nTicks);     // and the timer stopped
}

/////////////////////////////////////////////////////////////////////////////
// The right-edge grip

namespace
{
const UINT nControlID = 321;

class RightSide : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bar.CreateTopLevel(CRect(100, 100, 500, 200)));
        m_bar.Watch(WM_CONTROL_SIZECHANGED);
        ASSERT_TRUE(m_control.CreateChild(&m_bar, CRect(20, 10, 120, 30), nControlID));
        // a control on a bar whose right edge the user can drag, as a drop-down on a toolbar is
        m_control.m_fnPress = [this](CPoint pt) {
            if (IsHitRightSide(&m_control, pt, m_dwStyle) == HTRIGHT)
                DoDragRightSide(&m_control, pt, m_dwStyle);
        };
        m_dwStyle = 0;
        PumpTestMessages(20);
    }
    CRect ControlRect()
    {
        CRect rect;
        m_control.GetWindowRect(&rect);
        return rect;
    }
    CRecordingWnd m_bar;
    CRecordingWnd m_control;
    DWORD m_dwStyle;
};
}

TEST_F(RightSide, HitZoneIsTheRightmostFivePixelsUnlessTheWidthIsFixed)
{
    const CRect rect = ControlRect();
    ASSERT_EQ(100, rect.Width());
    const int y = rect.CenterPoint().y;
    EXPECT_EQ(HTRIGHT, IsHitRightSide(&m_control, CPoint(rect.right - 1, y), 0));
    EXPECT_EQ(HTRIGHT, IsHitRightSide(&m_control, CPoint(rect.right - 5, y), 0));
    EXPECT_EQ(0, IsHitRightSide(&m_control, CPoint(rect.right - 6, y), 0));
    EXPECT_EQ(0, IsHitRightSide(&m_control, CPoint(rect.right, y), 0));
    // full height, and no more
    EXPECT_EQ(HTRIGHT, IsHitRightSide(&m_control, CPoint(rect.right - 3, rect.top), 0));
    EXPECT_EQ(HTRIGHT, IsHitRightSide(&m_control, CPoint(rect.right - 3, rect.bottom - 1), 0));
    EXPECT_EQ(0, IsHitRightSide(&m_control, CPoint(rect.right - 3, rect.top - 1), 0));
    EXPECT_EQ(0, IsHitRightSide(&m_control, CPoint(rect.right - 3, rect.bottom), 0));
    EXPECT_EQ(0, IsHitRightSide(&m_control, CPoint(rect.right - 1, y), UIL_CONTROL_FIXEDWIDTH));
    EXPECT_EQ(HTRIGHT, IsHitRightSide(&m_control, CPoint(rect.right - 1, y), 0x3FF));
}

TEST_F(RightSide, DraggingTheEdgeResizesTheControlAndTellsTheBar)
{
    const CRect before = ControlRect();
    CMouseScript script;
    script.MoveTo(CPoint(before.right - 2, before.top + 5)).LeftDown()
        .MoveTo(CPoint(before.right + 10, before.top + 30))
        .MoveTo(CPoint(before.right + 38, before.top + 30)).LeftUp();
    ASSERT_TRUE(script.Run());

    const CRect after = ControlRect();
    EXPECT_EQ(before.left, after.left);             // not moved
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.Width() + 40, after.Width());
    EXPECT_EQ(before.Height(), after.Height());     // the vertical motion does not count
    ASSERT_EQ(1, m_bar.Count(WM_CONTROL_SIZECHANGED));
    EXPECT_EQ((WPARAM)(CWnd*)&m_control, m_bar.Last(WM_CONTROL_SIZECHANGED)->wParam);
    EXPECT_EQ((LPARAM)nControlID, m_bar.Last(WM_CONTROL_SIZECHANGED)->lParam);
    EXPECT_TRUE(::GetCapture() == NULL);
}

TEST_F(RightSide, NarrowingStopsAtTheMinimumWidth)
{
    const CRect before = ControlRect();
    CMouseScript script;
    script.MoveTo(CPoint(before.right - 1, before.top + 5)).LeftDown()
        .MoveTo(CPoint(before.left - 50, before.top + 5)).LeftUp();
    ASSERT_TRUE(script.Run());
    EXPECT_EQ((int)CWinDrag::nMinRightSideWidth, ControlRect().Width());
}

TEST_F(RightSide, ARightPressCancelsAndAFixedWidthIgnoresTheDrag)
{
    const CRect before = ControlRect();
    CMouseScript cancel;
    cancel.MoveTo(CPoint(before.right - 1, before.top + 5)).LeftDown()
        .MoveTo(CPoint(before.right + 60, before.top + 5)).RightDown().RightUp().LeftUp();
    ASSERT_TRUE(cancel.Run());
    EXPECT_EQ(before, ControlRect());
    EXPECT_TRUE(::GetCapture() == NULL);

    m_bar.Clear();
    m_dwStyle = UIL_CONTROL_FIXEDWIDTH;
    DoDragRightSide(&m_control, CPoint(before.right - 1, before.top + 5), UIL_CONTROL_FIXEDWIDTH);
    PumpTestMessages(30);
    EXPECT_EQ(0, m_bar.Count(WM_CONTROL_SIZECHANGED));
    EXPECT_EQ(before, ControlRect());
}
