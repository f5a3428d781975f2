// test_splitbar.cpp - splitters: painting and cursor, the reporting drag with its messages and
// limits, and the split of two connected windows with its factor.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"

namespace
{
class SplitBar : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTopLevel(CRect(100, 100, 500, 400)));
        m_parent.Watch(WM_DRAGSPLIT);
        m_parent.Watch(WM_ENDSPLIT);
        m_parent.m_fnAnswer = [this](UINT message, WPARAM, LPARAM lParam, BOOL&) -> LRESULT {
            if (message == WM_DRAGSPLIT)
                m_offsets.push_back(((CWinDrag*)lParam)->GetOffset());
            return 0;
        };
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        PumpTestMessages(10);
    }
    BOOL DragFrom(CWnd* pWnd, CPoint ptClient, CPoint ptOffset)
    {
        const CPoint pt = ScreenPoint(pWnd, ptClient);
        CMouseScript script;
        script.MoveTo(pt).LeftDown()
            .MoveTo(pt + CPoint(ptOffset.x / 2, ptOffset.y / 2)).MoveTo(pt + ptOffset).LeftUp();
        return script.Run();
    }
    CRect RectInParent(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        m_parent.ScreenToClient(&rect);
        return rect;
    }

    CRecordingWnd m_parent;
    std::vector<CPoint> m_offsets;
};
}

TEST_F(SplitBar, PaintsItsEdgesAndShowsTheSplitCursor)
{
    CSplitBar tall, wide;
    CRect rectTall(100, 10, 106, 200), rectWide(150, 100, 350, 106);
    ASSERT_TRUE(tall.Create(&m_parent, rectTall, 0));
    ASSERT_TRUE(wide.Create(&m_parent, rectWide, 0));
    EXPECT_EQ(CSplitBar::nSplitBarID, tall.GetDlgCtrlID());
    EXPECT_TRUE(tall.GetStyle() & WS_CLIPSIBLINGS);
    EXPECT_TRUE(tall.IsTall());
    EXPECT_FALSE(wide.IsTall());
    tall.UpdateWindow();
    wide.UpdateWindow();

    CClientDC dcTall(&tall);
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), dcTall.GetPixel(0, 50));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), dcTall.GetPixel(2, 50));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), dcTall.GetPixel(5, 50));
    CClientDC dcWide(&wide);
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), dcWide.GetPixel(50, 0));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), dcWide.GetPixel(50, 3));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), dcWide.GetPixel(50, 5));

    // the split cursors come from the resource chain (the library carries them)
    tall.SendMessage(WM_SETCURSOR, (WPARAM)tall.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_TRUE(::GetCursor() == ::LoadCursorA(g_hUILResource, MAKEINTRESOURCEA(30980)));
    EXPECT_FALSE(::GetCursor() == ::LoadCursorA(NULL, IDC_SIZEWE));
    wide.SendMessage(WM_SETCURSOR, (WPARAM)wide.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_TRUE(::GetCursor() == ::LoadCursorA(g_hUILResource, MAKEINTRESOURCEA(30981)));
}

TEST_F(SplitBar, AReportingDragTellsTheParentOnEveryMoveAndAtTheEnd)
{
    CSplitBar bar;
    CRect rect(100, 10, 106, 200);
    ASSERT_TRUE(bar.Create(&m_parent, rect, 0));
    ASSERT_TRUE(DragFrom(&bar, CPoint(3, 80), CPoint(30, 17)));

    ASSERT_GE(m_parent.Count(WM_DRAGSPLIT), 2);
    EXPECT_EQ((WPARAM)bar.m_hWnd, m_parent.Last(WM_DRAGSPLIT)->wParam);
    EXPECT_EQ(CPoint(30, 0), m_offsets.back());     // across only
    ASSERT_EQ(1, m_parent.Count(WM_ENDSPLIT));
    EXPECT_EQ((WPARAM)bar.m_hWnd, m_parent.Last(WM_ENDSPLIT)->wParam);
    EXPECT_EQ(0, m_parent.Last(WM_ENDSPLIT)->lParam);
    EXPECT_EQ(30, bar.m_dx);
    EXPECT_EQ(0, bar.m_dy);
    // the splitter itself waits for its parent to move it; the ghost is gone
    EXPECT_EQ(rect, RectInParent(&bar));
    EXPECT_TRUE(m_parent.GetWindow(GW_CHILD)->m_hWnd == bar.m_hWnd);
    EXPECT_TRUE(bar.GetWindow(GW_HWNDNEXT) == NULL && bar.GetWindow(GW_HWNDPREV) == NULL);
}

TEST_F(SplitBar, LimitsHoldTheDragAndAWideSplitterMovesVertically)
{
    CSplitBar bar;
    CRect rect(50, 150, 350, 156);
    ASSERT_TRUE(bar.Create(&m_parent, rect, 0));
    bar.SetLimits(-20, 15);
    ASSERT_TRUE(DragFrom(&bar, CPoint(100, 3), CPoint(40, 60)));
    EXPECT_EQ(0, bar.m_dx);
    EXPECT_EQ(15, bar.m_dy);
    ASSERT_TRUE(DragFrom(&bar, CPoint(100, 3), CPoint(0, -90)));
    EXPECT_EQ(-20, bar.m_dy);
    EXPECT_EQ(2, m_parent.Count(WM_ENDSPLIT));
}

TEST_F(SplitBar, ADragThatEndsWhereItStartedReportsOnlyWithFlags)
{
    CSplitBar quiet, loud;
    CRect rectQuiet(100, 10, 106, 200), rectLoud(200, 10, 206, 200);
    ASSERT_TRUE(quiet.Create(&m_parent, rectQuiet, 0));
    ASSERT_TRUE(loud.Create(&m_parent, rectLoud, 1));
    ASSERT_TRUE(DragFrom(&quiet, CPoint(3, 80), CPoint(0, 25)));     // along the splitter: no offset
    EXPECT_EQ(0, m_parent.Count(WM_ENDSPLIT));
    EXPECT_EQ(0, quiet.m_dx);
    ASSERT_TRUE(DragFrom(&loud, CPoint(3, 80), CPoint(0, 25)));
    EXPECT_EQ(1, m_parent.Count(WM_ENDSPLIT, (WPARAM)loud.m_hWnd));

    // cancelled: no offset either
    m_parent.Clear();
    const CPoint pt = ScreenPoint(&loud, CPoint(3, 80));
    CMouseScript script;
    script.MoveTo(pt).LeftDown().MoveTo(pt + CPoint(40, 0)).RightDown().RightUp().LeftUp();
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(0, loud.m_dx);
    EXPECT_EQ(1, m_parent.Count(WM_ENDSPLIT, (WPARAM)loud.m_hWnd));
}

/////////////////////////////////////////////////////////////////////////////
// Connected windows

namespace
{
class SplitConnected : public SplitBar
{
protected:
    void SetUp() override
    {
        SplitBar::SetUp();
        // first 20..120, splitter 120..124, second 124..220: span 200
        ASSERT_TRUE(m_first.CreateChild(&m_parent, CRect(20, 30, 120, 230), 1));
        CRect rect(120, 30, 124, 230);
        ASSERT_TRUE(m_bar.Create(&m_parent, rect, 0));
        ASSERT_TRUE(m_second.CreateChild(&m_parent, CRect(124, 30, 220, 230), 2));
        m_fFactor = -1.0f;
        m_bar.SetConnectedWindows(&m_first, &m_second, &m_fFactor);
        PumpTestMessages(20);
    }
    CRecordingWnd m_first, m_second;
    CSplitBar m_bar;
    float m_fFactor;
};
}

TEST_F(SplitConnected, DraggingTheSplitterSharesTheSpanAnew)
{
    ASSERT_TRUE(DragFrom(&m_bar, CPoint(2, 100), CPoint(20, 9)));
    EXPECT_FLOAT_EQ(0.6f, m_fFactor);        // 120 of 200
    EXPECT_EQ(1, m_bar.m_bMoved);
    EXPECT_EQ(CRect(20, 30, 140, 230), RectInParent(&m_first));
    EXPECT_EQ(CRect(140, 30, 144, 230), RectInParent(&m_bar));
    EXPECT_EQ(CRect(144, 30, 220, 230), RectInParent(&m_second));
    // a connected splitter does not report
    EXPECT_EQ(0, m_parent.Count(WM_DRAGSPLIT) + m_parent.Count(WM_ENDSPLIT));
}

TEST_F(SplitConnected, TheFirstWindowKeepsTwoAndTheSecondFourPixels)
{
    ASSERT_TRUE(DragFrom(&m_bar, CPoint(2, 100), CPoint(-300, 0)));
    EXPECT_EQ(CRect(20, 30, 22, 230), RectInParent(&m_first));
    EXPECT_FLOAT_EQ(2.0f / 200.0f, m_fFactor);

    ASSERT_TRUE(DragFrom(&m_bar, CPoint(2, 100), CPoint(400, 0)));
    // first + second was 2 + 194: the first takes 192, the second keeps 4
    EXPECT_EQ(CRect(20, 30, 212, 230), RectInParent(&m_first));
    EXPECT_EQ(CRect(216, 30, 220, 230), RectInParent(&m_second));
}

TEST_F(SplitConnected, NoMoveNoChange)
{
    ASSERT_TRUE(DragFrom(&m_bar, CPoint(2, 100), CPoint(0, 40)));
    EXPECT_FLOAT_EQ(-1.0f, m_fFactor);
    EXPECT_EQ(0, m_bar.m_bMoved);
    EXPECT_EQ(CRect(20, 30, 120, 230), RectInParent(&m_first));
    EXPECT_EQ(CRect(124, 30, 220, 230), RectInParent(&m_second));

    // a point beyond a pixel from the splitter starts nothing
    EXPECT_EQ(0.0f, SplitConnectedWindows(&m_parent, &m_first, &m_second, &m_bar, CPoint(126, 100), -1));
    EXPECT_TRUE(::GetCapture() == NULL);
}

TEST_F(SplitConnected, ApplyingAFactorLaysTheThreeWindowsOut)
{
    ApplySplitFactor(&m_parent, &m_first, &m_second, &m_bar, 0.25f, -1);
    EXPECT_EQ(CRect(20, 30, 70, 230), RectInParent(&m_first));
    EXPECT_EQ(CRect(70, 30, 74, 230), RectInParent(&m_bar));
    EXPECT_EQ(CRect(74, 30, 220, 230), RectInParent(&m_second));

    // the span keeps its ends when the factor asks for more than there is
    ApplySplitFactor(&m_parent, &m_first, &m_second, &m_bar, 1.5f, -1);
    EXPECT_EQ(CRect(20, 30, 216, 230), RectInParent(&m_first));
    EXPECT_EQ(CRect(220, 30, 220, 230), RectInParent(&m_second));
}

TEST_F(SplitConnected, WindowsAboveAndBelowSplitVertically)
{
    m_first.MoveWindow(20, 30, 200, 80);        // 30..110
    CRect rect(20, 110, 220, 114);
    m_bar.MoveWindow(&rect);
    m_second.MoveWindow(20, 114, 200, 86);      // 114..200: span 170
    ASSERT_TRUE(DragFrom(&m_bar, CPoint(100, 2), CPoint(7, -34)));
    EXPECT_FLOAT_EQ(46.0f / 170.0f, m_fFactor);
    EXPECT_EQ(CRect(20, 30, 220, 76), RectInParent(&m_first));
    EXPECT_EQ(CRect(20, 76, 220, 80), RectInParent(&m_bar));
    EXPECT_EQ(CRect(20, 80, 220, 200), RectInParent(&m_second));
}
