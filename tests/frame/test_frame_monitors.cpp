// test_frame_monitors.cpp - monitor geometry, keeping rectangles on screen, repainting a part
// of the screen.
//
// Wine's headless driver has one monitor, 0,0-1024,768 with no task bar, while its full-screen
// metrics say 1024 x 779: the monitor answers and the fall-back answer differ, which tells which
// path a function took.  Several monitors are tested through ConstrainRectToRects, the rule
// ConstrainRectToScreen applies to the list of monitors.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>
#include "frame/UILFrameImpl.h"
#include "wexotest.h"
#include "frame_test.h"

namespace
{
CRect FullScreenDefault()
{
    return CRect(0, 0, ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN));
}

MONITORINFO MonitorInfoAt(POINT pt)
{
    MONITORINFO mi;
    memset(&mi, 0, sizeof(mi));
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoA(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &mi);
    return mi;
}

CRect DesktopRect()
{
    CRect rect;
    ::GetWindowRect(::GetDesktopWindow(), &rect);
    return rect;
}

int Constrain(CRect& rect, const std::vector<CRect>& monitors)
{
    return ConstrainRectToRects(rect, monitors.data(), (int)monitors.size());
}
}

TEST(FrameMonitors, PointFormsAnswerWithTheNearestMonitor)
{
    for (POINT pt : { POINT{ 10, 10 }, POINT{ 5000, -3000 } })
    {
        MONITORINFO mi = MonitorInfoAt(pt);
        EXPECT_EQ(CRect(mi.rcMonitor), GetMonitorRect(pt)) << pt.x << "," << pt.y;
        EXPECT_EQ(CRect(mi.rcWork), GetMonitorWorkArea(pt)) << pt.x << "," << pt.y;
    }
}

TEST(FrameMonitors, WindowFormsAnswerWithTheWindowsMonitor)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "monitor test", WS_POPUP, 30, 40, 200, 100, NULL, 0));
    MONITORINFO mi = MonitorInfoAt(CPoint(130, 90));
    EXPECT_EQ(CRect(mi.rcMonitor), GetMonitorRect(wnd.m_hWnd));
    EXPECT_EQ(CRect(mi.rcWork), GetMonitorWorkArea(wnd.m_hWnd));
    wnd.DestroyWindow();
}

TEST(FrameMonitors, WindowFormsWithoutAWindowAnswerWithTheFullScreenArea)
{
    EXPECT_EQ(FullScreenDefault(), GetMonitorRect((HWND)NULL));
    EXPECT_EQ(FullScreenDefault(), GetMonitorWorkArea((HWND)NULL));
    // a handle that was a window once
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "gone", WS_POPUP, 0, 0, 10, 10, NULL, 0));
    HWND hWndGone = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(FullScreenDefault(), GetMonitorRect(hWndGone));
}

TEST(FrameMonitors, VirtualRectSpansTheMonitors)
{
    if (::GetSystemMetrics(SM_CMONITORS) < 2)
    {
        EXPECT_EQ(DesktopRect(), GetVirtualMonitorRect());
    }
    else
    {
        int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
        int y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
        EXPECT_EQ(CRect(x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)),
            GetVirtualMonitorRect());
    }
}

TEST(FrameMonitors, ConstrainRectToScreenUsesTheDesktopOfASingleMonitor)
{
    ASSERT_EQ(1, ::GetSystemMetrics(SM_CMONITORS)) << "the test session has one monitor";
    const CRect desktop = DesktopRect();

    CRect rectRight(desktop.right + 50, 100, desktop.right + 250, 180);
    EXPECT_EQ(1, ConstrainRectToScreen(rectRight));
    EXPECT_EQ(CRect(desktop.right - 200, 100, desktop.right, 180), rectRight);

    CRect rectOnScreen(desktop.right - 1, desktop.bottom - 1, desktop.right + 300, desktop.bottom + 300);
    const CRect rectBefore = rectOnScreen;
    EXPECT_EQ(0, ConstrainRectToScreen(rectOnScreen));
    EXPECT_EQ(rectBefore, rectOnScreen);
}

// The rule over one, two and three monitors.  A monitor's weight is the smaller component of the
// offset that brings the rectangle onto it; the lightest wins, the first listed on a tie.
TEST(FrameConstrainRect, TheLightestOffsetOntoAMonitorWins)
{
    const CRect a(0, 0, 1024, 768), b(1024, 0, 2048, 768), c(2048, -200, 2848, 400);
    struct
    {
        std::vector<CRect> monitors;
        CRect rect, expected;       // expected == rect: stays (0), else moves (1)
    } cases[] = {
        // overlapping by one pixel, or all around: stays
        { { a }, CRect(100, 767, 300, 900), CRect(100, 767, 300, 900) },
        { { a }, CRect(-200, -50, 1, 1), CRect(-200, -50, 1, 1) },
        { { a }, CRect(-10, -10, 2000, 2000), CRect(-10, -10, 2000, 2000) },
        // outside on one or two sides: onto the nearest edges
        { { a }, CRect(1024, 100, 1224, 200), CRect(824, 100, 1024, 200) },
        { { a }, CRect(-500, -300, -400, -250), CRect(0, 0, 100, 50) },
        { { a }, CRect(10, 800, 60, 900), CRect(10, 668, 60, 768) },
        // any overlapped monitor keeps it
        { { a, b }, CRect(1500, 100, 1700, 200), CRect(1500, 100, 1700, 200) },
        { { a, b, c }, CRect(2847, 399, 2900, 450), CRect(2847, 399, 2900, 450) },
        // diagonal to both: (-976, -532) weighs 532 against (-150, -200) weighing 150
        { { a, CRect(1024, 768, 1850, 1100) }, CRect(1900, 1200, 2000, 1300), CRect(1750, 1000, 1850, 1100) },
        // right of two side by side: both weigh 0, the first listed wins however far
        { { a, b }, CRect(3000, 100, 3100, 200), CRect(924, 100, 1024, 200) },
        { { b, a }, CRect(3000, 100, 3100, 200), CRect(1948, 100, 2048, 200) },
        // three: below c, level with a and b: a weighs 0 (-1976, 0), b 0 (-952, 0), c 152 (-152, -160)
        { { a, b, c }, CRect(2900, 500, 3000, 560), CRect(924, 500, 1024, 560) },
        // three: above all; a (-1176, 400) weighs 400, b (-152, 400) 152, c (0, 200) 0
        { { a, b, c }, CRect(2100, -400, 2200, -300), CRect(2100, -200, 2200, -100) },
        { { c, b, a }, CRect(2100, -400, 2200, -300), CRect(2100, -200, 2200, -100) },
    };
    for (const auto& t : cases)
    {
        CRect rect = t.rect;
        EXPECT_EQ(t.expected == t.rect ? 0 : 1, Constrain(rect, t.monitors))
            << t.monitors.size() << " monitors, " << t.rect.left << "," << t.rect.top;
        EXPECT_EQ(t.expected, rect) << t.monitors.size() << " monitors, " << t.rect.left << "," << t.rect.top;
    }
    CRect rect(5000, 5000, 5100, 5100);
    EXPECT_EQ(0, ConstrainRectToRects(rect, NULL, 0));
    EXPECT_EQ(CRect(5000, 5000, 5100, 5100), rect);
}

namespace
{
// A top-level window that records how it is repainted.
class CPaintRecorderWnd : public CWnd
{
public:
    CPaintRecorderWnd() : m_nPaints(0), m_nErases(0) {}
    virtual ~CPaintRecorderWnd()
    {
        if (m_hWnd != NULL)
            DestroyWindow();
    }

    BOOL CreateAt(const CRect& rectScreen, BOOL bVisible)
    {
        return CreateEx(0, AfxRegisterWndClass(0), "paint recorder",
            WS_POPUP | (bVisible ? WS_VISIBLE : 0), rectScreen.left, rectScreen.top,
            rectScreen.Width(), rectScreen.Height(), NULL, 0);
    }
    // forget everything, with nothing left to paint
    void Reset()
    {
        ValidateRect(NULL);
        m_nPaints = 0;
        m_nErases = 0;
        m_rectPainted.SetRectEmpty();
    }

    int m_nPaints;
    int m_nErases;
    CRect m_rectPainted;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        m_nPaints++;
        m_rectPainted = dc.m_ps.rcPaint;
    }
    afx_msg BOOL OnEraseBkgnd(CDC*)
    {
        m_nErases++;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintRecorderWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// Lets the windows paint what they have to after being shown, then starts their records afresh.
void SettleAndReset(std::initializer_list<CPaintRecorderWnd*> windows)
{
    PumpTestMessages(50);
    for (CPaintRecorderWnd* pWnd : windows)
        pWnd->Reset();
}
}

TEST(FrameRedrawScreenRect, RepaintsTheCoveredPartOfEveryVisibleWindowAtOnce)
{
    CPaintRecorderWnd wndLeft, wndRight, wndElsewhere, wndHidden;
    ASSERT_TRUE(wndLeft.CreateAt(CRect(100, 100, 300, 250), TRUE));
    ASSERT_TRUE(wndRight.CreateAt(CRect(300, 100, 400, 200), TRUE));
    ASSERT_TRUE(wndElsewhere.CreateAt(CRect(600, 400, 700, 500), TRUE));
    ASSERT_TRUE(wndHidden.CreateAt(CRect(240, 110, 340, 210), FALSE));
    SettleAndReset({ &wndLeft, &wndRight, &wndElsewhere, &wndHidden });

    CRect rectScreen(250, 120, 320, 160);
    EXPECT_NE(0, RedrawScreenRect(&rectScreen));

    // painted before the call returned, in client coordinates, background erased
    EXPECT_EQ(1, wndLeft.m_nPaints);
    EXPECT_EQ(CRect(150, 20, 200, 60), wndLeft.m_rectPainted);
    EXPECT_EQ(1, wndLeft.m_nErases);
    EXPECT_EQ(1, wndRight.m_nPaints);
    EXPECT_EQ(CRect(0, 20, 20, 60), wndRight.m_rectPainted);
    EXPECT_EQ(0, wndElsewhere.m_nPaints);
    EXPECT_EQ(0, wndHidden.m_nPaints);

    EXPECT_EQ(0, RedrawScreenRect(NULL));
}
